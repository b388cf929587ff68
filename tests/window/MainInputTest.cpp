// Every input binding of the main window against the fake device: what it does to the level,
// the mute and the volume hint.
#include "window/MainFormFixture.h"

#include "shell/Hook.h"
#include "shell/TrayWheel.h"

#include <vector>

namespace {

bool HintShown(TMainForm* form) {
    return form->MHintWindow->HandleAllocated() && IsWindowVisible(form->MHintWindow->Handle());
}

// The places where popup menus opened while a test waited for them; each is closed at once.
std::vector<POINT> MenusSeen;

BOOL CALLBACK NoteMenu(HWND w, LPARAM) {
    wchar_t name[16] = {};
    GetClassNameW(w, name, 16);
    RECT r{};
    if (wcscmp(name, L"#32768") == 0 && IsWindowVisible(w) && GetWindowRect(w, &r))
        MenusSeen.push_back({r.left, r.top});
    return TRUE;
}

void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    const size_t before = MenusSeen.size();
    EnumWindows(NoteMenu, 0);
    if (MenusSeen.size() > before)
        EndMenu();
}

// Runs the action while every popup menu it opens is noted and closed.
template <class F> std::vector<POINT> MenusOpenedBy(F action) {
    MenusSeen.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, CloseOpenMenu);
    action();
    KillTimer(nullptr, timer);
    return MenusSeen;
}

// Keys held through the system's input queue, so GetAsyncKeyState sees them.
class THeldKeys {
public:
    explicit THeldKeys(std::vector<WORD> keys) : FKeys(std::move(keys)) { Send(0); }
    ~THeldKeys() { Send(KEYEVENTF_KEYUP); }

private:
    void Send(DWORD flags) {
        for (WORD key : FKeys) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            SendInput(1, &input, sizeof(input));
        }
        Sleep(50);
    }
    std::vector<WORD> FKeys;
};

struct TKeyCase {
    int start;
    WORD key;
    int expected;
};

TEST_F(MainFormTest, KeysOnTheWindowChangeTheLevelOnceAndShowNoHint) {
    const TKeyCase cases[] = {
        {50, VK_UP, 51}, {100, VK_UP, 100},   {50, VK_DOWN, 49},   {50, VK_RIGHT, 60},
        {3, VK_LEFT, 0}, {95, VK_RIGHT, 100}, {50, VK_HOME, 100},  {50, VK_END, 0},
        {50, 'A', 50},   {50, VK_TAB, 50},    {50, VK_RETURN, 50},
    };
    for (const TKeyCase& c : cases) {
        SetDevice(c.start, false);
        TMainForm* form = Create();
        SendMessageW(form->Handle(), WM_KEYDOWN, c.key, 0);
        EXPECT_EQ(form->MVol, c.expected) << "key " << c.key << " from " << c.start;
        EXPECT_EQ(DevicePercent(), c.expected) << "key " << c.key;
        EXPECT_FALSE(HintShown(form));
        delete form;
        app->MainForm = nullptr;
    }
}

