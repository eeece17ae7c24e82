#pragma once
// A file name split into drive, folder, name and extension.
#include <string>
#include <string_view>

struct TPathParts {
    std::string Drive;   // "C:"; empty without a drive letter (and for \\server\share names)
    std::string Dir;     // "\Web\img\": through the last backslash or slash
    std::string Name;    // "cat"
    std::string Ext;     // ".gif": from the last dot of the last component
};

// Looks at no more than the first 260 characters and keeps at most 255 of each part.
void SplitPath(std::string_view path, TPathParts& parts);

// Case-insensitive for the letters A to Z only.
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool ContainsNoCase(std::string_view text, std::string_view part);
