#include "window/Main.h"

#include "audio/AudioFunctions.h"
#include "audio/EndpointVolume.h"
#include "ui/Application.h"
#include "ui/SysUtils.h"
#include "shell/TrayWheel.h"

#include <algorithm>

TMainForm* MainForm = nullptr;

namespace {

TFormParams MainFormParams() {
    TFormParams params;
    params.ClassName = L"TMainForm";
    params.Caption = L"Hushlet2";
    params.Left = 498;
    params.Top = 213;
    params.ClientWidth = 167;
    params.ClientHeight = 121;
    params.IconResource = L"MAINICON";
    params.ScreenSnap = true;
    return params;
}

} // namespace

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner, MainFormParams()) {
    MainForm = this;
    CreateLayout();
}

void TMainForm::ApplyVolume() {
    if (MUnreadVol && MVol != *MUnreadVol)
        MUnreadVol.reset();
    MVol = std::clamp(MVol, 0, 100);
    if (MUnreadVol)
        MUnreadVol = MVol;
    const bool muted = CHKMute->Checked();
    if (GetEndpointVolume() != MVol || GetEndpointMute() != muted) {
        SetEndpointMute(muted);
        // Writing the clamped failed read would set the device to 0%.
        if (!MUnreadVol)
            SetEndpointVolume(MVol);
    }
    const std::wstring percent = IntToStr(MVol) + L"%";
    UpDown->SetPosition(MVol);
    LabelVol->SetCaption(percent);
    PPVolDisp->Caption = percent + L" [ウィンドウ表示]";
    TrayIcon->SetIconIndex(muted ? ImageList->Count() - 1 : MVol);
}

void TMainForm::TimerChkVolTimer(TObject*) {
    if (!HasAudioEndpoint())
        return;
    const std::wstring name = GetDefaultOutputName();
    if (name != MAudioName) {
        // A new device: its volume and mute are adopted on the next tick.
        MAudioName = name;
        LabelName->SetCaption(MAudioName);
        InitAudioEndpoint();
        return;
    }
    const int volume = GetEndpointVolume();
    if (volume < 0) {
        // The device stopped answering while its name stayed (the name list can lag behind a
        // removal, or the next device has the same name). Adopting the failed read would write
        // 0% to it on every tick; a re-open finds the device that is now the default, or none
        // and so idles the watch.
        InitAudioEndpoint();
        return;
    }
    const bool muted = GetEndpointMute();
    if (volume == MVol && muted == CHKMute->Checked())
        return;
    MVol = volume;
    CHKMute->SetChecked(muted);
    UpDown->SetPosition(MVol);
    ApplyVolume();
}

LRESULT TMainForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SYSCOMMAND:
        // Minimising the window minimises the program, which the tray icon hides to the tray.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            Application->Minimize();
            return 0;
        }
        break;
    case WM_MOVE:
        WMMove();
        return 0;
    case WM_DPICHANGED: {
        const LRESULT result = TForm::WndProc(msg, wParam, lParam);
        TrayIcon->FollowShellIconSize();
        return result;
    }
    case WM_TRAYWHEELUP:
        WMTrayWheelUp();
        return 0;
    case WM_TRAYWHEELDOWN:
        WMTrayWheelDown();
        return 0;
    }
    return TForm::WndProc(msg, wParam, lParam);
}
