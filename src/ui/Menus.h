#pragma once
#include "ui/Component.h"

#include <memory>
#include <string>
#include <vector>

class TPopupMenu;
class TUtilWindow;

// One entry of a popup menu; the caption "-" makes a separator.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    std::wstring Caption;
    // The item a double-click on the menu's tray icon chooses; shown in bold.
    bool Default = false;
    TNotifyEvent OnClick;

    static bool IsSeparatorCaption(const std::wstring& caption) { return caption == L"-"; }
    bool IsSeparator() const { return IsSeparatorCaption(Caption); }
    void Click();

private:
    friend class TPopupMenu;
    TPopupMenu* FMenu = nullptr;
};

// A menu that opens at a screen point. Popup returns once the menu has closed; the chosen
// item's OnClick runs after that, from the message loop, so a handler may open the menu again.
// What a tray icon asks of its menu is virtual, so tests of the icon can stand in their own.
class TPopupMenu : public TComponent {
public:
    // With autoHotkeys the menu marks an access key in every caption that has none.
    TPopupMenu(TComponent* AOwner, bool autoHotkeys);
    ~TPopupMenu() override;

    const std::vector<TMenuItem*>& Items() const { return FItems; }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    // The captions as the menu shows them.
    std::vector<std::wstring> ShownCaptions() const;
    virtual void Popup(int x, int y);

    // Whether a tray icon opens the menu by itself on a right press.
    virtual bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    // The component that opened the menu last, for handlers that serve several.
    TComponent* PopupComponent() const { return FPopupComponent; }
    virtual void SetPopupComponent(TComponent* component);
    // Clicks the item of lowest index marked as the default one, if any.
    virtual void ClickDefaultItem();
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
    bool FAutoHotkeys;
    std::vector<TMenuItem*> FItems;
    std::vector<std::wstring> FShown; // the captions of the menu being shown
    int FDpi = 96;                    // the density of the monitor it is shown on
    std::unique_ptr<TUtilWindow> FWindow;
};
