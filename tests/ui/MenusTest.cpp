// Popup menus in the dark style draw their items in its colours; the system look leaves the
// drawing to the system. Either way the chosen item's handler runs.
#include "harness/OpenMenu.h"
#include "harness/Pump.h"
#include "ui/Menus.h"
#include "ui/Styles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What a timer saw of the open menu, step by step: its item kinds, then its colours.
struct TSeen {
    int Step = 0;
    std::vector<UINT> Kinds;
    std::wstring FirstText;       // what a screen reader reads of the first item
    COLORREF Plain = CLR_INVALID; // beside the first item's text
    COLORREF Hot = CLR_INVALID;   // the same place once the item is highlighted
    int BrightPixels = 0;         // text drawn on the first item
};
TSeen Seen;

// A point at the right end of the first item, where no text reaches.
COLORREF FirstItemMargin(HWND window, HMENU menu) {
    RECT item{};
    GetMenuItemRect(window, menu, 0, &item);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&item), 2);
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, item.right - 3, (item.top + item.bottom) / 2);
    for (int x = item.left; x < item.right; ++x)
        for (int y = item.top; y < item.bottom; ++y)
            if (GetRValue(GetPixel(dc, x, y)) > 0xA0)
                ++Seen.BrightPixels;
    ReleaseDC(window, dc);
    return colour;
}

void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND window = hx::e2e::OpenMenu();
    if (!window)
        return;
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    if (Seen.Step == 0) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE;
            GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
            Seen.Kinds.push_back(info.fType);
        }
        wchar_t text[64] = {};
        GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
        Seen.FirstText = text;
        Seen.Plain = FirstItemMargin(window, menu);
        PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    } else if (Seen.Step == 1) {
        Seen.Hot = FirstItemMargin(window, menu);
        PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    }
    ++Seen.Step;
}

struct TMenuCase {
    bool Dark;
};

class MenuLook : public testing::TestWithParam<TMenuCase> {};

TEST_P(MenuLook, ItemsAreDrawnInTheStylesColoursAndStillChosen) {
    if (GetParam().Dark)
        ASSERT_TRUE(TStyleManager::TrySetStyle(L"Windows10 Dark", false));
    else
        TStyleManager::UseSystemLook();
    TPopupMenu menu(nullptr, false);
    std::vector<TMenuItem*> items;
    for (const wchar_t* caption : {L"50% [ウィンドウ表示]", L"-", L"↑"}) {
        items.push_back(new TMenuItem(&menu));
        items.back()->Caption = caption;
        menu.Add(items.back());
    }
    int clicked = 0;
    items[0]->OnClick = [&](TObject*) { ++clicked; };

    Seen = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, LookAtMenu);
    menu.Popup(200, 200);
    KillTimer(nullptr, timer);
    PumpUntil([&] { return clicked > 0; }, 1000);

    EXPECT_EQ(clicked, 1);
    ASSERT_EQ(Seen.Kinds.size(), 3u);
    EXPECT_TRUE(Seen.Kinds[1] & MFT_SEPARATOR);
    EXPECT_EQ(Seen.FirstText, L"50% [ウィンドウ表示]");
    const TStyleColors& colors = TStyleManager::Colors();
    for (UINT kind : Seen.Kinds)
        EXPECT_EQ((kind & MFT_OWNERDRAW) != 0, GetParam().Dark);
    if (GetParam().Dark) {
        EXPECT_EQ(Seen.Plain, colors.Face);
        EXPECT_EQ(Seen.Hot, colors.Hot);
        EXPECT_GT(Seen.BrightPixels, 20) << "light text on the dark item";
    } else {
        EXPECT_NE(Seen.Plain, RGB(0x20, 0x20, 0x20));
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, MenuLook, testing::Values(TMenuCase{true}, TMenuCase{false}),
                         [](const auto& info) { return info.param.Dark ? "Dark" : "System"; });

void CALLBACK TypeFive(HWND, UINT, UINT_PTR, DWORD) {
    const HWND window = hx::e2e::OpenMenu();
    if (window)
        PostMessageW(window, WM_CHAR, L'5', 0);
}

// Owner-drawn items hide their captions from the system: the access keys must still work.
TEST(MenuKeys, AnAccessKeyChoosesItsItemInTheDarkStyle) {
    ASSERT_TRUE(TStyleManager::TrySetStyle(L"Windows10 Dark", false));
    TPopupMenu menu(nullptr, true);
    int chosen = -1;
    for (int percent : {100, 50, 0}) {
        auto* item = new TMenuItem(&menu);
        item->Caption = std::to_wstring(percent) + L"%";
        item->OnClick = [&chosen, percent](TObject*) { chosen = percent; };
        menu.Add(item);
    }
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, TypeFive);
    menu.Popup(200, 200);
    KillTimer(nullptr, timer);
    PumpUntil([&] { return chosen >= 0; }, 1000);
    EXPECT_EQ(chosen, 50);
}

} // namespace
