// One table of private-profile cases. The system's functions are the reference:
// under Windows (and Wine) the table runs against them and against the portable
// implementation; elsewhere against the portable one alone.
#include "settings/profile_portable.h"
#include "support/paths.h"
#include "text/text_file_encoding.h"
#ifdef _WIN32
#include "settings/profile_win.h"
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TOp {
    enum EKind { Read, ReadInt, Write };
    EKind Kind;
    std::string Section;
    std::string Key;
    std::string Text;  // the default read, or the value written
    std::size_t Size = 0;
    int IntDefault = 0;
    std::string ExpectText;
    int ExpectInt = 0;
    bool ExpectOk = false;
};

TOp Read(std::string section, std::string key, std::string def, std::size_t size, std::string expect)
{
    return {TOp::Read, std::move(section), std::move(key), std::move(def), size, 0, std::move(expect), 0, false};
}

TOp ReadInt(std::string section, std::string key, int def, int expect)
{
    return {TOp::ReadInt, std::move(section), std::move(key), {}, 0, def, {}, expect, false};
}

TOp Write(std::string section, std::string key, std::string value, bool expectOk = true)
{
    return {TOp::Write, std::move(section), std::move(key), std::move(value), 0, 0, {}, 0, expectOk};
}

// Where the case's file lives.
enum class EWhere {
    Folder,         // full path in the case's folder
    BareName,       // a name without folder, found in the bare-name folder
    MissingFolder,  // full path in a folder that does not exist
    FolderItself,   // the path of an existing folder
};

struct TFileAfter {
    enum EKind { Unchanged, Bytes };
    EKind Kind = Unchanged;
    std::string Content;
};

TFileAfter Becomes(std::string bytes)
{
    return {TFileAfter::Bytes, std::move(bytes)};
}

// Where Wine's functions differ from Windows as documented: the portable
// implementation (and Windows) give the case's own expectations, Wine these.
struct TWineDiff {
    std::string Why;
    std::optional<std::string> LastText;  // the last operation's string
    std::optional<std::string> After;     // the file afterwards
};

struct TCase {
    std::string Name;
    std::optional<std::string> Before;  // the file's text, or no file
    std::vector<TOp> Ops;
    TFileAfter After = {};
    EWhere Where = EWhere::Folder;
    std::optional<TWineDiff> Wine = std::nullopt;
    // The encoding the file's text is stored in, before and after.
    ETextFileEncoding Encoding = ETextFileEncoding::Plain;
};

// gtest names a failing case by this rather than dumping its bytes.
void PrintTo(const TCase& c, std::ostream* out)
{
    *out << c.Name;
}

const std::optional<std::string> NoFile;

// Texts in other scripts: Greek and CJK take one UTF-16 unit each, an emoji two.
const std::string Greek = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1";   // five letters
const std::string Cjk = "\xE6\xBC\xA2\xE5\xAD\x97";                        // two characters
const std::string Emoji = "\xF0\x9F\x98\x80";

const std::string DiffWineRewrites =
    "Wine writes the whole file anew from what it parsed (blank lines and the blanks around "
    "names and values go, every line ends in CR LF); Windows edits only the line it must";

