#include "Platform.h"

#include <QByteArray>
#include <QtGlobal>

std::string ChoosePlatform(const std::string& asked, const std::string& xDisplay, const std::string& waylandDisplay) {
  if (!asked.empty()) return asked;
  // Should the X server named turn out unreachable, Qt goes on to the next.
  if (!xDisplay.empty()) return waylandDisplay.empty() ? "xcb" : "xcb;wayland";
  if (!waylandDisplay.empty()) return "wayland";
  return "";
}

void UseChosenPlatform() {
  const std::string chosen = ChoosePlatform(qgetenv("QT_QPA_PLATFORM").toStdString(), qgetenv("DISPLAY").toStdString(),
                                            qgetenv("WAYLAND_DISPLAY").toStdString());
  if (!chosen.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(chosen));
}
