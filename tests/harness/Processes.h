#pragma once
// Real program copies for end-to-end tests: started from the test's own folder, watched,
// closed the way a user or the system closes them.
#include <windows.h>

#include <filesystem>
#include <string>

namespace hx::e2e {

class TProgram {
public:
    // Starts hushlet2.exe (beside the test binary) with the given command-line tail.
    explicit TProgram(const std::wstring& arguments, const std::wstring& exe = L"hushlet2.exe");
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    bool Started() const { return FInfo.hProcess != nullptr; }
    DWORD Id() const { return FInfo.dwProcessId; }
    // True when the copy ended within ms; its exit code then lands in code.
    bool WaitExit(DWORD ms, DWORD* code = nullptr);
    bool Running();
    // The first visible-or-hidden top-level window of this copy with that class, waiting up to ms.
    HWND FindWindowOfClass(const wchar_t* className, DWORD ms);
    // Asks the main window to close, as the close box does, and waits for the copy to end.
    bool Close(DWORD ms = 10000);
    // Ends the copy at once, for one that no longer answers.
    void Kill();

private:
    PROCESS_INFORMATION FInfo{};
};

// A file or folder beside the running test binary.
std::wstring SiblingPath(const std::wstring& name);
// Starts a program beside the running one with the command-line tail; a zeroed record when it
// could not start.
PROCESS_INFORMATION StartSibling(const std::wstring& exe, const std::wstring& arguments);
// The program's settings file in this user's application data folder.
std::filesystem::path SettingsFile();
// The text of a window, e.g. a dialog's caption.
std::wstring WindowText(HWND window);

} // namespace hx::e2e
