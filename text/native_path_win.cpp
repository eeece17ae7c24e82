#include "text/native_path.h"

#include <windows.h>

std::filesystem::path NativePath(const std::string& name)
{
    // As the ANSI functions read names; the standard library would read them otherwise.
    const int size = static_cast<int>(name.size());
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, name.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0)
        ::MultiByteToWideChar(CP_ACP, 0, name.data(), size, text.data(), wide);
    return std::filesystem::path(text);
}

std::string NameOfPath(const std::filesystem::path& path)
{
    const std::wstring& wide = path.native();
    const int size = static_cast<int>(wide.size());
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string name(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, name.data(), bytes, nullptr, nullptr);
    return name;
}
