#include "gen/file_details.h"

#include "text/wide_text.h"

#include <windows.h>

TFileDetails ReadFileDetails(const std::string& name)
{
    TFileDetails details;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(Wide(name).c_str(), GetFileExInfoStandard, &data))
        return details;
    details.Found = true;
    details.Folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!details.Folder)
        details.Size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    details.ModifiedTicks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime);
    SYSTEMTIME utc, local;
    if (::FileTimeToSystemTime(&data.ftLastWriteTime, &utc) &&
        ::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        details.Modified = {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
    return details;
}
