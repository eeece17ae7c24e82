#include "gen/escaping.h"

#include <gtest/gtest.h>

namespace {

// Each destination over the names that break it: one row per name, one column per escape.
TEST(Escaping, EveryDestinationOverAwkwardNames)
{
    const struct {
        const char* Value;
        const char* Url;
        const char* Html;
        const char* Batch;
        const char* Csv;
        const char* Arg;
        const char* PowerShell;
    } cases[] = {
        {"cat.gif", "cat.gif", "cat.gif", "cat.gif", "cat.gif", "cat.gif", "cat.gif"},
        {"100% done.txt", "100%25%20done.txt", "100% done.txt", "100%% done.txt", "100% done.txt",
         "\"100% done.txt\"", "100% done.txt"},
        {"a #1.png", "a%20%231.png", "a #1.png", "a #1.png", "a #1.png", "\"a #1.png\"", "a #1.png"},
        {"Tom & Jerry's", "Tom%20%26%20Jerry%27s", "Tom &amp; Jerry&#39;s", "Tom & Jerry's", "Tom & Jerry's",
         "\"Tom & Jerry's\"", "Tom & Jerry''s"},
        {"x^y!z;a,b(1)", "x%5Ey!z;a,b(1)", "x^y!z;a,b(1)", "x^y!z;a,b(1)", "x^y!z;a,b(1)", "\"x^y!z;a,b(1)\"",
         "x^y!z;a,b(1)"},
        {"<b>\"q\"</b>", "%3Cb%3E%22q%22%3C/b%3E", "&lt;b&gt;&quot;q&quot;&lt;/b&gt;", "<b>\"q\"</b>",
         "<b>\"\"q\"\"</b>", "\"<b>\\\"q\\\"</b>\"", "<b>\"q\"</b>"},
        // Folders: a URL separates them with slashes whatever the name used; a quoted argument
        // doubles the backslashes before its closing quote.
        {"C:\\My Web\\img\\", "C:/My%20Web/img/", "C:\\My Web\\img\\", "C:\\My Web\\img\\", "C:\\My Web\\img\\",
         "\"C:\\My Web\\img\\\\\"", "C:\\My Web\\img\\"},
        {"../Docs/a.txt", "../Docs/a.txt", "../Docs/a.txt", "../Docs/a.txt", "../Docs/a.txt", "../Docs/a.txt",
         "../Docs/a.txt"},
        // UTF-8 bytes percent-encoded; Greek and emoji need nothing elsewhere.
        {"\xCE\xA9\xCE\xB4\xCE\xAE.mp3", "%CE%A9%CE%B4%CE%AE.mp3", "\xCE\xA9\xCE\xB4\xCE\xAE.mp3",
         "\xCE\xA9\xCE\xB4\xCE\xAE.mp3", "\xCE\xA9\xCE\xB4\xCE\xAE.mp3", "\xCE\xA9\xCE\xB4\xCE\xAE.mp3",
         "\xCE\xA9\xCE\xB4\xCE\xAE.mp3"},
        {"emoji \xF0\x9F\x98\x80", "emoji%20%F0%9F%98%80", "emoji \xF0\x9F\x98\x80", "emoji \xF0\x9F\x98\x80",
         "emoji \xF0\x9F\x98\x80", "\"emoji \xF0\x9F\x98\x80\"", "emoji \xF0\x9F\x98\x80"},
        // PowerShell also ends a single-quoted string at the typographic quotes.
        {"it\xE2\x80\x99s \xE2\x80\x98x\xE2\x80\x9B", "it%E2%80%99s%20%E2%80%98x%E2%80%9B",
         "it\xE2\x80\x99s \xE2\x80\x98x\xE2\x80\x9B", "it\xE2\x80\x99s \xE2\x80\x98x\xE2\x80\x9B",
         "it\xE2\x80\x99s \xE2\x80\x98x\xE2\x80\x9B", "\"it\xE2\x80\x99s \xE2\x80\x98x\xE2\x80\x9B\"",
         "it\xE2\x80\x99\xE2\x80\x99s \xE2\x80\x98\xE2\x80\x98x\xE2\x80\x9B\xE2\x80\x9B"},
        {"", "", "", "", "", "\"\"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Escaped(c.Value, TEscape::Url), c.Url) << c.Value;
        EXPECT_EQ(Escaped(c.Value, TEscape::Html), c.Html) << c.Value;
        EXPECT_EQ(Escaped(c.Value, TEscape::Batch), c.Batch) << c.Value;
        EXPECT_EQ(Escaped(c.Value, TEscape::Csv), c.Csv) << c.Value;
        EXPECT_EQ(Escaped(c.Value, TEscape::Arg), c.Arg) << c.Value;
        EXPECT_EQ(Escaped(c.Value, TEscape::PowerShell), c.PowerShell) << c.Value;
        EXPECT_EQ(Escaped(c.Value, TEscape::None), c.Value);
    }
}

} // namespace
