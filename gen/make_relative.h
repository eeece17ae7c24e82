#pragma once
#include <string>

// Rewrites path (a full file name) into a path relative to the folder base, climbing
// with "..\" where the file lies outside it; a file on another drive or share, or
// with no drive at all, keeps its full name.
void MakeRelative(std::string& path, const std::string& base);
