// The tray picture laid out for the sizes the shell shows icons at.
#include "window/TrayPicture.h"

#include "window/TrayPictureTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace {

char Letter(TTrayInk ink) {
    switch (ink) {
    case TTrayInk::Digit:
        return '#';
    case TTrayInk::Outline:
        return 'o';
    case TTrayInk::Sign:
        return 'r';
    case TTrayInk::SignBar:
        return 'w';
    default:
        return '.';
    }
}

TEST(TrayPicture, LowerRowsMatchTheDesignAt24And32) {
    for (const TTrayPictureRows& table : TrayPictureTables) {
        const TTrayPicture picture = DrawTrayPicture(table.Image, table.Size);
        ASSERT_EQ(picture.Size(), table.Size);
        ASSERT_EQ(table.Top + int(table.Rows.size()), table.Size);
        for (int y = table.Top; y < table.Size; ++y) {
            std::string row;
            for (int x = 0; x < table.Size; ++x)
                row += Letter(picture.At(x, y));
            EXPECT_EQ(row, table.Rows[y - table.Top])
                << "image " << table.Image << " at " << table.Size << ", row " << y;
        }
        // Above the rows given nothing of the number or the sign but the outline's top.
        for (int y = 0; y < table.Top; ++y)
            for (int x = 0; x < table.Size; ++x)
                EXPECT_EQ(Letter(picture.At(x, y)), '.') << table.Size << " " << x << "," << y;
    }
}

// The digits of a picture, each an 8-connected set of pixels, by first column.
std::vector<std::pair<int, int>> DigitColumns(const TTrayPicture& p) {
    const int s = p.Size();
    std::vector<int> label(s * s, -1);
    std::vector<std::pair<int, int>> spans;
    for (int start = 0; start < s * s; ++start) {
        if (p.At(start % s, start / s) != TTrayInk::Digit || label[start] >= 0)
            continue;
        std::vector<int> stack{start};
        label[start] = int(spans.size());
        std::pair<int, int> span{s, -1};
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            const int x = at % s, y = at / s;
            span = {std::min(span.first, x), std::max(span.second, x)};
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= s || ny >= s)
                        continue;
                    if (p.At(nx, ny) == TTrayInk::Digit && label[ny * s + nx] < 0) {
                        label[ny * s + nx] = label[start];
                        stack.push_back(ny * s + nx);
                    }
                }
        }
        spans.push_back(span);
    }
    std::sort(spans.begin(), spans.end());
    return spans;
}

TEST(TrayPicture, EveryNumberIsLegibleAtEverySizeFrom16To48) {
    for (int size = 16; size <= 48; ++size)
        for (int n = 0; n <= 100; ++n) {
            const TTrayPicture p = DrawTrayPicture(n, size);
            ASSERT_EQ(p.Size(), size);
            const std::string digits = std::to_string(n);
            // One shape per digit, apart from each other by at least a column of outline.
            const auto spans = DigitColumns(p);
            ASSERT_EQ(spans.size(), digits.size()) << n << " at " << size;
            for (size_t i = 1; i < spans.size(); ++i)
                ASSERT_GE(spans[i].first, spans[i - 1].second + 2) << n << " at " << size;
            // Every digit pixel has the outline or another digit pixel all around it, inside
            // the picture; so "100" fits with its outline.
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    if (p.At(x, y) != TTrayInk::Digit)
                        continue;
                    ASSERT_TRUE(x > 0 && y > 0 && x < size - 1 && y < size - 1)
                        << n << " at " << size;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) {
                            const TTrayInk ink = p.At(x + dx, y + dy);
                            ASSERT_TRUE(ink == TTrayInk::Digit || ink == TTrayInk::Outline)
                                << n << " at " << size << ": " << x << "," << y;
                        }
                }
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    ASSERT_NE(p.At(x, y), TTrayInk::Sign);
        }
}

TEST(TrayPicture, TheMuteSignReplacesTheNumberAndTheCloudStaysAtEverySize) {
    for (int size = 16; size <= 48; ++size) {
        for (int image : {0, 57, TrayMuteImage}) {
            const TTrayPicture p = DrawTrayPicture(image, size);
            std::set<TTrayInk> inks;
            int upperCloud = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    inks.insert(p.At(x, y));
                    const TTrayInk ink = p.At(x, y);
                    if (y < size / 2 && (ink == TTrayInk::Cloud || ink == TTrayInk::CloudEdge ||
                                         ink == TTrayInk::Note))
                        ++upperCloud;
                }
            // The cloud fills most of the upper half, the note sits on it, the corners are clear.
            EXPECT_GT(upperCloud * 5, size * size / 2 * 3) << size;
            EXPECT_TRUE(inks.count(TTrayInk::Note) && inks.count(TTrayInk::CloudEdge)) << size;
            EXPECT_EQ(p.At(0, 0), TTrayInk::Clear);
            EXPECT_EQ(p.At(size - 1, 0), TTrayInk::Clear);
            const bool muted = image == TrayMuteImage;
            EXPECT_EQ(inks.count(TTrayInk::Sign) == 1, muted) << size;
            EXPECT_EQ(inks.count(TTrayInk::SignBar) == 1, muted) << size;
            EXPECT_EQ(inks.count(TTrayInk::Digit) == 1, !muted) << size;
        }
    }
}

TEST(TrayPicture, SizesBelowTheSmallestAreDrawnAtIt) {
    EXPECT_EQ(DrawTrayPicture(50, 8).Size(), 16);
}

} // namespace
