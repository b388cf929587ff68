// The icon's shell record, its picture and tooltip, cycling, balloons and shell lookups.
#include "tray/TrayIcon.h"

#include "timer/SimpleTimer.h"
#include "tray/TrayLogic.h"
#include "ui/Dpi.h"
#include "ui/ImgList.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

namespace {

constexpr UINT BaseFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

// Clears the field and places at most max units of text, keeping a terminating zero.
template <std::size_t N>
void PlaceText(WCHAR (&field)[N], std::wstring_view text, std::size_t max = N - 1) {
    std::fill(std::begin(field), std::end(field), L'\0');
    std::copy_n(text.begin(), CutLength(text, std::min(max, N - 1)), field);
}

std::wstring FromUtf8(const std::string& s) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), w.data(), n);
    return w;
}

} // namespace

int ShellSmallIconSize() {
    const HWND taskbar = FindWindowExW(nullptr, nullptr, L"Shell_TrayWnd", nullptr);
    if (!taskbar)
        return GetSystemMetrics(SM_CXSMICON);
    return MetricForDpi(SM_CXSMICON,
                        MonitorDpi(MonitorFromWindow(taskbar, MONITOR_DEFAULTTOPRIMARY)));
}

TTrayIcon::TTrayIcon(TComponent* AOwner)
    : TComponent(AOwner), FIconID(AcquireTrayHandler(this)),
      FIconSize(TrayPlatform.SmallIconSize()) {
    IconData.cbSize = sizeof(IconData);
    IconData.hWnd = TrayHandler()->Handle();
    IconData.uID = FIconID;
    IconData.uFlags = BaseFlags;
    IconData.uCallbackMessage = WM_TRAYCALLBACK;
    CycleTimer = std::make_unique<TSimpleTimer>();
    CycleTimer->SetOnTimer([this](TObject* s) { CycleTimerTick(s); });
    ClickTimer = std::make_unique<TSimpleTimer>();
    ClickTimer->SetOnTimer([this](TObject* s) { ClickTimerTick(s); });
    ExitTimer = std::make_unique<TSimpleTimer>(20, [this](TObject* s) { ExitTimerTick(s); });
    InstallMainWindowWatch();
}

TTrayIcon::~TTrayIcon() {
    SetIconVisible(false);
    CycleTimer.reset();
    ClickTimer.reset();
    ExitTimer.reset();
    AssignPicture(nullptr);
    RemoveMainWindowWatch();
    ReleaseTrayHandler(FIconID);
}

// The shell sees the present picture and tooltip with every call that carries the record.
void TTrayIcon::PrepareIconData() {
    IconData.hIcon = FIcon;
    if (!FHint.empty() && FShowHint)
        PlaceText(IconData.szTip, FHint, 126);
    else
        PlaceText(IconData.szTip, {});
}

bool TTrayIcon::Send(DWORD message) {
    return TrayPlatform.NotifyIcon(message, reinterpret_cast<PNOTIFYICONDATAW>(&IconData)) != FALSE;
}

bool TTrayIcon::TrayAdd() {
    FIconVisible = true;
    PrepareIconData();
    return Send(NIM_ADD);
}

bool TTrayIcon::TrayDelete() {
    FIconVisible = false;
    PrepareIconData();
    return Send(NIM_DELETE);
}

bool TTrayIcon::TrayModify() {
    PrepareIconData();
    return Send(NIM_MODIFY);
}

bool TTrayIcon::Refresh() {
    return TrayModify();
}

void TTrayIcon::AssignPicture(HICON owned) {
    if (FIcon)
        DestroyIcon(FIcon);
    FIcon = owned;
}

void TTrayIcon::SetIconVisible(bool value) {
    if (value)
        TrayAdd();
    else
        TrayDelete();
}

// A picture that cannot be read leaves the icon empty: the shell then shows an empty slot.
void TTrayIcon::SetIcon(HICON picture) {
    AssignPicture(picture ? CopyIcon(picture) : nullptr);
    TrayModify();
}

void TTrayIcon::SetIconList(TImageList* list) {
    RemoveFreeNotification(FIconList);
    FIconList = list;
    // A list of another owner's would otherwise go without a word to the icon.
    FreeNotification(list);
    SetIconIndex(0);
}

void TTrayIcon::SetIconIndex(int index) {
    if (FIconList) {
        FIconIndex = ClampIconIndex(index, FIconList->Count());
        AssignPicture(FIconList->GetIcon(FIconIndex, FIconSize));
        TrayModify();
    } else {
        FIconIndex = 0;
    }
    TrayModify();
}

void TTrayIcon::FollowShellIconSize() {
    const int size = TrayPlatform.SmallIconSize();
    if (size == FIconSize)
        return;
    FIconSize = size;
    if (FIconList)
        SetIconIndex(FIconIndex);
}

