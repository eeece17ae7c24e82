#include "text/native_path.h"

#include "text/wide_text.h"

std::filesystem::path NativePath(const std::string& name)
{
    return std::filesystem::path(Wide(name));
}

std::string NameOfPath(const std::filesystem::path& path)
{
    return Narrow(path.native());
}

std::FILE* OpenNativeFile(const std::string& name, const char* mode)
{
    return ::_wfopen(Wide(name).c_str(), Wide(mode).c_str());
}
