#include "text/utf16_text.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

namespace {

const std::string Greek = "\xCE\xA9";             // Ω: two bytes, one unit
const std::string Han = "\xE4\xB8\xAD";           // 中: three bytes, one unit
const std::string Emoji = "\xF0\x9F\x98\x80";     // 😀: four bytes, two units

TEST(Utf16Text, RoundTripsEveryScript)
{
    const std::string text = "a" + Greek + Han + Emoji + "\xD0\xB6";
    const std::u16string wide = Utf16FromUtf8(text);
    EXPECT_EQ(wide, u"a\u03A9\u4E2D\U0001F600\u0436");
    EXPECT_EQ(Utf8FromUtf16(wide), text);
    EXPECT_EQ(Utf16Length(text), 6u);
    EXPECT_EQ(Narrow(Wide(text)), text);
}

TEST(Utf16Text, BadInputBecomesReplacementCharacters)
{
    EXPECT_EQ(Utf16FromUtf8("a\xFF" "b\xCE"), u"a\uFFFDb\uFFFD");
    EXPECT_EQ(Utf16FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");   // an encoded surrogate
    EXPECT_EQ(Utf8FromUtf16(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf8FromUtf16(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
}

TEST(Utf16Text, CutsCountUnitsAndNeverSplitACharacter)
{
    struct TCase {
        std::string Text;
        std::size_t Units;
        std::string Expected;
    };
    const TCase cases[] = {
        {"abc", 2, "ab"},
        {Greek + Greek + Greek, 2, Greek + Greek},
        {Han + Han, 1, Han},
        {"a" + Emoji, 2, "a"},            // the pair would need units 2 and 3
        {"a" + Emoji, 3, "a" + Emoji},
        {Emoji + Emoji, 3, Emoji},
        {Greek, 0, ""},
        {Greek + Han, 5, Greek + Han},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(CutToUtf16Units(c.Text, c.Units), c.Expected) << c.Units;
        const std::u16string wide = Utf16FromUtf8(c.Text);
        EXPECT_EQ(Utf8FromUtf16(std::u16string_view(wide).substr(0, Utf16CutLength(wide, c.Units))), c.Expected);
    }
}

} // namespace
