// The program's own controls on the main dialog resource: what the dialog hears from them
// and in which order, their cursors, pop-up menus, the list's item moves, the edit's undo
// and focus frame, and the push button's clean-up of its parent.
#include "control_probe.h"
#include "framework/gdi.h"
#include "support/menu_picker.h"
#include "support/resources.h"

using namespace probe;

namespace {

using Log = std::vector<std::string>;

// The commands the dialog heard, in order.
std::vector<TLoggedMessage> Commands(const TProbeDialog& dialog)
{
    return dialog.Log.Of(WM_COMMAND);
}

HCURSOR SystemCursor(LPCWSTR name)
{
    return ::LoadCursorW(nullptr, name);
}

// The centre of a list item, in screen coordinates.
POINT ItemCentre(const TListBox& list, int index)
{
    RECT item{};
    list.SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    POINT point{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ::ClientToScreen(list.GetHandle(), &point);
    return point;
}

// The bottom-left corner of a window's client area, in screen coordinates.
POINT BottomLeft(HWND window)
{
    RECT client = ClientOnScreen(window);
    return {client.left, client.bottom};
}

// ---- the hover announcement ----

class Hovering : public ControlsTest {
protected:
    // A move over the control, the dialog listening; whether the light was on when the dialog
    // was told (before) and after the move.
    struct TLight {
        bool AtIdle = false;
        bool After = false;
    };
    TLight MoveOverAndListen(HWND control)
    {
        PointerTo(Away());
        ::SendMessageW(control, WM_TIMER, TMouseLumen::LightTimerId, 0);   // dark to begin with
        PointerTo(Centre(control), TEcho::None);
        Dialog.Log.Clear();
        TLight light;
        Dialog.OnEnterIdle = [&] { light.AtIdle = LightTimerRunning(control); };
        ::SendMessageW(control, WM_MOUSEMOVE, 0, ClientPoint(control, Centre(control)));
        Dialog.OnEnterIdle = nullptr;
        light.After = LightTimerRunning(control);
        return light;
    }
};

// What the dialog hears, in order, as the pointer arrives over a control: the control's id as a
// menu item, the idle, and only then the light comes on.
TEST_F(Hovering, TheDialogHearsTheControlsIdThenTheIdleThenTheLightComesOn)
{
    const struct {
        HWND Control;
        bool Light;
    } arrivals[] = {
        {Dialog.List, true},
        {Dialog.Header, true},
        {Dialog.InvertSlash, true},
        {Dialog.FullPath, true},
        {Dialog.Delete, true},
        {Dialog.MoveUp, false},   // a plain TQZButton has no light: the announcement is all
    };
    for (const auto& [control, hasLight] : arrivals) {
        const int id = ::GetDlgCtrlID(control);
        const TLight light = MoveOverAndListen(control);
        EXPECT_TRUE(HoldsSequence(Dialog.Log, HoverAnnouncement(static_cast<WPARAM>(id)))) << id;
        EXPECT_FALSE(light.AtIdle) << id;
        EXPECT_EQ(light.After, hasLight) << id;
    }
}

TEST_F(Hovering, AnIdThatIsNotPositiveAnnouncesAClosedMenu)
{
    constexpr auto closedMenu = HoverAnnouncement(MenuClosedWParam);
    for (LONG_PTR id : {LONG_PTR{0}, LONG_PTR{-7}}) {
        ::SetWindowLongPtrW(Dialog.Header, GWLP_ID, id);
        MoveOverAndListen(Dialog.Header);
        EXPECT_TRUE(HoldsSequence(Dialog.Log, closedMenu)) << id;
        ::SetWindowLongPtrW(Dialog.MoveUp, GWLP_ID, id);
        MoveOverAndListen(Dialog.MoveUp);
        EXPECT_TRUE(HoldsSequence(Dialog.Log, closedMenu)) << id;
    }
    ::SetWindowLongPtrW(Dialog.Header, GWLP_ID, IDC_HEADER);
    ::SetWindowLongPtrW(Dialog.MoveUp, GWLP_ID, IDC_MOVEUP);
}

// ---- cursors ----

class Cursors : public ControlsTest {
protected:
    // What the control makes of WM_SETCURSOR: its answer and the cursor it leaves.
    std::pair<LRESULT, HCURSOR> Hover(HWND control)
    {
        ::SetCursor(SystemCursor(IDC_WAIT));
        LRESULT answer = ::SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return {answer, ::GetCursor()};
    }
};

TEST_F(Cursors, TheNamedCursorOfTheProgramOrTheSystemsArrowOrIBeam)
{
    const HCURSOR normal = ProgramCursor("CUR_NORMAL");
    const HCURSOR hand = ProgramCursor("CUR_MANO");
    ASSERT_NE(normal, nullptr);
    ASSERT_NE(hand, nullptr);
    ASSERT_NE(normal, hand);

    const std::pair<HWND, HCURSOR> cursors[] = {
        {Dialog.List, normal}, {Dialog.Header, normal}, {Dialog.InvertSlash, normal}, {Dialog.FullPath, normal},
        {Dialog.Create, normal}, {Dialog.MoveUp, hand},
        // No name given: the system's cursor of that kind of control.
        {Dialog.MainHead, SystemCursor(IDC_IBEAM)}, {Dialog.Delete, SystemCursor(IDC_ARROW)},
        {*Dialog.NonePath, SystemCursor(IDC_ARROW)},
    };
    for (const auto& [control, cursor] : cursors)
        EXPECT_EQ(Hover(control), (std::pair<LRESULT, HCURSOR>{TRUE, cursor})) << ::GetDlgCtrlID(control);
    // Even over the list's scroll bar the control decides.
    ::SetCursor(SystemCursor(IDC_WAIT));
    EXPECT_EQ(::SendMessageW(Dialog.List, WM_SETCURSOR, reinterpret_cast<WPARAM>(Dialog.List.GetHandle()),
                             MAKELPARAM(HTVSCROLL, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(::GetCursor(), normal);
}

TEST_F(Cursors, GoingBackAndForthBetweenButtonsOfDifferentCursorsKeepsBothUsable)
{
    const HCURSOR normal = ProgramCursor("CUR_NORMAL");
    const HCURSOR hand = ProgramCursor("CUR_MANO");
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(Hover(Dialog.MoveUp).second, hand);
        EXPECT_EQ(Hover(Dialog.MainQueueButton).second, normal);
        EXPECT_EQ(Hover(Dialog.List).second, normal);
    }
    ICONINFO info{};
    EXPECT_TRUE(::GetIconInfo(hand, &info));
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    EXPECT_TRUE(::GetIconInfo(normal, &info));
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
}

// ---- pop-up menus and the right button ----

class PopupMenus : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        for (const char* name : {"c:\\a.txt", "c:\\b.txt", "c:\\c.txt"})
            Dialog.List.AddString(name);
        Dialog.Log.Clear();
    }
};

TEST_F(PopupMenus, ARightClickOnAListItemSelectsItThenOpensTheListMenuThere)
{
    const POINT point = ItemCentre(Dialog.List, 2);
    TMenuPicker watcher(1);
    ClickOver(Dialog.List, TMouseButton::Right, point);
    ASSERT_TRUE(watcher.Opened());
    EXPECT_EQ(watcher.MenuRect().left, point.x);
    EXPECT_EQ(watcher.MenuRect().top, point.y);
    EXPECT_EQ(Dialog.List.GetSelIndex(), 2);

    PumpMessages();
    // The list saw a left press first (the focus, the selection), then the menu's first item came.
    constexpr TExpectedMessage heard[] = {ControlCommand(IDC_FILELIST, LBN_SETFOCUS),
                                          ControlCommand(IDC_FILELIST, LBN_SELCHANGE), MenuCommand(IDM_COPYITEM)};
    EXPECT_TRUE(HoldsSequence(Dialog.Log, heard));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(PopupMenus, PressingOutsideAndReleasingOverTheControlOpensNoMenu)
{
    for (HWND control : {Dialog.List.GetHandle(), Dialog.MoveDown.GetHandle(), Dialog.SaveLocal->GetHandle()}) {
        TMenuPicker watcher;
        ReleaseOver(control, TMouseButton::Right, Centre(control));
        watcher.Stop();
        EXPECT_FALSE(watcher.Opened()) << ::GetDlgCtrlID(control);
    }
    PumpMessages();
    for (const TLoggedMessage& command : Commands(Dialog))
        EXPECT_NE(command.LParam, 0) << LOWORD(command.WParam);   // no menu command came
}

TEST_F(PopupMenus, ReleasingAwayFromTheControlOpensNoMenuAndLeavesNoPressBehind)
{
    TQZButton& button = Dialog.MoveDown;
    {
        TMenuPicker watcher;
        PressOver(button, TMouseButton::Right, Centre(button));
        EXPECT_EQ(::GetCapture(), button.GetHandle());   // the release comes back to the button
        ReleaseOver(button, TMouseButton::Right, Centre(Dialog.List));
        watcher.Stop();
        EXPECT_FALSE(watcher.Opened());
    }
    EXPECT_EQ(::GetCapture(), nullptr);
    {
        // A later press elsewhere released over the button is still no press of the button.
        TMenuPicker watcher;
        ReleaseOver(button, TMouseButton::Right, Centre(button));
        watcher.Stop();
        EXPECT_FALSE(watcher.Opened());
    }
    // Losing the mouse to another window ends a press as well.
    {
        TMenuPicker watcher;
        PressOver(button, TMouseButton::Right, Centre(button));
        ::SetCapture(Dialog.List);
        ::ReleaseCapture();
            ReleaseOver(button, TMouseButton::Right, Centre(button));
        watcher.Stop();
        EXPECT_FALSE(watcher.Opened());
    }
    PumpMessages();
    EXPECT_TRUE(Commands(Dialog).empty());
}

TEST_F(PopupMenus, AButtonWithoutAMenuTakesARightClickAsALeftClick)
{
    TMenuPicker watcher;
    ClickOver(Dialog.MoveUp, TMouseButton::Right, Centre(Dialog.MoveUp));
    watcher.Stop();
    EXPECT_FALSE(watcher.Opened());
    PumpMessages();
    constexpr TExpectedMessage heard[] = {ControlCommand(IDC_MOVEUP)};
    EXPECT_TRUE(HoldsSequence(Dialog.Log, heard));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(PopupMenus, AButtonWithAMenuOnlyOpensIt)
{
    const POINT point = Centre(Dialog.MoveDown);
    TMenuPicker watcher(1);
    ClickOver(Dialog.MoveDown, TMouseButton::Right, point);
    EXPECT_TRUE(watcher.Opened());
    EXPECT_EQ(watcher.MenuRect().left, point.x);
    EXPECT_EQ(watcher.MenuRect().top, point.y);
    PumpMessages();
    constexpr TExpectedMessage heard[] = {MenuCommand(IDM_COPYITEM)};
    EXPECT_TRUE(HoldsSequence(Dialog.Log, heard));
}

TEST_F(PopupMenus, ARightClickTogglesACheckBoxLikeALeftClickThenOpensItsMenu)
{
    ASSERT_FALSE(Dialog.InvertSlash.IsChecked());
    {
        TMenuPicker watcher;
        ClickOver(Dialog.InvertSlash, TMouseButton::Right, Centre(Dialog.InvertSlash));
        watcher.Stop();
        EXPECT_FALSE(watcher.Opened());   // no menu given
    }
    EXPECT_TRUE(Dialog.InvertSlash.IsChecked());
    {
        TMenuPicker watcher(1);
        ClickOver(*Dialog.SaveLocal, TMouseButton::Right, Centre(*Dialog.SaveLocal));
        EXPECT_TRUE(watcher.Opened());
    }
    EXPECT_TRUE(Dialog.SaveLocal->IsChecked());
    {
        TMenuPicker watcher;
        ClickOver(Dialog.NoPath, TMouseButton::Right, Centre(Dialog.NoPath));
        watcher.Stop();
        EXPECT_FALSE(watcher.Opened());
    }
    EXPECT_TRUE(Dialog.NoPath.IsChecked());
    PumpMessages();
    constexpr TExpectedMessage heard[] = {ControlCommand(IDC_INVERTSLASH), ControlCommand(IDC_SAVELOCAL),
                                          MenuCommand(IDM_CREATE), ControlCommand(IDC_PATH_NOPATH)};
    EXPECT_TRUE(HoldsSequence(Dialog.Log, heard));
}

TEST_F(PopupMenus, TheDropDownButtonOpensItsMenuUnderItsBottomLeftCornerInsteadOfClicking)
{
    const POINT corner = BottomLeft(Dialog.Create);
    {
        TMenuPicker watcher;   // Escape: nothing chosen
        ClickOver(Dialog.Create, TMouseButton::Left, Centre(Dialog.Create));
        ASSERT_TRUE(watcher.Opened());
        EXPECT_EQ(watcher.MenuRect().left, corner.x);
        EXPECT_EQ(watcher.MenuRect().top, corner.y);
    }
    PumpMessages();
    EXPECT_TRUE(Commands(Dialog).empty());
    {
        TMenuPicker watcher(2);
        ClickOver(Dialog.Create, TMouseButton::Left, Centre(Dialog.Create));
        EXPECT_TRUE(watcher.Opened());
    }
    PumpMessages();
    constexpr TExpectedMessage heard[] = {MenuCommand(IDM_CREATEANDCOPY)};   // and no click
    EXPECT_TRUE(HoldsSequence(Dialog.Log, heard));
}

TEST_F(PopupMenus, WithoutTheFlagOrWithoutAMenuTheLeftButtonClicks)
{
    // A menu but no drop-down flag.
    ClickOver(Dialog.MainQueueButton, TMouseButton::Left, Centre(Dialog.MainQueueButton));
    // The flag but no menu to drop down.
    Dialog.MoveUp.SetMenuOnLeftClick(5);
    {
        TMenuPicker watcher;
        ClickOver(Dialog.MoveUp, TMouseButton::Left, Centre(Dialog.MoveUp));
        watcher.Stop();
        EXPECT_FALSE(watcher.Opened());
    }
    Dialog.MoveUp.SetMenuOnLeftClick(0);
    PumpMessages();
    constexpr TExpectedMessage heard[] = {ControlCommand(IDC_SETMAINQUEUE), ControlCommand(IDC_MOVEUP)};
    EXPECT_TRUE(HoldsSequence(Dialog.Log, heard));
}

// ---- moving list items ----

class MoveItem : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        const std::pair<const char*, LPARAM> items[] = {{"a", 10}, {"b", 0}, {"c", -1}, {"d", 40}};
        for (const auto& [text, data] : items)
            Dialog.List.SetItemData(Dialog.List.AddString(text), data);
    }

    // The list as "text:data" entries.
    Log Items() const
    {
        Log items;
        for (int i = 0; i < Dialog.List.GetCount(); ++i)
            items.push_back(Dialog.List.GetString(i) + ":" + std::to_string(Dialog.List.GetItemData(i)));
        return items;
    }
};

TEST_F(MoveItem, AnItemMovesOnePlaceWithItsDataAndIsSelected)
{
    Dialog.List.MoveItem(TMoveDirection::Down, 0);
    EXPECT_EQ(Items(), (Log{"b:0", "a:10", "c:-1", "d:40"}));
    EXPECT_EQ(Dialog.List.GetSelIndex(), 1);

    Dialog.List.MoveItem(TMoveDirection::Down, 2);   // in the middle, data that looks like an error
    EXPECT_EQ(Items(), (Log{"b:0", "a:10", "d:40", "c:-1"}));
    EXPECT_EQ(Dialog.List.GetSelIndex(), 3);

    Dialog.List.MoveItem(TMoveDirection::Up, 2);
    EXPECT_EQ(Items(), (Log{"b:0", "d:40", "a:10", "c:-1"}));
    EXPECT_EQ(Dialog.List.GetSelIndex(), 1);
}

TEST_F(MoveItem, IndexMinusOneMovesTheSelectedItem)
{
    Dialog.List.SetSelIndex(3);
    Dialog.List.MoveItem(TMoveDirection::Up, -1);
    Dialog.List.MoveItem(TMoveDirection::Up, -1);
    EXPECT_EQ(Items(), (Log{"a:10", "d:40", "b:0", "c:-1"}));
    EXPECT_EQ(Dialog.List.GetSelIndex(), 1);
    Dialog.List.MoveItem(TMoveDirection::Down, -1);
    EXPECT_EQ(Items(), (Log{"a:10", "b:0", "d:40", "c:-1"}));
    EXPECT_EQ(Dialog.List.GetSelIndex(), 2);
}

TEST_F(MoveItem, NothingMovesPastEitherEnd)
{
    const Log before = Items();
    Dialog.List.SetSelIndex(2);
    Dialog.List.MoveItem(TMoveDirection::Up, 0);
    Dialog.List.MoveItem(TMoveDirection::Down, 3);
    Dialog.List.MoveItem(TMoveDirection::Down, 9);
    EXPECT_EQ(Items(), before);
    EXPECT_EQ(Dialog.List.GetSelIndex(), 2);

    Dialog.List.SetSelIndex(0);
    Dialog.List.MoveItem(TMoveDirection::Up, -1);
    Dialog.List.SetSelIndex(3);
    Dialog.List.MoveItem(TMoveDirection::Down, -1);
    EXPECT_EQ(Items(), before);
    EXPECT_EQ(Dialog.List.GetSelIndex(), 3);
}

TEST_F(MoveItem, WithNoSelectionTheFirstItemIsSelectedAndNothingMoves)
{
    const Log before = Items();
    Dialog.List.SetSelIndex(-1);
    Dialog.List.MoveItem(TMoveDirection::Down, -1);
    EXPECT_EQ(Items(), before);
    EXPECT_EQ(Dialog.List.GetSelIndex(), 0);

    Dialog.List.ClearList();
    Dialog.List.MoveItem(TMoveDirection::Up, -1);
    EXPECT_EQ(Dialog.List.GetCount(), 0);
    EXPECT_EQ(Dialog.List.GetSelIndex(), LB_ERR);
}

// ---- the edit field ----

class EditField : public ControlsTest {
protected:
    // Replaces the whole text as typing over a selection does, so it can be undone.
    static void TypeOver(const TEdit& edit, const char* text)
    {
        edit.SendMessage(EM_SETSEL, 0, -1);
        edit.SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    }

    // The pixels of the ring one pixel outside a window's client area.
    static std::vector<COLORREF> RingOutside(HWND window)
    {
        RECT ring = ClientOnScreen(window);
        ::InflateRect(&ring, 1, 1);
        return RingPixels(window, ring);
    }
};

TEST_F(EditField, EscapeUndoesTheLastEditAsTheEditsOwnUndoDoes)
{
    // The edit's own undo command, for reference.
    Dialog.Queue.SetText("first");
    TypeOver(Dialog.Queue, "second");
    Dialog.Queue.SendMessage(EM_UNDO);
    const std::string undone = Dialog.Queue.GetText();
    Dialog.Queue.SendMessage(EM_UNDO);
    const std::string redone = Dialog.Queue.GetText();
    ASSERT_EQ(undone, "first");
    ASSERT_EQ(redone, "second");

    Dialog.Header.SetText("first");
    ::SetFocus(Dialog.Header);
    TypeOver(Dialog.Header, "second");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Dialog.Header.GetText(), undone);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Dialog.Header.GetText(), redone);
    // Other keys are the edit's own; Esc never asks the dialog to close.
    PressKey(VK_END);
    PressKey('X');
    EXPECT_EQ(Dialog.Header.GetText(), "secondx");
    EXPECT_TRUE(::IsWindow(Dialog.GetHandle()));
}

