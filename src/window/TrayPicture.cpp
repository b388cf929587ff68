#include "window/TrayPicture.h"

#include "window/PixelFont.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int GlyphRows = 5;
using TGlyph = std::array<std::string_view, GlyphRows>; // rows of '#' (lit) and '.'

// The pixel font: a line naming the digit, then its rows; ';' starts a comment line.
std::array<TGlyph, 10> ReadFont() {
    std::array<TGlyph, 10> font{};
    std::string_view text = PixelFontText;
    std::string_view lines[64];
    int count = 0;
    while (!text.empty() && count < 64) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.remove_suffix(1);
        if (!line.empty() && line[0] != ';')
            lines[count++] = line;
    }
    for (int i = 0; i + GlyphRows < count; i += GlyphRows + 1)
        if (const int digit = lines[i][0] - '0'; digit >= 0 && digit <= 9)
            std::copy_n(lines + i + 1, GlyphRows, font[digit].begin());
    return font;
}

// How the design is laid out at one size. A glyph's outer columns and its three bars take the
// stroke width; the room between them takes what is left, so the strokes stay even.
struct TMetrics {
    explicit TMetrics(int s)
        : Stroke(std::max(1, (s + 8) / 16)), Outline((Stroke + 1) / 2), Fine(std::max(1, s / 16)),
          DigitWidth(s / 4), DigitHeight(std::max(11 * s / 32, 4 * Stroke + 1)),
          Right(s - 1 - Fine - Outline), Bottom(s - 1 - Outline), SignDiameter((7 * s + 8) / 16) {}
    int Stroke;
    int Outline; // also the gap between two digits
    int Fine;    // the cloud's edge and the margin right of the number
    int DigitWidth;
    int DigitHeight; // the two counters together at least a stroke and a pixel high

    int Right; // last column of a number of two or three digits; one digit ends a stroke earlier
    int Bottom;
    int SignDiameter;
};

// Pixel widths of a glyph's columns (4 or 2 of them) and heights of its rows.
std::array<int, 4> ColumnSpans(const TMetrics& m, size_t columns) {
    const int t = m.Stroke;
    if (columns == 2)
        return {t, t, 0, 0};
    const int room = m.DigitWidth - 2 * t;
    return {t, room / 2, room - room / 2, t};
}
std::array<int, GlyphRows> RowSpans(const TMetrics& m) {
    const int t = m.Stroke;
    const int room = m.DigitHeight - 3 * t;
    return {t, room / 2, t, room - room / 2, t};
}

int GlyphWidth(const TMetrics& m, const TGlyph& g) {
    const auto spans = ColumnSpans(m, g[0].size());
    int width = 0;
    for (int w : spans)
        width += w;
    return width;
}

class TCanvas {
public:
    explicit TCanvas(TTrayPicture& picture) : P(picture), S(picture.Size()) {}
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < S && y < S; }
    void Paint(int x, int y, TTrayInk ink) {
        if (Inside(x, y))
            P.Set(x, y, ink);
    }
    TTrayInk At(int x, int y) const { return Inside(x, y) ? P.At(x, y) : TTrayInk::Clear; }
    TTrayPicture& P;
    const int S;
};

// Shapes of the upper part are stated in tenths of a pixel of the 16-pixel picture. A pixel
// belongs to a shape when its centre does; all sums are integers, so every build agrees.
// Centres in those tenths, multiplied by the size: pixel i has its centre at (2i + 1) * 80.
std::int64_t Centre(int i) {
    return (2 * std::int64_t(i) + 1) * 80;
}

bool InCloud(int s, int x, int y) {
    const std::int64_t X = Centre(x), Y = Centre(y), S = s;
    if (Y <= 55 * S) { // a half ellipse over the top
        const std::int64_t dx = X - 80 * S, dy = Y - 55 * S;
        return dx * dx * 45 * 45 + dy * dy * 70 * 70 <= 3150 * 3150 * S * S;
    }
    if (X < 10 * S || X > 150 * S || Y >= 100 * S)
        return false;
    const auto corner = [&](std::int64_t cx) {
        const std::int64_t dx = X - cx * S, dy = Y - 85 * S;
        return dx * dx + dy * dy <= 14 * 14 * S * S;
    };
    if (Y > 85 * S && X < 25 * S)
        return corner(25);
    if (Y > 85 * S && X > 135 * S)
        return corner(135);
    return true;
}

bool InNote(int s, int stroke, int x, int y) {
    const std::int64_t X = Centre(x), Y = Centre(y), S = s, half = 80 * std::int64_t(stroke);
    if (X >= 80 * S && X < 80 * S + 2 * half && Y >= 20 * S && Y < 80 * S)
        return true; // the stem
    const std::int64_t hx = X - 70 * S, hy = Y - 75 * S;
    if (hx * hx * 12 * 12 + hy * hy * 18 * 18 <= 216 * 216 * S * S)
        return true; // the head
    // The flag: within half a stroke of the line from (9.5, 2.5) to (11.5, 4.5).
    const std::int64_t ax = X - 95 * S, ay = Y - 25 * S, len = 20 * S;
    const std::int64_t along = ax + ay; // times len / (len * len) along the flag
    std::int64_t dist2;
    if (along <= 0) {
        dist2 = 2 * (ax * ax + ay * ay);
    } else if (along >= 2 * len) {
        const std::int64_t bx = ax - len, by = ay - len;
        dist2 = 2 * (bx * bx + by * by);
    } else {
        const std::int64_t across = ax - ay;
        dist2 = across * across;
    }
    return dist2 < 2 * half * half;
}

