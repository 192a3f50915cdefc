#pragma once
// A test of the program itself: the application object is made, given the menu
// bar and registered, its menu handlers are bound, and the parameters are set,
// as at start-up, but with a generator seeded with 1, so that every draw is known;
// the event loop is not run. Afterwards everything is let go.

#include <gtest/gtest.h>

#include <QTimer>

#include <functional>

#include "../core/CoreTestSupport.h"
#include "App.h"
#include "Application.h"
#include "Globals.h"
#include "Menu.h"
#include "Pictures.h"
#include "Program.h"
#include "TestSupport.h"
#include "WindowSplash.h"

namespace test {

class ProgramTest : public WindowTest {
protected:
  void SetUp() override {
    NewAppInstance();
    ApplicationAddMenuHandlers();
    coretest::StartSeeded(1);
  }
  void TearDown() override {
    CloseAllWindows();
    WindowTest::TearDown();
    RuntimeRegisterAppObject(nullptr);
    ReleaseMenu();
    ReleasePictures();
  }
};

// Runs Main, bounded as RunBounded, with the given step done once the
// application has opened.
inline bool RunMain(const std::function<void()>& onceOpen) {
  QTimer watch;
  watch.setInterval(0);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (GetImplicitWindow(WindowSplash::kClassName) == nullptr) return;
    watch.stop();
    onceOpen();
  });
  watch.start();
  return RunBounded(Main);
}

}  // namespace test
