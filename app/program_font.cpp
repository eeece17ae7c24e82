#include "app/program_font.h"

#include "framework/font.h"
#include "settings/profile.h"
#include "text/utf16_text.h"

namespace {
// The size the dialog's layout is made for: its resource font's 8 points at the screen's DPI.
constexpr int LayoutPoints = 8;
constexpr std::size_t FaceMax = 30;   // characters (UTF-16 units) of a face name kept
// The room a face is read with: 30 characters of any script, in UTF-8.
constexpr std::size_t FaceReadRoom = FaceMax * 3 + 1;
}

LOGFONTW ReadFontKeys(const TProfile& profile, const std::string& file, const std::string& section,
                      int defaultHeight)
{
    LOGFONTW font{};
    font.lfHeight = profile.ReadInt(file, section, "lfHeight", defaultHeight);
    font.lfWeight = profile.ReadInt(file, section, "lfWeight", FW_NORMAL);
    font.lfItalic = static_cast<BYTE>(profile.ReadInt(file, section, "lfItalic", 0));
    font.lfUnderline = static_cast<BYTE>(profile.ReadInt(file, section, "lfUnderline", 0));
    font.lfStrikeOut = static_cast<BYTE>(profile.ReadInt(file, section, "lfStrikeOut", 0));
    const std::string face = profile.ReadString(file, section, "lfFaceName", "Arial", FaceReadRoom);
    SetFaceName(font, CutToUtf16Units(face, FaceMax));
    return font;
}

int FittingFontHeight()
{
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return -::MulDiv(LayoutPoints, dpi > 0 ? dpi : 96, 72);
}

HFONT BuildProgramFont(const TProfile& profile, const std::string& file, const std::string& section)
{
    LOGFONTW font = ReadFontKeys(profile, file, section, FittingFontHeight());
    return ::CreateFontIndirectW(&font);
}

bool WriteFontKeys(TProfile& profile, const std::string& file, const std::string& section,
                   const LOGFONTW& font, int pointSize)
{
    bool written = true;
    auto write = [&](const char* key, const std::string& value) {
        written = profile.WriteString(file, section, key, value) && written;
    };
    write("lfHeight", std::to_string(font.lfHeight));
    write("lfPointSize", std::to_string(pointSize / 10));   // whole points: 9.5 is kept as 9
    write("lfWeight", std::to_string(font.lfWeight));
    write("lfItalic", std::to_string(font.lfItalic));
    write("lfUnderline", std::to_string(font.lfUnderline));
    write("lfStrikeOut", std::to_string(font.lfStrikeOut));
    write("lfFaceName", std::string(CutToUtf16Units(FaceName(font), FaceMax)));
    return written;
}
