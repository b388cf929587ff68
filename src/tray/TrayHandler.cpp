// The shared callback window and the mouse half of the icon: the callback table, clicks and
// double-clicks, the automatic popup and leaving the icon.
#include "tray/TrayIcon.h"

#include "timer/SimpleTimer.h"
#include "tray/TrayLogic.h"
#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/UtilWindow.h"

#include <vector>

TTrayPlatform TrayPlatform;

namespace {

int CommonControlsVersion() {
    wchar_t path[] = L"comctl32.dll";
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0)
        return -1;
    std::vector<BYTE> info(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(path, 0, size, info.data()) ||
        !VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return -1;
    return static_cast<int>(fixed->dwFileVersionMS);
}

UINT RegisterTaskbarCreated() {
    return AnnouncesTaskbarCreated(CommonControlsVersion())
               ? RegisterWindowMessageW(L"TaskbarCreated")
               : 0;
}

// Released by the last icon; at program end whatever a forgotten icon kept is freed.
std::unique_ptr<TTrayIconHandler> Handler;
// Identifiers are counted, never reused within the process, and fit the shell's 32 bits.
UINT LastIconId = 0;

TShiftState CurrentShiftState() {
    const auto down = [](int key) { return (TrayPlatform.KeyState(key) & 0x8000) != 0; };
    TShiftState shift = 0;
    if (down(VK_SHIFT))
        shift |= ssShift;
    if (down(VK_MENU))
        shift |= ssAlt;
    if (down(VK_CONTROL))
        shift |= ssCtrl;
    return shift;
}

} // namespace

const UINT WM_TASKBARCREATED = RegisterTaskbarCreated();

TTrayIconHandler* TrayHandler() {
    return Handler.get();
}

UINT AcquireTrayHandler(TTrayIcon* icon) {
    if (!Handler)
        Handler = std::make_unique<TTrayIconHandler>();
    return Handler->Add(icon);
}

void ReleaseTrayHandler(UINT id) {
    if (!Handler)
        return;
    Handler->Remove(id);
    if (Handler->RefCount == 0)
        Handler.reset();
}

TTrayIconHandler::TTrayIconHandler()
    : FWindow(std::make_unique<TUtilWindow>([this](HWND h, UINT msg, WPARAM w, LPARAM l) {
          return HandleIconMessage(h, msg, w, l);
      })) {
}

TTrayIconHandler::~TTrayIconHandler() = default;

HWND TTrayIconHandler::Handle() const {
    return FWindow->Handle();
}

UINT TTrayIconHandler::Add(TTrayIcon* icon) {
    FIcons[++LastIconId] = icon;
    ++RefCount;
    return LastIconId;
}

void TTrayIconHandler::Remove(UINT id) {
    FIcons.erase(id);
    if (RefCount > 0)
        --RefCount;
}

TTrayIcon* TTrayIconHandler::Find(UINT id) const {
    const auto it = FIcons.find(id);
    return it == FIcons.end() ? nullptr : it->second;
}

LRESULT TTrayIconHandler::HandleIconMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TRAYCALLBACK:
        if (TTrayIcon* icon = Find(static_cast<UINT>(wParam)))
            icon->HandleCallback(lParam);
        return 0;
    // The display's scale may have changed, and with it the size the shell shows icons at.
    case WM_DPICHANGED:
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
        for (const auto& [id, icon] : FIcons)
            icon->FollowShellIconSize();
        break;
    // The shared window outlives closing, log-off questions and stray destroy requests.
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_ENDSESSION:
    case WM_NCDESTROY:
        return 1;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

bool TTrayIcon::Alive(UINT id) {
    return Handler && Handler->Find(id);
}

void TTrayIcon::HandleCallback(LPARAM notification) {
    const UINT id = FIconID;
    const auto raise = [this](const TNotifyEvent& event) {
        if (event)
            event(this);
    };
    switch (notification) {
    case NIN_BALLOONSHOW:
        return raise(OnBalloonHintShow);
    case NIN_BALLOONHIDE:
        return raise(OnBalloonHintHide);
    case NIN_BALLOONTIMEOUT:
        return raise(OnBalloonHintTimeout);
    case NIN_BALLOONUSERCLICK:
        return raise(OnBalloonHintClick);
    }
    if (!Enabled)
        return;
    const TShiftState shift = CurrentShiftState();
    POINT at{};
    TrayPlatform.CursorPos(&at);
    const bool win2000 = FBehavior == bhWin2000;
    switch (notification) {
    case WM_MOUSEMOVE:
        if (FWantEnterExitEvents && FDidExit) {
            DoMouseEnter();
            if (!Alive(id))
                return;
            FDidExit = false;
        }
        DoMouseMove(shift, at.x, at.y);
        if (Alive(id)) {
            LastMoveX = at.x;
            LastMoveY = at.y;
        }
        return;
    case WM_LBUTTONDOWN:
        return LeftButtonDown(shift | ssLeft, at);
    case WM_LBUTTONUP:
        return LeftButtonUp(shift | ssLeft, at);
    case WM_LBUTTONDBLCLK:
        return LeftDoubleClick();
    case WM_RBUTTONDOWN:
        return RightButtonDown(shift | ssRight, at);
    case WM_RBUTTONUP:
        if (!win2000)
            DoMouseUp(mbRight, shift | ssRight, at.x, at.y);
        return;
    case WM_CONTEXTMENU:
    case NIN_SELECT:
    case NIN_KEYSELECT:
        if (win2000)
            DoMouseUp(mbRight, shift | ssRight, at.x, at.y);
        return;
    case WM_MBUTTONDOWN:
        return DoMouseDown(mbMiddle, shift | ssMiddle, at.x, at.y);
    case WM_MBUTTONUP:
        return DoMouseUp(mbMiddle, shift | ssMiddle, at.x, at.y);
    }
}

