#pragma once
// Font descriptions: their face names in the program's text. Fonts are owned by TFont (handles.h).
#include "framework/handles.h"

#include <windows.h>

#include <string>
#include <string_view>

// A font description's face name from the program's text: as much of it as LOGFONT holds (31
// UTF-16 units), never cut inside a character.
void SetFaceName(LOGFONTW& font, std::string_view face);
std::string FaceName(const LOGFONTW& font);
