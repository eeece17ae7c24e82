// The hover light on the program's controls: what is drawn on a mouse move, and what a
// timer tick leaves, for each kind of light. Timers are driven by sending WM_TIMER.
#include "control_probe.h"

using namespace probe;

namespace {

const COLORREF Grey = RGB(128, 128, 128);

void Tick(HWND control, WPARAM id = TMouseLumen::LightTimerId)
{
    ::SendMessageW(control, WM_TIMER, id, 0);
}

std::vector<COLORREF> ClientEdge(HWND control)
{
    return RingPixels(control, ClientOnScreen(control));
}

COLORREF Inverted(COLORREF colour)
{
    return colour ^ RGB(64, 64, 64);   // the dark grey pattern, XORed
}

// The dotted frame covers the whole ring: a good part of its pixels are the pen's grey.
bool DottedAllRound(const std::vector<COLORREF>& ring)
{
    return CountColour(ring, Grey) * 4 >= static_cast<int>(ring.size());
}

class HoverLight : public ControlsTest {
protected:
    // Leaves the control with the pointer gone from it, without letting the timer see it yet.
    static void LeaveForGood() { PointerTo(Away(), TEcho::None); }
};

TEST_F(HoverLight, AFrameLightsTheClientEdgeUntilATickFindsThePointerGone)
{
    struct TCase {
        HWND Control;
        const TMouseLumen* Lumen;
    } cases[] = {
        {Dialog.InvertSlash, &Dialog.InvertSlash.GetLumen()},
        {Dialog.Header, &Dialog.Header.GetLumen()},
        {Dialog.FullPath, &Dialog.FullPath.GetLumen()},   // beside its scroll bar's strip
        {Dialog.List, &Dialog.List.GetLumen()},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(::GetDlgCtrlID(c.Control));
        const std::vector<COLORREF> dark = ClientEdge(c.Control);
        ASSERT_EQ(CountColour(dark, Grey), 0);
        // Left of the centre: clear of the strip a list keeps for its scroll bar.
        RECT client = ClientOnScreen(c.Control);
        const POINT over{client.left + 4, (client.top + client.bottom) / 2};

        MoveOver(c.Control, over);
        const std::vector<COLORREF> lit = ClientEdge(c.Control);
        EXPECT_TRUE(DottedAllRound(lit));
        EXPECT_TRUE(LightTimerRunning(c.Control));

        MoveOver(c.Control, {over.x + 1, over.y});
        Tick(c.Control);   // the pointer is still over the control
        EXPECT_EQ(ClientEdge(c.Control), lit);
        EXPECT_TRUE(LightTimerRunning(c.Control));

        LeaveForGood();
        Tick(c.Control);   // repainted at once: nothing is pumped before the look
        EXPECT_EQ(ClientEdge(c.Control), dark);
        EXPECT_FALSE(c.Lumen->IsLit());
        EXPECT_FALSE(LightTimerRunning(c.Control));
    }
}

TEST_F(HoverLight, APushButtonFaceIsInvertedOnceAndRestoredWhenThePointerHasLeft)
{
    TAutoButton& button = Dialog.Delete;
    const POINT centre = Centre(button);
    const COLORREF face = ScreenPixel(button, centre);

    MoveOver(button, centre);
    EXPECT_EQ(ScreenPixel(button, centre), Inverted(face));
    EXPECT_TRUE(button.GetLumen().IsLit());
    MoveOver(button, {centre.x + 1, centre.y});   // no flicker back
    EXPECT_EQ(ScreenPixel(button, centre), Inverted(face));
    Tick(button);
    EXPECT_EQ(ScreenPixel(button, centre), Inverted(face));
    EXPECT_TRUE(LightTimerRunning(button));

    LeaveForGood();
    Tick(button);
    EXPECT_EQ(ScreenPixel(button, centre), face);
    EXPECT_FALSE(button.GetLumen().IsLit());
    EXPECT_FALSE(LightTimerRunning(button));
}

TEST_F(HoverLight, TheLightStaysWhenTheControlPaintsItselfAgain)
{
    // A themed control paints itself anew on hover, whole or in part, erasing first or not.
    TAutoButton& button = Dialog.Delete;
    const POINT centre = Centre(button), nearLeft{ClientOnScreen(button).left + 3, centre.y};
    const COLORREF face = ScreenPixel(button, centre), faceNearLeft = ScreenPixel(button, nearLeft);
    TQZCheckBox& box = Dialog.InvertSlash;
    MoveOver(box, Centre(box));
    MoveOver(button, centre);
    RECT leftHalf = button.GetClientRect();
    leftHalf.right /= 2;
    for (const RECT* part : std::initializer_list<const RECT*>{nullptr, &leftHalf}) {
        for (BOOL erase : {FALSE, TRUE}) {
            ::InvalidateRect(button, part, erase);
            ::UpdateWindow(button);
            EXPECT_EQ(ScreenPixel(button, centre), Inverted(face)) << !part << erase;
            EXPECT_EQ(ScreenPixel(button, nearLeft), Inverted(faceNearLeft)) << !part << erase;
        }
    }
    ::InvalidateRect(box, nullptr, TRUE);   // the check box's frame is drawn again too
    ::UpdateWindow(box);
    EXPECT_TRUE(DottedAllRound(ClientEdge(box)));

    // Gone with the pointer: a repaint leaves it dark.
    LeaveForGood();
    Tick(button);
    ::InvalidateRect(button, nullptr, FALSE);
    ::UpdateWindow(button);
    EXPECT_EQ(ScreenPixel(button, centre), face);
}

TEST_F(HoverLight, AHeldButtonOrKeyDrawsNothingAndStartsNoTimer)
{
    const COLORREF face = ScreenPixel(Dialog.Delete, Centre(Dialog.Delete));
    const std::vector<COLORREF> dark = ClientEdge(Dialog.InvertSlash);
    const std::pair<int, WPARAM> held[] = {
        {VK_LBUTTON, MK_LBUTTON}, {VK_RBUTTON, MK_RBUTTON}, {VK_SHIFT, MK_SHIFT}, {VK_CONTROL, MK_CONTROL}};
    for (const auto& [key, flag] : held) {
        HoldKey(key, true);
        MoveOver(Dialog.InvertSlash, Centre(Dialog.InvertSlash), flag);
        MoveOver(Dialog.Delete, Centre(Dialog.Delete), flag);
        HoldKey(key, false);
        EXPECT_EQ(ClientEdge(Dialog.InvertSlash), dark) << key;
        EXPECT_EQ(ScreenPixel(Dialog.Delete, Centre(Dialog.Delete)), face) << key;
        EXPECT_FALSE(LightTimerRunning(Dialog.InvertSlash)) << key;
        EXPECT_FALSE(LightTimerRunning(Dialog.Delete)) << key;
        EXPECT_FALSE(Dialog.Delete.GetLumen().IsLit()) << key;
    }
}

TEST_F(HoverLight, AFocusedControlStaysQuietAndLosesALightItHadBefore)
{
    TQZCheckBox& box = Dialog.InvertSlash;
    ::SetFocus(box);
    PumpMessages();
    const std::vector<COLORREF> focused = ClientEdge(box);

    MoveOver(box, Centre(box));
    MoveOver(box, Centre(box));
    EXPECT_EQ(ClientEdge(box), focused);
    EXPECT_TRUE(box.GetLumen().IsLit());
    EXPECT_FALSE(LightTimerRunning(box));

    // The focus gone, the next move lights it again.
    ::SetFocus(Dialog.List);
    PumpMessages();
    MoveOver(box, Centre(box));
    EXPECT_TRUE(DottedAllRound(ClientEdge(box)));
    EXPECT_TRUE(LightTimerRunning(box));

    // The focus back while lit: the next move takes the light away.
    ::SetFocus(box);
    MoveOver(box, Centre(box));
    EXPECT_EQ(CountColour(ClientEdge(box), Grey), 0);
    EXPECT_FALSE(LightTimerRunning(box));

    // The focused edit shows its own frame and no dotted one.
    ::SetFocus(Dialog.Header);
    PumpMessages();
    MoveOver(Dialog.Header, Centre(Dialog.Header));
    EXPECT_EQ(CountColour(ClientEdge(Dialog.Header), Grey), 0);
    EXPECT_FALSE(LightTimerRunning(Dialog.Header));
}

TEST_F(HoverLight, OverTheListsScrollBarThePointerHasLeftTheList)
{
    for (int i = 0; i < 40; ++i)
        Dialog.List.AddString("c:\\folder\\file " + std::to_string(i) + ".txt");
    const RECT window = Dialog.List.GetWindowRect();
    const RECT client = ClientOnScreen(Dialog.List);
    ASSERT_LT(client.right, window.right - 4);   // the scroll bar shows
    const int middle = (window.top + window.bottom) / 2;
    const int strip = ::GetSystemMetrics(SM_CXVSCROLL);

    MoveOver(Dialog.List, {client.left + 10, middle});
    PointerTo({window.right - strip - 2, middle}, TEcho::None);   // just left of the strip
    Tick(Dialog.List);
    EXPECT_TRUE(LightTimerRunning(Dialog.List));
    EXPECT_TRUE(DottedAllRound(ClientEdge(Dialog.List)));

    PointerTo({window.right - strip / 2, middle}, TEcho::None);   // on the scroll bar, still in the window
    ASSERT_EQ(::WindowFromPoint({window.right - strip / 2, middle}), Dialog.List.GetHandle());
    Tick(Dialog.List);
    EXPECT_FALSE(LightTimerRunning(Dialog.List));
    EXPECT_EQ(CountColour(ClientEdge(Dialog.List), Grey), 0);
}

TEST_F(HoverLight, ATimerOfAnotherIdTicksTheLightToo)
{
    TQZCheckBox& box = Dialog.InvertSlash;
    MoveOver(box, Centre(box));
    Tick(box, 77);
    EXPECT_TRUE(LightTimerRunning(box));
    EXPECT_TRUE(DottedAllRound(ClientEdge(box)));

    LeaveForGood();
    Tick(box, 77);
    EXPECT_FALSE(LightTimerRunning(box));
    EXPECT_EQ(CountColour(ClientEdge(box), Grey), 0);
}

TEST_F(HoverLight, TheEditsOwnTimerStillScrollsItWhileTheMouseDragsOutOfIt)
{
    TQZEditCursor& edit = Dialog.OutFile;
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "segment" + std::to_string(i) + "\\";
    edit.SetText(text);
    ::SetFocus(edit);
    edit.SendMessage(EM_SETSEL, text.size(), text.size());   // scrolled to the end
    const LRESULT firstVisible = edit.SendMessage(EM_GETFIRSTVISIBLELINE);
    ASSERT_GT(firstVisible, 0);

    // Press inside, drag out to the left, hold: the edit scrolls back on its own timer.
    const RECT client = ClientOnScreen(edit);
    const POINT inside{client.left + 3, (client.top + client.bottom) / 2};
    const POINT outside{client.left - 30, inside.y};
    PressOver(edit, TMouseButton::Left, inside);
    PointerTo(outside, TEcho::None);
    ::SendMessageW(edit, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(edit, outside));
    // Two steps back at least: the light's ticks neither swallow the edit's timer nor stop it.
    LRESULT shown = edit.SendMessage(EM_GETFIRSTVISIBLELINE);
    int steps = 0;
    PumpUntil([&] {
        const LRESULT now = edit.SendMessage(EM_GETFIRSTVISIBLELINE);
        steps += now < shown;
        shown = now;
        return steps == 2;
    }, 4000);
    EXPECT_EQ(steps, 2);
    ReleaseOver(edit, TMouseButton::Left, outside);
}

TEST_F(HoverLight, DestroyingALitControlKillsItsTimer)
{
    HWND box = *Dialog.SaveLocal;
    MoveOver(box, Centre(box));
    ASSERT_TRUE(LightTimerRunning(box));
    Dialog.SaveLocal.reset();   // the object goes, the dialog's window stays
    ASSERT_TRUE(::IsWindow(box));
    EXPECT_FALSE(::KillTimer(box, TMouseLumen::LightTimerId));

    // A window destroyed under a lit object leaves the object nothing to stop.
    HWND radio = *Dialog.NonePath;
    MoveOver(radio, Centre(radio));
    ASSERT_TRUE(LightTimerRunning(radio));
    ::DestroyWindow(radio);
    EXPECT_EQ(Dialog.NonePath->GetHandle(), nullptr);
    Dialog.NonePath.reset();
}

TEST_F(HoverLight, ATickArrivingWhileAnotherIsHandledIsIgnored)
{
    TAutoButton& button = Dialog.Delete;
    TQZCheckBox& box = Dialog.InvertSlash;
    MoveOver(box, Centre(box));
    MoveOver(button, Centre(button));
    ASSERT_TRUE(LightTimerRunning(box));
    ASSERT_TRUE(button.GetLumen().IsLit());

    // The button's repaint repaints the dialog, and a tick for the box comes meanwhile.
    int nestedTicks = 0;
    Dialog.OnPaint = [&] {
        ++nestedTicks;
        Tick(box);
    };
    LeaveForGood();
    Tick(button);
    Dialog.OnPaint = nullptr;
    ASSERT_GT(nestedTicks, 0);
    EXPECT_FALSE(button.GetLumen().IsLit());
    EXPECT_TRUE(LightTimerRunning(box));   // that tick was ignored

    Tick(box);
    EXPECT_FALSE(LightTimerRunning(box));
}

} // namespace
