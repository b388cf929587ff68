// Synthesized keys, clicks and wheel turns reaching real copies of the program the way a
// person's reach it: the window opened from the tray, restored after a minimise and shown at a
// "/w" start takes the first key; a cancelled log-off leaves the resident copy whole; the mute
// box, the big figure, and the wheel over the tray icon and away from it.
#include "harness/Pump.h"
#include "window/DeviceEndToEnd.h"
#include "window/EndToEnd.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

using namespace hx::e2e;
using namespace hx::endpoint;

namespace {

class InputEndToEnd : public TDeviceEndToEnd {
protected:
    void TearDown() override {
        if (program) {
            EXPECT_TRUE(program->Close());
        }
        TDeviceEndToEnd::TearDown();
    }
    HWND Start(const std::wstring& argument) {
        program = std::make_unique<TProgram>(argument);
        const HWND form = program->FindWindowOfClass(L"TMainForm", 10000);
        if (form)
            Within(3000,
                   [&] { return (label = VolumeLabel(form)) && WindowText(label) == L"50%"; });
        return form;
    }
    // A "/w" copy whose window is up and active, as a person finds it before clicking into it.
    HWND StartWindow() {
        const HWND form = Start(L"/w");
        return form && Within(3000, [&] { return TakesKeys(form); }) ? form : nullptr;
    }
    // The window takes the keyboard, and the very first key reaches the device.
    void ExpectFirstKeyTaken(HWND form, WORD key, int percent) {
        EXPECT_TRUE(Within(3000, [&] { return TakesKeys(form); }));
        Key(key);
        EXPECT_TRUE(Shows(percent)) << "key " << key;
    }
    // Starts copies until one's tray menu answers: each is readied by prepare, then the tray
    // menu's first item shows its window. Under Wine a fresh desktop now and then loses the
    // press or leaves the menu deaf, so a new copy tries again; a copy whose icon is really
    // gone has no menu on any try. Null when no copy's menu brought the window.
    HWND ShowFromTray(const std::wstring& argument, const std::function<bool(HWND)>& prepare) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            const HWND form = Start(argument);
            if (!form || !prepare(form))
                return nullptr;
            if (ShowFromTrayMenu(form))
                return form;
            program->Kill();
        }
        return nullptr;
    }
    // The device and the volume label both at that percent within a second.
    bool Shows(int percent) {
        const std::wstring text = std::to_wstring(percent) + L"%";
        return Within(3000, [&] { return Percent() == percent && WindowText(label) == text; });
    }

    std::unique_ptr<TProgram> program;
    HWND label = nullptr;
};

TEST_F(InputEndToEnd, KeysAndTheWheelOnTheActiveWindow) {
    const HWND form = StartWindow();
    ASSERT_TRUE(form);
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

// A window of the test's own at the left of the screen, counting the wheel messages it gets.
class TWheelTarget {
public:
    TWheelTarget() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"HxWheelTarget";
        RegisterClassW(&wc);
        Handle =
            CreateWindowExW(0, wc.lpszClassName, L"wheel target", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            20, 20, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
        Turns = 0;
    }
    ~TWheelTarget() { DestroyWindow(Handle); }
    HWND Handle;
    static inline int Turns = 0;

private:
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_MOUSEWHEEL)
            ++Turns;
        return DefWindowProcW(w, msg, wParam, lParam);
    }
};

TEST_F(InputEndToEnd, TheWheelOverTheTrayIconStepsTheVolumeAndLeavingTheIconLetsItGo) {
    const HWND form = Start(L"");
    ASSERT_TRUE(form);
    MoveTo(TrayIconPoint());
    // The hint shows once the icon has seen the cursor, and the hook is in place with it.
    ASSERT_TRUE(Within(2000, HintShown));
    Wheel(WHEEL_DELTA);
    EXPECT_TRUE(Shows(51));
    Wheel(-WHEEL_DELTA);
    EXPECT_TRUE(Shows(50));
    EXPECT_FALSE(IsWindowVisible(form));

    TWheelTarget target;
    SetForegroundWindow(target.Handle);
    MoveOffHookedIcon(CentreOf(target.Handle));
    EXPECT_TRUE(PumpUntil([] { return !HintShown(); }));
    Wheel(WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([] { return TWheelTarget::Turns == 1; }));
    EXPECT_EQ(Percent(), 50);
    EXPECT_EQ(LevelWrites(), 2u);
}

