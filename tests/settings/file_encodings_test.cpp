// Settings files saved by an editor in any of its encodings: read, changed and saved by the
// program, they keep their encoding, and what is read back is what was shown.
#include "settings/profile_legacy.h"
#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "support/paths.h"
#include "text/legacy_text.h"
#include "text/utf16_text.h"

#include <gtest/gtest.h>

namespace {

const std::string Greek = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1", Cjk = "\xE6\xBC\xA2\xE5\xAD\x97";
const std::string Emoji = "\xF0\x9F\x98\x80";

// The text as a UTF-16 file with its mark, unit by unit.
std::string Utf16(const std::string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : Utf16FromUtf8(text)) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(FileEncodings, SettingsAreReadChangedAndSavedInTheFilesOwnEncoding)
{
    const std::string before = "; by hand\r\n[Strandel]\r\nHeader=<" + Greek + ">\r\nMainHead=<" + Cjk + ">\r\n";
    // Saved with an emoji added to the Header: the keys of a first start follow.
    const std::string after = "; by hand\r\n[Strandel]\r\nHeader=<" + Greek + Emoji + ">\r\nMainHead=<" + Cjk +
                              ">\r\nQueue=<>\r\nFileOutput=c:\\Windows\\Desktop\\QZScript.txt\r\nInvertSlash=0\r\n"
                              "CheckIndex=0\r\nSendToIndex=0\r\nMainQueue=<>\r\nSaveLocal=0\r\nUseTip=1\r\n";
    const struct {
        const char* Name;
        std::string Before, Header, MainHead, After;
    } cases[] = {
        {"UTF-16 LE", Utf16(before, false), Greek, Cjk, Utf16(after, false)},
        {"UTF-16 BE", Utf16(before, true), Greek, Cjk, Utf16(after, true)},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + before, Greek, Cjk, "\xEF\xBB\xBF" + after},
        {"UTF-8", before, Greek, Cjk, after},
        // Windows-1252: the values the program writes are UTF-8, the others stay as they were.
        {"Windows-1252", "[Strandel]\r\nHeader=<caf\xE9>\r\nMainHead=<na\xEFve>\r\nlfFaceName=Caf\xE9\r\n",
         "caf\xC3\xA9", "na\xC3\xAFve",
         "[Strandel]\r\nHeader=<caf\xC3\xA9" + Emoji + ">\r\nMainHead=<na\xC3\xAFve>\r\nlfFaceName=Caf\xE9\r\n"
         "Queue=<>\r\nFileOutput=c:\\Windows\\Desktop\\QZScript.txt\r\nInvertSlash=0\r\nCheckIndex=0\r\n"
         "SendToIndex=0\r\nMainQueue=<>\r\nSaveLocal=0\r\nUseTip=1\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir("encodings");
        TLegacyAwareProfile profile(std::make_unique<TPortableProfile>(dir.Folder().string()), WesternCodePage);
        TSettings settings = FirstStartSettings(), again = FirstStartSettings();
        settings.IniFileName = again.IniFileName = dir.File("QZIni.ini");
        WriteBytes(settings.IniFileName, c.Before);
        std::string header, queue;
        LoadSettings(settings, profile, header, queue);
        EXPECT_EQ(header, c.Header);
        EXPECT_EQ(settings.MainHead, c.MainHead);

        ASSERT_TRUE(SaveSettings(settings, profile, header + Emoji, queue));
        EXPECT_TRUE(ReadBytes(settings.IniFileName) == c.After) << "not the file expected";
        LoadSettings(again, profile, header, queue);
        EXPECT_EQ(header, c.Header + Emoji);
        EXPECT_EQ(again.MainHead, settings.MainHead);
    }
}

} // namespace
