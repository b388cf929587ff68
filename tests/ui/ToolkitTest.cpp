#include "harness/Pump.h"
#include "harness/Thread.h"
#include "ui/Application.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"
#include "ui/Styles.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

TEST(Component, OwnerFreesWhatItOwnsAndFindsItByName) {
    static int freed = 0;
    struct TCounted : TComponent {
        using TComponent::TComponent;
        ~TCounted() override { ++freed; }
    };
    freed = 0;
    {
        TComponent owner(nullptr);
        auto* first = new TCounted(&owner);
        first->Name = L"PPVol10";
        auto* second = new TCounted(&owner);
        second->Name = L"PPVol1";
        new TCounted(second); // owned in turn
        EXPECT_EQ(owner.FindComponent(L"ppvol1"), second);
        EXPECT_EQ(owner.FindComponent(L"PPVol10"), first);
        EXPECT_EQ(owner.FindComponent(L"PPVol"), nullptr);
        delete first; // leaves its owner's list
        EXPECT_EQ(owner.Components().size(), 1u);
    }
    EXPECT_EQ(freed, 3);
}

TEST(Timer, CountdownRestartsOnlyWhenIntervalOrEnabledChanges) {
    TTimer timer(nullptr);
    EXPECT_EQ(timer.Interval(), 1000u);
    int ticks = 0;
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    };
    timer.SetInterval(300);
    // Setting what it already has, again and again, must not push the tick away.
    for (int i = 0; i < 10; ++i) {
        PumpFor(50);
        timer.SetInterval(300);
        timer.SetEnabled(true);
    }
    EXPECT_GE(ticks, 1);

    // A real change restarts the countdown: re-enabling every 100 ms starves a 300 ms timer.
    ticks = 0;
    for (int i = 0; i < 8; ++i) {
        timer.SetEnabled(false);
        timer.SetEnabled(true);
        PumpFor(100);
    }
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(false);
    PumpFor(400);
    EXPECT_EQ(ticks, 0);
}

TEST(Application, HooksSeeMessagesFirstAndCanEndTheHandling) {
    TApplication app;
    std::vector<int> seen;
    const int first = app.HookMainWindow([&](TMessage& m) {
        if (m.Msg != WM_APP)
            return false;
        seen.push_back(1);
        m.Result = 7;
        return m.WParam == 1;
    });
    app.HookMainWindow([&](TMessage& m) {
        if (m.Msg == WM_APP)
            seen.push_back(2);
        return false;
    });
    EXPECT_EQ(SendMessageW(app.Handle(), WM_APP, 1, 0), 7);
    EXPECT_EQ(seen, (std::vector<int>{1}));
    seen.clear();
    SendMessageW(app.Handle(), WM_APP, 0, 0);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    seen.clear();
    app.UnhookMainWindow(first);
    SendMessageW(app.Handle(), WM_APP, 1, 0);
    EXPECT_EQ(seen, (std::vector<int>{2}));
}

TEST(Application, TitleNamesTheHiddenWindow) {
    TApplication app;
    app.SetTitle(L"Hushlet2");
    wchar_t text[32] = {};
    GetWindowTextW(app.Handle(), text, 32);
    EXPECT_STREQ(text, L"Hushlet2");
    EXPECT_FALSE(IsWindowVisible(app.Handle()));
}

TFormParams PlainFormParams() {
    TFormParams params;
    params.ClassName = L"TPlainForm";
    params.ClientWidth = 100;
    params.ClientHeight = 80;
    return params;
}

struct TPlainForm : TForm {
    explicit TPlainForm(TComponent* owner) : TForm(owner, PlainFormParams()) {}
};

TEST(Application, LoopEndsWhenTheMainFormClosesAndCloseQueryCanRefuse) {
    TApplication app;
    auto* form = app.CreateForm<TPlainForm>();
    int asked = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    app.ShowMainForm = false;
    PostMessageW(form->Handle(), WM_CLOSE, 0, 0); // refused
    PostMessageW(form->Handle(), WM_CLOSE, 0, 0); // allowed: ends the loop
    app.Run();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(form->Visible());
}

TEST(Application, TheHiddenWindowHandsTheKeyboardOnToTheShownMainForm) {
    TApplication app;
    auto* form = app.CreateForm<TPlainForm>();
    auto* box = new TCheckBox(form, form, {L"box", {0, 0, 60, 20}, false});
    form->SetActiveControl(box);
    // Hidden, the form has no use for the keyboard: the hidden window keeps it.
    SetForegroundWindow(app.Handle());
    app.ProcessMessages();
    EXPECT_EQ(GetFocus(), app.Handle());

    form->Show();
    SetForegroundWindow(app.Handle());
    app.ProcessMessages();
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    EXPECT_EQ(GetFocus(), box->Handle());
}

TEST(Application, OnlyASessionThatReallyEndsClosesTheMainForm) {
    TApplication app;
    auto* form = app.CreateForm<TPlainForm>();
    int asked = 0;
    form->OnCloseQuery = [&](TObject*, bool&) { ++asked; };
    EXPECT_EQ(SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(form->Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(app.Terminated());
    SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    SendMessageW(form->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(app.Terminated());
    // The loop's end is taken from the queue here, or it would end the next modal loop.
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(Styles, TheDarkStyleLoadsFromResourcesAndAMissingOneKeepsTheSystemLook) {
    TStyleManager::UseSystemLook();
    ASSERT_TRUE(TStyleManager::TrySetStyle(L"Windows10 Dark", false));
    EXPECT_TRUE(TStyleManager::IsDark());

    // The error dialog appears and, once dismissed, the system look is back.
    TApplication app;
    app.SetTitle(L"StyleTest");
    TStyleManager::UseSystemLook();
    std::wstring shown;
    TThread closer([&] {
        for (int i = 0; i < 200; ++i, Sleep(50))
            if (HWND box = FindWindowW(L"#32770", L"StyleTest"); box && IsWindowVisible(box)) {
                wchar_t text[256] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 256);
                shown = text;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
    });
    EXPECT_FALSE(TStyleManager::TrySetStyle(L"No Such Style", true));
    closer.Join();
    EXPECT_NE(shown.find(L"No Such Style"), std::wstring::npos);
    EXPECT_FALSE(TStyleManager::IsCustomStyleActive());
    EXPECT_EQ(TStyleManager::Colors().Face, GetSysColor(COLOR_BTNFACE));
}

} // namespace
