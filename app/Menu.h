#pragma once
// The menu bar: File, Edit and Simulation, built once at start-up. Commands
// reach the program by item name.

#include "MenuItem.h"

class Menu : public MenuBar {
public:
  // Builds the File, Edit and Simulation menus, in that order.
  void Constructor() override;
  virtual void Untitled1();
  virtual void Untitled2();
  virtual void Untitled3();
};

// The one menu bar, built on the first call.
Ref<class Menu> Menu();
// Lets go of the menu bar, when the program ends.
void ReleaseMenu();

// The items the program enables, looked up on the installed bar at every call;
// nil when the bar has no item of that name.
Ref<AppleMenuItem> AppleAboutMyApplication();
Ref<MenuItem> SimulationTree();
Ref<MenuItem> SimulationDivergence();
Ref<MenuItem> FileReset();
