#include "gen/output_preview.h"

#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "text/legacy_text.h"
#include "text/utf16_text.h"

#include <algorithm>
#include <utility>

namespace {

// Lines made from generated text as it comes, piece after piece.
class TLineCutter {
public:
    explicit TLineCutter(std::vector<TPreviewLine>& lines) : Lines(lines) {}

    void Text(std::string_view text, int entry)
    {
        while (!text.empty()) {
            if (!Open) {
                Lines.push_back({});
                Lines.back().Entry = entry;
                Open = true;
            }
            const std::size_t lf = text.find('\n');
            Lines.back().Text.append(text.substr(0, lf));
            if (lf == std::string_view::npos)
                return;
            Lines.back().LineBreak = true;
            Open = false;
            text.remove_prefix(lf + 1);
        }
    }

    // The entry's line, its names marked.
    void Line(std::string_view line, std::size_t nameStart, std::size_t nameLength, int entry, bool unwritable)
    {
        Text(line.substr(0, nameStart), entry);
        if (!Open) {
            Lines.push_back({});
            Lines.back().Entry = entry;
            Open = true;
        }
        // A name holds no line break: it stays on the line it begins.
        TPreviewLine& current = Lines.back();
        current.Names.push_back({current.Text.size(), nameLength, entry, unwritable});
        current.Text.append(line.substr(nameStart, nameLength));
        Text(line.substr(nameStart + nameLength), entry);
    }

    void Gap(int entries)
    {
        Open = false;
        TPreviewLine gap;
        gap.Gap = true;
        gap.Text = "... " + GroupedCount(static_cast<std::uint64_t>(entries)) +
                   (entries == 1 ? " entry" : " entries") + " not shown ...";
        Lines.push_back(std::move(gap));
    }

private:
    std::vector<TPreviewLine>& Lines;
    bool Open = false;
};

// The ranges of entries shown, in order and apart.
std::vector<std::pair<int, int>> ShownRanges(int count, int selected, const TPreviewShape& shape)
{
    std::vector<std::pair<int, int>> ranges;
    auto add = [&](int first, int end) {
        first = std::max(first, 0);
        end = std::min(end, count);
        if (first < end)
            ranges.emplace_back(first, end);
    };
    add(0, shape.Edge);
    if (selected >= 0)
        add(selected - shape.AroundSelection, selected + shape.AroundSelection + 1);
    add(count - shape.Edge, count);
    std::sort(ranges.begin(), ranges.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& range : ranges) {
        if (!merged.empty() && range.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, range.second);
        else
            merged.push_back(range);
    }
    return merged;
}

} // namespace

std::vector<TPreviewLine> BuildPreview(TLineBuilder& builder, const TFileList& list, const TOutputFormat& format,
                                       int selected, const TPreviewShape& shape)
{
    std::vector<TPreviewLine> lines;
    TLineCutter cutter(lines);
    const int count = list.Count();
    cutter.Text(builder.BuildMainHead(), -1);
    std::string line;
    int shownTo = 0;
    for (const auto& [first, end] : ShownRanges(count, selected, shape)) {
        if (first > shownTo)
            cutter.Gap(first - shownTo);
        for (int i = first; i < end; ++i) {
            std::size_t nameStart = 0, nameLength = 0;
            builder.BuildLine(i, line, nameStart, nameLength);
            const bool unwritable = format.Encoding == TOutputEncoding::Ansi &&
                                    !FitsLegacy(std::string_view(line).substr(nameStart, nameLength), format.CodePage);
            cutter.Line(line, nameStart, nameLength, i, unwritable);
        }
        shownTo = end;
    }
    cutter.Text(builder.BuildMainQueue(), -1);
    return lines;
}

std::string PreviewText(const std::vector<TPreviewLine>& lines)
{
    std::string text;
    for (const TPreviewLine& line : lines) {
        if (line.Gap)
            continue;
        text += line.Text;
        if (line.LineBreak)
            text += '\n';
    }
    return text;
}

TTotalsCounter::TTotalsCounter(const TOutputFormat& format) : Format(format)
{
    if (Format.Encoding == TOutputEncoding::Utf8Bom)
        Sum.Bytes = 3;
    else if (Format.Encoding == TOutputEncoding::Utf16Le)
        Sum.Bytes = 2;
}

void TTotalsCounter::Add(std::string_view text)
{
    if (text.empty())
        return;
    const auto breaks = static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n'));
    Sum.Lines += breaks;
    OpenLine = text.back() != '\n';
    const std::uint64_t lineEndExtra = Format.LineEnds == TLineEnds::CrLf ? breaks : 0;
    switch (Format.Encoding) {
    case TOutputEncoding::Utf8:
    case TOutputEncoding::Utf8Bom:
        Sum.Bytes += text.size() + lineEndExtra;
        break;
    case TOutputEncoding::Utf16Le:
        Sum.Bytes += 2 * (Utf16Length(text) + lineEndExtra);
        break;
    case TOutputEncoding::Ansi: {
        bool lost = false;
        Sum.Bytes += LegacyFromUtf8(text, Format.CodePage, lost).size() + lineEndExtra;
        break;
    }
    }
}

TOutputTotals TTotalsCounter::Totals() const
{
    TOutputTotals totals = Sum;
    if (OpenLine)
        ++totals.Lines;
    return totals;
}

std::string OutputClipboardText(TLineBuilder& builder, const TOutputFormat& format)
{
    std::string text = builder.BuildOutput();
    if (format.Encoding == TOutputEncoding::Ansi && format.CodePage != Utf8CodePage) {
        bool lost = false;
        text = Utf8FromCodePage(LegacyFromUtf8(text, format.CodePage, lost), format.CodePage);
    }
    return format.LineEnds == TLineEnds::CrLf ? WithCrLf(text) : text;
}

std::string GroupedCount(std::uint64_t count)
{
    std::string digits = std::to_string(count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return digits;
}
