#include "gen/path_parts.h"

namespace {

constexpr std::size_t SplitLimit = 260;
constexpr std::size_t PartLimit = 255;

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
