#pragma once
// A test of the program itself: the application object is made, given the menu
// bar and registered, its menu handlers are bound, and the parameters are set,
// as at start-up, but with a generator seeded with 1, so that every draw is known;
// the event loop is not run. Afterwards everything is let go.

#include <gtest/gtest.h>

#include "../core/CoreTestSupport.h"
#include "App.h"
#include "Application.h"
#include "Globals.h"
#include "Menu.h"
#include "Pictures.h"
#include "Program.h"
#include "TestSupport.h"

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

}  // namespace test
