// The icon standing in for the application's main window, with a form of the test's own.
#include "TrayFixture.h"

#include "ui/Forms.h"

namespace {

// A main form that, like the program's, carries out its minimise command by minimising
// the application, and builds its tray icon as its layout would.
class TTrayTestForm : public TForm {
public:
    static inline bool ShowAtStart = true;
    static inline bool WithMinimizeHandler = false;

    explicit TTrayTestForm(TComponent* AOwner) : TForm(AOwner, Params()) {
        OriginalProc = GetWindowLongPtrW(Handle(), GWLP_WNDPROC);
        TrayIcon = new TProbeIcon(this);
        TrayIcon->MinimizeToTray = true;
        TrayIcon->OnStartup = [](TObject*, bool& show) { show = ShowAtStart; };
        if (WithMinimizeHandler)
            TrayIcon->OnMinimizeToTray = [this](TObject*) { ++MinimizeHandled; };
        TrayIcon->Loaded();
    }

    TProbeIcon* TrayIcon;
    LONG_PTR OriginalProc;
    int MinimizeHandled = 0;

protected:
    static TFormParams Params() {
        TFormParams p;
        p.ClassName = L"TTrayTestForm";
        p.Caption = L"Tray test";
        p.Left = p.Top = 100;
        p.ClientWidth = 160;
        p.ClientHeight = 100;
        return p;
    }
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) {
            Application->Minimize();
            return 0;
        }
        return TForm::WndProc(msg, wParam, lParam);
    }
};

class TrayMainWindow : public TrayTest {
protected:
    void SetUp() override {
        TrayTest::SetUp();
        TTrayTestForm::ShowAtStart = true;
        TTrayTestForm::WithMinimizeHandler = false;
    }
    TTrayTestForm* Start() {
        auto* form = app->CreateForm<TTrayTestForm>();
        if (app->ShowMainForm)
            form->Show();
        PumpFor(50);
        return form;
    }
};

TEST_F(TrayMainWindow, StartupHandlerKeepsTheMainFormHidden) {
    TTrayTestForm::ShowAtStart = false;
    TTrayTestForm* form = Start();
    EXPECT_FALSE(app->ShowMainForm);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->TrayIcon->IconVisible()) << "the program decides when the icon shows";
}

TEST_F(TrayMainWindow, MinimisingTheApplicationHidesToTheTrayAndShowMainFormBringsItBack) {
    TTrayTestForm* form = Start();
    ASSERT_TRUE(app->ShowMainForm);
    ASSERT_TRUE(form->Visible());
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PumpFor(50);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(app->Handle()));
    EXPECT_TRUE(form->TrayIcon->IconVisible());
    ASSERT_FALSE(FakeShell::calls.empty());
    EXPECT_EQ(FakeShell::calls.back().message, DWORD(NIM_ADD));

    form->TrayIcon->ShowMainForm();
    PumpFor(50);
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(IsIconic(form->Handle()));
    EXPECT_FALSE(IsIconic(app->Handle()));
}

TEST_F(TrayMainWindow, MinimiseHandlerTakesOverTheOwnersExactMinimiseCommand) {
    TTrayTestForm::WithMinimizeHandler = true;
    TTrayTestForm* form = Start();
    EXPECT_EQ(SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 1);
    EXPECT_EQ(form->MinimizeHandled, 1);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsIconic(app->Handle())) << "swallowed: the application was not minimised";
    EXPECT_TRUE(form->TrayIcon->IconVisible());

    form->TrayIcon->ShowMainForm();
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE | 2, 0);
    EXPECT_EQ(form->MinimizeHandled, 1) << "low-order bits beside the command are not taken over";
}

TEST_F(TrayMainWindow, DestroyingTheIconPutsBackTheOwnersProcedure) {
    TTrayTestForm* form = Start();
    EXPECT_NE(GetWindowLongPtrW(form->Handle(), GWLP_WNDPROC), form->OriginalProc);
    delete form->TrayIcon;
    EXPECT_EQ(GetWindowLongPtrW(form->Handle(), GWLP_WNDPROC), form->OriginalProc);
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PumpFor(50);
    EXPECT_TRUE(IsIconic(app->Handle())) << "nothing hides the form any more";
    EXPECT_TRUE(form->Visible());
}

} // namespace
