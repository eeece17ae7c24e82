#include "text/native_path.h"

std::filesystem::path NativePath(const std::string& name)
{
    return std::filesystem::path(name);
}
