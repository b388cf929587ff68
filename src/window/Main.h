#pragma once
#include "ui/Forms.h"
#include "ui/StdCtrls.h"
#include "ui/Timer.h"

#include <string>

// The main window: the volume state, the one routine that applies it, and every display of it.
class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* AOwner);

    TCheckBox* CHKMute;
    TTimer* TimerClose;
    TTimer* TimerChkVol;

    std::wstring MAudioName;
    // The target volume in percent; any integer may stand here until ApplyVolume clamps it.
    int MVol = 0;

    // Clamps MVol, writes mute and volume to the device where it differs, refreshes displays.
    void ApplyVolume();

    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void CHKMuteClick(TObject* Sender);
    void TimerCloseTimer(TObject* Sender);

private:
    void ApplyCommandLine();
};

extern TMainForm* MainForm;
