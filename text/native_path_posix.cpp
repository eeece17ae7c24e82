#include "text/native_path.h"

std::filesystem::path NativePath(const std::string& name)
{
    return std::filesystem::path(name);
}

std::string NameOfPath(const std::filesystem::path& path)
{
    return path.string();
}

std::FILE* OpenNativeFile(const std::string& name, const char* mode)
{
    return std::fopen(name.c_str(), mode);
}
