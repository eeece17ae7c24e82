#include "cli/gen_command.h"
#include "settings/settings.h"
#include "support/paths.h"
#include "support/platform_profile.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Runs strandel-gen in process, with real files and captured standard streams.
class GenCommand : public ::testing::Test {
protected:
    GenCommand() : Profile(MakePlatformProfile(Dir.Folder().string())) {}

    int Run(const std::vector<std::string>& args, const std::string& input = "")
    {
        TGenOptions options;
        std::string error;
        if (!ParseGenArguments(args, options, error)) {
            Err = error;
            return GenBadUsage;
        }
        std::FILE* in = std::tmpfile();
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        std::fwrite(input.data(), 1, input.size(), in);
        std::rewind(in);
        int code = RunGen(options, *Profile, in, out, err);
        Out = Drain(out);
        Err = Drain(err);
        std::fclose(in);
        return code;
    }

    static std::string Drain(std::FILE* stream)
    {
        std::rewind(stream);
        std::string text;
        char block[4096];
        std::size_t got;
        while ((got = std::fread(block, 1, sizeof block, stream)) > 0)
            text.append(block, got);
        std::fclose(stream);
        return text;
    }

    std::string List(const std::string& name, const std::string& bytes)
    {
        WriteBytes(Dir.File(name), bytes);
        return Dir.File(name);
    }

    TTempDir Dir;
    std::unique_ptr<TProfile> Profile;
    std::string Out, Err;
};

const char* const ExampleList = "C:\\Web\\img\\cat.gif\r\nC:\\Docs\\a.txt\r\nD:\\x\\b.txt\r\n";
const char* const ExampleOutput =
    "<UL>\r\n"
    "<LI><A HREF=\"img/cat.gif\">cat.gif</A>\r\n"
    "<LI><A HREF=\"../Docs/a.txt\">a.txt</A>\r\n"
    "<LI><A HREF=\"D:/x/b.txt\">b.txt</A>\r\n"
    "</UL>\r\n"
    "3 files";

TEST_F(GenCommand, TemplateAndListGiveWhatCreateWrites)
{
    WriteBytes(Dir.File("HtmlList.hqd"),
               "[Strandel]\r\n"
               "Header=<<LI><A HREF=\">\r\n"
               "Queue=<\">QZ_NAMEQZ_EXT</A>#QZ_BR#>\r\n"
               "MainHead=<<UL>#QZ_BR#>\r\n"
               "MainQueue=<</UL>#QZ_BR#QZ_GETCOUNT files>\r\n"
               "InvertSlash=1\r\n"
               "CheckIndex=1\r\n"
               "SaveLocal=1\r\n"
               "FileOutput=C:\\Web\\index.htm\r\n");
    const std::string output = Dir.File("index.htm");
    ASSERT_EQ(Run({"-t", Dir.File("HtmlList.hqd"), "-r", "C:\\Web\\", "-o", output,
                   List("l.lst", ExampleList)}), GenOk) << Err;
    EXPECT_EQ(ReadBytes(output), ExampleOutput);
    EXPECT_EQ(Out, "");

    // Without -r and -o the base is the folder of the template's output file.
    ASSERT_EQ(Run({"-t", Dir.File("HtmlList.hqd"), List("l.lst", ExampleList)}), GenOk) << Err;
    EXPECT_EQ(Out, ExampleOutput);
}

TEST_F(GenCommand, OptionsOverrideTheTemplateAndTakeTextLiterally)
{
    WriteBytes(Dir.File("t.hqd"), "[Strandel]\r\nHeader=<ignored>\r\nCheckIndex=2\r\nInvertSlash=1\r\n");
    ASSERT_EQ(Run({"-t", Dir.File("t.hqd"), "--mode", "full", "--no-invert-slash",
                   "--header", "copy \"", "--queue", "\" QZ_NAME.bak\nrem QZ_RELPATH\n",
                   "--main-head", "@echo off\r\n", "--main-queue", "QZ_GETSELINDEX",
                   "-r", "C:\\Docs\\", List("l.lst", "C:\\Docs\\sub\\a.txt")}), GenOk) << Err;
    EXPECT_EQ(Out, "@echo off\r\ncopy \"C:\\Docs\\sub\\a.txt\" a.bak\r\nrem sub\r\n2");
}

TEST_F(GenCommand, FirstStartSettingsApplyWithoutTemplate)
{
    // Full paths, no texts: the names one after the other; base c:\Windows\Desktop\.
    ASSERT_EQ(Run({"--mode=relative", List("l.lst", "c:\\windows\\desktop\\x\\f.txt\nC:\\g.txt")}), GenOk);
    EXPECT_EQ(Out, "x\\f.txt..\\..\\g.txt");
}

