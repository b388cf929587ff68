// What the icon hands to the shell: the record, and the calls its writers and methods make.
#include "TrayFixture.h"

#include <commctrl.h>

#include <cstddef>

namespace {

using Calls = std::vector<DWORD>;

TEST(TrayRecord, HasTheShellsVersionTwoLayout) {
    EXPECT_EQ(sizeof(TNotifyIconDataEx), NOTIFYICONDATAW_V2_SIZE);
    EXPECT_EQ(offsetof(TNotifyIconDataEx, szTip), offsetof(NOTIFYICONDATAW, szTip));
    EXPECT_EQ(offsetof(TNotifyIconDataEx, szInfo), offsetof(NOTIFYICONDATAW, szInfo));
    EXPECT_EQ(offsetof(TNotifyIconDataEx, TimeoutOrVersion), offsetof(NOTIFYICONDATAW, uTimeout));
    EXPECT_EQ(offsetof(TNotifyIconDataEx, szInfoTitle), offsetof(NOTIFYICONDATAW, szInfoTitle));
#ifndef _WIN64
    EXPECT_EQ(offsetof(TNotifyIconDataEx, szInfo), 288u);
    EXPECT_EQ(offsetof(TNotifyIconDataEx, dwInfoFlags), 932u);
#endif
}

TEST_F(TrayTest, ConstructionFillsTheRecordAndSharesOneWindow) {
    auto* first = new TProbeIcon(app.get());
    const auto& r = first->IconData;
    EXPECT_EQ(r.cbSize, sizeof(TNotifyIconDataEx));
    EXPECT_EQ(r.hWnd, TrayHandler()->Handle());
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.uCallbackMessage, 2048u);
    EXPECT_TRUE(FakeShell::calls.empty());
    EXPECT_TRUE(first->Enabled);
    EXPECT_TRUE(first->ShowHint());

    auto* second = new TProbeIcon(app.get());
    EXPECT_EQ(second->Handle(), first->Handle());
    EXPECT_NE(second->IconData.uID, r.uID);
    EXPECT_EQ(TrayHandler()->RefCount, 2u);
    const HWND window = first->Handle();
    delete first;
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(SendMessageW(window, WM_CLOSE, 0, 0), 1);
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_TRUE(IsWindow(window));
    delete second;
    EXPECT_EQ(TrayHandler(), nullptr);
    EXPECT_FALSE(IsWindow(window));
    TProbeIcon third(app.get());
    EXPECT_TRUE(IsWindow(third.Handle()));
}

TEST_F(TrayTest, VisibilityAddsAndDeletesWithoutComparing) {
    TProbeIcon icon(app.get());
    icon.SetIconVisible(true);
    icon.SetIconVisible(true);
    EXPECT_TRUE(icon.IconVisible());
    icon.SetIconVisible(false);
    EXPECT_EQ(FakeShell::Messages(), (Calls{NIM_ADD, NIM_ADD, NIM_DELETE}));
    EXPECT_FALSE(icon.Refresh()) << "the shell refuses a change of an icon it does not show";
}

TEST_F(TrayTest, IconIndexFollowsTheImageList) {
    TProbeIcon icon(app.get());
    icon.SetIconIndex(5);
    EXPECT_EQ(icon.IconIndex(), 0);
    EXPECT_EQ(FakeShell::Messages(), (Calls{NIM_MODIFY}));
    icon.SetIconList(MakeList(102));
    icon.SetIconIndex(7);
    FakeShell::calls.clear();
    icon.SetIconIndex(150);
    EXPECT_EQ(icon.IconIndex(), 101);
    EXPECT_EQ(FakeShell::Messages(), (Calls{NIM_MODIFY, NIM_MODIFY}));
    EXPECT_NE(FakeShell::calls[0].record.hIcon, nullptr);
    icon.SetIconList(MakeList(3));
    EXPECT_EQ(icon.IconIndex(), 0);

    // A freed list leaves index 0 and the last picture.
    icon.SetIconIndex(2);
    delete icon.IconList();
    EXPECT_EQ(icon.IconList(), nullptr);
    EXPECT_EQ(icon.IconIndex(), 0);
    EXPECT_NE(icon.IconData.hIcon, nullptr);

    // Below 0 the list has no image: the picture becomes empty.
    icon.SetIconList(MakeList(3));
    icon.SetIconIndex(-2);
    EXPECT_EQ(icon.IconIndex(), -2);
    EXPECT_EQ(icon.IconData.hIcon, nullptr);
}

