#pragma once

#include <string>

// A modal message with an OK button, over the front window. Chr(13) starts a
// new line. Returns when the user dismisses it. The program does not end for
// want of windows while it is up (see RuntimeRun).
void MsgBox(const std::string& message);

// Opens the page at url in the user's browser. Where no browser can be opened,
// a message tells the user the address instead.
void ShowURL(const std::string& url);
