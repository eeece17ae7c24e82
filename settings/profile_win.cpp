#include "settings/profile_win.h"

#include "settings/profile_portable.h"

#include <windows.h>

#include <algorithm>
#include <vector>

std::string TSystemProfile::ReadString(const std::string& file, const std::string& section,
                                       const std::string& key, const std::string& def,
                                       std::size_t size) const
{
    if (size == 0)
        return {};
    // The room asked for may be huge; start small and grow only while the
    // value may have been cut. Two short of full, because the system gives one
    // character less when a quoted value exactly fills the room.
    constexpr std::size_t MaxRoom = 0xFFFFFFFFu;
    std::size_t room = std::min<std::size_t>({size, 4096, MaxRoom});
    for (;;) {
        std::vector<char> buffer(room, '\0');
        DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(),
                                                buffer.data(), static_cast<DWORD>(room),
                                                file.c_str());
        std::size_t limit = std::min(size, MaxRoom);
        if (length + 2 < room || room == limit)
            return std::string(buffer.data(), std::min<std::size_t>(length, room - 1));
        room = std::min(limit, room * 2);
    }
}

int TSystemProfile::ReadInt(const std::string& file, const std::string& section,
                            const std::string& key, int def) const
{
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), def, file.c_str()));
}

bool TSystemProfile::WriteString(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& value)
{
    // The system writes line breaks as they come, and Windows crashes on empty names.
    if (!ProfileEntryIsWritable(section, key, value))
        return false;
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), ProfileStoredValue(value).c_str(),
                                      file.c_str()) != FALSE;
}
