#pragma once
// The record a second copy hands its file names over in (WM_COPYDATA), and what a first copy
// reads from it. One name goes as it always has: its bytes and a zero, dwData 0, so that every
// copy of the program understands it. Several go in one record: each name followed by a zero,
// dwData SendToNamesTag; a copy that knows only the one-name record reads up to the first zero
// and so takes the first name, never a mixture of names.
#include <windows.h>

#include <string>
#include <vector>

// "QZNL": a record of several names.
constexpr ULONG_PTR SendToNamesTag = 0x515A4E4C;

class TSendToRecord {
public:
    // names: UTF-8, at least one.
    explicit TSendToRecord(const std::vector<std::string>& names);
    TSendToRecord(const TSendToRecord&) = delete;
    TSendToRecord& operator=(const TSendToRecord&) = delete;

    const COPYDATASTRUCT* Data() const { return &Record; }

private:
    std::string Bytes;
    COPYDATASTRUCT Record{};
};

// The names a record holds, in UTF-8: bytes that are not UTF-8 (an older copy's) are read in
// legacyCodePage. Nothing is read beyond cbData. A one-name record gives its name (empty or
// not); a record of several gives its names that are not empty; no data gives none.
std::vector<std::string> NamesOfRecord(const COPYDATASTRUCT& record, int legacyCodePage);

// The names the command line gives: every argument after the program's own path that is not
// empty, in order.
std::vector<std::string> NamesOfArguments(const std::vector<std::string>& arguments);

// Names to tell the user about, one a line: all of them up to ShownNamesMax, else the first
// ones and how many more there are.
std::string NamesToShow(const std::vector<std::string>& names);
constexpr std::size_t ShownNamesMax = 8;

// The text of the "Copying..." notice: the name, or for several how many arrived and which.
std::string CopyingNoticeText(const std::vector<std::string>& names);
