#pragma once
// Shared by the Divergence tests: the window shown and driven as a user drives
// it, with its timer ticked by the test, and virions found and made.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../core/CoreTestSupport.h"
#include "ProgramTest.h"
#include "TextNumber.h"
#include "WindowDiverge.h"
#include "virionTron.h"

namespace divtest {

using Point = std::pair<int32_t, int32_t>;

inline const std::string kNotPositive = "The number of generations for fast forward must be a positive integer.";
inline const std::string kAbove500 = "The maximum number of generations for fast forward is 500.";

class DivergenceTest : public test::ProgramTest {
protected:
  // Every window founds a population: the draws are made reproducible.
  void SetUp() override {
    test::ProgramTest::SetUp();
    Seed(1);
  }

  // The window, shown. Its timer keeps its mode, but only the test's Tick
  // delivers ticks, so that every count of ticks is exact.
  Ref<class WindowDiverge> Open() {
    Ref<class WindowDiverge> w = WindowDiverge();
    w->Show();
    w->Named<Timer>("TimerWait")->SetPeriod(24 * 3600 * 1000);
    return w;
  }
  static void Tick(const Ref<class WindowDiverge>& w) { w->Named<Timer>("TimerWait")->Tick(); }
  static Ref<driftCan> Patient(const Ref<class WindowDiverge>& w, int32_t i) {
    return w->Named<driftCan>("myDriftCan", i);
  }
  static Ref<displayCan> Slot(const Ref<class WindowDiverge>& w, int32_t i) {
    return w->Named<displayCan>("MyDisplayCan", i);
  }
  static std::string Text(const Ref<class WindowDiverge>& w, const std::string& name, int32_t index = kNoIndex) {
    return index == kNoIndex ? w->Named<StaticText>(name)->Text() : w->Named<StaticText>(name, index)->Text();
  }
  static std::string Generations(const Ref<class WindowDiverge>& w, int32_t i) { return Text(w, "GenCounter", i); }
  static std::string Row(const Ref<class WindowDiverge>& w, int32_t i) {
    return w->Named<Listbox>("ListBoxSequence")->Cell(i, 0);
  }
  static int32_t Mode(const Ref<class WindowDiverge>& w) { return w->Named<Timer>("TimerWait")->Mode(); }
  static bool ButtonEnabled(const Ref<class WindowDiverge>& w) {
    return w->Named<PushButton>("PushButtonFastFwd")->Enabled();
  }

  // Types text into the generations field and clicks Fast Fwd; the texts of
  // the message boxes that came up.
  static std::vector<std::string> FastFwd(const Ref<class WindowDiverge>& w, const std::string& text) {
    test::MessageBoxes boxes;
    test::TypeInto(w->Named<EditField>("EditFieldFastFwd"), text);
    test::ClickButton(w->Named<PushButton>("PushButtonFastFwd"));
    return boxes.Texts();
  }

  // The window point over sprite t of canvas c, (dx, dy) from its top-left corner.
  static Point On(const Ref<SpriteCanvas>& c, const Ref<aniTron>& t, int32_t dx = 6, int32_t dy = 6) {
    return {c->Left() + t->X + dx, c->Top() + t->Y + dy};
  }
  static Point Centre(const Ref<RectControl>& c) { return {c->Left() + c->Width() / 2, c->Top() + c->Height() / 2}; }
  static void Drag(const Ref<Window>& w, Point from, Point to) {
    test::Press(w, from.first, from.second);
    test::Move(w, to.first, to.second);
    test::Release(w, to.first, to.second);
  }

  static bool Holds(const Ref<SpriteCanvas>& c, const Ref<aniTron>& t) {
    for (int32_t i = 1; i <= c->AniTrons.UBound(); ++i) {
      if (c->AniTrons(i) == t) return true;
    }
    return false;
  }
};

// The letters of a virion's sequence, joined.
inline std::string Letters(const Ref<aniTron>& t) {
  const Ref<cArray> s = Cast<virionTron>(t)->Sequence;
  std::string joined;
  for (int32_t k = 1; k <= s->ubound(); ++k) joined += s->get(k).StringValue();
  return joined;
}

// A virion as a founding makes one: a 12-pixel black dot at (x, y) of fitness
// 100, holding the given letters.
inline Ref<virionTron> MakeVirion(const std::string& letters, int32_t x, int32_t y) {
  Ref<virionTron> v = New<virionTron>();
  v->X = x, v->Y = y, v->width = 12, v->height = 12, v->Fitness = 100.0;
  v->Sequence = New<cArray>();
  v->Sequence->Constructor(Len(letters));
  for (int32_t k = 1; k <= Len(letters); ++k) v->Sequence->set(k, Mid(letters, k, 1));
  return v;
}

}  // namespace divtest
