#pragma once
#include "ui/Controls.h"

// A small top-most popup that shows one text and never takes the focus. Its system window
// lives only while the hint is shown; its size is kept from one show to the next.
class THintWindow : public TWinControl {
public:
    explicit THintWindow(TComponent* AOwner);
    ~THintWindow() override;

    bool HandleAllocated() const { return Handle() != nullptr; }
    // The hint font follows the density of the monitor the hint is about to show on.
    void ChangeDpi(int dpi) override;
    // Makes the system window, still hidden, so that text can be measured on it.
    void HandleNeeded();
    // The rectangle (0, 0, w, h) the text needs in the hint font; lines break only at the
    // text's own line breaks. Needs the system window.
    RECT CalcTextRect(const std::wstring& text);
    // Shows the text in the rectangle grown by the frame's room (4 pixels of height at 96 DPI),
    // kept inside the monitor nearest to its top-left corner, top-most and not activated.
    // Again while shown: moves and redraws.
    void ActivateHint(RECT rect, const std::wstring& text);
    // Destroys the system window; the hint vanishes and its size is kept.
    void ReleaseHandle();

    // As the last show left them; 0 before the first.
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    HFONT FFont = nullptr;
    std::wstring FText;
    int FWidth = 0;
    int FHeight = 0;
};

// Where the text sits in the hint at a density. At 96 DPI the hint is the bare text plus 4
// pixels of height, the text 2 pixels down and one right inside a 1-pixel frame, and a glyph's
// own spacing keeps it off the frame's right side. Above that the frame and the room above and
// below scale, and the text gets room of its own on both sides: a larger glyph's spacing no
// longer covers a thicker frame.
struct THintLayout {
    int Frame;    // the frame's thickness
    int TextLeft; // the text's offset inside the window
    int TextTop;
    int GrowWidth; // what the window adds to the bare text's size
    int GrowHeight;
};
THintLayout HintLayoutFor(int dpi);

// The rectangle moved, and shrunk where it is larger, so that it lies inside the area.
RECT KeepInside(RECT rect, const RECT& area);
