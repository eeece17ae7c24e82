#include "app/clipboard.h"

#include "framework/gdi.h"
#include "gen/encoded_output.h"
#include "text/native_path.h"
#include "text/wide_text.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {
// Room beyond the text in the blocks handed to the clipboard.
constexpr SIZE_T Spare = 5;
} // namespace

void CopyTextToClipboard(HWND owner, const std::string& text)
{
    // As Unicode text: every program then reads the characters the names hold (the system
    // makes the ANSI text of the reader's own code page from it).
    const std::wstring wide = Wide(text);
    TGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (wide.size() + Spare) * sizeof(wchar_t)));
    if (!block)
        return;
    {
        TGlobalLock lock(block);
        if (!lock.Get())
            return;
        wide.copy(static_cast<wchar_t*>(lock.Get()), wide.size());
    }
    TClipboard clipboard(owner);
    if (!clipboard.IsOpen())
        return;
    ::EmptyClipboard();
    if (::SetClipboardData(CF_UNICODETEXT, block))
        block.Release();   // the clipboard owns it now
}

void CopyFileToClipboard(HWND owner, const std::string& fileName, const TOutputFormat& format)
{
    std::FILE* file = OpenNativeFile(fileName, "rb");
    if (!file)
        return;
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(NativePath(fileName), error);
    if (error)
        size = 0;
    std::string bytes(static_cast<std::size_t>(size) + Spare, '\0');
    std::size_t got = std::fread(bytes.data(), 1, static_cast<std::size_t>(size), file);
    std::fclose(file);
    bytes.resize(got);
    // UTF-16 or ANSI bytes are not the program's text: they are read back in their encoding.
    CopyTextToClipboard(owner, TextOfOutput(bytes, format).c_str());
}
