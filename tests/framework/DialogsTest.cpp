// Modal boxes, the report of an unhandled exception, and opening a web page.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <stdexcept>

#include "Application.h"
#include "Dialogs.h"
#include "Layout.h"
#include "TestSupport.h"
#include "TextNumber.h"

namespace {

// Takes the addresses the desktop would open.
class Browser : public QObject {
  Q_OBJECT
public:
  std::vector<std::string> opened;
public slots:
  void open(const QUrl& url) { opened.push_back(url.toString().toStdString()); }
};

class Faulty : public Window {
public:
  std::string ClassName() const override { return "Faulty.Faulty"; }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<PushButton>(), "Button", kNoIndex,
       PropertyStream().Int32("Left", 10).Int32("Top", 10).Int32("Width", 60).Int32("Height", 24),
       {On<Faulty>("Action", &Faulty::Button_Action, "(  )")}, {}},
      {Make<Timer>(), "Beat", kNoIndex, PropertyStream().Int32("Mode", 2).Int32("Period", 1),
       {On<Faulty>("Action", &Faulty::Beat_Action, "(  )")}, {}},
    });
  }
  void Button_Action(const Ref<PushButton>&) {
    Ref<Picture> none;
    none->Width();
  }
  void Beat_Action(const Ref<Timer>&) { ++beats; }
  int beats = 0;
};

using DialogsTest = test::WindowTest;

TEST_F(DialogsTest, AMessageBoxWaitsForTheUserAndShowsItsLines) {
  test::MessageBoxes boxes;
  MsgBox("First line" + Chr(13) + "Second line");
  MsgBox("Again");
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"First line\nSecond line", "Again"}));
}

TEST_F(DialogsTest, TheReportOfAnUnhandledExceptionTellsWhatWentWrong) {
  test::MessageBoxes boxes;
  UnhandledException(OutOfBoundsException(7, 3));
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find("Index 7 out of bounds"), std::string::npos) << boxes.Texts()[0];
}

TEST_F(DialogsTest, TheReportStopsEveryTimerAndReportsEachExceptionKept) {
  Ref<Faulty> w = New<Faulty>();
  w->Constructor();
  ASSERT_TRUE(test::ProcessUntil([&] { return w->beats >= 2; }));
  RunGuarded([] { throw OutOfBoundsException(5, 2); });
  // The first report stays up while a plain timer ticks twenty times; a second
  // exception comes while it is up.
  int clockTicks = 0, beatsAtReport = -1;
  QTimer clock;
  QObject::connect(&clock, &QTimer::timeout, [&] { ++clockTicks; });
  clock.start(1);
  test::MessageBoxes boxes([&] {
    if (beatsAtReport < 0) {
      beatsAtReport = w->beats;
      RunGuarded([] { throw OutOfBoundsException(6, 2); });
    }
    return clockTicks >= 20;
  });
  UnhandledException(OutOfBoundsException(7, 3));
  EXPECT_EQ(w->beats, beatsAtReport);
  // The one reported first, the one kept before, the one raised meanwhile.
  const std::vector<std::string> order = {"Index 7 ", "Index 5 ", "Index 6 "};
  ASSERT_EQ(boxes.Texts().size(), order.size());
  for (size_t i = 0; i < order.size(); ++i) {
    EXPECT_NE(boxes.Texts()[i].find(order[i]), std::string::npos) << boxes.Texts()[i];
  }
}

TEST_F(DialogsTest, AnExceptionInAButtonsActionIsKeptForTheProgram) {
  Ref<Faulty> w = New<Faulty>();
  w->Constructor();
  test::ClickButton(ControlNamed<PushButton>(w, "Button"));
  std::exception_ptr kept = TakeUnhandledException();
  ASSERT_TRUE(kept);
  EXPECT_THROW(std::rethrow_exception(kept), NilObjectException);
  EXPECT_FALSE(TakeUnhandledException());
  // The report still waits for the user.
  test::MessageBoxes boxes;
  try {
    std::rethrow_exception(kept);
  } catch (const std::exception& e) {
    UnhandledException(e);
  }
  EXPECT_EQ(boxes.Texts().size(), 1u);
}

TEST_F(DialogsTest, AnExceptionKeptBeforeTheEventLoopEndsTheRunAsItStarts) {
  RunGuarded([] { throw OutOfBoundsException(5, 2); });
  {
    test::MessageBoxes boxes;
    MsgBox("Still answering");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Still answering"});
  }
  EXPECT_THROW(test::RunEventLoop(), OutOfBoundsException);
  EXPECT_FALSE(TakeUnhandledException());
}

TEST_F(DialogsTest, ShowURLHandsTheAddressToTheBrowser) {
  Browser browser;
  QDesktopServices::setUrlHandler("https", &browser, "open");
  test::MessageBoxes boxes;
  ShowURL("https://example.org/trevalin/");
  QDesktopServices::unsetUrlHandler("https");
  EXPECT_EQ(browser.opened, std::vector<std::string>{"https://example.org/trevalin/"});
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(DialogsTest, WithoutABrowserShowURLTellsTheAddress) {
  test::MessageBoxes boxes;
  ShowURL("https://example.org/trevalin/");
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find("https://example.org/trevalin/"), std::string::npos) << boxes.Texts()[0];
}

}  // namespace

#include "DialogsTest.moc"
