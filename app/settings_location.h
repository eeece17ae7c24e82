#pragma once
#include <memory>
#include <string>

class TProfile;

// The name the settings file is read and written under, decided once per run (temporary files
// a copy killed while saving left beside it go then): the bare name, which stands for the file
// in the Windows folder, where that folder and file can be written and no per-user file has
// taken over; otherwise the full name of the file in the user's own folder of the program.
const std::string& SettingsFileName();

// The rule itself, for a given Windows folder and per-user folder. Where the per-user file is
// chosen, a file in the Windows folder is never written; its settings are taken into the
// per-user file, whole, when there is none yet (an upgrade), and again each time the old file
// was written since (an elevated run, an older copy), remembered by the per-user file's key
// TakenFromWindowsFolder so that each state of the old file is taken once.
std::string ChooseSettingsFileName(const std::string& bareName, const std::string& windowsFolder,
                                   const std::string& userFolder);

// The output file to use for the one the settings hold: the first start's default names the
// desktop folder of old Windows, and where that folder is missing the user's own desktop takes
// its place. Any other name is kept as it is.
std::string OutputFileForThisSystem(const std::string& fileOutput);

// The folder of the temporary web page, with a trailing backslash: the program's folder where
// it can be written, else the user's own folder of the program (made when missing).
std::string WebPageFolder(const std::string& programFolder);

// The code page the system used for names and texts before the program kept UTF-8: files
// written then are read in it.
int LegacyCodePage();

// How the program reads and writes its settings and templates: the files' own bytes (values
// written in the legacy code page read in it), a bare name in the Windows folder.
std::unique_ptr<TProfile> MakeProgramProfile();
