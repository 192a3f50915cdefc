// The application shell as a user meets it: Main's run and its report of what
// escapes; the menu bar, what it enables, its window and Edit commands; every
// window as it shows, in the program's own look whatever the desktop's; how the
// splash and the About window close.
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "Look.h"
#include "ProgramTest.h"
#include "Texts.h"
#include "WindowAbout.h"
#include "WindowDiverge.h"
#include "WindowResetDrift.h"
#include "WindowSplash.h"
#include "WindowTree.h"

namespace {

using StartUp = test::ProgramTest;

// No Divergence window, but registered as one: asked for that window, the accessor raises.
struct Impostor : Window { std::string ClassName() const override { return WindowDiverge::kClassName; } };

TEST_F(StartUp, MainRunsTheProgramAndReportsWhatEscapesSkippingTheStepsAfterIt) {
  const Ref<class App> fixtureApp = App();
  // What is done before Main and once it opened; the report ("" for none) and the windows left.
  using Case = std::tuple<std::function<void()>, std::function<void()>, std::string, size_t>;
  for (const auto& [before, onceOpen, report, windowsLeft] : std::vector<Case>{
           // Quit, from a Divergence window made with none of the parameters set before.
           {[] { Globals::PopSize = 7; Globals::SequenceLength = 3; },
            [&] {
              EXPECT_NE(App(), fixtureApp);
              EXPECT_EQ(WindowsFrontToBack(), (std::vector<Ref<Window>>{WindowSplash(), WindowDiverge()}));
              EXPECT_TRUE(WindowSplash()->Visible());
              EXPECT_TRUE(WindowDiverge()->Visible());
              const Ref<driftCan> zero = WindowDiverge()->Named<driftCan>("myDriftCan", 0);
              EXPECT_EQ(zero->AniTrons.UBound(), 50);
              EXPECT_EQ(Cast<virionTron>(zero->AniTrons(1))->Sequence->ubound(), 100);
              ChooseMenuItem("FileQuit");
            },
            "", 2},
           // "Go there" in the last window, without a browser: the About window closes, then a box tells the address.
           {[] {}, [] {
              WindowSplash()->Close();
              WindowDiverge()->Close();
              ChooseMenuItem("AppleAboutMyApplication");
              const Ref<PushButton> goThere = FrontWindow()->Named<PushButton>("PushButtonGoThere");  // by Main's handler
              EXPECT_EQ(goThere->Caption(), "Go there");
              test::ClickButton(goThere);
            },
            Texts::WebAddress(), 0},
           // The Open event's second step raises: no splash is made.
           {[] { New<Impostor>()->Constructor(); }, [] {}, "is of another class", 1}}) {
    SCOPED_TRACE(report);
    before();
    int polls = 0;
    bool aboutUnderBox = false;
    test::MessageBoxes boxes([&] {
      aboutUnderBox |= GetImplicitWindow(WindowAbout::kClassName) != nullptr;
      return ++polls > 5;  // a box stays up while the event loop passes by a few times
    });
    QTimer watch;  // once the application has opened
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (GetImplicitWindow(WindowSplash::kClassName) != nullptr) { watch.stop(); onceOpen(); }
    });
    watch.start(0);
    EXPECT_TRUE(test::RunBounded(Main));
    EXPECT_EQ(boxes.Texts().size(), report.empty() ? 0u : 1u);
    for (const std::string& text : boxes.Texts()) EXPECT_NE(text.find(report), std::string::npos) << text;
    EXPECT_FALSE(aboutUnderBox);
    EXPECT_EQ(WindowsFrontToBack().size(), windowsLeft);
    test::CloseAllWindows();
  }
}

