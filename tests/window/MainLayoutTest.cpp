// The window as a person sees it: controls, menus, captions, fonts and the key help.
#include "window/MainFormFixture.h"

#include <algorithm>
#include <cwchar>

namespace {

RECT ClientRectIn(const TWinControl* control, HWND parent) {
    RECT r;
    GetWindowRect(control->Handle(), &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<std::wstring> Captions(const TPopupMenu* menu) {
    return menu->ShownCaptions();
}

// How much wider than the design the key help's widest line is in its font, if at all.
int KeyHelpOverhang(const TMainForm* form) {
    const HDC dc = GetDC(form->LabelHint->Handle());
    const HGDIOBJ old = SelectObject(dc, form->LabelHint->FontHandle());
    int widest = 0;
    for (const wchar_t* line : {L"  ↑:+1 ↓:-1 →:+10 ←:-10", L"  Home:100 End:0 Del:ミュート",
                                L"  マウスホイール ↑:+1 ↓:-1"}) {
        SIZE size{};
        GetTextExtentPoint32W(dc, line, lstrlenW(line), &size);
        widest = std::max(widest, int(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(form->LabelHint->Handle(), dc);
    return std::max(0, widest - form->Scaled(167));
}

// The designed places; where the key help is wider than the design, the window and its
// full-width strips are as much wider and the check box keeps to the right edge.
TEST_F(MainFormTest, ControlsSitWhereTheLayoutPutsThem) {
    TMainForm* form = Create();
    const int grow = KeyHelpOverhang(form);
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, form->Scaled(167) + grow);
    const HWND panel = form->Panel->Handle();
    struct Case {
        const TWinControl* control;
        HWND parent;
        RECT at96;
        bool moves = false; // with the right edge
    };
    // The device name's height follows its font (tested below).
    const Case cases[] = {
        {form->Panel, form->Handle(), {0, 0, 167, 42}},
        {form->LabelHint, form->Handle(), {0, 42, 167, 107}},
        {form->LabelVol, panel, {3, 3, 73, 39}},
        {form->CHKMute, panel, {107, 0, 167, 42}, true},
        {form->UpDown, panel, {75, 0, 100, 40}},
    };
    for (const Case& c : cases) {
        const RECT r = ClientRectIn(c.control, c.parent);
        RECT want{form->Scaled(c.at96.left), form->Scaled(c.at96.top), form->Scaled(c.at96.right),
                  form->Scaled(c.at96.bottom)};
        if (c.at96.right == 167)
            want.right += grow;
        if (c.moves)
            want.left += grow;
        EXPECT_TRUE(EqualRect(&r, &want))
            << testing::PrintToString(c.control->Name) << " at " << r.left << "," << r.top << ","
            << r.right << "," << r.bottom;
        EXPECT_EQ(GetParent(c.control->Handle()), c.parent);
        EXPECT_FALSE(GetWindowLongW(c.control->Handle(), GWL_STYLE) & WS_TABSTOP);
    }
    const LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_NE(form->Perform(WM_GETICON, ICON_SMALL), 0);
}

TEST_F(MainFormTest, TrayMenuListsTheVolumeArrowsAndPresetsWithoutMarks) {
    SetDevice(42, false);
    TMainForm* form = Create();
    const std::vector<std::wstring> want = {L"42% [ウィンドウ表示]",
                                            L"-",
                                            L"↑",
                                            L"↓",
                                            L"-",
                                            L"100%",
                                            L"90%",
                                            L"80%",
                                            L"70%",
                                            L"60%",
                                            L"50%",
                                            L"40%",
                                            L"30%",
                                            L"20%",
                                            L"10%",
                                            L"0%"};
    EXPECT_EQ(Captions(form->PPRMenu), want);
    const auto& items = form->PPRMenu->Items();
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(items[15 - i], form->MPPVol[i]);
        EXPECT_EQ(form->MPPVol[i]->Tag, i);
        EXPECT_EQ(form->MPPVol[i]->Name, L"PPVol" + std::to_wstring(i));
    }
}

TEST_F(MainFormTest, VolumeLabelMenuRunsFromHundredDownWithTagsUp) {
    TMainForm* form = Create();
    const auto& items = form->PPUpDown->Items();
    ASSERT_EQ(items.size(), 11u);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(items[i], form->MPPUpDown[i]);
        EXPECT_EQ(items[i]->Tag, i);
        EXPECT_EQ(items[i]->Caption, std::to_wstring(100 - i * 10) + L"%");
        EXPECT_EQ(items[i]->Owner(), form);
    }
    // This menu keeps the automatic access keys the tray menu goes without.
    EXPECT_EQ(Captions(form->PPUpDown).front(), L"&100%");
}

TEST_F(MainFormTest, PresetsOfBothMenusSetTheirPercent) {
    SetDevice(50, false);
    TMainForm* form = Create();
    struct Case {
        TMenuItem* item;
        int percent;
    };
    const Case cases[] = {{form->MPPVol[0], 0},     {form->MPPVol[7], 70},
                          {form->MPPVol[10], 100},  {form->MPPUpDown[10], 0},
                          {form->MPPUpDown[3], 70}, {form->MPPUpDown[0], 100}};
    for (const Case& c : cases) {
        c.item->Click();
        EXPECT_EQ(DevicePercent(), c.percent) << testing::PrintToString(c.item->Caption);
        EXPECT_EQ(form->LabelVol->Text(), std::to_wstring(c.percent) + L"%");
    }
}

TEST_F(MainFormTest, ApplyRefreshesEveryDisplayOfTheVolume) {
    SetDevice(10, false);
    TMainForm* form = Create();
    struct Case {
        int target;
        bool muted;
        int shown;
    };
    for (const Case& c : {Case{55, true, 55}, Case{0, false, 0}, Case{130, false, 100}}) {
        form->MVol = c.target;
        form->CHKMute->SetChecked(c.muted);
        form->ApplyVolume();
        const std::wstring percent = std::to_wstring(c.shown) + L"%";
        EXPECT_EQ(form->LabelVol->Text(), percent);
        EXPECT_EQ(form->PPVolDisp->Caption, percent + L" [ウィンドウ表示]");
        EXPECT_EQ(form->UpDown->Position(), c.shown);
        EXPECT_EQ(form->TrayIcon->IconIndex(), c.muted ? 101 : c.shown);
    }
}

TEST_F(MainFormTest, KeyHelpAndDeviceNameAreFilledAtCreation) {
    TMainForm* form = Create();
    const std::wstring help = form->LabelHint->Text();
    EXPECT_EQ(help.size(), 73u);
    EXPECT_EQ(help, L"\r\n  \u2191:+1 \u2193:-1 \u2192:+10 \u2190:-10\r\n  Home:100 End:0 "
                    L"Del:\u30df\u30e5\u30fc\u30c8\r\n  \u30de\u30a6\u30b9\u30db\u30a4\u30fc\u30eb "
                    L"\u2191:+1 \u2193:-1");
    EXPECT_EQ(form->MAudioName, L"Hushlet Test Speakers");
    EXPECT_EQ(form->LabelName->Text(), form->MAudioName);
}

// The system's menu font under another face while it lives; the test prefix's is Tahoma, the
// face of the rest of the window, which would hide which control took which face.
class TScopedMenuFace {
public:
    explicit TScopedMenuFace(const wchar_t* face) {
        FSaved.cbSize = sizeof(FSaved);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(FSaved), &FSaved, 0);
        NONCLIENTMETRICSW changed = FSaved;
        wcsncpy(changed.lfMenuFont.lfFaceName, face, LF_FACESIZE - 1);
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(changed), &changed, 0);
    }
    ~TScopedMenuFace() {
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(FSaved), &FSaved, 0);
    }

private:
    NONCLIENTMETRICSW FSaved{};
};

