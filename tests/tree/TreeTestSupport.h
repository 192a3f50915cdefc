#pragma once
// Shared by the Tree window's tests.

#include "ProgramTest.h"
#include "WindowTree.h"

namespace treetest {

class TreeTest : public test::ProgramTest {
protected:
  Ref<class WindowTree> Open() {
    Ref<class WindowTree> w = WindowTree();
    w->Show();
    return w;
  }
  static Ref<driftCan> Pop(const Ref<class WindowTree>& w, int k) { return w->Named<driftCan>("myDriftCan", k); }
  static Ref<Rectangle> Frame(const Ref<class WindowTree>& w, int k) { return w->Named<Rectangle>("RectangleBound", k); }
  static Ref<EditField> Label(const Ref<class WindowTree>& w, int k) {
    return w->Named<EditField>("EditFieldPopLabel", k);
  }
  static Ref<HLine> Bar(const Ref<class WindowTree>& w, int m) { return w->Named<HLine>("myHLine", m); }
  static Ref<VLine> Upright(const Ref<class WindowTree>& w, int m) { return w->Named<VLine>("myVLine", m); }
  static Ref<counter> CountUp(const Ref<class WindowTree>& w) { return w->Named<counter>("CountUp"); }
  static Ref<PushButton> Button(const Ref<class WindowTree>& w) { return w->Named<PushButton>("PushButtonFastFwd"); }
  static Ref<Timer> Ticker(const Ref<class WindowTree>& w) { return w->Named<Timer>("TimerWait"); }
  static Ref<RootLine> Root(const Ref<class WindowTree>& w) { return w->Named<RootLine>("myRootline"); }
  // One tick, as the event loop would deliver it.
  static void Tick(const Ref<class WindowTree>& w) { Ticker(w)->Tick(); }
  // A real click at the centre of population k's canvas.
  static void ClickPopulation(const Ref<class WindowTree>& w, int k) {
    Ref<driftCan> c = Pop(w, k);
    test::Click(w, c->Left() + c->Width() / 2, c->Top() + c->Height() / 2);
  }
};

}  // namespace treetest
