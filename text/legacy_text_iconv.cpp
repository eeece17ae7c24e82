// Code pages through the C library's iconv, by their names there (CP1252, CP1251...).
#include "text/legacy_text.h"

#include <iconv.h>

#include <cerrno>
#include <string>

std::string Utf8FromLegacy(std::string_view bytes, int codePage)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
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
