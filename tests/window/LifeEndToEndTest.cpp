// Real copies of the program against the shared test endpoint: one-shot arguments, a resident
// copy following them, the position kept between runs and brought back on screen, the shell's
// restart, and the end of a session, cancelled or carried out.
#include "harness/Processes.h"
#include "window/DeviceEndToEnd.h"
#include "window/EndToEnd.h"
#include "tools/endpoint/SharedEndpoint.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

using namespace hx::e2e;
using namespace hx::endpoint;

namespace {

class LifeEndToEnd : public TDeviceEndToEnd {
protected:
    void SetUp() override {
        TDeviceEndToEnd::SetUp();
        Reset(30, false);
    }
    void Reset(int percent, bool mute) {
        device->Access([&](EndpointState& s) {
            ResetEndpointState(s);
            s.Devices[0].Level = percent / 100.0f;
            s.Devices[0].Mute = mute;
        });
    }
    // Runs a one-shot copy to its end; false when it did not end in about a second.
    ::testing::AssertionResult RunOnce(const std::wstring& argument) {
        TProgram copy(argument);
        if (!copy.Started())
            return ::testing::AssertionFailure() << "not started";
        const DWORD start = GetTickCount();
        DWORD code = 99;
        if (!copy.WaitExit(6000, &code))
            return ::testing::AssertionFailure() << "still running";
        const DWORD took = GetTickCount() - start;
        if (took < 900 || code != 0)
            return ::testing::AssertionFailure() << "ended after " << took << " ms, code " << code;
        return ::testing::AssertionSuccess();
    }
};

TEST_F(LifeEndToEnd, OneShotCopiesApplyOnlyValidArgumentsAndEndAfterASecond) {
    struct {
        const wchar_t* argument;
        int percent;
        unsigned writes;
    } const cases[] = {
        {L"50", 50, 1}, {L"150", 30, 0}, {L"-5", 30, 0}, {L"abc", 30, 0}, {L"/M", 30, 0}};
    for (const auto& c : cases) {
        Reset(30, false);
        EXPECT_TRUE(RunOnce(c.argument)) << testing::PrintToString(std::wstring(c.argument));
        EXPECT_EQ(Percent(), c.percent) << testing::PrintToString(std::wstring(c.argument));
        EXPECT_EQ(Writes(), c.writes) << testing::PrintToString(std::wstring(c.argument));
        EXPECT_FALSE(Muted());
    }
}

TEST_F(LifeEndToEnd, MuteSwitchesSetClearAndFlip) {
    Reset(30, true);
    ASSERT_TRUE(RunOnce(L"/t"));
    EXPECT_FALSE(Muted());
    ASSERT_TRUE(RunOnce(L"/t"));
    EXPECT_TRUE(Muted());
    ASSERT_TRUE(RunOnce(L"/n"));
    EXPECT_FALSE(Muted());
    ASSERT_TRUE(RunOnce(L"/m"));
    EXPECT_TRUE(Muted());
    EXPECT_EQ(Percent(), 30);
}

TEST_F(LifeEndToEnd, AResidentCopyFollowsAOneShotCopyAndWritesNothingBack) {
    TProgram resident(L"");
    ASSERT_TRUE(resident.Started());
    const HWND form = resident.FindWindowOfClass(L"TMainForm", 10000);
    ASSERT_TRUE(form);
    HWND label = nullptr;
    ASSERT_TRUE(
        Within(3000, [&] { return (label = VolumeLabel(form)) && WindowText(label) == L"30%"; }));
    EXPECT_FALSE(IsWindowVisible(form));
    ASSERT_TRUE(RunOnce(L"70"));
    const DWORD ended = GetTickCount();
    EXPECT_TRUE(Within(1500, [&] { return WindowText(label) == L"70%"; }));
    EXPECT_LE(GetTickCount() - ended, 1200u);
    Sleep(1200);
    EXPECT_EQ(Writes(), 1u);
    EXPECT_TRUE(resident.Running());
    EXPECT_TRUE(resident.Close());
}

TEST_F(LifeEndToEnd, ThePositionWrittenAtCloseIsReadAtTheNextStart) {
    std::filesystem::remove(SettingsFile());
    {
        TProgram first(L"/w");
        const HWND form = ShownMainForm(first);
        ASSERT_TRUE(form);
        PlaceWindow(form, 240, 170);
        // Longer than a one-shot copy's close timer, which runs from creation on.
        EXPECT_FALSE(first.WaitExit(1500)) << "\"/w\" does not close by itself";
        ASSERT_TRUE(first.Close());
    }
    ASSERT_TRUE(std::filesystem::exists(SettingsFile()));
    TProgram second(L"/w");
    const HWND form = ShownMainForm(second);
    ASSERT_TRUE(form);
    EXPECT_EQ(TopLeft(form), (std::pair<long, long>{240, 170}));
    EXPECT_TRUE(second.Close());
}

// The position the settings file holds, as the system's own profile reader sees it.
std::pair<long, long> SavedTopLeft() {
    const std::wstring file = SettingsFile().wstring();
    return {long(GetPrivateProfileIntW(L"Window", L"Left", -1, file.c_str())),
            long(GetPrivateProfileIntW(L"Window", L"Top", -1, file.c_str()))};
}

void SaveTopLeft(int left, int top) {
    std::filesystem::remove(SettingsFile());
    const std::wstring file = SettingsFile().wstring();
    WritePrivateProfileStringW(L"Window", L"Top", std::to_wstring(top).c_str(), file.c_str());
    WritePrivateProfileStringW(L"Window", L"Left", std::to_wstring(left).c_str(), file.c_str());
}

TEST_F(LifeEndToEnd, AOneShotCopyCaughtByACancelledLogOffStillEndsAfterItsSecond) {
    TProgram copy(L"70");
    const HWND form = copy.FindWindowOfClass(L"TMainForm", 5000);
    ASSERT_TRUE(form);
    // Asked once creation has applied the argument and started the close timer.
    ASSERT_TRUE(Within(1000, [&] { return WindowText(VolumeLabel(form)) == L"70%"; }));
    EndSession(copy, false);
    DWORD code = 99;
    EXPECT_TRUE(copy.WaitExit(6000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(Percent(), 70);
}

TEST_F(LifeEndToEnd, ALogOffCarriedOutSavesThePositionAndEndsTheCopy) {
    std::filesystem::remove(SettingsFile());
    TProgram copy(L"/w");
    const HWND form = ShownMainForm(copy);
    ASSERT_TRUE(form);
    PlaceWindow(form, 250, 180);
    EndSession(copy, true);
    DWORD code = 99;
    EXPECT_TRUE(copy.WaitExit(5000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(SavedTopLeft(), (std::pair<long, long>{250, 180}));
}

TEST_F(LifeEndToEnd, APositionOffEveryMonitorComesBackCentredAndIsSavedSo) {
    SaveTopLeft(5000, 5000);
    std::pair<long, long> centred;
    {
        TProgram copy(L"/w");
        const HWND form = ShownMainForm(copy);
        ASSERT_TRUE(form);
        centred = TopLeft(form);
        const POINT middle = CentreOf(form);
        EXPECT_LE(std::abs(middle.x - GetSystemMetrics(SM_CXSCREEN) / 2), 1) << middle.x;
        EXPECT_LE(std::abs(middle.y - GetSystemMetrics(SM_CYSCREEN) / 2), 12) << middle.y;
        EXPECT_TRUE(copy.Close());
    }
    SaveTopLeft(5000, 5000);
    ASSERT_TRUE(RunOnce(L"abc"));
    EXPECT_EQ(SavedTopLeft(), centred);
}

// Whether the tray icon answers a right press with its menu.
bool TrayMenuOpens() {
    const HWND menu = RightPressTrayIcon();
    if (!menu)
        return false;
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    return Within(2000, [] { return OpenMenu() == nullptr; });
}

BOOL CALLBACK DeleteIconsOf(HWND window, LPARAM pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != DWORD(pid))
        return TRUE;
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = window;
    for (data.uID = 0; data.uID < 8; ++data.uID)
        Shell_NotifyIconW(NIM_DELETE, &data);
    return TRUE;
}

TEST_F(LifeEndToEnd, TheResidentIconComesBackWhenTheShellAnnouncesItself) {
    TProgram resident(L"");
    ASSERT_TRUE(resident.FindWindowOfClass(L"TMainForm", 10000));
    ASSERT_TRUE(Within(5000, [] { return TrayMenuOpens(); }));

    // The shell forgets the icon, as a restarted shell would, then says it is back.
    EnumWindows(DeleteIconsOf, LPARAM(resident.Id()));
    ASSERT_FALSE(TrayMenuOpens());
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0,
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    EXPECT_TRUE(Within(5000, [] { return TrayMenuOpens(); }));
    EXPECT_TRUE(resident.Close());
}

} // namespace
