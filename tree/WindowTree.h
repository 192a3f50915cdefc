#pragma once
// The Tree window: one population, founded from a single virion, lives in a
// small canvas at the bottom of a green tree area. While it runs, a repeating
// timer runs one generation per tick in every visible population and, every
// third generation, moves them all up a pixel, so that height stands for time.
// A click on a running population splits it: a new population is founded from
// one of its virions, placed beside it, and bars and lines draw the tree of
// splits. The run stops by itself after generation 1000. While it is paused,
// the inspection panel works on the window's populations.

#include <cstdint>
#include <string>
#include <vector>

#include "Array.h"
#include "Controls.h"
#include "Layout.h"
#include "PanelWindow.h"
#include "TreeLines.h"
#include "counter.h"

inline constexpr char kTreeDisplayCan[] = "MyDisplayCan";
inline constexpr char kTreeSourcePop[] = "StaticTextSourcePop";
inline constexpr char kRectangleBound[] = "RectangleBound";
inline constexpr char kTreeDriftCan[] = "myDriftCan";
inline constexpr char kEditFieldPopLabel[] = "EditFieldPopLabel";
inline constexpr char kMyHLine[] = "myHLine";
inline constexpr char kMyVLine[] = "myVLine";

class WindowTree : public PanelWindow {
public:
  static constexpr const char* kClassName = "WindowTree.WindowTree";
  std::string ClassName() const override { return kClassName; }

  // The highest population index in use: the number of splits made.
  int32_t LastPopActivated = 0;
  // The populations in use, in left-to-right tree order.
  Array<Ref<driftCan>> PopOrder;
  // Bars in use: myHLine(1) to myHLine(numHLines); vertical lines likewise.
  int32_t numHLines = 0;
  int32_t numVLines = 0;

  class MyDisplayCan : public ArrayElement<displayCan, WindowTree, kTreeDisplayCan> {};
  class StaticTextSourcePop : public ArrayElement<StaticText, WindowTree, kTreeSourcePop> {};
  class TimerWait : public Timer {};
  class RectangleBound : public ArrayElement<Rectangle, WindowTree, kRectangleBound> {};
  class myDriftCan : public ArrayElement<driftCan, WindowTree, kTreeDriftCan> {};
  class EditFieldPopLabel : public ArrayElement<EditField, WindowTree, kEditFieldPopLabel> {};
  class myHLine : public ArrayElement<HLine, WindowTree, kMyHLine> {};
  class myVLine : public ArrayElement<VLine, WindowTree, kMyVLine> {};

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  virtual void CreateControls1();
  virtual void myRootline_Open(const Ref<RootLine>& Me);
  virtual void PushButtonFastFwd_Action(const Ref<PushButton>& Me);
  virtual void TimerWait_Action(const Ref<Timer>& Me);
  virtual void myDriftCan_SetProperties(const Ref<driftCan>& Me);
  void AddMenuHandlers(const Ref<Window>& w) override;
  void Event_EnableMenuItems() override;
  // While running, a click on a population splits it and is never claimed;
  // otherwise the press belongs to the inspection panel.
  bool Event_MouseDown(int32_t x, int32_t y) override;
  void Event_Open() override;
  virtual bool FileReset_Action();

  static std::vector<ControlRecord> ControlTable();

protected:
  int32_t PopulationCount() const override { return 8; }
  void WriteSourceLabel(int32_t i) override;

private:
  // The running branch of the mouse-down.
  bool Split(int32_t x, int32_t y);
  bool Running() const;
  Ref<Rectangle> Bound(int32_t k) const { return Named<Rectangle>("RectangleBound", k); }
  Ref<EditField> PopLabel(int32_t k) const { return Named<EditField>("EditFieldPopLabel", k); }
  Ref<HLine> Bar(int32_t m) const { return Named<HLine>("myHLine", m); }
  Ref<VLine> Upright(int32_t m) const { return Named<VLine>("myVLine", m); }
};

// The window's one instance; a new one is made hidden, with population 0 founded.
Ref<class WindowTree> WindowTree();
