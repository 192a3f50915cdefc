#pragma once
// Shared by the tests of the two simulation windows: driven as a user does, read as one line.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

#include "ProgramTest.h"
#include "WindowDiverge.h"
#include "WindowTree.h"
#include "virionTron.h"

namespace simtest {

using Point = std::pair<int32_t, int32_t>;

// The values written out with a blank between each two.
template <class First, class... Rest>
std::string Join(const First& first, const Rest&... rest) {
  std::ostringstream s;
  s << first;
  ((s << ' ' << rest), ...);
  return s.str();
}


// The window, shown; only Tick delivers its ticks (each as the event loop does), one by one.
template <class W>
Ref<W> Open(const Ref<W>& w) {
  w->Show();
  w->template Named<Timer>("TimerWait")->SetPeriod(24 * 3600 * 1000);
  return w;
}
inline void Tick(const Ref<Window>& w, int n = 1) {
  while (n-- > 0) w->Named<Timer>("TimerWait")->Tick();
}
inline Ref<driftCan> Pop(const Ref<Window>& w, int32_t i) { return w->Named<driftCan>("myDriftCan", i); }
inline Ref<displayCan> Slot(const Ref<Window>& w, int32_t i) { return w->Named<displayCan>("MyDisplayCan", i); }
inline std::string Text(const Ref<Window>& w, const std::string& name, int32_t index = kNoIndex) {
  return w->Named<StaticText>(name, index)->Text();
}
inline std::string Letters(const Ref<aniTron>& t) { return coretest::Text(Cast<virionTron>(t)->Sequence, 1); }
// Each slot's list row and source label, then the difference count.
inline std::string Slots(const Ref<Window>& w) {
  const Ref<Listbox> list = w->Named<Listbox>("ListBoxSequence");
  return list->Cell(0, 0) + "/" + Text(w, "StaticTextSourcePop", 0) + " " + list->Cell(1, 0) + "/" +
         Text(w, "StaticTextSourcePop", 1) + " #" + Text(w, "StaticTextNumDiffs");
}
// The window point 2 pixels into sprite t of canvas c.
inline Point On(const Ref<SpriteCanvas>& c, const Ref<aniTron>& t) {
  return {c->Left() + t->X + 2, c->Top() + t->Y + 2};
}
inline Point Centre(const Ref<RectControl>& c) { return {c->Left() + c->Width() / 2, c->Top() + c->Height() / 2}; }
inline void Press(const Ref<Window>& w, Point p) { test::Press(w, p.first, p.second); }
inline void Drag(const Ref<Window>& w, Point from, Point to) {
  Press(w, from);
  test::Move(w, to.first, to.second);
  test::Release(w, to.first, to.second);
}
inline bool Holds(const Ref<SpriteCanvas>& c, const Ref<aniTron>& t) {
  for (int32_t i = 1; i <= c->AniTrons.UBound(); ++i)
    if (c->AniTrons(i) == t) return true;
  return false;
}

}  // namespace simtest
