// The window's tray picture set: image n shows the number n, the mute sign is last. The digit
// places are worked out here afresh from the pixel font and the layout rule, so a generator
// that misplaces or mixes up pictures fails.
#include "window/MainFormFixture.h"

#include <array>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

using TGlyph = std::vector<std::string>; // 5 rows of '#' and '.'

std::map<char, TGlyph> ReadFont() {
    std::ifstream in(HX_PIXEL_FONT);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (!line.empty() && line[0] != ';')
            lines.push_back(line);
    }
    std::map<char, TGlyph> font;
    for (size_t i = 0; i + 5 < lines.size(); i += 6)
        font[lines[i][0]] = TGlyph(lines.begin() + i + 1, lines.begin() + i + 6);
    return font;
}

// The lit pixels of number n: rows 10 to 14, one column between digits, the last digit
// ending at column 12 for one digit and 13 for more.
std::set<std::pair<int, int>> ExpectedDigits(const std::map<char, TGlyph>& font, int n) {
    const std::string text = std::to_string(n);
    int width = static_cast<int>(text.size()) - 1;
    for (char c : text)
        width += static_cast<int>(font.at(c)[0].size());
    int x = (text.size() == 1 ? 12 : 13) - width + 1;
    std::set<std::pair<int, int>> lit;
    for (char c : text) {
        const TGlyph& g = font.at(c);
        for (int row = 0; row < 5; ++row)
            for (size_t col = 0; col < g[row].size(); ++col)
                if (g[row][col] == '#')
                    lit.insert({x + static_cast<int>(col), 10 + row});
        x += static_cast<int>(g[0].size()) + 1;
    }
    return lit;
}

struct TPicture {
    std::array<std::array<COLORREF, 16>, 16> colour;
    std::array<std::array<bool, 16>, 16> transparent;
};

// Reads the pixels of one image straight out of the image list's bitmaps.
std::vector<TPicture> ReadPictures(HIMAGELIST list) {
    std::vector<TPicture> pictures(ImageList_GetImageCount(list));
    IMAGEINFO info{};
    ImageList_GetImageInfo(list, 0, &info);
    BITMAP bm{};
    GetObjectW(info.hbmImage, sizeof(bm), &bm);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> image(bm.bmWidth * bm.bmHeight), mask(bm.bmWidth * bm.bmHeight);
    const HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmImage, 0, bm.bmHeight, image.data(), &bi, DIB_RGB_COLORS);
    GetDIBits(dc, info.hbmMask, 0, bm.bmHeight, mask.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    for (int i = 0; i < static_cast<int>(pictures.size()); ++i) {
        IMAGEINFO one{};
        ImageList_GetImageInfo(list, i, &one);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const size_t at = (one.rcImage.top + y) * bm.bmWidth + one.rcImage.left + x;
                const DWORD p = image[at];
                pictures[i].colour[y][x] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
                pictures[i].transparent[y][x] = (mask[at] & 0xFFFFFF) != 0;
            }
    }
    return pictures;
}

bool IsRed(COLORREF c) {
    return GetRValue(c) > 160 && GetGValue(c) < 100 && GetBValue(c) < 100;
}

TEST_F(MainFormTest, ImageNShowsNumberNAndTheMuteSignIsLast) {
    TMainForm* form = Create();
    ASSERT_EQ(form->ImageList->Count(), 102);
    const auto font = ReadFont();
    ASSERT_EQ(font.size(), 10u);
    const auto pictures = ReadPictures(form->ImageList->Handle());
    for (int n = 0; n <= 100; ++n) {
        const auto lit = ExpectedDigits(font, n);
        const TPicture& p = pictures[n];
        // In the digit rows white is exactly where the number's pixels are.
        for (int y = 10; y < 15; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool white = !p.transparent[y][x] && p.colour[y][x] == RGB(255, 255, 255);
                ASSERT_EQ(white, lit.count({x, y}) == 1)
                    << "image " << n << " at " << x << "," << y;
            }
        // Every digit pixel has its black outline around it.
        for (const auto& [x, y] : lit)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    if (!lit.count({x + dx, y + dy})) {
                        ASSERT_EQ(p.colour[y + dy][x + dx], RGB(0, 0, 0)) << "image " << n;
                    }
                }
        for (int y = 9; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_FALSE(IsRed(p.colour[y][x])) << "image " << n;
    }
    // "100" spans columns 1 to 14 with its outline.
    for (int y = 10; y < 15; ++y) {
        EXPECT_TRUE(pictures[100].transparent[y][0]);
        EXPECT_TRUE(pictures[100].transparent[y][15]);
    }
    int red = 0;
    for (int y = 9; y < 16; ++y)
        for (int x = 7; x < 14; ++x)
            red += IsRed(pictures[101].colour[y][x]) ? 1 : 0;
    EXPECT_GT(red, 20);
    // Pixels are either fully shown or fully clear: the corners are clear, the cloud is not.
    for (const TPicture& p : pictures) {
        EXPECT_TRUE(p.transparent[0][0]);
        EXPECT_FALSE(p.transparent[5][7]);
    }
}

} // namespace
