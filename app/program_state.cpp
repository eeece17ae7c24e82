#include "app/program_state.h"

std::string ProgramFolder;
std::string PendingFile;
TTipStatusBar* MainStatusBar = nullptr;

std::string FolderOfProgram(const std::string& programPath)
{
    std::size_t last = programPath.rfind('\\');
    return last == std::string::npos ? programPath : programPath.substr(0, last + 1);
}
