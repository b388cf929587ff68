#include "ui/Application.h"

#include "ui/Forms.h"
#include "ui/UtilWindow.h"

#include <shellapi.h>

TApplication* Application = nullptr;

namespace {
// Posted to the hidden window to hand the keyboard on to the main form.
const UINT CM_ACTIVATEMAINFORM = WM_APP + 0x100;
} // namespace

std::vector<std::wstring> CommandLineParams() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> params;
    for (int i = 1; i < count; ++i)
        params.emplace_back(args[i]);
    LocalFree(args);
    return params;
}

TApplication::TApplication() : TComponent(nullptr), Params(CommandLineParams()) {
    FWindow = std::make_unique<TUtilWindow>(
        [this](HWND h, UINT msg, WPARAM w, LPARAM l) { return WndProc(h, msg, w, l); });
    Application = this;
}

TApplication::~TApplication() {
    // Forms and components first: their windows are owned by the hidden window.
    while (!Components().empty())
        delete Components().back();
    MainForm = nullptr;
    if (Application == this)
        Application = nullptr;
}

HWND TApplication::Handle() const {
    return FWindow->Handle();
}

void TApplication::SetTitle(const std::wstring& title) {
    FTitle = title;
    SetWindowTextW(Handle(), title.c_str());
}

int TApplication::HookMainWindow(TWindowHook hook) {
    FHooks.emplace_back(FNextHookId, std::move(hook));
    return FNextHookId++;
}

void TApplication::UnhookMainWindow(int id) {
    std::erase_if(FHooks, [id](const auto& entry) { return entry.first == id; });
}

LRESULT TApplication::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    // A hook may unhook itself or others while it runs.
    const auto hooks = FHooks;
    for (const auto& [id, hook] : hooks)
        if (hook(message))
            return message.Result;
    // The hidden window is brought to the foreground on the program's behalf (the tray menu,
    // showing the main form) and so takes the keyboard; a person expects the form to have it.
    // The form is activated once the hidden window's own activation is over: activating
    // another window from inside it left the program deaf to input now and then under Wine.
    const bool formShown = MainForm && MainForm->Visible() && IsWindowEnabled(MainForm->Handle());
    if (msg == WM_SETFOCUS && formShown)
        PostMessageW(hwnd, CM_ACTIVATEMAINFORM, 0, 0);
    if (msg == CM_ACTIVATEMAINFORM) {
        if (formShown && GetActiveWindow() == hwnd)
            MainForm->TakeFocus();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void TApplication::Dispatch(MSG& msg) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void TApplication::Run() {
    if (MainForm && ShowMainForm)
        MainForm->Show();
    MSG msg;
    // Runs until WM_QUIT is taken from the queue: one left behind would end the next modal loop.
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        Dispatch(msg);
    FTerminated = true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            FTerminated = true;
            return;
        }
        Dispatch(msg);
    }
}

void TApplication::Terminate() {
    FTerminated = true;
    PostQuitMessage(0);
}

void TApplication::Minimize() {
    ShowWindow(Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (IsIconic(Handle()))
        ShowWindow(Handle(), SW_RESTORE);
}

void ShowErrorDialog(const std::wstring& message) {
    const std::wstring caption = Application ? Application->Title() : std::wstring();
    MessageBoxW(nullptr, message.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}
