// The writer the crash test kills: with the core code the program uses, it writes the settings
// file, a template, a list file of 100,000 entries and the output of those entries, over and
// over, in two versions by turns, so that any file found after a kill is one of the two.
// Usage: crash_writer FOLDER ROUNDS (0: until killed). Round r writes version A when r is even.
#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "gen/list_file.h"
#include "gen/output_writer.h"
#include "settings/profile_legacy.h"
#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "settings/template_file.h"
#include "text/legacy_text.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int Entries = 100000;

bool WriteVersion(const std::string& folder, char version, TProfile& profile)
{
    const std::string v(1, version);
    TSettings settings = FirstStartSettings();
    settings.IniFileName = folder + "/QZIni.ini";
    settings.SetFileOutput("C:\\Out\\output " + v + ".txt");
    settings.CheckIndex = version == 'A' ? Full : NoPath;
    settings.InvertSlash = version == 'B';
    settings.SaveLocal = version == 'A';
    settings.MainHead = "<UL> \xCE\xA9 " + v + "\r\n";
    settings.MainQueue = "</UL> QZ_GETCOUNT";
    const std::string header = "<LI> " + v + " \xE6\xBC\xA2 ";
    const std::string queue = " QZ_GETSELINDEX\r\n";

    TPackedFileList list;
    for (int i = 0; i < Entries; ++i)
        AppendEntry(list, "C:\\Files\\" + v + "\\name " + std::to_string(i) + ".txt");

    TCrLfFileWriter writer;
    const bool opened = writer.Open(folder + "/output.txt");
    TLineBuilder(settings, list, header, queue).BuildOutput(writer);
    return SaveSettings(settings, profile, header, queue) &&
           WriteTemplateFile(settings, profile, folder + "/Crash.hqd", header, queue) &&
           WriteListFile(folder + "/list.lst", list) && opened && writer.Close();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: crash_writer FOLDER ROUNDS\n");
        return 2;
    }
    const std::string folder = argv[1];
    const long rounds = std::atol(argv[2]);
    TLegacyAwareProfile profile(std::make_unique<TPortableProfile>(folder), WesternCodePage);
    for (long round = 0; rounds == 0 || round < rounds; ++round) {
        if (!WriteVersion(folder, round % 2 == 0 ? 'A' : 'B', profile)) {
            std::fprintf(stderr, "crash_writer: round %ld could not be written\n", round);
            return 1;
        }
    }
    return 0;
}
