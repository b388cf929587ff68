#include "ui/MenuPaint.h"

#include "ui/Dpi.h"
#include "ui/Styles.h"

namespace {

// The system's menu font for the density of the last menu: menus of one run share it, and it
// is made again only when a menu opens on a monitor of another density.
HFONT FontHandle = nullptr;
int FontDpi = 0;

HFONT MenuFont(int dpi) {
    if (!FontHandle || FontDpi != dpi) {
        if (FontHandle)
            DeleteObject(FontHandle);
        const NONCLIENTMETRICSW metrics = NonClientMetricsForDpi(dpi);
        FontHandle = CreateFontIndirectW(&metrics.lfMenuFont);
        FontDpi = dpi;
    }
    return FontHandle;
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

void Measure(MEASUREITEMSTRUCT& item, const std::wstring& caption, bool separator, int dpi) {
    if (separator) {
        item.itemWidth = 0;
        item.itemHeight = UINT(ScaleFrom96(kSeparatorHeight, dpi));
        return;
    }
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, MenuFont(dpi));
    RECT text{};
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    item.itemWidth = UINT(text.right + 2 * ScaleFrom96(kTextPad, dpi));
    item.itemHeight = UINT(text.bottom + ScaleFrom96(kItemAir, dpi));
}

void Draw(const DRAWITEMSTRUCT& item, const std::wstring& caption, bool separator, int dpi) {
    const TStyleColors& colors = TStyleManager::Colors();
    const HDC dc = item.hDC;
    const bool hot = !separator && (item.itemState & ODS_SELECTED);
    Fill(dc, item.rcItem, hot ? colors.Hot : colors.Face);
    const int pad = ScaleFrom96(kTextPad, dpi);
    if (separator) {
        const int middle = (item.rcItem.top + item.rcItem.bottom) / 2;
        Fill(dc, {item.rcItem.left + pad / 2, middle, item.rcItem.right - pad / 2, middle + 1},
             colors.Disabled);
        return;
    }
    const HGDIOBJ old = SelectObject(dc, MenuFont(dpi));
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