TEST_F(EditField, TheFocusFrameIsDrawnJustOutsideTheClientAreaAndWipedWhenTheFocusGoes)
{
    // A field with a border and one without: the ring lies on the border, or in the dialog.
    for (TQZEditCursor* edit : {&Dialog.Header, &Dialog.OutFile}) {
        const std::vector<COLORREF> before = RingOutside(*edit);
        ASSERT_FALSE(before.empty());
        ASSERT_LT(CountColour(before, RGB(0, 0, 0)), static_cast<int>(before.size()));

        ::SetFocus(*edit);
        PumpMessages();
        const std::vector<COLORREF> framed = RingOutside(*edit);
        EXPECT_EQ(CountColour(framed, RGB(0, 0, 0)), static_cast<int>(framed.size())) << edit->GetId();

        ::SetFocus(Dialog.List);
        PumpMessages();
        EXPECT_EQ(RingOutside(*edit), before) << edit->GetId();
    }
}

TEST_F(EditField, AClosingMenuHasTheDialogRepaintedAtOnce)
{
    RECT spot{0, 0, 20, 20};
    ::InvalidateRect(Dialog, &spot, TRUE);
    // A menu item highlighted: nothing to do yet.
    Dialog.Header.SendMessage(WM_MENUSELECT, MAKEWPARAM(5, MF_HILITE), reinterpret_cast<LPARAM>(::GetMenu(Host)));
    EXPECT_TRUE(::GetUpdateRect(Dialog, nullptr, FALSE));
    Dialog.Header.SendMessage(WM_MENUSELECT, MenuClosedWParam, 0);
    EXPECT_FALSE(::GetUpdateRect(Dialog, nullptr, FALSE));
}

