#pragma once
// Where things are on the screen: rectangles and their middles, points of a window's own
// background, the colour a window shows at a point.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>

// Rectangles compare whole and print as {left, top, right, bottom}: EXPECT_EQ(rect, expected).
inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* out)
{
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

inline int ScreenWidth()
{
    return ::GetSystemMetrics(SM_CXSCREEN);
}

inline int ScreenHeight()
{
    return ::GetSystemMetrics(SM_CYSCREEN);
}

inline POINT Centre(const RECT& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

inline RECT WindowRect(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

// The client area of a window in screen coordinates.
inline RECT ClientOnScreen(HWND window)
{
    RECT r{};
    ::GetClientRect(window, &r);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The middle of a window's client area on the screen, where a person aims at it.
inline POINT Centre(HWND window)
{
    return Centre(ClientOnScreen(window));
}

// A child window's rectangle in its parent's client coordinates.
inline RECT PlaceInParent(HWND child)
{
    RECT r = WindowRect(child);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A point of the screen in a window's client coordinates, as mouse messages carry it.
inline LPARAM ClientPoint(HWND window, POINT screen)
{
    ::ScreenToClient(window, &screen);
    return MAKELPARAM(screen.x, screen.y);
}

// A point of the window's own background on the screen: on the window, over none of its children.
inline POINT BackgroundPoint(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    for (int y = client.bottom - 5; y > 3; y -= 6) {
        for (int x = client.right - 5; x > 3; x -= 6) {
            POINT screen{x, y};
            ::ClientToScreen(window, &screen);
            if (::ChildWindowFromPointEx(window, {x, y}, CWP_ALL) == window && ::WindowFromPoint(screen) == window)
                return screen;
        }
    }
    ADD_FAILURE() << "no free spot on the window";
    return {};
}

// The colour on the screen at a point of the screen, as the window there shows it.
inline COLORREF ScreenPixel(HWND anyOfTheWindow, POINT screen)
{
    HWND top = ::GetAncestor(anyOfTheWindow, GA_ROOT);
    const RECT outer = WindowRect(top);
    HDC dc = ::GetWindowDC(top);
    const COLORREF colour = ::GetPixel(dc, screen.x - outer.left, screen.y - outer.top);
    ::ReleaseDC(top, dc);
    return colour;
}
