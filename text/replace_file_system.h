#pragma once
// What replacing a file needs of the system: replace_file_win.cpp and replace_file_posix.cpp.
#include "text/replace_file.h"

#include <cstdio>
#include <string>

namespace ReplaceFileSystem {

unsigned long CurrentProcessId();
bool ProcessIsRunning(unsigned long id);

// A new file of that name open for writing; null when the name is taken or it cannot be made.
std::FILE* CreateNewFile(const std::string& name);

// Flushes the stream, writes the file through to the disk and closes it; false when anything
// could not be written.
bool CloseToDisk(std::FILE* file);

// Puts the closed new file in the target's place in one step, keeping the target's attributes
// (and, on Windows, its creation time); a target that does not exist yet is simply the new
// file's new name.
TWriteResult PutInPlace(const std::string& temporary, const std::string& target);

} // namespace ReplaceFileSystem
