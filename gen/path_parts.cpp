#include "gen/path_parts.h"

namespace {

constexpr std::size_t SplitLimit = 260;
constexpr std::size_t PartLimit = 255;

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void AssignPart(std::string& part, std::string_view text)
{
    part.assign(text.substr(0, PartLimit));
}

} // namespace

void SplitPath(std::string_view path, TPathParts& parts)
{
    path = path.substr(0, SplitLimit);
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':')
        start = 2;
    AssignPart(parts.Drive, path.substr(0, start));

    std::size_t lastSeparator = path.find_last_of("\\/");
    std::size_t nameStart = start;
    if (lastSeparator != std::string_view::npos && lastSeparator >= start)
        nameStart = lastSeparator + 1;
    AssignPart(parts.Dir, path.substr(start, nameStart - start));

    std::string_view last = path.substr(nameStart);
    std::size_t dot = last.rfind('.');
    if (dot == std::string_view::npos)
        dot = last.size();
    AssignPart(parts.Name, last.substr(0, dot));
    AssignPart(parts.Ext, last.substr(dot));
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool ContainsNoCase(std::string_view text, std::string_view part)
{
    if (part.size() > text.size())
        return false;
    for (std::size_t i = 0; i + part.size() <= text.size(); ++i)
        if (EqualsNoCase(text.substr(i, part.size()), part))
            return true;
    return false;
}
