#include "window/Main.h"

#include "audio/AudioFunctions.h"
#include "audio/EndpointVolume.h"
#include "ui/Application.h"
#include "window/CommandLine.h"

#include <algorithm>

TMainForm* MainForm = nullptr;

namespace {

TFormParams MainFormParams() {
    TFormParams params;
    params.ClassName = L"TMainForm";
    params.Caption = L"Hushlet2";
    params.Left = 498;
    params.Top = 213;
    params.ClientWidth = 167;
    params.ClientHeight = 121;
    params.IconResource = L"MAINICON";
    params.ScreenSnap = true;
    return params;
}

} // namespace

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner, MainFormParams()) {
    MainForm = this;
    CreateLayout();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnCloseQuery = [this](TObject* s, bool& canClose) { FormCloseQuery(s, canClose); };
}

void TMainForm::TrayIconStartup(TObject*, bool& ShowMainForm) {
    ShowMainForm = StartModeOf(Application->Params) == TStartMode::WindowOnly;
}

void TMainForm::FormCreate(TObject*) {
    InitAudioEndpoint();
    FillPresetMenus();
    const std::wstring menuFace = MenuFontName();
    TFontSpec nameFont = LabelName->Font();
    nameFont.Name = menuFace;
    LabelName->SetFont(nameFont);
    MAudioName = GetDefaultOutputName();
    LabelName->SetCaption(MAudioName);
    TFontSpec muteFont = CHKMute->Font();
    muteFont.Name = menuFace;
    CHKMute->SetFont(muteFont);
    LabelHint->SetCaption(KeyHelpText);
    TrayIcon->SetIconVisible(false);
    TimerClose->SetEnabled(false);
    MVol = GetEndpointVolume();
    CHKMute->SetChecked(GetEndpointMute());
    TimerChkVol->SetEnabled(true);
    ApplyCommandLine();
    ApplyVolume();
}

void TMainForm::ApplyCommandLine() {
    const auto& params = Application->Params;
    const TStartMode mode = StartModeOf(params);
    if (mode == TStartMode::Resident)
        TrayIcon->SetIconVisible(true);
    if (mode != TStartMode::OneShot)
        return;
    TimerClose->SetEnabled(true);
    const std::wstring& arg = params[0];
    if (arg == L"/m")
        CHKMute->SetChecked(true);
    else if (arg == L"/n")
        CHKMute->SetChecked(false);
    else if (arg == L"/t")
        CHKMute->SetChecked(!CHKMute->Checked());
    else if (const int value = ArgumentToInt(arg); value >= 0 && value <= 100)
        MVol = value;
}

void TMainForm::ApplyVolume() {
    MVol = std::clamp(MVol, 0, 100);
    const bool muted = CHKMute->Checked();
    if (GetEndpointVolume() != MVol || GetEndpointMute() != muted) {
        SetEndpointMute(muted);
        SetEndpointVolume(MVol);
    }
    const std::wstring percent = std::to_wstring(MVol) + L"%";
    UpDown->SetPosition(MVol);
    LabelVol->SetCaption(percent);
    PPVolDisp->Caption = percent + L" [ウィンドウ表示]";
    TrayIcon->SetIconIndex(muted ? ImageList->Count() - 1 : MVol);
}

void TMainForm::TimerChkVolTimer(TObject*) {
    if (!HasAudioEndpoint())
        return;
    const std::wstring name = GetDefaultOutputName();
    if (name != MAudioName) {
        // A new device: its volume and mute are adopted on the next tick.
        MAudioName = name;
        LabelName->SetCaption(MAudioName);
        InitAudioEndpoint();
        return;
    }
    const int volume = GetEndpointVolume();
    const bool muted = GetEndpointMute();
    if (volume == MVol && muted == CHKMute->Checked())
        return;
    MVol = volume;
    CHKMute->SetChecked(muted);
    UpDown->SetPosition(MVol);
    ApplyVolume();
}

void TMainForm::FormCloseQuery(TObject*, bool& CanClose) {
    TimerClose->SetEnabled(false);
    TrayIcon->SetIconVisible(false);
    CanClose = true;
}

void TMainForm::CHKMuteClick(TObject*) {
    ApplyVolume();
    SetActiveControl(UpDown);
}

void TMainForm::UpDownClick(TObject*) {
    MVol = UpDown->Position();
    ApplyVolume();
}

void TMainForm::LabelVolClick(TObject*) {
    POINT p{};
    GetCursorPos(&p);
    PPUpDown->Popup(p.x, p.y);
}

void TMainForm::PPVolDispClick(TObject*) {
    TrayIcon->ShowMainForm();
}

void TMainForm::PPUpClick(TObject*) {
    ++MVol;
    ApplyVolume();
}

void TMainForm::PPDownClick(TObject*) {
    --MVol;
    ApplyVolume();
}

void TMainForm::PPVolClick(TObject* Sender) {
    MVol = static_cast<int>(static_cast<TMenuItem*>(Sender)->Tag) * 10;
    ApplyVolume();
}

void TMainForm::PPUpDownClick(TObject* Sender) {
    MVol = 100 - static_cast<int>(static_cast<TMenuItem*>(Sender)->Tag) * 10;
    ApplyVolume();
}

void TMainForm::TimerCloseTimer(TObject*) {
    Close();
}
