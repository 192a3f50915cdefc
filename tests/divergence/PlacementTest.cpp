// Where windows open: wherever a placement puts one, its frame's top-left corner lies in the
// screen's available area, so that its title bar can be grabbed; a place the program gives stays
// exact. CTest runs these again on a small screen set off from the origin (small-screen.json, at a
// scale factor of 2: 640 by 512 at 200, 100), where the Tree window does not fit; the headless
// platform frames every window with a margin of its own.
#include <QGuiApplication>
#include <QScreen>

#include "DivergenceSupport.h"
#include "Menu.h"
#include "WindowResetDrift.h"

namespace {

using namespace simtest;
using Placement = test::ProgramTest;

QRect Area() { return QGuiApplication::primaryScreen()->availableGeometry(); }
QRect Frame(const Ref<Window>& w) { return w->widget()->frameGeometry(); }
QMargins FrameMargins(const Ref<Window>& w) {
  const QRect frame = Frame(w), client = w->widget()->geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
}
std::string Text(const QRect& r) { return Join(r.x(), r.y(), r.width(), r.height()); }
std::string Text(const QPoint& p) { return Join(p.x(), p.y()); }
// The window shown and active, as it is once the window system has shown it.
bool Settled(const Ref<Window>& w) { return w->Visible() && w->widget()->isActiveWindow(); }

// The place a window's client area is first shown at (its first move), before anything learnt
// of its own frame can move it.
class FirstPlace : public QObject {
public:
  QRect place;

protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Move && place.isNull()) place = static_cast<QWidget*>(o)->geometry();
    return false;
  }
};

// Opened from a window already framed, it opens with its frame on the screen, taken to be like
// that window's, rather than being moved there once its own is known.
TEST_F(Placement, TheTreeOpenedFromTheDivergenceWindowOpensWithItsTitleBarOnTheScreen) {
  Ref<class WindowDiverge> diverge = Open(WindowDiverge());
  ASSERT_TRUE(test::ProcessUntil([&] { return Settled(diverge); }));
  const Ref<class WindowTree> tree = WindowTree();
  ASSERT_FALSE(tree->Visible());
  FirstPlace shown;
  tree->widget()->installEventFilter(&shown);
  ASSERT_TRUE(ChooseMenuItem("SimulationTree"));
  ASSERT_TRUE(test::ProcessUntil([&] { return Settled(tree); }));
  tree->widget()->removeEventFilter(&shown);
  const QRect opened = shown.place.marginsAdded(FrameMargins(tree));
  EXPECT_GE(opened.left(), Area().left()) << "frame " << Text(opened) << ", screen " << Text(Area());
  EXPECT_GE(opened.top(), Area().top()) << "frame " << Text(opened) << ", screen " << Text(Area());
}

// Opened with no window framed before it, its own frame brings it onto the screen once known.
TEST_F(Placement, TheTreeOpenedFirstComesOntoTheScreenOnceItsFrameIsKnown) {
  Ref<class WindowTree> tree = Open(WindowTree());
  ASSERT_TRUE(test::ProcessUntil([&] { return Settled(tree); }));
  // The move may come after the window is shown; whether it came is what is checked below.
  test::ProcessUntil([&] { return Area().contains(Frame(tree).topLeft()); }, 1000);
  EXPECT_GE(Frame(tree).left(), Area().left()) << "frame " << Text(Frame(tree)) << ", screen " << Text(Area());
  EXPECT_GE(Frame(tree).top(), Area().top()) << "frame " << Text(Frame(tree)) << ", screen " << Text(Area());
}

// The Reset dialog opens centred on the window in front, here one the user left in the screen's
// bottom right corner, and is kept wholly on the screen, which it fits.
TEST_F(Placement, TheResetDialogOverAWindowInACornerStaysOnTheScreen) {
  Ref<class WindowDiverge> diverge = Open(WindowDiverge());
  diverge->SetLeft(Area().right() - 150);
  diverge->SetTop(Area().bottom() - 100);
  ASSERT_TRUE(test::ProcessUntil([&] { return Settled(diverge); }));
  ASSERT_TRUE(ChooseMenuItem("FileReset"));
  const Ref<Window> dialog = GetImplicitWindow(WindowResetDrift::kClassName);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(test::ProcessUntil([&] { return Settled(dialog); }));
  EXPECT_TRUE(Area().contains(Frame(dialog))) << "frame " << Text(Frame(dialog)) << ", screen " << Text(Area());
}

// As Reset restarts a window: shown, then put back where the user had it, here in the screen's
// bottom right corner, most of it off the screen. It stays there: only placements keep windows on
// the screen.
TEST_F(Placement, APlaceTheProgramGivesStaysExactThoughTheWindowHangsOffTheScreen) {
  Ref<class WindowDiverge> diverge = WindowDiverge();
  diverge->Show();
  const QPoint corner = Area().bottomRight() - QPoint(150, 100);
  diverge->SetTop(corner.y());
  diverge->SetLeft(corner.x());
  ASSERT_TRUE(test::ProcessUntil([&] { return Settled(diverge); }));
  test::ProcessPending();
  EXPECT_EQ(Join(diverge->Left(), diverge->Top()), Text(corner)) << "as read back";
  EXPECT_EQ(Text(diverge->content()->mapToGlobal(QPoint(0, 0))), Text(corner)) << "on the screen";
}

}  // namespace
