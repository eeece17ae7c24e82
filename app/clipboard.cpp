#include "app/clipboard.h"

#include "framework/gdi.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {
// Room beyond the text in the blocks handed to the clipboard.
constexpr SIZE_T Spare = 5;
} // namespace

void CopyTextToClipboard(HWND owner, const std::string& text)
{
    TGlobalMemory block(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + Spare);
    if (!block)
        return;
    {
        TGlobalLock lock(block);
        if (!lock.Get())
            return;
        std::memcpy(lock.Get(), text.c_str(), text.size() + 1);
    }
    TClipboard clipboard(owner);
    if (!clipboard.IsOpen())
        return;
    ::EmptyClipboard();
    if (::SetClipboardData(CF_TEXT, block))
        block.Release();   // the clipboard owns it now

}

void CopyFileToClipboard(HWND owner, const std::string& fileName)
{
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file)
        return;
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(fileName, error);
    if (error)
        size = 0;
    std::string bytes(static_cast<std::size_t>(size) + Spare, '\0');
    std::size_t got = std::fread(bytes.data(), 1, static_cast<std::size_t>(size), file);
    std::fclose(file);
    bytes.resize(got);
    CopyTextToClipboard(owner, bytes.c_str());
}

std::string ReadClipboardText(HWND owner)
{
    TClipboard clipboard(owner);
    if (!clipboard.IsOpen())
        return {};
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (!data)
        return {};
    TGlobalLock lock(data);
    const char* text = static_cast<const char*>(lock.Get());
    return text ? std::string(text, strnlen(text, ::GlobalSize(data))) : std::string();
}
