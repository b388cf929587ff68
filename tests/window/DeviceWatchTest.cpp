// The once-a-second watch: outside changes of volume, mute and output device.
#include "window/MainFormFixture.h"

namespace {

using hx::endpoint::SetDeviceName;

class DeviceWatchTest : public MainFormTest {
protected:
    void Tick() { form->TimerChkVolTimer(form->TimerChkVol); }
    void SwitchDefault(int index) {
        fake->Access([&](EndpointState& s) { s.DefaultIndex = index; });
    }
    void AddSecondDevice(const char16_t* name, int percent) {
        fake->Access([&](EndpointState& s) {
            s.DeviceCount = 2;
            SetDeviceName(s.Devices[1], name);
        });
        SetDevice(percent, false, 1);
    }
    TMainForm* form = nullptr;
};

TEST_F(DeviceWatchTest, AdoptsAnOutsideVolumeWithoutWritingBack) {
    SetDevice(50, false);
    form = Create();
    SetDevice(30, false);
    Tick();
    EXPECT_EQ(form->MVol, 30);
    EXPECT_EQ(form->LabelVol->Text(), L"30%");
    EXPECT_EQ(form->UpDown->Position(), 30);
    EXPECT_EQ(form->PPVolDisp->Caption, L"30% [ウィンドウ表示]");
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(DeviceWatchTest, AdoptsAnOutsideMuteAndMovesTheFocusTargetToTheUpDown) {
    SetDevice(50, false);
    form = Create();
    EXPECT_EQ(form->ActiveControl(), nullptr);
    SetDevice(50, true);
    Tick();
    EXPECT_TRUE(form->CHKMute->Checked());
    EXPECT_EQ(form->LabelVol->Text(), L"50%");
    EXPECT_EQ(form->ActiveControl(), form->UpDown);
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(DeviceWatchTest, ATickWithNothingChangedLeavesEverythingAlone) {
    SetDevice(40, true);
    form = Create();
    form->LabelVol->SetCaption(L"x"); // would be redrawn if the tick applied
    Tick();
    EXPECT_EQ(form->LabelVol->Text(), L"x");
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(DeviceWatchTest, ANewDeviceNameReopensFirstAndAdoptsOnTheNextTick) {
    SetDevice(50, false);
    AddSecondDevice(u"USB Headset", 80);
    form = Create();
    SwitchDefault(1);
    Tick();
    EXPECT_EQ(form->MAudioName, L"USB Headset");
    EXPECT_EQ(form->LabelName->Text(), L"USB Headset");
    EXPECT_EQ(form->MVol, 50); // the volume waits for the next tick
    Tick();
    EXPECT_EQ(form->MVol, 80);
    EXPECT_EQ(form->LabelVol->Text(), L"80%");
    EXPECT_EQ(DevicePercent(0), 50);
    EXPECT_EQ(Writes(), 0u);
    // The endpoint now is the new device: a change made here lands there.
    form->MVol = 20;
    form->ApplyVolume();
    EXPECT_EQ(DevicePercent(1), 20);
    EXPECT_EQ(DevicePercent(0), 50);
}

TEST_F(DeviceWatchTest, ASwitchBetweenDevicesOfOneNameGoesUnnoticed) {
    SetDevice(50, false);
    AddSecondDevice(u"Hushlet Test Speakers", 80);
    form = Create();
    SwitchDefault(1);
    Tick();
    Tick();
    // Still the first device's endpoint: its level is what the window adopts.
    EXPECT_EQ(form->MVol, 50);
    SetDevice(60, false, 0);
    Tick();
    EXPECT_EQ(form->MVol, 60);
}

TEST_F(DeviceWatchTest, OnceTheEndpointIsGoneTheWatchStaysIdle) {
    SetDevice(50, false);
    form = Create();
    fake->Access([](EndpointState& s) { s.RemovedCount = s.DeviceCount, s.DeviceCount = 0; });
    Tick(); // the name is now empty: re-open finds no device
    EXPECT_FALSE(HasAudioEndpoint());
    EXPECT_EQ(form->LabelName->Text(), L"");
    fake->Access([](EndpointState& s) { s.DeviceCount = s.RemovedCount; });
    SetDevice(70, true);
    Tick();
    Tick();
    EXPECT_FALSE(HasAudioEndpoint());
    EXPECT_EQ(form->LabelName->Text(), L"");
    EXPECT_EQ(form->MVol, 50);
}

TEST_F(DeviceWatchTest, AFailedReadUnderTheSameNameReopensAndWritesNothing) {
    SetDevice(50, false);
    form = Create();
    // A level out of range is what a device that stopped answering reads as.
    fake->Access([](EndpointState& s) { s.Devices[0].Level = 2.0f; });
    Tick();
    Tick();
    EXPECT_EQ(form->MVol, 50);
    EXPECT_EQ(form->LabelVol->Text(), L"50%");
    EXPECT_EQ(Writes(), 0u);
    SetDevice(30, false);
    Tick();
    EXPECT_EQ(form->MVol, 30);
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(DeviceWatchTest, WithoutADeviceAtStartTheWatchNeverLooks) {
    fake->Access([](EndpointState& s) { s.DeviceCount = 0; });
    form = Create();
    EXPECT_EQ(form->LabelVol->Text(), L"0%");
    fake->Access([](EndpointState& s) { s.DeviceCount = 1; });
    Tick();
    EXPECT_EQ(form->MAudioName, L"");
    EXPECT_FALSE(HasAudioEndpoint());
}

TEST_F(DeviceWatchTest, TheTimerRunsTheWatchOnceASecond) {
    SetDevice(50, false);
    form = Create();
    EXPECT_TRUE(form->TimerChkVol->Enabled());
    EXPECT_EQ(form->TimerChkVol->Interval(), 1000u);
    SetDevice(35, false);
    const DWORD until = GetTickCount() + 2500;
    while (form->MVol != 35 && GetTickCount() < until) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        app->ProcessMessages();
    }
    EXPECT_EQ(form->MVol, 35);
}

} // namespace
