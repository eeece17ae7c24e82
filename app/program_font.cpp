#include "app/program_font.h"

#include "settings/profile.h"

#include <cstring>

namespace {
constexpr int ProgramFontHeight = -16;
constexpr std::size_t FaceRoom = 31;   // 30 characters and the zero
}

LOGFONTA ReadFontKeys(const TProfile& profile, const std::string& file, const std::string& section,
                      int defaultHeight)
{
    LOGFONTA font{};
    font.lfHeight = profile.ReadInt(file, section, "lfHeight", defaultHeight);
    font.lfWeight = profile.ReadInt(file, section, "lfWeight", FW_NORMAL);
    font.lfItalic = static_cast<BYTE>(profile.ReadInt(file, section, "lfItalic", 0));
    font.lfUnderline = static_cast<BYTE>(profile.ReadInt(file, section, "lfUnderline", 0));
    font.lfStrikeOut = static_cast<BYTE>(profile.ReadInt(file, section, "lfStrikeOut", 0));
    std::string face = profile.ReadString(file, section, "lfFaceName", "Arial", FaceRoom);
    std::strncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return font;
}

HFONT BuildProgramFont(const TProfile& profile, const std::string& file, const std::string& section)
{
    LOGFONTA font = ReadFontKeys(profile, file, section, ProgramFontHeight);
    return ::CreateFontIndirectA(&font);
}

bool WriteFontKeys(TProfile& profile, const std::string& file, const std::string& section,
                   const LOGFONTA& font, int pointSize)
{
    // One change of the file: it holds the whole new font or the old one.
    return static_cast<bool>(profile.WriteStrings(
        file, section,
        {{"lfHeight", std::to_string(font.lfHeight)},
         {"lfPointSize", std::to_string(pointSize / 10)},   // whole points: 9.5 is kept as 9
         {"lfWeight", std::to_string(font.lfWeight)},
         {"lfItalic", std::to_string(font.lfItalic)},
         {"lfUnderline", std::to_string(font.lfUnderline)},
         {"lfStrikeOut", std::to_string(font.lfStrikeOut)},
         {"lfFaceName", font.lfFaceName}}));
}
