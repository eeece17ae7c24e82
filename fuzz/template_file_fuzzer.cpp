// The template reader: any bytes as a template file give no crash, and what was read,
// saved as a template and opened again, comes back the same. Texts whose stored form
// could not be written (a lone CR or LF, a NUL) or would not read back (the text spells
// the line-break marker) are left out of that comparison.
#include "fuzz_support.h"
#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "settings/template_file.h"

#include <cstdint>
#include <string>

namespace {

struct TOpened {
    TSettings Settings = FirstStartSettings();
    std::string Header, Queue;
};

TOpened Open(const TProfile& profile, const std::string& file)
{
    TOpened opened;
    ReadTemplateFile(opened.Settings, profile, file, opened.Header, opened.Queue);
    return opened;
}

bool Storable(const std::string& text)
{
    const std::string stored = EncodeValue(text);
    return ProfileEntryIsWritable("Strandel", "Header", stored) && stored.size() < EncodedRoom &&
           DecodeValue(stored) == text;
}

void CheckText(const std::string& again, const std::string& first, const char* what)
{
    if (Storable(first))
        FuzzCheckEqual(again, first, std::string(what) + " comes back from a saved template");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TScratchFolder scratch;
    TPortableProfile profile(scratch.Folder());
    const std::string file = scratch.File("fuzz.hqd");
    const std::string saved = scratch.File("saved.hqd");

    PutFile(file, std::string_view(reinterpret_cast<const char*>(data), size));
    TOpened first = Open(profile, file);

    std::filesystem::remove(saved);
    WriteTemplateFile(first.Settings, profile, saved, first.Header, first.Queue);
    TOpened again = Open(profile, saved);

    CheckText(again.Header, first.Header, "Header");
    CheckText(again.Queue, first.Queue, "Queue");
    CheckText(again.Settings.MainHead, first.Settings.MainHead, "Main head");
    CheckText(again.Settings.MainQueue, first.Settings.MainQueue, "Main queue");
    FuzzCheck(again.Settings.CheckIndex == first.Settings.CheckIndex, "the path mode comes back");
    FuzzCheck(again.Settings.InvertSlash == first.Settings.InvertSlash, "Invert slash comes back");
    FuzzCheck(again.Settings.SaveLocal == first.Settings.SaveLocal, "local info comes back");
    if (first.Settings.FileOutput.find('\0') == std::string::npos)
        FuzzCheckEqual(again.Settings.FileOutput, first.Settings.FileOutput, "the output file comes back");
    return 0;
}
