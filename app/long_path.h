#pragma once
#include <string>

// The path with every component as the file system names it (long names for 8.3 ones).
// A component the file system cannot find, or that holds a wildcard, is kept as it is.
std::string LongPathName(const std::string& path);
