#pragma once
// The soak's own files: names to drop and send, in several scripts and with blanks; files made
// only to be deleted from the disk; an output folder; list files; the program's folder with the
// templates; nothing else is ever named to the program.
#include "support/paths.h"

#include <random>
#include <string>
#include <vector>

class TSoakWorld {
public:
    // templatesSource: the shipped templates, copied into the soak's program folder.
    explicit TSoakWorld(const std::string& templatesSource);

    // Every name a drop or a second copy may carry: files and folders of the input folder, the
    // files made for deletion, the output files, one name that is nowhere.
    const std::vector<std::string>& DropNames() const { return Droppable; }
    // Names for the file dialogs: list files, templates, output files (some not there yet).
    const std::vector<std::string>& ListFiles() const { return Lists; }
    const std::vector<std::string>& TemplateFiles() const { return Templates; }
    const std::vector<std::string>& OutputFiles() const { return Outputs; }

    // Whether the program may delete this file from the disk: only the files made for it.
    bool IsMadeForDeletion(const std::string& name) const;
    // Whether the program may write this file: only the output folder's names and the web page.
    bool IsOutputFile(const std::string& name) const;
    // Makes again the files made for deletion that the program deleted.
    void RemakeDeleted() const;

    const std::string& ProgramFolder() const { return Program; }   // with a trailing backslash
    const std::string& OutputFolder() const { return Output; }     // without

    // A text in several scripts with line breaks, for the input dialog, up to about maxUnits long.
    static std::string RandomText(std::mt19937_64& random, std::size_t maxUnits);

private:
    std::string Make(const std::string& name, const std::string& bytes = "soak") const;
    std::string MakeFolder(const std::string& name) const;

    TTempDir Root{"soak"};
    std::string Base, Program, Output;
    std::vector<std::string> Droppable, Lists, Templates, Outputs, Doomed;
};
