#include "window/Main.h"

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
    return params;
}

template <class T> T* Named(T* component, const wchar_t* name) {
    component->Name = name;
    return component;
}

} // namespace

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner, MainFormParams()) {
    MainForm = this;
    CHKMute = Named(new TCheckBox(this, this, {L"ミュート", {107, 0, 167, 42}, false}), L"CHKMute");
    TimerClose = Named(new TTimer(this), L"TimerClose");
    TimerClose->SetEnabled(false);
    TimerChkVol = Named(new TTimer(this), L"TimerChkVol");
    TimerChkVol->SetEnabled(false);

    CHKMute->OnClick = [this](TObject* s) { CHKMuteClick(s); };
    TimerClose->OnTimer = [this](TObject* s) { TimerCloseTimer(s); };
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnCloseQuery = [this](TObject* s, bool& canClose) { FormCloseQuery(s, canClose); };

    const auto& params = Application->Params;
    const TStartMode mode = StartModeOf(params);
    Application->ShowMainForm = mode == TStartMode::WindowOnly;
}

void TMainForm::FormCreate(TObject*) {
    InitAudioEndpoint();
    TimerClose->SetEnabled(false);
    MVol = GetEndpointVolume();
    CHKMute->SetChecked(GetEndpointMute());
    TimerChkVol->SetEnabled(true);
    ApplyCommandLine();
    ApplyVolume();
}

void TMainForm::ApplyCommandLine() {
    const auto& params = Application->Params;
    if (StartModeOf(params) != TStartMode::OneShot)
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
}

void TMainForm::FormCloseQuery(TObject*, bool& CanClose) {
    TimerClose->SetEnabled(false);
    CanClose = true;
}

void TMainForm::CHKMuteClick(TObject*) {
    ApplyVolume();
}

void TMainForm::TimerCloseTimer(TObject*) {
    Close();
}
