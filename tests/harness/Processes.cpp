#include "harness/Processes.h"

#include <shlobj.h>

#include <vector>

namespace hx::e2e {

std::wstring SiblingPath(const std::wstring& name) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

std::filesystem::path SettingsFile() {
    wchar_t appData[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, appData);
    return std::filesystem::path(appData) / L"Oriel Project" / L"Hux" / L"Hushlet.ini";
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

PROCESS_INFORMATION StartSibling(const std::wstring& exe, const std::wstring& arguments) {
    const std::wstring path = SiblingPath(exe);
    std::wstring commandLine = L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        info = {};
    return info;
}

TProgram::TProgram(const std::wstring& arguments, const std::wstring& exe)
    : FInfo(StartSibling(exe, arguments)) {
}

TProgram::~TProgram() {
    if (!Started())
        return;
    if (Running() && !Close(5000))
        TerminateProcess(FInfo.hProcess, 1);
    CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
}

bool TProgram::WaitExit(DWORD ms, DWORD* code) {
    if (WaitForSingleObject(FInfo.hProcess, ms) != WAIT_OBJECT_0)
        return false;
    if (code)
        GetExitCodeProcess(FInfo.hProcess, code);
    return true;
}

bool TProgram::Running() {
    return WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {

struct TWindowSearch {
    DWORD Pid;
    const wchar_t* ClassName;
    HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TWindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (pid != search->Pid || wcscmp(name, search->ClassName) != 0)
        return TRUE;
    search->Found = window;
    return FALSE;
}

} // namespace

HWND TProgram::FindWindowOfClass(const wchar_t* className, DWORD ms) {
    TWindowSearch search{FInfo.dwProcessId, className, nullptr};
    const DWORD start = GetTickCount();
    do {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found || !Running())
            break;
        Sleep(50);
    } while (GetTickCount() - start < ms);
    return search.Found;
}

bool TProgram::Close(DWORD ms) {
    if (HWND main = FindWindowOfClass(L"TMainForm", ms))
        PostMessageW(main, WM_CLOSE, 0, 0);
    return WaitExit(ms);
}

void TProgram::Kill() {
    TerminateProcess(FInfo.hProcess, 1);
    WaitExit(5000);
}

} // namespace hx::e2e
