#include "gen/path_parts.h"

TPathParts SplitPath(std::string_view path)
{
    // The whole name, however long: a part is never cut, so never inside a character either.
    TPathParts parts;
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':')
        start = 2;
    parts.Drive = path.substr(0, start);

    std::size_t nameStart = path.size();
    while (nameStart > start && path[nameStart - 1] != '\\' && path[nameStart - 1] != '/')
        --nameStart;
    parts.Dir = path.substr(start, nameStart - start);

    std::string_view last = path.substr(nameStart);
    std::size_t dot = last.rfind('.');
    if (dot == std::string_view::npos)
        dot = last.size();
    parts.Name = last.substr(0, dot);
    parts.Ext = last.substr(dot);
    return parts;
}
