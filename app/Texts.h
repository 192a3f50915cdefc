#pragma once
// The program's own texts about itself. Chr(13) breaks lines.

#include <string>

namespace Texts {
// The companion web page, shown in the splash and About windows and opened by
// "Go there".
std::string WebAddress();
// Two lines: the program's name with its edition, and what it is for.
std::string Title();
std::string VersionLine();
std::string AboutText();
}  // namespace Texts
