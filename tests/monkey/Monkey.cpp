// The monkey: starts the program as its entry does and, from a seed, sends it
// thousands of random user actions as real input events: presses, drags and
// releases over virions, canvases, slots, buttons and empty space, while the
// simulations run and while they are paused (a press on a running Tree
// population splits it); Fast Fwd with random text; the Reset dialog with
// random and hostile values; the menu commands; closing windows and opening
// them again. Every message box is dismissed. After every action it checks what
// must always hold; on a failure it prints the seed and the action number and
// the program ends with status 1.
//
// A run replays exactly: the program's generator is seeded from the monkey's
// seed and the Divergence window founded again with it, and the windows' timers
// tick only when the monkey ticks them.
//   monkey SEED ACTIONS
#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

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
bool finished = false;
bool failed = false;
// What the present action does, for the report of a failure.
std::string doing;
// The monkey's own choices; the program draws from Globals::myRAlea.
std::mt19937 dice;
// Splits seen in each open Tree window after the last action.
std::map<std::shared_ptr<Window>, int32_t> splitsSeen;

int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(dice); }
bool Chance(int percent) { return Pick(1, 100) <= percent; }
template <class T>
T OneOf(const std::vector<T>& v) {
  return v[static_cast<size_t>(Pick(0, static_cast<int>(v.size()) - 1))];
}

void Check(bool holds, const std::string& what) {
  if (!holds) throw std::runtime_error(what);
}

// The members of list that are of class C, in order.
template <class C, class L>
std::vector<Ref<C>> Of(const L& list) {
  std::vector<Ref<C>> found;
  for (const auto& x : list) {
    if (Ref<C> typed = Cast<C>(x)) found.push_back(typed);
  }
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
  return Chance(50) ? std::to_string(Pick(lo, hi)) : OneOf(odd);
}

QPoint Inside(const Ref<RectControl>& c) { return {c->Left() + Pick(0, c->Width()), c->Top() + Pick(0, c->Height())}; }

// A point of w's content area: over a virion, on a sprite canvas or its edge,
// on any control, or anywhere.
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
  doing += ", " + std::to_string(n) + " ticks";
  for (const Ref<Timer>& t : Of<Timer>(w->Controls())) {
    for (int i = 0; i < n && !w->IsClosed(); ++i) t->Tick();
  }
}

std::string At(QPoint p) { return std::to_string(p.x()) + "," + std::to_string(p.y()); }

void Gesture(const Ref<Window>& w) {
  QPoint p = Target(w);
  doing = "press in " + w->ClassName() + " at " + At(p);
  test::Press(w, p.x(), p.y());
  for (int moves = Pick(0, 3); moves > 0 && !w->IsClosed(); --moves) {
    if (Chance(20)) Ticks(w);
    p = Target(w);
    test::Move(w, p.x(), p.y());
  }
  doing += ", release at " + At(p);
  if (!w->IsClosed()) test::Release(w, p.x(), p.y());
}

void Type(const Ref<EditField>& field, const std::string& text) {
  doing += " \"" + text.substr(0, 20) + "\" into " + field->Name();
  test::TypeInto(field, text);
}

void Choose(const std::string& item) {
  doing = "menu " + item;
  RunGuarded([&] { ChooseMenuItem(item); });
}

void FastFwd(const Ref<PanelWindow>& w) {
  doing = "Fast Fwd in " + w->ClassName();
  if (Ref<EditField> field = Cast<EditField>(w->ControlByName("EditFieldFastFwd"))) Type(field, Typed(1, 30));
  test::ClickButton(w->Named<PushButton>("PushButtonFastFwd"));
}

void Reset() {
  const Ref<Window> dialog = GetImplicitWindow(WindowResetDrift::kClassName);
  if (dialog == nullptr) return Choose("FileReset");
  doing = "Reset dialog:";
  Type(dialog->Named<EditField>("EditFieldPopSize"), Typed(1, 60));
  Type(dialog->Named<EditField>("EditFieldSeqLen"), Typed(1, 150));
  QTest::keyClick(dialog->Named<PopupMenu>("PopupMenuMutEffects")->widget(), Chance(50) ? Qt::Key_Down : Qt::Key_Up);
  test::ClickButton(dialog->Named<PushButton>(Chance(75) ? "PushButtonOkay" : "PushButtonCancel"));
}