// Every step after an event handler first makes sure the handler has not freed the icon.
void TTrayIcon::LeftButtonDown(TShiftState shift, POINT at) {
    const UINT id = FIconID;
    if (OnDblClick) {
        ClickTimer->SetInterval(GetDoubleClickTime());
        ClickTimer->SetEnabled(true);
    }
    DoMouseDown(mbLeft, shift, at.x, at.y);
    if (!Alive(id))
        return;
    FClickStart = true;
    if (LeftPopup)
        AutoPopup();
}

void TTrayIcon::LeftButtonUp(TShiftState shift, POINT at) {
    const UINT id = FIconID;
    if (FClickStart)
        FClickReady = true;
    if (FClickStart && !ClickTimer->Enabled()) {
        FClickStart = false;
        FClickReady = false;
        DoClick();
        if (!Alive(id))
            return;
    }
    FClickStart = false;
    DoMouseUp(mbLeft, shift, at.x, at.y);
}

void TTrayIcon::LeftDoubleClick() {
    const UINT id = FIconID;
    FClickReady = false;
    IsDblClick = true;
    DoDblClick();
    if (Alive(id) && PopupMenu && PopupMenu->AutoPopup() && !LeftPopup)
        PopupMenu->ClickDefaultItem();
}

void TTrayIcon::RightButtonDown(TShiftState shift, POINT at) {
    const UINT id = FIconID;
    DoMouseDown(mbRight, shift, at.x, at.y);
    if (Alive(id))
        AutoPopup();
}

void TTrayIcon::AutoPopup() {
    if (!PopupMenu || !PopupMenu->AutoPopup())
        return;
    SetForegroundWindow(IconData.hWnd);
    PopupAtCursor();
}

void TTrayIcon::PopupAtCursor() {
    POINT at{};
    if (TrayPlatform.CursorPos(&at))
        Popup(at.x, at.y);
}

void TTrayIcon::Popup(int X, int Y) {
    const UINT id = FIconID;
    if (!PopupMenu)
        return;
    SetForegroundWindow(IconData.hWnd);
    if (Application)
        Application->ProcessMessages();
    if (!Alive(id) || !PopupMenu)
        return;
    PopupMenu->SetPopupComponent(this);
    const HWND owner = OwnerHandle();
    PopupMenu->Popup(X, Y);
    // Lets the owner's thread leave the menu mode cleanly once the menu has closed.
    if (owner)
        PostMessageW(owner, WM_NULL, 0, 0);
}

void TTrayIcon::ClickTimerTick(TObject*) {
    ClickTimer->SetEnabled(false);
    const bool click = !IsDblClick && FClickReady;
    IsDblClick = false;
    if (click) {
        FClickReady = false;
        DoClick();
    }
}

// Leaving is found by the cursor no longer standing where the last movement left it.
void TTrayIcon::ExitTimerTick(TObject*) {
    if (FDidExit)
        return;
    POINT at{};
    TrayPlatform.CursorPos(&at);
    if (at.x != LastMoveX || at.y != LastMoveY) {
        FDidExit = true;
        DoMouseExit();
    }
}

void TTrayIcon::DoClick() {
    if (OnClick)
        OnClick(this);
}
void TTrayIcon::DoDblClick() {
    if (OnDblClick)
        OnDblClick(this);
}
void TTrayIcon::DoCycle(int NextIndex) {
    if (OnCycle)
        OnCycle(this, NextIndex);
}
void TTrayIcon::DoMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}
void TTrayIcon::DoMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}
void TTrayIcon::DoMouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}
void TTrayIcon::DoMouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(this);
}
void TTrayIcon::DoMouseExit() {
    if (OnMouseExit)
        OnMouseExit(this);
}
