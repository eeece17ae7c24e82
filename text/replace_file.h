#pragma once
// Files the program writes over are replaced whole: the new content goes to a new file in the
// same folder, which then takes the old file's place in one step, keeping its attributes. Until
// that step the old file is as it was; a write that fails, or a program killed while it writes,
// never leaves a file that is neither the old one nor the new one.
//
// The new file is named after the old one, "<name>.strandel-<process id>-<n>.tmp". One left
// by a writer that was killed is removed the next time the same file is written. A device or a
// pipe is written as it is, and a link stays a link to the file that is replaced.
#include <cstdio>
#include <string>
#include <string_view>

// What became of a file written over.
class TWriteResult {
public:
    enum EKind {
        Written,
        Failed,   // not written (no room, no right, no such folder...): the old file is as it was
        InUse,    // another program holds the old file open without sharing: it was kept
    };

    TWriteResult(EKind kind = Written, unsigned long systemError = 0) : Kind(kind), Error(systemError) {}

    explicit operator bool() const { return Kind == Written; }
    bool IsInUse() const { return Kind == InUse; }
    EKind What() const { return Kind; }
    // The system's code of what went wrong (GetLastError's, errno's); 0 when none is known.
    unsigned long SystemError() const { return Error; }

    // The worse of two results (a file in use says the most about what went wrong).
    friend TWriteResult operator&(TWriteResult a, TWriteResult b) { return a.Kind > b.Kind ? a : b; }
    friend bool operator==(TWriteResult a, TWriteResult b) { return a.Kind == b.Kind; }

private:
    EKind Kind;
    unsigned long Error;
};

// The system's code of the last failure of this thread (GetLastError, errno).
unsigned long LastSystemError();

// A new file that replaces the target when committed. Destroyed without a commit, it goes and
// leaves the target as it was.
class TReplacingFile {
public:
    explicit TReplacingFile(std::string target);
    ~TReplacingFile();
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;

    // Makes the new file beside the target, after removing those killed writers left; false
    // when it cannot be made (no such folder, no right to make files there).
    bool Open();
    std::FILE* Stream() const { return File; }

    // Writes the new file through to the disk, closes it and puts it in the target's place.
    // When that fails, the new file goes and the target is as it was.
    TWriteResult Commit();
    // Closes the new file and removes it.
    void Abandon();

    const std::string& Target() const { return TargetName; }
    const std::string& TemporaryName() const { return Temporary; }
    // Why Open failed: the system's code, 0 when none is known.
    unsigned long OpenError() const { return Why; }

private:
    std::string TargetName;
    std::string Temporary;
    std::FILE* File = nullptr;
    bool InPlace = false;   // a device or a pipe, written as it is
    unsigned long Why = 0;
};

// The bytes as the whole new content of the file.
TWriteResult ReplaceFileWith(const std::string& target, std::string_view bytes);

// Removes the temporary files of the target that writers killed before they finished left in
// its folder (those of writers still running stay).
void RemoveStaleTemporaries(const std::string& target);

// Whether the name is one this facility gives the new files of some target.
bool IsTemporaryName(std::string_view fileName);
