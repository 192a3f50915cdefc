#pragma once
// Which of Qt's platforms the program runs on, decided before the application
// object is made.
//
// X wherever the session offers an X server, a Wayland session's XWayland
// included: only there can a program place its windows (File > Reset...
// restarts a window where it stood, the layouts centre a window on another),
// and there the window managers keep the dialogs, the menus and the
// activation of windows as the program expects. Natively on Wayland only when
// the user asks for it (QT_QPA_PLATFORM=wayland) or when no X server is
// offered. A platform the user names is always kept.

#include <string>

// The value for QT_QPA_PLATFORM, a list Qt tries in order, from the one the
// user set (asked), the X display (DISPLAY) and the Wayland display
// (WAYLAND_DISPLAY); each empty when unset. Empty: Qt's own default.
std::string ChoosePlatform(const std::string& asked, const std::string& xDisplay, const std::string& waylandDisplay);

// Sets QT_QPA_PLATFORM from the environment as ChoosePlatform says.
void UseChosenPlatform();
