#include "controls/qz_property_sheet.h"
#include "res/resource.h"
#include "support/input.h"
#include "support/message_log.h"
#include "support/resources.h"
#include "support/timer_script.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Log;

class TLoggingPage : public TQZPropertyPage {
public:
    TLoggingPage(TPropertySheet* sheet, const char* resourceName, std::string name, LRESULT answer = PSNRET_NOERROR)
        : TQZPropertyPage(sheet, resourceName), Answer(answer), Name(std::move(name))
    {
    }

    LRESULT Apply() override
    {
        Log.push_back("apply " + Name);
        LRESULT usual = TQZPropertyPage::Apply();
        return Answer != PSNRET_NOERROR ? Answer : usual;
    }

    LRESULT Answer;

protected:
    void SetupWindow() override
    {
        TQZPropertyPage::SetupWindow();
        Log.push_back("set-up " + Name);
    }

private:
    std::string Name;
};

bool Shown(const TWindow& window)
{
    return window.GetHandle() && ::IsWindowVisible(window.GetHandle());
}

// ---- the options sheet's make-up ----

class OptionsSheet : public ::testing::Test {
protected:
    OptionsSheet()
        : Sheet(nullptr, "Options", 0, false, PSH_NOAPPLYNOW),
          SendTo(&Sheet, "PROP_SENDTO", "Send To"),
          Various(&Sheet, "PROP_VARIOUSOPTIONS", "Various")
    {
        Log.clear();
    }

    // Steps run inside the sheet's own loop; a run that gives up cancels the sheet.
    TTimerScript Script(std::vector<TTimerScript::TStep> steps)
    {
        return TTimerScript(std::move(steps), [this](const std::string& why) {
            ADD_FAILURE() << why;
            if (HWND sheet = Sheet.GetHandle())
                ::PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
        });
    }
    TTimerScript::TStep ClickButton(int id)
    {
        return [this, id](int) {
            ClickAt(Centre(::GetDlgItem(Sheet.GetHandle(), id)));
            return true;
        };
    }
    TTimerScript::TStep WaitForSheet()
    {
        return [this](int) { return Shown(Sheet) && Shown(SendTo); };
    }

    TQZPropertySheet Sheet;
    TLoggingPage SendTo;
    TLoggingPage Various;
};

TEST_F(OptionsSheet, OkAppliesEveryPageThatWasShown)
{
    std::string caption;
    bool applyButton = true;
    TTimerScript script = Script({
        WaitForSheet(),
        [&](int) {
            caption = Sheet.GetWindowText();
            HWND apply = ::GetDlgItem(Sheet.GetHandle(), 0x3021);
            applyButton = apply && ::IsWindowVisible(apply);
            // The second tab, clicked.
            HWND tabs = reinterpret_cast<HWND>(::SendMessageW(Sheet.GetHandle(), PSM_GETTABCONTROL, 0, 0));
            RECT tab{};
            ::SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
            ::MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&tab), 2);
            ClickAt(Centre(tab));
            return true;
        },
        [&](int) { return Shown(Various); },
        ClickButton(IDOK),
    });
    EXPECT_TRUE(Sheet.Execute());
    EXPECT_TRUE(script.Completed());
    EXPECT_EQ(caption, "Options");
    EXPECT_FALSE(applyButton);
    EXPECT_EQ(Log, (std::vector<std::string>{"set-up Send To", "set-up Various", "apply Send To", "apply Various"}));
    EXPECT_EQ(Sheet.GetHandle(), nullptr);
}

TEST_F(OptionsSheet, OkWithoutVisitingAPageAppliesOnlyTheFirst)
{
    TTimerScript script = Script({WaitForSheet(), ClickButton(IDOK)});
    EXPECT_TRUE(Sheet.Execute());
    EXPECT_TRUE(script.Completed());
    EXPECT_EQ(Log, (std::vector<std::string>{"set-up Send To", "apply Send To"}));
}

TEST_F(OptionsSheet, CancelAppliesNothing)
{
    TTimerScript script = Script({WaitForSheet(), ClickButton(IDCANCEL)});
    EXPECT_FALSE(Sheet.Execute());
    EXPECT_TRUE(script.Completed());
    EXPECT_EQ(Log, std::vector<std::string>{"set-up Send To"});
}

TEST_F(OptionsSheet, APageThatRefusesKeepsTheSheetOpenAndCancelThenSaysSo)
{
    SendTo.Answer = PSNRET_INVALID;
    bool openAfterOk = false;
    TTimerScript script = Script({
        WaitForSheet(),
        ClickButton(IDOK),
        [&](int tick) {
            if (tick < 5)
                return false;   // a moment for the press to be handled
            openAfterOk = Shown(Sheet);
            return true;
        },
        ClickButton(IDCANCEL),
    });
    EXPECT_FALSE(Sheet.Execute());
    EXPECT_TRUE(script.Completed());
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(Log, (std::vector<std::string>{"set-up Send To", "apply Send To"}));
}

TEST_F(OptionsSheet, APageShowsTheHandAndDragsTheWholeSheet)
{
    const HCURSOR hand = ProgramCursor("CUR_MANO");
    HCURSOR overPage = nullptr;
    HCURSOR overControl = nullptr;
    POINT spot{};
    RECT before{}, after{};
    TTimerScript script = Script({
        WaitForSheet(),
        [&](int) {
            spot = BackgroundPoint(SendTo.GetHandle());
            PointerTo(spot, TEcho::Input);
            return true;
        },
        [&](int tick) {
            overPage = ::GetCursor();
            if (overPage != hand && tick < 20)
                return false;
            PointerTo(Centre(::GetDlgItem(SendTo.GetHandle(), IDC_SENDTO_NAME)), TEcho::Input);
            return true;
        },
        [&](int tick) {
            overControl = ::GetCursor();
            if (overControl == hand && tick < 20)
                return false;
            before = Sheet.GetWindowRect();
            PointerTo(spot, TEcho::Input);
            PressButton();
            return true;
        },
        [&](int) {
            // Once the sheet's drag has the mouse: moved, and let go.
            if (::GetCapture() != Sheet.GetHandle())
                return false;
            PointerTo({spot.x + 30, spot.y + 20}, TEcho::Input);
            ReleaseButton();
            return true;
        },
        [&](int) {
            after = Sheet.GetWindowRect();
            return ::GetCapture() == nullptr;
        },
        ClickButton(IDOK),
    });
    TMessageLog presses(nullptr, {WM_NCLBUTTONDOWN});
    EXPECT_TRUE(Sheet.Execute());
    EXPECT_TRUE(script.Completed());
    EXPECT_EQ(overPage, hand);
    EXPECT_EQ(overControl, ::LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(presses.Count(WM_NCLBUTTONDOWN, HTCAPTION), 1);
    EXPECT_EQ(after.left - before.left, 30);
    EXPECT_EQ(after.top - before.top, 20);
}

} // namespace
