#include "audio/EndpointVolume.h"
#include "audio/Percent.h"

#include "tools/endpoint/FakeEndpointFixture.h"

using namespace hx::endpoint;

namespace {

class EndpointVolumeTest : public FakeEndpointFixture {
protected:
    void TearDown() override {
        ReleaseAudioEndpoint();
        FakeEndpointFixture::TearDown();
    }
    void Set(float level, bool mute) {
        fake->Access([&](EndpointState& s) {
            s.Devices[DefaultDevice(s)].Level = level;
            s.Devices[DefaultDevice(s)].Mute = mute;
        });
    }
    EndpointState State() { return fake->Snapshot(); }
    const DeviceState& Device(const EndpointState& s) { return s.Devices[DefaultDevice(s)]; }
};

TEST_F(EndpointVolumeTest, ReadsWholePercentsWithTiesToEven) {
    InitAudioEndpoint();
    const std::pair<float, int> cases[] = {{0.125f, 12}, {0.375f, 38}, {0.625f, 62},
                                           {0.875f, 88}, {0.0f, 0},    {1.0f, 100}};
    for (const auto& [level, percent] : cases) {
        Set(level, false);
        EXPECT_EQ(GetEndpointVolume(), percent) << level;
    }
}

TEST_F(EndpointVolumeTest, WritesVolumeOnlyWhenTheDeviceDiffers) {
    InitAudioEndpoint();
    Set(PercentToLevel(37), false);
    EXPECT_EQ(SetEndpointVolume(37), 37);
    EXPECT_EQ(State().LevelWrites, 0u);

    EXPECT_EQ(SetEndpointVolume(38), 38);
    EXPECT_EQ(State().LevelWrites, 1u);
    EXPECT_EQ(State().LastLevel, static_cast<float>(0.38));
    EXPECT_EQ(GetEndpointVolume(), 38);
    EXPECT_EQ(SetEndpointVolume(38), 38);
    EXPECT_EQ(State().LevelWrites, 1u);
}

TEST_F(EndpointVolumeTest, WritesMuteOnlyWhenTheDeviceDiffers) {
    InitAudioEndpoint();
    Set(0.5f, true);
    EXPECT_TRUE(GetEndpointMute());
    EXPECT_TRUE(SetEndpointMute(true));
    EXPECT_EQ(State().MuteWrites, 0u);

    EXPECT_TRUE(SetEndpointMute(false));
    EXPECT_EQ(State().MuteWrites, 1u);
    EXPECT_EQ(State().LastMute, 0);
    EXPECT_FALSE(GetEndpointMute());
    EXPECT_FALSE(Device(State()).Mute);
}

TEST_F(EndpointVolumeTest, WithoutAnyDeviceReadsAnswerEmptyAndNothingIsWritten) {
    fake->Access([](EndpointState& s) { s.DeviceCount = 0; });
    InitAudioEndpoint();
    EXPECT_FALSE(HasAudioEndpoint());
    EXPECT_EQ(GetEndpointVolume(), -1);
    EXPECT_FALSE(GetEndpointMute());
    EXPECT_EQ(SetEndpointVolume(50), -1);
    EXPECT_FALSE(SetEndpointMute(true));
    EXPECT_EQ(State().LevelWrites + State().MuteWrites, 0u);
}

TEST_F(EndpointVolumeTest, RefusedActivationLeavesTheEndpointEmpty) {
    InitAudioEndpoint();
    ASSERT_TRUE(HasAudioEndpoint());
    fake->Access([](EndpointState& s) { s.FailActivate = 1; });
    InitAudioEndpoint();
    EXPECT_FALSE(HasAudioEndpoint());
    EXPECT_EQ(GetEndpointVolume(), -1);
}

TEST_F(EndpointVolumeTest, ReopenWithoutEnumeratorKeepsThePreviousEndpoint) {
    Set(0.25f, false);
    InitAudioEndpoint();
    fake->Access([](EndpointState& s) { s.FailEnumerator = 1; });
    InitAudioEndpoint();
    ASSERT_TRUE(HasAudioEndpoint());
    EXPECT_EQ(GetEndpointVolume(), 25);
}

TEST_F(EndpointVolumeTest, ReopenFollowsTheNewDefaultDevice) {
    fake->Access([](EndpointState& s) {
        s.DeviceCount = 2;
        SetDeviceName(s.Devices[1], u"Second");
        s.Devices[0].Level = 0.1f;
        s.Devices[1].Level = 0.9f;
    });
    InitAudioEndpoint();
    EXPECT_EQ(GetEndpointVolume(), 10);
    fake->Access([](EndpointState& s) { s.DefaultIndex = 1; });
    InitAudioEndpoint();
    EXPECT_EQ(GetEndpointVolume(), 90);
}

} // namespace
