#pragma once
// What Create would write, seen before it is written: the output cut into its lines, each
// knowing the entry it comes from and where the names stand in it. For a long list only the
// first and last entries (and those around the selection) are built, with a marked gap between,
// so the work follows what is shown, not the length of the list.
#include "gen/encoded_output.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TFileList;
class TLineBuilder;

// A name inside a preview line: its bytes, its entry, whether the output encoding holds it.
struct TNameMark {
    std::size_t Start = 0;
    std::size_t Length = 0;
    int Entry = -1;
    bool Unwritable = false;
};

struct TPreviewLine {
    std::string Text;              // without its line break
    int Entry = -1;                // the entry whose text the line begins in; -1 for the Main texts
    std::vector<TNameMark> Names;
    bool LineBreak = false;        // the output breaks the line here (the last line may run to the end)
    bool Gap = false;              // stands for entries left out; Text says how many
};

struct TPreviewShape {
    int Edge = 100;                // entries shown at each end of the list
    int AroundSelection = 30;      // entries shown on each side of a selected entry inside the gap
};

// The lines of the output for the list as it stands; selected is the list's selected entry (-1:
// none). An empty list gives the Main texts around no lines, as the builder gives them.
std::vector<TPreviewLine> BuildPreview(TLineBuilder& builder, const TFileList& list, const TOutputFormat& format,
                                       int selected, const TPreviewShape& shape = {});

// The text of shown lines, LF after each line the output breaks (gaps left out).
std::string PreviewText(const std::vector<TPreviewLine>& lines);

// The size of the whole output as the format writes it, counted a piece of generated text at a
// time (each piece holding whole characters).
struct TOutputTotals {
    std::uint64_t Lines = 0;
    std::uint64_t Bytes = 0;
};

class TTotalsCounter {
public:
    explicit TTotalsCounter(const TOutputFormat& format);
    void Add(std::string_view text);
    // The totals of what was added; a last line without a line break counts as a line.
    TOutputTotals Totals() const;

private:
    TOutputFormat Format;
    TOutputTotals Sum;
    bool OpenLine = false;   // text after the last line break
};

// The whole output as Create and copy puts it on the clipboard: in UTF-8 with the format's
// line ends, and for the ANSI encoding with "?" where Create writes one.
std::string OutputClipboardText(TLineBuilder& builder, const TOutputFormat& format);

// "12,345": a count grouped by thousands.
std::string GroupedCount(std::uint64_t count);
