#pragma once
// A file name split into drive, folder, name and extension.
#include "text/ascii_text.h"

#include <string_view>

// Views into the name that was split: valid while it lives and is unchanged.
struct TPathParts {
    std::string_view Drive;   // "C:"; empty without a drive letter (and for \\server\share names)
    std::string_view Dir;     // "\Web\img\": through the last backslash or slash
    std::string_view Name;    // "cat"
    std::string_view Ext;     // ".gif": from the last dot of the last component
};

// Splits the whole name, however long (names of up to 32,767 characters reach the list); no
// part is cut. A slash divides folders as a backslash does.
TPathParts SplitPath(std::string_view path);
