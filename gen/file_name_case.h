#pragma once
// Names compared as Windows compares file names: unit by unit in UTF-16, each letter taken in its
// capital form (no accents dropped, no letters joined or split), so "Ölbild.JPG" and "ölbild.jpg"
// name the same file and "Olbild.jpg" another. As in Windows, the dotless i, the long s, the final
// sigma and the title-case letters (Dž) keep their own form.
#include <string>
#include <string_view>

// The capital form of one UTF-16 unit; the unit itself when it has none.
char16_t FileNameUpper(char16_t unit);

// The name in UTF-16 with every unit in its capital form: equal keys, the same file name.
std::u16string FileNameKey(std::string_view utf8);

bool SameFileName(std::string_view a, std::string_view b);
