#pragma once
// What the program says of a file it could not write over because another program has it open.
#include <string>

// The old file was kept as it was: nothing of it is lost, and the user can try again.
inline std::string OpenInAnotherProgramText(const std::string& fileName)
{
    return fileName + "\nis open in another program, so it was not replaced and keeps what it had.\n"
                      "Close it there and try again.";
}
