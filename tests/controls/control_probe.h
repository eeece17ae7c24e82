#pragma once
// A host for the program's controls: a visible top-level window holding the main dialog
// resource, whose controls are bound to the program's own classes. The dialog notes what
// its controls tell it (hover announcements, commands, repaints) in order.
#include "controls/auto_button.h"
#include "controls/qz_button.h"
#include "controls/qz_check_box.h"
#include "controls/qz_edit_cursor.h"
#include "controls/qz_list_box.h"
#include "framework/dialog.h"
#include "res/resource.h"
#include "support/input.h"
#include "support/message_log.h"
#include "support/popup_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace probe {

// What a control's parent hears as the pointer arrives over it: the control's id as a highlighted
// menu item (a closed menu for an id that is not positive), then the idle of a menu.
constexpr std::array<TExpectedMessage, 2> HoverAnnouncement(WPARAM item)
{
    return {{{WM_MENUSELECT, WParamIs | LParamIs, item, 0}, {WM_ENTERIDLE, WParamIs, MSGF_MENU}}};
}

// A control's notification (its window in lParam) and a menu's command (no window).
constexpr TExpectedMessage ControlCommand(int id, UINT code = BN_CLICKED)
{
    return {WM_COMMAND, WParamIs | LParamSet, MAKEWPARAM(id, code)};
}
constexpr TExpectedMessage MenuCommand(int id)
{
    return {WM_COMMAND, WParamIs | LParamIs, MAKEWPARAM(id, 0), 0};
}

class TProbeDialog : public TDialog {
public:
    explicit TProbeDialog(TWindow* parent) : TDialog(parent, "DLG_PROVA") {}

    // What the dialog hears, in order: hover announcements, commands, its own repaints.
    TMessageLog Log;
    // Runs when the dialog is told the pointer's control has settled (WM_ENTERIDLE).
    std::function<void()> OnEnterIdle;
    // Runs after the dialog has painted.
    std::function<void()> OnPaint;

protected:
    void EvMenuSelect(UINT item, UINT flags, HMENU menu)
    {
        Log.Note(Handle, WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
    }
    LRESULT EvEnterIdle(TMessage& m)
    {
        Log.Note(Handle, m.Message, m.WParam, m.LParam);
        if (OnEnterIdle)
            OnEnterIdle();
        return 0;
    }
    LRESULT EvCommand(TMessage& m)
    {
        Log.Note(Handle, m.Message, m.WParam, m.LParam);
        return 0;
    }
    LRESULT EvPaint(TMessage& m)
    {
        Log.Note(Handle, m.Message, m.WParam, m.LParam);
        LRESULT result = DefaultProcessing(m);
        if (OnPaint)
            OnPaint();
        return result;
    }

    DECLARE_MESSAGE_TABLE()
};

// The program's controls on the main dialog, as the program binds them, plus a few
// variants (a plain TQZButton with and without a menu) on controls it leaves plain.
class TControlsDialog : public TProbeDialog {
public:
    explicit TControlsDialog(TWindow* parent) : TProbeDialog(parent)
    {
        Create.SetMenuOnLeftClick(1);
    }

    TQZListBox List{this, IDC_FILELIST, "CUR_NORMAL", nullptr, "MAINLIST_MNU"};
    TQZEditCursor Header{this, IDC_HEADER, 2000, nullptr, "CUR_NORMAL"};
    TQZEditCursor Queue{this, IDC_QUEUE, 2000, nullptr, "CUR_NORMAL"};
    TQZEditCursor OutFile{this, IDC_OUTFILE, 2000, nullptr, "CUR_NORMAL"};
    TQZEditCursor MainHead{this, IDC_MAINHEAD, 2000};
    TQZRadioButton FullPath{this, IDC_PATH_FULL, "CUR_NORMAL"};
    TQZRadioButton NoPath{this, IDC_PATH_NOPATH, "CUR_NORMAL"};
    TQZCheckBox InvertSlash{this, IDC_INVERTSLASH, "CUR_NORMAL"};
    TAutoButton Create{this, IDC_CREATE, "CUR_NORMAL", "CREATE_MNU"};
    TAutoButton Delete{this, IDC_DELETE};
    TAutoButton OutFileButton{this, IDC_SETOUTFILE};
    TQZButton MoveUp{this, IDC_MOVEUP, nullptr, "CUR_MANO"};                   // no menu
    TQZButton MoveDown{this, IDC_MOVEDOWN, nullptr, nullptr, "MAINLIST_MNU"};   // a menu
    TQZButton MainQueueButton{this, IDC_SETMAINQUEUE, nullptr, "CUR_NORMAL", "CREATE_MNU"};
    std::unique_ptr<TQZCheckBox> SaveLocal =
        std::make_unique<TQZCheckBox>(this, IDC_SAVELOCAL, "CUR_NORMAL", nullptr, "CREATE_MNU");
    std::unique_ptr<TQZRadioButton> NonePath = std::make_unique<TQZRadioButton>(this, IDC_PATH_NONE, nullptr);
};

// Whether the system runs the hover light's timer on the control (left running as it was).
inline bool LightTimerRunning(HWND control)
{
    if (!::KillTimer(control, TMouseLumen::LightTimerId))
        return false;
    ::SetTimer(control, TMouseLumen::LightTimerId, TMouseLumen::LightTimerInterval, nullptr);
    return true;
}

// The pixels of a ring of screen rectangle r (its outermost row and column of pixels).
inline std::vector<COLORREF> RingPixels(HWND window, RECT r)
{
    std::vector<COLORREF> pixels;
    for (LONG x = r.left; x < r.right; ++x) {
        pixels.push_back(ScreenPixel(window, {x, r.top}));
        pixels.push_back(ScreenPixel(window, {x, r.bottom - 1}));
    }
    for (LONG y = r.top + 1; y < r.bottom - 1; ++y) {
        pixels.push_back(ScreenPixel(window, {r.left, y}));
        pixels.push_back(ScreenPixel(window, {r.right - 1, y}));
    }
    return pixels;
}

inline int CountColour(const std::vector<COLORREF>& pixels, COLORREF colour)
{
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

// The host, its dialog and controls, shown and settled, the pointer away from them.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Host.Create());
        ASSERT_NE(Dialog.GetHandle(), nullptr);
        ::SetForegroundWindow(Host.GetHandle());
        ::UpdateWindow(Host.GetHandle());
        PointerTo(Away());
        PumpMessages();
        Dialog.Log.Clear();
    }

    void TearDown() override
    {
        PointerTo(Away());
        PumpMessages();
    }

    // A point of the screen outside the host.
    static POINT Away() { return {900, 900}; }

    TPopupWindow Host{"Controls host", {40, 40, 600, 520}};
    TControlsDialog Dialog{&Host};
};

} // namespace probe
