#include "text/text_file_encoding.h"

#include "text/utf16_text.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";

std::u16string Units(std::string_view bytes, bool bigEndian)
{
    std::u16string units;
    units.reserve(bytes.size() / 2 + 1);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
        units.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return units;
}

std::string Bytes(std::u16string_view units, bool bigEndian)
{
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

} // namespace

TTextFileContent DecodeTextFile(std::string_view bytes)
{
    if (bytes.starts_with(Utf16LeMark))
        return {Utf8FromUtf16(Units(bytes.substr(2), false)), ETextFileEncoding::Utf16Le};
    if (bytes.starts_with(Utf16BeMark))
        return {Utf8FromUtf16(Units(bytes.substr(2), true)), ETextFileEncoding::Utf16Be};
    if (bytes.starts_with(Utf8Mark))
        return {std::string(bytes.substr(3)), ETextFileEncoding::Utf8Mark};
    return {std::string(bytes), ETextFileEncoding::Plain};
}

std::string EncodeTextFile(std::string_view text, ETextFileEncoding encoding)
{
    switch (encoding) {
    case ETextFileEncoding::Plain:
        break;
    case ETextFileEncoding::Utf8Mark:
        return std::string(Utf8Mark) + std::string(text);
    case ETextFileEncoding::Utf16Le:
        return std::string(Utf16LeMark) + Bytes(Utf16FromUtf8(text), false);
    case ETextFileEncoding::Utf16Be:
        return std::string(Utf16BeMark) + Bytes(Utf16FromUtf8(text), true);
    }
    return std::string(text);
}
