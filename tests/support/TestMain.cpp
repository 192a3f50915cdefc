// Every test program makes the application object first, headless unless the environment names a
// platform, with the program's own look as the runtime sets it. After each test every window is closed.
// Before the first test it prints what the run is set to as the run finds it. A run told the screen ratio
// it must have (--screen-ratio=R) fails at once, running no test, on another, and fails should no test of
// it pass.
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
  void SetUp() override { std::printf("%s\n", test::SettingsInEffect().c_str()); }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  test::QuietHeadlessNotes();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  UseProgramLook();
  ::testing::InitGoogleTest(&argc, argv);
  double ratio = 0;
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]).starts_with("--screen-ratio=")) ratio = std::stod(argv[i] + 15);
  if (ratio > 0 && qApp->devicePixelRatio() != ratio) {
    std::printf("%s\n", test::SettingsInEffect().c_str());
    std::fprintf(stderr, "The run was told screen ratio %g but finds %g: no test is run\n", ratio,
                 qApp->devicePixelRatio());
    return 1;
  }
  ::testing::AddGlobalTestEnvironment(new Settings);
  ::testing::UnitTest::GetInstance()->listeners().Append(new AfterEachTest);
  const int status = RUN_ALL_TESTS();
  if (ratio > 0 && ::testing::UnitTest::GetInstance()->successful_test_count() == 0) {
    std::fprintf(stderr, "The run was told screen ratio %g, but no test passed at it\n", ratio);
    return 1;
  }
  return status;
}