TEST_F(GenCommand, RelativeBaseIsTheOutputFolderWithoutR)
{
    const std::string output = Dir.File("index.htm");
    const std::string entry = FolderOf(output) + "img\\cat.gif";
    ASSERT_EQ(Run({"--mode", "relative", "-o", output, List("l.lst", entry)}), GenOk) << Err;
    EXPECT_EQ(ReadBytes(output), "img\\cat.gif");
}

TEST_F(GenCommand, ListsAreAppendedInOrderAndDashReadsStandardInput)
{
    ASSERT_EQ(Run({"--mode", "nopath", "--queue", ",", List("a.lst", "C:\\1\r\nC:\\2\r\n"), "-",
                   List("b.lst", "C:\\4")}, "C:\\3\n"), GenOk) << Err;
    EXPECT_EQ(Out, "1,2,3,4,");
}

TEST_F(GenCommand, FailuresSayWhatAndTouchNoOutput)
{
    const std::string output = Dir.File("keep.txt");
    WriteBytes(output, "previous output");

    EXPECT_EQ(Run({"-o", output, List("empty.lst", "")}), GenFailed);
    EXPECT_NE(Err.find("empty"), std::string::npos) << Err;

    EXPECT_EQ(Run({"-o", output, Dir.File("missing.lst")}), GenFailed);
    EXPECT_NE(Err.find("missing.lst"), std::string::npos) << Err;

    EXPECT_EQ(Run({"-o", output, Dir.Folder().string()}), GenFailed);

    EXPECT_EQ(Run({"-t", Dir.File("missing.hqd"), "-o", output, List("l.lst", "C:\\a")}), GenFailed);
    EXPECT_NE(Err.find("template"), std::string::npos) << Err;

    for (const std::string& message : {Err})
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << "one line: " << message;
    EXPECT_EQ(ReadBytes(output), "previous output");
    EXPECT_EQ(Out, "");

    EXPECT_EQ(Run({"-o", Dir.File("no-folder/out.txt"), List("l.lst", "C:\\a")}), GenFailed);
    EXPECT_NE(Err.find("cannot write"), std::string::npos) << Err;

    // Nothing but the files the test made is left in the folder.
    int files = 0;
    for (auto& entry : std::filesystem::directory_iterator(Dir.Folder()))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 3);
}

TEST_F(GenCommand, SuccessReplacesAnExistingOutput)
{
    const std::string output = Dir.File("out.txt");
    WriteBytes(output, std::string(10000, 'o'));
    ASSERT_EQ(Run({"--mode", "nopath", "-o", output, List("l.lst", "C:\\x\\new.txt")}), GenOk);
    EXPECT_EQ(ReadBytes(output), "new.txt");
}

struct TUsageCase {
    std::vector<std::string> Args;
    const char* ErrorPart;
};

class GenUsageErrors : public ::testing::TestWithParam<TUsageCase> {};

