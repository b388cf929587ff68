#include "ui/Menus.h"

#include "ui/Dpi.h"
#include "ui/MenuHotkeys.h"
#include "ui/MenuPaint.h"
#include "ui/Styles.h"
#include "ui/UtilWindow.h"

#include <algorithm>

namespace {
// Posted to the menu's own window with the chosen item's position plus one.
const UINT WM_MENUCHOSEN = WM_APP + 1;
} // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {
}

TMenuItem::~TMenuItem() {
    if (FMenu)
        FMenu->Remove(this);
}

void TMenuItem::Click() {
    if (OnClick)
        OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner, bool autoHotkeys)
    : TComponent(AOwner), FAutoHotkeys(autoHotkeys) {
    FWindow = std::make_unique<TUtilWindow>([this](HWND h, UINT msg, WPARAM w, LPARAM l) {
        switch (msg) {
        case WM_MENUCHOSEN:
            if (w >= 1 && w <= FItems.size())
                FItems[w - 1]->Click();
            return LRESULT(TRUE);
        case WM_MENUCHAR:
            // Owner-drawn items keep their captions to themselves: the menu asks for the key.
            if (const int index = ItemOfAccessKey(FShown, wchar_t(LOWORD(w))); index >= 0)
                return MAKELRESULT(index, MNC_EXECUTE);
            break;
        case WM_MEASUREITEM:
            if (auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
                item->CtlType == ODT_MENU && item->itemData < FShown.size()) {
                const std::wstring& caption = FShown[item->itemData];
                MenuPaint::Measure(*item, caption, TMenuItem::IsSeparatorCaption(caption), FDpi);
                return LRESULT(TRUE);
            }
            break;
        case WM_DRAWITEM:
            if (const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
                item->CtlType == ODT_MENU && item->itemData < FShown.size()) {
                const std::wstring& caption = FShown[item->itemData];
                MenuPaint::Draw(*item, caption, TMenuItem::IsSeparatorCaption(caption), FDpi);
                return LRESULT(TRUE);
            }
            break;
        }
        return DefWindowProcW(h, msg, w, l);
    });
}

TPopupMenu::~TPopupMenu() {
    for (TMenuItem* item : FItems)
        item->FMenu = nullptr;
}

void TPopupMenu::Add(TMenuItem* item) {
    if (item->FMenu)
        item->FMenu->Remove(item);
    item->FMenu = this;
    FItems.push_back(item);
}

void TPopupMenu::Remove(TMenuItem* item) {
    std::erase(FItems, item);
    item->FMenu = nullptr;
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
    RemoveFreeNotification(FPopupComponent);
    FPopupComponent = component;
    FreeNotification(component);
}

void TPopupMenu::ClickDefaultItem() {
    const auto it = std::find_if(FItems.begin(), FItems.end(),
                                 [](const TMenuItem* item) { return item->Default; });
    if (it != FItems.end())
        (*it)->Click();
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent)
        FPopupComponent = nullptr;
}

std::vector<std::wstring> TPopupMenu::ShownCaptions() const {
    std::vector<std::wstring> captions;
    for (const TMenuItem* item : FItems)
        captions.push_back(item->Caption);
    return FAutoHotkeys ? WithAutoHotkeys(captions) : captions;
}

void TPopupMenu::Popup(int x, int y) {
    const HMENU menu = CreatePopupMenu();
    FShown = ShownCaptions();
    FDpi = MonitorDpi(MonitorFromPoint({x, y}, MONITOR_DEFAULTTONEAREST));
    const bool drawn = TStyleManager::IsCustomStyleActive();
    if (drawn) {
        MENUINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = MIM_BACKGROUND;
        info.hbrBack = TStyleManager::FaceBrush();
        SetMenuInfo(menu, &info);
    }
    for (size_t i = 0; i < FShown.size(); ++i) {
        // Drawn items keep their caption too, for screen readers; the drawing finds it by the
        // position the item carries.
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE;
        info.fType = drawn ? MFT_OWNERDRAW : 0;
        info.fState = FItems[i]->Default ? MFS_DEFAULT : 0;
        if (FItems[i]->IsSeparator()) {
            info.fType |= MFT_SEPARATOR;
        } else {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = FShown[i].data();
        }
        info.wID = static_cast<UINT>(i + 1);
        info.dwItemData = i;
        InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &info);
    }
    const HWND window = FWindow->Handle();
    // Without the foreground the menu would not close on a click elsewhere.
    SetForegroundWindow(window);
    const auto chosen = static_cast<WPARAM>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, window, nullptr));
    DestroyMenu(menu);
    PostMessageW(window, WM_NULL, 0, 0);
    if (chosen)
        PostMessageW(window, WM_MENUCHOSEN, chosen, 0);
}