void TypeSomewhere(const Ref<Window>& w) {
  const std::vector<Ref<EditField>> fields = Of<EditField>(w->Controls());
  if (fields.empty()) return;
  const Ref<EditField> field = OneOf(fields);
  doing = "typed";
  Type(field, Typed(0, 999));
  if (Chance(30)) QTest::keyClick(field->widget(), Qt::Key_Return);
}

void CloseOne(const Ref<Window>& w) {
  doing = "close " + w->ClassName();
  if (Cast<PanelWindow>(w) != nullptr && Of<PanelWindow>(Shown()).size() < 2) return;
  w->widget()->close();
}

void Act() {
  const std::vector<Ref<Window>> shown = Shown();
  const int roll = Pick(1, 100);
  if (roll <= 45) {
    Gesture(OneOf(shown));
  } else if (roll <= 65) {
    const Ref<Window> w = OneOf(shown);
    doing = w->ClassName();
    Ticks(w);
  } else if (roll <= 76) {
    FastFwd(OneOf(Of<PanelWindow>(Shown())));
  } else if (roll <= 80) {
    Reset();
  } else if (roll <= 90) {
    Choose(OneOf<std::string>({"FileReset", "SimulationDivergence", "SimulationTree", "AppleAboutMyApplication",
                               "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"}));
  } else if (roll <= 97) {
    TypeSomewhere(OneOf(shown));
  } else {
    CloseOne(OneOf(shown));
  }
}

// The windows' timers tick only when the monkey ticks them.
void HoldTimers() {
  for (const Ref<Window>& w : WindowsFrontToBack()) {
    for (const Ref<Timer>& t : Of<Timer>(w->Controls())) t->SetPeriod(24 * 3600 * 1000);
  }
}

void CheckTree(const Ref<class WindowTree>& w) {
  const int32_t s = w->LastPopActivated;
  const auto seen = splitsSeen.find(w.shared());
  const int32_t was = seen == splitsSeen.end() ? 0 : seen->second;
  Check(s >= was && s <= was + 1, "Tree: splits went from " + std::to_string(was) + " to " + std::to_string(s));
  Check(s <= 7 && w->numHLines == s && w->numVLines == 2 * s && w->PopOrder.UBound() == s,
        "Tree: the counts of populations, bars and lines disagree with " + std::to_string(s) + " splits");
  const auto pop = [&](int32_t k) { return w->Named<driftCan>("myDriftCan", k); };
  const auto upright = [&](int32_t v) { return w->Named<VLine>("myVLine", v); };
  for (int32_t k = 0; k <= 7; ++k) {
    const Ref<Rectangle> frame = w->Named<Rectangle>("RectangleBound", k);
    const Ref<EditField> label = w->Named<EditField>("EditFieldPopLabel", k);
    const bool used = k <= s;
    Check(pop(k)->Visible() == used && frame->Visible() == used && label->Visible() == used &&
              (!used || (pop(k)->Top() == pop(0)->Top() && frame->Left() == pop(k)->Left() - 1 &&
                         frame->Top() == pop(k)->Top() - 1 && label->Left() == frame->Left() &&
                         label->Top() == frame->Top() - 17)),
          "Tree: population " + std::to_string(k) + ", its frame and its label disagree with the splits");
  }
  std::vector<driftCan*> order;
  for (int32_t j = 0; j <= s; ++j) {
    order.push_back(w->PopOrder(j).get());
    Check(w->PopOrder(j)->Visible() && (j == 0 || w->PopOrder(j)->Left() > w->PopOrder(j - 1)->Left()),
          "Tree: the tree order is not the populations in use from left to right");
  }
  for (int32_t m = 1; m <= 7; ++m) {
    const Ref<HLine> bar = w->Named<HLine>("myHLine", m);
    const std::string which = "Tree: bar " + std::to_string(m);
    Check(bar->Visible() == (m <= s), which + " is shown or hidden against the splits");
    if (m > s) continue;
    // The parent's side, then the new population's, side by side in tree order.
    std::vector<driftCan*> sides;
    for (const Array<Ref<driftCan>>* end : {&bar->LeftEnd, &bar->RightEnd}) {
      Check(end->UBound() >= 0, which + " has an empty end");
      for (int32_t i = 0; i <= end->UBound(); ++i) sides.push_back((*end)(i).get());
    }
    Check(bar->RightEnd(0) == pop(m) &&
              std::search(order.begin(), order.end(), sides.begin(), sides.end()) != order.end(),
          which + " does not join the populations its split made");
    Check(bar->leftVLine == upright(2 * m - 1) && bar->rightVLine == upright(2 * m) && bar->X1() < bar->X2() &&
              bar->Y1() == bar->TimeDepth && bar->Y2() == bar->TimeDepth,
          which + " is misplaced or has the wrong lines");
    for (const auto& [line, x] : {std::pair{bar->leftVLine, bar->X1()}, std::pair{bar->rightVLine, bar->X2()}}) {
      Check(line->X1() == x && line->X2() == x && line->Y2() == bar->TimeDepth, which + " has lost a vertical line");
    }
  }
  for (int32_t v = 1; v <= 14; ++v) {
    Check(upright(v)->Visible() == (v <= 2 * s), "Tree: vertical line " + std::to_string(v) + " is shown wrongly");
  }
  const bool running = w->Named<Timer>("TimerWait")->Mode() == 2;
  Check(running == (w->Named<PushButton>("PushButtonFastFwd")->Caption() == "Pause"),
        "Tree: the button does not show Pause exactly while the run is on");
}

