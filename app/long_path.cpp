#include "app/long_path.h"

#include "framework/handles.h"
#include "text/wide_text.h"

#include <windows.h>

std::string LongPathName(const std::string& path)
{
    std::string current = path;
    std::string result;
    // Every round takes the last component off, so the loop ends.
    for (std::size_t last; (last = current.rfind('\\')) != std::string::npos; current.resize(last)) {
        std::string component = current.substr(last + 1);
        if (!component.empty() && component.find_first_of("*?") == std::string::npos) {
            WIN32_FIND_DATAW found;
            const TFindHandle search(::FindFirstFileW(Wide(current).c_str(), &found));
            if (search.IsOpen())
                component = Narrow(found.cFileName);
        }
        result = "\\" + component + result;
    }
    return current + result;
}
