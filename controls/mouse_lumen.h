#pragma once
// The hover light of a control: while the mouse moves over it with no button or key held,
// a dotted grey frame or an inverted face; a 100 ms timer takes the light away as soon as
// the pointer has left. No hook and no capture: the control's own WM_MOUSEMOVE and
// WM_TIMER handlers drive it. A control that paints itself again while lit (a themed button
// does on hover) has the light drawn again over what it painted (PaintOver).
#include <windows.h>

class TWindow;

class TMouseLumen {
public:
    // Kinds of light.
    static constexpr int NoLight = -1;               // a control without a light
    static constexpr int Frame = 0;                  // dotted frame on the client edge
    static constexpr int Face = 1;                   // whole face inverted once
    static constexpr int FrameBesideScrollBar = 2;   // as Frame; the scroll-bar strip is not "over"

    static constexpr UINT_PTR LightTimerId = 1029;
    static constexpr UINT LightTimerInterval = 100;

    TMouseLumen(int kind, TWindow* window);
    ~TMouseLumen();
    TMouseLumen(const TMouseLumen&) = delete;
    TMouseLumen& operator=(const TMouseLumen&) = delete;

    // Every WM_MOUSEMOVE of the control, with the message's key flags, after its own work.
    void MouseMove(WPARAM keys);
    // Every WM_TIMER of the control, whatever the timer.
    void TimerTick();
    // Takes the light away and repaints at once.
    void Unlight();
    // After the control's own painting of the region (client coordinates): the light again
    // over what was painted, while it is on.
    void PaintOver(HRGN painted);

    bool IsLight() const { return Kind != NoLight; }
    bool IsLit() const { return Lit; }

private:
    // The light on the control's client rectangle, through a DC of its client area.
    void DrawFrame(HDC dc, const RECT& client) const;
    void InvertFace(HDC dc, const RECT& client) const;

    int Kind;
    TWindow* Window;
    UINT_PTR TimerId = 0;
    bool Lit = false;
    bool Dimming = false;   // inside Unlight's repaint: what is painted then stays dark
};
