#include "gen/path_parts.h"

namespace {

constexpr std::size_t SplitLimit = 260;
constexpr std::size_t PartLimit = 255;

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view Part(std::string_view text)
{
    return text.substr(0, PartLimit);
}

} // namespace

TPathParts SplitPath(std::string_view path)
{
    TPathParts parts;
    path = path.substr(0, SplitLimit);
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':')
        start = 2;
    parts.Drive = Part(path.substr(0, start));

    std::size_t nameStart = path.size();
    while (nameStart > start && path[nameStart - 1] != '\\' && path[nameStart - 1] != '/')
        --nameStart;
    parts.Dir = Part(path.substr(start, nameStart - start));

    std::string_view last = path.substr(nameStart);
    std::size_t dot = last.rfind('.');
    if (dot == std::string_view::npos)
        dot = last.size();
    parts.Name = Part(last.substr(0, dot));
    parts.Ext = Part(last.substr(dot));
    return parts;
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
    for (std::size_t i = 0; i + part.size() <= text.size(); ++i)
        if (EqualsNoCase(text.substr(i, part.size()), part))
            return true;
    return false;
}
