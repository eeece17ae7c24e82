#include "gen/line_builder.h"

#include "gen/detail_text.h"
#include "gen/escaping.h"
#include "gen/file_list.h"
#include "gen/make_relative.h"
#include "gen/output_writer.h"
#include "text/utf16_text.h"

#include <algorithm>
#include <charconv>

namespace {

// Replaced one after the other in this order; text inserted for one is searched for the later ones.
constexpr std::string_view Variables[] = {
    "QZ_DRIVE", "QZ_PATH", "QZ_NAME", "QZ_EXT", "QZ_RELPATH", "QZ_GETSELINDEX", "QZ_GETCOUNT",
};
enum { Drive, Path, FileName, Ext, RelPath, SelIndex, Count, FullName, Size, HumanSize, Date, Time, Counter };

constexpr std::string_view VariablePrefix = "QZ_";

// With MoreVariables: every name after the prefix, a longer one before a shorter it begins with.
constexpr struct {
    std::string_view Name;
    int Variable;
} MoreVariableNames[] = {
    {"DRIVE", Drive}, {"PATH", Path}, {"NAME", FileName}, {"EXT", Ext}, {"RELPATH", RelPath},
    {"GETSELINDEX", SelIndex}, {"GETCOUNT", Count}, {"FULLNAME", FullName}, {"SIZETEXT", HumanSize},
    {"SIZE", Size}, {"DATE", Date}, {"TIME", Time}, {"COUNTER", Counter},
};

// The suffixes that escape a variable's value: QZ_NAME_URL.
constexpr struct {
    std::string_view Suffix;
    TEscape Escape;
} EscapeSuffixes[] = {
    {"_URL", TEscape::Url}, {"_HTML", TEscape::Html}, {"_BATCH", TEscape::Batch},
    {"_CSV", TEscape::Csv}, {"_ARG", TEscape::Arg},   {"_PS", TEscape::PowerShell},
};

bool At(std::string_view text, std::size_t at, std::string_view word)
{
    return text.compare(at, word.size(), word) == 0;
}

void InvertSlashes(std::string& text)
{
    std::replace(text.begin(), text.end(), '\\', '/');
}

void DropCarriageReturns(std::string& text)
{
    if (text.find('\r') != std::string::npos)
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
}

// The fields' and Main texts' limits count characters as an edit field does, never cutting one.
std::string_view Cut(std::string_view text, std::size_t max)
{
    return CutToUtf16Units(text, max);
}

} // namespace

TLineBuilder::TPattern::TPattern(std::string_view text, bool moreVariables)
    : Text(text), Fixed(text), HasVariables(text.find(VariablePrefix) != std::string_view::npos),
      MoreVariables(moreVariables)
{
    DropCarriageReturns(Fixed);
    if (!HasVariables)
        return;
    if (MoreVariables)
        FindMoreVariables();
    else
        FindVariables();
}

