// The window and the tray picture at the display density this process runs at, and after a
// density change sent to the window. tests/window/run-dpi runs it at 120, 144 and 192 DPI
// (LogPixels of the prefix, the server restarted between); CTest runs it at the prefix's own.
#include "harness/Pixels.h"
#include "window/MainFormFixture.h"
#include "window/TrayPicture.h"
#include "window/TrayPictureIcon.h"
#include "window/TrayPictureTables.h"

#include "ui/Styles.h"

#include <uxtheme.h>

#include <string>
#include <vector>

namespace {

struct TIconPixels {
    int Size = 0;
    std::vector<COLORREF> Colour; // top row first
    std::vector<bool> Clear;
};

TIconPixels ReadIcon(HICON icon) {
    TIconPixels pixels;
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return pixels;
    BITMAP bm{};
    GetObjectW(info.hbmMask, sizeof(bm), &bm);
    const int s = pixels.Size = bm.bmWidth;
    pixels.Colour = BitmapPixels(info.hbmColor, s, s);
    for (const COLORREF m : BitmapPixels(info.hbmMask, s, s))
        pixels.Clear.push_back(m != 0);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels;
}

// Every picture the shell is handed, as it was at that moment.
std::vector<TIconPixels> ShellPictures;
BOOL WINAPI RecordShell(DWORD message, PNOTIFYICONDATAW data) {
    if ((message == NIM_ADD || message == NIM_MODIFY) && data->hIcon)
        ShellPictures.push_back(ReadIcon(data->hIcon));
    return TRUE;
}
int SteeredIconSize = 0;
int SteeredSize() {
    return SteeredIconSize;
}

class DpiTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        // Drawn as the program draws itself: in its dark style, its check box unthemed.
        TStyleManager::TrySetStyle(L"Windows10 Dark", false);
        TrayPlatform.NotifyIcon = RecordShell;
        ShellPictures.clear();
    }
    void TearDown() override {
        TrayPlatform = {};
        TStyleManager::UseSystemLook();
        MainFormTest::TearDown();
    }
};

// The rows of a picture as the design tables write them.
std::string TableRow(const TIconPixels& p, int y) {
    std::string row;
    for (int x = 0; x < p.Size; ++x) {
        const COLORREF c = p.Colour[y * p.Size + x];
        const bool clear = p.Clear[y * p.Size + x];
        row += clear                                ? '.'
               : c == RGB(255, 255, 255)            ? '#'
               : c == RGB(0, 0, 0)                  ? 'o'
               : c == TrayInkColour(TTrayInk::Sign) ? 'r'
                                                    : '.';
    }
    return row;
}

void ExpectDesign(const TIconPixels& shown, int image, TMainForm* form) {
    if (shown.Size == 16) {
        // The 16-pixel list as it is.
        const HICON listed = form->ImageList->GetIcon(image);
        const TIconPixels want = ReadIcon(listed);
        DestroyIcon(listed);
        EXPECT_EQ(shown.Colour, want.Colour) << image;
        EXPECT_EQ(shown.Clear, want.Clear) << image;
        return;
    }
    const TTrayPicture picture = DrawTrayPicture(image, shown.Size);
    ASSERT_EQ(picture.Size(), shown.Size);
    for (int y = 0; y < shown.Size; ++y)
        for (int x = 0; x < shown.Size; ++x) {
            const TTrayInk ink = picture.At(x, y);
            const size_t at = y * shown.Size + x;
            ASSERT_EQ(shown.Clear[at], ink == TTrayInk::Clear) << image << " " << x << "," << y;
            if (ink != TTrayInk::Clear) {
                ASSERT_EQ(shown.Colour[at], TrayInkColour(ink)) << image << " " << x << "," << y;
            }
        }
    for (const TTrayPictureRows& table : TrayPictureTables) {
        if (table.Size != shown.Size || table.Image != image)
            continue;
        for (int y = table.Top; y < table.Size; ++y) {
            std::string want = table.Rows[y - table.Top];
            // The bar of the mute sign is as white as a digit.
            for (char& c : want)
                c = c == 'w' ? '#' : c;
            EXPECT_EQ(TableRow(shown, y), want) << image << " row " << y;
        }
    }
}

