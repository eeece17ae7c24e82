#include "gen/encoded_output.h"

#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "text/legacy_text.h"
#include "text/utf16_text.h"

namespace {

// How many bytes at the end of text begin a UTF-8 character they do not finish.
std::size_t UnfinishedTail(std::string_view text)
{
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto c = static_cast<unsigned char>(text[size - back]);
        if ((c & 0xC0) == 0x80)
            continue;   // a continuation byte: look further back for the lead
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

void AppendWithLineEnds(std::string& out, std::string_view text, bool crLf)
{
    if (!crLf) {
        out.append(text);
        return;
    }
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
}

} // namespace

TOutputFormat OutputFormatOf(const TSettings& settings)
{
    return OutputFormatOf(settings, SystemLegacyCodePage());
}

TOutputFormat OutputFormatOf(const TSettings& settings, int codePage)
{
    return {settings.OutputEncoding, settings.LineEnds, codePage};
}

TEncodingSink::TEncodingSink(TCrLfFileWriter& file, const TOutputFormat& format) : File(file), Format(format)
{
    if (Format.Encoding == TOutputEncoding::Utf8Bom)
        File.AppendBytes("\xEF\xBB\xBF");
    else if (Format.Encoding == TOutputEncoding::Utf16Le)
        File.AppendBytes("\xFF\xFE");
}

void TEncodingSink::Append(std::string_view text)
{
    if (!Pending.empty()) {
        Pending.append(text);
        std::string joined;
        joined.swap(Pending);
        const std::size_t tail = UnfinishedTail(joined);
        Pending.assign(joined, joined.size() - tail, tail);
        Put(std::string_view(joined).substr(0, joined.size() - tail));
        return;
    }
    const std::size_t tail = UnfinishedTail(text);
    Pending.assign(text.substr(text.size() - tail));
    Put(text.substr(0, text.size() - tail));
}

void TEncodingSink::Finish()
{
    std::string rest;
    rest.swap(Pending);
    Put(rest);
}

void TEncodingSink::Put(std::string_view text)
{
    if (text.empty())
        return;
    const bool crLf = Format.LineEnds == TLineEnds::CrLf;
    Bytes.clear();
    switch (Format.Encoding) {
    case TOutputEncoding::Utf8:
    case TOutputEncoding::Utf8Bom:
        AppendWithLineEnds(Bytes, text, crLf);
        break;
    case TOutputEncoding::Ansi:
        AppendWithLineEnds(Bytes, LegacyFromUtf8(text, Format.CodePage, Lost), crLf);
        break;
    case TOutputEncoding::Utf16Le:
        Units.clear();
        Utf16Detail::AppendUtf16(Units, text);
        Bytes.reserve(Units.size() * 2 + 16);
        for (char16_t unit : Units) {
            if (unit == u'\n' && crLf)
                Bytes.append("\r\0", 2);
            Bytes += static_cast<char>(unit & 0xFF);
            Bytes += static_cast<char>(unit >> 8);
        }
        break;
    }
    File.AppendBytes(Bytes);
}

void WriteOutput(TLineBuilder& builder, TCrLfFileWriter& file, const TOutputFormat& format)
{
    if (format.IsPlain()) {
        builder.BuildOutput(file);
        return;
    }
    TEncodingSink sink(file, format);
    builder.BuildOutput(sink);
    sink.Finish();
}

std::string TextOfOutput(std::string_view bytes, const TOutputFormat& format)
{
    auto markless = [&](std::string_view mark) { return bytes.starts_with(mark) ? bytes.substr(mark.size()) : bytes; };
    switch (format.Encoding) {
    case TOutputEncoding::Utf8Bom:
        return std::string(markless("\xEF\xBB\xBF"));
    case TOutputEncoding::Ansi:
        return format.CodePage == Utf8CodePage ? std::string(bytes) : Utf8FromCodePage(bytes, format.CodePage);
    case TOutputEncoding::Utf16Le: {
        const std::string_view units = markless("\xFF\xFE");
        std::u16string text(units.size() / 2, u'\0');
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char16_t>(static_cast<unsigned char>(units[2 * i]) |
                                            static_cast<unsigned char>(units[2 * i + 1]) << 8);
        return Utf8FromUtf16(text);
    }
    case TOutputEncoding::Utf8:
        break;
    }
    return std::string(bytes);
}

TUnwritable FindUnwritable(const TOutputFormat& format, const TFileList& list, const TSettings& settings,
                           std::string_view header, std::string_view queue)
{
    TUnwritable found;
    if (format.Encoding != TOutputEncoding::Ansi)
        return found;   // UTF-8 and UTF-16 hold every character
    // The names the lines are made of, and through the variables every part of them.
    std::string name;
    for (int i = 0; i < list.Count(); ++i) {
        list.GetText(i, name);
        if (FitsLegacy(name, format.CodePage))
            continue;
        if (found.FirstNames.size() < UnwritableNamesShown)
            found.FirstNames.push_back(name);
        ++found.NameCount;
    }
    for (std::string_view text : {header, queue, std::string_view(settings.MainHead), std::string_view(settings.MainQueue)})
        found.Texts = found.Texts || !FitsLegacy(text, format.CodePage);
    return found;
}
