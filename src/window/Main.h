#pragma once
#include "ui/ComCtrls.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/HintWindow.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"
#include "ui/Timer.h"
#include "tray/TrayIcon.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// How the device-name label launches the sound programs; tests put a recorder here.
using TShellExecuteApi = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
extern TShellExecuteApi ShellExecuteApi;

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
    // Set while MVol still holds what a failed level read at start left in it: no level was
    // asked for, so none is written until something sets another target.
    std::optional<int> MUnreadVol;
    THintWindow* MHintWindow = nullptr;
    // Where the tray menu was last opened by a right press, for re-opening it after a step.
    POINT MPopUpP{};
    // The monitor the window was last seen on while visible.
    int MMonNo = 0;

    // Clamps MVol, writes mute and volume to the device where it differs, refreshes displays.
    void ApplyVolume();

    void ShowVolumeHint();
    void HideVolumeHint();

    // Life cycle (MainLife.cpp).
    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormShow(TObject* Sender);
    void FormHide(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void WMMove();
    void TimerCloseTimer(TObject* Sender);
    void TrayIconStartup(TObject* Sender, bool& ShowMainForm);

    // Input bindings (MainInput.cpp).
    void FormDialogKey(TObject* Sender, std::uint16_t Key, long& Result);
    void FormKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);
    void FormMouseWheelUp(TObject* Sender, bool& Handled);
    void FormMouseWheelDown(TObject* Sender, bool& Handled);
    void WMTrayWheelUp();
    void WMTrayWheelDown();
    void TrayIconMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void TrayIconMouseEnter(TObject* Sender);
    void TrayIconMouseExit(TObject* Sender);
    void LabelNameMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void CHKMuteClick(TObject* Sender);
    void UpDownClick(TObject* Sender);
    void LabelVolClick(TObject* Sender);
    void PPVolDispClick(TObject* Sender);
    void PPUpClick(TObject* Sender);
    void PPDownClick(TObject* Sender);
    void PPVolClick(TObject* Sender);
    void PPUpDownClick(TObject* Sender);
    void TimerHintTimer(TObject* Sender);
    // The once-a-second watch for changes made elsewhere and for a new output device.
    void TimerChkVolTimer(TObject* Sender);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void AlignControls() override;

private:
    void CreateLayout();
    // The tray wheel's step by the modifier keys held when the message is handled.
    static int TrayWheelStep();
    void FillPresetMenus();
    void ApplyCommandLine();
};

extern TMainForm* MainForm;

// The key help shown under the volume.
extern const wchar_t KeyHelpText[];
