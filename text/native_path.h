#pragma once
// A name as the program holds it (UTF-8) as a path the standard library and the C library open
// the same file with: on Windows through the wide (UTF-16) names, whatever the code page.
#include <cstdio>
#include <filesystem>
#include <string>

std::filesystem::path NativePath(const std::string& name);

// The other way: a path as the program holds names.
std::string NameOfPath(const std::filesystem::path& path);

// std::fopen for a UTF-8 name (mode as fopen's: "rb", "wb"...).
std::FILE* OpenNativeFile(const std::string& name, const char* mode);
