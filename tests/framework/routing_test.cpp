#include "framework/application.h"
#include "framework/control.h"
#include "framework/decorated_frame.h"
#include "framework/dialog.h"
#include "framework/exception.h"
#include "framework/status_bar.h"
#include "support/pump.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

constexpr UINT WmOwn = WM_USER + 1;
constexpr UINT WmBaseOnly = WM_USER + 2;
constexpr UINT WmThrow = WM_USER + 3;

std::vector<std::string> Calls;
const UINT RegisteredForTest = ::RegisterWindowMessageW(L"Strandel.RoutingTest");

class TBaseWindow : public TWindow {
public:
    TBaseWindow() : TWindow(nullptr, "base title") { Attr.Style = WS_OVERLAPPEDWINDOW; }

protected:
    LRESULT BaseOwn(TMessage&) { Calls.push_back("base own"); return 1; }
    LRESULT BaseOnly(TMessage&) { Calls.push_back("base only"); return 2; }
    void CmHundred() { Calls.push_back("command 100"); }
    LRESULT CmRange(TMessage& m) { Calls.push_back("range " + std::to_string(m.CommandId())); return 0; }
    void ListChange() { Calls.push_back("list selchange"); }
    LRESULT Registered(TMessage& m) { Calls.push_back("registered " + std::to_string(m.WParam)); return 7; }
    LRESULT Throws(TMessage&) { throw std::runtime_error("thrown in a handler"); }

    DECLARE_MESSAGE_TABLE()
};

BEGIN_MESSAGE_TABLE(TBaseWindow, TWindow)
    ON_MESSAGE(WmOwn, BaseOwn)
    ON_MESSAGE(WmBaseOnly, BaseOnly)
    ON_MESSAGE(WmThrow, Throws)
    ON_COMMAND(100, CmHundred)
    ON_COMMAND_RANGE(200, 210, CmRange)
    ON_CONTROL(LBN_SELCHANGE, 300, ListChange)
    ON_REGISTERED(RegisteredForTest, Registered)
END_MESSAGE_TABLE()

class TDerivedWindow : public TBaseWindow {
protected:
    LRESULT DerivedOwn(TMessage& m)
    {
        Calls.push_back("derived own");
        return 10 + DefaultProcessing(m);
    }

    DECLARE_MESSAGE_TABLE()
};

BEGIN_MESSAGE_TABLE(TDerivedWindow, TBaseWindow)
    ON_MESSAGE(WmOwn, DerivedOwn)
END_MESSAGE_TABLE()

class Routing : public ::testing::Test {
protected:
    void SetUp() override
    {
        Calls.clear();
        ASSERT_TRUE(Window.Create());
    }
    TDerivedWindow Window;
};

TEST_F(Routing, OwnTableFirstThenTheBaseTableThenTheDefaultProcedure)
{
    EXPECT_EQ(Window.SendMessage(WmOwn), 10);   // derived handler; its default gives 0
    EXPECT_EQ(Window.SendMessage(WmBaseOnly), 2);
    wchar_t title[32] = L"";
    Window.SendMessage(WM_GETTEXT, std::size(title), reinterpret_cast<LPARAM>(title));
    EXPECT_STREQ(title, L"base title");
    EXPECT_EQ(Calls, (std::vector<std::string>{"derived own", "base only"}));
}

TEST_F(Routing, CommandsMatchByIdRangeAndNotificationCode)
{
    Window.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0);        // a menu item
    Window.SendMessage(WM_COMMAND, MAKEWPARAM(100, 1), 0);        // an accelerator
    Window.SendMessage(WM_COMMAND, MAKEWPARAM(205, 0), 0);
    Window.SendMessage(WM_COMMAND, MAKEWPARAM(211, 0), 0);        // outside the range
    Window.SendMessage(WM_COMMAND, MAKEWPARAM(300, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Window.GetHandle()));
    Window.SendMessage(WM_COMMAND, MAKEWPARAM(300, LBN_DBLCLK), reinterpret_cast<LPARAM>(Window.GetHandle()));
    EXPECT_EQ(Calls, (std::vector<std::string>{"command 100", "command 100", "range 205", "list selchange"}));
}

TEST_F(Routing, RegisteredMessagesAndDirectDelivery)
{
    EXPECT_EQ(Window.SendMessage(RegisteredForTest, 4), 7);
    EXPECT_EQ(Window.ReceiveMessage(RegisteredForTest, 5), 7);
    EXPECT_EQ(Calls, (std::vector<std::string>{"registered 4", "registered 5"}));
}

TEST_F(Routing, AnExceptionStopsAtTheWindowProcedureAndReachesTheLoop)
{
    EXPECT_EQ(Window.SendMessage(WmThrow), 0);
    EXPECT_THROW(TApplication::RethrowKeptException(), std::runtime_error);
    EXPECT_NO_THROW(TApplication::RethrowKeptException());
}

TEST_F(Routing, DestroyingTheObjectDestroysItsWindow)
{
    auto window = std::make_unique<TDerivedWindow>();
    ASSERT_TRUE(window->Create());
    HWND handle = window->GetHandle();
    EXPECT_EQ(TWindow::FromHandle(handle), window.get());
    window.reset();
    EXPECT_FALSE(::IsWindow(handle));
}

// ---- frames, clients and dialogs ----

class TClientDialog : public TDialog {
public:
    explicit TClientDialog(TWindow* parent) : TDialog(parent, "DLG_PROVA"), List(this, 101), Header(this, 102, 2000) {}

    TListBox List;
    TEdit Header;

protected:
    void CmFromMenu() { Calls.push_back("client command"); }
    DECLARE_MESSAGE_TABLE()
};

