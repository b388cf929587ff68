// A real "/w" copy against the shared test endpoint: the window follows what other programs
// do to the device, and writes nothing back.
#include "harness/Processes.h"
#include "window/EndToEnd.h"
#include "tools/endpoint/SharedEndpoint.h"

#include <gtest/gtest.h>

#include <memory>

using namespace hx::e2e;
using namespace hx::endpoint;

namespace {

class WindowEndToEnd : public testing::Test {
protected:
    void SetUp() override {
        device = OpenFreshSharedEndpoint();
        ASSERT_TRUE(device);
        device->Access([&](EndpointState& s) { Prepare(s); });
        program = std::make_unique<TProgram>(L"/w");
        ASSERT_TRUE(program->Started());
        form = program->FindWindowOfClass(L"TMainForm", 10000);
        ASSERT_TRUE(form);
        // The volume is the label on the panel; the device name the one that is not the help,
        // told apart once creation has filled them.
        ASSERT_TRUE(Within(3000, [&] {
            for (HWND label : Children(form, L"TLabel"))
                if (GetParent(label) != form)
                    labelVol = label;
            return WindowText(labelVol) == L"50%";
        })) << testing::PrintToString(WindowText(labelVol));
        for (HWND label : Children(form, L"TLabel"))
            if (GetParent(label) == form && !WindowText(label).starts_with(L"\r\n"))
                labelName = label;
        ASSERT_TRUE(labelName);
        device->Access([](EndpointState& s) { s.LevelWrites = s.MuteWrites = 0; });
    }
    void TearDown() override {
        if (program) {
            EXPECT_TRUE(program->Close());
        }
        if (device)
            device->Access([](EndpointState& s) { ResetEndpointState(s); });
    }
    // The device list the copy finds when it starts.
    virtual void Prepare(EndpointState&) {}
    unsigned Writes() {
        return device->Access([](EndpointState& s) { return s.LevelWrites + s.MuteWrites; });
    }
    bool MuteTicked() {
        const auto boxes = Children(form, L"Button");
        return boxes.size() == 1 && SendMessageW(boxes[0], BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    std::shared_ptr<TEndpointStore> device;
    std::unique_ptr<TProgram> program;
    HWND form = nullptr;
    HWND labelName = nullptr;
    HWND labelVol = nullptr;
};

TEST_F(WindowEndToEnd, TheWindowShowsAndFollowsAnOutsideVolume) {
    EXPECT_TRUE(Within(3000, [&] { return IsWindowVisible(form) != FALSE; }));
    EXPECT_EQ(WindowText(form), L"Hushlet2");
    EXPECT_EQ(WindowText(labelName), L"Hushlet Test Speakers");
    device->Access([](EndpointState& s) { s.Devices[0].Level = 0.3f; });
    EXPECT_TRUE(Within(2500, [&] { return WindowText(labelVol) == L"30%"; }));
    EXPECT_FALSE(MuteTicked());
    Sleep(1200); // another tick: still nothing to write
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(WindowEndToEnd, MutingElsewhereTicksTheBox) {
    device->Access([](EndpointState& s) { s.Devices[0].Mute = 1; });
    EXPECT_TRUE(Within(2500, [&] { return MuteTicked(); }));
    EXPECT_EQ(WindowText(labelVol), L"50%");
    Sleep(1200);
    EXPECT_EQ(Writes(), 0u);
}

// Wine's wave-out list follows switches of the default device among the devices present
// when the copy started, so both are there from the start.
class WindowDeviceSwitch : public WindowEndToEnd {
protected:
    void Prepare(EndpointState& s) override {
        s.DeviceCount = 3;
        SetDeviceName(s.Devices[1], u"Hushlet Test Headphones");
        s.Devices[1].Level = 0.2f;
        SetDeviceName(s.Devices[2], kDefaultDeviceName);
        s.Devices[2].Level = 0.8f;
    }
    void MakeDefault(unsigned index) {
        device->Access([&](EndpointState& s) { s.DefaultIndex = index; });
    }
};

TEST_F(WindowDeviceSwitch, AnotherNameIsSeenOnOneTickAndItsVolumeOnTheNext) {
    MakeDefault(1);
    ASSERT_TRUE(Within(2500, [&] { return WindowText(labelName) == L"Hushlet Test Headphones"; }));
    // The tick that saw the new name only re-opened the device.
    EXPECT_EQ(WindowText(labelVol), L"50%");
    EXPECT_TRUE(Within(1500, [&] { return WindowText(labelVol) == L"20%"; }));
    Sleep(1200);
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(WindowDeviceSwitch, ADeviceOfTheSameNameGoesUnnoticed) {
    MakeDefault(2);
    Sleep(2500);
    EXPECT_EQ(WindowText(labelVol), L"50%");
    // Still bound to the first device: its changes show, the new default's do not.
    device->Access([](EndpointState& s) { s.Devices[0].Level = 0.4f; });
    EXPECT_TRUE(Within(2500, [&] { return WindowText(labelVol) == L"40%"; }));
    EXPECT_EQ(Writes(), 0u);
}

} // namespace
