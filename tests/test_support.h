#pragma once
// Shared by the tests: a fresh folder per test and whole-file reads and writes.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class TTempDir {
public:
    TTempDir()
    {
        std::random_device random;
        Path = std::filesystem::temp_directory_path() /
               ("strandel-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(Path);
    }
    ~TTempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    std::string File(const std::string& name) const { return (Path / name).string(); }
    const std::filesystem::path& Folder() const { return Path; }

private:
    std::filesystem::path Path;
};

inline std::string ReadBytes(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& fileName, const std::string& bytes)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out << bytes;
}
