// The window's layout: every control with its place, font and settings at 96 dots per inch,
// the two popup menus and the tray picture set.
#include "window/Main.h"

#include "ui/SysUtils.h"
#include "window/TrayPictureIcon.h"

#include <algorithm>

namespace {

template <class T> T* Named(T* component, const wchar_t* name) {
    component->Name = name;
    return component;
}

TFontSpec Tahoma(int height, bool bold = false) {
    TFontSpec font;
    font.Height = height;
    font.Bold = bold;
    return font;
}

TMenuItem* AddItem(TComponent* owner, TPopupMenu* menu, const wchar_t* name,
                   const std::wstring& caption) {
    auto* item = Named(new TMenuItem(owner), name);
    item->Caption = caption;
    menu->Add(item);
    return item;
}

} // namespace

const wchar_t KeyHelpText[] = L"\r\n  ↑:+1 ↓:-1 →:+10 ←:-10\r\n  Home:100 End:0 Del:ミュート\r\n"
                              L"  マウスホイール ↑:+1 ↓:-1";

void TMainForm::CreateLayout() {
    SetFont(Tahoma(12));
    Panel = Named(new TPanel(this, this, {0, 0, 167, 42}), L"Panel");
    LabelName =
        Named(new TLabel(this, this,
                         {L"", {0, 107, 167, 121}, TAlignment::LeftJustify, false, false, true}),
              L"LabelName");
    LabelName->SetFont(Tahoma(12));
    LabelHint = Named(
        new TLabel(this, this, {L"", {0, 42, 167, 107}, TAlignment::LeftJustify, false, false}),
        L"LabelHint");
    LabelHint->SetFont(Font());
    LabelVol = Named(
        new TLabel(this, Panel, {L"100%", {3, 3, 73, 39}, TAlignment::RightJustify, true, true}),
        L"LabelVol");
    LabelVol->SetFont(Tahoma(19, true));
    CHKMute =
        Named(new TCheckBox(this, Panel, {L"ミュート", {107, 0, 167, 42}, false}), L"CHKMute");
    CHKMute->SetFont(Tahoma(12, true));
    UpDown =
        Named(new TUpDown(this, Panel, {{75, 0, 100, 40}, 0, 100, 100, true, false}), L"UpDown");

    TimerClose = Named(new TTimer(this), L"TimerClose");
    TimerClose->SetEnabled(false);
    TimerChkVol = Named(new TTimer(this), L"TimerChkVol");
    TimerChkVol->SetEnabled(false);
    TimerHint = Named(new TTimer(this), L"TimerHint");
    TimerHint->SetEnabled(false);

    ImageList = Named(new TImageList(this), L"ImageList");
    ImageList->AddStripResource(L"TRAYICONS", L"TRAYICONSMASK");
    // Where the shell shows larger icons, each picture is drawn for that size.
    ImageList->SetSizedSource(MakeTrayPictureIcon);

    TrayIcon = Named(new TTrayIcon(this), L"TrayIcon");
    TrayIcon->SetIconList(ImageList);
    TrayIcon->SetIconIndex(0);
    TrayIcon->SetCycleInterval(0);
    TrayIcon->SetShowHint(false);
    TrayIcon->SetWantEnterExitEvents(true);
    TrayIcon->MinimizeToTray = true;
    const HICON firstImage = ImageList->GetIcon(0);
    TrayIcon->SetIcon(firstImage);
    DestroyIcon(firstImage);
    TrayIcon->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        TrayIconMouseDown(s, b, sh, x, y);
    };
    TrayIcon->OnMouseEnter = [this](TObject* s) { TrayIconMouseEnter(s); };
    TrayIcon->OnMouseExit = [this](TObject* s) { TrayIconMouseExit(s); };
    TrayIcon->OnStartup = [this](TObject* s, bool& show) { TrayIconStartup(s, show); };

    PPRMenu = Named(new TPopupMenu(this, false), L"PPRMenu");
    PPVolDisp = AddItem(this, PPRMenu, L"PPVolDisp", L"%");
    N4 = AddItem(this, PPRMenu, L"N4", L"-");
    PPUp = AddItem(this, PPRMenu, L"PPUp", L"↑");
    PPDown = AddItem(this, PPRMenu, L"PPDown", L"↓");
    N2 = AddItem(this, PPRMenu, L"N2", L"-");
    for (int i = 10; i >= 0; --i) {
        const std::wstring name = L"PPVol" + IntToStr(i);
        AddItem(this, PPRMenu, name.c_str(), L"")->OnClick = [this](TObject* s) { PPVolClick(s); };
    }
    PPUpDown = Named(new TPopupMenu(this, true), L"PPUpDown");

    CHKMute->OnClick = [this](TObject* s) { CHKMuteClick(s); };
    UpDown->OnClick = [this](TObject* s) { UpDownClick(s); };
    LabelVol->OnClick = [this](TObject* s) { LabelVolClick(s); };
    PPVolDisp->OnClick = [this](TObject* s) { PPVolDispClick(s); };
    PPUp->OnClick = [this](TObject* s) { PPUpClick(s); };
    PPDown->OnClick = [this](TObject* s) { PPDownClick(s); };
    TimerClose->OnTimer = [this](TObject* s) { TimerCloseTimer(s); };
    TimerChkVol->OnTimer = [this](TObject* s) { TimerChkVolTimer(s); };
    TimerHint->OnTimer = [this](TObject* s) { TimerHintTimer(s); };
    LabelName->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        LabelNameMouseDown(s, b, sh, x, y);
    };
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnCloseQuery = [this](TObject* s, bool& canClose) { FormCloseQuery(s, canClose); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnHide = [this](TObject* s) { FormHide(s); };
    OnDestroy = [this](TObject* s) { FormDestroy(s); };
    OnDialogKey = [this](TObject* s, std::uint16_t key, long& result) {
        FormDialogKey(s, key, result);
    };
    OnKeyDown = [this](TObject* s, std::uint16_t& key, TShiftState sh) { FormKeyDown(s, key, sh); };
    OnMouseWheelUp = [this](TObject* s, bool& handled) { FormMouseWheelUp(s, handled); };
    OnMouseWheelDown = [this](TObject* s, bool& handled) { FormMouseWheelDown(s, handled); };
    TrayIcon->Loaded();
}

