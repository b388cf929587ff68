#include "Copy.h"

#include "harness/Processes.h"

#include <psapi.h>
#include <shellapi.h>

#include <vector>

namespace hx::bench {

namespace {

struct TWindowList {
    DWORD Pid;
    std::vector<HWND> Windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* list = reinterpret_cast<TWindowList*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == list->Pid)
        list->Windows.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD pid) {
    TWindowList list{pid, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&list));
    return list.Windows;
}

// The shell answers a modification that changes nothing only for an icon it holds.
bool ShellKnowsIcon(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = 1;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool IsClass(HWND window, const wchar_t* className) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return wcscmp(name, className) == 0;
}

} // namespace

TCopy::TCopy(const std::wstring& exe, const std::wstring& arguments)
    : FStart(NowMs()), FInfo(e2e::StartSibling(exe, arguments)) {
}

TCopy::~TCopy() {
    if (!Started())
        return;
    if (!WaitExit(0))
        TerminateProcess(FInfo.hProcess, 1);
    CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
}

// A short poll interval: each look costs the shell a message, and a start-up takes hundreds of ms.
template <class F> bool TCopy::Poll(DWORD ms, F&& done) {
    const double until = NowMs() + ms;
    while (NowMs() < until) {
        if (done())
            return true;
        if (WaitExit(0))
            return false;
        Sleep(2);
    }
    return false;
}

template <class F> bool TCopy::PollWindow(const wchar_t* className, DWORD ms, F&& ready) {
    return Poll(ms, [&] {
        for (HWND window : TopLevelWindows(FInfo.dwProcessId))
            if (IsClass(window, className) && ready(window))
                return true;
        return false;
    });
}

bool TCopy::WaitIcon(const wchar_t* ownerClass, DWORD ms) {
    return PollWindow(ownerClass, ms, ShellKnowsIcon);
}

bool TCopy::WaitWindow(const wchar_t* className, DWORD ms) {
    return PollWindow(className, ms, [](HWND window) { return IsWindowVisible(window) != FALSE; });
}

bool TCopy::WaitExit(DWORD ms) {
    return Started() && WaitForSingleObject(FInfo.hProcess, ms) == WAIT_OBJECT_0;
}

double TCopy::WorkingSetKiB() const {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(FInfo.hProcess, &counters, sizeof(counters)))
        return -1;
    return double(counters.WorkingSetSize) / 1024.0;
}

void TCopy::Close(const wchar_t* mainClass) {
    for (HWND window : TopLevelWindows(FInfo.dwProcessId))
        if (IsClass(window, mainClass))
            PostMessageW(window, WM_CLOSE, 0, 0);
    WaitExit(10000);
}

} // namespace hx::bench
