#pragma once
#include "ui/Component.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>

// Draws image index at size pixels square as a new icon, for sizes other than the list's own.
using TSizedImageSource = std::function<HICON(int index, int size)>;

// A list of 16 by 16 pictures, each a colour image with a 1-bit transparency mask.
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;

    // Adds every image of a strip bitmap (16 pixels high, 16 wide per image) and its mask.
    void AddStrip(HBITMAP image, HBITMAP mask);
    // The same from two bitmap resources of the program, by name.
    void AddStripResource(const wchar_t* image, const wchar_t* mask);
    int Count() const;
    // A new icon of image index, which the caller destroys; null for an index out of range.
    // Another size than 16 comes from the sized source, or is the 16-pixel picture without one.
    HICON GetIcon(int index, int size = 16) const;
    void SetSizedSource(TSizedImageSource source) { FSizedSource = std::move(source); }
    HIMAGELIST Handle() const { return FHandle; }

private:
    HIMAGELIST FHandle;
    TSizedImageSource FSizedSource;
};
