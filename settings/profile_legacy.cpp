#include "settings/profile_legacy.h"

#include "text/legacy_text.h"
#include "text/utf16_text.h"

#include <cstdint>

std::string TLegacyAwareProfile::ReadString(const std::string& file, const std::string& section,
                                            const std::string& key, const std::string& def,
                                            std::size_t size) const
{
    if (size == 0)
        return {};
    // Cut once the value is UTF-8: cut before, a character of the code page (two bytes of a
    // double-byte one) would be counted as bytes.
    const std::string value = Utf8FromLegacy(Files->ReadString(file, section, key, def, SIZE_MAX), LegacyCodePage);
    return std::string(CutToUtf16Units(value, size - 1));
}
