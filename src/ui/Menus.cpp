#include "ui/Menus.h"

#include "ui/MenuHotkeys.h"
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
        if (msg != WM_MENUCHOSEN)
            return DefWindowProcW(h, msg, w, l);
        if (w >= 1 && w <= FItems.size())
            FItems[w - 1]->Click();
        return LRESULT(0);
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

std::vector<std::wstring> TPopupMenu::ShownCaptions() const {
    std::vector<std::wstring> captions;
    for (const TMenuItem* item : FItems)
        captions.push_back(item->Caption);
    return FAutoHotkeys ? WithAutoHotkeys(captions) : captions;
}

void TPopupMenu::Popup(int x, int y) {
    const HMENU menu = CreatePopupMenu();
    const auto captions = ShownCaptions();
    for (size_t i = 0; i < captions.size(); ++i) {
        if (FItems[i]->IsSeparator())
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, MF_STRING, i + 1, captions[i].c_str());
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
