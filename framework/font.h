#pragma once
// Font descriptions: their face names in the program's text, and the fonts the system reports.
// Fonts are owned by TFont (handles.h).
#include "framework/handles.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// A font description's face name from the program's text: as much of it as LOGFONT holds (31
// UTF-16 units), never cut inside a character.
void SetFaceName(LOGFONTW& font, std::string_view face);
std::string FaceName(const LOGFONTW& font);

// The system's status-bar font as it describes it for a screen of the scale (dpi; 0: the
// system's own); none when it does not say.
std::optional<LOGFONTW> SystemStatusBarFont(int dpi = 0);
