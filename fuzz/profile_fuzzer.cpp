// The portable profile reader and writer. The whole input, read as a profile file,
// must give no crash. Read as fields (the file as it starts, then section, key and
// value of each write), every write the writer accepts must read back as written, and
// must leave the values of the file's other entries as they were. A file that starts with
// a byte-order mark stays in its encoding, whole: never part in one encoding, part in another.
#include "fuzz_support.h"
#include "settings/profile_portable.h"
#include "text/text_file_encoding.h"
#include "text/utf16_text.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

// A name as lookups compare it: blanks around it dropped, letters A to Z folded.
std::string Normal(std::string_view name)
{
    while (!name.empty() && IsBlank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && IsBlank(name.back()))
        name.remove_suffix(1);
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

using TEntry = std::pair<std::string, std::string>;   // section, key

// Sections and keys that appear in the text, roughly as lines of it: enough to probe with.
std::vector<TEntry> EntriesIn(std::string_view text)
{
    std::vector<TEntry> entries;
    std::string section;
    std::size_t pos = 0;
    while (pos < text.size() && entries.size() < 64) {
        std::size_t end = text.find_first_of("\r\n", pos);
        std::string_view line = text.substr(pos, end == std::string_view::npos ? end : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        std::size_t first = line.find_first_not_of(" \t");
        std::size_t close = line.rfind(']');
        if (first != std::string_view::npos && line[first] == '[' && close != std::string_view::npos &&
            close > first) {
            section = line.substr(first + 1, close - first - 1);
            continue;
        }
        std::size_t eq = line.find('=');
        entries.emplace_back(section, std::string(line.substr(0, eq)));
    }
    return entries;
}

const std::string Missing = "\x01missing";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TScratchFolder scratch;
    const std::string file = scratch.File("fuzz.ini");
    TPortableProfile profile(scratch.Folder());

    // Any bytes as a file.
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    PutFile(file, whole);
    for (const TEntry& entry : EntriesIn(whole)) {
        profile.ReadString(file, entry.first, entry.second, "default", SIZE_MAX);
        profile.ReadString(file, entry.first, entry.second, " \"d\" ", 2);
        profile.ReadInt(file, entry.first, entry.second, 7);
    }

    // Writes into a file that starts as the first field ("-" for no file at all). A first byte
    // of 1, 2 or 3 asks for the rest of the field as a file in UTF-16 LE, UTF-16 BE or UTF-8,
    // with its mark (fields cannot hold the NUL bytes of UTF-16).
    TFields fields(data, size);
    std::string start = fields.Next();
    ETextFileEncoding encoding = ETextFileEncoding::Plain;
    if (!start.empty() && start[0] >= 1 && start[0] <= 3) {
        const ETextFileEncoding marked[] = {ETextFileEncoding::Utf16Le, ETextFileEncoding::Utf16Be,
                                            ETextFileEncoding::Utf8Mark};
        encoding = marked[start[0] - 1];
        start.erase(0, 1);
    }
    std::filesystem::remove(file);
    const std::string startBytes = EncodeTextFile(start, encoding);
    if (start != "-" || encoding != ETextFileEncoding::Plain)
        PutFile(file, startBytes);
    encoding = DecodeTextFile(startBytes).Encoding;   // a field may bring its own mark

    std::vector<TEntry> probes = EntriesIn(start);
    std::vector<std::string> before;
    for (const TEntry& probe : probes)
        before.push_back(profile.ReadString(file, probe.first, probe.second, Missing, SIZE_MAX));

    std::map<TEntry, std::pair<TEntry, std::string>> written;   // by normal names: as given, value
    while (!fields.AtEnd() && written.size() < 32) {
        std::string section = fields.Next(), key = fields.Next(), value = fields.Next();
        if (encoding == ETextFileEncoding::Utf16Le || encoding == ETextFileEncoding::Utf16Be) {
            // UTF-16 holds text alone: the program's names and values are always UTF-8.
            for (std::string* text : {&section, &key, &value})
                *text = Utf8FromUtf16(Utf16FromUtf8(*text));
        }
        bool accepted = profile.WriteString(file, section, key, value);
        FuzzCheck(accepted == ProfileEntryIsWritable(section, key, value),
                  "WriteString's answer differs from ProfileEntryIsWritable for [" + Escaped(section) + "] " +
                      Escaped(key) + " = " + Escaped(value));
        if (accepted)
            written[{Normal(section), Normal(key)}] = {{section, key}, value};
    }

    for (const auto& [normal, entry] : written) {
        const auto& [names, value] = entry;
        FuzzCheckEqual(profile.ReadString(file, names.first, names.second, Missing, SIZE_MAX), value,
                       "a written value reads back as written: [" + Escaped(names.first) + "] " +
                           Escaped(names.second));
    }
    const std::string after = GetFile(file);
    if (!written.empty() && after != startBytes) {
        const TTextFileContent content = DecodeTextFile(after);
        FuzzCheck(content.Encoding == encoding, "a file written keeps the encoding it had");
        FuzzCheck(EncodeTextFile(content.Text, content.Encoding) == after, "a file written is in one encoding throughout");
    }
    for (std::size_t i = 0; i < probes.size(); ++i) {
        if (written.count({Normal(probes[i].first), Normal(probes[i].second)}))
            continue;
        FuzzCheckEqual(profile.ReadString(file, probes[i].first, probes[i].second, Missing, SIZE_MAX), before[i],
                       "writing leaves other entries alone: [" + Escaped(probes[i].first) + "] " +
                           Escaped(probes[i].second));
    }
    return 0;
}
