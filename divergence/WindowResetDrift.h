#pragma once
// The Reset dialog: population size, sequence length (each a whole number from
// 1 to 500) and the effect of a mutation. Okay stores them and restarts each
// simulation window that is on screen, in place, as a fresh window; Cancel
// changes nothing.

#include "Controls.h"
#include "Layout.h"
#include "Window.h"

class WindowResetDrift : public Window {
public:
  static constexpr const char* kClassName = "WindowResetDrift.WindowResetDrift";
  std::string ClassName() const override { return kClassName; }

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  void Event_Open() override;
  virtual void PushButtonOkay_Action(const Ref<PushButton>& Me);
  virtual void PushButtonCancel_Action(const Ref<PushButton>& Me);
  void AddMenuHandlers(const Ref<Window>& w) override;

  static std::vector<ControlRecord> ControlTable();
};

Ref<class WindowResetDrift> WindowResetDrift();
