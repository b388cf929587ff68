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

int TImageList::Count() const {
    return ImageList_GetImageCount(FHandle);
}

HICON TImageList::GetIcon(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return ImageList_GetIcon(FHandle, index, ILD_NORMAL);
}
