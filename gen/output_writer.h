#pragma once
// Where generated text goes. Generated text breaks lines with LF alone; files and
// the clipboard get CR LF, as a text-mode file on Windows stores them.
#include <cstdio>
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
class TCrLfFileWriter : public TOutputSink {
public:
    TCrLfFileWriter();
    ~TCrLfFileWriter() override;
    TCrLfFileWriter(const TCrLfFileWriter&) = delete;
    TCrLfFileWriter& operator=(const TCrLfFileWriter&) = delete;

    // Creates or empties the file; false when it cannot be opened for writing.
    bool Open(const std::string& fileName);
    // Writes to a stream the caller owns (standard output).
    void Attach(std::FILE* stream);

    void Append(std::string_view text) override;
    // Bytes stored as they are, line breaks and all (an encoding layer has made them).
    void AppendBytes(std::string_view bytes) { Put(bytes.data(), bytes.size()); }
    bool Flush();
    // Flushes and closes an opened file; false when anything could not be written.
    bool Close();
    bool Failed() const { return Error; }

private:
    void Put(const char* data, std::size_t size);
    void Drain();

    std::FILE* Stream = nullptr;
    bool OwnsStream = false;
    bool Error = false;
    std::string Buffer;
};
