// Every test program makes the application object first, headless unless the environment names a
// platform, with the program's own look as the runtime sets it. After each test every window is closed.
#include <QApplication>
#include <gtest/gtest.h>

#include "Look.h"
#include "TestSupport.h"

namespace {

class AfterEachTest : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override { test::CloseAllWindows(); }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  test::QuietHeadlessNotes();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  UseProgramLook();
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new AfterEachTest);
  return RUN_ALL_TESTS();
}
