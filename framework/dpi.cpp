#include "framework/dpi.h"

#include <cstddef>

namespace {

// A function of user32 or shcore that this system may not have; null then.
template <typename TFunction>
TFunction SystemFunction(const wchar_t* module, const char* name)
{
    HMODULE handle = ::GetModuleHandleW(module);
    if (!handle)
        handle = ::LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return handle ? reinterpret_cast<TFunction>(reinterpret_cast<void*>(::GetProcAddress(handle, name))) : nullptr;
}

using TGetDpiForWindow = UINT(WINAPI*)(HWND);
using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using TAdjustWindowRectExForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using TSystemParametersInfoForDpi = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

constexpr int EffectiveDpi = 0;   // MDT_EFFECTIVE_DPI

// The record without iPaddedBorderWidth, as every system takes it.
constexpr UINT MetricsSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);

} // namespace

int SystemDpi()
{
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : StandardDpi;
}

int DpiOfWindow(HWND window)
{
    static const auto forWindow = SystemFunction<TGetDpiForWindow>(L"user32.dll", "GetDpiForWindow");
    const int dpi = forWindow && window ? static_cast<int>(forWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

int DpiOfMonitorAt(POINT screenPoint)
{
    static const auto forMonitor = SystemFunction<TGetDpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (forMonitor && SUCCEEDED(forMonitor(::MonitorFromPoint(screenPoint, MONITOR_DEFAULTTONEAREST), EffectiveDpi, &x, &y)) &&
        y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}

LOGFONTW FontAtDpi(LOGFONTW font, int fromDpi, int toDpi)
{
    if (fromDpi > 0 && toDpi > 0 && fromDpi != toDpi) {
        font.lfHeight = ::MulDiv(font.lfHeight, toDpi, fromDpi);
        font.lfWidth = ::MulDiv(font.lfWidth, toDpi, fromDpi);
    }
    return font;
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi)
{
    static const auto adjust = SystemFunction<TAdjustWindowRectExForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&rect, style, menu, exStyle, static_cast<UINT>(dpi)))
        ::AdjustWindowRectEx(&rect, style, menu, exStyle);
}

NONCLIENTMETRICSW NonClientMetricsScaled(const NONCLIENTMETRICSW& system, int systemDpi, int dpi)
{
    NONCLIENTMETRICSW scaled = system;
    if (systemDpi <= 0 || dpi == systemDpi)
        return scaled;
    for (LOGFONTW* font : {&scaled.lfCaptionFont, &scaled.lfSmCaptionFont, &scaled.lfMenuFont,
                           &scaled.lfStatusFont, &scaled.lfMessageFont})
        *font = FontAtDpi(*font, systemDpi, dpi);
    for (int* size : {&scaled.iBorderWidth, &scaled.iScrollWidth, &scaled.iScrollHeight, &scaled.iCaptionWidth,
                      &scaled.iCaptionHeight, &scaled.iSmCaptionWidth, &scaled.iSmCaptionHeight,
                      &scaled.iMenuWidth, &scaled.iMenuHeight})
        *size = ::MulDiv(*size, dpi, systemDpi);
    return scaled;
}

std::optional<NONCLIENTMETRICSW> NonClientMetricsForDpi(int dpi)
{
    static const auto forDpi = SystemFunction<TSystemParametersInfoForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;   // the newer function takes the whole record only
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return metrics;
    metrics.cbSize = MetricsSize;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, MetricsSize, &metrics, 0))
        return std::nullopt;
    return NonClientMetricsScaled(metrics, SystemDpi(), dpi);
}
