#include "framework/font.h"

#include <cstring>

TFont::TFont(const char* face, int height, int width, int escapement, int orientation, int weight,
             BYTE pitchAndFamily, BYTE italic, BYTE underline, BYTE strikeout, BYTE charSet,
             BYTE outputPrecision, BYTE clipPrecision, BYTE quality)
{
    LOGFONTA description{};
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
    std::strncpy(description.lfFaceName, face ? face : "", LF_FACESIZE - 1);
    Handle = ::CreateFontIndirectA(&description);
}

TFont::TFont(const LOGFONTA& description) : Handle(::CreateFontIndirectA(&description))
{
}

TFont::~TFont()
{
    if (Handle)
        ::DeleteObject(Handle);
}

bool TFont::GetObject(LOGFONTA& description) const
{
    return Handle && ::GetObjectA(Handle, sizeof description, &description) == sizeof description;
}
