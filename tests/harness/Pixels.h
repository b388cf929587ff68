#pragma once
// A bitmap's pixels as tests compare them: one colour per pixel, top row first.
#include <windows.h>

#include <vector>

inline std::vector<COLORREF> BitmapPixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> raw(size_t(width) * height);
    const HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height, raw.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::vector<COLORREF> pixels;
    pixels.reserve(raw.size());
    for (const DWORD p : raw)
        pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    return pixels;
}

// What a window draws of its client area when asked to print it.
inline std::vector<COLORREF> PrintedClient(HWND window, int width, int height) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND);
    SelectObject(dc, old);
    DeleteDC(dc);
    std::vector<COLORREF> pixels = BitmapPixels(bitmap, width, height);
    DeleteObject(bitmap);
    return pixels;
}