void DrawCloud(TCanvas& c, const TMetrics& m) {
    for (int y = 0; y < c.S; ++y)
        for (int x = 0; x < c.S; ++x)
            if (InCloud(c.S, x, y))
                c.Paint(x, y, TTrayInk::Cloud);
    // The edge: cloud pixels that have the outside within the fine width straight across.
    for (int y = 0; y < c.S; ++y)
        for (int x = 0; x < c.S; ++x) {
            if (c.At(x, y) != TTrayInk::Cloud)
                continue;
            bool edge = false;
            for (int d = 1; d <= m.Fine && !edge; ++d)
                edge = !InCloud(c.S, x - d, y) || !InCloud(c.S, x + d, y) ||
                       !InCloud(c.S, x, y - d) || !InCloud(c.S, x, y + d);
            if (edge)
                c.Paint(x, y, TTrayInk::CloudEdge);
        }
    for (int y = 0; y < c.S; ++y)
        for (int x = 0; x < c.S; ++x)
            if (InNote(c.S, m.Stroke, x, y))
                c.Paint(x, y, TTrayInk::Note);
}

void DrawNumber(TCanvas& c, const TMetrics& m, int n) {
    const auto font = ReadFont();
    char text[3];
    int count = 0;
    for (int rest = n; count == 0 || rest > 0; rest /= 10)
        ++count;
    for (int i = count - 1, rest = n; i >= 0; --i, rest /= 10)
        text[i] = char('0' + rest % 10);
    int width = m.Outline * (count - 1);
    for (int i = 0; i < count; ++i)
        width += GlyphWidth(m, font[text[i] - '0']);
    const int right = m.Right - (count == 1 ? m.Stroke : 0);
    int left = right - width + 1;
    const int top = m.Bottom - m.DigitHeight + 1;
    // The digits' own pixels first, on a picture of their own; their outline goes around them.
    TTrayPicture lit(c.S);
    const auto rows = RowSpans(m);
    for (int i = 0; i < count; ++i) {
        const TGlyph& g = font[text[i] - '0'];
        const auto columns = ColumnSpans(m, g[0].size());
        for (int r = 0, y = top; r < GlyphRows; y += rows[r++])
            for (size_t k = 0, x = left; k < g[r].size(); x += columns[k++])
                if (g[r][k] == '#')
                    for (int dy = 0; dy < rows[r]; ++dy)
                        for (int dx = 0; dx < columns[k]; ++dx)
                            if (c.Inside(int(x) + dx, y + dy))
                                lit.Set(int(x) + dx, y + dy, TTrayInk::Digit);
        left += GlyphWidth(m, g) + m.Outline;
    }
    const auto isLit = [&](int x, int y) { return lit.At(x, y) == TTrayInk::Digit; };
    for (int y = 0; y < c.S; ++y)
        for (int x = 0; x < c.S; ++x) {
            if (!isLit(x, y))
                continue;
            for (int dy = -m.Outline; dy <= m.Outline; ++dy)
                for (int dx = -m.Outline; dx <= m.Outline; ++dx)
                    if (c.Inside(x + dx, y + dy) && !isLit(x + dx, y + dy))
                        c.Paint(x + dx, y + dy, TTrayInk::Outline);
        }
    for (int y = 0; y < c.S; ++y)
        for (int x = 0; x < c.S; ++x)
            if (isLit(x, y))
                c.Paint(x, y, TTrayInk::Digit);
}

// A red disc where the number would end, crossed from top left to bottom right by a white bar
// that stops a stroke short of the rim.
void DrawMuteSign(TCanvas& c, const TMetrics& m) {
    const int d = m.SignDiameter, t = m.Stroke;
    const int left = m.Right - d + 1, top = c.S - d;
    for (int j = 0; j < d; ++j)
        for (int i = 0; i < d; ++i) {
            const int a = 2 * i + 1 - d, b = 2 * j + 1 - d;
            if (a * a + b * b > d * d)
                continue;
            const bool bar = std::abs(i - j) < t && a * a + b * b <= (d - 2 * t) * (d - 2 * t);
            c.Paint(left + i, top + j, bar ? TTrayInk::SignBar : TTrayInk::Sign);
        }
}

} // namespace

TTrayPicture::TTrayPicture(int size) : FSize(size), FInk(size * size, TTrayInk::Clear) {
}

TTrayPicture DrawTrayPicture(int image, int size) {
    TTrayPicture picture(std::max(size, 16));
    TCanvas canvas(picture);
    const TMetrics metrics(picture.Size());
    DrawCloud(canvas, metrics);
    if (image >= TrayMuteImage)
        DrawMuteSign(canvas, metrics);
    else
        DrawNumber(canvas, metrics, std::clamp(image, 0, 100));
    return picture;
}
