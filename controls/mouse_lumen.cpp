#include "controls/mouse_lumen.h"

#include "controls/window_drawing.h"
#include "framework/gdi.h"
#include "framework/window.h"

namespace {

// One tick at a time in the whole process: a repaint inside a tick can bring another.
bool Ticking = false;

class TTickGuard {
public:
    TTickGuard() { Ticking = true; }
    ~TTickGuard() { Ticking = false; }
    TTickGuard(const TTickGuard&) = delete;
    TTickGuard& operator=(const TTickGuard&) = delete;
};

} // namespace

TMouseLumen::TMouseLumen(int kind, TWindow* window) : Kind(kind), Window(window)
{
}

TMouseLumen::~TMouseLumen()
{
    if (TimerId && Window && Window->GetHandle())
        ::KillTimer(Window->GetHandle(), TimerId);
}

void TMouseLumen::MouseMove(WPARAM keys)
{
    HWND control = Window && IsLight() ? Window->GetHandle() : nullptr;
    if (keys != 0 || !control)
        return;
    RECT client{};
    ::GetClientRect(control, &client);
    if (Kind == Face) {
        if (!Lit)
            InvertFace(TClientDC(control), client);
        Lit = true;
    } else {
        // A focused control shows its focus instead; the flag keeps this from repeating.
        // A light still running from before the focus came is taken away as well.
        if (::GetFocus() == control) {
            if (!Lit || TimerId) {
                Unlight();
                if (TimerId)
                    ::KillTimer(control, TimerId);
                TimerId = 0;
            }
            Lit = true;
            return;
        }
        DrawFrame(TClientDC(control), client);
    }
    TimerId = ::SetTimer(control, LightTimerId, LightTimerInterval, nullptr);
}

void TMouseLumen::TimerTick()
{
    HWND control = Window && IsLight() ? Window->GetHandle() : nullptr;
    if (Ticking || !control)
        return;
    TTickGuard guard;

    POINT cursor{};
    ::GetCursorPos(&cursor);
    RECT rect{};
    ::GetWindowRect(control, &rect);
    if (Kind == FrameBesideScrollBar)
        rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    HWND found = ::WindowFromPoint(cursor);
    if (found && found != control)
        found = ::GetAncestor(found, GA_PARENT);   // a child of the control counts as the control

    if (!::PtInRect(&rect, cursor) || found != control) {
        Unlight();
        // Without a light timer of ours there is nothing to stop (id 0 may be the class's own).
        if (TimerId)
            ::KillTimer(control, TimerId);
        TimerId = 0;
    }
}

void TMouseLumen::Unlight()
{
    HWND control = Window && IsLight() ? Window->GetHandle() : nullptr;
    if (!control)
        return;
    if (Kind == Face) {
        ::InvalidateRect(control, nullptr, TRUE);
    } else {
        RECT client{};
        ::GetClientRect(control, &client);
        ::InvalidateRgn(control, RingRegion(client, 1), TRUE);
    }
    Dimming = true;
    ::UpdateWindow(control);
    Dimming = false;
    Lit = false;
}

void TMouseLumen::PaintOver(HRGN painted)
{
    HWND control = Window && IsLight() ? Window->GetHandle() : nullptr;
    if (!control || Dimming)
        return;
    // The face while lit; the frame while its timer runs, unless the focus quiets it.
    const bool face = Kind == Face && Lit;
    const bool frame = Kind != Face && TimerId && ::GetFocus() != control;
    if (!face && !frame)
        return;
    TClientDC dc(control);
    // Only over what was just painted: elsewhere the light is still on the screen.
    ::SelectClipRgn(dc, painted);
    RECT client{};
    ::GetClientRect(control, &client);
    if (face)
        InvertFace(dc, client);
    else
        DrawFrame(dc, client);
}

void TMouseLumen::DrawFrame(HDC dc, const RECT& client) const
{
    TSelectObject brush(dc, ::GetStockObject(NULL_BRUSH));
    TPen pen(::CreatePen(PS_DOT, 1, RGB(128, 128, 128)));
    TSelectObject oldPen(dc, pen);
    DrawRectangle(dc, client);
}

void TMouseLumen::InvertFace(HDC dc, const RECT& client) const
{
    TSelectObject brush(dc, ::GetStockObject(DKGRAY_BRUSH));
    ::PatBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top, PATINVERT);
}
