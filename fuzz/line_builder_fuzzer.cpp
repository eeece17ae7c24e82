// The line builder's two expansions. Lines and the whole output are built in one pass
// (BuildLine, BuildOutput); ExpandPart replaces the variables one after the other (or, with
// MoreVariables, goes through the text once itself). Both must give the same bytes for any
// texts, names and settings. Every escape must also read back to the value it escaped.
//
// Input: NUL-separated fields: options (mode, invert slash, more variables, name escape), base
// folder, Header, Queue, Main head, Main queue, special extensions, alternate Header and Queue,
// then the entries.
#include "fuzz_support.h"
#include "gen/escaping.h"
#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "settings/settings.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

struct TTexts {
    std::string Header, Queue, AltHead, AltQueue, SpecialExt;
};

// The variable-by-variable expansion of text for entry index (or the given name).
std::string Slow(TLineBuilder& builder, std::string text, int index, const std::string* given)
{
    std::string name;
    builder.ExpandPart(text, index, given, name);
    return text;
}

std::string NameInMode(TLineBuilder& builder, int index, const std::string* given)
{
    std::string text, name;
    builder.ExpandPart(text, index, given, name);
    return name;
}

// Header + name + Queue as the rules make them, the pair picked by the entry's extension.
std::string SlowLine(TLineBuilder& builder, const TTexts& texts, const std::string& fullName, int index,
                     const std::string* given)
{
    std::string_view ext = SplitPath(fullName).Ext;
    if (!ext.empty())
        ext.remove_prefix(1);
    bool alternate = !texts.SpecialExt.empty() && !ext.empty() && !ContainsNoCase(texts.SpecialExt, ext);
    const std::string& head = alternate ? texts.AltHead : texts.Header.substr(0, FieldTextMax);
    const std::string& queue = alternate ? texts.AltQueue : texts.Queue.substr(0, FieldTextMax);
    return Slow(builder, head, index, given) + NameInMode(builder, index, given) + Slow(builder, queue, index, given);
}

int HexValue(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// Each escape, read back as its reader does, gives the value (a URL's folders with slashes).
void CheckEscapes(const std::string& value)
{
    std::string url = Escaped(value, TEscape::Url), back, expected = value;
    for (char& c : expected)
        c = c == '\\' ? '/' : c;
    for (std::size_t i = 0; i < url.size(); ++i) {
        FuzzCheck(std::string_view("\"'<>&# ?%\\").find(url[i]) == std::string_view::npos || url[i] == '%',
                  "no character a URL or an attribute reads specially: " + Escaped(url));
        if (url[i] == '%' && i + 2 < url.size() && HexValue(url[i + 1]) >= 0 && HexValue(url[i + 2]) >= 0) {
            back += static_cast<char>(HexValue(url[i + 1]) * 16 + HexValue(url[i + 2]));
            i += 2;
        } else {
            FuzzCheck(url[i] != '%', "every % begins an escape");
            back += url[i];
        }
    }
    FuzzCheckEqual(back, expected, "the URL decodes to the value");

    std::string html = Escaped(value, TEscape::Html);
    FuzzCheck(html.find_first_of("<>\"'") == std::string::npos, "no markup left: " + Escaped(html));
    for (const auto& [entity, c] : {std::pair<const char*, const char*>{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""},
                                    {"&#39;", "'"}}) {
        for (std::size_t at; (at = html.find(entity)) != std::string::npos;)
            html.replace(at, std::string_view(entity).size(), c);
    }
    std::string plain;
    for (std::size_t i = 0; i < html.size(); ++i) {
        plain += html[i];
        if (html.compare(i, 5, "&amp;") == 0)
            i += 4;
    }
    FuzzCheckEqual(plain, value, "the HTML reads back as the value");

    std::string batch = Escaped(value, TEscape::Batch), csv = Escaped(value, TEscape::Csv);
    FuzzCheck(batch.size() - value.size() == static_cast<std::size_t>(std::count(value.begin(), value.end(), '%')),
              "batch doubles every % and nothing else");
    FuzzCheck(csv.size() - value.size() == static_cast<std::size_t>(std::count(value.begin(), value.end(), '"')),
              "CSV doubles every quote and nothing else");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFields fields(data, size);
    const std::string options = fields.Next();
    TSettings settings = FirstStartSettings();
    const int modes[] = {Full, Relative, NoPath, None, 7};
    settings.CheckIndex = options.empty() ? Full : modes[static_cast<unsigned char>(options[0]) % 5];
    settings.InvertSlash = options.size() > 1 && (options[1] & 1);
    settings.MoreVariables = options.size() > 2 && (options[2] & 1);
    if (options.size() > 3)
        settings.NameEscape = EscapeChoices[static_cast<unsigned char>(options[3]) % std::size(EscapeChoices)].Value;
    settings.RelPath = fields.Next();
    TTexts texts;
    texts.Header = fields.Next();
    texts.Queue = fields.Next();
    settings.MainHead = fields.Next();
    settings.MainQueue = fields.Next();
    texts.SpecialExt = fields.Next();
    texts.AltHead = fields.Next();
    texts.AltQueue = fields.Next();
    TPackedFileList list;
    while (!fields.AtEnd() && list.Count() < 16)
        AppendEntry(list, fields.Next());
    if (list.Count() == 0)
        AppendEntry(list, "C:\\Web\\img\\cat.gif");

    TLineBuilder builder(settings, list, texts.Header, texts.Queue);
    builder.SpecialExt = texts.SpecialExt;
    builder.AltHeadQueue = {texts.AltHead, texts.AltQueue};

    std::string output = Slow(builder, settings.MainHead.substr(0, MainTextMax), 0, nullptr);
    for (int i = 0; i < list.Count(); ++i) {
        std::string line = SlowLine(builder, texts, list.Text(i), i, nullptr);
        FuzzCheckEqual(builder.BuildLine(i), line, "line " + std::to_string(i) + " of " + Escaped(list.Text(i)));
        output += line;
    }
    const std::string last = list.Text(list.Count() - 1);
    output += Slow(builder, settings.MainQueue.substr(0, MainTextMax), list.Count(), &last);
    FuzzCheckEqual(builder.BuildOutput(), output, "the whole output");

    CheckEscapes(texts.Header);
    CheckEscapes(list.Text(0));

    // A name given instead of an entry, as Send To gives one.
    const std::string given = list.Text(0) + texts.SpecialExt;
    FuzzCheckEqual(builder.BuildLine(0, &given), SlowLine(builder, texts, given, 0, &given), "a given name");
    return 0;
}
