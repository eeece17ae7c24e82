#pragma once
// A name as the program holds it (bytes in the code page of the system's ANSI functions: UTF-8
// for the program) as a path the standard library opens the same file with.
#include <filesystem>
#include <string>

std::filesystem::path NativePath(const std::string& name);

// The other way: a path as the program holds names.
std::string NameOfPath(const std::filesystem::path& path);
