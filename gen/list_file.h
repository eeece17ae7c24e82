#pragma once
// List files (*.lst): one entry per line, as the program's Open list and Save list use them.
#include "text/replace_file.h"

#include <atomic>
#include <cstdio>
#include <string>

class TFileList;

// Appends every line of the stream to the list. CR LF and LF both end a line; a line
// longer than 1999 UTF-16 units gives one entry per piece of at most 1999, each ending on a
// character boundary; a line break after the last line adds no entry. False when reading failed
// or was stopped by the cancel flag (checked between pieces).
bool ReadListStream(std::FILE* stream, TFileList& list, int legacyCodePage = 0,
                    const std::atomic<bool>* cancel = nullptr);

// As above from a named file; false (and the list unchanged) when it cannot be opened. With a
// legacy code page, a line that is not UTF-8 is read in that code page (list files saved
// before the names were UTF-8).
bool ReadListFile(const std::string& fileName, TFileList& list, int legacyCodePage = 0,
                  const std::atomic<bool>* cancel = nullptr);

// Writes the entries with CR LF between them and none after the last, replacing the file whole;
// false (the old file kept) when it cannot be written or replaced.
TWriteResult WriteListFile(const std::string& fileName, const TFileList& list);