void TTrayIcon::SetHint(const std::wstring& value) {
    FHint = value;
    TrayModify();
}

void TTrayIcon::SetShowHint(bool value) {
    FShowHint = value;
    TrayModify();
}

void TTrayIcon::SetCycleIcons(bool value) {
    FCycleIcons = value;
    if (value) {
        SetIconIndex(0);
        CycleTimer->SetInterval(FCycleInterval);
        CycleTimer->SetEnabled(true);
    } else {
        CycleTimer->SetEnabled(false);
    }
}

void TTrayIcon::SetCycleInterval(std::uint32_t ms) {
    if (ms == FCycleInterval)
        return;
    FCycleInterval = ms;
    SetCycleIcons(FCycleIcons);
}

void TTrayIcon::CycleTimerTick(TObject*) {
    if (!FIconList)
        return;
    const int count = FIconList->Count();
    AssignPicture(FIconList->GetIcon(FIconIndex, FIconSize));
    TrayModify();
    const UINT id = FIconID;
    DoCycle(FIconIndex + 1 < count ? FIconIndex + 1 : 0);
    // The handler may have freed the icon or taken its list away.
    if (!Alive(id) || !FIconList)
        return;
    SetIconIndex(FIconIndex < FIconList->Count() - 1 ? FIconIndex + 1 : 0);
}

void TTrayIcon::SetWantEnterExitEvents(bool value) {
    FWantEnterExitEvents = value;
    ExitTimer->SetEnabled(value);
}

void TTrayIcon::Loaded() {
    TComponent::Loaded();
    StartupDecision();
    TrayModify();
    SetIconVisible(FIconVisible);
    SetCycleIcons(FCycleIcons);
    SetWantEnterExitEvents(FWantEnterExitEvents);
    SetBehavior(FBehavior);
}

void TTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove || !AComponent)
        return;
    if (AComponent == FIconList)
        SetIconList(nullptr);
    if (AComponent == PopupMenu)
        PopupMenu = nullptr;
}

bool TTrayIcon::ShowBalloonHint(const std::string& Title, const std::string& Text,
                                TBalloonHintIcon IconType, TBalloonHintTimeOut TimeoutSecs) {
    return ShowBalloonHintUnicode(FromUtf8(Title), FromUtf8(Text), IconType, TimeoutSecs);
}

bool TTrayIcon::ShowBalloonHintUnicode(const std::wstring& Title, const std::wstring& Text,
                                       TBalloonHintIcon IconType, TBalloonHintTimeOut TimeoutSecs) {
    HideBalloonHint();
    IconData.uFlags |= NIF_INFO;
    PlaceText(IconData.szInfo, Text);
    PlaceText(IconData.szInfoTitle, Title);
    IconData.TimeoutOrVersion.uTimeout = TimeoutSecs * 1000u;
    IconData.dwInfoFlags = static_cast<DWORD>(IconType);
    const bool shown = TrayModify();
    IconData.uFlags = BaseFlags;
    return shown;
}

bool TTrayIcon::HideBalloonHint() {
    IconData.uFlags |= NIF_INFO;
    IconData.szInfo[0] = L'\0';
    return TrayModify();
}

bool TTrayIcon::BitmapToIcon(HBITMAP Bitmap, HICON& Icon, COLORREF MaskColor) {
    Icon = nullptr;
    const HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0);
    if (!list)
        return false;
    if (ImageList_AddMasked(list, Bitmap, MaskColor) >= 0)
        Icon = ImageList_GetIcon(list, 0, ILD_NORMAL);
    ImageList_Destroy(list);
    return Icon != nullptr;
}

POINT TTrayIcon::GetClientIconPos(int X, int Y) const {
    POINT p{X, Y};
    ScreenToClient(WindowFromPoint(p), &p);
    const TCellPoint cell = CellPos(p.x, p.y, GetSystemMetrics(SM_CYCAPTION));
    return {cell.X, cell.Y};
}

namespace {
// The first tooltip window of the taskbar's process whose no-prefix style bit is as asked.
HWND ShellTooltip(bool noPrefix) {
    const HWND tray = FindWindowExW(nullptr, nullptr, L"Shell_TrayWnd", nullptr);
    if (!tray)
        return nullptr;
    DWORD shell = 0;
    GetWindowThreadProcessId(tray, &shell);
    for (HWND w = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w;
         w = FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        const bool hasNoPrefix = (GetWindowLongW(w, GWL_STYLE) & TTS_NOPREFIX) != 0;
        if (process == shell && hasNoPrefix == noPrefix)
            return w;
    }
    return nullptr;
}
} // namespace

HWND TTrayIcon::GetTooltipHandle() const {
    return ShellTooltip(false);
}

HWND TTrayIcon::GetBalloonHintHandle() const {
    return ShellTooltip(true);
}