BEGIN_MESSAGE_TABLE(TClientDialog, TDialog)
    ON_COMMAND(4242, CmFromMenu)
END_MESSAGE_TABLE()

class FrameAndClient : public ::testing::Test {
protected:
    void SetUp() override
    {
        Calls.clear();
        Frame = std::make_unique<TDecoratedFrame>(nullptr, "Frame", nullptr, true);
        auto client = std::make_unique<TClientDialog>(Frame.get());
        Client = client.get();
        Client->ClearStyle(WS_BORDER);
        Frame->SetClientWindow(std::move(client));
        auto bar = std::make_unique<TStatusBar>(Frame.get(), TStatusBar::TBorderStyle::None, 0, nullptr);
        Bar = bar.get();
        bar->AddTextGadget(0, "Ready", 5, TStatusBar::TAlign::Right);
        Frame->Insert(std::move(bar), TDecoratedFrame::TLocation::Bottom);
        Frame->SetShrinkToClient(true);
        ASSERT_TRUE(Frame->Create());
        Frame->Show(SW_SHOW);
        PumpMessages();
    }

    std::unique_ptr<TDecoratedFrame> Frame;
    TClientDialog* Client = nullptr;
    TStatusBar* Bar = nullptr;
};

TEST_F(FrameAndClient, ControlsOfTheResourceAreBoundToTheirObjects)
{
    ASSERT_NE(Client->GetHandle(), nullptr);
    EXPECT_EQ(Client->List.GetHandle(), ::GetDlgItem(Client->GetHandle(), 101));
    EXPECT_EQ(TWindow::FromHandle(::GetDlgItem(Client->GetHandle(), 102)), &Client->Header);
    Client->List.AddString("one");
    Client->List.InsertString("zero", 0);
    EXPECT_EQ(Client->List.GetCount(), 2);
    EXPECT_EQ(Client->List.GetString(0), "zero");
    EXPECT_EQ(Client->List.GetString(5), "");
    EXPECT_EQ(::GetWindowLongPtrW(Client->GetHandle(), GWL_STYLE) & WS_BORDER, 0);
}

TEST_F(FrameAndClient, CommandsTheFrameDoesNotTakeGoToTheClient)
{
    Frame->SendMessage(WM_COMMAND, MAKEWPARAM(4242, 0), 0);
    EXPECT_EQ(Calls, std::vector<std::string>{"client command"});
}

TEST_F(FrameAndClient, TheFrameFitsItsClientBetweenItsBars)
{
    RECT inside = Frame->GetClientRect();
    RECT dialog = Client->GetWindowRect();
    RECT bar = Bar->GetWindowRect();
    ::MapWindowPoints(nullptr, Frame->GetHandle(), reinterpret_cast<POINT*>(&dialog), 2);
    ::MapWindowPoints(nullptr, Frame->GetHandle(), reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(dialog.top, 0);
    EXPECT_EQ(dialog.right - dialog.left, inside.right);
    EXPECT_EQ(dialog.bottom, bar.top);
    EXPECT_EQ(bar.bottom, inside.bottom);

    // Growing the frame grows the client; the bar stays at the bottom.
    RECT frame = Frame->GetWindowRect();
    ::SetWindowPos(Frame->GetHandle(), nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top + 80,
                   SWP_NOMOVE | SWP_NOZORDER);
    RECT grown = Client->GetClientRect();
    EXPECT_EQ(grown.right, inside.right + 100);
    EXPECT_EQ(grown.bottom, dialog.bottom - dialog.top + 80);
}

TEST_F(FrameAndClient, HintsReplaceTheMessageTextUntilTheyEnd)
{
    Bar->SetText("c:\\out.txt");
    Frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), 0);
    EXPECT_EQ(Bar->GetShownText(), "");
    // A hint in any script reaches the bar whole.
    Bar->ShowHint("a hint: Ωμέγα 报告 😀");
    EXPECT_EQ(Bar->GetShownText(), "a hint: Ωμέγα 报告 😀");
    wchar_t shown[64] = L"";
    Bar->SendMessage(SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, L"a hint: \u03A9\u03BC\u03AD\u03B3\u03B1 \u62A5\u544A \U0001F600");
    Frame->SendMessage(WM_MENUSELECT, MenuClosedWParam, 0);
    EXPECT_EQ(Bar->GetShownText(), "c:\\out.txt");
    Bar->SendMessage(SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, L"\t\tReady");
}

TEST_F(FrameAndClient, EscapeAndEnterNeverCloseAClientDialog)
{
    Client->SendMessage(WM_COMMAND, IDCANCEL, 0);
    Client->SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindow(Client->GetHandle()));
}

TEST_F(FrameAndClient, ClosingTheFrameAsksAndDestroysEverything)
{
    HWND client = Client->GetHandle();
    Frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(client));
    EXPECT_EQ(Frame->GetHandle(), nullptr);
    MSG quit;
    EXPECT_FALSE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));   // not the application's main window
}

// A frame of a class whose windows the framework cannot attach to.
class TUnmakeableFrame : public TFrameWindow {
public:
    TUnmakeableFrame() : TFrameWindow(nullptr, "never") {}

protected:
    const char* GetClassName() const override { return "Button"; }
};

TEST(Application, AMainWindowThatCannotBeMadeIsReportedNotSwallowed)
{
    class TTestApp : public TApplication {
    protected:
        void InitMainWindow() override { SetMainWindow(std::make_unique<TUnmakeableFrame>()); }
    } application;
    EXPECT_THROW(application.Run(), TXWindow);
}

} // namespace
