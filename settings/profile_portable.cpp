#include "settings/profile_portable.h"

#include "text/ascii_text.h"
#include "text/native_path.h"
#include "text/text_file_encoding.h"
#include "text/utf16_text.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The system also drops vertical tabs, form feeds, stray CRs and ^Z (DOS end
// of file) around names and values, not only spaces and tabs.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view TrimLeft(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s)
{
    s = TrimLeft(s);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

struct TLine {
    enum EKind { Blank, Header, Entry };
    std::size_t Begin = 0;
    std::size_t ContentEnd = 0;  // before the line break
    std::size_t End = 0;         // after the line break
    EKind Kind = Blank;
    std::string_view Name;       // section or key, blanks dropped
    bool HasValue = false;
    std::string_view Value;      // blanks dropped
    std::size_t ValueBegin = 0;  // where a new value goes (entries with '=')
    std::size_t NameEnd = 0;     // end of the name (entries without '=')
};

// Lines end with CR LF, LF or a lone CR, as the system accepts all three.
std::vector<TLine> SplitLines(std::string_view text)
{
    std::vector<TLine> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        TLine line;
        line.Begin = pos;
        std::size_t stop = text.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) {
            line.ContentEnd = line.End = text.size();
        } else {
            line.ContentEnd = stop;
            line.End = stop + 1;
            if (text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n')
                ++line.End;
        }
        pos = line.End;

        std::string_view content = text.substr(line.Begin, line.ContentEnd - line.Begin);
        std::string_view body = Trim(content);
        if (body.empty()) {
            lines.push_back(line);
            continue;
        }
        std::size_t bodyBegin = line.Begin + static_cast<std::size_t>(body.data() - content.data());
        std::size_t close = body.rfind(']');
        if (body.front() == '[' && close != std::string_view::npos) {
            // Text after the last ']' is ignored; an unclosed '[' is an ordinary line.
            line.Kind = TLine::Header;
            line.Name = Trim(body.substr(1, close - 1));
        } else {
            line.Kind = TLine::Entry;
            std::size_t eq = body.find('=');
            if (eq == std::string_view::npos) {
                line.Name = body;
                line.NameEnd = bodyBegin + body.size();
            } else {
                line.Name = Trim(body.substr(0, eq));
                line.HasValue = true;
                std::string_view after = body.substr(eq + 1);
                line.Value = Trim(after);
                line.ValueBegin = line.Value.empty()
                    ? bodyBegin + eq + 1
                    : line.Begin + static_cast<std::size_t>(line.Value.data() - content.data());
            }
        }
        lines.push_back(line);
    }
    return lines;
}

constexpr std::size_t NotFound = static_cast<std::size_t>(-1);

// Only the first section of a name counts; lines before the first header
// belong to no section at all.
std::size_t FindSection(const std::vector<TLine>& lines, std::string_view name)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].Kind == TLine::Header && EqualsNoCase(lines[i].Name, name))
            return i;
    return NotFound;
}

std::size_t SectionEnd(const std::vector<TLine>& lines, std::size_t header)
{
    std::size_t i = header + 1;
    while (i < lines.size() && lines[i].Kind != TLine::Header)
        ++i;
    return i;
}

std::size_t FindKey(const std::vector<TLine>& lines, std::size_t header, std::string_view key)
{
    std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (lines[i].Kind == TLine::Entry && EqualsNoCase(lines[i].Name, key))
            return i;
    return NotFound;
}

