#pragma once
// UTF-8 (the program's text) and UTF-16 (the system's wide functions, edit fields, Unicode
// files). Limits on texts count UTF-16 units, as an edit field counts characters, and a text is
// never cut inside a character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The text in UTF-16; bytes that are not UTF-8 become U+FFFD each.
std::u16string Utf16FromUtf8(std::string_view utf8);
// The text in UTF-8; a surrogate without its partner becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view utf16);

// How many UTF-16 units the text takes (what an edit field counts as its length).
std::size_t Utf16Length(std::string_view utf8);

// The longest start of the text that takes at most maxUnits UTF-16 units, ending on a
// character boundary (a character outside the BMP takes two units and is never split).
std::string_view CutToUtf16Units(std::string_view utf8, std::size_t maxUnits);

// The same for a text already in UTF-16: never ends between the two halves of a pair.
std::size_t Utf16CutLength(std::u16string_view utf16, std::size_t maxUnits);

namespace Utf16Detail {

// One character of UTF-8 from text[at]: its code point (U+FFFD for a bad byte) and length.
struct TDecoded {
    char32_t Point;
    std::size_t Length;
};
TDecoded DecodeUtf8(std::string_view text, std::size_t at);

template <class Char16>
void AppendUtf16(std::basic_string<Char16>& out, std::string_view utf8)
{
    out.reserve(out.size() + utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<Char16>(lead));
            ++i;
            continue;
        }
        const TDecoded decoded = DecodeUtf8(utf8, i);
        i += decoded.Length;
        if (decoded.Point >= 0x10000) {
            const char32_t v = decoded.Point - 0x10000;
            out.push_back(static_cast<Char16>(0xD800 + (v >> 10)));
            out.push_back(static_cast<Char16>(0xDC00 + (v & 0x3FF)));
        } else {
            out.push_back(static_cast<Char16>(decoded.Point));
        }
    }
}

void AppendUtf8(std::string& out, char32_t point);

template <class Char16>
void AppendUtf8FromUtf16(std::string& out, const Char16* text, std::size_t length)
{
    out.reserve(out.size() + length);
    for (std::size_t i = 0; i < length; ++i) {
        const auto unit = static_cast<char32_t>(static_cast<std::uint16_t>(text[i]));
        if (unit < 0x80) {
            out.push_back(static_cast<char>(unit));
        } else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < length &&
                   (static_cast<std::uint16_t>(text[i + 1]) & 0xFC00) == 0xDC00) {
            const char32_t low = static_cast<std::uint16_t>(text[i + 1]);
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, unit);
        }
    }
}

} // namespace Utf16Detail
