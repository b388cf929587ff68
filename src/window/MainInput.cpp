// Every input that changes the volume: keys, the wheel over the window and over the tray icon,
// tray presses, the menus, the labels, the mute box and the up-down control.
#include "window/Main.h"

#include "desktop/Foreground.h"
#include "shell/Hook.h"
#include "window/VolumeHint.h"
#include "window/VolumeHintLogic.h"

#include <shellapi.h>

TShellExecuteApi ShellExecuteApi = ShellExecuteW;

void TMainForm::ShowVolumeHint() {
    ShowHintBesideTaskbar(*MHintWindow, *TimerHint,
                          VolumeHintText(MVol, CHKMute->Checked(), MAudioName));
}

void TMainForm::HideVolumeHint() {
    HideHintBesideTaskbar(*MHintWindow, *TimerHint);
}

void TMainForm::TimerHintTimer(TObject*) {
    TimerHint->SetEnabled(false);
    HideVolumeHint();
}

void TMainForm::FormDialogKey(TObject*, std::uint16_t Key, long& Result) {
    switch (Key) {
    case VK_LEFT:
        MVol -= 10;
        break;
    case VK_UP:
        MVol += 1;
        break;
    case VK_RIGHT:
        MVol += 10;
        break;
    case VK_DOWN:
        MVol -= 1;
        break;
    default:
        return;
    }
    ApplyVolume();
    Result = 1;
}

// Arrow keys arrive here only when the focused control claims them, so none is counted twice.
void TMainForm::FormKeyDown(TObject*, std::uint16_t& Key, TShiftState) {
    switch (Key) {
    case VK_UP:
        MVol += 1;
        break;
    case VK_DOWN:
        MVol -= 1;
        break;
    case VK_RIGHT:
        MVol += 10;
        break;
    case VK_LEFT:
        MVol -= 10;
        break;
    case VK_HOME:
        MVol = 100;
        break;
    case VK_END:
        MVol = 0;
        break;
    case VK_DELETE:
        CHKMute->SetChecked(!CHKMute->Checked());
        break;
    default:
        return;
    }
    ApplyVolume();
}

void TMainForm::FormMouseWheelUp(TObject*, bool& Handled) {
    ++MVol;
    ApplyVolume();
    Handled = true;
}

void TMainForm::FormMouseWheelDown(TObject*, bool& Handled) {
    --MVol;
    ApplyVolume();
    Handled = true;
}

int TMainForm::TrayWheelStep() {
    int step = 1;
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000)
        step = 10;
    if (GetAsyncKeyState(VK_CONTROL) & 0x8000)
        step = 5;
    return step;
}

void TMainForm::WMTrayWheelUp() {
    MVol += TrayWheelStep();
    ApplyVolume();
    ShowVolumeHint();
}

void TMainForm::WMTrayWheelDown() {
    MVol -= TrayWheelStep();
    ApplyVolume();
    ShowVolumeHint();
}

void TMainForm::TrayIconMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
    if (Button == mbRight) {
        // Without the foreground the menu would not close on a click elsewhere.
        ForceForegroundWindow(Handle());
        MPopUpP = {X, Y};
        PPRMenu->Popup(MPopUpP.x, MPopUpP.y);
    } else if (Button == mbLeft) {
        CHKMute->SetChecked(!CHKMute->Checked());
        ApplyVolume();
        ShowVolumeHint();
    }
}

void TMainForm::TrayIconMouseEnter(TObject*) {
    if (!WheelHookHandle)
        InstallWheelHook(Handle());
    ShowVolumeHint();
}

void TMainForm::TrayIconMouseExit(TObject*) {
    if (WheelHookHandle)
        RemoveWheelHook();
    HideVolumeHint();
}

void TMainForm::PPVolDispClick(TObject*) {
    TrayIcon->ShowMainForm();
}

void TMainForm::PPUpClick(TObject*) {
    ++MVol;
    ApplyVolume();
    ShowVolumeHint();
    PPRMenu->Popup(MPopUpP.x, MPopUpP.y);
}

void TMainForm::PPDownClick(TObject*) {
    --MVol;
    ApplyVolume();
    ShowVolumeHint();
    PPRMenu->Popup(MPopUpP.x, MPopUpP.y);
}

void TMainForm::PPVolClick(TObject* Sender) {
    MVol = static_cast<int>(static_cast<TMenuItem*>(Sender)->Tag) * 10;
    ApplyVolume();
    ShowVolumeHint();
}

void TMainForm::PPUpDownClick(TObject* Sender) {
    MVol = 100 - static_cast<int>(static_cast<TMenuItem*>(Sender)->Tag) * 10;
    ApplyVolume();
}

void TMainForm::LabelVolClick(TObject*) {
    POINT p{};
    GetCursorPos(&p);
    PPUpDown->Popup(p.x, p.y);
}

void TMainForm::LabelNameMouseDown(TObject*, TMouseButton Button, TShiftState, int, int) {
    // The panel's page name is the system's own text, the voiced mark written as its own
    // character.
    if (Button == mbLeft)
        ShellExecuteApi(Handle(), L"OPEN", L"rundll32.exe",
                        L"shell32.dll,Control_RunDLL mmsys.cpl \u30B5\u30A6\u30F3\u30C8\u309B", L"",
                        SW_SHOW);
    else if (Button == mbRight)
        ShellExecuteApi(Handle(), L"OPEN", L"SndVol.exe", L"", L"", SW_SHOW);
}

void TMainForm::CHKMuteClick(TObject*) {
    ApplyVolume();
    SetActiveControl(UpDown);
}

void TMainForm::UpDownClick(TObject*) {
    MVol = UpDown->Position();
    ApplyVolume();
}
