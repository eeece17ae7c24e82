#pragma once
// The font the main dialog shows its controls in, described by keys of the settings file.
#include <windows.h>

#include <string>

class TProfile;

// The description the keys give; defaultHeight stands for a missing lfHeight (the fitting
// height for the program's font, -11 in the font dialog).
LOGFONTW ReadFontKeys(const TProfile& profile, const std::string& file, const std::string& section,
                      int defaultHeight);

// The height a font without a stored lfHeight gets: the 8 points the dialog's layout is made
// for, at the screen's DPI (-11 at 96, -16 at 144), so every caption fits.
int FittingFontHeight();

// ProgramFont: made once per run from the settings file; the caller owns it.
HFONT BuildProgramFont(const TProfile& profile, const std::string& file, const std::string& section);

// The keys of a font chosen in the font dialog, in the program's order; pointSize in tenths
// of a point; the face as far as it is read back (30 characters). False when any key could not
// be written.
bool WriteFontKeys(TProfile& profile, const std::string& file, const std::string& section,
                   const LOGFONTW& font, int pointSize);

// The font dialog's first look when no lfHeight is kept.
constexpr int FontDialogHeight = -11;
