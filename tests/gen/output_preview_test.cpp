#include "gen/output_preview.h"

#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "support/paths.h"
#include "support/written_output.h"
#include "text/legacy_text.h"

#include <gtest/gtest.h>

namespace {

const char* const Omega = "\xCE\xA9";   // not in code page 1252

class OutputPreviewTest : public ::testing::Test {
protected:
    std::vector<std::string> Names(int count) const
    {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i)
            names.push_back("C:\\dir\\file" + std::to_string(i) + ".txt");
        return names;
    }
    // The bytes Create writes for the list in the format.
    std::string Written(TLineBuilder& builder, const TOutputFormat& format)
    {
        return WrittenOutput(builder, format, Dir.File("out.txt"));
    }

    TTempDir Dir{"preview"};
    TSettings Settings = FirstStartSettings();
};

// The name's place in a line, whatever the Header and the Queue do around it.
TEST_F(OutputPreviewTest, LineKnowsWhereItsNameStands)
{
    TVectorFileList list({"C:\\dir\\a b.txt"});
    const struct {
        const char* Header;
        const char* Queue;
        int Mode;
        bool More;
        const char* Line;
        const char* Name;
    } cases[] = {
        {"copy \"", "\" x:\\\r\n", Full, false, "copy \"C:\\dir\\a b.txt\" x:\\\n", "C:\\dir\\a b.txt"},
        {"QZ_NAME=", ";", NoPath, false, "a b=a b.txt;", "a b.txt"},
        {"", "", None, false, "", ""},
        {"<QZ_NAME_URL>", "", NoPath, true, "<a%20b>a b.txt", "a b.txt"},
    };
    for (const auto& c : cases) {
        Settings.CheckIndex = c.Mode;
        Settings.MoreVariables = c.More;
        TLineBuilder builder(Settings, list, c.Header, c.Queue);
        std::string line;
        std::size_t start = 99, length = 99;
        builder.BuildLine(0, line, start, length);
        EXPECT_EQ(line, c.Line) << c.Header;
        EXPECT_EQ(line.substr(start, length), c.Name) << c.Header;
        EXPECT_EQ(line, builder.BuildLine(0)) << "the same line as BuildLine gives";
    }
}

// Without a gap the preview's text is the output; a long list shows its ends and says what it leaves out.
TEST_F(OutputPreviewTest, PreviewIsTheOutputWithAGapInALongList)
{
    Settings.MainHead = "head\r\n";
    Settings.MainQueue = "QZ_GETCOUNT files";
    for (int count : {0, 1, 3, 400, 401, 10000}) {
        SCOPED_TRACE(count);
        TVectorFileList list(Names(count));
        TLineBuilder builder(Settings, list, "<", ">\r\n");
        const TPreviewShape shape{200, 30};
        const std::vector<TPreviewLine> lines = BuildPreview(builder, list, {}, -1, shape);
        const int gaps = static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const TPreviewLine& l) { return l.Gap; }));
        if (count <= 400) {
            EXPECT_EQ(gaps, 0);
            EXPECT_EQ(PreviewText(lines), builder.BuildOutput());
            continue;
        }
        ASSERT_EQ(gaps, 1);
        EXPECT_EQ(lines.size(), 1u + 200 + 1 + 200 + 1);
        EXPECT_EQ(lines[201].Text, "... " + GroupedCount(static_cast<std::uint64_t>(count - 400)) +
                                       (count == 401 ? " entry" : " entries") + " not shown ...");
        EXPECT_EQ(lines[200].Text, "<C:\\dir\\file199.txt>");
        EXPECT_EQ(lines[202].Entry, count - 200);
        EXPECT_EQ(lines.back().Text, std::to_string(count) + " files");
    }

    // A selected entry inside the gap is shown with its neighbours, between two gaps.
    TVectorFileList list(Names(10000));
    TLineBuilder builder(Settings, list, "<", ">\r\n");
    const std::vector<TPreviewLine> lines = BuildPreview(builder, list, {}, 5000, {200, 30});
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const TPreviewLine& l) { return l.Gap; }), 2);
    const auto selected = std::find_if(lines.begin(), lines.end(), [](const TPreviewLine& l) { return l.Entry == 5000; });
    ASSERT_NE(selected, lines.end());
    EXPECT_EQ(selected->Text, "<C:\\dir\\file5000.txt>");
    ASSERT_EQ(selected->Names.size(), 1u);
    EXPECT_EQ(selected->Text.substr(selected->Names[0].Start, selected->Names[0].Length), "C:\\dir\\file5000.txt");
}

