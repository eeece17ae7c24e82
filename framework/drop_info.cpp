#include "framework/drop_info.h"

#include "text/wide_text.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

TDropInfo::~TDropInfo()
{
    if (Drop && Release == TRelease::Finish)
        ::DragFinish(Drop);
}

int TDropInfo::Count() const
{
    return static_cast<int>(::DragQueryFileW(Drop, 0xFFFFFFFF, nullptr, 0));
}

POINT TDropInfo::Point() const
{
    POINT point{};
    ::DragQueryPoint(Drop, &point);
    return point;
}

std::string TDropInfo::Name(int index) const
{
    UINT length = ::DragQueryFileW(Drop, static_cast<UINT>(index), nullptr, 0);
    if (length == 0)
        return {};
    std::wstring name(length + 1, L'\0');
    UINT got = ::DragQueryFileW(Drop, static_cast<UINT>(index), name.data(), length + 1);
    name.resize(got);
    return Narrow(name);
}

namespace {

// A name of a drop in the system's code page (an older program's drop), in UTF-8.
std::string FromCodePage(const char* text, std::size_t length)
{
    const int size = static_cast<int>(length);
    std::wstring wide(static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, text, size, nullptr, 0)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, size, wide.data(), static_cast<int>(wide.size()));
    return Narrow(wide);
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
                ReadNames(reinterpret_cast<const wchar_t*>(first), bytes / sizeof(wchar_t), names,
                          [](const wchar_t* text, std::size_t length) { return Narrow(std::wstring_view(text, length)); });
            else
                ReadNames(reinterpret_cast<const char*>(first), bytes, names, FromCodePage);
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
