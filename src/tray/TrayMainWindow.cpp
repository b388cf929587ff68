// The icon as the stand-in of the application's main window: the start-up decision,
// minimising to the tray, showing and hiding, and putting the icon back after a shell restart.
#include "tray/TrayIcon.h"

#include "ui/Application.h"
#include "ui/Forms.h"
#include "ui/SystemLibrary.h"

#include <commctrl.h>

namespace {

// Windows XP is the oldest system the subclass functions are documented for: imported, they
// would keep the program from loading on Windows 2000, where its start-up message must speak.
template <typename TFunction> TFunction SubclassFunction(const char* name) {
    return SystemFunction<TFunction>(L"comctl32.dll", name);
}

} // namespace

HWND TTrayIcon::OwnerHandle() const {
    const auto* owner = dynamic_cast<const TWinControl*>(Owner());
    return owner ? owner->Handle() : nullptr;
}

// The owner's procedure is chained through the system's subclass list rather than replaced
// outright, so removing ours at destruction never drops a procedure installed after it.
void TTrayIcon::InstallMainWindowWatch() {
    if (Application)
        FHookId = Application->HookMainWindow(
            [this](TMessage& m) { return ApplicationHook(m.Msg, m.WParam); });
    static const auto setSubclass =
        SubclassFunction<decltype(&SetWindowSubclass)>("SetWindowSubclass");
    const HWND owner = OwnerHandle();
    if (owner && setSubclass && setSubclass(owner, OwnerWindowProc, FIconID, DWORD_PTR(this)))
        FSubclassedOwner = owner;
}

void TTrayIcon::RemoveMainWindowWatch() {
    if (Application && FHookId)
        Application->UnhookMainWindow(FHookId);
    FHookId = 0;
    static const auto removeSubclass =
        SubclassFunction<decltype(&RemoveWindowSubclass)>("RemoveWindowSubclass");
    if (FSubclassedOwner)
        removeSubclass(FSubclassedOwner, OwnerWindowProc, FIconID);
    FSubclassedOwner = nullptr;
}

void TTrayIcon::StartupDecision() {
    if (!OwnerHandle())
        return;
    bool show = true;
    if (OnStartup)
        OnStartup(this, show);
    if (show)
        return;
    // While the owner is still being built there is no main form yet: the setting alone
    // keeps it hidden then.
    if (Application)
        Application->ShowMainForm = false;
    HideMainForm();
}

void TTrayIcon::RestoreMainForm() {
    const HWND main = Application->MainForm->Handle();
    if (IsIconic(main))
        ShowWindow(main, SW_RESTORE);
    Application->MainForm->Show();
}

void TTrayIcon::ShowMainForm() {
    if (!OwnerHandle() || !Application || !Application->MainForm)
        return;
    Application->Restore();
    RestoreMainForm();
    SetForegroundWindow(Application->Handle());
}

void TTrayIcon::HideMainForm() {
    if (!OwnerHandle() || !Application || !Application->MainForm)
        return;
    Application->MainForm->Hide();
    HideTaskbarIcon();
}

void TTrayIcon::HideTaskbarIcon() {
    if (Application && IsWindowVisible(Application->Handle()))
        ShowWindow(Application->Handle(), SW_HIDE);
}

void TTrayIcon::ShowTaskbarIcon() {
    if (Application && !IsWindowVisible(Application->Handle()))
        ShowWindow(Application->Handle(), SW_SHOW);
}

bool TTrayIcon::SetFocus() {
    return Send(NIM_SETFOCUS);
}

void TTrayIcon::SetBehavior(TBehavior value) {
    FBehavior = value;
    IconData.TimeoutOrVersion.uVersion = value == bhWin2000 ? NOTIFYICON_VERSION : 0;
    Send(NIM_SETVERSION);
}

void TTrayIcon::HideToTray() {
    HideMainForm();
    SetIconVisible(true);
}

bool TTrayIcon::ApplicationHook(UINT msg, WPARAM wParam) {
    if (msg == WM_SIZE && wParam == SIZE_MINIMIZED && MinimizeToTray)
        HideToTray();
    else if (msg == WM_SYSCOMMAND && wParam == SC_RESTORE && Application->MainForm)
        RestoreMainForm();
    if (msg == WM_TASKBARCREATED && WM_TASKBARCREATED != 0 && FIconVisible) {
        // A new shell may show icons at another size.
        FollowShellIconSize();
        TrayAdd();
        // The new shell knows nothing of the version the icon asked for before.
        SetBehavior(FBehavior);
    }
    return false;
}

bool TTrayIcon::TryMinimizeToTray() {
    if (!MinimizeToTray || !OnMinimizeToTray)
        return false;
    OnMinimizeToTray(this);
    HideToTray();
    return true;
}

LRESULT CALLBACK TTrayIcon::OwnerWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<TTrayIcon*>(data);
    switch (msg) {
    case WM_SHOWWINDOW:
        if (wParam == TRUE && lParam == 0 && Application) {
            SetForegroundWindow(Application->Handle());
            SetForegroundWindow(hwnd);
        } else if (wParam == FALSE && lParam == SW_PARENTCLOSING &&
                   !(Application && Application->Terminated()) && self->TryMinimizeToTray()) {
            return 1;
        }
        break;
    case WM_SYSCOMMAND:
        if (wParam == SC_MINIMIZE && self->TryMinimizeToTray())
            return 1;
        break;
    }
    static const auto defSubclassProc =
        SubclassFunction<decltype(&DefSubclassProc)>("DefSubclassProc");
    return defSubclassProc(hwnd, msg, wParam, lParam);
}
