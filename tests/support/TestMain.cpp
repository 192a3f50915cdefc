// Every test program makes the application object first, headless unless the environment names a
// platform, with the program's own look as the runtime sets it. After each test every window is closed.
// Before the first test it prints what the run is set to as the run finds it; a run told the screen ratio
// it must have (--screen-ratio=R) fails at once on another.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "Look.h"
#include "TestSupport.h"

namespace {

class AfterEachTest : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override { test::CloseAllWindows(); }
};

struct Settings : ::testing::Environment {
  double ratio = 0;
  void SetUp() override {
    std::printf("%s\n", test::SettingsInEffect().c_str());
    if (ratio > 0) { ASSERT_EQ(qApp->devicePixelRatio(), ratio) << "The run is at another screen ratio than it was told"; }
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  test::QuietHeadlessNotes();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  UseProgramLook();
  ::testing::InitGoogleTest(&argc, argv);
  auto* settings = new Settings;
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]).starts_with("--screen-ratio=")) settings->ratio = std::stod(argv[i] + 15);
  ::testing::AddGlobalTestEnvironment(settings);
  ::testing::UnitTest::GetInstance()->listeners().Append(new AfterEachTest);
  return RUN_ALL_TESTS();
}
