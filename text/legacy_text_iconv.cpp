// Code pages through the C library's iconv, by their names there (CP1252, CP1251...).
#include "text/legacy_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace {

// The length of the UTF-8 character that starts with lead (1 for a stray byte).
std::size_t Utf8Length(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

} // namespace

int SystemLegacyCodePage()
{
    return WesternCodePage;
}

std::string Utf8FromCodePage(std::string_view bytes, int codePage)
{
    const std::string from = "CP" + std::to_string(codePage);
    iconv_t convert = iconv_open("UTF-8", from.c_str());
    if (convert == reinterpret_cast<iconv_t>(-1))
        return std::string(bytes);
    std::string utf8;
    char out[256];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* to = out;
        std::size_t outLeft = sizeof out;
        const std::size_t done = iconv(convert, &in, &inLeft, &to, &outLeft);
        utf8.append(out, static_cast<std::size_t>(to - out));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            utf8 += "\xEF\xBF\xBD";   // a byte the code page does not know
            ++in;
            --inLeft;
        }
    }
    iconv_close(convert);
    return utf8;
}

std::string LegacyFromUtf8(std::string_view utf8, int codePage, bool& lost)
{
    if (codePage == Utf8CodePage)
        return std::string(utf8);
    const std::string to = "CP" + std::to_string(codePage);
    iconv_t convert = iconv_open(to.c_str(), "UTF-8");
    if (convert == reinterpret_cast<iconv_t>(-1)) {
        lost = true;
        return std::string(utf8.size(), '?');
    }
    std::string legacy;
    legacy.reserve(utf8.size());
    char out[256];
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        char* to = out;
        std::size_t outLeft = sizeof out;
        const std::size_t done = iconv(convert, &in, &inLeft, &to, &outLeft);
        legacy.append(out, static_cast<std::size_t>(to - out));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // A character the code page lacks (or a cut one at the end): one "?" in its place.
            legacy += '?';
            lost = true;
            const std::size_t skip = std::min(Utf8Length(static_cast<unsigned char>(*in)), inLeft);
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(convert);
    return legacy;
}
