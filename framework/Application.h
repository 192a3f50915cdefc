#pragma once
// The application object and the event loop.
//
// An exception that escapes a handler run from the event loop is never allowed
// to cross Qt: the framework keeps it and ends the event loop, and RuntimeRun
// raises it again, so the program's entry reports it (UnhandledException) and
// exits in the ordinary way. Every exception kept is reported, one report each.

#include <exception>
#include <map>
#include <memory>
#include <string>

#include "Delegate.h"
#include "MenuItem.h"
#include "Object.h"

class Application : public Object {
public:
  virtual void Event_Open() {}
  virtual void Event_EnableMenuItems() {}

  Ref<::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(const Ref<::MenuBar>& bar) { menuBar_ = bar; }

  void AddMenuHandler(const std::string& itemName, const Delegate& handler);
  Delegate MenuHandler(const std::string& itemName) const;

private:
  Ref<::MenuBar> menuBar_;
  MenuHandlerTable menuHandlers_;
};

// The framework's runtime: started first by the program's entry, ended last.
// It takes the program's name, which titles its message boxes, shows the
// icon compiled in as ":/icon.png", and sets what no layout sets in the
// program's own look (UseProgramLook).
class Runtime {
public:
  Runtime(int& argc, char** argv, const std::string& name);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

void RuntimeInitExternalClasses();
void InitPluginEntrypoints();
void RuntimeRegisterAppObject(const Ref<Application>& app);
Ref<Application> GetAppObject();

// Raises the application's Open event, then dispatches events until Quit.
// When the last window closes the loop ends too, as desktop users expect where
// there is no menu bar without a window, but never while a message box is up
// or about to open in the handler at hand: then it ends once the box is
// dismissed, if no window is left. Raises again the first exception that
// escaped a handler.
void RuntimeRun();
// Ends the event loop; asked for before RuntimeRun runs, it ends that run as
// soon as it starts.
void Quit();
// The report of an exception that nothing caught: every timer is stopped for
// good, then a modal message box tells what went wrong; then each exception
// kept meanwhile, before the report or while it was up, gets a report of its
// own.
void UnhandledException(const std::exception& e);

// Runs f for the event loop: an exception that escapes it is kept and the event
// loop ends (kept before RuntimeRun runs, it is raised there at once). Every
// call from Qt into the program goes through here.
void RunGuarded(const std::function<void()>& f);
// Whether a call through RunGuarded is under way: a handler of the program is
// running, perhaps waiting in the loop of a message box it opened.
bool HandlerRunning();
// The oldest exception kept by RunGuarded and not yet taken; null when there
// is none.
std::exception_ptr TakeUnhandledException();