// Each menu, then its items; the kind is the framework's class of a quit or an application-menu item.
struct Entry { const char *name, *text, *shortcut = "", *kind = ""; };
const std::vector<std::vector<Entry>> kBar = {
    {{"UntitledMenu3", "File"}, {"FileReset", "Reset..."}, {"FileQuit", "Quit", "Cmd+Q", "quit"}},
    {{"UntitledMenu1", "Edit"}, {"EditUndo", "Undo", "Cmd+Z"}, {"UntitledMenu2", "-"}, {"EditCut", "Cut", "Cmd+X"},
     {"EditCopy", "Copy", "Cmd+C"}, {"EditPaste", "Paste", "Cmd+V"}, {"EditClear", "Clear"}},
    {{"UntitledMenu0", "Simulation"}, {"SimulationDivergence", "Divergence"}, {"SimulationTree", "Tree"},
     {"AppleAboutMyApplication", "About Trevalin...", "", "application"}}};

TEST_F(StartUp, TheBarHoldsItsMenusAsLaidOutAndTheAccessorsLookItemsUpAtEveryCall) {
  const Ref<MenuBar> bar = App()->MenuBar();
  ASSERT_EQ(bar, Ref<MenuBar>(Menu()));
  ASSERT_EQ(bar->Count(), 3);
  for (int32_t m = 0; m < 3; ++m) {
    ASSERT_EQ(bar->Item(m)->Count() + 1, static_cast<int32_t>(kBar[m].size()));
    for (int32_t i = 0; i <= bar->Item(m)->Count(); ++i) {
      const Entry& e = kBar[m][i];
      const Ref<MenuItem> item = i == 0 ? bar->Item(m) : bar->Item(m)->Item(i - 1);
      const std::string kind = Cast<QuitMenuItem>(item) ? "quit" : Cast<AppleMenuItem>(item) ? "application" : "";
      SCOPED_TRACE(e.name);
      EXPECT_EQ(item->Name(), e.name);
      EXPECT_EQ(item->Text(), e.text);
      EXPECT_EQ(item->KeyboardShortcut(), e.shortcut);
      EXPECT_TRUE(item->AutoEnable());
      EXPECT_EQ(kind, e.kind);
    }
  }
  App()->SetMenuBar(New<MenuBar>());
  EXPECT_EQ(AppleAboutMyApplication(), nullptr);
  RuntimeRegisterAppObject(nullptr);
  EXPECT_THROW(FileReset(), NilObjectException);
}

// The items enabled once the menus are brought up to date, beyond the application's own commands, which
// must be enabled whatever is in front.
std::set<std::string> Enabled() {
  UpdateMenuItems();
  std::set<std::string> enabled;
  for (const std::vector<Entry>& menu : kBar)
    for (size_t i = 1; i < menu.size(); ++i)
      if (App()->MenuBar()->Lookup(menu[i].name)->Enabled()) enabled.insert(menu[i].name);
  for (const char* own : {"AppleAboutMyApplication", "SimulationDivergence", "SimulationTree", "FileQuit"})
    if (enabled.erase(own) == 0) enabled.insert(std::string("not ") + own);
  return enabled;
}

TEST_F(StartUp, EachWindowCommandBringsTheOpenWindowForwardOrMakesAFreshOne) {
  QGuiApplication::clipboard()->clear();  // nothing to paste into a focused field
  App()->Event_Open();
  EXPECT_EQ(Enabled(), std::set<std::string>{});  // with the splash in front
  // The command, its window's class, what is enabled with it in front, the command that puts another in front.
  using Case = std::tuple<const char*, const char*, std::set<std::string>, const char*>;
  for (const auto& [command, className, enabled, other] : std::vector<Case>{
           {"SimulationDivergence", WindowDiverge::kClassName, {"FileReset"}, "AppleAboutMyApplication"},
           {"SimulationTree", WindowTree::kClassName, {"FileReset"}, "SimulationDivergence"},
           {"AppleAboutMyApplication", WindowAbout::kClassName, {}, "SimulationTree"}}) {
    SCOPED_TRACE(command);
    ASSERT_TRUE(ChooseMenuItem(command));
    const Ref<Window> first = GetImplicitWindow(className);
    EXPECT_EQ(Enabled(), enabled);
    ASSERT_TRUE(ChooseMenuItem(other));
    ASSERT_TRUE(ChooseMenuItem(command));
    EXPECT_EQ(GetImplicitWindow(className), first);
    EXPECT_EQ(FrontWindow(), first);
    first->widget()->close();
    ASSERT_TRUE(ChooseMenuItem(command));
    EXPECT_NE(GetImplicitWindow(className), first);
    EXPECT_EQ(FrontWindow(), GetImplicitWindow(className));
  }
}

