#include "ui/ImgList.h"

TImageList::TImageList(TComponent* AOwner)
    : TComponent(AOwner), FHandle(ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 8)) {
}

TImageList::~TImageList() {
    ImageList_Destroy(FHandle);
}

void TImageList::AddStrip(HBITMAP image, HBITMAP mask) {
    ImageList_Add(FHandle, image, mask);
}

void TImageList::AddStripResource(const wchar_t* image, const wchar_t* mask) {
    const auto load = [](const wchar_t* name) {
        return static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    };
    const HBITMAP imageBits = load(image);
    const HBITMAP maskBits = load(mask);
    if (imageBits && maskBits)
        AddStrip(imageBits, maskBits);
    DeleteObject(imageBits);
    DeleteObject(maskBits);
}

int TImageList::Count() const {
    return ImageList_GetImageCount(FHandle);
}

HICON TImageList::GetIcon(int index, int size) const {
    if (index < 0 || index >= Count())
        return nullptr;
    if (size != 16 && FSizedSource)
        return FSizedSource(index, size);
    return ImageList_GetIcon(FHandle, index, ILD_NORMAL);
}
