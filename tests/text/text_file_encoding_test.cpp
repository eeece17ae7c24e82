#include "text/text_file_encoding.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(TextFileEncoding, TheMarkTellsTheEncodingAndComesBackOnWriting)
{
    struct TCase {
        std::string Bytes;
        std::string Text;
        ETextFileEncoding Encoding;
    };
    const TCase cases[] = {
        {"\xFF\xFE" "a\0\xA9\x03\r\0\n\0"s, "a\xCE\xA9\r\n", ETextFileEncoding::Utf16Le},
        {"\xFE\xFF\0a\x03\xA9\xD8\x3D\xDE\x00"s, "a\xCE\xA9\xF0\x9F\x98\x80", ETextFileEncoding::Utf16Be},
        {"\xEF\xBB\xBF" "a\xCE\xA9", "a\xCE\xA9", ETextFileEncoding::Utf8Mark},
        {"a\xCE\xA9", "a\xCE\xA9", ETextFileEncoding::Plain},
        {"caf\xE9", "caf\xE9", ETextFileEncoding::Plain},   // the legacy code page: bytes as they are
        {"\xFF\xFE", "", ETextFileEncoding::Utf16Le},
        {"", "", ETextFileEncoding::Plain},
    };
    for (const TCase& c : cases) {
        const TTextFileContent content = DecodeTextFile(c.Bytes);
        EXPECT_EQ(content.Text, c.Text);
        EXPECT_EQ(content.Encoding, c.Encoding);
        EXPECT_EQ(EncodeTextFile(content.Text, content.Encoding), c.Bytes);
    }
}

TEST(TextFileEncoding, BrokenUtf16ReadsAsTheSystemReadsIt)
{
    // A high surrogate without its partner, and an odd last byte as a unit of its own.
    EXPECT_EQ(DecodeTextFile("\xFF\xFE" "a\0\x3D\xD8" "b\0Z"s).Text, "a\xEF\xBF\xBD" "bZ");
}

} // namespace