TEST_F(DpiTest, TheShellGetsThePictureDrawnForItsIconSize) {
    TMainForm* form = Create();
    // At 150 % and 200 % the pictures are held against the design tables too.
    const int dpi = GetDeviceCaps(GetDC(nullptr), LOGPIXELSY);
    if (dpi == 144 || dpi == 192) {
        EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), dpi / 6);
    }
    for (int image : {0, 7, 42, 100, TrayMuteImage}) {
        ShellPictures.clear();
        form->MVol = image == TrayMuteImage ? 42 : image;
        form->CHKMute->SetChecked(image == TrayMuteImage);
        form->ApplyVolume();
        ASSERT_FALSE(ShellPictures.empty());
        EXPECT_EQ(ShellPictures.back().Size, GetSystemMetrics(SM_CXSMICON));
        ExpectDesign(ShellPictures.back(), image, form);
    }
}

RECT RectIn(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// How far the check box's drawing reaches when it has all the room it wants: a twin of it,
// very wide, drawn into a bitmap.
int CheckBoxReach(const TCheckBox* box) {
    RECT client;
    GetClientRect(box->Handle(), &client);
    const int width = 1000, height = client.bottom;
    const HWND twin = CreateWindowExW(0, L"BUTTON", box->Text().c_str(), WS_CHILD | BS_CHECKBOX, 0,
                                      0, width, height, GetParent(box->Handle()), nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    if (TStyleManager::IsCustomStyleActive())
        SetWindowTheme(twin, L"", L"");
    SendMessageW(twin, WM_SETFONT, WPARAM(box->FontHandle()), FALSE);
    const std::vector<COLORREF> drawn = PrintedClient(twin, width, height);
    const COLORREF background = drawn[(height / 2) * width + width - 1];
    int reach = 0;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (drawn[y * width + x] != background)
                reach = x + 1;
    DestroyWindow(twin);
    return reach;
}

SIZE TextSize(const TWinControl* control, const std::wstring& text, UINT flags = 0) {
    const HDC dc = GetDC(control->Handle());
    const HGDIOBJ old = SelectObject(dc, control->FontHandle());
    RECT r{};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | flags);
    SelectObject(dc, old);
    ReleaseDC(control->Handle(), dc);
    return {r.right, r.bottom};
}

// Wine draws the check box's square at the system's density whatever the window's: after a
// change to another density, only the labels are measured.
void ExpectNothingClippedOrOverlapping(TMainForm* form, bool checkBox = true) {
    const int dpi = form->Dpi();
    RECT client;
    GetClientRect(form->Handle(), &client);
    // At least the design's size; more where a font needs it.
    EXPECT_GE(client.right, MulDiv(167, dpi, 96)) << dpi;
    EXPECT_GE(client.bottom, MulDiv(121, dpi, 96)) << dpi;
    struct Caption {
        const TWinControl* control;
        std::wstring text;
        UINT flags;
    };
    const Caption captions[] = {
        {form->LabelVol, L"100%", DT_SINGLELINE},
        {form->LabelHint, KeyHelpText, 0},
        {form->LabelName, form->MAudioName, DT_SINGLELINE},
    };
    for (const Caption& c : captions) {
        RECT r;
        GetClientRect(c.control->Handle(), &r);
        const SIZE need = TextSize(c.control, c.text, c.flags | DT_NOPREFIX);
        EXPECT_LE(need.cx, r.right) << testing::PrintToString(c.control->Name) << " at " << dpi;
        EXPECT_LE(need.cy, r.bottom) << testing::PrintToString(c.control->Name) << " at " << dpi;
    }
    RECT box;
    GetClientRect(form->CHKMute->Handle(), &box);
    if (checkBox) {
        EXPECT_LE(CheckBoxReach(form->CHKMute), box.right) << "the check box at " << dpi;
    }
    const TWinControl* rows[] = {form->Panel, form->LabelHint, form->LabelName};
    const TWinControl* strip[] = {form->LabelVol, form->UpDown, form->CHKMute};
    for (const auto& siblings : {std::vector(std::begin(rows), std::end(rows)),
                                 std::vector(std::begin(strip), std::end(strip))}) {
        const HWND parent = GetParent(siblings[0]->Handle());
        RECT area;
        GetClientRect(parent, &area);
        for (size_t i = 0; i < siblings.size(); ++i) {
            const RECT a = RectIn(siblings[i]->Handle(), parent);
            RECT inside;
            IntersectRect(&inside, &a, &area);
            EXPECT_TRUE(EqualRect(&inside, &a)) << testing::PrintToString(siblings[i]->Name);
            for (size_t j = i + 1; j < siblings.size(); ++j) {
                const RECT b = RectIn(siblings[j]->Handle(), parent);
                RECT both;
                EXPECT_FALSE(IntersectRect(&both, &a, &b))
                    << testing::PrintToString(siblings[i]->Name) << " and "
                    << testing::PrintToString(siblings[j]->Name) << " at " << dpi;
            }
        }
    }
}

TEST_F(DpiTest, CaptionsFitTheirControlsAndNoTwoOverlap) {
    TMainForm* form = Create();
    EXPECT_EQ(form->Dpi(), GetDeviceCaps(GetDC(nullptr), LOGPIXELSY));
    ExpectNothingClippedOrOverlapping(form);
}

int FontHeight(const TWinControl* control) {
    LOGFONTW lf{};
    GetObjectW(control->FontHandle(), sizeof(lf), &lf);
    return lf.lfHeight;
}

TEST_F(DpiTest, ADensityChangeLaysTheWindowOutAgainInTheSuggestedRectangle) {
    TMainForm* form = Create();
    const int dpi = form->Dpi() == 192 ? 120 : 192;
    // Where the system would put the window: the client area at the new density in its frame
    // (which Wine keeps at the system's density).
    RECT window, client;
    GetWindowRect(form->Handle(), &window);
    GetClientRect(form->Handle(), &client);
    const RECT suggested{40, 30,
                         40 + window.right - window.left - client.right + MulDiv(167, dpi, 96),
                         30 + window.bottom - window.top - client.bottom + MulDiv(121, dpi, 96)};
    SteeredIconSize = MulDiv(16, dpi, 96);
    TrayPlatform.SmallIconSize = SteeredSize;
    ShellPictures.clear();
    form->Perform(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));

    // The window takes the suggested rectangle, larger only by what the client area had to
    // grow beyond the design for a font (Wine measures some text taller when the window's
    // density is not the system's).
    RECT now, grown;
    GetWindowRect(form->Handle(), &now);
    GetClientRect(form->Handle(), &grown);
    EXPECT_EQ(now.left, suggested.left);
    EXPECT_EQ(now.top, suggested.top);
    EXPECT_EQ(now.right - suggested.right, grown.right - MulDiv(167, dpi, 96));
    EXPECT_EQ(now.bottom - suggested.bottom, grown.bottom - MulDiv(121, dpi, 96));
    EXPECT_EQ(form->Dpi(), dpi);
    EXPECT_EQ(FontHeight(form->LabelVol), -MulDiv(19, dpi, 96));
    EXPECT_EQ(FontHeight(form->CHKMute), -MulDiv(12, dpi, 96));
    EXPECT_EQ(FontHeight(form->LabelHint), -MulDiv(12, dpi, 96));
    const RECT vol = RectIn(form->LabelVol->Handle(), form->Panel->Handle());
    const RECT want{MulDiv(3, dpi, 96), MulDiv(3, dpi, 96), MulDiv(73, dpi, 96),
                    MulDiv(39, dpi, 96)};
    EXPECT_TRUE(EqualRect(&vol, &want));
    ExpectNothingClippedOrOverlapping(form, false);
    // The tray picture is made again for the shell's size.
    ASSERT_FALSE(ShellPictures.empty());
    EXPECT_EQ(ShellPictures.back().Size, SteeredIconSize);
    ExpectDesign(ShellPictures.back(), form->MVol, form);
}

// The scale changed where no window is told its density: the system's settings or the display
// changed, and the tray's own window hears of it. The picture follows the shell's new size, and
// back again.
TEST_F(DpiTest, ASettingOrDisplayChangeRedrawsTheTrayPictureAtTheShellsNewSize) {
    TMainForm* form = Create();
    form->MVol = 42;
    form->ApplyVolume();
    TrayPlatform.SmallIconSize = SteeredSize;
    const int system = GetSystemMetrics(SM_CXSMICON);
    for (const UINT message : {WM_SETTINGCHANGE, WM_DISPLAYCHANGE})
        for (const int size : {system == 32 ? 20 : 32, system}) {
            SCOPED_TRACE(testing::Message() << message << " to " << size << " pixels");
            SteeredIconSize = size;
            ShellPictures.clear();
            SendMessageW(TrayHandler()->Handle(), message, 0, 0);
            ASSERT_FALSE(ShellPictures.empty());
            EXPECT_EQ(ShellPictures.back().Size, size);
            ExpectDesign(ShellPictures.back(), 42, form);
        }
}

} // namespace