TEST_F(TrayTest, IconIsCopiedAndAnUnreadableOneLeavesAnEmptySlot) {
    TProbeIcon icon(app.get());
    const HICON stock = LoadIconW(nullptr, IDI_APPLICATION);
    icon.SetIcon(stock);
    ASSERT_EQ(FakeShell::calls.size(), 1u);
    EXPECT_NE(FakeShell::calls[0].record.hIcon, nullptr);
    EXPECT_NE(icon.Icon(), stock);
    icon.SetIcon(reinterpret_cast<HICON>(0x5a5a0));
    ASSERT_EQ(FakeShell::calls.size(), 2u);
    EXPECT_EQ(FakeShell::calls[1].record.hIcon, nullptr);
}

TEST_F(TrayTest, TooltipIsCutAt126AndEmptyWithoutShowHint) {
    TProbeIcon icon(app.get());
    icon.SetHint(std::wstring(200, L'x'));
    EXPECT_EQ(std::wstring(icon.IconData.szTip), std::wstring(126, L'x'));
    // A character outside the basic plane is not split at the cut.
    icon.SetHint(std::wstring(125, L'x') + L"\U0001F50A" + L"yy");
    EXPECT_EQ(std::wstring(icon.IconData.szTip), std::wstring(125, L'x'));
    icon.SetShowHint(false);
    EXPECT_EQ(icon.IconData.szTip[0], L'\0');
    EXPECT_EQ(icon.Hint().size(), 129u);
    EXPECT_EQ(FakeShell::Messages(), (Calls{NIM_MODIFY, NIM_MODIFY, NIM_MODIFY}));
}

TEST_F(TrayTest, AFreedListOfAnyOwnerIsForgottenAndAGoneIconIsNotTold) {
    TProbeIcon icon(app.get());
    auto* foreign = new TImageList(nullptr);
    icon.SetIconList(foreign);
    delete foreign;
    EXPECT_EQ(icon.IconList(), nullptr);

    // A list that outlives its icon frees without reaching it.
    auto* list = new TImageList(nullptr);
    auto* gone = new TProbeIcon(app.get());
    gone->SetIconList(list);
    delete gone;
    delete list;

    // A list the icon let go of no longer reaches it either.
    auto* first = new TImageList(nullptr);
    icon.SetIconList(first);
    icon.SetIconList(MakeList(3));
    delete first;
    EXPECT_NE(icon.IconList(), nullptr);
}

TEST_F(TrayTest, ACycleHandlerMayFreeItsIcon) {
    auto* icon = new TProbeIcon(app.get());
    icon->SetIconList(MakeList(3));
    bool freed = false;
    std::size_t callsAtFree = 0;
    icon->OnCycle = [&](TObject* sender, int) {
        delete static_cast<TTrayIcon*>(sender);
        freed = true;
        callsAtFree = FakeShell::calls.size();
    };
    icon->SetCycleInterval(20);
    icon->SetCycleIcons(true);
    ASSERT_TRUE(PumpUntil([&] { return freed; }));
    PumpFor(60);
    EXPECT_EQ(FakeShell::calls.size(), callsAtFree) << "nothing reaches the shell for a freed icon";
}

