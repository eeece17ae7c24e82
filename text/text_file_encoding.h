#pragma once
// The encodings Windows editors save text files in, told apart by the byte-order mark: UTF-16
// (Notepad's "Unicode", little-endian, or big-endian), UTF-8 with a mark (Notepad's "UTF-8"
// before 2019) and, without a mark, UTF-8 or the legacy code page, which the program tells
// apart value by value. A file read in its encoding is written back in it.
#include <string>
#include <string_view>

enum class ETextFileEncoding {
    Plain,        // no mark: UTF-8, or bytes of the legacy code page
    Utf8Mark,     // EF BB BF, then UTF-8
    Utf16Le,      // FF FE, then UTF-16 little-endian
    Utf16Be,      // FE FF, then UTF-16 big-endian
};

struct TTextFileContent {
    std::string Text;   // UTF-8 (Plain: the bytes as they are), without the mark
    ETextFileEncoding Encoding = ETextFileEncoding::Plain;
};

// A file's bytes as text. In UTF-16 a unit without its partner becomes U+FFFD, and an odd last
// byte a unit of its own, as the system's profile functions read it.
TTextFileContent DecodeTextFile(std::string_view bytes);

// The text as a file's bytes in the encoding, mark first.
std::string EncodeTextFile(std::string_view text, ETextFileEncoding encoding);
