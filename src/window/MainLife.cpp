// How the main window comes and goes: creation, the command line, closing, showing and hiding
// with its own taskbar button.
#include "window/Main.h"

#include "audio/AudioFunctions.h"
#include "audio/EndpointVolume.h"
#include "desktop/Placement.h"
#include "shell/OleSysError.h"
#include "shell/TaskBarList.h"
#include "ui/Application.h"
#include "window/CommandLine.h"
#include "window/Settings.h"

namespace {

void SetFontFace(TWinControl& control, const std::wstring& face) {
    TFontSpec font = control.Font();
    font.Name = face;
    control.SetFont(font);
}

} // namespace

void TMainForm::TrayIconStartup(TObject*, bool& ShowMainForm) {
    ShowMainForm = StartModeOf(Application->Params) == TStartMode::WindowOnly;
}

void TMainForm::FormCreate(TObject*) {
    InitAudioEndpoint();
    MHintWindow = new THintWindow(this);
    // Without the shell's list the window only lacks its own taskbar button. Ending creation
    // here would leave a copy with no tray icon, no device state and no close timer, unreachable
    // and holding the single-instance mark for good.
    try {
        TaskbarListInit();
    } catch (const EOleSysError& e) {
        ShowErrorDialog(e.Message());
    }
    FillPresetMenus();
    LoadWindowPosition(*this, SettingsFileName());
    EnsureWindowOnScreen(Handle());
    // The saved place may lie on a monitor of another density than the designed one.
    FollowMonitorDpi();
    const std::wstring menuFace = MenuFontName();
    SetFontFace(*LabelName, menuFace);
    MAudioName = GetDefaultOutputName();
    LabelName->SetCaption(MAudioName);
    SetFontFace(*CHKMute, menuFace);
    LabelHint->SetCaption(KeyHelpText);
    // The menu face may need more height than the designed strip; the window shows it whole.
    AlignControls();
    TrayIcon->SetIconVisible(false);
    TimerClose->SetEnabled(false);
    MVol = GetEndpointVolume();
    if (MVol < 0)
        MUnreadVol = MVol;
    CHKMute->SetChecked(GetEndpointMute());
    TimerChkVol->SetEnabled(true);
    ApplyCommandLine();
    ApplyVolume();
}

void TMainForm::ApplyCommandLine() {
    const auto& params = Application->Params;
    const TStartMode mode = StartModeOf(params);
    if (mode == TStartMode::Resident)
        TrayIcon->SetIconVisible(true);
    if (mode != TStartMode::OneShot)
        return;
    TimerClose->SetEnabled(true);
    const std::wstring& arg = params[0];
    if (arg == L"/m")
        CHKMute->SetChecked(true);
    else if (arg == L"/n")
        CHKMute->SetChecked(false);
    else if (arg == L"/t")
        CHKMute->SetChecked(!CHKMute->Checked());
    else if (const int value = ArgumentToInt(arg); value >= 0 && value <= 100)
        MVol = value;
}

void TMainForm::FormCloseQuery(TObject*, bool& CanClose) {
    TimerClose->SetEnabled(false);
    // A file that cannot be written costs the position only; closing goes on.
    SaveWindowPosition(*this, SettingsFileName());
    TrayIcon->SetIconVisible(false);
    CanClose = true;
}

void TMainForm::TimerCloseTimer(TObject*) {
    Close();
}

void TMainForm::FormShow(TObject*) {
    // The application's own window would carry a second taskbar button.
    ShowWindow(Application->Handle(), SW_HIDE);
    TaskbarAddButton(Handle());
}

void TMainForm::FormHide(TObject*) {
    TaskbarDeleteButton(Handle());
}

void TMainForm::FormDestroy(TObject*) {
    TaskbarListFree();
}

void TMainForm::WMMove() {
    if (!Visible())
        return;
    const int monitor = GetWindowMonitorIndex(Handle());
    if (monitor == MMonNo)
        return;
    MMonNo = monitor;
    // The shell files the button under the monitor it was added on; a fresh one follows.
    TaskbarDeleteButton(Handle());
    Sleep(100);
    TaskbarAddButton(Handle());
}
