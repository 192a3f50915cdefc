#pragma once
// The About window: the cover, the title, the companion page's address and the
// About text. "OK" closes it, "Go there" closes it and opens the page, and a
// click released anywhere else in it closes it too.

#include "Controls.h"
#include "Layout.h"
#include "Window.h"

class WindowAbout : public Window {
public:
  static constexpr const char* kClassName = "WindowAbout.WindowAbout";
  std::string ClassName() const override { return kClassName; }

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  virtual void PushButtonClose_Action(const Ref<PushButton>& Me);
  virtual void PushButtonGoThere_Action(const Ref<PushButton>& Me);
  void AddMenuHandlers(const Ref<Window>& w) override;
  void Event_MouseUp(int32_t x, int32_t y) override;
  bool Event_MouseDown(int32_t x, int32_t y) override;

  static std::vector<ControlRecord> ControlTable();
};

Ref<class WindowAbout> WindowAbout();