TEST_P(GenUsageErrors, AreRefused)
{
    TGenOptions options;
    std::string error;
    EXPECT_FALSE(ParseGenArguments(GetParam().Args, options, error));
    EXPECT_NE(error.find(GetParam().ErrorPart), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, GenUsageErrors,
    ::testing::Values(TUsageCase{{}, "no list"},
                      TUsageCase{{"-o", "x"}, "no list"},
                      TUsageCase{{"l.lst", "-t"}, "-t needs a value"},
                      TUsageCase{{"--mode", "short", "l.lst"}, "unknown mode"},
                      TUsageCase{{"--frobnicate", "l.lst"}, "unknown option"},
                      TUsageCase{{"--invert-slash=1", "l.lst"}, "takes no value"},
                      TUsageCase{{"--help=1"}, "--help takes no value"},
                      TUsageCase{{"--legacy-codepage", "latin", "l.lst"}, "is not a number from 1 to 65535"},
                      TUsageCase{{"--name-escape", "sql", "l.lst"}, "unknown escape 'sql' (none, url, html"},
                      TUsageCase{{"--encoding=utf-32", "l.lst"}, "or utf-16le)"},
                      TUsageCase{{"--line-ends", "cr", "l.lst"}, "(crlf or lf)"},
                      TUsageCase{{"--write-anyway=yes", "l.lst"}, "takes no value"}));

TEST_F(GenCommand, LinesOfOlderListsAreReadInTheLegacyCodePage)
{
    // Lines as older copies wrote them (code pages 1252 and 1251) beside a line of UTF-8.
    const std::string list = List("old.lst", "C:\\Caf\xE9.txt\r\nC:\\\xCF\xF0\xE8\xE2\xE5\xF2.txt\r\nC:\\报告.txt\r\n");
    ASSERT_EQ(Run({"--mode", "nopath", "--queue", ";", list}), GenOk) << Err;
    EXPECT_EQ(Out, "Café.txt;Ïðèâåò.txt;报告.txt;");
    ASSERT_EQ(Run({"--legacy-codepage", "1251", "--mode", "nopath", "--queue", ";", list}), GenOk) << Err;
    EXPECT_EQ(Out, "Cafй.txt;Привет.txt;报告.txt;");
}

TEST_F(GenCommand, EscapesVariablesAndEncodingsFromFlagsAndTemplates)
{
    const std::string list = List("l.lst", "C:\\Web\\img\\a #1.png\r\nC:\\Web\\Tom & Jerry.png\r\n");
    ASSERT_EQ(Run({"--more-variables", "--name-escape", "url", "--mode", "relative", "-r", "C:\\Web\\",
                   "--header", "<img src=\"", "--queue", "\" alt=\"QZ_NAME_HTML\" title=\"QZ_COUNTER(01)\">\n",
                   "--line-ends", "lf", list}), GenOk) << Err;
    EXPECT_EQ(Out, "<img src=\"img/a%20%231.png\" alt=\"a #1\" title=\"01\">\n"
                   "<img src=\"Tom%20%26%20Jerry.png\" alt=\"Tom &amp; Jerry\" title=\"02\">\n");

    // A template's keys do the same, and the flags override them.
    WriteBytes(Dir.File("csv.hqd"), "[Strandel]\r\nHeader=<\"QZ_NAME_CSV\";QZ_GETSELINDEX#QZ_BR#>\r\n"
                                    "CheckIndex=3\r\nMoreVariables=1\r\nOutputEncoding=utf-8-bom\r\n");
    ASSERT_EQ(Run({"-t", Dir.File("csv.hqd"), List("q.lst", "C:\\say \"hi\".txt")}), GenOk) << Err;
    EXPECT_EQ(Out, "\xEF\xBB\xBF\"say \"\"hi\"\"\";1\r\n");
    ASSERT_EQ(Run({"-t", Dir.File("csv.hqd"), "--encoding", "utf-8", "--no-more-variables",
                   List("q.lst", "C:\\say \"hi\".txt")}), GenOk) << Err;
    EXPECT_EQ(Out, "\"say \"hi\"_CSV\";1\r\n");
}

TEST_F(GenCommand, NamesTheAnsiCodePageCannotHoldStopTheCommandUnlessAllowed)
{
    const std::string output = Dir.File("out.txt");
    WriteBytes(output, "previous output");
    const std::string list = List("l.lst", "C:\\caf\xC3\xA9.txt\r\nC:\\\xCE\xA9mega.txt\r\nC:\\\xE6\x97\xA5.txt\r\n");
    const std::vector<std::string> ansi = {"--encoding", "ansi", "--legacy-codepage", "1252", "--mode", "nopath",
                                           "--queue", ";"};
    std::vector<std::string> args = ansi;
    args.insert(args.end(), {"-o", output, list});
    EXPECT_EQ(Run(args), GenUnwritable);
    EXPECT_EQ(Err, "strandel-gen: 2 names cannot be written in code page 1252: \"C:\\\xCE\xA9mega.txt\", "
                   "\"C:\\\xE6\x97\xA5.txt\" (--write-anyway writes them as ?, --encoding utf-8 keeps them)\n");
    EXPECT_EQ(ReadBytes(output), "previous output");

    args.push_back("--write-anyway");
    ASSERT_EQ(Run(args), GenOk) << Err;
    EXPECT_EQ(ReadBytes(output), "caf\xE9.txt;?mega.txt;?.txt;");

    // A code page that holds them writes them, with no question.
    args = ansi;
    args[3] = "1253";
    args.push_back(List("greek.lst", "C:\\\xCE\xA9mega.txt"));
    ASSERT_EQ(Run(args), GenOk) << Err;
    EXPECT_EQ(Out, "\xD9mega.txt;");
}

TEST_F(GenCommand, ATemplateChoiceThisCopyDoesNotKnowIsRefused)
{
    WriteBytes(Dir.File("new.hqd"), "[Strandel]\r\nHeader=<x>\r\nOutputEncoding=utf-32\r\n");
    EXPECT_EQ(Run({"-t", Dir.File("new.hqd"), List("l.lst", "C:\\a")}), GenFailed);
    EXPECT_NE(Err.find("new.hqd: unknown OutputEncoding 'utf-32' (utf-8, utf-8-bom, ansi or utf-16le)"),
              std::string::npos)
        << Err;
    EXPECT_EQ(Out, "");
}

TEST(GenArguments, HelpNeedsNoListAndDoubleDashEndsOptions)
{
    TGenOptions options;
    std::string error;
    ASSERT_TRUE(ParseGenArguments({"--help"}, options, error));
    EXPECT_TRUE(options.Help);

    TGenOptions literal;
    ASSERT_TRUE(ParseGenArguments({"--header", "-x", "--", "-o", "-"}, literal, error));
    EXPECT_EQ(*literal.Header, "-x");
    EXPECT_FALSE(literal.Output);
    EXPECT_EQ(literal.Lists, (std::vector<std::string>{"-o", "-"}));
}

} // namespace
