#include "MenuItem.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <map>

#include "Application.h"
#include "Controls.h"
#include "QtSupport.h"
#include "Window.h"
#include "WindowPeer.h"

void MenuItem::Append(const Ref<MenuItem>& item) {
  if (item == nullptr) throw NilObjectException("Appending a nil menu item");
  children_.push_back(item);
}

Ref<MenuItem> MenuItem::Item(int32_t i) const {
  if (i < 0 || i >= Count()) throw OutOfBoundsException(i, Count() - 1);
  return children_[static_cast<size_t>(i)];
}

Ref<MenuItem> MenuItem::Child(const std::string& name) const {
  for (const Ref<MenuItem>& c : children_) {
    if (c->Name() == name) return c;
  }
  return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(const std::string& name) const {
  for (const Ref<MenuItem>& c : children_) {
    if (c->Name() == name) return c;
    if (Ref<MenuItem> found = c->Lookup(name)) return found;
  }
  return nullptr;
}

TextCommand MenuItem::Role() const {
  static const std::map<std::string, TextCommand> roles = {{"EditUndo", TextCommand::Undo},
                                                           {"EditCut", TextCommand::Cut},
                                                           {"EditCopy", TextCommand::Copy},
                                                           {"EditPaste", TextCommand::Paste},
                                                           {"EditClear", TextCommand::Clear}};
  const auto found = roles.find(name_);
  return found == roles.end() ? TextCommand::None : found->second;
}

namespace {

// Runs f on every command (an item without items of its own) below item.
void ForEachCommand(const Ref<MenuItem>& item, const std::function<void(const Ref<MenuItem>&)>& f) {
  for (int32_t i = 0; i < item->Count(); ++i) {
    Ref<MenuItem> child = item->Item(i);
    if (child->Count() > 0) ForEachCommand(child, f);
    else f(child);
  }
}

// The front window's edit field that has the keyboard focus, or nil.
Ref<EditField> FocusedEditField() {
  Ref<Window> front = FrontWindow();
  if (front == nullptr) return nullptr;
  QWidget* focus = front->widget()->focusWidget();
  for (const Ref<Control>& c : front->Controls()) {
    Ref<EditField> field = Cast<EditField>(c);
    if (field != nullptr && focus != nullptr && field->widget() == focus && field->Visible() && field->Enabled()) {
      return field;
    }
  }
  return nullptr;
}

QString ShortcutText(const std::string& text) {
  QString s = ToQ(text);
  s.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"), Qt::CaseInsensitive);
  return s;
}

// Sets the enabled state of a window's commands from the menu model.
void SyncActions(QWidget* window, const Ref<MenuItem>& model) {
  for (QAction* a : window->actions()) {
    Ref<MenuItem> item = model->Lookup(FromQ(a->objectName()));
    if (item != nullptr) a->setEnabled(item->Enabled());
  }
}

void EnableAllActions(QWidget* window) {
  for (QAction* a : window->actions()) a->setEnabled(true);
}

// One action per command, owned by the window and added to it, so that its
// shortcut works while the window is active, with a menu bar or without.
QAction* CommandAction(const Ref<MenuItem>& item, QWidget* window) {
  auto* action = new QAction(ToQ(item->Text()), window);
  action->setObjectName(ToQ(item->Name()));
  if (!item->KeyboardShortcut().empty()) action->setShortcut(QKeySequence(ShortcutText(item->KeyboardShortcut())));
  action->setMenuRole(Cast<QuitMenuItem>(item) != nullptr ? QAction::QuitRole : QAction::NoRole);
  const std::string name = item->Name();
  QObject::connect(action, &QAction::triggered, [name] { RunGuarded([&] { ChooseMenuItem(name); }); });
  window->addAction(action);
  return action;
}

// The commands below model, each added to menu when there is one.
void AddItems(QMenu* menu, const Ref<MenuItem>& model, QWidget* window) {
  for (int32_t i = 0; i < model->Count(); ++i) {
    Ref<MenuItem> item = model->Item(i);
    if (item->Text() == "-") {
      if (menu) menu->addSeparator()->setObjectName(ToQ(item->Name()));
      continue;
    }
    if (item->Count() > 0) {
      QMenu* sub = menu ? menu->addMenu(ToQ(item->Text())) : nullptr;
      if (sub) sub->menuAction()->setObjectName(ToQ(item->Name()));
      AddItems(sub, item, window);
      continue;
    }
    QAction* action = CommandAction(item, window);
    if (menu) menu->addAction(action);
  }
}

}  // namespace

QMenuBar* InstallMenuCommands(QWidget* window, bool withBar) {
  Ref<MenuBar> model = GetAppObject()->MenuBar();
  if (!withBar) {
    AddItems(nullptr, model, window);
    return nullptr;
  }
  auto* bar = new QMenuBar(window);
  for (int32_t i = 0; i < model->Count(); ++i) {
    Ref<MenuItem> menuModel = model->Item(i);
    QMenu* menu = bar->addMenu(ToQ(menuModel->Text()));
    menu->menuAction()->setObjectName(ToQ(menuModel->Name()));
    AddItems(menu, menuModel, window);
    QObject::connect(menu, &QMenu::aboutToShow, [window] {
      RunGuarded([&] {
        UpdateMenuItems();
        if (Ref<Application> a = GetAppObject()) SyncActions(window, a->MenuBar());
      });
    });
    // Closed menus keep every command enabled, so that shortcuts reach
    // ChooseMenuItem, which asks again whether the command may run.
    QObject::connect(menu, &QMenu::aboutToHide, [window] { EnableAllActions(window); });
  }
  return bar;
}

void UpdateMenuItems() {
  Ref<Application> app = GetAppObject();
  if (app == nullptr || app->MenuBar() == nullptr) return;
  ForEachCommand(app->MenuBar(), [](const Ref<MenuItem>& c) { c->SetEnabled(Cast<QuitMenuItem>(c) != nullptr); });
  app->Event_EnableMenuItems();
  if (Ref<Window> front = FrontWindow()) front->Event_EnableMenuItems();
  if (Ref<EditField> field = FocusedEditField()) {
    ForEachCommand(app->MenuBar(), [&](const Ref<MenuItem>& c) {
      if (c->AutoEnable() && !c->Enabled() && field->CanDo(c->Role())) c->Enable();
    });
  }
}

bool ChooseMenuItem(const std::string& itemName) {
  Ref<Application> app = GetAppObject();
  if (app == nullptr || app->MenuBar() == nullptr) return false;
  UpdateMenuItems();
  Ref<MenuItem> item = app->MenuBar()->Lookup(itemName);
  if (item == nullptr || !item->Enabled()) return false;
  if (Ref<Window> front = FrontWindow()) {
    const Delegate handler = front->MenuHandler(itemName);
    if (handler && handler.Invoke(nullptr).BooleanValue()) return true;
  }
  const Delegate handler = app->MenuHandler(itemName);
  if (handler && handler.Invoke(nullptr).BooleanValue()) return true;
  if (Cast<QuitMenuItem>(item) != nullptr) Quit();
  else if (Ref<EditField> field = FocusedEditField(); field != nullptr && item->AutoEnable()) field->Do(item->Role());
  return true;
}
