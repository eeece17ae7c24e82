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
    if (Kind == Face) {
        if (!Lit)
            InvertFace(control);
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
        DrawFrame(control);
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
    ::UpdateWindow(control);
    Lit = false;
}

void TMouseLumen::DrawFrame(HWND control) const
{
    // The client edge as the window DC sees it: on a bordered control the client does not
    // start at the window's corner, and the frame must lie where Unlight repaints.
    RECT rect = ClientRectInWindow(control);
    TWindowDC dc(control);
    TSelectObject brush(dc, ::GetStockObject(NULL_BRUSH));
    TPen pen(::CreatePen(PS_DOT, 1, RGB(128, 128, 128)));
    TSelectObject oldPen(dc, pen);
    DrawRectangle(dc, rect);
}

void TMouseLumen::InvertFace(HWND control) const
{
    RECT rect = ClientRectInWindow(control);
    TWindowDC dc(control);
    TSelectObject brush(dc, ::GetStockObject(DKGRAY_BRUSH));
    ::PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATINVERT);
}
