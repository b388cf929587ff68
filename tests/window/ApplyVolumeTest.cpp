#include "window/MainFormFixture.h"

namespace {

TEST_F(MainFormTest, ApplyClampsTheTargetBeforeWriting) {
    SetDevice(50, false);
    TMainForm* form = Create();
    form->MVol = 101;
    form->ApplyVolume();
    EXPECT_EQ(form->MVol, 100);
    EXPECT_EQ(DevicePercent(), 100);

    form->MVol = -10;
    form->ApplyVolume();
    EXPECT_EQ(form->MVol, 0);
    EXPECT_EQ(DevicePercent(), 0);
    EXPECT_EQ(State().LevelWrites, 2u);
}

TEST_F(MainFormTest, ApplyWritesNothingWhenTheDeviceAgrees) {
    SetDevice(40, false);
    TMainForm* form = Create();
    ASSERT_EQ(form->MVol, 40);
    form->ApplyVolume();
    EXPECT_EQ(State().LevelWrites + State().MuteWrites, 0u);
}

TEST_F(MainFormTest, ApplyWritesOnlyTheMuteWhenOnlyTheMuteDiffers) {
    SetDevice(40, false);
    TMainForm* form = Create();
    SetDevice(40, true); // muted elsewhere; the box still says sound on
    form->ApplyVolume();
    EXPECT_EQ(State().MuteWrites, 1u);
    EXPECT_EQ(State().LevelWrites, 0u);
    EXPECT_FALSE(State().Devices[0].Mute);
}

TEST_F(MainFormTest, TickingTheBoxMutesWithoutTouchingTheLevel) {
    SetDevice(55, false);
    TMainForm* form = Create();
    form->CHKMute->SetChecked(true);
    EXPECT_TRUE(State().Devices[0].Mute);
    EXPECT_EQ(State().MuteWrites, 1u);
    EXPECT_EQ(State().LevelWrites, 0u);
    EXPECT_EQ(form->MVol, 55);
}

TEST_F(MainFormTest, CreationAdoptsTheDeviceState) {
    SetDevice(30, true);
    TMainForm* form = Create();
    EXPECT_EQ(form->MVol, 30);
    EXPECT_TRUE(form->CHKMute->Checked());
    EXPECT_EQ(State().LevelWrites + State().MuteWrites, 0u);
}

TEST_F(MainFormTest, WithoutADeviceTheTargetStartsAtZero) {
    fake->Access([](EndpointState& s) { s.DeviceCount = 0; });
    TMainForm* form = Create();
    EXPECT_EQ(form->MVol, 0);
    form->MVol = 70;
    form->ApplyVolume();
    EXPECT_EQ(form->MVol, 70);
}

TEST_F(MainFormTest, CommandLineActionsReachTheDevice) {
    struct Case {
        std::vector<std::wstring> params;
        bool mutedBefore;
        int percent;
        bool muted;
        bool closeTimer;
        bool showForm;
    };
    const Case cases[] = {
        {{}, false, 20, false, false, false},      {{L"/w"}, true, 20, true, false, true},
        {{L"/m"}, false, 20, true, true, false},   {{L"/n"}, true, 20, false, true, false},
        {{L"/t"}, true, 20, false, true, false},   {{L"/t"}, false, 20, true, true, false},
        {{L"50"}, false, 50, false, true, false},  {{L"+50"}, false, 50, false, true, false},
        {{L" 50"}, false, 50, false, true, false}, {{L"50 "}, false, 20, false, true, false},
        {{L"150"}, false, 20, false, true, false}, {{L"-5"}, false, 20, false, true, false},
        {{L"abc"}, false, 20, false, true, false}, {{L"/M"}, false, 20, false, true, false},
        {{L"/W"}, false, 20, false, true, false},  {{L"0"}, false, 0, false, true, false},
    };
    for (const Case& c : cases) {
        const std::wstring arg = c.params.empty() ? L"(none)" : c.params[0];
        SetDevice(20, c.mutedBefore);
        app->ShowMainForm = true; // as a fresh application starts
        TMainForm* form = Create(c.params);
        EXPECT_EQ(DevicePercent(), c.percent) << testing::PrintToString(arg);
        EXPECT_EQ(State().Devices[0].Mute != 0, c.muted) << testing::PrintToString(arg);
        EXPECT_EQ(form->TimerClose->Enabled(), c.closeTimer) << testing::PrintToString(arg);
        EXPECT_EQ(app->ShowMainForm, c.showForm) << testing::PrintToString(arg);
        EXPECT_TRUE(form->TimerChkVol->Enabled());
        delete form;
        app->MainForm = nullptr;
        ReleaseAudioEndpoint();
    }
}

} // namespace
