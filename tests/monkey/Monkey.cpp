// The monkey: starts the program as its entry does and, from a seed, sends it
// random user actions as real input events: presses, drags and releases over
// virions, canvases, slots, buttons and empty space, running and paused (a
// press on a running Tree population splits it), and releases the desktop
// swallows (the window hidden, minimised or left, a menu opened, while the
// button is down); Fast Fwd and the Reset dialog
// with random and hostile text; the menu commands; windows closed and opened
// again; every message box dismissed. After each action it checks what must
// always hold; a failure prints the seed and the action number, which replay
// the run exactly (the program's generator is seeded from the same seed, and
// the windows' timers tick only when the monkey ticks them). Exit status 1.
//   monkey SEED ACTIONS
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <stdexcept>

#include "../core/CoreTestSupport.h"
#include "Application.h"
#include "Globals.h"
#include "MenuItem.h"
#include "Program.h"
#include "TestSupport.h"
#include "WindowDiverge.h"
#include "WindowResetDrift.h"
#include "WindowSplash.h"
#include "WindowTree.h"

namespace {

unsigned seed = 1;
long actions = 300;
bool finished = false, failed = false;
std::string doing;  // what the present action does, for the report of a failure
std::mt19937 dice;  // the monkey's own choices; the program draws from Globals::myRAlea
std::map<std::shared_ptr<Window>, int32_t> splitsSeen;  // in each open Tree window after the last action

int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(dice); }
bool Chance(int percent) { return Pick(1, 100) <= percent; }
template <class T>
T OneOf(const std::vector<T>& v) { return v[static_cast<size_t>(Pick(0, static_cast<int>(v.size()) - 1))]; }
void Check(bool holds, const std::string& what) { if (!holds) throw std::runtime_error(what); }
std::string N(int64_t n) { return std::to_string(n); }

// The members of list that are of class C, in order.
template <class C, class L>
std::vector<Ref<C>> Of(const L& list) {
  std::vector<Ref<C>> found;
  for (const auto& x : list)
    if (Ref<C> typed = Cast<C>(x)) found.push_back(typed);
  return found;
}
// The windows on screen, frontmost first.
std::vector<Ref<Window>> Shown() {
  std::vector<Ref<Window>> shown = WindowsFrontToBack();
  std::erase_if(shown, [](const Ref<Window>& w) { return !w->Visible(); });
  return shown;
}

// Typed text: a number in lo .. hi half of the time, else something odd.
std::string Typed(int lo, int hi) {
  static const std::vector<std::string> odd = {
      "", " ", "abc", "-3", "0", "-0", "0.99", "1.2", "2.6", "500", "500.5", "501", "1e3", "1e308", "-1e308",
      "nan", "inf", "0x1F", "12abc", "1,5", " 7", "\xC2\xBD", "\xE2\x88\x9E\xF0\x9F\xA6\xA0", "%s%n",
      std::string(200, '9')};
  return Chance(50) ? N(Pick(lo, hi)) : OneOf(odd);
}
void Type(const Ref<EditField>& field, const std::string& text) {
  doing += " \"" + text.substr(0, 20) + "\" into " + field->Name();
  test::TypeInto(field, text);
}

QPoint Inside(const Ref<RectControl>& c) { return {c->Left() + Pick(0, c->Width()), c->Top() + Pick(0, c->Height())}; }
// A point of w's content area: over a virion, on a sprite canvas or its edge, on any control, or anywhere.
QPoint Target(const Ref<Window>& w) {
  const std::vector<Ref<SpriteCanvas>> canvases = Of<SpriteCanvas>(w->Controls());
  const std::vector<Ref<RectControl>> controls = Of<RectControl>(w->Controls());
  const int kind = Pick(0, 3);
  QPoint p(Pick(0, w->Width() - 1), Pick(0, w->Height() - 1));
  if (kind == 0 && !canvases.empty()) {
    const Ref<SpriteCanvas> c = OneOf(canvases);
    if (c->AniTrons.UBound() >= 1) {
      const Ref<aniTron> t = c->AniTrons(Pick(1, c->AniTrons.UBound()));
      p = {c->Left() + t->X + Pick(0, t->width), c->Top() + t->Y + Pick(0, t->height)};
    }
  } else if (kind == 1 && !canvases.empty()) {
    p = Inside(OneOf(canvases));
  } else if (kind == 2 && !controls.empty()) {
    p = Inside(OneOf(controls));
  }
  // Canvases not yet in use wait partly beyond the window's right edge.
  return {std::min(p.x(), w->Width() - 1), std::min(p.y(), w->Height() - 1)};
}

