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

int ReadPointSize(const TProfile& profile, const std::string& file, const std::string& section)
{
    const int points = profile.ReadInt(file, section, "lfPointSize", 0);
    return points > 0 ? points : 0;
}

int ScaledFontHeight(int storedHeight, int storedPointSize, int dpi)
{
    if (storedHeight == 0 || dpi <= 0)
        return storedHeight;
    const long pixels = storedHeight < 0 ? -static_cast<long>(storedHeight) : storedHeight;
    // The font dialog keeps the whole points (9.5 as 9) and the height rounded: the height
    // fits a DPI when it lies within half a pixel of the sizes those points give there.
    auto chosenAt = [&](int candidate) {
        const long lowest = static_cast<long>(storedPointSize) * candidate;
        const long highest = static_cast<long>(storedPointSize + 1) * candidate;
        return pixels * 72 * 2 >= lowest * 2 - 72 && pixels * 72 * 2 <= highest * 2 + 72;
    };
    // This screen's DPI first (a font chosen here stays exactly as it was chosen), then the
    // screens' usual settings, the commonest first.
    int chosenDpi = DesignDpi;
    if (storedPointSize > 0 && !chosenAt(dpi)) {
        for (int candidate : {96, 120, 144, 192, 168, 240, 288, 216, 336, 384, 480, 72}) {
            if (chosenAt(candidate)) {
                chosenDpi = candidate;
                break;
            }
        }
    } else if (storedPointSize > 0) {
        chosenDpi = dpi;
    }
    return ::MulDiv(storedHeight, dpi, chosenDpi);
}

LOGFONTW FontForScreen(const TProfile& profile, const std::string& file, const std::string& section,
                       int defaultHeight, int dpi)
{
    LOGFONTW font = ReadFontKeys(profile, file, section, defaultHeight);
    font.lfHeight = ScaledFontHeight(font.lfHeight, ReadPointSize(profile, file, section), dpi);
    return font;
}

int FittingFontHeight(int dpi)
{
    return -::MulDiv(LayoutPoints, dpi > 0 ? dpi : DesignDpi, 72);
}

HFONT BuildProgramFont(const TProfile& profile, const std::string& file, const std::string& section)
{
    // No stored height: the size the dialog's layout is made for, at this screen's DPI.
    const int dpi = SystemDpi();
    LOGFONTW font = FontForScreen(profile, file, section, 0, dpi);
    if (font.lfHeight == 0)
        font.lfHeight = FittingFontHeight(dpi);
    return ::CreateFontIndirectW(&font);
}

bool WriteFontKeys(TProfile& profile, const std::string& file, const std::string& section,
                   const LOGFONTW& font, int pointSize)
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
         {"lfFaceName", std::string(CutToUtf16Units(FaceName(font), FaceMax))}}));
}
