#include "framework/gdi.h"

#include "text/wide_text.h"

#include <commctrl.h>

void EnsureCommonControls()
{
    static const bool done = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)done;
}

std::string LoadResourceString(HINSTANCE instance, UINT id, int room)
{
    std::wstring text(static_cast<std::size_t>(room > 0 ? room : 1), L'\0');
    int length = ::LoadStringW(instance, id, text.data(), room);
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return Narrow(text);
}

HFONT PointFont(const char* face, int points)
{
    TClientDC screen(nullptr);
    int height = -::MulDiv(points, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    return ::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                         Wide(face ? face : "").c_str());
}
