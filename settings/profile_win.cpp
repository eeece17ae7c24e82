#include "settings/profile_win.h"

#include "settings/profile_portable.h"
#include "text/wide_text.h"

#include <windows.h>

#include <algorithm>
#include <vector>

std::string TSystemProfile::ReadString(const std::string& file, const std::string& section,
                                       const std::string& key, const std::string& def,
                                       std::size_t size) const
{
    if (size == 0)
        return {};
    const std::wstring wideFile = Wide(file), wideSection = Wide(section), wideKey = Wide(key), wideDef = Wide(def);
    // The room asked for may be huge; start small and grow only while the
    // value may have been cut. Two short of full, because the system gives one
    // character less when a quoted value exactly fills the room.
    constexpr std::size_t MaxRoom = 0xFFFFFFFFu;
    const std::size_t limit = std::min(size, MaxRoom);
    std::size_t room = std::min<std::size_t>(limit, 4096);
    for (;;) {
        std::vector<wchar_t> buffer(room, L'\0');
        DWORD length = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDef.c_str(), buffer.data(),
                                                static_cast<DWORD>(room), wideFile.c_str());
        if (length + 2 < room || room == limit) {
            std::wstring_view value(buffer.data(), std::min<std::size_t>(length, room - 1));
            // The system cuts between the two halves of a pair; the program never cuts inside a character.
            if (room == limit && !value.empty() && (value.back() & 0xFC00) == 0xD800)
                value.remove_suffix(1);
            return Narrow(value);
        }
        room = std::min(limit, room * 2);
    }
}

int TSystemProfile::ReadInt(const std::string& file, const std::string& section,
                            const std::string& key, int def) const
{
    return static_cast<int>(GetPrivateProfileIntW(Wide(section).c_str(), Wide(key).c_str(), def, Wide(file).c_str()));
}

bool TSystemProfile::WriteString(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& value)
{
    // The system writes line breaks as they come, and Windows crashes on empty names.
    if (!ProfileEntryIsWritable(section, key, value))
        return false;
    return WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(),
                                      Wide(ProfileStoredValue(value)).c_str(), Wide(file).c_str()) != FALSE;
}