TEST_F(StartUp, TheEditCommandsFollowAndActOnTheTextFieldInFocus) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  ASSERT_TRUE(ChooseMenuItem("SimulationDivergence"));
  const Ref<EditField> fastFwd = WindowDiverge()->Named<EditField>("EditFieldFastFwd");
  test::TypeInto(fastFwd, "25");
  static_cast<QLineEdit*>(fastFwd->widget())->selectAll();
  EXPECT_EQ(Enabled(), (std::set<std::string>{"FileReset", "EditUndo", "EditCut", "EditCopy", "EditClear"}));  // no paste
  ASSERT_TRUE(ChooseMenuItem("EditCopy"));
  ASSERT_TRUE(ChooseMenuItem("FileReset"));
  const Ref<Window> reset = WindowResetDrift();
  const Ref<EditField> popSize = reset->Named<EditField>("EditFieldPopSize");
  test::Click(reset, popSize->Left() + 5, popSize->Top() + 5);
  // Each command on the selection from, length: the field's text and the clipboard after it.
  using Step = std::tuple<const char*, int, int, const char*, const char*>;
  for (const auto& [command, from, length, text, clipped] : std::vector<Step>{{"EditPaste", 0, 9, "25", "25"},
           {"EditCut", 1, 1, "2", "5"}, {"EditClear", 0, 1, "", "5"}, {"EditUndo", 0, 0, "2", "5"}}) {
    static_cast<QLineEdit*>(popSize->widget())->setSelection(from, length);
    ASSERT_TRUE(ChooseMenuItem(command)) << command;
    EXPECT_EQ(popSize->Text(), text) << command;
    EXPECT_EQ(clipboard->text().toStdString(), clipped) << command;
  }
  test::Click(reset, reset->Width() - 5, 5);  // beside the field, which loses the focus
  EXPECT_EQ(Enabled(), std::set<std::string>{});
  EXPECT_FALSE(ChooseMenuItem("EditPaste"));
}

// Opens a window as a user does, by the menu commands given, or by starting the program with none.
Ref<Window> Open(const std::vector<std::string>& commands) {
  if (commands.empty()) App()->Event_Open();
  for (const std::string& command : commands) ChooseMenuItem(command);
  return FrontWindow();
}

std::string Focused(const Ref<Window>& w) {
  for (const Ref<Control>& c : w->Controls())
    if (const Ref<RectControl> r = Cast<RectControl>(c); r && r->widget() && r->widget() == QApplication::focusWidget())
      return c->Name() + (c->Index() == kNoIndex ? "" : "(" + std::to_string(c->Index()) + ")");
  return "none";
}

