#pragma once
// Windows names as text: the folder part of a name, and the name without its folder.
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

// The last part of a name, after its last backslash (a folder's name when it ends with none).
inline std::string FileNameOf(const std::string& name)
{
    std::string_view whole(name);
    if (whole.size() > 1 && whole.back() == '\\')
        whole.remove_suffix(1);
    const std::size_t last = whole.rfind('\\');
    return std::string(last == std::string_view::npos ? whole : whole.substr(last + 1));
}
