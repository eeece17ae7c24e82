#include "framework/font.h"

#include "framework/dpi.h"
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

std::optional<LOGFONTW> SystemStatusBarFont(int dpi)
{
    const std::optional<NONCLIENTMETRICSW> metrics = NonClientMetricsForDpi(dpi > 0 ? dpi : SystemDpi());
    if (!metrics)
        return std::nullopt;
    return metrics->lfStatusFont;
}