// A Queue without a line break puts every name on one line; each is marked with its entry.
TEST_F(OutputPreviewTest, NamesOnOneLineAndNamesTheEncodingCannotHold)
{
    TVectorFileList list({"C:\\a.txt", std::string("C:\\") + Omega + ".txt"});
    Settings.CheckIndex = NoPath;
    TLineBuilder builder(Settings, list, "[", "]\t");
    const TOutputFormat ansi{TOutputEncoding::Ansi, TLineEnds::CrLf, WesternCodePage};
    const std::vector<TPreviewLine> lines = BuildPreview(builder, list, ansi, -1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FALSE(lines[0].LineBreak);
    ASSERT_EQ(lines[0].Names.size(), 2u);
    EXPECT_EQ(lines[0].Names[0].Entry, 0);
    EXPECT_FALSE(lines[0].Names[0].Unwritable);
    EXPECT_EQ(lines[0].Names[1].Entry, 1);
    EXPECT_TRUE(lines[0].Names[1].Unwritable);
    EXPECT_FALSE(BuildPreview(builder, list, {}, -1)[0].Names[1].Unwritable) << "UTF-8 holds every name";
}

// The totals, counted a piece at a time, are the size of what Create writes, in every format.
TEST_F(OutputPreviewTest, TotalsAreTheWrittenSize)
{
    TVectorFileList list({"C:\\a\\caf\xC3\xA9.txt", std::string("C:\\b\\") + Omega + " \xF0\x9F\x98\x80.png"});
    Settings.MainHead = "head\r\n";
    Settings.MainQueue = "end";
    TLineBuilder builder(Settings, list, "<", ">\r\n");
    for (const TOutputFormat& format :
         {TOutputFormat{}, TOutputFormat{TOutputEncoding::Utf8, TLineEnds::Lf},
          TOutputFormat{TOutputEncoding::Utf8Bom, TLineEnds::CrLf}, TOutputFormat{TOutputEncoding::Utf16Le, TLineEnds::CrLf},
          TOutputFormat{TOutputEncoding::Utf16Le, TLineEnds::Lf}, TOutputFormat{TOutputEncoding::Ansi, TLineEnds::CrLf, WesternCodePage}}) {
        SCOPED_TRACE(static_cast<int>(format.Encoding) * 10 + static_cast<int>(format.LineEnds));
        TTotalsCounter counter(format);
        counter.Add(builder.BuildMainHead());
        for (int i = 0; i < list.Count(); ++i)
            counter.Add(builder.BuildLine(i));
        counter.Add(builder.BuildMainQueue());
        const std::string bytes = Written(builder, format);
        EXPECT_EQ(counter.Totals().Bytes, bytes.size());
        EXPECT_EQ(counter.Totals().Lines, 4u);
        // What Copy all puts on the clipboard: the file read back in its encoding.
        EXPECT_EQ(OutputClipboardText(builder, format), TextOfOutput(bytes, format));
    }
}

TEST_F(OutputPreviewTest, CountsGroupedByThousands)
{
    EXPECT_EQ(GroupedCount(0), "0");
    EXPECT_EQ(GroupedCount(999), "999");
    EXPECT_EQ(GroupedCount(1000), "1,000");
    EXPECT_EQ(GroupedCount(99800), "99,800");
    EXPECT_EQ(GroupedCount(1234567), "1,234,567");
}

} // namespace
