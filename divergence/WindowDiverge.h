#pragma once
// The Divergence window: Patient Zero, founded from one random virion when the
// window opens, and Patient One, empty; virions are dragged between them and
// into the inspection panel, and "Fast Fwd" runs both patients forward by a
// typed number of generations, 1 to 500, one generation each per 100 ms tick.

#include <cstdint>
#include <string>
#include <vector>

#include "Controls.h"
#include "Layout.h"
#include "PanelWindow.h"
#include "counter.h"

inline constexpr char kMyDisplayCan[] = "MyDisplayCan";
inline constexpr char kStaticTextSourcePop[] = "StaticTextSourcePop";
inline constexpr char kMyDriftCan[] = "myDriftCan";
inline constexpr char kGenCounter[] = "GenCounter";

class WindowDiverge : public PanelWindow {
public:
  static constexpr const char* kClassName = "WindowDiverge.WindowDiverge";
  std::string ClassName() const override { return kClassName; }

  class MyDisplayCan : public ArrayElement<displayCan, WindowDiverge, kMyDisplayCan> {};
  class StaticTextSourcePop : public ArrayElement<StaticText, WindowDiverge, kStaticTextSourcePop> {};
  class myDriftCan : public ArrayElement<driftCan, WindowDiverge, kMyDriftCan> {};
  class GenCounter : public ArrayElement<counter, WindowDiverge, kGenCounter> {};
  class TimerWait : public Timer {};

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  virtual void myDriftCan_PulledAnitron(const Ref<driftCan>& Me);
  virtual void myDriftCan_SetProperties(const Ref<driftCan>& Me);
  virtual void PushButtonFastFwd_Action(const Ref<PushButton>& Me);
  virtual void TimerWait_Action(const Ref<Timer>& Me);
  void AddMenuHandlers(const Ref<Window>& w) override;
  void Event_EnableMenuItems() override;
  bool Event_MouseDown(int32_t x, int32_t y) override;
  virtual bool FileReset_Action();

  static std::vector<ControlRecord> ControlTable();

protected:
  int32_t PopulationCount() const override { return 2; }
  void WriteSourceLabel(int32_t i) override;
};

// The window's one instance; a new one is made hidden, with Patient Zero founded.
Ref<class WindowDiverge> WindowDiverge();
