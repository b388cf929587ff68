#pragma once
#include "ui/ComCtrls.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"
#include "ui/Timer.h"
#include "tray/TrayIcon.h"

#include <array>
#include <string>

// The main window: the volume state, the one routine that applies it, and every display of it.
class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* AOwner);

    // The layout, in the order it is built (MainLayout.cpp).
    TPanel* Panel;
    TLabel* LabelName;
    TLabel* LabelHint;
    TLabel* LabelVol;
    TCheckBox* CHKMute;
    TUpDown* UpDown;
    TTimer* TimerClose;
    TTimer* TimerChkVol;
    TTimer* TimerHint;
    TImageList* ImageList;
    TTrayIcon* TrayIcon;
    TPopupMenu* PPRMenu;
    TMenuItem* PPVolDisp;
    TMenuItem* N4;
    TMenuItem* PPUp;
    TMenuItem* PPDown;
    TMenuItem* N2;
    TPopupMenu* PPUpDown;

    // Index i holds the item with Tag i: 100 - i * 10 percent here, i * 10 in the tray menu.
    std::array<TMenuItem*, 11> MPPUpDown{};
    std::wstring MAudioName;
    std::array<TMenuItem*, 11> MPPVol{};
    // The target volume in percent; any integer may stand here until ApplyVolume clamps it.
    int MVol = 0;

    // Clamps MVol, writes mute and volume to the device where it differs, refreshes displays.
    void ApplyVolume();

    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void CHKMuteClick(TObject* Sender);
    void UpDownClick(TObject* Sender);
    void LabelVolClick(TObject* Sender);
    void PPVolDispClick(TObject* Sender);
    void PPUpClick(TObject* Sender);
    void PPDownClick(TObject* Sender);
    void PPVolClick(TObject* Sender);
    void PPUpDownClick(TObject* Sender);
    void TimerCloseTimer(TObject* Sender);
    void TrayIconStartup(TObject* Sender, bool& ShowMainForm);
    // Presses, wheel and hint on the tray icon come with the input bindings and the hint.
    void TrayIconMouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
    void TrayIconMouseEnter(TObject*) {}
    void TrayIconMouseExit(TObject*) {}
    // The once-a-second watch for changes made elsewhere and for a new output device.
    void TimerChkVolTimer(TObject* Sender);

private:
    void CreateLayout();
    void FillPresetMenus();
    void ApplyCommandLine();
};

extern TMainForm* MainForm;

// The key help shown under the volume.
extern const wchar_t KeyHelpText[];
