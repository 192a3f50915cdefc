#pragma once
// The application object and the event loop.
//
// An exception that escapes a handler run from the event loop is never allowed
// to cross Qt: the framework keeps it and ends the event loop, and RuntimeRun
// raises it again, so the program's entry reports it (UnhandledException) and
// exits in the ordinary way.

#include <exception>
#include <map>
#include <string>

#include "Delegate.h"
#include "Menu.h"
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
  std::map<std::string, Delegate> menuHandlers_;
};

void RuntimeInitExternalClasses();
void InitPluginEntrypoints();
void RuntimeRegisterAppObject(const Ref<Application>& app);
Ref<Application> GetAppObject();

// Raises the application's Open event, then dispatches events until Quit.
// When the last window closes the loop ends too, as desktop users expect where
// there is no menu bar without a window. Raises again an exception that escaped
// a handler.
void RuntimeRun();
// Ends the event loop.
void Quit();
// The report of an exception that nothing caught: a modal message box.
void UnhandledException(const std::exception& e);

// Runs f for the event loop: an exception that escapes it is kept and the event
// loop ends. Every call from Qt into the program goes through here.
void RunGuarded(const std::function<void()>& f);
// The exception kept by RunGuarded, cleared; null when there is none.
std::exception_ptr TakeUnhandledException();
