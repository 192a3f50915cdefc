#pragma once
// Menus. One menu model for the application, shown as a menu bar on every
// main window whose layout wants one; its commands, with their shortcuts, are
// in every window, bar or not, and a shortcut goes through the same dispatch
// as the bar.
//
// Before a menu opens, and before a chosen command is carried out, every item is
// disabled, then the application's Event_EnableMenuItems runs, then the front
// window's; only what they enable can be chosen. The framework's own quit item
// (QuitMenuItem) is always enabled. A chosen item goes to the front window's
// handler for its name; when that is missing or returns False, to the
// application's; when that too is missing or returns False, a QuitMenuItem ends
// the event loop. Shortcut texts "Cmd+Q" and the like mean Command on macOS and
// Ctrl elsewhere. An item whose text is "-" is a separator.
//
// The standard text commands work on their own, as desktop users expect: after
// the program's enabling, an AutoEnable item with a text-command role that is
// still disabled is enabled when the front window's focused control is an edit
// field that can carry the command out now; chosen, and taken by no handler,
// it acts on that field. With no edit field in focus they stay disabled.

#include <cstdint>
#include <string>
#include <vector>

#include "Object.h"

// The standard text commands. An item has its role by its name: "EditUndo",
// "EditCut", "EditCopy", "EditPaste" and "EditClear"; any other item has None.
enum class TextCommand { None, Undo, Cut, Copy, Paste, Clear };

class MenuItem : public Object {
public:
  virtual void Constructor() {}

  std::string Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  std::string Text() const { return text_; }
  void SetText(const std::string& text) { text_ = text; }
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
  std::string KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(const std::string& shortcut) { shortcut_ = shortcut; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  void Enable() { enabled_ = true; }
  TextCommand Role() const;

  void Append(const Ref<MenuItem>& item);
  int32_t Count() const { return static_cast<int32_t>(children_.size()); }
  // Child i, from 0; OutOfBoundsException outside 0 .. Count - 1.
  Ref<MenuItem> Item(int32_t i) const;
  // The direct child with that name, or nil.
  Ref<MenuItem> Child(const std::string& name) const;
  // The item with that name anywhere below this one, depth first, or nil.
  Ref<MenuItem> Lookup(const std::string& name) const;

private:
  std::string name_;
  std::string text_;
  bool autoEnable_ = false;
  std::string shortcut_;
  bool enabled_ = true;
  std::vector<Ref<MenuItem>> children_;
};

class MenuBar : public MenuItem {};

// The framework's quit command.
class QuitMenuItem : public MenuItem {};

// An item of the application's own menu. It stays where the program puts it.
class AppleMenuItem : public MenuItem {};

// Runs the enable protocol over the application's menu bar.
void UpdateMenuItems();
// Carries out the command of the item with that name, as if chosen from the
// front window's menu bar. Returns false when the item is missing or disabled.
bool ChooseMenuItem(const std::string& itemName);
