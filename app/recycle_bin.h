#pragma once
// Files moved to the Recycle Bin, or deleted for good only where it cannot take them.
#include <windows.h>

#include <string>

enum class TRecycleResult {
    Gone,     // the file is no longer where it was
    Kept,     // the user said no to deleting it for good
    Failed,   // the system could not delete it
};

// Moves the file to the Recycle Bin without asking first (the caller has asked). Where the
// Recycle Bin cannot take it, the system asks whether to delete it for good.
TRecycleResult MoveToRecycleBin(HWND owner, const std::string& fileName);

// Why the file cannot be deleted, in the system's words (a file held open, no right to it).
std::string WhyNotDeletable(const std::string& fileName);
