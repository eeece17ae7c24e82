#include "tips/tip_status_bar.h"

#include "framework/decorated_frame.h"
#include "res/resource.h"
#include "support/input.h"
#include "tips/tool_tip.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A frame with the tip status bar at its bottom, as the main window has it.
std::unique_ptr<TDecoratedFrame> MakeFrame(TTipStatusBar*& bar)
{
    auto frame = std::make_unique<TDecoratedFrame>(nullptr, "Frame", nullptr, true);
    frame->Attr.X = 100;
    frame->Attr.Y = 100;
    frame->Attr.W = 500;
    frame->Attr.H = 300;
    auto made = std::make_unique<TTipStatusBar>(frame.get(), TStatusBar::TBorderStyle::None, 0, nullptr);
    bar = made.get();
    frame->Insert(std::move(made), TDecoratedFrame::TLocation::Bottom);
    return frame;
}

class TipStatusBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(GetToolTip(), nullptr);
        Frame = MakeFrame(Bar);
        ASSERT_TRUE(Frame->Create());
        Frame->Show(SW_SHOW);
        PumpMessages();
        Tip = GetToolTip();
        ASSERT_NE(Tip, nullptr);
        PointerTo({Centre(Frame->GetWindowRect()).x, Frame->GetWindowRect().top + 60});
        Tip->SetText(nullptr);
    }

    void TearDown() override
    {
        Frame.reset();
        PumpMessages();
    }

    void ShowTipNow()
    {
        Tip->SendMessage(WM_TIMER, QZTToolTip::ShowTimerId);
        ASSERT_TRUE(Tip->IsWindowVisible());
    }
    // What the tip says (it draws its window text), and how high it shows.
    std::string TipText() const { return Tip->GetWindowText(); }
    LONG TipHeight()
    {
        ShowTipNow();
        const RECT shown = Tip->GetWindowRect();
        return shown.bottom - shown.top;
    }

    std::unique_ptr<TDecoratedFrame> Frame;
    TTipStatusBar* Bar = nullptr;
    QZTToolTip* Tip = nullptr;
};

TEST_F(TipStatusBar, TheFirstBarMakesTheTipAndRegistersItsFlag)
{
    EXPECT_EQ(Bar->GetTip(), Tip);
    EXPECT_EQ(Bar->UseTip, 0);
    EXPECT_EQ(Tip->GetKeepFlag(), &Bar->UseTip);
    EXPECT_EQ(Frame->GetMessageBar(), Bar);
}

TEST_F(TipStatusBar, SplitsAHintAtTheFirstLineFeed)
{
    Bar->UseTip = 1;
    Bar->ShowHint("Header, will be placed before file name\nHeader");
    EXPECT_EQ(Bar->GetShownText(), "Header, will be placed before file name");
    EXPECT_EQ(TipText(), "Header");
    EXPECT_TRUE(Tip->IsShowTimerRunning());

    // A carriage return before the first line feed stays with the status line.
    Bar->ShowHint("Status line\r\nTip");
    EXPECT_EQ(Bar->GetShownText(), "Status line\r");
    EXPECT_EQ(TipText(), "Tip");

    // A short part with a line feed of its own makes a tip of two lines.
    Bar->ShowHint("Header, will be placed before file name\nHeader");
    const LONG oneLine = TipHeight();
    Bar->ShowHint("Create output file containing header, files, queue\nClick here\nto create output");
    EXPECT_EQ(Bar->GetShownText(), "Create output file containing header, files, queue");
    EXPECT_EQ(TipText(), "Click here\nto create output");
    EXPECT_EQ(TipHeight() - 4, 2 * (oneLine - 4));
}

TEST_F(TipStatusBar, HintsOfTheFramesMenuTrackingArriveSplit)
{
    Bar->UseTip = 1;
    HMENU menu = ::CreatePopupMenu();
    Frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(IDC_HEADER, MF_STRING), reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(Bar->GetShownText(), "Header, will be placed before file name");
    EXPECT_EQ(TipText(), "Header");
    Frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(IDM_CREATE, MF_STRING), reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(TipText(), "Click here\nto create output");

    // The menu closes: the status line shows its own text again, the tip goes.
    ShowTipNow();
    Frame->SendMessage(WM_MENUSELECT, MenuClosedWParam, 0);
    EXPECT_EQ(Bar->GetShownText(), Bar->GetText());
    EXPECT_FALSE(Tip->IsWindowVisible());
    EXPECT_EQ(TipText(), "");
    ::DestroyMenu(menu);
}