std::vector<TCase> MakeCases()
{
    return {
        // Finding sections and keys.
        {.Name = "ReadsKeyInSection",
         .Before = "[Sec]\r\nkey=value\r\nother=2\r\n",
         .Ops = {Read("Sec", "key", "def", 100, "value"), Read("Sec", "other", "def", 100, "2")}},
        {.Name = "NamesIgnoreCase",
         .Before = "[MixedCase]\r\nSomeKey=v\r\n",
         .Ops = {Read("mixedcase", "SOMEKEY", "d", 100, "v"), Read("MIXEDCASE", "somekey", "d", 100, "v")}},
        {.Name = "BlanksAroundNamesAndValuesDropped",
         .Before = "  [ \tSec One\t ]  \r\n \t key one \t= \t value  one \t \r\n",
         .Ops = {Read("Sec One", "key one", "d", 100, "value  one"),
                 Read(" \tSec One ", "\tkey one  ", "d", 100, "value  one"),
                 Read("Sec  One", "key one", "d", 100, "d"),
                 Read("Sec One", "keyone", "d", 100, "d")}},
        {.Name = "FormFeedsAndEndOfFileMarksAreBlanksToo",
         .Before = "[a]\r\nk=\f\vvalue\x1a\f\r\n",
         .Ops = {Read("a", "k", "d", 100, "value")}},
        {.Name = "ValueKeepsLaterEquals",
         .Before = "[a]\r\nk = x=y \r\n",
         .Ops = {Read("a", "k", "d", 100, "x=y")}},
        {.Name = "FirstSectionOfANameCounts",
         .Before = "[a]\r\nx=1\r\n[b]\r\nx=2\r\n[A]\r\nx=3\r\ny=4\r\n",
         .Ops = {Read("a", "x", "d", 100, "1"), Read("A", "y", "d", 100, "d"), Read("b", "x", "d", 100, "2")}},
        {.Name = "FirstKeyOfANameCounts",
         .Before = "[a]\r\nk=first\r\nK=second\r\n",
         .Ops = {Read("a", "k", "d", 100, "first")}},
        {.Name = "MissingFileGivesDefault",
         .Before = NoFile,
         .Ops = {Read("a", "k", "def", 100, "def"), ReadInt("a", "k", 7, 7)}},
        {.Name = "MissingSectionGivesDefault",
         .Before = "[a]\r\nk=1\r\n",
         .Ops = {Read("b", "k", "def", 100, "def"), ReadInt("b", "k", -3, -3)}},
        {.Name = "MissingKeyGivesDefault",
         .Before = "[a]\r\nk=1\r\n",
         .Ops = {Read("a", "j", "def", 100, "def"), ReadInt("a", "j", -3, -3)}},

        // Quotes.
        {.Name = "DoubleQuotesDropped",
         .Before = "[q]\r\na=\"quoted value\"\r\nb=\" padded \"\r\nc=  \"x\"  \r\n",
         .Ops = {Read("q", "a", "d", 100, "quoted value"), Read("q", "b", "d", 100, " padded "),
                 Read("q", "c", "d", 100, "x")}},
        {.Name = "SingleQuotesDropped",
         .Before = "[q]\r\na='single'\r\nb='it''s'\r\n",
         .Ops = {Read("q", "a", "d", 100, "single"), Read("q", "b", "d", 100, "it''s")}},
        {.Name = "UnmatchedOrLoneQuotesKept",
         .Before = "[q]\r\na=\"mixed'\r\nb=\"\r\nc=\"open\r\nd=say \"hi\"\r\n",
         .Ops = {Read("q", "a", "d", 100, "\"mixed'"), Read("q", "b", "d", 100, "\""),
                 Read("q", "c", "d", 100, "\"open"), Read("q", "d", "d", 100, "say \"hi\"")}},
        {.Name = "EmptyQuotesGiveEmptyValueNotDefault",
         .Before = "[q]\r\na=\"\"\r\nb=''\r\n",
         .Ops = {Read("q", "a", "d", 100, ""), Read("q", "b", "d", 100, "")}},

        // Defaults.
        {.Name = "DefaultLosesTrailingSpaces",
         .Before = "[a]\r\n",
         .Ops = {Read("a", "k", "fallback   ", 100, "fallback"), Read("a", "k", "  lead", 100, "  lead"),
                 Read("a", "k", "one two  ", 100, "one two")}},
        {.Name = "DefaultKeepsTrailingTab",
         .Before = "[a]\r\n",
         .Ops = {Read("a", "k", "x\t", 100, "x\t"), Read("a", "k", "x\t  ", 100, "x\t")}},
        {.Name = "AllSpaceDefaultBecomesEmpty",
         .Before = "[a]\r\n",
         .Ops = {Read("a", "k", "   ", 100, "")},
         .Wine = TWineDiff{"Wine keeps the first space of an all-space default; Windows documents "
                           "that the trailing blanks of a default are stripped",
                           " ", std::nullopt}},
        {.Name = "DefaultLosesQuotes",
         .Before = "[a]\r\n",
         .Ops = {Read("a", "k", "'quoted'", 100, "quoted"), Read("a", "k", "\"x\"  ", 100, "x")}},

        // The reading room.
        {.Name = "NoRoomGivesEmpty",
         .Before = "[a]\r\nk=value\r\n",
         .Ops = {Read("a", "k", "d", 0, ""), Read("a", "k", "d", 1, ""),
                 Read("a", "missing", "default", 0, ""), Read("a", "missing", "default", 1, "")}},
        {.Name = "ValueCutToRoom",
         .Before = "[a]\r\nk=value one\r\n",
         .Ops = {Read("a", "k", "d", 2, "v"), Read("a", "k", "d", 4, "val"), Read("a", "k", "d", 9, "value on"),
                 Read("a", "k", "d", 10, "value one"), Read("a", "k", "d", SIZE_MAX, "value one"),
                 Read("a", "missing", "default", 3, "de")}},
        {.Name = "QuotedValueCutToRoom",
         .Before = "[a]\r\nk=\"quoted\"\r\n",
         .Ops = {Read("a", "k", "d", 4, "quo"), Read("a", "k", "d", 6, "quote"), Read("a", "k", "d", 8, "quoted"),
                 Read("a", "missing", "\"default\"", 3, "de"), Read("a", "missing", "\"default\"", 9, "default")}},
        {.Name = "QuotedValueFillingRoomExactly",
         .Before = "[a]\r\nk=\"quoted\"\r\n",
         .Ops = {Read("a", "k", "d", 7, "quoted")},
         .Wine = TWineDiff{"Wine drops one more character when the unquoted value exactly fills the "
                           "room; Windows documents that a value is cut only when the room is too small",
                           "quote", std::nullopt}},

        // Line breaks and lines that are not entries.
        {.Name = "LfLinesRead",
         .Before = "[a]\nk=1\nj = 2 \n[b]\nk=3",
         .Ops = {Read("a", "k", "d", 100, "1"), Read("a", "j", "d", 100, "2"), Read("b", "k", "d", 100, "3")}},
        {.Name = "CrLinesRead",
         .Before = "[a]\rk=1\rj=\"2\"\r[b]\rk=3\r",
         .Ops = {Read("a", "k", "d", 100, "1"), Read("a", "j", "d", 100, "2"), Read("b", "k", "d", 100, "3")}},
        {.Name = "MixedLineBreaksRead",
         .Before = "[a]\rk=1\r\nj=2\nm=3\r[b]\n",
         .Ops = {Read("a", "k", "d", 100, "1"), Read("a", "j", "d", 100, "2"), Read("a", "m", "d", 100, "3")}},
        {.Name = "BlankLinesIgnored",
         .Before = "\r\n  \r\n[a]\r\n\r\n\t\r\nk=1\r\n\r\n",
         .Ops = {Read("a", "k", "d", 100, "1")}},
        {.Name = "LineWithoutEqualsHasNoValue",
         .Before = "[a]\r\nflag\r\nk=1\r\n",
         .Ops = {Read("a", "flag", "def", 100, "def"), ReadInt("a", "flag", 9, 9), Read("a", "k", "d", 100, "1")}},
        {.Name = "CommentLinesAreOrdinaryLines",
         .Before = "[a]\r\n;k=commented\r\n; [b]\r\nb1=x\r\n",
         .Ops = {Read("a", "k", "def", 100, "def"), Read("a", ";k", "def", 100, "commented"),
                 Read("b", "b1", "def", 100, "def"), Read("a", "b1", "def", 100, "x")}},
        {.Name = "LinesBeforeFirstSectionBelongToNone",
         .Before = "top=1\r\n[a]\r\nk=2\r\n",
         .Ops = {Read("a", "top", "def", 100, "def")}},
        {.Name = "EmptySectionNameIsTheBracketPair",
         .Before = "top=before\r\n[]\r\ntop=inside\r\n[a]\r\n",
         .Ops = {Read("", "top", "def", 100, "inside")},
         .Wine = TWineDiff{"Wine files the lines before the first section under the empty name; on "
                           "Windows they belong to no section and \"[]\" is the empty-named one "
                           "(Wine's own conformance test records this as a Wine fault)",
                           "before", std::nullopt}},
        {.Name = "EmptyKeyName",
         .Before = "[a]\r\n=no name\r\n",
         .Ops = {Read("a", "", "d", 100, "no name")}},
        {.Name = "HeaderBrackets",
         .Before = "[u] trailing text\r\nk=u\r\n[w\r\nw=in u\r\n[x]y]\r\nk=xy\r\n",
         .Ops = {Read("u", "k", "d", 100, "u"), Read("u", "w", "d", 100, "in u"), Read("x]y", "k", "d", 100, "xy"),
                 Read("x", "k", "d", 100, "d")}},

        // Integers.
        {.Name = "IntDecimalWithSign",
         .Before = "[n]\r\na=42\r\nb=-1\r\nc=+1\r\nd=  12  \r\ne=010\r\n",
         .Ops = {ReadInt("n", "a", 99, 42), ReadInt("n", "b", 99, -1), ReadInt("n", "c", 99, 1),
                 ReadInt("n", "d", 99, 12), ReadInt("n", "e", 99, 10)}},
        {.Name = "IntStopsAtFirstNonDigit",
         .Before = "[n]\r\na=42A94967297\r\nb=12abc\r\nc=1 2\r\nd=1e3\r\ne=7.9\r\n",
         .Ops = {ReadInt("n", "a", 99, 42), ReadInt("n", "b", 99, 12), ReadInt("n", "c", 99, 1),
                 ReadInt("n", "d", 99, 1), ReadInt("n", "e", 99, 7)}},
        {.Name = "IntWithoutDigitsIsZeroNotDefault",
         .Before = "[n]\r\na=abc\r\nb=B42\r\nc=-\r\nd=+-1\r\ne=- 5\r\nf=--1\r\n",
         .Ops = {ReadInt("n", "a", 99, 0), ReadInt("n", "b", 99, 0), ReadInt("n", "c", 99, 0),
                 ReadInt("n", "d", 99, 0), ReadInt("n", "e", 99, 0), ReadInt("n", "f", 99, 0)}},
        {.Name = "IntEmptyGivesDefault",
         .Before = "[n]\r\nempty=\r\nblank=   \r\nquotes=\"\"\r\nflag\r\n",
         .Ops = {ReadInt("n", "empty", 5, 5), ReadInt("n", "blank", 5, 5), ReadInt("n", "quotes", 5, 5),
                 ReadInt("n", "flag", 5, 5), ReadInt("n", "missing", 5, 5)}},
        {.Name = "IntLowerCasePrefixesOnly",
         .Before = "[n]\r\nh1=0x10\r\nh2=0xAbC\r\nh3=-0x10\r\nh4=0X1f\r\nh5=0x\r\n"
                   "b1=0b101\r\nb2=0B11\r\nb3=0b2\r\no1=0o17\r\no2=0O17\r\no3=0o8\r\n",
         .Ops = {ReadInt("n", "h1", 99, 16), ReadInt("n", "h2", 99, 2748), ReadInt("n", "h3", 99, -16),
                 ReadInt("n", "h4", 99, 0), ReadInt("n", "h5", 99, 0), ReadInt("n", "b1", 99, 5),
                 ReadInt("n", "b2", 99, 0), ReadInt("n", "b3", 99, 0), ReadInt("n", "o1", 99, 15),
                 ReadInt("n", "o2", 99, 0), ReadInt("n", "o3", 99, 0)}},
        {.Name = "IntWrapsAt32Bits",
         .Before = "[n]\r\nmax=2147483647\r\nover=2147483648\r\nunder=-2147483649\r\nw0=4294967296\r\n"
                   "w1=4294967297\r\nw2=-4294967297\r\nhex=0xffffffff\r\nhex1=0x100000001\r\n"
                   "nines=99999999999999999999\r\n",
         .Ops = {ReadInt("n", "max", 99, INT_MAX), ReadInt("n", "over", 99, INT_MIN),
                 ReadInt("n", "under", 99, INT_MAX), ReadInt("n", "w0", 99, 0), ReadInt("n", "w1", 99, 1),
                 ReadInt("n", "w2", 99, -1), ReadInt("n", "hex", 99, -1), ReadInt("n", "hex1", 99, 1),
                 ReadInt("n", "nines", 99, 1661992959)}},
        {.Name = "IntQuotedValue",
         .Before = "[n]\r\nq1=\"42\"\r\nq2='-7'\r\nq3=\"  9\"\r\n",
         .Ops = {ReadInt("n", "q1", 99, 42), ReadInt("n", "q2", 99, -7), ReadInt("n", "q3", 99, 9)}},
        {.Name = "IntReadsOnly29Characters",
         .Before = "[n]\r\nfits=" + std::string(27, '0') + "12\r\ncut=" + std::string(29, '0') + "12\r\n",
         .Ops = {ReadInt("n", "fits", 99, 12), ReadInt("n", "cut", 99, 0)}},

        // Writing.
        {.Name = "WriteCreatesFile",
         .Before = NoFile,
         .Ops = {Write("App", "key", "string"), Read("App", "key", "d", 100, "string")},
         .After = Becomes("[App]\r\nkey=string\r\n")},
        {.Name = "WritesBuildUpFile",
         .Before = NoFile,
         .Ops = {Write("App1", "key1", "string1"), Write("App1", "key2", "string2"),
                 Write("App2", "key3", "string3"), Write("App1", "key4", "string4"),
                 Read("app1", "KEY4", "d", 100, "string4")},
         .After = Becomes("[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey4=string4\r\n[App2]\r\nkey3=string3\r\n")},
        {.Name = "WriteEmptyValue",
         .Before = NoFile,
         .Ops = {Write("App", "key", ""), Read("App", "key", "def", 100, "")},
         .After = Becomes("[App]\r\nkey=\r\n")},
        {.Name = "WriteIntoEmptyFile",
         .Before = "",
         .Ops = {Write("a", "k", "v")},
         .After = Becomes("[a]\r\nk=v\r\n")},
        {.Name = "WriteReplacesValueInPlace",
         .Before = "; settings\r\n\r\n[a]\r\nx=1\r\ny = old value \r\n\r\n[b]\r\ny=9\r\n",
         .Ops = {Write("A", "Y", "new"), Read("a", "y", "d", 100, "new")},
         .After = Becomes("; settings\r\n\r\n[a]\r\nx=1\r\ny = new\r\n\r\n[b]\r\ny=9\r\n"),
         .Wine = TWineDiff{DiffWineRewrites, std::nullopt, "; settings\r\n[a]\r\nx=1\r\ny=new\r\n[b]\r\ny=9\r\n"}},
        {.Name = "WriteSameValueLeavesFileAlone",
         .Before = "[a]\r\n  x = 1  \r\n\r\n",
         .Ops = {Write("a", "x", "1")}},
        {.Name = "WriteNewKeyAfterSectionsLastLine",
         .Before = "[a]\r\nx=1\r\n; end of a\r\n\r\n\r\n[b]\r\ny=2\r\n",
         .Ops = {Write("a", "z", "3")},
         .After = Becomes("[a]\r\nx=1\r\n; end of a\r\nz=3\r\n\r\n\r\n[b]\r\ny=2\r\n"),
         .Wine = TWineDiff{DiffWineRewrites, std::nullopt, "[a]\r\nx=1\r\n; end of a\r\nz=3\r\n[b]\r\ny=2\r\n"}},
        {.Name = "WriteNewKeyIntoEmptySection",
         .Before = "[a]\r\n[b]\r\nk=1\r\n",
         .Ops = {Write("a", "k", "v")},
         .After = Becomes("[a]\r\nk=v\r\n[b]\r\nk=1\r\n")},
        {.Name = "WriteNewKeyAfterUnterminatedLastLine",
         .Before = "[a]\r\nx=1",
         .Ops = {Write("a", "y", "2")},
         .After = Becomes("[a]\r\nx=1\r\ny=2\r\n")},
        {.Name = "WriteNewSectionAtEnd",
         .Before = "[a]\r\nx=1\r\n\r\n",
         .Ops = {Write("c", "k", "v")},
         .After = Becomes("[a]\r\nx=1\r\n\r\n[c]\r\nk=v\r\n"),
         .Wine = TWineDiff{DiffWineRewrites, std::nullopt, "[a]\r\nx=1\r\n[c]\r\nk=v\r\n"}},
        {.Name = "WriteNewSectionAfterUnterminatedLine",
         .Before = "top",
         .Ops = {Write("a", "k", "v")},
         .After = Becomes("top\r\n[a]\r\nk=v\r\n")},
        {.Name = "WriteUsesFirstOfDuplicateSections",
         .Before = "[a]\r\nx=1\r\n[A]\r\ny=2\r\n",
         .Ops = {Write("a", "y", "3"), Read("a", "y", "d", 100, "3")},
         .After = Becomes("[a]\r\nx=1\r\ny=3\r\n[A]\r\ny=2\r\n")},
        {.Name = "WriteReplacesFirstOfDuplicateKeys",
         .Before = "[a]\r\nk=1\r\nK=2\r\n",
         .Ops = {Write("a", "k", "3")},
         .After = Becomes("[a]\r\nk=3\r\nK=2\r\n")},
        {.Name = "WriteKeepsLfLines",
         .Before = "[a]\nx=1\n[b]\ny=2\n",
         .Ops = {Write("a", "x", "5"), Write("a", "z", "3")},
         .After = Becomes("[a]\nx=5\nz=3\r\n[b]\ny=2\n"),
         .Wine = TWineDiff{DiffWineRewrites, std::nullopt, "[a]\r\nx=5\r\nz=3\r\n[b]\r\ny=2\r\n"}},
        {.Name = "WriteGivesValueToLineWithoutEquals",
         .Before = "[a]\r\nflag\r\nk=1\r\n",
         .Ops = {Write("a", "flag", "on"), Read("a", "flag", "def", 100, "on")},
         .After = Becomes("[a]\r\nflag=on\r\nk=1\r\n")},
        {.Name = "WriteFindsHeaderWithTrailingText",
         .Before = "[a] ; first\r\nk=1\r\n",
         .Ops = {Write("a", "k", "2")},
         .After = Becomes("[a] ; first\r\nk=2\r\n"),
         .Wine = TWineDiff{DiffWineRewrites, std::nullopt, "[a]\r\nk=2\r\n"}},
        {.Name = "WriteDropsLeadingBlanksOfNames",
         .Before = NoFile,
         .Ops = {Write(" \tc\t ", "\t k \t", "v")},
         .After = Becomes("[c\t ]\r\nk \t=v\r\n")},
        {.Name = "WriteQuotesValuesReadingWouldChange",
         .Before = NoFile,
         .Ops = {Write("a", "lead", " \t v"), Write("a", "trail", "v \t "), Write("a", "dq", "\"x\""),
                 Write("a", "sq", "'y'"), Write("a", "eof", "\x1a"), Write("a", "inner", "say \"hi\""),
                 Read("a", "lead", "d", 100, " \t v"), Read("a", "trail", "d", 100, "v \t "),
                 Read("a", "dq", "d", 100, "\"x\""), Read("a", "sq", "d", 100, "'y'"),
                 Read("a", "eof", "d", 100, "\x1a"), Read("a", "inner", "d", 100, "say \"hi\"")},
         .After = Becomes("[a]\r\nlead=\" \t v\"\r\ntrail=\"v \t \"\r\ndq=\"\"x\"\"\r\nsq=\"'y'\"\r\n"
                          "eof=\"\x1a\"\r\ninner=say \"hi\"\r\n")},
        {.Name = "WriteFailsInMissingFolder",
         .Before = NoFile,
         .Ops = {Write("a", "k", "v", false), Read("a", "k", "def", 100, "def")},
         .Where = EWhere::MissingFolder},
        {.Name = "WriteFailsOnAFolder",
         .Before = NoFile,
         .Ops = {Write("a", "k", "v", false)},
         .Where = EWhere::FolderItself},
        {.Name = "BareNameLivesInBareNameFolder",
         .Before = "[a]\r\nk=old\r\n",
         .Ops = {Read("a", "k", "d", 100, "old"), Write("a", "j", "new")},
         .After = Becomes("[a]\r\nk=old\r\nj=new\r\n"),
         .Where = EWhere::BareName},

        // Files saved as Unicode (UTF-16 with a mark) or as UTF-8 with a mark: read, and
        // written back in their own encoding.
        {.Name = "Utf16FileRead",
         .Before = "[Sec]\r\nkey=" + Greek + "\r\nn=42\r\n" + Cjk + "=x\r\n",
         .Ops = {Read("Sec", "key", "d", 100, Greek), ReadInt("Sec", "n", 0, 42), Read("sec", Cjk, "d", 100, "x")},
         .Encoding = ETextFileEncoding::Utf16Le},
        {.Name = "Utf16FileWrittenInUtf16",
         .Before = "[a]\r\nk=old\r\n",
         .Ops = {Write("a", "k", Greek), Write("a", Cjk, Emoji), Read("a", Cjk, "d", 100, Emoji)},
         .After = Becomes("[a]\r\nk=" + Greek + "\r\n" + Cjk + "=" + Emoji + "\r\n"),
         .Encoding = ETextFileEncoding::Utf16Le},
        {.Name = "Utf16BigEndianFile",
         .Before = "[a]\r\nk=" + Cjk + "\r\n",
         .Ops = {Read("a", "k", "d", 100, Cjk), Write("b", "j", Greek)},
         .After = Becomes("[a]\r\nk=" + Cjk + "\r\n[b]\r\nj=" + Greek + "\r\n"),
         .Encoding = ETextFileEncoding::Utf16Be},
        {.Name = "Utf8MarkFile",
         .Before = "[a]\r\nk=" + Greek + "\r\n",
         .Ops = {Read("a", "k", "d", 100, Greek), Write("a", "j", Cjk)},
         .After = Becomes("[a]\r\nk=" + Greek + "\r\nj=" + Cjk + "\r\n"),
         .Encoding = ETextFileEncoding::Utf8Mark},
        {.Name = "MarkAloneIsAnEmptyFile",
         .Before = "",
         .Ops = {Read("a", "k", "def", 100, "def"), Write("a", "k", "v")},
         .After = Becomes("[a]\r\nk=v\r\n"),
         .Encoding = ETextFileEncoding::Utf16Le},
        {.Name = "RoomCountsUtf16UnitsAndKeepsCharactersWhole",
         .Before = "[a]\r\nk=a" + Greek + Emoji + "b\r\n",
         .Ops = {Read("a", "k", "d", 7, "a" + Greek), Read("a", "k", "d", 8, "a" + Greek),
                 Read("a", "k", "d", 9, "a" + Greek + Emoji), Read("a", "k", "d", 10, "a" + Greek + Emoji + "b"),
                 Read("a", "missing", Emoji + Emoji, 4, Emoji)},
         .Encoding = ETextFileEncoding::Utf16Le},

        // Writes refused because the entry would not read back as written.
        {.Name = "WriteRefusesLineBreaks",
         .Before = "[a]\r\nk=1\r\n",
         .Ops = {Write("a", "k", "x\r\nj=2", false), Write("a", "k\nj", "1", false),
                 Write("a\r\n[b", "k", "1", false), Write("a", "k", std::string("x\0y", 3), false)}},
        {.Name = "WriteRefusesKeysReadBackAsOthers",
         .Before = "[a]\r\nk=1\r\n",
         .Ops = {Write("a", "j=2", "1", false), Write("a", "[b]", "1", false), Write("a", " [b", "1", false)}},
        {.Name = "WriteRefusesEmptyNames",
         .Before = NoFile,
         .Ops = {Write("", "k", "1", false), Write(" \t", "k", "1", false), Write("a", "", "1", false),
                 Write("a", "  ", "1", false)}},
    };
}