void Ticks(const Ref<Window>& w) {
  const int n = Pick(1, 60);
  doing += ", " + N(n) + " ticks";
  for (const Ref<Timer>& t : Of<Timer>(w->Controls()))
    for (int i = 0; i < n && !w->IsClosed(); ++i) t->Tick();
}

void Gesture(const Ref<Window>& w) {
  QPoint p = Target(w);
  doing = "press in " + w->ClassName() + " at " + N(p.x()) + "," + N(p.y());
  w->widget()->activateWindow(), test::ProcessPending();  // as the desktop does at a click
  test::Press(w, p.x(), p.y());
  for (int moves = Pick(0, 3); moves > 0 && !w->IsClosed(); --moves) {
    if (Chance(20)) Ticks(w);
    p = Target(w);
    test::Move(w, p.x(), p.y());
  }
  // The desktop may swallow the release (the window hidden or minimised, a menu opened, another window in front), which
  // may come late. The window is shown again then, as its menu command does. With no other window shown, a menu opens
  // instead of another window coming in front, and the log says so.
  int lost = Chance(85) ? -1 : Pick(0, 3);
  const std::vector<Ref<Window>> shown = Shown();
  if (lost == 3 && shown.size() < 2) lost = 2;
  const Ref<Window> other = lost == 3 ? shown[shown[0] == w ? 1 : 0] : nullptr;
  doing += std::vector<std::string>{", release", ", hidden", ", minimised", ", a menu opened", ", another in front"}[lost + 1] +
           (other ? " (" + other->ClassName() + ")" : "") + " at " + N(p.x()) + "," + N(p.y());
  QMenu menu;
  menu.addAction(QStringLiteral("Item"));
  if (lost == 0) w->SetVisible(false);
  else if (lost == 1) w->widget()->showMinimized();
  else if (lost == 2) menu.popup(QCursor::pos());
  else if (lost == 3) other->Show();
  test::ProcessPending();
  menu.close();
  if ((lost < 0 || Chance(50)) && !w->IsClosed()) test::Release(w, p.x(), p.y());
  if (lost >= 0 && !w->IsClosed()) w->Show();
}

void Choose(const std::string& item) {
  doing = "menu " + item;
  RunGuarded([&] { ChooseMenuItem(item); });
}

void Act() {
  const std::vector<Ref<Window>> shown = Shown();
  const Ref<Window> w = OneOf(shown);
  const int roll = Pick(1, 100);
  if (roll <= 45) {
    Gesture(w);
  } else if (roll <= 65) {
    doing = w->ClassName();
    Ticks(w);
  } else if (roll <= 76) {
    const Ref<PanelWindow> p = OneOf(Of<PanelWindow>(shown));
    doing = "Fast Fwd in " + p->ClassName();
    if (Ref<EditField> field = Cast<EditField>(p->ControlByName("EditFieldFastFwd"))) Type(field, Typed(1, 30));
    test::ClickButton(p->Named<PushButton>("PushButtonFastFwd"));
  } else if (const Ref<Window> d = GetImplicitWindow(WindowResetDrift::kClassName); roll <= 80 && d != nullptr) {
    doing = "Reset dialog:";
    Type(d->Named<EditField>("EditFieldPopSize"), Typed(1, 60));
    Type(d->Named<EditField>("EditFieldSeqLen"), Typed(1, 150));
    QTest::keyClick(d->Named<PopupMenu>("PopupMenuMutEffects")->widget(), Chance(50) ? Qt::Key_Down : Qt::Key_Up);
    test::ClickButton(d->Named<PushButton>(Chance(75) ? "PushButtonOkay" : "PushButtonCancel"));
  } else if (roll <= 90) {
    Choose(roll <= 80 ? "FileReset" : OneOf<std::string>({"FileReset", "SimulationDivergence", "SimulationTree",
        "AppleAboutMyApplication", "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"}));
  } else if (const std::vector<Ref<EditField>> fields = Of<EditField>(w->Controls()); roll <= 97 && !fields.empty()) {
    const Ref<EditField> field = OneOf(fields);
    doing = "typed";
    Type(field, Typed(0, 999));
    if (Chance(30)) QTest::keyClick(field->widget(), Qt::Key_Return);
  } else if (roll > 97 && (Cast<PanelWindow>(w) == nullptr || Of<PanelWindow>(shown).size() > 1)) {
    doing = "close " + w->ClassName();  // the last simulation window stays: closing it would end the program
    w->widget()->close();
  }
}

