#include "framework/drop_info.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

TDropInfo::~TDropInfo()
{
    if (Drop)
        ::DragFinish(Drop);
}

int TDropInfo::Count() const
{
    return static_cast<int>(::DragQueryFileA(Drop, 0xFFFFFFFF, nullptr, 0));
}

POINT TDropInfo::Point() const
{
    POINT point{};
    ::DragQueryPoint(Drop, &point);
    return point;
}

std::string TDropInfo::Name(int index) const
{
    UINT length = ::DragQueryFileA(Drop, static_cast<UINT>(index), nullptr, 0);
    if (length == 0)
        return {};
    std::string name(length + 1, '\0');
    UINT got = ::DragQueryFileA(Drop, static_cast<UINT>(index), name.data(), length + 1);
    name.resize(got);
    return name;
}

namespace {

std::string Narrow(const wchar_t* text, std::size_t length)
{
    int size = ::WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), narrow.data(), size, nullptr, nullptr);
    return narrow;
}

// The names of a DROPFILES block that ends within size bytes: a list of zero-terminated names
// ended by an empty one. Nothing is read past the block.
template <class Char, class Convert>
void ReadNames(const Char* names, std::size_t room, std::vector<std::string>& out, Convert convert)
{
    std::size_t at = 0;
    while (at < room && names[at]) {
        std::size_t end = at;
        while (end < room && names[end])
            ++end;
        out.push_back(convert(names + at, end - at));
        at = end + 1;
    }
}

} // namespace

std::vector<std::string> TDropInfo::Names() const
{
    std::vector<std::string> names;
    const int count = Count();
    if (count <= 0)
        return names;
    names.reserve(static_cast<std::size_t>(count));

    const SIZE_T size = ::GlobalSize(Drop);
    const auto* block = static_cast<const BYTE*>(::GlobalLock(Drop));
    if (block && size >= sizeof(DROPFILES)) {
        const auto* header = reinterpret_cast<const DROPFILES*>(block);
        if (header->pFiles >= sizeof(DROPFILES) && header->pFiles < size) {
            const BYTE* first = block + header->pFiles;
            const std::size_t bytes = size - header->pFiles;
            if (header->fWide)
                ReadNames(reinterpret_cast<const wchar_t*>(first), bytes / sizeof(wchar_t), names, Narrow);
            else
                ReadNames(reinterpret_cast<const char*>(first), bytes, names,
                          [](const char* text, std::size_t length) { return std::string(text, length); });
        }
    }
    if (block)
        ::GlobalUnlock(Drop);

    // A drop this reader does not understand is asked for name by name.
    if (names.size() != static_cast<std::size_t>(count)) {
        names.clear();
        for (int i = 0; i < count; ++i)
            names.push_back(Name(i));
    }
    return names;
}
