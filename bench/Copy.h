#pragma once
// One started copy of a measured program, watched from outside as the shell and a user see it.
#include "Clock.h"

#include <windows.h>

#include <string>

namespace hx::bench {

class TCopy {
public:
    // Starts exe (beside this program) with the command-line tail; the clock starts just before.
    TCopy(const std::wstring& exe, const std::wstring& arguments);
    ~TCopy();
    TCopy(const TCopy&) = delete;
    TCopy& operator=(const TCopy&) = delete;

    bool Started() const { return FInfo.hProcess != nullptr; }
    // Milliseconds since the start.
    double Elapsed() const { return NowMs() - FStart; }
    // Polls until the shell knows an icon of this copy, addressed as its owner would address it
    // (a top-level window of that class, icon id 1): false after ms or when the copy ended.
    bool WaitIcon(const wchar_t* ownerClass, DWORD ms);
    // Polls until a visible top-level window of that class belongs to the copy.
    bool WaitWindow(const wchar_t* className, DWORD ms);
    bool WaitExit(DWORD ms);
    // The working set in KiB, now.
    double WorkingSetKiB() const;
    // Closes the copy as its close box would (WM_CLOSE to its main window); ended by force when
    // it does not end within a few seconds.
    void Close(const wchar_t* mainClass);

private:
    template <class F> bool Poll(DWORD ms, F&& done);
    // Polls until a top-level window of the copy with that class is ready.
    template <class F> bool PollWindow(const wchar_t* className, DWORD ms, F&& ready);
    double FStart = 0; // before FInfo: the clock starts before the process does
    PROCESS_INFORMATION FInfo{};
};

} // namespace hx::bench
