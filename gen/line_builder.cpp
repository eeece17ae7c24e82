#include "gen/line_builder.h"

#include "gen/file_list.h"
#include "gen/make_relative.h"
#include "gen/output_writer.h"
#include "settings/settings.h"
#include "text/utf16_text.h"

#include <algorithm>
#include <charconv>

namespace {

// Replaced one after the other in this order; text inserted for one is searched for the later ones.
constexpr std::string_view Variables[] = {
    "QZ_DRIVE", "QZ_PATH", "QZ_NAME", "QZ_EXT", "QZ_RELPATH", "QZ_GETSELINDEX", "QZ_GETCOUNT",
};
enum { Drive, Path, FileName, Ext, RelPath, SelIndex, Count };

constexpr std::string_view VariablePrefix = "QZ_";

void InvertSlashes(std::string& text)
{
    std::replace(text.begin(), text.end(), '\\', '/');
}

void DropCarriageReturns(std::string& text)
{
    if (text.find('\r') != std::string::npos)
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
}

// Limits count UTF-16 units, as the edit fields do, and never cut inside a character.
std::string_view Cut(std::string_view text, std::size_t max)
{
    return CutToUtf16Units(text, max);
}

} // namespace

TLineBuilder::TPattern::TPattern(std::string_view text)
    : Text(text), Fixed(text), HasVariables(text.find(VariablePrefix) != std::string_view::npos)
{
    DropCarriageReturns(Fixed);
    if (!HasVariables)
        return;
    // Occurrences of different variables never overlap: each begins with the prefix,
    // which no name holds further on, and no name begins another.
    std::vector<TPiece> found;
    for (int v = 0; v < static_cast<int>(std::size(Variables)); ++v)
        for (std::size_t at = Text.find(Variables[v]); at != std::string::npos;
             at = Text.find(Variables[v], at + Variables[v].size()))
            found.push_back({v, at, Variables[v].size()});
    std::sort(found.begin(), found.end(),
              [](const TPiece& a, const TPiece& b) { return a.Start < b.Start; });
    std::size_t from = 0;
    for (const TPiece& variable : found) {
        if (variable.Start > from)
            Pieces.push_back({-1, from, variable.Start - from});
        Pieces.push_back(variable);
        from = variable.Start + variable.Length;
    }
    if (from < Text.size())
        Pieces.push_back({-1, from, Text.size() - from});
}

TLineBuilder::TLineBuilder(const TSettings& settings, const TFileList& list,
                           std::string_view header, std::string_view queue)
    : Settings(settings), List(list), Header(Cut(header, FieldTextMax)), Queue(Cut(queue, FieldTextMax))
{
}

void TLineBuilder::LoadFile(TCurrentFile& file, int index, const std::string* givenName) const
{
    if (givenName)
        file.FullName = *givenName;
    else if (index >= 0 && index < List.Count())
        List.GetText(index, file.FullName);
    StartFile(file, index);
}

void TLineBuilder::StartFile(TCurrentFile& file, int index) const
{
    file.Index = index;
    file.HaveParts = false;
    file.HaveDir = false;
    file.HaveRelFolder = false;
}

const TPathParts& TLineBuilder::PartsOf(TCurrentFile& file) const
{
    if (!file.HaveParts) {
        file.Parts = SplitPath(file.FullName);
        file.HaveParts = true;
    }
    return file.Parts;
}

const std::string& TLineBuilder::DirOf(TCurrentFile& file) const
{
    if (!file.HaveDir) {
        file.Dir.assign(PartsOf(file).Dir);
        if (Settings.InvertSlash)
            InvertSlashes(file.Dir);
        file.HaveDir = true;
    }
    return file.Dir;
}

const std::string& TLineBuilder::RelFolderOf(TCurrentFile& file) const
{
    if (!file.HaveRelFolder) {
        std::string& folder = file.RelFolder;
        folder = file.FullName;
        MakeRelative(folder, Settings.RelPath);
        std::size_t last = folder.rfind('\\');
        folder.resize(last == std::string::npos ? 0 : last);
        if (Settings.InvertSlash)
            InvertSlashes(folder);
        file.HaveRelFolder = true;
    }
    return file.RelFolder;
}

std::string_view TLineBuilder::ValueOf(int variable, TCurrentFile& file, char* number) const
{
    switch (variable) {
    case Drive: return PartsOf(file).Drive;
    case Path: return DirOf(file);
    case FileName: return PartsOf(file).Name;
    case Ext: return PartsOf(file).Ext;
    case RelPath: return RelFolderOf(file);
    default: {
        long long value = variable == SelIndex ? file.Index + 1LL : file.Index;
        char* end = std::to_chars(number, number + 24, value).ptr;
        return std::string_view(number, static_cast<std::size_t>(end - number));
    }
    }
}

