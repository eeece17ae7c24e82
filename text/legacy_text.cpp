#include "text/legacy_text.h"

#include <cstdint>
#include <cstring>

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length;
        unsigned long point;
        if (lead < 0x80) {
            // Names are mostly ASCII: eight bytes at a time while no high bit is set.
            while (i + 8 <= bytes.size()) {
                std::uint64_t block;
                std::memcpy(&block, bytes.data() + i, 8);
                if (block & 0x8080808080808080ull)
                    break;
                i += 8;
            }
            if (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
                ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            point = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            point = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            point = (point << 6) | (next & 0x3F);
        }
        // No overlong forms, no surrogates, nothing past U+10FFFF.
        if ((length == 3 && point < 0x800) || (length == 4 && (point < 0x10000 || point > 0x10FFFF)) ||
            (point >= 0xD800 && point <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

bool FitsLegacy(std::string_view utf8, int codePage)
{
    // ASCII is the same in every code page the program writes.
    bool ascii = true;
    for (char c : utf8)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        return true;
    bool lost = false;
    LegacyFromUtf8(utf8, codePage, lost);
    return !lost;
}

std::string Utf8FromLegacy(std::string_view bytes, int codePage)
{
    return IsValidUtf8(bytes) ? std::string(bytes) : Utf8FromCodePage(bytes, codePage);
}