TEST_F(InputEndToEnd, TheWindowFromTheTrayMenuTakesTheFirstKey) {
    const HWND form = ShowFromTray(L"", [](HWND) { return true; });
    ASSERT_TRUE(form);
    ExpectFirstKeyTaken(form, VK_UP, 51);
}

TEST_F(InputEndToEnd, AWindowStartTakesTheFirstKey) {
    const HWND form = StartWindow();
    ASSERT_TRUE(form);
    ExpectFirstKeyTaken(form, VK_UP, 51);
}

// The minimise button of the caption, as the window answers hit tests along its caption.
POINT MinimiseButton(HWND form) {
    RECT r{};
    GetWindowRect(form, &r);
    const int y = r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int first = 0;
    int last = 0;
    for (int x = r.left; x < r.right; ++x)
        if (SendMessageW(form, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTMINBUTTON) {
            first = first ? first : x;
            last = x;
        }
    return {(first + last) / 2, y};
}

TEST_F(InputEndToEnd, AWindowRestoredFromTheTrayTakesTheFirstKey) {
    const HWND form = ShowFromTray(L"/w", [](HWND shown) {
        if (!Within(3000, [&] { return IsWindowVisible(shown) != FALSE; }))
            return false;
        const POINT button = MinimiseButton(shown);
        EXPECT_NE(button.x, 0);
        LeftClickAt(button);
        return Within(3000, [&] { return !IsWindowVisible(shown); });
    });
    ASSERT_TRUE(form);
    EXPECT_TRUE(program->Running());
    EXPECT_FALSE(IsIconic(form));
    ExpectFirstKeyTaken(form, VK_DOWN, 49);
}

TEST_F(InputEndToEnd, ACancelledLogOffLeavesTheResidentCopyWhole) {
    const HWND form = ShowFromTray(L"", [&](HWND) {
        EndSession(*program, false);
        // The marker is still held, and the copy that holds it still works.
        TProgram second(L"");
        DWORD code = 99;
        EXPECT_TRUE(second.WaitExit(5000, &code));
        EXPECT_EQ(code, 0u);
        return program->Running();
    });
    ASSERT_TRUE(form);
    ExpectFirstKeyTaken(form, VK_UP, 51);
}

TEST_F(InputEndToEnd, AClickOnTheMuteBoxTogglesOnceAndWritesOnce) {
    const HWND form = StartWindow();
    ASSERT_TRUE(form);
    const auto boxes = Children(form, L"Button");
    ASSERT_EQ(boxes.size(), 1u);
    LeftClickAt(CentreOf(boxes[0]));
    ASSERT_TRUE(Within(3000, [&] { return Muted(); }));
    // Another toggle or write would follow within the same click's handling.
    EXPECT_FALSE(Within(500, [&] { return !Muted() || MuteWrites() != 1; }));
    EXPECT_EQ(SendMessageW(boxes[0], BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(MuteWrites(), 1u);
    EXPECT_EQ(LevelWrites(), 0u);
}

TEST_F(InputEndToEnd, AClickOnTheBigFigureOpensThePresetMenuAtTheCursor) {
    const HWND form = StartWindow();
    ASSERT_TRUE(form);
    const POINT at = CentreOf(label);
    LeftClickAt(at);
    HWND menu = nullptr;
    ASSERT_TRUE(Within(4000, [&] { return (menu = OpenMenu()) != nullptr; }));
    RECT m{};
    GetWindowRect(menu, &m);
    EXPECT_LE(std::abs(m.left - at.x), 2) << m.left << " for " << at.x;
    EXPECT_LE(std::abs(m.top - at.y), 2) << m.top << " for " << at.y;
    // A menu that Wine left deaf to input goes with its copy.
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    if (!Within(2000, [] { return OpenMenu() == nullptr; }))
        program->Kill();
}

} // namespace
