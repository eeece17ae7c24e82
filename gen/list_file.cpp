#include "gen/list_file.h"

#include "gen/file_list.h"
#include "gen/output_writer.h"
#include "text/legacy_text.h"
#include "text/native_path.h"
#include "text/utf16_text.h"

#include <cstring>
#include <memory>

namespace {

// Collects lines across read blocks and cuts them into entries of at most EntryMax UTF-16
// units, each ending on a character boundary.
class TLineSplitter {
public:
    TLineSplitter(TFileList& list, int legacyCodePage) : List(list), LegacyCodePage(legacyCodePage) {}

    void Feed(const char* data, std::size_t size)
    {
        while (size > 0) {
            const char* lf = static_cast<const char*>(std::memchr(data, '\n', size));
            std::size_t take = lf ? static_cast<std::size_t>(lf - data) : size;
            AddText(data, take);
            if (!lf)
                return;
            if (!Line.empty() && Line.back() == '\r')
                Line.pop_back();   // CR LF ends a line like LF alone
            EndLine();
            data += take + 1;
            size -= take + 1;
        }
    }

    void Finish()
    {
        if (!Line.empty())
            EndLine();   // the last line had no line break
    }

private:
    // A line this long (garbage, most likely) is cut into entries before its end is seen.
    static constexpr std::size_t LongLine = 1 << 20;

    void AddText(const char* data, std::size_t size)
    {
        Line.append(data, size);
        if (Line.size() >= LongLine)
            EmitPieces(false);
    }

    void EndLine()
    {
        // Each character takes at least as many bytes as UTF-16 units: a short line is one entry.
        if (Line.size() > EntryMax) {
            if (LegacyCodePage && !IsValidUtf8(Line))
                Line = Utf8FromLegacy(Line, LegacyCodePage);
            EmitPieces(true);
        }
        if (!Line.empty() || PiecesInLine == 0)
            Emit(Line);
        Line.clear();
        PiecesInLine = 0;
    }

    // Makes entries of the whole pieces at the start of the line and keeps the rest. Before the
    // line has ended its last bytes may begin a character that goes on in the next block, so a
    // piece is cut off only with a whole character after it.
    void EmitPieces(bool lineEnded)
    {
        std::size_t start = 0;
        for (;;) {
            const std::string_view rest = std::string_view(Line).substr(start);
            const std::string_view piece = CutToUtf16Units(rest, EntryMax);
            if (piece.size() == rest.size() || (!lineEnded && rest.size() - piece.size() < 4))
                break;
            Emit(piece);
            start += piece.size();
        }
        Line.erase(0, start);
    }

    void Emit(std::string_view entry)
    {
        if (LegacyCodePage && !IsValidUtf8(entry))
            AppendEntry(List, Utf8FromLegacy(entry, LegacyCodePage));
        else
            AppendEntry(List, std::string(entry));
        ++PiecesInLine;
    }

    TFileList& List;
    int LegacyCodePage;
    std::string Line;
    int PiecesInLine = 0;   // entries already made of the current line
};

struct TFileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

bool ReadListStream(std::FILE* stream, TFileList& list, int legacyCodePage, const std::atomic<bool>* cancel)
{
    TLineSplitter splitter(list, legacyCodePage);
    std::unique_ptr<char[]> block(new char[1 << 16]);
    std::size_t got;
    while ((got = std::fread(block.get(), 1, 1 << 16, stream)) > 0) {
        if (cancel && *cancel)
            return false;
        splitter.Feed(block.get(), got);
    }
    splitter.Finish();
    return !std::ferror(stream);
}

bool ReadListFile(const std::string& fileName, TFileList& list, int legacyCodePage, const std::atomic<bool>* cancel)
{
    std::unique_ptr<std::FILE, TFileCloser> file(OpenNativeFile(fileName, "rb"));
    if (!file)
        return false;
    return ReadListStream(file.get(), list, legacyCodePage, cancel);
}

TWriteResult WriteListFile(const std::string& fileName, const TFileList& list)
{
    TCrLfFileWriter writer;
    if (!writer.Open(fileName))
        return TWriteResult::Failed;
    std::string text;
    for (int i = 0; i < list.Count(); ++i) {
        if (i > 0)
            writer.Append("\n");
        list.GetText(i, text);
        writer.Append(text);
    }
    return writer.Close();
}
