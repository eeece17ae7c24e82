#include "gen/list_file.h"

#include "gen/file_list.h"
#include "gen/output_writer.h"
#include "text/legacy_text.h"
#include "text/native_path.h"

#include <cstring>
#include <memory>

namespace {

// Collects lines across read blocks and cuts them into entries.
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
            EndLine();
            data += take + 1;
            size -= take + 1;
        }
    }

    void Finish()
    {
        if (!Line.empty())
            Emit();   // the last line had no line break
    }

private:
    void AddText(const char* data, std::size_t size)
    {
        while (size > 0) {
            if (Line.size() == EntryMax)
                Emit();   // a long line goes on as a new entry
            std::size_t room = EntryMax - Line.size();
            std::size_t take = size < room ? size : room;
            Line.append(data, take);
            data += take;
            size -= take;
        }
    }

    void EndLine()
    {
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();   // CR LF ends a line like LF alone
        if (!Line.empty() || PiecesInLine == 0)
            Emit();
        PiecesInLine = 0;
    }

    void Emit()
    {
        if (LegacyCodePage && !IsValidUtf8(Line))
            AppendEntry(List, Utf8FromLegacy(Line, LegacyCodePage));
        else
            AppendEntry(List, Line);
        Line.clear();
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

bool ReadListStream(std::FILE* stream, TFileList& list, int legacyCodePage)
{
    TLineSplitter splitter(list, legacyCodePage);
    std::unique_ptr<char[]> block(new char[1 << 16]);
    std::size_t got;
    while ((got = std::fread(block.get(), 1, 1 << 16, stream)) > 0)
        splitter.Feed(block.get(), got);
    splitter.Finish();
    return !std::ferror(stream);
}

bool ReadListFile(const std::string& fileName, TFileList& list, int legacyCodePage)
{
    std::unique_ptr<std::FILE, TFileCloser> file(OpenNativeFile(fileName, "rb"));
    if (!file)
        return false;
    return ReadListStream(file.get(), list, legacyCodePage);
}

bool WriteListFile(const std::string& fileName, const TFileList& list)
{
    TCrLfFileWriter writer;
    if (!writer.Open(fileName))
        return false;
    std::string text;
    for (int i = 0; i < list.Count(); ++i) {
        if (i > 0)
            writer.Append("\n");
        list.GetText(i, text);
        writer.Append(text);
    }
    return writer.Close();
}
