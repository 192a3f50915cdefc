#pragma once
// The splash window: the cover, the title, the companion page's address and the
// version, shown once at start-up in front of the Divergence window. It closes
// itself after 7000 ms, or when a click in it is released.

#include "Controls.h"
#include "Layout.h"
#include "Window.h"

class WindowSplash : public Window {
public:
  static constexpr const char* kClassName = "WindowSplash.WindowSplash";
  std::string ClassName() const override { return kClassName; }

  // The splash's timer.
  class TimerClose : public Timer {};

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  virtual void TimerClose_Action(const Ref<Timer>& Me);
  void AddMenuHandlers(const Ref<Window>& w) override;
  void Event_MouseUp(int32_t x, int32_t y) override;
  bool Event_MouseDown(int32_t x, int32_t y) override;

  static std::vector<ControlRecord> ControlTable();
};

Ref<class WindowSplash> WindowSplash();