void TLineBuilder::TPattern::FindVariables()
{
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

// Left to right: at each prefix the longest variable name, its counter arguments, its suffix.
void TLineBuilder::TPattern::FindMoreVariables()
{
    std::size_t from = 0;
    for (std::size_t at = Text.find(VariablePrefix); at != std::string::npos; at = Text.find(VariablePrefix, at + 1)) {
        const std::size_t nameAt = at + VariablePrefix.size();
        TPiece variable{-1, at, 0};
        for (const auto& known : MoreVariableNames)
            if (At(Text, nameAt, known.Name)) {
                variable.Variable = known.Variable;
                variable.Length = VariablePrefix.size() + known.Name.size();
                break;
            }
        if (variable.Variable < 0)
            continue;
        std::size_t taken = 0;
        if (variable.Variable == Counter &&
            ReadCounterArguments(std::string_view(Text).substr(at + variable.Length), variable.Counter, taken))
            variable.Length += taken;
        for (const auto& suffix : EscapeSuffixes)
            if (At(Text, at + variable.Length, suffix.Suffix)) {
                variable.Escape = suffix.Escape;
                variable.Length += suffix.Suffix.size();
                break;
            }
        if (at > from)
            Pieces.push_back({-1, from, at - from});
        Pieces.push_back(variable);
        from = at + variable.Length;
        at = from - 1;
    }
    HasVariables = !Pieces.empty();
    if (!HasVariables)
        return;
    if (from < Text.size())
        Pieces.push_back({-1, from, Text.size() - from});
}

TLineBuilder::TLineBuilder(const TSettings& settings, const TFileList& list,
                           std::string_view header, std::string_view queue)
    : Settings(settings), List(list), Header(Cut(header, FieldTextMax), settings.MoreVariables),
      Queue(Cut(queue, FieldTextMax), settings.MoreVariables)
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
    file.HaveShownFullName = false;
    file.HaveDetails = false;
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

const std::string& TLineBuilder::ShownFullNameOf(TCurrentFile& file) const
{
    if (!file.HaveShownFullName) {
        file.ShownFullName = file.FullName;
        if (Settings.InvertSlash)
            InvertSlashes(file.ShownFullName);
        file.HaveShownFullName = true;
    }
    return file.ShownFullName;
}

// Asked of the file system once per file, and only by a text that shows a detail.
const TFileDetails& TLineBuilder::DetailsOf(TCurrentFile& file) const
{
    if (!file.HaveDetails) {
        file.Details = ReadFileDetails(file.FullName);
        file.HaveDetails = true;
    }
    return file.Details;
}

// room holds a number: at least DetailTextRoom.
std::string_view TLineBuilder::ValueOf(int variable, const TCounter& counter, TCurrentFile& file, char* room) const
{
    switch (variable) {
    case Drive: return PartsOf(file).Drive;
    case Path: return DirOf(file);
    case FileName: return PartsOf(file).Name;
    case Ext: return PartsOf(file).Ext;
    case RelPath: return RelFolderOf(file);
    case SelIndex:
    case Count: {
        long long value = variable == SelIndex ? file.Index + 1LL : file.Index;
        char* end = std::to_chars(room, room + DetailTextRoom, value).ptr;
        return std::string_view(room, static_cast<std::size_t>(end - room));
    }
    default: return MoreValueOf(variable, counter, file, room);
    }
}

// The variables MoreVariables adds; apart, so the classic ones stay a short road.
std::string_view TLineBuilder::MoreValueOf(int variable, const TCounter& counter, TCurrentFile& file, char* room) const
{
    if (variable == FullName)
        return ShownFullNameOf(file);
    if (variable == Counter)
        return CounterText(counter, file.Index, room);
    const TFileDetails& details = DetailsOf(file);
    if (!details.Found)
        return {};
    switch (variable) {
    case Size: {
        if (details.Folder)
            return {};
        char* end = std::to_chars(room, room + DetailTextRoom, details.Size).ptr;
        return std::string_view(room, static_cast<std::size_t>(end - room));
    }
    case HumanSize: return details.Folder ? std::string_view() : SizeText(details.Size, room);
    case Date: return IsoDate(details.Modified, room);
    default: return IsoTime(details.Modified, room);
    }
}

// The variables replaced one after the other over the whole text, as the rules state them.
void TLineBuilder::ExpandInPlace(std::string& text, TCurrentFile& file)
{
    char number[DetailTextRoom];
    for (int v = 0; v < static_cast<int>(std::size(Variables)); ++v) {
        std::string_view variable = Variables[v];
        std::size_t at = text.find(variable);
        if (at == std::string::npos)
            continue;
        std::string_view value = ValueOf(v, TCounter{}, file, number);
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
    if (pattern.MoreVariables) {
        ExpandOnce(pattern, file, out);
        return;
    }
    char number[DetailTextRoom];
    out.clear();
    for (const TPattern::TPiece& piece : pattern.Pieces) {
        if (piece.Variable < 0)
            out.append(pattern.Text, piece.Start, piece.Length);
        else
            out.append(ValueOf(piece.Variable, piece.Counter, file, number));
    }
    if (out.find(VariablePrefix) != std::string::npos) {
        out.assign(pattern.Text);
        ExpandInPlace(out, file);
        return;
    }
    DropCarriageReturns(out);
}

// With MoreVariables there is no second search: each value goes in once, escaped as its piece asks.
void TLineBuilder::ExpandOnce(const TPattern& pattern, TCurrentFile& file, std::string& out)
{
    static_assert(DetailTextRoom >= CounterTextRoom);
    if (!pattern.HasVariables) {
        out.assign(pattern.Fixed);
        return;
    }
    char room[DetailTextRoom];
    out.clear();
    for (const TPattern::TPiece& piece : pattern.Pieces) {
        if (piece.Variable < 0)
            out.append(pattern.Text, piece.Start, piece.Length);
        else
            AppendEscaped(out, ValueOf(piece.Variable, piece.Counter, file, room), piece.Escape);
    }
    DropCarriageReturns(out);
}

void TLineBuilder::NameInMode(TCurrentFile& file, std::string& name)
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
    if (Settings.NameEscape != TEscape::None && Settings.CheckIndex != None) {
        Spare.clear();
        AppendEscaped(Spare, name, Settings.NameEscape);
        name.swap(Spare);
    }
    if (NameIsLink && name.find_first_of("#%") != std::string::npos) {
        Spare.clear();
        for (char c : name) {
            if (c == '#')
                Spare += "%23";
            else if (c == '%')
                Spare += "%25";
            else
                Spare += c;
        }
        name.swap(Spare);
    }
}

void TLineBuilder::ExpandPart(std::string& text, int index, const std::string* givenName,
                              std::string& name)
{
    TCurrentFile file;
    file.FullName = name;
    LoadFile(file, index, givenName);
    if (Settings.MoreVariables) {
        std::string expanded;
        Expand(TPattern(text, true), file, expanded);
        text.swap(expanded);
    } else {
        ExpandInPlace(text, file);
    }
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
        TPattern head(AltHeadQueue.Head, Settings.MoreVariables), queue(AltHeadQueue.Queue, Settings.MoreVariables);
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

void TLineBuilder::BuildLine(int index, std::string& line, std::size_t& nameStart, std::size_t& nameLength)
{
    // The name is the one piece of a line the builder appends alone: the sink notes where.
    class TNameFinder : public TOutputSink {
    public:
        void Append(std::string_view text) override
        {
            if (Pieces++ == NamePiece) {
                Start = Text.size();
                Length = text.size();
            }
            Text.append(text);
        }
        std::string Text;
        int Pieces = 0;
        int NamePiece = 1;   // after the Header's one piece
        std::size_t Start = 0;
        std::size_t Length = 0;
    } finder;
    TCurrentFile file;
    LoadFile(file, index, nullptr);
    finder.Text.swap(line);
    finder.Text.clear();
    EmitLine(file, finder);
    line.swap(finder.Text);
    nameStart = finder.Start;
    nameLength = finder.Length;
}

void TLineBuilder::EmitMainHead(TCurrentFile& file, TOutputSink& sink)
{
    LoadFile(file, 0, nullptr);
    EmitPattern(TPattern(Cut(Settings.MainHead, MainTextMax), Settings.MoreVariables), file, sink);
}

// The Main queue counts the entries; its file variables describe the last entry.
void TLineBuilder::EmitMainQueue(TCurrentFile& file, TOutputSink& sink)
{
    const int count = List.Count();
    std::string last = List.Text(count - 1);
    LoadFile(file, count, &last);
    EmitPattern(TPattern(Cut(Settings.MainQueue, MainTextMax), Settings.MoreVariables), file, sink);
}

std::string TLineBuilder::BuildMainHead()
{
    TCurrentFile file;
    TStringSink sink;
    EmitMainHead(file, sink);
    return std::move(sink.Text);
}

std::string TLineBuilder::BuildMainQueue()
{
    TCurrentFile file;
    TStringSink sink;
    EmitMainQueue(file, sink);
    return std::move(sink.Text);
}

void TLineBuilder::BuildOutput(TOutputSink& sink)
{
    const int count = List.Count();
    TCurrentFile file;

    EmitMainHead(file, sink);

    // Every index below the count has an entry: no check per entry (a list box answers each).
    for (int i = 0; i < count; ++i) {
        List.GetText(i, file.FullName);
        StartFile(file, i);
        EmitLine(file, sink);
    }

    EmitMainQueue(file, sink);
}

std::string TLineBuilder::BuildOutput()
{
    TStringSink sink;
    BuildOutput(sink);
    return std::move(sink.Text);
}
