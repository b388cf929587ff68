#include "window/TrayPictureIcon.h"

#include <vector>

COLORREF TrayInkColour(TTrayInk ink) {
    switch (ink) {
    case TTrayInk::Cloud:
        return RGB(150, 150, 150);
    case TTrayInk::CloudEdge:
        return RGB(96, 96, 96);
    case TTrayInk::Note:
    case TTrayInk::Digit:
    case TTrayInk::SignBar:
        return RGB(255, 255, 255);
    case TTrayInk::Sign:
        return RGB(224, 32, 32);
    case TTrayInk::Clear:
    case TTrayInk::Outline:
        break;
    }
    return RGB(0, 0, 0);
}

HICON MakeTrayPictureIcon(int image, int size) {
    const TTrayPicture picture = DrawTrayPicture(image, size);
    const int s = picture.Size();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = s;
    info.bmiHeader.biHeight = -s; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    // The mask's rows are padded to whole 16-bit words; a set bit is a clear pixel.
    const int stride = (s + 15) / 16 * 2;
    std::vector<BYTE> mask(stride * s, 0);
    if (colour) {
        auto* pixel = static_cast<DWORD*>(bits);
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x) {
                const TTrayInk ink = picture.At(x, y);
                const COLORREF c = TrayInkColour(ink);
                // Shown pixels are opaque, clear ones black under a set mask bit: both the
                // alpha-reading and the mask-reading shells see the same 1-bit picture.
                pixel[y * s + x] = ink == TTrayInk::Clear ? 0
                                                          : 0xFF000000u | GetRValue(c) << 16 |
                                                                GetGValue(c) << 8 | GetBValue(c);
                if (ink == TTrayInk::Clear)
                    mask[y * stride + x / 8] |= BYTE(0x80 >> (x % 8));
            }
    }
    const HBITMAP maskBits = CreateBitmap(s, s, 1, 1, mask.data());
    ICONINFO icon{TRUE, 0, 0, maskBits, colour};
    const HICON result = colour && maskBits ? CreateIconIndirect(&icon) : nullptr;
    DeleteObject(maskBits);
    DeleteObject(colour);
    return result;
}