// The title bar, the frame's boxes, a menu bar, the content's size, the window it belongs to and whether it
// keeps the others waiting, the cover shown pixel for pixel as the picture holds it on a white window (else
// what is amiss with it); after "|", the control with the first focus, then the one after each Tab, round to
// the first.
std::string Shown(const Ref<Window>& w) {
  const QWidget* top = w->widget();
  const Qt::WindowFlags boxes = top->windowFlags();
  std::string s = top->windowTitle().toStdString() + ":" + (boxes & Qt::WindowCloseButtonHint ? " close" : "") +
                  (boxes & Qt::WindowMinimizeButtonHint ? " min" : "") + (boxes & Qt::WindowMaximizeButtonHint ? " max" : "") +
                  (top->minimumSize() != top->maximumSize() ? " resize" : "") + (top->findChild<QMenuBar*>() ? " bar " : " ") +
                  std::to_string(w->Width()) + "x" + std::to_string(w->Height());
  if (const QWindow* owner = test::Handle(w)->transientParent()) s += " of " + owner->title().toStdString();
  if (top->isModal()) s += " modal";
  if (const Ref<Canvas> canvas = Cast<Canvas>(w->ControlByName("CanvasBrismoorCover"))) {
    const QImage cover = BrismoorCover()->image().convertToFormat(QImage::Format_RGB32), shown = test::Grab(w);
    s += canvas->Backdrop() != BrismoorCover() ? " no cover"
         : shown.copy(canvas->Left(), canvas->Top(), 158, 204) != cover ? " cover drawn otherwise"
         : shown.pixelColor(w->Width() - 1, w->Height() - 1) != Qt::white ? " cover on a page not white"
         : " cover";
  }
  const std::string first = Focused(w);
  s += " | " + first;
  for (int tabs = 0; first != "none" && tabs < 10; ++tabs) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    s += " " + Focused(w);
    if (Focused(w) == first) break;
  }
  return s;
}

// The rows of a label's box that its lines take.
QRect TextRows(const QLabel* label) {
  const QRect room = label->contentsRect();
  const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  const QRect lines = label->fontMetrics().boundingRect(room, flags, label->text());
  return QRect(room.left(), lines.top(), room.width(), lines.height()).intersected(room);
}

// The colour that most of box shows.
QRgb Background(const QImage& shown, const QRect& box) {
  std::map<QRgb, int> counts;
  const QRect in = box & shown.rect();
  for (int y = in.top(); y <= in.bottom(); ++y)
    for (int x = in.left(); x <= in.right(); ++x) ++counts[shown.pixel(x, y)];
  return std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
}

// The least rectangle that holds every pixel of box not of its background; a null one for none.
QRect Ink(const QImage& shown, const QRect& box) {
  const QRgb background = Background(shown, box);
  QRect ink;
  const QRect in = box & shown.rect();
  for (int y = in.top(); y <= in.bottom(); ++y)
    for (int x = in.left(); x <= in.right(); ++x)
      if (shown.pixel(x, y) != background) ink |= QRect(x, y, 1, 1);
  return ink;
}