// The design's strips at the present density, stretched where its fonts need more room than
// the design gives them: the window as wide as the key help's widest line, the key help's strip
// as high as its four lines, the device name's as high as its font's line (the label takes it),
// the window as high as they all. The check box keeps to the right edge.
void TMainForm::AlignControls() {
    const SIZE help = LabelHint->TextExtent(KeyHelpText, DT_NOPREFIX);
    const int width = std::max(Scaled(167), int(help.cx));
    const int top = Scaled(42);
    const int nameTop = std::max(Scaled(107), top + int(help.cy));
    RECT name;
    GetClientRect(LabelName->Handle(), &name);
    Panel->SetBounds({0, 0, width, top});
    LabelHint->SetBounds({0, top, width, nameTop});
    LabelName->SetBounds({0, nameTop, width, nameTop + name.bottom});
    CHKMute->SetBounds({width - Scaled(60), 0, width, top});
    SetClientSize(width, std::max(Scaled(121), nameTop + int(name.bottom)));
}

void TMainForm::FillPresetMenus() {
    for (int i = 0; i <= 10; ++i) {
        auto* item = static_cast<TMenuItem*>(FindComponent(L"PPVol" + IntToStr(i)));
        MPPVol[i] = item;
        item->Tag = i;
        item->Caption = IntToStr(i * 10) + L"%";

        auto* preset = new TMenuItem(this);
        MPPUpDown[i] = preset;
        PPUpDown->Add(preset);
        preset->Caption = IntToStr(100 - i * 10) + L"%";
        preset->Tag = i;
        preset->OnClick = [this](TObject* s) { PPUpDownClick(s); };
    }
}
