#include "app/program_state.h"

std::string ProgramFolder;
std::string PendingFile;
TTipStatusBar* MainStatusBar = nullptr;
