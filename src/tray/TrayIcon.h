#pragma once
// A notification-area icon: its shell record, picture and tooltip, mouse events with click
// and enter/exit detection, the application's main window, and balloon notifications.
#include "ui/Component.h"
#include "ui/Menus.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

class TImageList;
class TSimpleTimer;
class TUtilWindow;
class TTrayIcon;

// The callback message every icon registers with the shell.
constexpr UINT WM_TRAYCALLBACK = WM_USER + 1024;
// The shell's restart announcement, registered at start-up; 0 when it could not be.
extern const UINT WM_TASKBARCREATED;

enum TBehavior { bhWin95, bhWin2000 };
enum TBalloonHintIcon { bitNone, bitInfo, bitWarning, bitError, bitCustom };
// Seconds, 10 to 60.
using TBalloonHintTimeOut = std::uint8_t;

using TCycleEvent = std::function<void(TObject* Sender, int NextIndex)>;
using TStartupEvent = std::function<void(TObject* Sender, bool& ShowMainForm)>;

// The shell's icon record up to the balloon icon kind, as the shell's version 2 knows it.
union TTimeoutOrVersion {
    UINT uTimeout;
    UINT uVersion;
};
struct TNotifyIconDataEx {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    WCHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    WCHAR szInfo[256];
    TTimeoutOrVersion TimeoutOrVersion;
    WCHAR szInfoTitle[64];
    DWORD dwInfoFlags;
};
static_assert(sizeof(TNotifyIconDataEx) == NOTIFYICONDATAW_V2_SIZE);
static_assert(offsetof(TNotifyIconDataEx, dwInfoFlags) == offsetof(NOTIFYICONDATAW, dwInfoFlags));
#ifndef _WIN64
static_assert(sizeof(TNotifyIconDataEx) == 936);
#endif

// The size the notification area shows icons at: the small-icon size for the density of the
// taskbar's monitor where the system can tell it, for the system's density otherwise.
int ShellSmallIconSize();

// Platform calls of the tray icon that tests steer.
struct TTrayPlatform {
    BOOL(WINAPI* NotifyIcon)(DWORD, PNOTIFYICONDATAW) = Shell_NotifyIconW;
    BOOL(WINAPI* CursorPos)(LPPOINT) = GetCursorPos;
    SHORT(WINAPI* KeyState)(int) = GetAsyncKeyState;
    int (*SmallIconSize)() = ShellSmallIconSize;
};
extern TTrayPlatform TrayPlatform;

// The one hidden window that receives every icon's callbacks. Icons are known by a counted
// 32-bit identifier, so a callback naming an icon that is gone is dropped.
class TTrayIconHandler : public TObject {
public:
    TTrayIconHandler();
    ~TTrayIconHandler() override;

    UINT Add(TTrayIcon* icon);
    void Remove(UINT id);
    TTrayIcon* Find(UINT id) const;
    HWND Handle() const;

    std::uint32_t RefCount = 0;

private:
    LRESULT HandleIconMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    std::unique_ptr<TUtilWindow> FWindow;
    std::map<UINT, TTrayIcon*> FIcons;
};

// The shared handler while at least one icon lives, null otherwise.
TTrayIconHandler* TrayHandler();
// Each icon's constructor takes the shared window (made by the first) and gets its identifier;
// its destructor gives it back, and the last one destroys the window.
UINT AcquireTrayHandler(TTrayIcon* icon);
void ReleaseTrayHandler(UINT id);

class TTrayIcon : public TComponent {
public:
    explicit TTrayIcon(TComponent* AOwner);
    ~TTrayIcon() override;

