#pragma once
#include <memory>
#include <string>

class TProfile;

// The name the settings file is read and written under, decided once per run: the bare
// name, which the system keeps in the Windows folder, where that folder can be written;
// otherwise the full name of the file in the user's own folder of the program.
const std::string& SettingsFileName();

// The rule itself, for a given Windows folder and per-user folder.
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
