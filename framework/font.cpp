#include "framework/font.h"

#include "text/wide_text.h"

#include <cwchar>

TFont::TFont(const char* face, int height, int width, int escapement, int orientation, int weight,
             BYTE pitchAndFamily, BYTE italic, BYTE underline, BYTE strikeout, BYTE charSet,
             BYTE outputPrecision, BYTE clipPrecision, BYTE quality)
{
    LOGFONTW description{};
    description.lfHeight = height;
    description.lfWidth = width;
    description.lfEscapement = escapement;
    description.lfOrientation = orientation;
    description.lfWeight = weight;
    description.lfItalic = italic;
    description.lfUnderline = underline;
    description.lfStrikeOut = strikeout;
    description.lfCharSet = charSet;
    description.lfOutPrecision = outputPrecision;
    description.lfClipPrecision = clipPrecision;
    description.lfQuality = quality;
    description.lfPitchAndFamily = pitchAndFamily;
    SetFaceName(description, face ? face : "");
    Handle = ::CreateFontIndirectW(&description);
}

TFont::TFont(const LOGFONTW& description) : Handle(::CreateFontIndirectW(&description))
{
}

TFont::~TFont()
{
    if (Handle)
        ::DeleteObject(Handle);
}

bool TFont::GetObject(LOGFONTW& description) const
{
    return Handle && ::GetObjectW(Handle, sizeof description, &description) == sizeof description;
}

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
