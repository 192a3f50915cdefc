#include "Program.h"

#include <exception>

#include "App.h"
#include "Globals.h"
#include "Menu.h"
#include "Pictures.h"

void InitFileTypes() {}

void NewAppInstance() {
  Ref<class App> app = New<class App>();
  Ref<class Menu> bar = Menu();
  app->SetMenuBar(bar);
  RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers() {
  App()->AddMenuHandler("AppleAboutMyApplication",
                        RuntimeCreateDelegate(App(), &App::AppleAboutMyApplication_Action, "(  ) as Boolean"));
  App()->AddMenuHandler("SimulationDivergence",
                        RuntimeCreateDelegate(App(), &App::SimulationDivergence_Action, "(  ) as Boolean"));
  App()->AddMenuHandler("SimulationTree", RuntimeCreateDelegate(App(), &App::SimulationTree_Action, "(  ) as Boolean"));
}

void Main() {
  try {
    RuntimeInitExternalClasses();
    InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    RuntimeRun();
  } catch (const std::exception& e) {
    UnhandledException(e);
  }
}

int ProgramEntry(int argc, char** argv) {
  Runtime runtime(argc, argv, "Trevalin");
  Main();
  ReleasePictures();
  ReleaseMenu();
  Globals::Release();
  return 0;
}