// The Tree window's populations, bars and lines agree with the splits made.
void CheckTree(const Ref<class WindowTree>& w) {
  const int32_t s = w->LastPopActivated, was = splitsSeen.contains(w.shared()) ? splitsSeen[w.shared()] : 0;
  const std::string tree = "Tree, " + N(s) + " splits after " + N(was) + ": ";
  Check(s >= was && s <= was + 1 && s <= 7, tree + "the splits did not grow by at most one, to at most 7");
  Check(w->numHLines == s, tree + "bars in use: " + N(w->numHLines));
  Check(w->numVLines == 2 * s, tree + "vertical lines in use: " + N(w->numVLines));
  Check(w->PopOrder.UBound() == s, tree + "populations in the tree order: " + N(w->PopOrder.UBound() + 1));
  const auto pop = [&](int32_t k) { return w->Named<driftCan>("myDriftCan", k); };
  std::vector<driftCan*> order;
  for (int32_t j = 0; j <= s; ++j) {
    order.push_back(w->PopOrder(j).get());
    Check(w->PopOrder(j)->Visible(), tree + "population " + N(j) + " in the tree order is hidden");
    Check(j == 0 || w->PopOrder(j)->Left() > w->PopOrder(j - 1)->Left(),
          tree + "population " + N(j) + " in the tree order is not right of the one before");
  }
  for (int32_t k = 0; k <= 7; ++k) {
    const Ref<Rectangle> frame = w->Named<Rectangle>("RectangleBound", k);
    const Ref<EditField> label = w->Named<EditField>("EditFieldPopLabel", k);
    const bool used = k <= s;
    const std::string population = tree + "population " + N(k) + (used ? ", in use" : ", not in use") + ": ";
    for (const auto& [part, shown] : {std::pair<std::string, bool>{"its canvas", pop(k)->Visible()},
                                      {"its frame", frame->Visible()},
                                      {"its label", label->Visible()}})
      Check(shown == used, population + part + (shown ? " is shown" : " is hidden"));
    if (used) {
      Check(pop(k)->Top() == pop(0)->Top(), population + "its canvas is not at the height of the first");
      Check(frame->Left() == pop(k)->Left() - 1 && frame->Top() == pop(k)->Top() - 1,
            population + "its frame is not round its canvas");
      Check(label->Left() == frame->Left() && label->Top() == frame->Top() - 17,
            population + "its label is not above its frame");
    }
    if (k == 0) continue;
    const Ref<HLine> bar = w->Named<HLine>("myHLine", k);
    const Ref<VLine> left = w->Named<VLine>("myVLine", 2 * k - 1), right = w->Named<VLine>("myVLine", 2 * k);
    const std::string b = tree + "bar " + N(k) + (used ? ", in use" : ", not in use") + ": ";
    for (const auto& [part, shown] : {std::pair<std::string, bool>{"it", bar->Visible()},
                                      {"its left vertical line", left->Visible()},
                                      {"its right vertical line", right->Visible()}})
      Check(shown == used, b + part + (shown ? " is shown" : " is hidden"));
    if (!used) continue;
    // The parent's side, then the new population's, side by side in tree order.
    Check(bar->LeftEnd.UBound() >= 0 && bar->RightEnd.UBound() >= 0, b + "a group of its ends is empty");
    Check(bar->RightEnd(0) == pop(k), b + "its right group does not start with the population its split made");
    std::vector<driftCan*> sides;
    for (const Array<Ref<driftCan>>* end : {&bar->LeftEnd, &bar->RightEnd})
      for (int32_t i = 0; i <= end->UBound(); ++i) sides.push_back((*end)(i).get());
    Check(std::search(order.begin(), order.end(), sides.begin(), sides.end()) != order.end(),
          b + "its groups are not side by side in the tree order");
    Check(bar->leftVLine == left && bar->rightVLine == right, b + "it does not hold its own vertical lines");
    const int32_t depth = bar->TimeDepth;
    Check(bar->X1() < bar->X2() && bar->Y1() == depth && bar->Y2() == depth, b + "it is not level at its time depth");
    Check(left->X1() == bar->X1() && left->X2() == bar->X1() && left->Y2() == depth,
          b + "its left vertical line does not come down to its left end");
    Check(right->X1() == bar->X2() && right->X2() == bar->X2() && right->Y2() == depth,
          b + "its right vertical line does not come down to its right end");
  }
  Check((w->Named<Timer>("TimerWait")->Mode() == 2) == (w->Named<PushButton>("PushButtonFastFwd")->Caption() == "Pause"),
        tree + "the button does not show Pause exactly while the run is on");
}

