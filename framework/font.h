#pragma once
// A font the object owns.
#include <windows.h>

class TFont {
public:
    TFont(const char* face, int height, int width = 0, int escapement = 0, int orientation = 0,
          int weight = FW_NORMAL, BYTE pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE, BYTE italic = FALSE,
          BYTE underline = FALSE, BYTE strikeout = FALSE, BYTE charSet = DEFAULT_CHARSET,
          BYTE outputPrecision = OUT_DEFAULT_PRECIS, BYTE clipPrecision = CLIP_DEFAULT_PRECIS,
          BYTE quality = DEFAULT_QUALITY);
    explicit TFont(const LOGFONTA& description);
    virtual ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    HFONT GetHandle() const { return Handle; }
    operator HFONT() const { return Handle; }
    // The font's description as the system keeps it.
    bool GetObject(LOGFONTA& description) const;

private:
    HFONT Handle;
};
