#include "App.h"

#include "Globals.h"
#include "Menu.h"
#include "WindowAbout.h"
#include "WindowDiverge.h"
#include "WindowSplash.h"
#include "WindowTree.h"

void App::Event_Open() {
  Globals::StartUp();
  WindowDiverge()->Show();
  WindowSplash()->Show();
}

void App::Event_EnableMenuItems() {
  AppleAboutMyApplication()->Enable();
  SimulationDivergence()->Enable();
  SimulationTree()->Enable();
}

bool App::AppleAboutMyApplication_Action() {
  WindowAbout()->Show();
  return false;
}

bool App::SimulationDivergence_Action() {
  WindowDiverge()->Show();
  return false;
}

bool App::SimulationTree_Action() {
  WindowTree()->Show();
  return false;
}

Ref<class App> App() { return Cast<class App>(GetAppObject()); }
