#pragma once
// The application object: it sets the parameters and opens the first windows
// when the application opens, and answers the About, Divergence and Tree
// commands.

#include "Application.h"

class App : public Application {
public:
  void Event_Open() override;
  void Event_EnableMenuItems() override;
  virtual bool AppleAboutMyApplication_Action();
  virtual bool SimulationDivergence_Action();
  virtual bool SimulationTree_Action();
};

// The registered application object, asked of the framework at every call.
Ref<class App> App();
