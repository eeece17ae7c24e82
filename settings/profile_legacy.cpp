#include "settings/profile_legacy.h"

#include "text/legacy_text.h"

std::string TLegacyAwareProfile::ReadString(const std::string& file, const std::string& section,
                                            const std::string& key, const std::string& def,
                                            std::size_t size) const
{
    return Utf8FromLegacy(Files->ReadString(file, section, key, def, size), LegacyCodePage);
}
