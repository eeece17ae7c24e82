#pragma once
// Windows names as text: the folder part of a name.
#include <string>
#include <string_view>

// The name cut right after its last backslash (kept); a name without one, whole.
constexpr std::string_view FolderPart(std::string_view name)
{
    std::size_t last = name.rfind('\\');
    return last == std::string_view::npos ? name : name.substr(0, last + 1);
}

inline std::string FolderOf(const std::string& name)
{
    return std::string(FolderPart(name));
}
