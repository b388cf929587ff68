#pragma once
#include "ui/Component.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TForm;
class TUtilWindow;

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

// A hook on the application's hidden window sees each message before the window does;
// answering true ends the handling with the hook's Result.
using TWindowHook = std::function<bool(TMessage& Message)>;

// The program as a whole: its hidden top-level window, its title, its main form and the
// message loop that runs until the main form has closed.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    HWND Handle() const;
    std::wstring Title() const { return FTitle; }
    void SetTitle(const std::wstring& title);

    // Whether Run shows the main form; a component may clear it while the form is built.
    bool ShowMainForm = true;
    TForm* MainForm = nullptr;

    // The command line after the program name; tests may replace it before building forms.
    std::vector<std::wstring> Params;

    template <class T> T* CreateForm() {
        auto* form = new T(this);
        if (!MainForm)
            MainForm = form;
        form->AfterConstruction();
        return form;
    }

    void Run();
    // Handles every message waiting in the queue and returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Minimising the hidden window stands for minimising the whole program; hooks see its
    // WM_SIZE, through which a tray icon hides the program to the notification area.
    void Minimize();
    void Restore();

    int HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(int id);

private:
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Dispatch(MSG& msg);

    std::unique_ptr<TUtilWindow> FWindow;
    std::wstring FTitle;
    bool FTerminated = false;
    int FNextHookId = 1;
    std::vector<std::pair<int, TWindowHook>> FHooks;
};

// The one application object of the process, made by the program entry (or a test).
extern TApplication* Application;

// The arguments of this process's command line, without the program name.
std::vector<std::wstring> CommandLineParams();

// The toolkit's error dialog: modal, error icon, the application title as caption.
void ShowErrorDialog(const std::wstring& message);