void CheckInvariants() {
  Check(!Of<PanelWindow>(Shown()).empty(), "no simulation window is on screen");
  std::set<std::string> classes;
  std::map<std::shared_ptr<Window>, int32_t> splits;
  for (const Ref<Window>& w : WindowsFrontToBack()) {
    Check(classes.insert(w->ClassName()).second, "more than one live " + w->ClassName());
    Check(GetImplicitWindow(w->ClassName()) == w, w->ClassName() + " is not the window its accessor answers");
    for (const Ref<SpriteCanvas>& c : Of<SpriteCanvas>(w->Controls())) {
      const std::string which = w->ClassName() + " " + c->Name() + "(" + N(c->Index()) + ")";
      Check(c->AniTrons.UBound() >= 0, which + ": no element 0");
      Check(c->AniTrons(0) == nullptr, which + ": element 0 is not empty");
      for (int32_t i = 1; i <= c->AniTrons.UBound(); ++i)
        Check(Cast<virionTron>(c->AniTrons(i)) != nullptr, which + ": element " + N(i) + " is no virion");
      Check(Cast<displayCan>(c) == nullptr || c->AniTrons.UBound() <= 1, which + ": a slot holds more than one virion");
      Check(!c->processingClick, which + ": left in the middle of a click");
    }
    if (Ref<PanelWindow> p = Cast<PanelWindow>(w)) {
      const Ref<popupSpriteCan> card = p->Named<popupSpriteCan>("myPopupVirionData");  // pictureless until first used
      const std::string after = " after the release";
      Check(p->DragTron == nullptr, w->ClassName() + ": a virion is still held" + after);
      Check(!p->Named<popupSpriteCan>("MyPopUpVirion")->Visible(),
            w->ClassName() + ": the held virion still shows" + after);
      Check(!card->Visible() || card->Backdrop() == nullptr,
            w->ClassName() + ": the data card still shows a virion" + after);
      Check(card->layer() == nullptr, w->ClassName() + ": the data card's layer is still up" + after);
      for (int32_t i = 0; i <= 1; ++i) {
        const Ref<displayCan> slot = p->Named<displayCan>("MyDisplayCan", i);
        Check(p->Named<Listbox>("ListBoxSequence")->Cell(i, 0) ==
                  (slot->AniTrons.UBound() < 1 ? "" : coretest::Text(Cast<virionTron>(slot->AniTrons(1))->Sequence, 1)),
              w->ClassName() + ": list row " + N(i) + " does not tell the virion in its slot");
      }
    }
    if (Cast<class WindowDiverge>(w) != nullptr)
      Check(w->Named<PushButton>("PushButtonFastFwd")->Enabled() == (w->Named<Timer>("TimerWait")->Mode() == 0),
            "Divergence: Fast Fwd is not disabled exactly while a run is on");
    if (Ref<class WindowTree> t = Cast<class WindowTree>(w)) CheckTree(t), splits[w.shared()] = t->LastPopActivated;
  }
  splitsSeen = std::move(splits);
  const QWidgetList tops = QApplication::topLevelWidgets();
  Check(std::none_of(tops.begin(), tops.end(), [](QWidget* t) { return t->isVisible() && t->windowType() == Qt::ToolTip; }),
        "a layer is on screen after the release");
}

void Run() {
  std::printf("%s\n", test::SettingsInEffect().c_str());
  test::MessageBoxes boxes;
  dice.seed(seed);
  Globals::myRAlea->setSeed(seed);
  doing = "found the Divergence window again from the seed";
  WindowDiverge()->widget()->close();
  Choose("SimulationDivergence");
  for (long n = 1; n <= actions && !failed; ++n) {
    try {
      if (n > 1) Act();
      test::ProcessPending();
      for (const Ref<Window>& w : WindowsFrontToBack())  // the timers tick only when the monkey ticks them
        for (const Ref<Timer>& t : Of<Timer>(w->Controls())) t->SetPeriod(24 * 3600 * 1000);
      if (std::exception_ptr e = TakeUnhandledException()) doing += "; an exception escaped", std::rethrow_exception(e);
      CheckInvariants();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "monkey: seed %u, action %ld (%s): %s\n", seed, n, doing.c_str(), e.what());
      failed = true;
    }
  }
  if (!failed) std::printf("monkey: seed %u, %ld actions, every check held\n", seed, actions);
  finished = true;
  Quit();
}

// Called as the program's runtime starts: once the application has opened, the monkey runs from the event loop.
void Start() {
  auto* wait = new QTimer(QCoreApplication::instance());
  QObject::connect(wait, &QTimer::timeout, [wait] {
    if (GetImplicitWindow(WindowSplash::kClassName) != nullptr) { wait->stop(); Run(); }
  });
  wait->start(0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) seed = static_cast<unsigned>(std::stoul(argv[1]));
  if (argc > 2) actions = std::stol(argv[2]);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  test::QuietHeadlessNotes();
  qAddPreRoutine(Start);
  const int status = ProgramEntry(argc, argv);
  return finished && !failed ? status : 1;
}
