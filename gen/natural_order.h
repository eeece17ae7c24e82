#pragma once
// Names in the order Explorer shows them (StrCmpLogicalW of Windows Vista and later), written out
// so the same order holds everywhere:
// - a name is read as a row of pieces: a period, a number (a run of the digits 0 to 9) or any other
//   single character; a period comes before a number, a number before any other character;
// - numbers go by their value, however long ("2" before "10");
// - other characters go as Windows' sorting orders them one by one, capitals and small letters
//   alike: marks (' - and the dashes) and blanks, then punctuation and symbols, then letters, the
//   letters with accents right after their plain letter ("e" < "é" < "f"), Latin before Greek before
//   Cyrillic;
// - when two names differ only in the zeros that lead a number, the one with more zeros comes
//   first ("a01" before "a1").
#include <string>
#include <string_view>

// Below zero when a comes first, zero when the two are the same in this order, above zero after.
int CompareNatural(std::u16string_view a, std::u16string_view b);
int CompareNatural(std::string_view a, std::string_view b);

// The same for full names, folder by folder: "C:\a\z.jpg" before "C:\a b\a.jpg".
int CompareNaturalPath(std::u16string_view a, std::u16string_view b);
