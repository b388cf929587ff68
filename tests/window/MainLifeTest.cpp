// The main window's life: the command line at creation, the position kept in the settings
// file, closing, and showing and hiding with its own taskbar button.
#include "window/MainFormFixture.h"

#include "shell/TaskBarList.h"
#include "ui/IniFiles.h"
#include "window/Settings.h"

#include <fstream>

namespace {

struct TArgumentCase {
    std::vector<std::wstring> params;
    int percent; // the device afterwards, started at 40
    bool mute;   // the device afterwards, started with sound on
    bool closeTimer;
    bool trayIcon;
};

TEST_F(MainFormTest, TheFirstArgumentDecidesTrayIconCloseTimerAndDeviceChange) {
    const TArgumentCase cases[] = {
        {{}, 40, false, false, true},       {{L"/w"}, 40, false, false, false},
        {{L"50"}, 50, false, true, false},  {{L"+50"}, 50, false, true, false},
        {{L" 50"}, 50, false, true, false}, {{L"$32"}, 50, false, true, false},
        {{L"0"}, 0, false, true, false},    {{L"100", L"7"}, 100, false, true, false},
        {{L"50 "}, 40, false, true, false}, {{L"150"}, 40, false, true, false},
        {{L"-5"}, 40, false, true, false},  {{L"abc"}, 40, false, true, false},
        {{L"/M"}, 40, false, true, false},  {{L"/W"}, 40, false, true, false},
        {{L""}, 40, false, true, false},    {{L"/m"}, 40, true, true, false},
        {{L"/t"}, 40, true, true, false},   {{L"/n"}, 40, false, true, false},
    };
    for (const TArgumentCase& c : cases) {
        const std::wstring label = c.params.empty() ? L"(none)" : L"[" + c.params[0] + L"]";
        SetDevice(40, false);
        app->Params = c.params;
        auto* form = app->CreateForm<TMainForm>();
        EXPECT_EQ(DevicePercent(), c.percent) << testing::PrintToString(label);
        EXPECT_EQ(State().Devices[0].Mute != 0, c.mute) << testing::PrintToString(label);
        EXPECT_EQ(form->TimerClose->Enabled(), c.closeTimer) << testing::PrintToString(label);
        EXPECT_EQ(form->TrayIcon->IconVisible(), c.trayIcon) << testing::PrintToString(label);
        EXPECT_EQ(form->LabelVol->Text(), std::to_wstring(c.percent) + L"%");
        delete form;
        app->MainForm = nullptr;
    }
}

TEST_F(MainFormTest, ToggleUnmutesAMutedDevice) {
    SetDevice(40, true);
    Create({L"/t"});
    EXPECT_FALSE(State().Devices[0].Mute);
}

TEST_F(MainFormTest, ALevelThatCannotBeReadIsNeverWrittenBack) {
    struct {
        std::vector<std::wstring> params;
        unsigned levelWrites;
        float level; // what the device holds afterwards
        unsigned muteWrites;
    } const cases[] = {
        {{}, 0, 2.0f, 0},      {{L"/w"}, 0, 2.0f, 0},  {{L"/m"}, 0, 2.0f, 1}, {{L"/t"}, 0, 2.0f, 1},
        {{L"/n"}, 0, 2.0f, 0}, {{L"abc"}, 0, 2.0f, 0}, {{L"30"}, 1, 0.3f, 0}, {{L"0"}, 1, 0.0f, 0},
    };
    for (const auto& c : cases) {
        const std::wstring label = c.params.empty() ? L"(none)" : c.params[0];
        // A level out of range is what a device that does not answer its reads gives.
        fake->Access([](EndpointState& s) {
            s = {};
            hx::endpoint::ResetEndpointState(s);
            s.Devices[0].Level = 2.0f;
        });
        app->Params = c.params;
        auto* form = app->CreateForm<TMainForm>();
        const EndpointState after = State();
        EXPECT_EQ(after.LevelWrites, c.levelWrites) << testing::PrintToString(label);
        EXPECT_EQ(after.Devices[0].Level, c.level) << testing::PrintToString(label);
        EXPECT_EQ(after.MuteWrites, c.muteWrites) << testing::PrintToString(label);
        if (c.levelWrites == 0) {
            // The first step the user takes is a level asked for, and is written.
            std::uint16_t key = VK_UP;
            form->FormKeyDown(form, key, 0);
            EXPECT_EQ(State().LevelWrites, 1u) << testing::PrintToString(label);
            EXPECT_EQ(State().LastLevel, PercentToLevel(1)) << testing::PrintToString(label);
        }
        delete form;
        app->MainForm = nullptr;
    }
}

TEST_F(MainFormTest, AMutedDeviceAtStartTicksTheBoxAndShowsTheMutePicture) {
    SetDevice(40, true);
    TMainForm* form = Create();
    EXPECT_TRUE(form->CHKMute->Checked());
    EXPECT_EQ(form->TrayIcon->IconIndex(), form->ImageList->Count() - 1);
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(MainFormTest, ThePositionIsReadPerEdgeAtCreationAndWrittenAtEveryCloseAndSessionEnd) {
    {
        std::ofstream(std::filesystem::path(SettingsFileName()), std::ios::binary)
            << "[Other]\r\nKey=1\r\n\r\n[Window]\r\nTop=150\r\nLeft=wide\r\n";
    }
    SetDevice(40, false);
    TMainForm* form = Create({L"50"});
    EXPECT_EQ(form->Top(), 150);
    EXPECT_EQ(form->Left(), 498);

    form->SetLeft(321);
    form->SetTop(123);
    form->TrayIcon->SetIconVisible(true);
    EXPECT_TRUE(form->CloseQuery());
    EXPECT_FALSE(form->TimerClose->Enabled());
    EXPECT_FALSE(form->TrayIcon->IconVisible());
    {
        TMemIniFile ini(SettingsFileName());
        EXPECT_EQ(ini.ReadInteger(L"Window", L"Top", -1), 123);
        EXPECT_EQ(ini.ReadInteger(L"Window", L"Left", -1), 321);
        EXPECT_EQ(ini.ReadInteger(L"Other", L"Key", -1), 1);
    }
    // A log-off asked for closes nothing, since another program may still cancel it.
    form->SetTop(124);
    form->TrayIcon->SetIconVisible(true);
    form->TimerClose->SetEnabled(true);
    EXPECT_EQ(SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(form->Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(form->TrayIcon->IconVisible());
    EXPECT_TRUE(form->TimerClose->Enabled());
    EXPECT_FALSE(app->Terminated());
    EXPECT_EQ(TMemIniFile(SettingsFileName()).ReadInteger(L"Window", L"Top", -1), 123);
    // One that goes ahead closes the program as every close does.
    EXPECT_EQ(SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(form->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_FALSE(form->TrayIcon->IconVisible());
    EXPECT_TRUE(app->Terminated());
    EXPECT_EQ(TMemIniFile(SettingsFileName()).ReadInteger(L"Window", L"Top", -1), 124);
}

TEST_F(MainFormTest, TheCloseTimerClosesTheProgram) {
    SetDevice(40, false);
    TMainForm* form = Create({L"50"});
    form->TimerClose->OnTimer(form->TimerClose);
    EXPECT_TRUE(app->Terminated());
    EXPECT_TRUE(std::filesystem::exists(SettingsFileName()));
}

TEST_F(MainFormTest, MinimisingHidesToTheTrayAndTheMenusFirstItemBringsItBack) {
    SetDevice(40, false);
    TMainForm* form = Create({L"/w"});
    form->Show();
    app->ProcessMessages();
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(TaskbarButtonAdded);
    EXPECT_FALSE(IsWindowVisible(app->Handle()));

    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    app->ProcessMessages();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsIconic(form->Handle()));
    EXPECT_TRUE(form->TrayIcon->IconVisible());
    EXPECT_FALSE(TaskbarButtonAdded);

    form->PPVolDisp->OnClick(form->PPVolDisp);
    app->ProcessMessages();
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(TaskbarButtonAdded);
    EXPECT_FALSE(IsWindowVisible(app->Handle()));
}

TEST_F(MainFormTest, MovesOfTheHiddenWindowLeaveTheMonitorAndTheButtonAlone) {
    SetDevice(40, false);
    TMainForm* form = Create();
    // Not an index this one-monitor desktop has: a look at the monitor would change it.
    form->MMonNo = 7;
    form->SetLeft(2000);
    form->SetLeft(10);
    EXPECT_EQ(form->MMonNo, 7);
    EXPECT_FALSE(TaskbarButtonAdded);
}

// Stands in for the shell's taskbar list while registered: every creation is refused.
class TRefusingFactory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid != IID_IUnknown && riid != IID_IClassFactory) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void** out) override {
        *out = nullptr;
        return E_ACCESSDENIED;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

std::vector<std::wstring> DialogsClosed;

BOOL CALLBACK CloseDialog(HWND w, LPARAM) {
    wchar_t name[16] = {};
    GetClassNameW(w, name, 16);
    if (wcscmp(name, L"#32770") != 0 || !IsWindowVisible(w))
        return TRUE;
    wchar_t text[512] = {};
    GetDlgItemTextW(w, 0xFFFF, text, 512);
    DialogsClosed.push_back(text);
    PostMessageW(w, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void CALLBACK CloseDialogs(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CloseDialog, 0);
}

TEST_F(MainFormTest, WithoutTheTaskbarListCreationReportsItAndStillCompletes) {
    SetDevice(40, true);
    TRefusingFactory factory;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(CLSID_TaskbarList, &factory, CLSCTX_INPROC_SERVER,
                                    REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
    DialogsClosed.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, CloseDialogs);
    TMainForm* form = Create({L"70"});
    KillTimer(nullptr, timer);
    CoRevokeClassObject(cookie);

    ASSERT_EQ(DialogsClosed.size(), 1u);
    EXPECT_FALSE(DialogsClosed[0].empty());
    // The rest of creation ran: device state adopted, argument applied, close timer running.
    EXPECT_TRUE(form->CHKMute->Checked());
    EXPECT_EQ(DevicePercent(), 70);
    EXPECT_TRUE(form->TimerClose->Enabled());
    EXPECT_TRUE(form->TimerChkVol->Enabled());
    form->Show();
    app->ProcessMessages();
    EXPECT_FALSE(TaskbarButtonAdded);
}

} // namespace