// The file's text in UTF-8 (or its own bytes) and the encoding it is written back in. False
// when the path names something that exists but cannot be read as a file.
bool LoadFile(const fs::path& path, TTextFileContent& content, bool& exists)
{
    content = {};
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    exists = fs::exists(status);
    if (!exists)
        return true;
    if (fs::is_directory(status))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    content = DecodeTextFile(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    return !in.bad();
}

// Gives the key its value in the text the way the system does; false when the text already had it.
bool SetValue(std::string& text, const std::string& section, const std::string& key, const std::string& value)
{
    // As the system stores names: leading blanks dropped, trailing ones kept.
    std::string_view sectionOut = TrimLeft(section);
    std::string_view keyOut = TrimLeft(key);
    const std::string stored = ProfileStoredValue(value);
    std::string_view valueOut = stored;
    std::string entry = std::string(keyOut) + '=' + std::string(valueOut) + "\r\n";

    std::vector<TLine> lines = SplitLines(text);
    std::size_t header = FindSection(lines, Trim(section));
    if (header == NotFound) {
        std::string added;
        if (!text.empty() && text.back() != '\n' && text.back() != '\r')
            added = "\r\n";
        added += '[' + std::string(sectionOut) + "]\r\n" + entry;
        text += added;
    } else if (std::size_t at = FindKey(lines, header, Trim(key)); at != NotFound) {
        const TLine& line = lines[at];
        if (line.HasValue && line.Value == valueOut)
            return false;
        // Everything before the old value stays as it was, the line break too.
        std::size_t from = line.HasValue ? line.ValueBegin : line.NameEnd;
        std::string replacement = line.HasValue ? std::string(valueOut) : '=' + std::string(valueOut);
        text.replace(from, line.ContentEnd - from, replacement);
    } else {
        // After the section's last non-blank line, so blank lines that set it
        // apart from the next section stay after it.
        std::size_t last = header;
        for (std::size_t i = header + 1, end = SectionEnd(lines, header); i < end; ++i)
            if (lines[i].Kind != TLine::Blank)
                last = i;
        std::string added;
        if (lines[last].End == lines[last].ContentEnd)
            added = "\r\n";
        added += entry;
        text.insert(lines[last].End, added);
    }
    return true;
}

std::string_view LookUp(const std::vector<TLine>& lines, std::string_view section,
                        std::string_view key, bool& found)
{
    found = false;
    std::size_t header = FindSection(lines, Trim(section));
    if (header == NotFound)
        return {};
    std::size_t at = FindKey(lines, header, Trim(key));
    // A line without '=' names a key but gives it no value.
    if (at == NotFound || !lines[at].HasValue)
        return {};
    found = true;
    return lines[at].Value;
}

// The system's integer reading: leading blanks and control characters, one
// sign, a lower-case "0x", "0o" or "0b" prefix, then digits up to the first
// other character, wrapping at 32 bits.
int ParseProfileInt(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i + 1 < s.size() && s[i] == '0') {
        switch (s[i + 1]) {
        case 'x': base = 16; i += 2; break;
        case 'o': base = 8; i += 2; break;
        case 'b': base = 2; i += 2; break;
        default: break;
        }
    }
    std::uint32_t value = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'z')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'Z')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            break;
        if (digit >= base)
            break;
        value = value * base + digit;
    }
    return static_cast<int>(negative ? 0u - value : value);
}

}  // namespace

bool ProfileEntryIsWritable(const std::string& section, const std::string& key,
                            const std::string& value)
{
    auto breaksLine = [](const std::string& s) {
        return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
    };
    if (breaksLine(section) || breaksLine(key) || breaksLine(value))
        return false;
    std::string_view name = Trim(key);
    return !Trim(section).empty() && !name.empty() && name.front() != '['
        && name.find('=') == std::string_view::npos;
}

std::string ProfileStoredValue(const std::string& value)
{
    bool blankEnd = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front();
    return blankEnd || quoted ? '"' + value + '"' : value;
}

TPortableProfile::TPortableProfile(std::string bareNameFolder)
    : BareNameFolder(std::move(bareNameFolder))
{
}

std::string TPortableProfile::PathOf(const std::string& file) const
{
    bool hasDrive = file.size() >= 2 && file[1] == ':'
        && ((file[0] >= 'A' && file[0] <= 'Z') || (file[0] >= 'a' && file[0] <= 'z'));
    if (hasDrive || file.find_first_of("\\/") != std::string::npos || BareNameFolder.empty())
        return file;
    char last = BareNameFolder.back();
    return (last == '/' || last == '\\') ? BareNameFolder + file : BareNameFolder + '/' + file;
}

std::string TPortableProfile::ReadString(const std::string& file, const std::string& section,
                                         const std::string& key, const std::string& def,
                                         std::size_t size) const
{
    TTextFileContent content;
    bool exists = false;
    bool found = false;
    std::string_view value;
    std::vector<TLine> lines;
    if (LoadFile(NativePath(PathOf(file)), content, exists)) {
        lines = SplitLines(content.Text);
        value = LookUp(lines, section, key, found);
    }
    if (!found) {
        // Only spaces: a default ending in a tab keeps it, as with the system.
        value = def;
        while (!value.empty() && value.back() == ' ')
            value.remove_suffix(1);
    }
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (size == 0)
        return {};
    return std::string(CutToUtf16Units(value, size - 1));
}

int TPortableProfile::ReadInt(const std::string& file, const std::string& section,
                              const std::string& key, int def) const
{
    // The system reads the value into a 30-character room before parsing it.
    std::string value = ReadString(file, section, key, "", 30);
    return value.empty() ? def : ParseProfileInt(value);
}

bool TPortableProfile::WriteString(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& value)
{
    return static_cast<bool>(WriteStrings(file, section, {{key, value}}));
}

TWriteResult TPortableProfile::WriteStrings(const std::string& file, const std::string& section,
                                            const std::vector<TProfileEntry>& entries)
{
    const std::string name = PathOf(file);
    TTextFileContent content;
    bool exists = false;
    if (!LoadFile(NativePath(name), content, exists))
        return TWriteResult::Failed;
    TWriteResult result = TWriteResult::Written;
    bool changed = false;
    for (const TProfileEntry& entry : entries) {
        if (ProfileEntryIsWritable(section, entry.Key, entry.Value))
            changed = SetValue(content.Text, section, entry.Key, entry.Value) || changed;
        else
            result = result & TWriteResult::Failed;
    }
    // Read once, written once: the file is found with all of the new values or none of them.
    if (changed)
        result = result & ReplaceFileWith(name, EncodeTextFile(content.Text, content.Encoding));
    return result;
}
