#include "gen/encoded_output.h"
#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "support/paths.h"
#include "support/written_output.h"
#include "text/legacy_text.h"
#include "text/utf16_text.h"

#include <gtest/gtest.h>

namespace {

const char* const Omega = "\xCE\xA9";            // Greek, not in code page 1252
const char* const ETacute = "\xC3\xA9";          // in 1252 as 0xE9
const char* const AMacron = "\xC4\x81";          // not in 1252; best fit would make it "a"

// Builds the output of a list into a real file in a format and gives back its bytes.
class EncodedOutputTest : public ::testing::Test {
protected:
    std::string Write(const TOutputFormat& format, const std::vector<std::string>& names)
    {
        TVectorFileList list(names);
        Settings.CheckIndex = NoPath;
        Settings.MainHead = "head\r\n";
        Settings.MainQueue = "end";
        TLineBuilder builder(Settings, list, "<", ">\r\n");
        return WrittenOutput(builder, format, Dir.File("out.txt"));
    }

    TTempDir Dir{"encoded"};
    TSettings Settings = FirstStartSettings();
};

TEST_F(EncodedOutputTest, EachEncodingWrittenAndReadBack)
{
    const std::vector<std::string> names = {"C:\\a\\caf" + std::string(ETacute) + ".txt",
                                            std::string("C:\\b\\") + Omega + " \xF0\x9F\x98\x80.png"};
    const std::string text = std::string("head\n<caf") + ETacute + ".txt>\n<" + Omega + " \xF0\x9F\x98\x80.png>\nend";
    const std::string crLf = WithCrLf(text);

    // The plain format is what Create has always written; every format reads back to the text.
    EXPECT_EQ(Write({}, names), crLf);
    EXPECT_EQ(Write({TOutputEncoding::Utf8, TLineEnds::Lf}, names), text);
    EXPECT_EQ(Write({TOutputEncoding::Utf8Bom, TLineEnds::CrLf}, names), "\xEF\xBB\xBF" + crLf);
    const std::string utf16 = Write({TOutputEncoding::Utf16Le, TLineEnds::CrLf}, names);
    EXPECT_EQ(utf16.substr(0, 4), std::string("\xFF\xFEh\0", 4));
    for (const TOutputFormat& format : {TOutputFormat{TOutputEncoding::Utf8Bom, TLineEnds::Lf},
                                        TOutputFormat{TOutputEncoding::Utf16Le, TLineEnds::CrLf},
                                        TOutputFormat{TOutputEncoding::Utf16Le, TLineEnds::Lf}}) {
        const std::string expected = format.LineEnds == TLineEnds::CrLf ? crLf : text;
        EXPECT_EQ(TextOfOutput(Write(format, names), format), expected) << static_cast<int>(format.Encoding);
    }

    // ANSI: the code page's own byte for what it holds, "?" for the rest, only when asked to.
    const TOutputFormat ansi{TOutputEncoding::Ansi, TLineEnds::Lf, WesternCodePage};
    EXPECT_EQ(Write(ansi, names), "head\n<caf\xE9.txt>\n<? ?.png>\nend");
    // Read back in the code page even where its bytes look like UTF-8.
    EXPECT_EQ(TextOfOutput(Write(ansi, {"C:\\\xC3\x83\xC2\xA9"}), ansi), "head\n<\xC3\x83\xC2\xA9>\nend");
}

TEST_F(EncodedOutputTest, ACharacterSplitBetweenPiecesIsJoined)
{
    const std::string file = Dir.File("split.txt");
    TCrLfFileWriter writer;
    ASSERT_TRUE(writer.Open(file));
    TEncodingSink sink(writer, {TOutputEncoding::Utf16Le, TLineEnds::Lf});
    const std::string emoji = "\xF0\x9F\x98\x80";
    sink.Append(emoji.substr(0, 1));
    sink.Append(emoji.substr(1, 2));
    sink.Append(emoji.substr(3) + "\n");
    sink.Finish();
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(ReadBytes(file), std::string("\xFF\xFE\x3D\xD8\x00\xDE\n\0", 8));
}

TEST_F(EncodedOutputTest, NamesTheCodePageCannotHoldAreFoundBeforeWriting)
{
    std::vector<std::string> names = {"C:\\plain.txt", std::string("C:\\") + Omega + ".txt",
                                      std::string("C:\\caf") + ETacute + ".txt"};
    for (int i = 0; i < 6; ++i)
        names.push_back("C:\\" + std::to_string(i) + AMacron);
    TVectorFileList list(names);
    const TOutputFormat ansi{TOutputEncoding::Ansi, TLineEnds::CrLf, WesternCodePage};

    TUnwritable found = FindUnwritable(ansi, list, Settings, "<", ">");
    EXPECT_EQ(found.NameCount, 7u);
    ASSERT_EQ(found.FirstNames.size(), UnwritableNamesShown);
    EXPECT_EQ(found.FirstNames[0], names[1]);
    EXPECT_EQ(found.FirstNames[1], names[3]);   // never a look-alike in its place
    EXPECT_FALSE(found.Texts);

    Settings.MainQueue = std::string("\xE2\x86\x92 end");   // an arrow
    EXPECT_TRUE(FindUnwritable(ansi, list, Settings, "", "").Texts);
    EXPECT_FALSE(FindUnwritable(ansi, TVectorFileList({"C:\\plain.txt"}), FirstStartSettings(), "", "").Any());

    // UTF-8 and UTF-16 hold everything.
    for (TOutputEncoding encoding : {TOutputEncoding::Utf8, TOutputEncoding::Utf8Bom, TOutputEncoding::Utf16Le})
        EXPECT_FALSE(FindUnwritable({encoding, TLineEnds::CrLf}, list, Settings, "", "").Any());
}

TEST(LegacyFromUtf8, ReportsWhatTheCodePageLacks)
{
    const struct {
        int CodePage;
        std::string Utf8;
        std::string Legacy;
        bool Lost;
    } cases[] = {
        {WesternCodePage, "plain", "plain", false},
        {WesternCodePage, std::string("caf") + ETacute + " \xE2\x82\xAC", "caf\xE9 \x80", false},   // euro sign
        {WesternCodePage, std::string(AMacron) + "x", "?x", true},
        {WesternCodePage, "\xF0\x9F\x98\x80!", "?!", true},
        {1253, std::string(Omega), "\xD9", false},                                               // Greek
        {Utf8CodePage, std::string(Omega), std::string(Omega), false},
    };
    for (const auto& c : cases) {
        bool lost = false;
        EXPECT_EQ(LegacyFromUtf8(c.Utf8, c.CodePage, lost), c.Legacy) << c.Utf8;
        EXPECT_EQ(lost, c.Lost) << c.Utf8;
        EXPECT_EQ(FitsLegacy(c.Utf8, c.CodePage), !c.Lost) << c.Utf8;
    }
}

} // namespace
