#include "ui/MenuPaint.h"

#include "ui/Styles.h"

namespace {

// The system's menu font, made once: menus of one run share it and it lives to the end.
HFONT MenuFont() {
    static const HFONT font = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        return CreateFontIndirectW(&metrics.lfMenuFont);
    }();
    return font;
}

// Pixels designed at 96 DPI, on the display the menu shows on.
int Scaled(HDC dc, int pixels) {
    return MulDiv(pixels, GetDeviceCaps(dc, LOGPIXELSY), 96);
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

const int kTextPad = 12;
const int kItemAir = 8;
const int kSeparatorHeight = 7;

} // namespace

namespace MenuPaint {

void Measure(MEASUREITEMSTRUCT& item, const std::wstring& caption, bool separator) {
    const HDC dc = GetDC(nullptr);
    if (separator) {
        item.itemWidth = 0;
        item.itemHeight = UINT(Scaled(dc, kSeparatorHeight));
    } else {
        const HGDIOBJ old = SelectObject(dc, MenuFont());
        RECT text{};
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        SelectObject(dc, old);
        item.itemWidth = UINT(text.right + 2 * Scaled(dc, kTextPad));
        item.itemHeight = UINT(text.bottom + Scaled(dc, kItemAir));
    }
    ReleaseDC(nullptr, dc);
}

void Draw(const DRAWITEMSTRUCT& item, const std::wstring& caption, bool separator) {
    const TStyleColors& colors = TStyleManager::Colors();
    const HDC dc = item.hDC;
    const bool hot = !separator && (item.itemState & ODS_SELECTED);
    Fill(dc, item.rcItem, hot ? colors.Hot : colors.Face);
    const int pad = Scaled(dc, kTextPad);
    if (separator) {
        const int middle = (item.rcItem.top + item.rcItem.bottom) / 2;
        Fill(dc, {item.rcItem.left + pad / 2, middle, item.rcItem.right - pad / 2, middle + 1},
             colors.Disabled);
        return;
    }
    const HGDIOBJ old = SelectObject(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? colors.Disabled : colors.Text);
    RECT text = item.rcItem;
    text.left += pad;
    // Access keys are underlined only while the keyboard is in use, as the system does.
    const UINT prefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | prefix);
    SelectObject(dc, old);
}

} // namespace MenuPaint