TEST_F(StartUp, EveryWindowShowsItselfAndAllItsTextsTakesTheFocusInTabOrderAndQuitsOnCtrlQ) {
  // The commands that open it, what Shown tells of it (no title shows as a blank one, not as the program's
  // name), and the widest text a label or button comes to show: name, index, text.
  using Case = std::tuple<std::vector<std::string>, const char*, std::vector<std::tuple<const char*, int32_t, const char*>>>;
  std::set<int32_t> alignments;
  for (const auto& [commands, shown, widest] : std::vector<Case>{
           {{"SimulationDivergence"},
            "Divergence: close bar 608x436 | EditFieldFastFwd ListBoxSequence PushButtonFastFwd EditFieldFastFwd",
            {{"StaticTextSourcePop", 0, "Pt Zero"}, {"StaticTextSourcePop", 1, "Pt One"}, {"GenCounter", 0, "99999"},
             {"StaticTextNumDiffs", kNoIndex, "500"}}},
           {{"SimulationTree"},
            "Tree: close bar 662x540 | EditFieldPopLabel(0) PushButtonFastFwd ListBoxSequence EditFieldPopLabel(0)",
            {{"PushButtonFastFwd", kNoIndex, "Pause"}, {"CountUp", kNoIndex, "1001"}, {"StaticTextNumDiffs", kNoIndex, "500"}}},
           {{"SimulationDivergence", "FileReset"},
            " : 360x251 of Divergence modal | EditFieldPopSize PopupMenuMutEffects PushButtonCancel EditFieldSeqLen PushButtonOkay EditFieldPopSize", {}},
           {{"AppleAboutMyApplication"}, "About Trevalin: 441x535 cover | PushButtonClose PushButtonGoThere PushButtonClose", {}},
           {std::vector<std::string>{}, " : close min max resize 327x371 of Divergence cover | none", {}}}) {
    SCOPED_TRACE(shown);
    const Ref<Window> w = Open(commands);
    ASSERT_TRUE(test::ProcessUntil([&] { return QApplication::activeWindow() == w->widget(); }));
    EXPECT_EQ(Shown(w), shown);
    for (const auto& [name, index, text] : widest) {
      if (const Ref<PushButton> button = Cast<PushButton>(w->Named<Control>(name, index))) button->SetCaption(text);
      else w->Named<StaticText>(name, index)->SetText(text);
    }
    int texts = 0;
    for (const Ref<Control>& c : w->Controls()) {
      if (Cast<StaticText>(c) == nullptr && Cast<PushButton>(c) == nullptr) continue;
      const TextPlace place = PlaceOfText(Cast<RectControl>(c));
      EXPECT_TRUE(place.fits) << c->Name() << " needs " << place.width << " x " << place.height;
      EXPECT_TRUE(place.coveredBy.empty()) << c->Name() << " lies under " << testing::PrintToString(place.coveredBy);
      texts += place.width > 0;
    }
    EXPECT_GE(texts, 3);
    // Where each label's text lies in its box, by its pixels (1 left, 2 centred, 3 right): a glyph's side
    // bearing may leave a pixel or two.
    const QImage drawn = test::Grab(w);
    for (const Ref<Control>& c : w->Controls()) {
      const Ref<StaticText> label = Cast<StaticText>(c);
      if (label == nullptr || label->Text().empty() || !label->widget()->isVisible()) continue;
      const QRect box = TextRows(static_cast<QLabel*>(label->widget())).translated(label->Left(), label->Top());
      const QRect ink = Ink(drawn, box);
      const int before = ink.left() - box.left(), after = box.right() - ink.right();
      const int align = std::max(label->TextAlign(), 1);
      EXPECT_FALSE(ink.isNull()) << c->Name() << " \"" << label->Text() << "\" shows no ink";
      EXPECT_LE(align == 1 ? before : align == 3 ? after : std::abs(before - after), 2)
          << c->Name() << " \"" << label->Text() << "\", aligned " << align << ", leaves " << before << " before and "
          << after << " after";
      alignments.insert(align);
    }
    QTest::keyClick(test::Handle(w), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(test::RunBounded(RuntimeRun, 1000));  // the Quit asked for ends the next run as it starts
    test::CloseAllWindows();
  }
  EXPECT_EQ(alignments, (std::set<int32_t>{1, 2, 3}));
}

// The light text on dark grey of a dark desktop, in another of Qt's styles.
void UseDarkDesktopLook() {
  QPalette dark(QColor(0xeeeeec), QColor(0x373737), QColor(0x505050), QColor(0x232323), QColor(0x2a2a2a),
                QColor(0xeeeeec), QColor(0xffffff), QColor(0x2d2d2d), QColor(0x353535));
  QApplication::setStyle(QStyleFactory::create("Windows"));
  QApplication::setPalette(dark);
}

// Contrast of two colours by their relative luminance, as WCAG 2 reckons it: 1 to 21.
double Contrast(QRgb a, QRgb b) {
  auto luminance = [](QRgb c) {
    auto linear = [](int v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
  };
  const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
  return (light + 0.05) / (dark + 0.05);
}

// Each text that top shows, with the contrast of its ink against what lies behind it in a grab of top. Its box
// lies inside any frame or bevel, and of a label takes only the rows of its lines; the colour most of the box
// shows is the background, the pixel that stands out from it most the ink.
std::vector<std::pair<std::string, double>> Contrasts(QWidget* top) {
  const QImage shown = top->grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::vector<std::pair<std::string, double>> contrasts;
  auto measure = [&](const QString& text, const QWidget* w, const QRect& box) {
    if (text.isEmpty()) return;
    const QRect in = box.translated(w->mapTo(top, QPoint())) & shown.rect();
    const QRgb background = Background(shown, in);
    double most = 1;
    for (int y = in.top(); y <= in.bottom(); ++y)
      for (int x = in.left(); x <= in.right(); ++x) most = std::max(most, Contrast(shown.pixel(x, y), background));
    contrasts.emplace_back(text.toStdString(), most);
  };
  for (QWidget* w : top->findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    QStyle* style = w->style();
    if (auto* label = qobject_cast<QLabel*>(w)) {
      measure(label->text(), label, TextRows(label));
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      QStyleOptionButton option;
      option.initFrom(button);
      measure(button->text(), button, style->subElementRect(QStyle::SE_PushButtonContents, &option, button));
    } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
      const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field) + 1;
      measure(field->text(), field, field->rect().adjusted(frame, frame, -frame, -frame));
    } else if (auto* menu = qobject_cast<QComboBox*>(w)) {
      QStyleOptionComboBox option;
      option.initFrom(menu);
      measure(menu->currentText(), menu,
              style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, menu));
    } else if (auto* list = qobject_cast<QTableWidget*>(w)) {
      for (int row = 0; row < list->rowCount(); ++row)
        for (int column = 0; column < list->columnCount(); ++column)
          if (const QTableWidgetItem* cell = list->item(row, column))
            measure(cell->text(), list->viewport(), list->visualItemRect(cell) & list->viewport()->rect());
    }
  }
  return contrasts;
}