int LineHeight(HFONT font) {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

TEST_F(MainFormTest, DeviceNameTakesTheHeightOfItsFontAndTheWindowShowsItWhole) {
    for (const wchar_t* face : {L"Tahoma", L"IPAPGothic"}) {
        TScopedMenuFace menu(face);
        TMainForm* form = Create();
        const RECT r = ClientRectIn(form->LabelName, form->Handle());
        const int line = LineHeight(form->LabelName->FontHandle());
        EXPECT_EQ(r.top, form->Scaled(107)) << testing::PrintToString(face);
        EXPECT_EQ(r.bottom - r.top, line) << testing::PrintToString(face);
        RECT client;
        GetClientRect(form->Handle(), &client);
        EXPECT_EQ(client.bottom, std::max<LONG>(form->Scaled(121), r.bottom))
            << testing::PrintToString(face);
        delete form;
        app->MainForm = nullptr;
    }
}

TEST_F(MainFormTest, OnlyDeviceNameAndMuteBoxTakeTheMenuFace) {
    const std::wstring menuFace = L"IPAPGothic";
    TScopedMenuFace menu(menuFace.c_str());
    ASSERT_EQ(MenuFontName(), menuFace);
    TMainForm* form = Create();
    EXPECT_EQ(form->LabelName->Font().Name, menuFace);
    EXPECT_EQ(form->CHKMute->Font().Name, menuFace);
    EXPECT_TRUE(form->CHKMute->Font().Bold);
    EXPECT_EQ(form->CHKMute->Font().Height, 12);
    for (const TWinControl* c :
         {(TWinControl*)form->LabelVol, (TWinControl*)form->LabelHint, (TWinControl*)form})
        EXPECT_EQ(c->Font().Name, L"Tahoma") << testing::PrintToString(c->Name);
    EXPECT_EQ(form->LabelVol->Font().Height, 19);
    EXPECT_TRUE(form->LabelVol->Font().Bold);
    LOGFONTW lf{};
    GetObjectW(form->CHKMute->FontHandle(), sizeof(lf), &lf);
    EXPECT_EQ(std::wstring(lf.lfFaceName), menuFace);
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
}

} // namespace
