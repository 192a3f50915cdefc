// The splash and About windows: their layouts and frames, the cover picture,
// and the ways each one closes, "Go there" opening the companion page after
// the About window closed.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include "ProgramTest.h"
#include "Texts.h"
#include "WindowAbout.h"
#include "WindowDiverge.h"
#include "WindowSplash.h"

namespace {

// Takes the addresses the desktop would open, noting whether the About window
// was still open when each arrived.
class Browser : public QObject {
  Q_OBJECT
public:
  std::vector<std::string> opened;
  std::vector<bool> aboutOpen;
public slots:
  void open(const QUrl& url) {
    opened.push_back(url.toString().toStdString());
    aboutOpen.push_back(GetImplicitWindow(WindowAbout::kClassName) != nullptr);
  }
};

using SplashAndAbout = test::ProgramTest;

QRect Place(const Ref<Window>& w, const std::string& name) {
  Ref<RectControl> c = w->Named<RectControl>(name);
  return QRect(c->Left(), c->Top(), c->Width(), c->Height());
}

std::vector<std::string> ControlNames(const Ref<Window>& w) {
  std::vector<std::string> names;
  for (const Ref<Control>& c : w->Controls()) names.push_back(c->Name());
  return names;
}

// The cover shows on the canvas at (left, top): what is on screen there is the
// picture, pixel for pixel at a few places, not the white window behind it.
void ExpectCoverAt(const Ref<Window>& w, int left, int top) {
  Ref<Canvas> canvas = w->Named<Canvas>("CanvasBrismoorCover");
  ASSERT_EQ(canvas->Backdrop(), BrismoorCover());
  ASSERT_EQ(canvas->Backdrop()->Width(), 158);
  ASSERT_EQ(canvas->Backdrop()->Height(), 204);
  const QImage shown = test::Grab(w);
  const QImage& cover = BrismoorCover()->image();
  int notWhite = 0;
  for (const QPoint p : {QPoint(2, 2), QPoint(20, 35), QPoint(79, 60), QPoint(79, 150), QPoint(150, 190)}) {
    const QRgb want = cover.pixel(p) | 0xff000000u;
    EXPECT_EQ(shown.pixel(left + p.x(), top + p.y()), want) << p.x() << "," << p.y();
    if (qRed(want) + qGreen(want) + qBlue(want) < 3 * 240) ++notWhite;
  }
  EXPECT_GE(notWhite, 3);
}

TEST_F(SplashAndAbout, TheSplashIsLaidOutAsItsRecordsSay) {
  App()->Event_Open();
  Ref<class WindowSplash> splash = WindowSplash();
  EXPECT_EQ(splash->Width(), 327);
  EXPECT_EQ(splash->Height(), 371);
  EXPECT_EQ(splash->Title(), "");
  // The title bar shows nothing: an empty title would show the program's name.
  EXPECT_EQ(splash->widget()->windowTitle(), QString(" "));
  EXPECT_EQ(ControlNames(splash),
            (std::vector<std::string>{"LabelTitle", "StaticText2", "StaticText1", "TimerClose", "CanvasBrismoorCover"}));
  EXPECT_EQ(Place(splash, "LabelTitle"), QRect(33, 238, 296, 33));
  EXPECT_EQ(Place(splash, "StaticText2"), QRect(70, 272, 210, 16));
  EXPECT_EQ(Place(splash, "StaticText1"), QRect(32, 350, 265, 16));
  EXPECT_EQ(Place(splash, "CanvasBrismoorCover"), QRect(135, 43, 158, 204));
  EXPECT_EQ(splash->Named<RectControl>("CanvasBrismoorCover")->widget()->geometry(), QRect(135, 43, 158, 204));
  EXPECT_EQ(splash->Named<StaticText>("LabelTitle")->Text(), Texts::Title());
  EXPECT_EQ(splash->Named<StaticText>("StaticText2")->Text(), Texts::WebAddress());
  EXPECT_EQ(splash->Named<StaticText>("StaticText1")->Text(), Texts::VersionLine());
  Ref<Timer> timer = splash->Named<WindowSplash::TimerClose>("TimerClose");
  EXPECT_EQ(timer->Mode(), 1);
  EXPECT_EQ(timer->Period(), 7000);

  // A close box, and it can be resized, minimized and maximized.
  const Qt::WindowFlags flags = splash->widget()->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_LT(splash->widget()->minimumWidth(), splash->widget()->maximumWidth());
  EXPECT_LT(splash->widget()->minimumHeight(), splash->widget()->maximumHeight());
  ExpectCoverAt(splash, 135, 43);
}

TEST_F(SplashAndAbout, TheAboutWindowIsLaidOutAsItsRecordsSay) {
  ASSERT_TRUE(ChooseMenuItem("AppleAboutMyApplication"));
  Ref<class WindowAbout> about = WindowAbout();
  EXPECT_EQ(about->Width(), 441);
  EXPECT_EQ(about->Height(), 535);
  EXPECT_EQ(about->Title(), "About Trevalin");
  EXPECT_EQ(about->widget()->windowTitle(), QString("About Trevalin"));
  EXPECT_EQ(ControlNames(about), (std::vector<std::string>{"StaticTextAboutBlurb", "LabelTitle", "LabelWebAddress",
                                                           "PushButtonClose", "PushButtonGoThere",
                                                           "CanvasBrismoorCover"}));
  EXPECT_EQ(Place(about, "StaticTextAboutBlurb"), QRect(32, 299, 386, 212));
  EXPECT_EQ(Place(about, "LabelTitle"), QRect(87, 217, 253, 33));
  EXPECT_EQ(Place(about, "LabelWebAddress"), QRect(97, 258, 210, 16));
  EXPECT_EQ(Place(about, "PushButtonClose"), QRect(361, 491, 60, 20));
  EXPECT_EQ(Place(about, "PushButtonGoThere"), QRect(273, 256, 58, 18));
  EXPECT_EQ(about->Named<RectControl>("PushButtonGoThere")->widget()->geometry(), QRect(273, 256, 58, 18));
  EXPECT_EQ(Place(about, "CanvasBrismoorCover"), QRect(190, 23, 158, 204));
  EXPECT_EQ(about->Named<PushButton>("PushButtonClose")->Caption(), "OK");
  EXPECT_EQ(about->Named<PushButton>("PushButtonGoThere")->Caption(), "Go there");
  EXPECT_FALSE(about->Named<PushButton>("PushButtonClose")->Default());
  EXPECT_EQ(about->Named<StaticText>("LabelWebAddress")->Text(), Texts::WebAddress());
  EXPECT_EQ(about->Named<StaticText>("LabelTitle")->Text(), Texts::Title());
  EXPECT_EQ(about->Named<StaticText>("StaticTextAboutBlurb")->Text(), Texts::AboutText());

  // No close box, no minimize or maximize button, and a fixed size.
  const Qt::WindowFlags flags = about->widget()->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(about->widget()->minimumSize(), about->widget()->maximumSize());
  EXPECT_EQ(about->content()->minimumSize(), QSize(441, 535));
  EXPECT_EQ(about->content()->maximumSize(), QSize(441, 535));
  ExpectCoverAt(about, 190, 23);
}

TEST_F(SplashAndAbout, TheSplashClosesWhenItsTimerFires) {
  App()->Event_Open();
  Ref<class WindowSplash> splash = WindowSplash();
  Ref<Timer> timer = splash->Named<Timer>("TimerClose");
  timer->Tick();
  EXPECT_TRUE(splash->IsClosed());
  EXPECT_FALSE(splash->Visible());
  EXPECT_EQ(GetImplicitWindow(WindowSplash::kClassName), nullptr);
  EXPECT_EQ(FrontWindow(), Ref<Window>(WindowDiverge()));
  EXPECT_EQ(timer->Mode(), 0);
}

TEST_F(SplashAndAbout, AClickInTheSplashClosesItOnReleaseAndItsTimerNeverFiresAfterwards) {
  App()->Event_Open();
  Ref<class WindowSplash> splash = WindowSplash();
  Ref<Timer> timer = splash->Named<Timer>("TimerClose");
  // Over the cover: a canvas passes the click to the window.
  test::Press(splash, 200, 100);
  EXPECT_FALSE(splash->IsClosed());
  EXPECT_TRUE(splash->Visible());
  test::Release(splash, 200, 100);
  EXPECT_TRUE(splash->IsClosed());
  EXPECT_EQ(GetImplicitWindow(WindowSplash::kClassName), nullptr);
  ASSERT_EQ(timer->Mode(), 1);

  // A tick that comes anyway does not reach the closed splash.
  timer->Tick();
  test::ProcessPending();
  EXPECT_EQ(timer->Mode(), 1);
  EXPECT_EQ(GetImplicitWindow(WindowSplash::kClassName), nullptr);
  EXPECT_EQ(WindowsFrontToBack(), std::vector<Ref<Window>>{Ref<Window>(WindowDiverge())});
}

TEST_F(SplashAndAbout, OKOrAClickElsewhereClosesTheAboutWindow) {
  ASSERT_TRUE(ChooseMenuItem("AppleAboutMyApplication"));
  Ref<class WindowAbout> about = WindowAbout();
  test::ClickButton(about->Named<PushButton>("PushButtonClose"));
  EXPECT_TRUE(about->IsClosed());
  EXPECT_EQ(GetImplicitWindow(WindowAbout::kClassName), nullptr);

  for (const QPoint p : {QPoint(10, 10), QPoint(250, 100), QPoint(100, 400)}) {  // blank, cover, text
    ASSERT_TRUE(ChooseMenuItem("AppleAboutMyApplication"));
    about = WindowAbout();
    test::Press(about, p.x(), p.y());
    EXPECT_TRUE(about->Visible()) << p.x() << "," << p.y();
    test::Release(about, p.x(), p.y());
    EXPECT_TRUE(about->IsClosed()) << p.x() << "," << p.y();
  }
  EXPECT_EQ(GetImplicitWindow(WindowAbout::kClassName), nullptr);
}

TEST_F(SplashAndAbout, GoThereClosesTheAboutWindowThenOpensTheCompanionPage) {
  ASSERT_TRUE(ChooseMenuItem("AppleAboutMyApplication"));
  Ref<class WindowAbout> about = WindowAbout();
  Browser browser;
  QDesktopServices::setUrlHandler("https", &browser, "open");
  test::MessageBoxes boxes;
  test::ClickButton(about->Named<PushButton>("PushButtonGoThere"));
  QDesktopServices::unsetUrlHandler("https");
  ASSERT_EQ(browser.opened.size(), 1u);
  EXPECT_EQ(QUrl(QString::fromStdString(browser.opened[0])), QUrl(QString::fromStdString(Texts::WebAddress())));
  EXPECT_EQ(browser.aboutOpen, std::vector<bool>{false});
  EXPECT_TRUE(about->IsClosed());
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(SplashAndAbout, WithoutABrowserGoThereTellsTheAddress) {
  ASSERT_TRUE(ChooseMenuItem("AppleAboutMyApplication"));
  Ref<class WindowAbout> about = WindowAbout();
  bool aboutOpenWhileBoxUp = true;
  test::MessageBoxes boxes([&] {
    aboutOpenWhileBoxUp = GetImplicitWindow(WindowAbout::kClassName) != nullptr;
    return true;
  });
  test::ClickButton(about->Named<PushButton>("PushButtonGoThere"));
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find(Texts::WebAddress()), std::string::npos) << boxes.Texts()[0];
  EXPECT_FALSE(aboutOpenWhileBoxUp);
  EXPECT_TRUE(about->IsClosed());
}

TEST_F(SplashAndAbout, GoThereInALoneAboutWindowShowsTheAddressBeforeTheProgramEnds) {
  // The box stays up while the event loop passes by a few times.
  int polls = 0;
  test::MessageBoxes boxes([&] { return ++polls > 10; });
  EXPECT_TRUE(test::RunMain([] {
    WindowSplash()->Close();
    WindowDiverge()->Close();
    ChooseMenuItem("AppleAboutMyApplication");
    test::ClickButton(WindowAbout()->Named<PushButton>("PushButtonGoThere"));
  }));
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find(Texts::WebAddress()), std::string::npos) << boxes.Texts()[0];
}

}  // namespace

#include "SplashAboutTest.moc"
