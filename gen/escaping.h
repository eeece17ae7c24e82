#pragma once
// Names and values made safe for where a template puts them: a URL, HTML text or an attribute,
// a batch file, a CSV field, a command line, a PowerShell string.
#include "settings/settings.h"

#include <string>
#include <string_view>

// Appends value in the form escape gives it:
//   Url         each path segment percent-encoded (UTF-8 bytes); backslashes become slashes, and a
//               slash stays a slash; the result holds no & < > " ' either, so it fits an attribute
//   Html        & < > " ' as &amp; &lt; &gt; &quot; &#39;
//   Batch       % doubled (for a name inside double quotes in a batch file)
//   Csv         " doubled (for a field inside double quotes)
//   Arg         in double quotes when it holds a blank or a character a command line treats
//               specially, as CommandLineToArgvW and cmd read it; else as it is; empty as ""
//   PowerShell  every single quote doubled, the typographic ones PowerShell also takes for
//               quotes included (for a name inside single quotes)
//   None        as it is
void AppendEscaped(std::string& out, std::string_view value, TEscape escape);

std::string Escaped(std::string_view value, TEscape escape);
