// Synthesized keys and wheel turns reaching real copies of the program: the window's keys and
// wheel, and the wheel over the tray icon.
#include "window/EndToEnd.h"

#include "tools/endpoint/SharedEndpoint.h"

#include <gtest/gtest.h>

#include <memory>

using namespace hx::e2e;
using namespace hx::endpoint;

namespace {

class InputEndToEnd : public testing::Test {
protected:
    void SetUp() override {
        device = OpenFreshSharedEndpoint();
        ASSERT_TRUE(device);
    }
    void TearDown() override {
        if (program) {
            EXPECT_TRUE(program->Close());
        }
        if (device)
            device->Access([](EndpointState& s) { ResetEndpointState(s); });
    }
    HWND Start(const std::wstring& argument) {
        program = std::make_unique<TProgram>(argument);
        const HWND form = program->FindWindowOfClass(L"TMainForm", 10000);
        if (form)
            Within(3000,
                   [&] { return (label = VolumeLabel(form)) && WindowText(label) == L"50%"; });
        return form;
    }
    int Percent() {
        return device->Access(
            [](EndpointState& s) { return int(s.Devices[0].Level * 100.0f + 0.5f); });
    }
    bool Muted() {
        return device->Access([](EndpointState& s) { return s.Devices[0].Mute != 0; });
    }
    // The device and the volume label both at that percent within a second.
    bool Shows(int percent) {
        const std::wstring text = std::to_wstring(percent) + L"%";
        return Within(1000, [&] { return Percent() == percent && WindowText(label) == text; });
    }

    std::shared_ptr<TEndpointStore> device;
    std::unique_ptr<TProgram> program;
    HWND label = nullptr;
};

TEST_F(InputEndToEnd, KeysAndTheWheelOnTheActiveWindow) {
    const HWND form = Start(L"/w");
    ASSERT_TRUE(form);
    ASSERT_TRUE(Within(3000, [&] { return IsWindowVisible(form) != FALSE; }));
    RECT r{};
    GetWindowRect(form, &r);
    // A press on the caption makes the window active with the focus on itself.
    ClickAt({r.left + 60, r.top + 8}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(Within(2000, [&] { return GetForegroundWindow() == form; }));

    const struct {
        WORD key;
        int percent;
    } steps[] = {{VK_UP, 51},   {VK_RIGHT, 61}, {VK_LEFT, 51},
                 {VK_DOWN, 50}, {VK_HOME, 100}, {VK_END, 0}};
    for (const auto& step : steps) {
        Key(step.key);
        EXPECT_TRUE(Shows(step.percent)) << "key " << step.key;
    }
    MoveTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    Wheel(WHEEL_DELTA);
    EXPECT_TRUE(Shows(1));
    Wheel(2 * WHEEL_DELTA);
    EXPECT_TRUE(Shows(3));
    Key(VK_DELETE);
    EXPECT_TRUE(Within(1000, [&] { return Muted(); }));
    EXPECT_EQ(Percent(), 3);
}

TEST_F(InputEndToEnd, TheWheelOverTheTrayIconStepsTheVolume) {
    const HWND form = Start(L"");
    ASSERT_TRUE(form);
    const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    ASSERT_TRUE(taskbar);
    RECT bar{};
    GetWindowRect(taskbar, &bar);
    MoveTo({bar.right - 10, (bar.top + bar.bottom) / 2});
    // The hint shows once the icon has seen the cursor, and the hook is in place with it.
    ASSERT_TRUE(
        Within(2000, [] { return FindWindowW(L"THushletHintWindow", nullptr) != nullptr; }));
    Wheel(WHEEL_DELTA);
    EXPECT_TRUE(Shows(51));
    Wheel(-WHEEL_DELTA);
    EXPECT_TRUE(Shows(50));
    EXPECT_FALSE(IsWindowVisible(form));
}

} // namespace