TEST_F(StartUp, OnADarkDesktopEveryWindowAndMessageBoxShowsItsTextsClearlyInTheProgramsOwnLookAndKeepsIt) {
  const QString style = QApplication::style()->name();
  const QPalette palette = QApplication::palette();
  auto programLook = [&] { return QApplication::style()->name() == style && QApplication::palette() == palette; };
  struct Back { ~Back() { UseProgramLook(), test::ProcessPending(); } } back;  // for the tests after this one
  UseDarkDesktopLook();
  const std::string desktop = QApplication::style()->name().toStdString();
  UseProgramLook();  // as at start-up
  EXPECT_TRUE(programLook()) << "The desktop's " << desktop << " style or palette stays";
  // Every window as a user opens it, the splash kept up; the lists hold sequences, as do the labels that tell
  // of them in the Divergence window.
  const Ref<Window> splash = Open({});
  splash->Named<Timer>("TimerClose")->SetMode(0);
  std::vector<std::pair<std::string, Ref<Window>>> windows = {{"the splash", splash}, {"Divergence", WindowDiverge()}};
  for (const auto& [name, commands] : std::vector<std::pair<const char*, std::vector<std::string>>>{
           {"Tree", {"SimulationTree"}}, {"About", {"AppleAboutMyApplication"}},
           {"Reset", {"SimulationDivergence", "FileReset"}}})
    windows.emplace_back(name, Open(commands));
  for (const Ref<Window>& w : {windows[1].second, windows[2].second}) {
    w->Named<Listbox>("ListBoxSequence")->SetCell(0, 0, "ACGUACGUAC");
    w->Named<Listbox>("ListBoxSequence")->SetCell(1, 0, "ACGUUCGUAC");
    w->Named<StaticText>("StaticTextNumDiffs")->SetText("1");
  }
  WindowDiverge()->Named<StaticText>("StaticTextSourcePop", 0)->SetText("Pt Zero");
  WindowDiverge()->Named<StaticText>("StaticTextSourcePop", 1)->SetText("Pt One");
  // Every text in every window, and in the message box over the Divergence window while it is up, stands out
  // at least 4.5:1 from what lies behind it, as WCAG 2 asks of body text.
  auto expectClear = [&](const std::string& when) {
    std::set<std::string> measured;
    auto expectIn = [&](const std::string& where, QWidget* top) {
      for (const auto& [text, contrast] : Contrasts(top)) {
        EXPECT_GE(contrast, 4.5) << when << ", " << where << " shows \"" << text << "\" faintly";
        measured.insert(where + ": " + text);
      }
    };
    for (const auto& [name, w] : windows) expectIn(name, w->content());
    windows.back().second->SetVisible(false);  // the dialog keeps the other windows waiting
    ChooseMenuItem("SimulationDivergence");  // a click in a window yet to be activated loses its press to that
    ASSERT_TRUE(test::ProcessUntil([] { return QApplication::activeWindow() == WindowDiverge()->widget(); }));
    test::TypeInto(WindowDiverge()->Named<EditField>("EditFieldFastFwd"), "501");
    test::MessageBoxes boxes([&] {
      expectIn("the message box", QApplication::activeModalWidget());
      return true;
    });
    test::ClickButton(WindowDiverge()->Named<PushButton>("PushButtonFastFwd"));
    const std::string above500 = "The maximum number of generations for fast forward is 500.";
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{above500});
    // One of each kind of text.
    for (const std::string& text : std::vector<std::string>{"Divergence: Patient Zero", "Tree: Fast Fwd", "Reset: 50",
             "Reset: Beneficial", "Divergence: ACGUACGUAC", "the message box: " + above500, "the message box: OK"})
      EXPECT_EQ(measured.count(text), 1u) << when << ", " << text << " is not measured";
    windows.back().second->Show();
  };
  expectClear("at start-up");
  // The desktop changes its look while the program runs.
  UseDarkDesktopLook();
  EXPECT_TRUE(test::ProcessUntil(programLook, 2000)) << "The desktop's " << desktop << " style or palette stays";
  expectClear("once the desktop changed its look");
}

