#pragma once
// Build paths reach the Windows tests as the host gives them: a Linux path is drive Z: under Wine.
#include <string>

inline std::string WindowsPath(std::string path)
{
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            c = c == '/' ? '\\' : c;
        path = "Z:" + path;
    }
    return path;
}
