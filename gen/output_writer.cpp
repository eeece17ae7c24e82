#include "gen/output_writer.h"

#include <cstring>

namespace {
constexpr std::size_t BufferSize = 1 << 20;
}

std::string WithCrLf(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

TCrLfFileWriter::TCrLfFileWriter()
{
    Buffer.reserve(BufferSize);
}

TCrLfFileWriter::~TCrLfFileWriter() = default;

bool TCrLfFileWriter::Open(const std::string& fileName)
{
    NewFile = std::make_unique<TReplacingFile>(fileName);
    Error = !NewFile->Open();
    Why = NewFile->OpenError();
    Stream = NewFile->Stream();
    Buffer.clear();
    return !Error;
}

void TCrLfFileWriter::Attach(std::FILE* stream)
{
    NewFile.reset();
    Stream = stream;
    Error = stream == nullptr;
}

void TCrLfFileWriter::Append(std::string_view text)
{
    const char* data = text.data();
    std::size_t size = text.size();
    while (size > 0) {
        const char* lf = static_cast<const char*>(std::memchr(data, '\n', size));
        if (!lf) {
            Put(data, size);
            return;
        }
        std::size_t before = static_cast<std::size_t>(lf - data);
        Put(data, before);
        Put("\r\n", 2);
        data = lf + 1;
        size -= before + 1;
    }
}

void TCrLfFileWriter::Put(const char* data, std::size_t size)
{
    if (Buffer.size() + size > BufferSize)
        Drain();
    if (size >= BufferSize) {
        if (Stream && std::fwrite(data, 1, size, Stream) != size)
            Fail();
        return;
    }
    Buffer.append(data, size);
}

void TCrLfFileWriter::Drain()
{
    if (Buffer.empty())
        return;
    if (!Stream || std::fwrite(Buffer.data(), 1, Buffer.size(), Stream) != Buffer.size())
        Fail();
    Buffer.clear();
}

void TCrLfFileWriter::Fail()
{
    if (!Error)
        Why = LastSystemError();
    Error = true;
}

bool TCrLfFileWriter::Flush()
{
    Drain();
    if (Stream && std::fflush(Stream) != 0)
        Fail();
    return !Error;
}

TWriteResult TCrLfFileWriter::Close()
{
    Flush();
    Stream = nullptr;
    if (!NewFile)
        return Error ? TWriteResult(TWriteResult::Failed, Why) : TWriteResult::Written;
    const TWriteResult result = Error ? TWriteResult(TWriteResult::Failed, Why) : NewFile->Commit();
    NewFile.reset();   // a new file not committed goes with it
    Error = !result;
    return result;
}
