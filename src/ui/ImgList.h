#pragma once
#include "ui/Component.h"

#include <windows.h>
#include <commctrl.h>

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
    HICON GetIcon(int index) const;
    HIMAGELIST Handle() const { return FHandle; }

private:
    HIMAGELIST FHandle;
};