TEST_F(TipStatusBar, AHintWithoutALineFeedClearsTheTip)
{
    Bar->UseTip = 1;
    Bar->ShowHint("Header, will be placed before file name\nHeader");
    ShowTipNow();
    Bar->ShowHint("Clear file list");
    EXPECT_EQ(Bar->GetShownText(), "Clear file list");
    EXPECT_FALSE(Tip->IsWindowVisible());
    EXPECT_FALSE(Tip->IsShowTimerRunning());
    EXPECT_EQ(TipText(), "");
}

TEST_F(TipStatusBar, WithTipsOffHintsReachOnlyTheStatusLineButNullReachesTheTip)
{
    Bar->ShowHint("Header, will be placed before file name\nHeader");
    EXPECT_EQ(Bar->GetShownText(), "Header, will be placed before file name");
    EXPECT_EQ(TipText(), "");
    EXPECT_FALSE(Tip->IsShowTimerRunning());

    // A tip left showing when tips were switched off goes with the next null hint.
    Bar->UseTip = 1;
    Bar->ShowHint("Queue, will be placed after file name\nQueue");
    ShowTipNow();
    Bar->UseTip = 0;
    Bar->ShowHint("Clear file list");
    EXPECT_TRUE(Tip->IsWindowVisible());
    EXPECT_EQ(TipText(), "Queue");
    Bar->ShowHint(nullptr);
    EXPECT_FALSE(Tip->IsWindowVisible());
    EXPECT_EQ(TipText(), "");
    EXPECT_EQ(Bar->GetShownText(), Bar->GetText());

    // And with tips on, a waiting tip is called off.
    Bar->UseTip = 1;
    Bar->ShowHint("Queue, will be placed after file name\nQueue");
    Bar->ShowHint(nullptr);
    EXPECT_FALSE(Tip->IsShowTimerRunning());
    EXPECT_EQ(TipText(), "");
}

TEST_F(TipStatusBar, KeysHideATipOnlyWhileTipsAreOff)
{
    GiveKeyboardTo(Frame->GetHandle());
    Bar->UseTip = 1;
    Bar->ShowHint("Header, will be placed before file name\nHeader");
    ShowTipNow();
    PressKey();
    EXPECT_TRUE(Tip->IsWindowVisible());

    // Whatever non-zero value the main window writes counts as on.
    Bar->UseTip = 0x100;
    PressKey();
    EXPECT_TRUE(Tip->IsWindowVisible());

    Bar->UseTip = 0;
    PressKey();
    EXPECT_FALSE(Tip->IsWindowVisible());
}

TEST_F(TipStatusBar, ASecondBarSharesTheTipAndGivesBackTheFlag)
{
    TTipStatusBar* second = nullptr;
    auto otherFrame = MakeFrame(second);
    ASSERT_TRUE(otherFrame->Create());
    EXPECT_EQ(second->GetTip(), Tip);
    EXPECT_EQ(Tip->GetKeepFlag(), &second->UseTip);

    otherFrame.reset();
    EXPECT_EQ(GetToolTip(), Tip);
    EXPECT_EQ(Tip->GetKeepFlag(), &Bar->UseTip);
    EXPECT_TRUE(::IsWindow(Tip->GetHandle()));
}

TEST_F(TipStatusBar, DestroyingTheOwnerTakesTheTipAndItsHook)
{
    Bar->UseTip = 1;
    Bar->ShowHint("Header, will be placed before file name\nHeader");
    ShowTipNow();
    HWND tipWindow = Tip->GetHandle();
    HHOOK hook = GetTipKeyboardHook();
    ASSERT_NE(hook, nullptr);

    Frame.reset();
    EXPECT_EQ(GetToolTip(), nullptr);
    EXPECT_EQ(GetTipKeyboardHook(), nullptr);
    EXPECT_FALSE(::UnhookWindowsHookEx(hook));   // already gone
    EXPECT_FALSE(::IsWindow(tipWindow));
    PumpMessagesFor(200);   // no timer of the tip is left to fire
}

TEST_F(TipStatusBar, ABarThatOutlivesTheTipsOwnerKeepsShowingHints)
{
    TTipStatusBar* second = nullptr;
    auto otherFrame = MakeFrame(second);
    ASSERT_TRUE(otherFrame->Create());
    second->UseTip = 1;

    Frame.reset();   // the owner goes first
    EXPECT_EQ(GetToolTip(), nullptr);
    EXPECT_EQ(second->GetTip(), nullptr);
    second->ShowHint("Header, will be placed before file name\nHeader");
    EXPECT_EQ(second->GetShownText(), "Header, will be placed before file name");
    second->ShowHint(nullptr);
    otherFrame.reset();
    EXPECT_EQ(GetToolTip(), nullptr);
}

} // namespace