TEST_F(TrayTest, CyclingStepsThroughTheList) {
    TProbeIcon icon(app.get());
    icon.SetIconList(MakeList(3));
    std::vector<int> reported;
    std::vector<int> shown;
    icon.OnCycle = [&](TObject*, int next) {
        reported.push_back(next);
        shown.push_back(icon.IconIndex());
    };
    icon.SetIconIndex(2);
    icon.SetCycleIcons(true);
    EXPECT_EQ(icon.IconIndex(), 0);
    PumpFor(250);
    EXPECT_TRUE(reported.empty()) << "an interval of 0 does not cycle";
    icon.SetCycleInterval(100);
    // Counted in ticks, not in time: a busy machine may deliver them late.
    ASSERT_TRUE(PumpUntil([&] { return reported.size() >= 4; }));
    EXPECT_EQ(std::vector<int>(reported.begin(), reported.begin() + 4),
              (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 4), (std::vector<int>{0, 1, 2, 0}));
    icon.SetCycleIcons(false);
    const std::size_t steps = reported.size();
    PumpFor(250);
    EXPECT_EQ(reported.size(), steps);
}

TEST_F(TrayTest, BehaviorAndFocusTalkToTheShell) {
    TProbeIcon icon(app.get());
    icon.SetBehavior(bhWin2000);
    icon.SetBehavior(bhWin95);
    icon.SetFocus();
    ASSERT_EQ(FakeShell::Messages(), (Calls{NIM_SETVERSION, NIM_SETVERSION, NIM_SETFOCUS}));
    EXPECT_EQ(FakeShell::calls[0].record.TimeoutOrVersion.uVersion, 3u);
    EXPECT_EQ(FakeShell::calls[1].record.TimeoutOrVersion.uVersion, 0u);
}

TEST_F(TrayTest, BalloonFillsItsFieldsForOneCall) {
    TProbeIcon icon(app.get());
    EXPECT_FALSE(icon.ShowBalloonHintUnicode(L"t", L"x", bitInfo, 10)) << "not in the area yet";
    icon.SetIconVisible(true);
    FakeShell::calls.clear();
    EXPECT_TRUE(icon.ShowBalloonHintUnicode(std::wstring(100, L'T'), std::wstring(300, L'x'),
                                            bitWarning, 10));
    ASSERT_EQ(FakeShell::Messages(), (Calls{NIM_MODIFY, NIM_MODIFY}));
    const auto& hide = FakeShell::calls[0].record;
    EXPECT_EQ(hide.uFlags, 23u);
    EXPECT_EQ(hide.szInfo[0], L'\0');
    const auto& shown = FakeShell::calls[1].record;
    EXPECT_EQ(shown.uFlags, 23u);
    EXPECT_EQ(std::wstring(shown.szInfo), std::wstring(255, L'x'));
    EXPECT_EQ(std::wstring(shown.szInfoTitle), std::wstring(63, L'T'));
    EXPECT_EQ(shown.TimeoutOrVersion.uTimeout, 10000u);
    EXPECT_EQ(shown.dwInfoFlags, 2u);
    EXPECT_EQ(icon.IconData.uFlags, 7u);

    // The narrow form reads UTF-8 and clears what a longer balloon left behind.
    icon.ShowBalloonHint("音量", "ミュート", bitNone, 60);
    const auto& narrow = FakeShell::calls.back().record;
    EXPECT_EQ(std::wstring(narrow.szInfo), L"ミュート");
    EXPECT_EQ(narrow.szInfo[5], L'\0');
    EXPECT_EQ(std::wstring(narrow.szInfoTitle), L"音量");
    EXPECT_EQ(narrow.TimeoutOrVersion.uTimeout, 60000u);
}

TEST_F(TrayTest, HiddenBalloonKeepsTheInfoFlagUntilTheNextOne) {
    TProbeIcon icon(app.get());
    icon.SetIconVisible(true);
    icon.HideBalloonHint();
    FakeShell::calls.clear();
    icon.SetIconIndex(1);
    ASSERT_EQ(FakeShell::calls.size(), 1u);
    EXPECT_EQ(FakeShell::calls[0].record.uFlags, 23u);
    EXPECT_EQ(FakeShell::calls[0].record.szInfo[0], L'\0');
}

