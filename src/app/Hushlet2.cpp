// The program entry: the start-up gate, the settings folder, the single-instance marker,
// the COM apartment, the visual style, the main window and its message loop.
#include "audio/EndpointVolume.h"
#include "desktop/Oriel.h"
#include "ui/Application.h"
#include "ui/Styles.h"
#include "window/CommandLine.h"
#include "window/Main.h"

#include <windows.h>
#include <objbase.h>

namespace {

const wchar_t MarkerName[] = L"Hushlet2/Oriel Project";

void RunMainWindow() {
    TApplication application;
    TStyleManager::TrySetStyle(L"Windows10 Dark", true);
    application.SetTitle(L"Hushlet2");
    application.CreateForm<TMainForm>();
    application.Run();
}

// False when another copy is running and this one has nothing to do beside it.
bool MayStart() {
    const HANDLE running = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, MarkerName);
    if (!running)
        return true;
    CloseHandle(running);
    return RunsBesideAnotherCopy(StartModeOf(CommandLineParams()));
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (!IsVistaOrLater()) {
        MessageBoxW(
            nullptr,
            L"Windows XP/2000では動作しません。\r\nHushletをお使いください。\r\n終了します。",
            MarkerName, MB_OK | MB_ICONERROR);
        return 0;
    }
    if (!PrepareSettingsFolder(L"Hux", false))
        return 0;
    if (!MayStart())
        return 0;
    // Never owned or waited on: its existence alone tells later copies that one is running.
    const HANDLE marker = CreateMutexW(nullptr, FALSE, MarkerName);
    const HRESULT com = CoInitialize(nullptr);
    RunMainWindow();
    ReleaseAudioEndpoint();
    if (SUCCEEDED(com))
        CoUninitialize();
    if (marker)
        ReleaseMutex(marker);
    return 0;
}