// The variables replaced one after the other over the whole text, as the rules state them.
void TLineBuilder::ExpandInPlace(std::string& text, TCurrentFile& file)
{
    char number[24];
    for (int v = 0; v < static_cast<int>(std::size(Variables)); ++v) {
        std::string_view variable = Variables[v];
        std::size_t at = text.find(variable);
        if (at == std::string::npos)
            continue;
        std::string_view value = ValueOf(v, file, number);
        // Each occurrence that stood in the text is replaced once; the search goes on
        // after the value put in its place, so a value holding the variable's name ends.
        Spare.clear();
        std::size_t from = 0;
        do {
            Spare.append(text, from, at - from);
            Spare.append(value);
            from = at + variable.size();
            at = text.find(variable, from);
        } while (at != std::string::npos);
        Spare.append(text, from, std::string::npos);
        text.swap(Spare);
    }
    DropCarriageReturns(text);
}

// Puts the values in place of the variables found in the pattern, in one pass. That is
// the same as replacing one variable after the other unless a new variable name forms
// on the way, which needs the prefix in the result: then the text is expanded the long way.
void TLineBuilder::Expand(const TPattern& pattern, TCurrentFile& file, std::string& out)
{
    char number[24];
    out.clear();
    for (const TPattern::TPiece& piece : pattern.Pieces) {
        if (piece.Variable < 0)
            out.append(pattern.Text, piece.Start, piece.Length);
        else
            out.append(ValueOf(piece.Variable, file, number));
    }
    if (out.find(VariablePrefix) != std::string::npos) {
        out.assign(pattern.Text);
        ExpandInPlace(out, file);
        return;
    }
    DropCarriageReturns(out);
}

void TLineBuilder::NameInMode(TCurrentFile& file, std::string& name) const
{
    name = file.FullName;
    switch (Settings.CheckIndex) {
    case Relative:
        MakeRelative(name, Settings.RelPath);
        break;
    case NoPath: {
        std::size_t last = name.rfind('\\');
        if (last != std::string::npos)
            name.erase(0, last + 1);
        break;
    }
    case None:
        name.clear();
        break;
    default:
        break;
    }
    if (Settings.InvertSlash)
        InvertSlashes(name);
}

void TLineBuilder::ExpandPart(std::string& text, int index, const std::string* givenName,
                              std::string& name)
{
    TCurrentFile file;
    file.FullName = name;
    LoadFile(file, index, givenName);
    ExpandInPlace(text, file);
    NameInMode(file, name);
}

bool TLineBuilder::UsesAlternate(TCurrentFile& file) const
{
    if (SpecialExt.empty())
        return false;
    std::string_view ext = PartsOf(file).Ext;
    if (!ext.empty())
        ext.remove_prefix(1);
    return !ext.empty() && !ContainsNoCase(SpecialExt, ext);
}

void TLineBuilder::EmitPattern(const TPattern& pattern, TCurrentFile& file, TOutputSink& sink)
{
    if (!pattern.HasVariables) {
        sink.Append(pattern.Fixed);
        return;
    }
    Expand(pattern, file, Work);
    sink.Append(Work);
}

void TLineBuilder::EmitLine(TCurrentFile& file, TOutputSink& sink)
{
    if (UsesAlternate(file)) {
        TPattern head(AltHeadQueue.Head), queue(AltHeadQueue.Queue);
        EmitPattern(head, file, sink);
        NameInMode(file, Name);
        sink.Append(Name);
        EmitPattern(queue, file, sink);
        return;
    }
    EmitPattern(Header, file, sink);
    NameInMode(file, Name);
    sink.Append(Name);
    EmitPattern(Queue, file, sink);
}

void TLineBuilder::BuildLine(int index, const std::string* givenName, std::string& line)
{
    TCurrentFile file;
    LoadFile(file, index, givenName);
    TStringSink sink;
    sink.Text.swap(line);
    sink.Text.clear();
    EmitLine(file, sink);
    line.swap(sink.Text);
}

std::string TLineBuilder::BuildLine(int index, const std::string* givenName)
{
    std::string line;
    BuildLine(index, givenName, line);
    return line;
}

void TLineBuilder::BuildOutput(TOutputSink& sink)
{
    const int count = List.Count();
    TCurrentFile file;

    LoadFile(file, 0, nullptr);
    EmitPattern(TPattern(Cut(Settings.MainHead, MainTextMax)), file, sink);

    // Every index below the count has an entry: no check per entry (a list box answers each).
    for (int i = 0; i < count; ++i) {
        List.GetText(i, file.FullName);
        StartFile(file, i);
        EmitLine(file, sink);
    }

    // The Main queue counts the entries; its file variables describe the last entry.
    std::string last = List.Text(count - 1);
    LoadFile(file, count, &last);
    EmitPattern(TPattern(Cut(Settings.MainQueue, MainTextMax)), file, sink);
}

std::string TLineBuilder::BuildOutput()
{
    TStringSink sink;
    BuildOutput(sink);
    return std::move(sink.Text);
}
