#include "framework/font.h"

#include "text/wide_text.h"

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