TEST_F(TrayTest, LoadedAppliesTheStoredValuesInOrder) {
    TProbeIcon icon(app.get());
    TImageList* list = MakeList(102);
    icon.SetIconList(list);
    icon.SetIcon(LoadIconW(nullptr, IDI_APPLICATION));
    icon.SetIconIndex(0);
    icon.SetWantEnterExitEvents(true);
    FakeShell::calls.clear();
    icon.Loaded();
    EXPECT_EQ(FakeShell::Messages(), (Calls{NIM_MODIFY, NIM_DELETE, NIM_SETVERSION}));
    EXPECT_NE(icon.IconData.hIcon, nullptr);
}

TEST_F(TrayTest, ShellRestartBringsBackOnlyVisibleIcons) {
    ASSERT_NE(WM_TASKBARCREATED, 0u);
    TProbeIcon shown(app.get());
    TProbeIcon hidden(app.get());
    shown.SetHint(L"42");
    shown.SetIconVisible(true);
    FakeShell::calls.clear();
    FakeShell::added.clear();
    SendMessageW(app->Handle(), WM_TASKBARCREATED, 0, 0);
    ASSERT_EQ(FakeShell::Messages(), (Calls{NIM_ADD, NIM_SETVERSION}));
    EXPECT_EQ(FakeShell::calls[0].record.uID, shown.IconData.uID);
    EXPECT_EQ(std::wstring(FakeShell::calls[0].record.szTip), L"42");
}

// The shell's tooltip is found among tooltips of this process, which stand on top and carry
// both styles; a balloon, where the shell has one open, only with its own style.
TEST_F(TrayTest, ShellLookupsFindOnlyTheTaskbarsTooltips) {
    const HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    ASSERT_TRUE(tray) << "the test desktop has a taskbar";
    DWORD shell = 0;
    GetWindowThreadProcessId(tray, &shell);
    // The shell makes its tooltip with the first icon it shows.
    NOTIFYICONDATAW real{};
    real.cbSize = NOTIFYICONDATAW_V2_SIZE;
    real.hWnd = app->Handle();
    real.uID = 0x4842;
    real.uFlags = NIF_ICON;
    real.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &real));
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    std::vector<HWND> ours;
    for (const DWORD style : {DWORD(0), DWORD(TTS_NOPREFIX)})
        ours.push_back(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, 0,
                                       0, 0, 0, nullptr, nullptr, nullptr, nullptr));

    ASSERT_TRUE(ours[0] && ours[1]);
    TProbeIcon icon(app.get());
    const HWND tooltip = icon.GetTooltipHandle();
    const HWND balloon = icon.GetBalloonHintHandle();
    const auto processOf = [](HWND w) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        return process;
    };
    const auto noPrefix = [](HWND w) { return (GetWindowLongW(w, GWL_STYLE) & TTS_NOPREFIX) != 0; };
    ASSERT_TRUE(tooltip);
    EXPECT_EQ(processOf(tooltip), shell);
    EXPECT_FALSE(noPrefix(tooltip));
    if (balloon) {
        EXPECT_EQ(processOf(balloon), shell);
        EXPECT_TRUE(noPrefix(balloon));
    }
    for (const HWND w : ours)
        DestroyWindow(w);
    Shell_NotifyIconW(NIM_DELETE, &real);
}

TEST_F(TrayTest, BitmapBecomesASixteenPixelIcon) {
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HICON icon = nullptr;
    ASSERT_TRUE(TTrayIcon::BitmapToIcon(bitmap, icon, RGB(255, 0, 255)));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm{};
    GetObjectW(info.hbmMask, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 16);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    DeleteObject(bitmap);
    EXPECT_FALSE(TTrayIcon::BitmapToIcon(nullptr, icon, 0));
    EXPECT_EQ(icon, nullptr);
}

} // namespace