// ---- the push button's clean-up of its parent ----

class AutoButton : public ControlsTest {};

TEST_F(AutoButton, ErasingALitButtonRepaintsItsEdgeInTheDialogAndKeepsTheLight)
{
    TAutoButton& button = Dialog.Delete;
    MoveOver(button, Centre(button));
    ASSERT_TRUE(button.GetLumen().IsLit());

    Dialog.Log.Clear();
    {
        TClientDC dc(button);
        EXPECT_EQ(button.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc))), TRUE);
    }
    // The light is drawn again once the face is painted.
    EXPECT_TRUE(button.GetLumen().IsLit());
    EXPECT_EQ(Dialog.Log.Of(WM_PAINT).size(), 1u);   // at once, not when the queue gets to it

    // Dark: the erase is only reported.
    PointerTo(Away(), TEcho::None);
    button.SendMessage(WM_TIMER, TMouseLumen::LightTimerId);
    ASSERT_FALSE(button.GetLumen().IsLit());
    Dialog.Log.Clear();
    {
        TClientDC dc(button);
        EXPECT_EQ(button.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc))), TRUE);
    }
    EXPECT_TRUE(Dialog.Log.Of(WM_PAINT).empty());
}

TEST_F(AutoButton, LosingTheFocusRepaintsTheDialogAroundTheButtonAtOnce)
{
    ::SetFocus(Dialog.Delete);
    PumpMessages();
    Dialog.Log.Clear();
    ::SetFocus(Dialog.List);
    EXPECT_EQ(Dialog.Log.Of(WM_PAINT).size(), 1u);
    RECT pending{};
    EXPECT_FALSE(::GetUpdateRect(Dialog, &pending, FALSE));
}

} // namespace
