// The line builder's two expansions. Lines and the whole output are built in one pass
// (BuildLine, BuildOutput); ExpandPart replaces the variables one after the other.
// Both must give the same bytes for any texts, names and settings.
//
// Input: NUL-separated fields: options (mode, invert slash), base folder, Header, Queue,
// Main head, Main queue, special extensions, alternate Header and Queue, then the entries.
#include "fuzz_support.h"
#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "settings/settings.h"

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFields fields(data, size);
    const std::string options = fields.Next();
    TSettings settings = FirstStartSettings();
    const int modes[] = {Full, Relative, NoPath, None, 7};
    settings.CheckIndex = options.empty() ? Full : modes[static_cast<unsigned char>(options[0]) % 5];
    settings.InvertSlash = options.size() > 1 && (options[1] & 1);
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

    // A name given instead of an entry, as Send To gives one.
    const std::string given = list.Text(0) + texts.SpecialExt;
    FuzzCheckEqual(builder.BuildLine(0, &given), SlowLine(builder, texts, given, 0, &given), "a given name");
    return 0;
}
