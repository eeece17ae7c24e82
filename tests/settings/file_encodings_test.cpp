// Settings files and templates saved by an editor in any of its encodings: read, changed and
// saved by the program, they keep their encoding, and what is read back is what was shown.
#include "settings/profile_legacy.h"
#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "settings/template_file.h"
#include "support/paths.h"
#include "text/legacy_text.h"
#include "text/utf16_text.h"

#include <gtest/gtest.h>

namespace {

const std::string Greek = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1";
const std::string Cjk = "\xE6\xBC\xA2\xE5\xAD\x97";
const std::string Emoji = "\xF0\x9F\x98\x80";

// The UTF-8 text as a file in UTF-16 with its mark, unit by unit.
std::string Utf16File(const std::string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : Utf16FromUtf8(text)) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::string Utf16Le(const std::string& text) { return Utf16File(text, false); }
std::string Utf16Be(const std::string& text) { return Utf16File(text, true); }
std::string Utf8Marked(const std::string& text) { return "\xEF\xBB\xBF" + text; }
std::string Plain(const std::string& text) { return text; }

// The keys SaveSettings adds to a file that held only Header, MainHead and CheckIndex.
const std::string AddedKeys = "Queue=<>\r\nFileOutput=c:\\Windows\\Desktop\\QZScript.txt\r\nInvertSlash=0\r\n"
                              "SendToIndex=0\r\nMainQueue=<>\r\nSaveLocal=0\r\nUseTip=1\r\n";

struct TEncodingCase {
    const char* Name;
    std::string Before;            // the file as the editor saved it
    std::string Header, MainHead;  // what the program shows of it
    std::string After;             // the file once the program added an emoji to the Header and closed
};

std::vector<TEncodingCase> Cases()
{
    const std::string before = "; saved by hand\r\n[Strandel]\r\nHeader=<" + Greek + ">\r\nMainHead=<" + Cjk +
                               ">\r\nCheckIndex=1\r\n";
    const std::string after = "; saved by hand\r\n[Strandel]\r\nHeader=<" + Greek + Emoji + ">\r\nMainHead=<" + Cjk +
                              ">\r\nCheckIndex=1\r\n" + AddedKeys;
    return {
        {"UTF-16 LE (Unicode)", Utf16Le(before), Greek, Cjk, Utf16Le(after)},
        {"UTF-16 BE (Unicode big endian)", Utf16Be(before), Greek, Cjk, Utf16Be(after)},
        {"UTF-8 with a mark", Utf8Marked(before), Greek, Cjk, Utf8Marked(after)},
        {"UTF-8 without a mark", Plain(before), Greek, Cjk, Plain(after)},
        // Windows-1252: each value the program writes is UTF-8, the others stay as they were.
        {"Windows-1252 (ANSI)", "[Strandel]\r\nHeader=<caf\xE9>\r\nMainHead=<na\xEFve>\r\nlfFaceName=Caf\xE9 Sans\r\n",
         "caf\xC3\xA9", "na\xC3\xAFve",
         "[Strandel]\r\nHeader=<caf\xC3\xA9" + Emoji + ">\r\nMainHead=<na\xC3\xAFve>\r\nlfFaceName=Caf\xE9 Sans\r\n"
         "Queue=<>\r\nFileOutput=c:\\Windows\\Desktop\\QZScript.txt\r\nInvertSlash=0\r\nCheckIndex=0\r\n"
         "SendToIndex=0\r\nMainQueue=<>\r\nSaveLocal=0\r\nUseTip=1\r\n"},
    };
}

TEST(FileEncodings, SettingsAreReadChangedAndSavedInTheFilesOwnEncoding)
{
    for (const TEncodingCase& c : Cases()) {
        SCOPED_TRACE(c.Name);
        TTempDir dir("encodings");
        TLegacyAwareProfile profile(std::make_unique<TPortableProfile>(dir.Folder().string()), WesternCodePage);
        TSettings settings = FirstStartSettings();
        settings.IniFileName = dir.File("QZIni.ini");
        WriteBytes(settings.IniFileName, c.Before);

        std::string header, queue;
        LoadSettings(settings, profile, header, queue);
        EXPECT_EQ(header, c.Header);
        EXPECT_EQ(settings.MainHead, c.MainHead);

        header += Emoji;
        ASSERT_TRUE(SaveSettings(settings, profile, header, queue));
        EXPECT_TRUE(ReadBytes(settings.IniFileName) == c.After) << "the file saved is not the one expected";

        TSettings again = FirstStartSettings();
        again.IniFileName = settings.IniFileName;
        std::string headerAgain, queueAgain;
        LoadSettings(again, profile, headerAgain, queueAgain);
        EXPECT_EQ(headerAgain, header);
        EXPECT_EQ(queueAgain, queue);
        EXPECT_EQ(again.MainHead, settings.MainHead);
    }
}

TEST(FileEncodings, ATemplateSavedAsUnicodeStaysUnicode)
{
    TTempDir dir("encodings");
    TPortableProfile profile(dir.Folder().string());
    const std::string file = dir.File("Liste.hqd");
    WriteBytes(file, Utf16Le("[Strandel]\r\nh_menutitle=" + Greek + "\r\nHeader=<x>\r\n"));

    TSettings settings = FirstStartSettings();
    std::string header, queue;
    ASSERT_TRUE(ReadTemplateFile(settings, profile, file, header, queue));
    EXPECT_EQ(header, "x");
    ASSERT_TRUE(WriteTemplateFile(settings, profile, file, Cjk, ""));
    EXPECT_EQ(ReadBytes(file), Utf16Le("[Strandel]\r\nh_menutitle=" + Greek + "\r\nHeader=<" + Cjk +
                                       ">\r\nh_menuhelp=Liste\r\nQueue=<>\r\nMainHead=<>\r\nMainQueue=<>\r\n"
                                       "InvertSlash=0\r\nCheckIndex=0\r\nSaveLocal=0\r\n"));
}

} // namespace
