#include "tray/TrayLogic.h"

std::size_t CutLength(std::wstring_view s, std::size_t max) {
    if (s.size() <= max)
        return s.size();
    if (max == 0)
        return 0;
    const auto last = static_cast<unsigned>(s[max - 1]);
    const bool highSurrogate = last >= 0xD800 && last <= 0xDBFF;
    return highSurrogate ? max - 1 : max;
}

int ClampIconIndex(int index, int count) {
    return index < count ? index : count - 1;
}

TCellPoint CellPos(int x, int y, int captionHeight) {
    if (captionHeight <= 1)
        return {-1, -1};
    const int cell = captionHeight - 1;
    return {x % cell - 1, y % cell - 1};
}

bool AnnouncesTaskbarCreated(int version) {
    return version > 4 * 65536 + 70;
}