void CheckInvariants() {
  // Closing the last simulation window would end the program: the monkey keeps one.
  Check(!Of<PanelWindow>(Shown()).empty(), "no simulation window is on screen");
  std::set<std::string> classes;
  std::map<std::shared_ptr<Window>, int32_t> splits;
  for (const Ref<Window>& w : WindowsFrontToBack()) {
    Check(classes.insert(w->ClassName()).second && GetImplicitWindow(w->ClassName()) == w,
          "more than one live " + w->ClassName());
    for (const Ref<SpriteCanvas>& c : Of<SpriteCanvas>(w->Controls())) {
      const std::string which = w->ClassName() + " " + c->Name() + "(" + std::to_string(c->Index()) + ")";
      Check(c->AniTrons.UBound() >= 0 && c->AniTrons(0) == nullptr, which + ": element 0 is not empty");
      for (int32_t i = 1; i <= c->AniTrons.UBound(); ++i) {
        Check(Cast<virionTron>(c->AniTrons(i)) != nullptr, which + ": element " + std::to_string(i) + " is no virion");
      }
      Check(Cast<displayCan>(c) == nullptr || c->AniTrons.UBound() <= 1, which + ": a slot holds more than one virion");
      Check(!c->processingClick, which + ": left in the middle of a click");
    }
    if (Ref<PanelWindow> p = Cast<PanelWindow>(w)) {
      Check(p->DragTron == nullptr && !p->Named<popupSpriteCan>("MyPopUpVirion")->Visible(),
            w->ClassName() + ": a virion is still held after the release");
    }
    if (Ref<class WindowDiverge> d = Cast<class WindowDiverge>(w)) {
      const bool running = d->Named<Timer>("TimerWait")->Mode() != 0;
      Check(d->Named<PushButton>("PushButtonFastFwd")->Enabled() != running,
            "Divergence: Fast Fwd is not disabled exactly while a run is on");
    }
    if (Ref<class WindowTree> t = Cast<class WindowTree>(w)) {
      CheckTree(t);
      splits[w.shared()] = t->LastPopActivated;
    }
  }
  splitsSeen = std::move(splits);
}

void Run() {
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
      HoldTimers();
      if (std::exception_ptr e = TakeUnhandledException()) {
        doing += "; an exception escaped";
        std::rethrow_exception(e);
      }
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

// Called as the program's runtime starts: once the application has opened, the
// monkey runs from the event loop.
void Start() {
  auto* wait = new QTimer(QCoreApplication::instance());
  wait->setInterval(0);
  QObject::connect(wait, &QTimer::timeout, [wait] {
    if (GetImplicitWindow(WindowSplash::kClassName) == nullptr) return;
    wait->stop();
    Run();
  });
  wait->start();
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
