// The shared window's callback table, clicks and double-clicks, enter and exit, the popup.
#include "TrayFixture.h"
#include "harness/OpenMenu.h"
#include "ui/Menus.h"

namespace {

// Writes every event of an icon into one line, "Down L 9 100,200" and the like.
class EventLog {
public:
    explicit EventLog(TTrayIcon& icon, bool withDblClick = false) {
        const auto button = [](TMouseButton b) {
            return b == mbLeft ? "L" : b == mbRight ? "R" : "M";
        };
        const auto mouse = [this, button](const char* what) {
            return [this, what, button](TObject*, TMouseButton b, TShiftState s, int x, int y) {
                Add(std::string(what) + " " + button(b) + " " + std::to_string(s) + " " +
                    std::to_string(x) + "," + std::to_string(y));
            };
        };
        const auto plain = [this](const char* what) {
            return [this, what](TObject*) { Add(what); };
        };
        icon.OnMouseDown = mouse("Down");
        icon.OnMouseUp = mouse("Up");
        icon.OnMouseMove = [this](TObject*, TShiftState s, int x, int y) {
            Add("Move " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
        };
        icon.OnClick = plain("Click");
        if (withDblClick)
            icon.OnDblClick = plain("Dbl");
        icon.OnMouseEnter = plain("Enter");
        icon.OnMouseExit = plain("Exit");
        icon.OnBalloonHintShow = plain("BShow");
        icon.OnBalloonHintHide = plain("BHide");
        icon.OnBalloonHintTimeout = plain("BTimeout");
        icon.OnBalloonHintClick = plain("BClick");
    }
    void Add(const std::string& s) { text += (text.empty() ? "" : "; ") + s; }
    std::string Take() { return std::exchange(text, std::string()); }

private:
    std::string text;
};

struct CallbackRow {
    UINT notification;
    TBehavior behavior;
    bool enabled;
    std::string expected;
};

class TrayCallbackTable : public TrayTest, public testing::WithParamInterface<CallbackRow> {};

TEST_P(TrayCallbackTable, RaisesTheEventsOfItsRow) {
    const CallbackRow& row = GetParam();
    TProbeIcon icon(app.get());
    EventLog log(icon);
    icon.SetBehavior(row.behavior);
    icon.Enabled = row.enabled;
    Callback(icon, row.notification);
    EXPECT_EQ(log.Take(), row.expected);
}

// Left 8, right 16, middle 32; the cursor stands at 100,200.
INSTANTIATE_TEST_SUITE_P(
    Table, TrayCallbackTable,
    testing::Values(CallbackRow{WM_MOUSEMOVE, bhWin95, true, "Move 0 100,200"},
                    CallbackRow{WM_LBUTTONDOWN, bhWin95, true, "Down L 8 100,200"},
                    CallbackRow{WM_LBUTTONUP, bhWin95, true, "Up L 8 100,200"},
                    CallbackRow{WM_LBUTTONDBLCLK, bhWin95, true, ""},
                    CallbackRow{WM_RBUTTONDOWN, bhWin95, true, "Down R 16 100,200"},
                    CallbackRow{WM_RBUTTONUP, bhWin95, true, "Up R 16 100,200"},
                    CallbackRow{WM_RBUTTONUP, bhWin2000, true, ""},
                    CallbackRow{WM_CONTEXTMENU, bhWin95, true, ""},
                    CallbackRow{WM_CONTEXTMENU, bhWin2000, true, "Up R 16 100,200"},
                    CallbackRow{NIN_SELECT, bhWin95, true, ""},
                    CallbackRow{NIN_SELECT, bhWin2000, true, "Up R 16 100,200"},
                    CallbackRow{NIN_KEYSELECT, bhWin2000, true, "Up R 16 100,200"},
                    CallbackRow{WM_MBUTTONDOWN, bhWin95, true, "Down M 32 100,200"},
                    CallbackRow{WM_MBUTTONUP, bhWin95, true, "Up M 32 100,200"},
                    CallbackRow{WM_RBUTTONDBLCLK, bhWin95, true, ""},
                    CallbackRow{WM_MBUTTONDBLCLK, bhWin95, true, ""},
                    CallbackRow{WM_MOUSEMOVE, bhWin95, false, ""},
                    CallbackRow{WM_LBUTTONDOWN, bhWin95, false, ""},
                    CallbackRow{WM_RBUTTONDOWN, bhWin95, false, ""},
                    CallbackRow{WM_CONTEXTMENU, bhWin2000, false, ""},
                    CallbackRow{WM_MBUTTONUP, bhWin95, false, ""},
                    CallbackRow{NIN_BALLOONSHOW, bhWin95, false, "BShow"},
                    CallbackRow{NIN_BALLOONHIDE, bhWin95, false, "BHide"},
                    CallbackRow{NIN_BALLOONTIMEOUT, bhWin95, false, "BTimeout"},
                    CallbackRow{NIN_BALLOONUSERCLICK, bhWin2000, true, "BClick"}));

TEST_F(TrayTest, ShiftStateComesFromTheKeysAndTheMessageButton) {
    TProbeIcon icon(app.get());
    EventLog log(icon);
    FakeShell::keysDown = {VK_SHIFT, VK_CONTROL};
    Callback(icon, WM_LBUTTONDOWN);
    FakeShell::keysDown = {VK_MENU, VK_LBUTTON};
    Callback(icon, WM_MOUSEMOVE);
    EXPECT_EQ(log.Take(), "Down L 13 100,200; Move 2 100,200");
}

struct ClickRow {
    std::string name;
    bool withDblClick;
    std::vector<UINT> gesture; // 0 stands for waiting past the double-click time
    std::string expected;
};

class TrayClicks : public TrayTest, public testing::WithParamInterface<ClickRow> {};

TEST_P(TrayClicks, ClickAndDoubleClickSequences) {
    const ClickRow& row = GetParam();
    TProbeIcon icon(app.get());
    EventLog log(icon, row.withDblClick);
    icon.OnMouseMove = nullptr;
    for (UINT step : row.gesture) {
        if (step)
            Callback(icon, step);
        else
            PumpFor(GetDoubleClickTime() + 200);
    }
    PumpFor(GetDoubleClickTime() + 200);
    EXPECT_EQ(log.Take(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TrayClicks,
    testing::Values(ClickRow{"Single",
                             false,
                             {WM_LBUTTONDOWN, WM_LBUTTONUP},
                             "Down L 8 100,200; Click; Up L 8 100,200"},
                    ClickRow{"Double",
                             false,
                             {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
                             "Down L 8 100,200; Click; Up L 8 100,200; Up L 8 100,200"},
                    ClickRow{"Held",
                             false,
                             {WM_LBUTTONDOWN, 0, WM_LBUTTONUP},
                             "Down L 8 100,200; Click; Up L 8 100,200"},
                    ClickRow{"SingleWithDblClickHandler",
                             true,
                             {WM_LBUTTONDOWN, WM_LBUTTONUP},
                             "Down L 8 100,200; Up L 8 100,200; Click"},
                    ClickRow{"DoubleWithDblClickHandler",
                             true,
                             {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
                             "Down L 8 100,200; Up L 8 100,200; Dbl; Up L 8 100,200"},
                    ClickRow{"HeldWithDblClickHandler",
                             true,
                             {WM_LBUTTONDOWN, 0, WM_LBUTTONUP},
                             "Down L 8 100,200; Click; Up L 8 100,200"}),
    [](const testing::TestParamInfo<ClickRow>& info) { return info.param.name; });

TEST_F(TrayTest, EnterAndExitFollowTheCursor) {
    TProbeIcon icon(app.get());
    EventLog log(icon);
    icon.OnMouseMove = nullptr;
    icon.SetWantEnterExitEvents(true);
    Callback(icon, WM_MOUSEMOVE);
    Callback(icon, WM_MOUSEMOVE);
    PumpFor(150);
    EXPECT_EQ(log.Take(), "Enter") << "a cursor standing still stays inside";
    FakeShell::cursor = {101, 200};
    PumpFor(150);
    EXPECT_EQ(log.Take(), "Exit");
    Callback(icon, WM_MOUSEMOVE);
    EXPECT_EQ(log.Take(), "Enter");

    // Switched off while inside: no exit however the cursor moves, until switched on again.
    icon.SetWantEnterExitEvents(false);
    FakeShell::cursor = {300, 300};
    Callback(icon, WM_MOUSEMOVE);
    FakeShell::cursor = {5, 5};
    PumpFor(150);
    EXPECT_EQ(log.Take(), "");
    icon.SetWantEnterExitEvents(true);
    PumpFor(150);
    EXPECT_EQ(log.Take(), "Exit") << "the last movement was recorded while switched off";
}

TEST_F(TrayTest, DisabledIconRecordsNoMovement) {
    TProbeIcon icon(app.get());
    EventLog log(icon);
    icon.OnMouseMove = nullptr;
    icon.SetWantEnterExitEvents(true);
    Callback(icon, WM_MOUSEMOVE);
    icon.Enabled = false;
    FakeShell::cursor = {150, 150};
    Callback(icon, WM_MOUSEMOVE);
    PumpFor(150);
    EXPECT_EQ(log.Take(), "Enter; Exit");
}

class FakeMenu : public TPopupMenu {
public:
    FakeMenu() : TPopupMenu(nullptr, false) {}
    bool autoPopup = true;
    TComponent* component = nullptr;
    std::vector<POINT> shown;
    int defaultClicks = 0;
    bool AutoPopup() const override { return autoPopup; }
    void SetPopupComponent(TComponent* c) override { component = c; }
    void Popup(int X, int Y) override { shown.push_back({X, Y}); }
    void ClickDefaultItem() override { ++defaultClicks; }
};

TEST_F(TrayTest, MenuOpensAtTheCursorAfterTheButtonDown) {
    TProbeIcon icon(app.get());
    FakeMenu menu;
    int downsBeforePopup = -1;
    icon.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        downsBeforePopup = int(menu.shown.size());
    };
    icon.Popup(1, 1);
    EXPECT_TRUE(menu.shown.empty()) << "no menu assigned yet";
    icon.PopupMenu = &menu;
    Callback(icon, WM_LBUTTONDOWN);
    EXPECT_TRUE(menu.shown.empty()) << "the left button opens it only with LeftPopup";
    Callback(icon, WM_RBUTTONDOWN);
    ASSERT_EQ(menu.shown.size(), 1u);
    EXPECT_EQ(downsBeforePopup, 0);
    EXPECT_EQ(menu.shown[0].x, 100);
    EXPECT_EQ(menu.shown[0].y, 200);
    EXPECT_EQ(menu.component, &icon);
    icon.LeftPopup = true;
    Callback(icon, WM_LBUTTONDOWN);
    EXPECT_EQ(menu.shown.size(), 2u);
    menu.autoPopup = false;
    Callback(icon, WM_RBUTTONDOWN);
    EXPECT_EQ(menu.shown.size(), 2u);
}

TEST_F(TrayTest, DoubleClickChoosesTheMenuDefaultUnlessTheLeftButtonOpensIt) {
    TProbeIcon icon(app.get());
    FakeMenu menu;
    icon.PopupMenu = &menu;
    Callback(icon, WM_LBUTTONDBLCLK);
    EXPECT_EQ(menu.defaultClicks, 1);
    icon.LeftPopup = true;
    Callback(icon, WM_LBUTTONDBLCLK);
    EXPECT_EQ(menu.defaultClicks, 1);
}

// Notes whether a menu is on screen a moment after the test's thread enters a modal loop,
// and ends that menu.
struct TMenuWatch {
    static inline bool seen = false;
    static void CALLBACK Look(HWND, UINT, UINT_PTR id, DWORD) {
        if (hx::e2e::OpenMenu()) {
            seen = true;
            KillTimer(nullptr, id);
            EndMenu();
        }
    }
    UINT_PTR timer = SetTimer(nullptr, 0, 50, Look);
    ~TMenuWatch() { KillTimer(nullptr, timer); }
};

TEST_F(TrayTest, TheToolkitMenuOpensOnARightPressAndGivesItsDefaultToADoubleClick) {
    TProbeIcon icon(app.get());
    TPopupMenu menu(app.get(), false);
    std::string clicked;
    for (const wchar_t* caption : {L"a", L"b", L"c"}) {
        auto* item = new TMenuItem(&menu);
        item->Caption = caption;
        item->Default = caption[0] != L'a';
        item->OnClick = [&clicked, caption](TObject*) { clicked += char(caption[0]); };
        menu.Add(item);
    }
    icon.PopupMenu = &menu;
    Callback(icon, WM_LBUTTONDBLCLK);
    EXPECT_EQ(clicked, "b") << "the first default item, once";

    TMenuWatch::seen = false;
    {
        TMenuWatch watch;
        Callback(icon, WM_RBUTTONDOWN);
    }
    EXPECT_TRUE(TMenuWatch::seen);
    EXPECT_EQ(menu.PopupComponent(), &icon);
    EXPECT_EQ(hx::e2e::OpenMenu(), nullptr);

    // A menu that goes first leaves the icon without one.
    {
        TPopupMenu shortLived(app.get(), false);
        icon.PopupMenu = &shortLived;
    }
    EXPECT_EQ(icon.PopupMenu, nullptr);
}

TEST_F(TrayTest, CallbacksForIconsThatAreGoneAreIgnored) {
    TProbeIcon live(app.get());
    EventLog log(live);
    auto* gone = new TProbeIcon(app.get());
    const UINT goneId = gone->IconData.uID;
    EXPECT_NE(goneId, live.IconData.uID);
    delete gone;
    SendMessageW(live.Handle(), WM_TRAYCALLBACK, goneId, WM_LBUTTONDOWN);
    SendMessageW(live.Handle(), WM_TRAYCALLBACK, live.IconData.uID + 100, WM_LBUTTONDOWN);
    EXPECT_EQ(log.Take(), "");
}

TEST_F(TrayTest, AHandlerMayFreeItsIcon) {
    auto* icon = new TProbeIcon(app.get());
    icon->OnMouseDown = [](TObject* sender, TMouseButton, TShiftState, int, int) {
        delete static_cast<TTrayIcon*>(sender);
    };
    const HWND window = icon->Handle();
    const UINT id = icon->IconData.uID;
    SendMessageW(window, WM_TRAYCALLBACK, id, WM_LBUTTONDOWN);
    EXPECT_EQ(TrayHandler(), nullptr);
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