    void Loaded() override;
    // A removed image list or menu is forgotten.
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TImageList* IconList() const { return FIconList; }
    void SetIconList(TImageList* list);
    bool CycleIcons() const { return FCycleIcons; }
    void SetCycleIcons(bool value);
    std::uint32_t CycleInterval() const { return FCycleInterval; }
    void SetCycleInterval(std::uint32_t ms);
    const std::wstring& Hint() const { return FHint; }
    void SetHint(const std::wstring& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    // The icon keeps its own copy of the picture it is given.
    HICON Icon() const { return FIcon; }
    void SetIcon(HICON picture);
    bool IconVisible() const { return FIconVisible; }
    void SetIconVisible(bool value);
    int IconIndex() const { return FIconIndex; }
    void SetIconIndex(int index);
    // The size list pictures are taken at: the shell's, as it was last asked.
    int IconSize() const { return FIconSize; }
    // Asks the shell's icon size again and, where it changed, takes the list's picture anew.
    void FollowShellIconSize();
    bool WantEnterExitEvents() const { return FWantEnterExitEvents; }
    void SetWantEnterExitEvents(bool value);
    TBehavior Behavior() const { return FBehavior; }
    void SetBehavior(TBehavior value);
    HWND Handle() const { return IconData.hWnd; }

    // Plain settings: no side effect when written.
    bool DesignPreview = false;
    bool Enabled = true;
    bool LeftPopup = false;
    bool MinimizeToTray = false;
    TPopupMenu* PopupMenu = nullptr;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TCycleEvent OnCycle;
    TStartupEvent OnStartup;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMinimizeToTray;
    TNotifyEvent OnBalloonHintShow;
    TNotifyEvent OnBalloonHintHide;
    TNotifyEvent OnBalloonHintTimeout;
    TNotifyEvent OnBalloonHintClick;

    bool Refresh();
    // Text and title of the narrow form are UTF-8.
    bool ShowBalloonHint(const std::string& Title, const std::string& Text,
                         TBalloonHintIcon IconType, TBalloonHintTimeOut TimeoutSecs);
    bool ShowBalloonHintUnicode(const std::wstring& Title, const std::wstring& Text,
                                TBalloonHintIcon IconType, TBalloonHintTimeOut TimeoutSecs);
    bool HideBalloonHint();
    void Popup(int X, int Y);
    void PopupAtCursor();
    // Icon receives a new 16 by 16 icon, which the caller destroys; false when the bitmap
    // could not be turned into one (Icon is then null).
    static bool BitmapToIcon(HBITMAP Bitmap, HICON& Icon, COLORREF MaskColor);
    POINT GetClientIconPos(int X, int Y) const;
    HWND GetTooltipHandle() const;
    HWND GetBalloonHintHandle() const;
    bool SetFocus();
    void HideTaskbarIcon();
    void ShowTaskbarIcon();
    void ShowMainForm();
    void HideMainForm();

protected:
    virtual bool TrayAdd();
    virtual bool TrayDelete();
    virtual bool TrayModify();
    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoCycle(int NextIndex);
    virtual void DoMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DoMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DoMouseMove(TShiftState Shift, int X, int Y);
    virtual void DoMouseEnter();
    virtual void DoMouseExit();
    virtual void HideToTray();

    TNotifyIconDataEx IconData{};

private:
    friend class TTrayIconHandler;
    void HandleCallback(LPARAM notification);
    void LeftButtonDown(TShiftState shift, POINT at);
    void LeftButtonUp(TShiftState shift, POINT at);
    void LeftDoubleClick();
    void RightButtonDown(TShiftState shift, POINT at);
    void AutoPopup();
    // Whether the icon of that identifier still lives: an event handler may free it.
    static bool Alive(UINT id);
    void PrepareIconData();
    bool Send(DWORD message);
    void AssignPicture(HICON owned);
    void CycleTimerTick(TObject* Sender);
    void ClickTimerTick(TObject* Sender);
    void ExitTimerTick(TObject* Sender);
    HWND OwnerHandle() const;
    void InstallMainWindowWatch();
    void RemoveMainWindowWatch();
    bool ApplicationHook(UINT msg, WPARAM wParam);
    void RestoreMainForm();
    bool TryMinimizeToTray();
    static LRESULT CALLBACK OwnerWindowProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void StartupDecision();

    UINT FIconID;
    HICON FIcon = nullptr;
    bool FIconVisible = false;
    std::wstring FHint;
    bool FShowHint = true;
    bool FClickStart = false;
    bool FClickReady = false;
    std::unique_ptr<TSimpleTimer> CycleTimer;
    std::unique_ptr<TSimpleTimer> ClickTimer;
    std::unique_ptr<TSimpleTimer> ExitTimer;
    int LastMoveX = 0;
    int LastMoveY = 0;
    bool FDidExit = true;
    bool FWantEnterExitEvents = false;
    TBehavior FBehavior = bhWin95;
    bool IsDblClick = false;
    int FIconIndex = 0;
    int FIconSize;
    TImageList* FIconList = nullptr;
    bool FCycleIcons = false;
    std::uint32_t FCycleInterval = 0;
    int FHookId = 0;
    HWND FSubclassedOwner = nullptr;
};
