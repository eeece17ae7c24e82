#pragma once
// The profile functions the program itself uses on this platform: the system's under
// Windows (and Wine), the portable ones elsewhere.
#include <memory>
#include <string>

#ifdef _WIN32
#include "settings/profile_win.h"
inline std::unique_ptr<TProfile> MakePlatformProfile(const std::string&)
{
    return std::make_unique<TSystemProfile>();
}
#else
#include "settings/profile_portable.h"
inline std::unique_ptr<TProfile> MakePlatformProfile(const std::string& bareNameFolder)
{
    return std::make_unique<TPortableProfile>(bareNameFolder);
}
#endif
