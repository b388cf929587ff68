// What a person sees in the notification area: the real copy's icon, read off the screen where
// the shell draws it, is the picture made for the shell's icon size, pixel for pixel, and it
// follows the wheel and a press on the icon. CTest runs it at the prefix's 96 DPI, where the
// shell gets the 16-pixel list; tests/window/run-dpi runs it at 120, 144 and 192.
#include "harness/Pixels.h"
#include "window/DeviceEndToEnd.h"
#include "window/EndToEnd.h"
#include "window/TrayPicture.h"
#include "window/TrayPictureIcon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

using namespace hx::e2e;
using namespace hx::endpoint;

namespace {

// A picture as the screen should show it: a colour where it is drawn, nothing where the
// taskbar shows through.
struct TExpected {
    int Size = 0;
    std::vector<std::optional<COLORREF>> Pixels; // top row first
};

// The 16-pixel picture n from the strip in this binary's resources, the program's own.
TExpected FromStrip(int image) {
    TExpected want;
    want.Size = 16;
    const auto load = [](const wchar_t* name) {
        return static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    };
    const HBITMAP colour = load(L"TRAYICONS"), mask = load(L"TRAYICONSMASK");
    BITMAP strip{};
    GetObjectW(colour, sizeof(strip), &strip);
    const std::vector<COLORREF> colours = BitmapPixels(colour, strip.bmWidth, 16);
    const std::vector<COLORREF> masks = BitmapPixels(mask, strip.bmWidth, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = image * 16; x < image * 16 + 16; ++x) {
            const size_t at = size_t(y) * strip.bmWidth + x;
            want.Pixels.push_back(masks[at] ? std::nullopt : std::optional(colours[at]));
        }
    DeleteObject(colour);
    DeleteObject(mask);
    return want;
}

// The picture as the shell should show it at its icon size.
TExpected Expected(int image) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    if (size == 16)
        return FromStrip(image);
    TExpected want;
    want.Size = size;
    const TTrayPicture picture = DrawTrayPicture(image, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const TTrayInk ink = picture.At(x, y);
            want.Pixels.push_back(ink == TTrayInk::Clear ? std::nullopt
                                                         : std::optional(TrayInkColour(ink)));
        }
    return want;
}

// The taskbar's right end as the screen shows it.
class TScreenArea {
public:
    TScreenArea() {
        RECT bar{};
        GetWindowRect(FindWindowW(L"Shell_TrayWnd", nullptr), &bar);
        FLeft = std::max(bar.left, bar.right - 400);
        FTop = bar.top;
        FWidth = bar.right - FLeft;
        FHeight = bar.bottom - bar.top;
        const HDC screen = GetDC(nullptr);
        const HDC dc = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, FWidth, FHeight);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        BitBlt(dc, 0, 0, FWidth, FHeight, screen, FLeft, FTop, SRCCOPY);
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        FPixels = BitmapPixels(bitmap, FWidth, FHeight);
        DeleteObject(bitmap);
    }
    // Whether the picture is shown whole somewhere in the area, unscaled.
    bool Shows(const TExpected& want) const {
        for (int top = 0; top + want.Size <= FHeight; ++top)
            for (int left = 0; left + want.Size <= FWidth; ++left)
                if (ShowsAt(want, left, top))
                    return true;
        return false;
    }

private:
    bool ShowsAt(const TExpected& want, int left, int top) const {
        for (int y = 0; y < want.Size; ++y)
            for (int x = 0; x < want.Size; ++x) {
                const auto& c = want.Pixels[y * want.Size + x];
                if (!c)
                    continue;
                if (FPixels[size_t(top + y) * FWidth + left + x] != *c)
                    return false;
            }
        return true;
    }
    LONG FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    std::vector<COLORREF> FPixels;
};

bool TrayShows(int image) {
    const TExpected want = Expected(image);
    return Within(5000, [&] { return TScreenArea().Shows(want); });
}

// The cursor off the icon and the hint gone, so that nothing covers the picture.
void LeaveIcon() {
    MoveOffHookedIcon({640, 300});
    Within(3000, [] { return !HintShown(); });
}

class TrayPictureEndToEnd : public TDeviceEndToEnd {
protected:
    static void SetUpTestSuite() {
        // The screen read at its own pixels, as the program draws at them.
        SetProcessDPIAware();
    }
    void SetUp() override {
        TDeviceEndToEnd::SetUp();
        device->Access([](EndpointState& s) { s.Devices[0].Level = 0.42f; });
    }
    void TearDown() override {
        if (program) {
            EXPECT_TRUE(program->Close());
        }
        TDeviceEndToEnd::TearDown();
    }
    std::unique_ptr<TProgram> program;
};

TEST_F(TrayPictureEndToEnd, TheShellShowsThePictureMadeForItsSizeAndItFollowsTheWheelAndAPress) {
    program = std::make_unique<TProgram>(L"");
    ASSERT_TRUE(program->FindWindowOfClass(L"TMainForm", 10000));
    const int size = GetSystemMetrics(SM_CXSMICON);
    SCOPED_TRACE(testing::Message() << size << "-pixel icons");
    ASSERT_TRUE(TrayShows(42));

    MoveTo(TrayIconPoint());
    ASSERT_TRUE(Within(2000, HintShown));
    Wheel(WHEEL_DELTA);
    EXPECT_TRUE(Within(3000, [&] { return Percent() == 43; }));
    LeaveIcon();
    EXPECT_TRUE(TrayShows(43));

    LeftClickAt(TrayIconPoint());
    EXPECT_TRUE(Within(3000, [&] { return Muted(); }));
    LeaveIcon();
    EXPECT_TRUE(TrayShows(TrayMuteImage));
    // Not the number any more.
    EXPECT_FALSE(TScreenArea().Shows(Expected(43)));
}

} // namespace
