#pragma once
// Shared by the fuzz targets: the input cut into fields, checks that stop the run
// with both sides shown, and a scratch folder for targets that need real files.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>

// The input as fields separated by NUL bytes; past the last one every field is empty.
class TFields {
public:
    TFields(const std::uint8_t* data, std::size_t size)
        : Rest(reinterpret_cast<const char*>(data), size)
    {
    }

    std::string Next()
    {
        std::size_t end = Rest.find('\0');
        std::string field(Rest.substr(0, end));
        Rest = end == std::string_view::npos ? std::string_view() : Rest.substr(end + 1);
        Exhausted = Exhausted || end == std::string_view::npos;
        return field;
    }

    // True once the last field has been taken.
    bool AtEnd() const { return Exhausted; }

private:
    std::string_view Rest;
    bool Exhausted = false;
};

// Bytes shown with C escapes, so a report can be pasted into a test.
inline std::string Escaped(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x\"\"", c);
            out += hex;
        }
    }
    return out + "\"";
}

// A broken rule is a crash to libFuzzer: it keeps the input and stops.
[[noreturn]] inline void FuzzFail(const std::string& what)
{
    std::fprintf(stderr, "\n*** %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void FuzzCheck(bool holds, const std::string& what)
{
    if (!holds)
        FuzzFail(what);
}

inline void FuzzCheckEqual(std::string_view got, std::string_view expected, const std::string& what)
{
    if (got != expected)
        FuzzFail(what + "\n    got      " + Escaped(got) + "\n    expected " + Escaped(expected));
}

// A folder of this process's own, removed when the run ends normally.
class TScratchFolder {
public:
    TScratchFolder()
        : Path(std::filesystem::temp_directory_path() / ("strandel-fuzz-" + std::to_string(getpid())))
    {
        std::filesystem::create_directories(Path);
    }
    ~TScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    std::string Folder() const { return Path.string(); }
    std::string File(const std::string& name) const { return (Path / name).string(); }

private:
    std::filesystem::path Path;
};

inline std::string GetFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void PutFile(const std::string& fileName, std::string_view bytes)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
