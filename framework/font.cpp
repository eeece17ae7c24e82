#include "framework/font.h"

#include "text/wide_text.h"

#include <cstddef>
#include <cwchar>

void SetFaceName(LOGFONTW& font, std::string_view face)
{
    const std::wstring wide = Wide(CutToUtf16Units(face, LF_FACESIZE - 1));
    std::wmemset(font.lfFaceName, L'\0', LF_FACESIZE);
    wide.copy(font.lfFaceName, LF_FACESIZE - 1);
}

std::string FaceName(const LOGFONTW& font)
{
    return Narrow(std::wstring_view(font.lfFaceName, ::wcsnlen(font.lfFaceName, LF_FACESIZE)));
}

std::optional<LOGFONTW> SystemStatusBarFont()
{
    // The record without iPaddedBorderWidth, as every system takes it.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return std::nullopt;
    return metrics.lfStatusFont;
}
