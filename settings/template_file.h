#pragma once
// Template files (*.hqd): a saved set of texts and options in the settings' file format.
#include "text/replace_file.h"

#include <string>

struct TSettings;
class TProfile;

constexpr std::size_t MenuTextRoom = 900;   // h_menutitle, h_menuhelp

// The file's name without folder and extension: "HtmlList" for C:\Tools\HtmlList.hqd.
std::string TemplateTitle(const std::string& fileName);

// Writes the template keys as one change of the file; h_menutitle and h_menuhelp keep a value
// already in the file. False when any key could not be written (InUse: another program holds
// the file open, and it was kept as it was).
TWriteResult WriteTemplateFile(const TSettings& settings, TProfile& profile, const std::string& fileName,
                               const std::string& header, const std::string& queue);

// Whether the file's section holds any of a template's keys: random bytes, another program's
// settings, a missing file hold none.
bool HoldsTemplate(const TProfile& profile, const std::string& fileName, const std::string& section);

// Applies a template's keys to the record and the two texts; a missing key gives an
// empty text or 0, and FileOutput is taken only with SaveLocal set and a non-empty value.
// False, and nothing changed, when the file holds no template.
bool ReadTemplateFile(TSettings& settings, const TProfile& profile, const std::string& fileName,
                      std::string& header, std::string& queue);
