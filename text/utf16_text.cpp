#include "text/utf16_text.h"

namespace Utf16Detail {

TDecoded DecodeUtf8(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length;
    char32_t point;
    if (lead < 0x80)
        return {lead, 1};
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07;
    } else {
        return {0xFFFD, 1};
    }
    if (at + length > text.size())
        return {0xFFFD, 1};
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80)
            return {0xFFFD, 1};
        point = (point << 6) | (next & 0x3F);
    }
    if ((length == 3 && point < 0x800) || (length == 4 && (point < 0x10000 || point > 0x10FFFF)) ||
        (point >= 0xD800 && point <= 0xDFFF))
        return {0xFFFD, 1};
    return {point, length};
}

void AppendUtf8(std::string& out, char32_t point)
{
    if (point < 0x80) {
        out.push_back(static_cast<char>(point));
    } else if (point < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (point >> 6)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else if (point < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (point >> 12)));
        out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (point >> 18)));
        out.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    }
}

} // namespace Utf16Detail

std::u16string Utf16FromUtf8(std::string_view utf8)
{
    std::u16string out;
    Utf16Detail::AppendUtf16(out, utf8);
    return out;
}

std::string Utf8FromUtf16(std::u16string_view utf16)
{
    std::string out;
    Utf16Detail::AppendUtf8FromUtf16(out, utf16.data(), utf16.size());
    return out;
}

std::size_t Utf16Length(std::string_view utf8)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto decoded = Utf16Detail::DecodeUtf8(utf8, i);
        units += decoded.Point >= 0x10000 ? 2 : 1;
        i += decoded.Length;
    }
    return units;
}

std::string_view CutToUtf16Units(std::string_view utf8, std::size_t maxUnits)
{
    if (utf8.size() <= maxUnits)   // every character takes at least as many bytes as units
        return utf8;
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto decoded = Utf16Detail::DecodeUtf8(utf8, i);
        const std::size_t width = decoded.Point >= 0x10000 ? 2 : 1;
        if (units + width > maxUnits)
            break;
        units += width;
        i += decoded.Length;
    }
    return utf8.substr(0, i);
}

std::size_t Utf16CutLength(std::u16string_view utf16, std::size_t maxUnits)
{
    if (utf16.size() <= maxUnits)
        return utf16.size();
    std::size_t cut = maxUnits;
    if (cut > 0 && (utf16[cut - 1] & 0xFC00) == 0xD800)   // a high half whose partner would be cut off
        --cut;
    return cut;
}