const std::vector<TCase>& Cases()
{
    static const std::vector<TCase> cases = MakeCases();
    return cases;
}

#ifdef _WIN32
bool UnderWine()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}
#endif

using TMakeProfile = std::function<std::unique_ptr<TProfile>(const std::string& bareNameFolder)>;

void RunCase(const TCase& c, const TMakeProfile& make, bool wineSystem)
{
    // A fresh folder per case: the system caches profile files by name.
    TTempDir folder("profile-" + c.Name);
    std::string bareNameFolder = folder.Folder().string();
#ifdef _WIN32
    // The system looks bare names up in the Windows folder; the portable one is told the same.
    bareNameFolder = WindowsFolder();
    ASSERT_FALSE(bareNameFolder.empty());
#endif
    fs::path target;
    std::string fileArgument;
    switch (c.Where) {
    case EWhere::Folder:
        target = folder.Folder() / (c.Name + ".ini");
        fileArgument = target.string();
        break;
    case EWhere::BareName:
        fileArgument = "strandel-" + c.Name + "-" + RandomTag() + ".ini";
        target = fs::path(bareNameFolder) / fileArgument;
        break;
    case EWhere::MissingFolder:
        target = folder.Folder() / "missing" / "settings.ini";
        fileArgument = target.string();
        break;
    case EWhere::FolderItself:
        target = folder.Folder() / "settings.ini";
        fileArgument = target.string();
        fs::create_directory(target);
        break;
    }
    struct TRemoveBare {
        fs::path Path;
        ~TRemoveBare()
        {
            std::error_code ignored;
            fs::remove(Path, ignored);
        }
    } removeBare{c.Where == EWhere::BareName ? target : fs::path()};
    if (c.Before)
        WriteBytes(target.string(), EncodeTextFile(*c.Before, c.Encoding));

    std::unique_ptr<TProfile> profile = make(bareNameFolder);
    const TWineDiff* wine = wineSystem && c.Wine ? &*c.Wine : nullptr;
    ::testing::ScopedTrace wineTrace(__FILE__, __LINE__,
                                     wine ? "Wine differs here: " + wine->Why : std::string("no Wine difference"));

    for (std::size_t i = 0; i < c.Ops.size(); ++i) {
        const TOp& op = c.Ops[i];
        SCOPED_TRACE("operation " + std::to_string(i + 1) + " on [" + op.Section + "] " + op.Key);
        bool last = i + 1 == c.Ops.size();
        switch (op.Kind) {
        case TOp::Read: {
            const std::string& expected = wine && last && wine->LastText ? *wine->LastText : op.ExpectText;
            EXPECT_EQ(profile->ReadString(fileArgument, op.Section, op.Key, op.Text, op.Size), expected);
            break;
        }
        case TOp::ReadInt:
            EXPECT_EQ(profile->ReadInt(fileArgument, op.Section, op.Key, op.IntDefault), op.ExpectInt);
            break;
        case TOp::Write:
            EXPECT_EQ(profile->WriteString(fileArgument, op.Section, op.Key, op.Text), op.ExpectOk);
            break;
        }
    }

    if (c.After.Kind == TFileAfter::Bytes) {
        EXPECT_EQ(ReadBytes(target.string()),
                  EncodeTextFile(wine && wine->After ? *wine->After : c.After.Content, c.Encoding));
    } else if (c.Before) {
        EXPECT_EQ(ReadBytes(target.string()), EncodeTextFile(*c.Before, c.Encoding)) << "the file should be as it was";
    } else if (c.Where == EWhere::FolderItself) {
        EXPECT_TRUE(fs::is_directory(target));
    } else {
        EXPECT_FALSE(fs::exists(target)) << "no file should have been made";
    }
    if (c.Where == EWhere::MissingFolder) {
        EXPECT_FALSE(fs::exists(target.parent_path())) << "the folder should not have been made";
    }

    // Nothing else left behind (no temporary copies).
    if (c.Where != EWhere::BareName || bareNameFolder == folder.Folder().string()) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder.Folder())) {
            EXPECT_EQ(entry.path().filename(), target.filename()) << "left behind: " << entry.path();
        }
    }
}

class PortableProfileTable : public ::testing::TestWithParam<TCase> {};

TEST_P(PortableProfileTable, BehavesAsTheSystem)
{
    RunCase(GetParam(), [](const std::string& folder) { return std::make_unique<TPortableProfile>(folder); },
            false);
}

INSTANTIATE_TEST_SUITE_P(Cases, PortableProfileTable, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<TCase>& info) { return info.param.Name; });

#ifdef _WIN32
class SystemProfileTable : public ::testing::TestWithParam<TCase> {};

TEST_P(SystemProfileTable, IsTheReference)
{
    RunCase(GetParam(), [](const std::string&) { return std::make_unique<TSystemProfile>(); }, UnderWine());
}

INSTANTIATE_TEST_SUITE_P(Cases, SystemProfileTable, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<TCase>& info) { return info.param.Name; });
#endif

}  // namespace
