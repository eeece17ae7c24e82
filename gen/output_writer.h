#pragma once
// Where generated text goes. Generated text breaks lines with LF alone; files and
// the clipboard get CR LF, as a text-mode file on Windows stores them.
#include "text/replace_file.h"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

class TOutputSink {
public:
    virtual ~TOutputSink() = default;
    virtual void Append(std::string_view text) = 0;
};

class TStringSink : public TOutputSink {
public:
    void Append(std::string_view text) override { Text.append(text); }
    std::string Text;
};

// Every LF becomes CR LF.
std::string WithCrLf(std::string_view text);

// Writes to a file or stream through a large buffer, storing every LF as CR LF.
// Errors are remembered, not thrown: Close (or Flush for a borrowed stream) reports them.
// A named file is replaced whole: the text goes to a new file beside it, which takes its place
// at Close; until then, and when anything fails, the old file is as it was.
class TCrLfFileWriter : public TOutputSink {
public:
    TCrLfFileWriter();
    ~TCrLfFileWriter() override;
    TCrLfFileWriter(const TCrLfFileWriter&) = delete;
    TCrLfFileWriter& operator=(const TCrLfFileWriter&) = delete;

    // Starts the file's new content; false when it cannot be written (no such folder, no right).
    bool Open(const std::string& fileName);
    // Writes to a stream the caller owns (standard output).
    void Attach(std::FILE* stream);

    void Append(std::string_view text) override;
    // Bytes stored as they are, line breaks and all (an encoding layer has made them).
    void AppendBytes(std::string_view bytes) { Put(bytes.data(), bytes.size()); }
    bool Flush();
    // Finishes an opened file and puts it in place of the old one; false (the old file kept)
    // when anything could not be written or the old file cannot be replaced. A writer
    // destroyed without Close leaves the old file as it was.
    TWriteResult Close();
    bool Failed() const { return Error; }
    // The system's code of the first failure (why Open failed, or a write); 0 when none is known.
    unsigned long SystemError() const { return Why; }

private:
    void Put(const char* data, std::size_t size);
    void Drain();
    void Fail();

    std::FILE* Stream = nullptr;
    std::unique_ptr<TReplacingFile> NewFile;   // an opened file's new content
    bool Error = false;
    unsigned long Why = 0;
    std::string Buffer;
};
