// The list-file reader: any bytes give the entries the rules say (LF or CR LF ends a
// line, long lines go on in pieces of at most 1999 UTF-16 units that end on a character
// boundary, a final line break adds nothing), also
// when a line break falls on the reader's block boundary; and a list saved and
// opened again comes back the same.
#include "fuzz_support.h"
#include "gen/file_list.h"
#include "gen/list_file.h"
#include "text/utf16_text.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using TNames = std::vector<std::string>;

TNames Expected(std::string_view bytes)
{
    TNames names;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t lf = bytes.find('\n', pos);
        std::string_view line = bytes.substr(pos, lf == std::string_view::npos ? lf : lf - pos);
        pos = lf == std::string_view::npos ? bytes.size() : lf + 1;
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            names.emplace_back();
        while (!line.empty()) {
            const std::string_view piece = CutToUtf16Units(line, EntryMax);
            names.emplace_back(piece);
            line.remove_prefix(piece.size());
        }
    }
    return names;
}

TNames ReadFromMemory(std::string& bytes)
{
    TPackedFileList list;
    std::FILE* stream = fmemopen(bytes.data(), bytes.size(), "rb");
    if (!stream)
        FuzzFail("fmemopen failed");
    FuzzCheck(ReadListStream(stream, list), "reading from memory failed");
    std::fclose(stream);
    TNames names;
    for (int i = 0; i < list.Count(); ++i)
        names.push_back(list.Text(i));
    return names;
}

void CheckRead(std::string bytes, const char* how)
{
    TNames expected = Expected(bytes);
    TNames got = ReadFromMemory(bytes);
    FuzzCheck(got.size() == expected.size(), std::string(how) + ": " + std::to_string(got.size()) +
                                                 " entries read, " + std::to_string(expected.size()) + " expected");
    for (std::size_t i = 0; i < got.size(); ++i)
        FuzzCheckEqual(got[i], expected[i], std::string(how) + ": entry " + std::to_string(i));
}

constexpr std::size_t ReadBlock = 1 << 16;

// Whole lines of filler that end where the data's middle meets the reader's block
// boundary; long lines, so that they make few entries.
std::string FillerBefore(std::size_t dataSize)
{
    std::string filler(ReadBlock - dataSize / 2, 'f');
    for (std::size_t at = EntryMax; at < filler.size(); at += EntryMax + 1)
        filler[at] = '\n';
    filler.back() = '\n';
    return filler;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TScratchFolder scratch;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    CheckRead(bytes, "as read");
    if (size > 0 && size < ReadBlock)
        CheckRead(FillerBefore(size) + bytes, "across a block boundary");

    // Saved and opened again. A last entry that is empty has nothing to show it in the file.
    TNames entries = Expected(bytes);
    if (!entries.empty() && !entries.back().empty()) {
        TVectorFileList list(entries);
        const std::string file = scratch.File("saved.lst");
        FuzzCheck(static_cast<bool>(WriteListFile(file, list)), "saving failed");
        TVectorFileList opened;
        FuzzCheck(ReadListFile(file, opened), "opening the saved list failed");
        FuzzCheck(opened.Items() == entries, "a saved list opens with the same entries");
    }
    return 0;
}
