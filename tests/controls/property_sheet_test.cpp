#include "controls/qz_property_sheet.h"
#include "res/resource.h"
#include "win_support.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
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

class TObservedSheet : public TQZPropertySheet {
public:
    using TQZPropertySheet::TQZPropertySheet;
    int CaptionPresses = 0;

protected:
    LRESULT EvNcLButtonDown(TMessage& message)
    {
        if (message.WParam == HTCAPTION)
            ++CaptionPresses;
        return DefaultProcessing(message);
    }

    DECLARE_MESSAGE_TABLE()
};

BEGIN_MESSAGE_TABLE(TObservedSheet, TQZPropertySheet)
    ON_MESSAGE(TObservedSheet, WM_NCLBUTTONDOWN, EvNcLButtonDown)
END_MESSAGE_TABLE(TObservedSheet, TQZPropertySheet)

// ---- what a person does ----

void Click(POINT point)
{
    PointerTo(point);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT Centre(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return Centre(rect);
}

// A point of the page's own background, on the screen.
POINT PageBackground(HWND page)
{
    RECT client{};
    ::GetClientRect(page, &client);
    for (int y = client.bottom - 5; y > 3; y -= 6) {
        for (int x = client.right - 5; x > 3; x -= 6) {
            POINT screen{x, y};
            ::ClientToScreen(page, &screen);
            if (::WindowFromPoint(screen) == page)
                return screen;
        }
    }
    ADD_FAILURE() << "no free spot on the page";
    return {};
}

// Steps run one after the other from the thread's timer, inside the sheet's own loop. A step
// returns true when it is done; one that never is gives up the run and cancels the sheet.
class TScript {
public:
    using TStep = std::function<bool(int tick)>;

    TScript(TPropertySheet& sheet, std::vector<TStep> steps) : Sheet(sheet), Steps(std::move(steps))
    {
        Current = this;
        Timer = ::SetTimer(nullptr, 0, 30, &TScript::Tick);
    }
    ~TScript()
    {
        ::KillTimer(nullptr, Timer);
        Current = nullptr;
    }
    bool Completed() const { return Next == Steps.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        TScript* self = Current;
        if (!self || self->Busy || self->Abandoned)
            return;
        self->Busy = true;
        if (self->Completed()) {
            if (++self->StepTicks > 200)   // the last step should have closed the sheet
                self->GiveUp("the sheet stayed open");
        } else if (self->Steps[self->Next](self->StepTicks++)) {
            ++self->Next;
            self->StepTicks = 0;
        } else if (self->StepTicks > 200) {
            self->GiveUp("step " + std::to_string(self->Next) + " never finished");
        }
        self->Busy = false;
    }

    void GiveUp(const std::string& why)
    {
        Abandoned = true;
        ADD_FAILURE() << why;
        if (HWND sheet = Sheet.GetHandle())
            ::PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    }

    static inline TScript* Current = nullptr;
    TPropertySheet& Sheet;
    std::vector<TStep> Steps;
    std::size_t Next = 0;
    int StepTicks = 0;
    UINT_PTR Timer = 0;
    bool Busy = false;
    bool Abandoned = false;
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

    TScript::TStep PressButton(int id)
    {
        return [this, id](int) {
            Click(Centre(::GetDlgItem(Sheet.GetHandle(), id)));
            return true;
        };
    }
    TScript::TStep WaitForSheet()
    {
        return [this](int) { return Shown(Sheet) && Shown(SendTo); };
    }

    TObservedSheet Sheet;
    TLoggingPage SendTo;
    TLoggingPage Various;
};

TEST_F(OptionsSheet, OkAppliesEveryPageThatWasShown)
{
    std::string caption;
    bool applyButton = true;
    TScript script(Sheet, {
        WaitForSheet(),
        [&](int) {
            caption = Sheet.GetWindowText();
            HWND apply = ::GetDlgItem(Sheet.GetHandle(), 0x3021);
            applyButton = apply && ::IsWindowVisible(apply);
            // The second tab, clicked.
            HWND tabs = reinterpret_cast<HWND>(::SendMessageA(Sheet.GetHandle(), PSM_GETTABCONTROL, 0, 0));
            RECT tab{};
            ::SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
            ::MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&tab), 2);
            Click(Centre(tab));
            return true;
        },
        [&](int) { return Shown(Various); },
        PressButton(IDOK),
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
    TScript script(Sheet, {WaitForSheet(), PressButton(IDOK)});
    EXPECT_TRUE(Sheet.Execute());
    EXPECT_TRUE(script.Completed());
    EXPECT_EQ(Log, (std::vector<std::string>{"set-up Send To", "apply Send To"}));
}

TEST_F(OptionsSheet, CancelAppliesNothing)
{
    TScript script(Sheet, {WaitForSheet(), PressButton(IDCANCEL)});
    EXPECT_FALSE(Sheet.Execute());
    EXPECT_TRUE(script.Completed());
    EXPECT_EQ(Log, std::vector<std::string>{"set-up Send To"});
}

TEST_F(OptionsSheet, APageThatRefusesKeepsTheSheetOpenAndCancelThenSaysSo)
{
    SendTo.Answer = PSNRET_INVALID;
    bool openAfterOk = false;
    TScript script(Sheet, {
        WaitForSheet(),
        PressButton(IDOK),
        [&](int tick) {
            if (tick < 5)
                return false;   // a moment for the press to be handled
            openAfterOk = Shown(Sheet);
            return true;
        },
        PressButton(IDCANCEL),
    });
    EXPECT_FALSE(Sheet.Execute());
    EXPECT_TRUE(script.Completed());
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(Log, (std::vector<std::string>{"set-up Send To", "apply Send To"}));
}

TEST_F(OptionsSheet, APageShowsTheHandAndDragsTheWholeSheet)
{
    const HCURSOR hand = ::LoadCursorA(::GetModuleHandleA(nullptr), "CUR_MANO");
    HCURSOR overPage = nullptr;
    HCURSOR overControl = nullptr;
    POINT spot{};
    RECT before{}, after{};
    TScript script(Sheet, {
        WaitForSheet(),
        [&](int) {
            spot = PageBackground(SendTo.GetHandle());
            PointerTo(spot);
            return true;
        },
        [&](int tick) {
            overPage = ::GetCursor();
            if (overPage != hand && tick < 20)
                return false;
            PointerTo(Centre(::GetDlgItem(SendTo.GetHandle(), IDC_SENDTO_NAME)));
            return true;
        },
        [&](int tick) {
            overControl = ::GetCursor();
            if (overControl == hand && tick < 20)
                return false;
            before = Sheet.GetWindowRect();
            PointerTo(spot);
            SendMouse(MOUSEEVENTF_LEFTDOWN);
            return true;
        },
        [&](int) {
            // Once the sheet's drag has the mouse: moved, and let go.
            if (::GetCapture() != Sheet.GetHandle())
                return false;
            PointerTo({spot.x + 30, spot.y + 20});
            SendMouse(MOUSEEVENTF_LEFTUP);
            return true;
        },
        [&](int) {
            after = Sheet.GetWindowRect();
            return ::GetCapture() == nullptr;
        },
        PressButton(IDOK),
    });
    EXPECT_TRUE(Sheet.Execute());
    EXPECT_TRUE(script.Completed());
    EXPECT_EQ(overPage, hand);
    EXPECT_EQ(overControl, ::LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(Sheet.CaptionPresses, 1);
    EXPECT_EQ(after.left - before.left, 30);
    EXPECT_EQ(after.top - before.top, 20);
}

} // namespace
