#pragma once
// A font the object owns.
#include <windows.h>

#include <string>
#include <string_view>

class TFont {
public:
    TFont(const char* face, int height, int width = 0, int escapement = 0, int orientation = 0,
          int weight = FW_NORMAL, BYTE pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE, BYTE italic = FALSE,
          BYTE underline = FALSE, BYTE strikeout = FALSE, BYTE charSet = DEFAULT_CHARSET,
          BYTE outputPrecision = OUT_DEFAULT_PRECIS, BYTE clipPrecision = CLIP_DEFAULT_PRECIS,
          BYTE quality = DEFAULT_QUALITY);
    explicit TFont(const LOGFONTW& description);
    virtual ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    HFONT GetHandle() const { return Handle; }
    operator HFONT() const { return Handle; }
    // The font's description as the system keeps it.
    bool GetObject(LOGFONTW& description) const;

private:
    HFONT Handle;
};

// A font description's face name from the program's text: as much of it as LOGFONT holds (31
// UTF-16 units), never cut inside a character.
void SetFaceName(LOGFONTW& font, std::string_view face);
std::string FaceName(const LOGFONTW& font);