// Takes the pages the desktop would open, noting whether the About window was still open then.
class Browser : public QObject {
  Q_OBJECT
public slots:
  void open(const QUrl& url) { opened += url.toString().toStdString() + (GetImplicitWindow(WindowAbout::kClassName) ? " over About" : ""); }
public:
  std::string opened;
};

TEST_F(StartUp, TheSplashClosesOnItsTimerEitherWindowAtAClicksReleaseAndTheAboutWindowAtOKOrBeforeGoingThere) {
  const Ref<Window> splash = Open({});
  const Ref<Timer> timer = splash->Named<WindowSplash::TimerClose>("TimerClose");
  EXPECT_EQ(timer->Mode(), 1);
  EXPECT_EQ(timer->Period(), 7000);
  timer->SetPeriod(1);  // restarts only a running timer, whose tick then comes from the event loop
  ASSERT_TRUE(test::ProcessUntil([&] { return splash->IsClosed(); }, 2000));
  EXPECT_EQ(timer->Mode(), 0);
  // Over the splash's cover, then over the About window's text.
  for (const auto& [commands, x, y] : std::vector<std::tuple<std::vector<std::string>, int, int>>{
           {{}, 200, 100}, {{"AppleAboutMyApplication"}, 100, 400}}) {
    const Ref<Window> w = Open(commands);
    test::Press(w, x, y);
    EXPECT_TRUE(w->Visible()) << w->ClassName();
    test::Release(w, x, y);
    EXPECT_EQ(GetImplicitWindow(w->ClassName()), nullptr);
  }
  const Ref<PushButton> ok = Open({"AppleAboutMyApplication"})->Named<PushButton>("PushButtonClose");
  EXPECT_EQ(ok->Caption(), "OK");
  test::ClickButton(ok);
  EXPECT_EQ(WindowsFrontToBack(), std::vector<Ref<Window>>{WindowDiverge()});
  Browser browser;
  test::MessageBoxes boxes;  // should the page not open
  QDesktopServices::setUrlHandler("https", &browser, "open");
  test::ClickButton(Open({"AppleAboutMyApplication"})->Named<PushButton>("PushButtonGoThere"));
  QDesktopServices::unsetUrlHandler("https");
  EXPECT_EQ(browser.opened, Texts::WebAddress());
}

}  // namespace

#include "StartUpTest.moc"