TEST_F(MainFormTest, AnArrowOnTheFocusedUpDownCountsOnceByTheWindow) {
    SetDevice(50, false);
    TMainForm* form = Create();
    SendMessageW(form->UpDown->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(DevicePercent(), 60);
    SendMessageW(form->UpDown->Handle(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(DevicePercent(), 50);
}

TEST_F(MainFormTest, DeleteFlipsTheMuteTwiceAndLeavesTheLevel) {
    SetDevice(40, false);
    TMainForm* form = Create();
    SendMessageW(form->Handle(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_TRUE(State().Devices[0].Mute);
    EXPECT_EQ(form->ActiveControl(), form->UpDown);
    SendMessageW(form->Handle(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_FALSE(State().Devices[0].Mute);
    EXPECT_EQ(DevicePercent(), 40);
    EXPECT_EQ(State().LevelWrites, 0u);
    // Mute and level stay apart: a step while muted keeps the mute picture.
    SendMessageW(form->Handle(), WM_KEYDOWN, VK_DELETE, 0);
    SendMessageW(form->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(DevicePercent(), 41);
    EXPECT_EQ(form->TrayIcon->IconIndex(), form->ImageList->Count() - 1);
}

TEST_F(MainFormTest, WheelOverTheWindowStepsOncePerNotchCollected) {
    SetDevice(50, false);
    TMainForm* form = Create();
    const auto wheel = [](HWND w, short delta) {
        SendMessageW(w, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
    };
    wheel(form->Handle(), 120);
    EXPECT_EQ(DevicePercent(), 51);
    wheel(form->Handle(), 60);
    EXPECT_EQ(DevicePercent(), 51);
    wheel(form->Handle(), 60);
    EXPECT_EQ(DevicePercent(), 52);
    wheel(form->Handle(), -240);
    EXPECT_EQ(DevicePercent(), 50);
    // Over the up-down control: the window takes it, the control does not step as well.
    wheel(form->UpDown->Handle(), 120);
    EXPECT_EQ(DevicePercent(), 51);
    EXPECT_FALSE(HintShown(form));
}

struct TWheelCase {
    int start;
    std::vector<WORD> held;
    UINT message;
    int expected;
};

TEST_F(MainFormTest, TrayWheelStepsByTheKeysHeldWhenHandledAndShowsTheHint) {
    const TWheelCase cases[] = {
        {50, {}, WM_TRAYWHEELUP, 51},           {50, {VK_SHIFT}, WM_TRAYWHEELUP, 60},
        {50, {VK_CONTROL}, WM_TRAYWHEELUP, 55}, {50, {VK_SHIFT, VK_CONTROL}, WM_TRAYWHEELUP, 55},
        {97, {VK_SHIFT}, WM_TRAYWHEELUP, 100},  {100, {}, WM_TRAYWHEELUP, 100},
        {50, {VK_SHIFT}, WM_TRAYWHEELDOWN, 40}, {3, {VK_CONTROL}, WM_TRAYWHEELDOWN, 0},
    };
    for (const TWheelCase& c : cases) {
        SetDevice(c.start, false);
        TMainForm* form = Create();
        PostMessageW(form->Handle(), c.message, 0, 0);
        {
            THeldKeys keys(c.held);
            app->ProcessMessages();
        }
        EXPECT_EQ(DevicePercent(), c.expected) << c.start << " with " << c.held.size() << " keys";
        EXPECT_TRUE(HintShown(form));
        EXPECT_EQ(form->LabelVol->Text(), std::to_wstring(c.expected) + L"%");
        delete form;
        app->MainForm = nullptr;
    }
}

TEST_F(MainFormTest, TrayLeftPressFlipsTheMuteAndShowsTheHintWithTheWindowHidden) {
    SetDevice(30, false);
    TMainForm* form = Create();
    form->TrayIconMouseDown(form->TrayIcon, mbMiddle, 0, 10, 10);
    EXPECT_EQ(Writes(), 0u);
    EXPECT_FALSE(HintShown(form));
    form->TrayIconMouseDown(form->TrayIcon, mbLeft, 0, 10, 10);
    EXPECT_TRUE(State().Devices[0].Mute);
    EXPECT_TRUE(HintShown(form));
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->ActiveControl(), form->UpDown);
    form->TimerHintTimer(form->TimerHint);
    EXPECT_FALSE(HintShown(form));
    EXPECT_FALSE(form->TimerHint->Enabled());
}

TEST_F(MainFormTest, PresetMenusMapTheirTagsAndOnlyTheTrayOneShowsTheHint) {
    SetDevice(50, false);
    TMainForm* form = Create();
    form->MPPVol[0]->OnClick(form->MPPVol[0]);
    EXPECT_EQ(DevicePercent(), 0);
    EXPECT_TRUE(HintShown(form));
    form->HideVolumeHint();
    form->MPPVol[7]->OnClick(form->MPPVol[7]);
    EXPECT_EQ(DevicePercent(), 70);
    form->HideVolumeHint();
    form->MPPUpDown[10]->OnClick(form->MPPUpDown[10]);
    EXPECT_EQ(DevicePercent(), 0);
    form->MPPUpDown[2]->OnClick(form->MPPUpDown[2]);
    EXPECT_EQ(DevicePercent(), 80);
    EXPECT_FALSE(HintShown(form));
}

TEST_F(MainFormTest, TrayMenuOpensAtThePressAndStepsReopenItThere) {
    SetDevice(50, false);
    TMainForm* form = Create();
    const auto opened =
        MenusOpenedBy([&] { form->TrayIconMouseDown(form->TrayIcon, mbRight, 0, 300, 200); });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].x, 300);
    EXPECT_EQ(opened[0].y, 200);
    EXPECT_EQ(form->MPopUpP.x, 300);
    EXPECT_EQ(form->MPopUpP.y, 200);
    for (int i = 1; i <= 3; ++i) {
        const auto again = MenusOpenedBy([&] { form->PPUp->OnClick(form->PPUp); });
        ASSERT_EQ(again.size(), 1u);
        EXPECT_EQ(again[0].x, 300);
        EXPECT_EQ(again[0].y, 200);
        EXPECT_EQ(DevicePercent(), 50 + i);
        EXPECT_TRUE(HintShown(form));
    }
    MenusOpenedBy([&] { form->PPDown->OnClick(form->PPDown); });
    EXPECT_EQ(DevicePercent(), 52);
}

struct TLaunch {
    HWND owner;
    std::wstring operation, file, parameters, directory;
    INT show;
};
std::vector<TLaunch> Launches;

HINSTANCE WINAPI RecordLaunch(HWND owner, LPCWSTR op, LPCWSTR file, LPCWSTR params, LPCWSTR dir,
                              INT show) {
    Launches.push_back({owner, op, file, params, dir, show});
    return HINSTANCE(42);
}

TEST_F(MainFormTest, DeviceNamePressesLaunchThePanelAndTheMixer) {
    SetDevice(50, false);
    TMainForm* form = Create();
    Launches.clear();
    ShellExecuteApi = RecordLaunch;
    const HWND label = form->LabelName->Handle();
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    SendMessageW(label, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(2, 2));
    SendMessageW(label, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    ShellExecuteApi = ShellExecuteW;
    ASSERT_EQ(Launches.size(), 2u);
    const std::wstring panel = L"shell32.dll,Control_RunDLL mmsys.cpl "
                               L"\u30B5\u30A6\u30F3\u30C8\u309B";
    EXPECT_EQ(Launches[0].parameters, panel);
    EXPECT_EQ(Launches[0].parameters.size(), 42u);
    EXPECT_EQ(Launches[0].file, L"rundll32.exe");
    EXPECT_EQ(Launches[1].file, L"SndVol.exe");
    EXPECT_EQ(Launches[1].parameters, L"");
    for (const TLaunch& l : Launches) {
        EXPECT_EQ(l.owner, form->Handle());
        EXPECT_EQ(l.operation, L"OPEN");
        EXPECT_EQ(l.directory, L"");
        EXPECT_EQ(l.show, SW_SHOW);
    }
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(MainFormTest, UpDownClickTakesTheControlsPosition) {
    SetDevice(50, false);
    TMainForm* form = Create();
    form->UpDown->SetPosition(77);
    form->UpDown->OnClick(form->UpDown);
    EXPECT_EQ(DevicePercent(), 77);
}

TEST_F(MainFormTest, EnteringTheTrayIconHooksTheWheelAndLeavingUnhooks) {
    SetDevice(50, true);
    TMainForm* form = Create();
    form->TrayIconMouseEnter(form->TrayIcon);
    EXPECT_TRUE(WheelHookHandle);
    EXPECT_EQ(WheelTargetWindow, form->Handle());
    EXPECT_TRUE(HintShown(form));
    form->TrayIconMouseExit(form->TrayIcon);
    EXPECT_FALSE(WheelHookHandle);
    EXPECT_FALSE(HintShown(form));
}

} // namespace
