#pragma once
// The font the main dialog shows its controls in, described by keys of the settings file.
#include "framework/dpi.h"

#include <windows.h>

#include <string>

class TProfile;

// The description the keys give; defaultHeight stands for a missing lfHeight (the fitting
// height for the program's font, -11 in the font dialog).
LOGFONTW ReadFontKeys(const TProfile& profile, const std::string& file, const std::string& section,
                      int defaultHeight);

// The point size the keys keep (lfPointSize, whole points); 0 when none is kept.
int ReadPointSize(const TProfile& profile, const std::string& file, const std::string& section);

// The height to make the font with at dpi. The stored height is in pixels of the screen the
// font was chosen on; the stored point size (0: none) tells that screen's DPI, so the font
// keeps its size in points on any screen. A height with no point size, or one the point size
// does not explain, is taken as one of a 96-DPI screen.
int ScaledFontHeight(int storedHeight, int storedPointSize, int dpi);

// The description the keys give, its height for a screen of the given DPI.
LOGFONTW FontForScreen(const TProfile& profile, const std::string& file, const std::string& section,
                       int defaultHeight, int dpi);

// The height a font without a stored lfHeight gets: the 8 points the dialog's layout is made
// for, at the screen's DPI (-11 at 96, -16 at 144), so every caption fits.
int FittingFontHeight(int dpi = SystemDpi());

// ProgramFont: made once per run from the settings file, for the screen's DPI; the caller owns it.
HFONT BuildProgramFont(const TProfile& profile, const std::string& file, const std::string& section);

// The keys of a font chosen in the font dialog, in the program's order; pointSize in tenths
// of a point; the face as far as it is read back (30 characters). False when any key could not
// be written.
bool WriteFontKeys(TProfile& profile, const std::string& file, const std::string& section,
                   const LOGFONTW& font, int pointSize);

// The font dialog's first look when no lfHeight is kept.
constexpr int FontDialogHeight = -11;
// The DPI of the screen every height the program knows of by itself is meant for.
constexpr int DesignDpi = StandardDpi;
