#include "Menu.h"

#include "App.h"

namespace {

Ref<class Menu> implicitInstance;

// A new menu of the bar: made, named and titled, then put on the bar before it
// has items.
void AddMenu(const Ref<class Menu>& bar, const std::string& name, const std::string& text) {
  Ref<MenuItem> menu = New<MenuItem>();
  menu->Constructor();
  menu->SetName(name);
  menu->SetAutoEnable(true);
  menu->SetText(text);
  menu->SetKeyboardShortcut("");
  bar->Append(menu);
}

// A new item of class I at the end of the menu named menuName. A separator
// ("-") gets no shortcut at all.
template <class I>
void AddItem(const Ref<class Menu>& bar, const std::string& menuName, const std::string& name,
             const std::string& text, const std::string& shortcut, bool separator = false) {
  Ref<MenuItem> item = New<I>();
  item->Constructor();
  item->SetName(name);
  item->SetAutoEnable(true);
  item->SetText(text);
  if (!separator) item->SetKeyboardShortcut(shortcut);
  bar->Child(menuName)->Append(item);
}

// The item named name on the application's installed bar, as class I.
template <class I>
Ref<I> Item(const std::string& name) {
  Ref<class App> app = App();
  if (app == nullptr) throw NilObjectException("The application object is not registered");
  Ref<MenuBar> bar = app->MenuBar();
  if (bar == nullptr) throw NilObjectException("The application has no menu bar");
  return Cast<I>(bar->Lookup(name));
}

}  // namespace

void Menu::Constructor() {
  Untitled1();
  Untitled2();
  Untitled3();
}

void Menu::Untitled1() {
  const Ref<class Menu> bar = RefTo<class Menu>(this);
  AddMenu(bar, "UntitledMenu3", "File");
  AddItem<MenuItem>(bar, "UntitledMenu3", "FileReset", "Reset...", "");
  AddItem<QuitMenuItem>(bar, "UntitledMenu3", "FileQuit", "Quit", "Cmd+Q");
}

void Menu::Untitled2() {
  const Ref<class Menu> bar = RefTo<class Menu>(this);
  AddMenu(bar, "UntitledMenu1", "Edit");
  AddItem<MenuItem>(bar, "UntitledMenu1", "EditUndo", "Undo", "Cmd+Z");
  AddItem<MenuItem>(bar, "UntitledMenu1", "UntitledMenu2", "-", "", true);
  AddItem<MenuItem>(bar, "UntitledMenu1", "EditCut", "Cut", "Cmd+X");
  AddItem<MenuItem>(bar, "UntitledMenu1", "EditCopy", "Copy", "Cmd+C");
  AddItem<MenuItem>(bar, "UntitledMenu1", "EditPaste", "Paste", "Cmd+V");
  AddItem<MenuItem>(bar, "UntitledMenu1", "EditClear", "Clear", "");
}

void Menu::Untitled3() {
  const Ref<class Menu> bar = RefTo<class Menu>(this);
  AddMenu(bar, "UntitledMenu0", "Simulation");
  AddItem<MenuItem>(bar, "UntitledMenu0", "SimulationDivergence", "Divergence", "");
  AddItem<MenuItem>(bar, "UntitledMenu0", "SimulationTree", "Tree", "");
  AddItem<AppleMenuItem>(bar, "UntitledMenu0", "AppleAboutMyApplication", "About Trevalin...", "");
}

Ref<class Menu> Menu() {
  if (implicitInstance == nullptr) {
    Ref<class Menu> made = New<class Menu>();
    made->Constructor();
    implicitInstance = made;
  }
  return implicitInstance;
}

void ReleaseMenu() { implicitInstance = nullptr; }

Ref<AppleMenuItem> AppleAboutMyApplication() { return Item<AppleMenuItem>("AppleAboutMyApplication"); }
Ref<MenuItem> SimulationTree() { return Item<MenuItem>("SimulationTree"); }
Ref<MenuItem> SimulationDivergence() { return Item<MenuItem>("SimulationDivergence"); }
Ref<MenuItem> FileReset() { return Item<MenuItem>("FileReset"); }
