#pragma once
// Windows. Each window class has at most one live instance, kept in a registry
// under the class's full name ("WindowDiverge.WindowDiverge"); Close ends it and
// the next request makes a fresh one.
//
// A window's coordinates are those of its content area, below its menu bar.
// Left and Top are the screen position of that content area: the frame around
// it belongs to the window manager, so what is set is what is read back, even
// when set right after Show, before the window manager has framed the window,
// and until the window is moved by other hands (the user's).
//
// The title bar shows the layout's Title exactly; an empty one shows as one
// space, since the platform puts the program's name in place of an empty
// title.
//
// Main windows (frame kind 0) carry the application's menu bar when their
// layout asks for it; every other frame kind is a dialog-like window (splash,
// about box, dialog) and carries none, so its content area keeps its laid-out
// size. A dialog-like window belongs to the window in front when it is shown
// (its transient parent), which the window manager or the Wayland compositor
// keeps it above and with. A dialog (frame kind 1) is modal: the other windows
// wait until it is closed. The menu's shortcuts work in every window, bar or
// not, through the same dispatch as the bar (see MenuItem.h).
//
// Keyboard focus: Tab moves through the controls that take focus in the order
// of their TabIndex (creation order among equal ones). A new window's first
// focus goes to the first edit field shown in that order, or, where there is
// none, to the first control shown in it.
//
// Mouse: a press over a passive control (canvas, label, rectangle, line) or over
// no control reaches Event_MouseDown in window coordinates; push buttons, edit
// fields, list boxes and pop-up menus keep their own clicks. Only a press that
// Event_MouseDown claims (returns true) brings Event_MouseDrag, at every move
// while the button is down, and exactly one Event_MouseUp: at its release, or,
// where the release cannot reach the window (the window hidden, minimised or
// no longer active or kept waiting by a dialog, a pop-up menu opened, a new
// press come first, the button let go where the window could not see it), at
// the last point the window was given (by its MouseDown or latest
// MouseDrag), as soon as the framework learns of it. Should a handler of the
// program be running then (a MouseDown or MouseDrag, a timer's action, a menu
// or key handler, or a message box it opened), the MouseUp waits until the
// last one has returned: every handler runs on a press still held, and
// MouseUp never runs inside another handler. A window closed meanwhile gets
// none.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Color.h"
#include "Control.h"
#include "Delegate.h"
#include "Object.h"
#include "PropertyStream.h"

class QWidget;
struct WindowPeer;

class Window : public Object, public PropertyTarget {
public:
  Window();
  ~Window() override;

  // The full class name under which the live instance is registered.
  virtual std::string ClassName() const = 0;

  // Constructs the window: registers it as its class's live instance, applies
  // Layout, runs CreateControls and AddMenuHandlers, opens every control in
  // creation order, then raises Event_Open, and shows the window when its
  // layout says Visible.
  void Constructor();
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers(const Ref<Window>& w);

  virtual void Event_Open() {}
  virtual void Event_EnableMenuItems() {}
  virtual bool Event_MouseDown(int32_t x, int32_t y);
  virtual void Event_MouseDrag(int32_t x, int32_t y);
  virtual void Event_MouseUp(int32_t x, int32_t y);

  // Shows the window, restored should it be minimised, and brings it to the
  // front, active.
  void Show();
  // Ends the instance: the window leaves the screen and the registry, its
  // timers stop for good and its controls are released.
  void Close();
  bool IsClosed() const { return closed_; }
  void Refresh(bool eraseBackground = true);

  // Screen position and size of the content area.
  int32_t Left() const;
  int32_t Top() const;
  void SetLeft(int32_t left);
  void SetTop(int32_t top);
  int32_t Width() const;
  int32_t Height() const;
  bool Visible() const;
  void SetVisible(bool visible);
  std::string Title() const { return title_; }
  void SetTitle(const std::string& title);

  void SetProperty(const PropertyRecord& record) override;

  // Controls. New makes a control of class C in this window (run its Constructor
  // afterwards); AddControl registers it under a name. Controls lie in creation
  // order, a later one above an earlier one.
  template <class C>
  Ref<C> New() {
    static_assert(std::is_base_of_v<Control, C>, "Window::New makes controls; use ::New for other objects");
    Ref<C> c = ::New<C>();
    c->Attach(*this);
    return c;
  }
  void AddControl(const Ref<Control>& control, const std::string& name);
  Ref<Control> ControlByName(const std::string& name) const;
  Ref<Control> ControlByNameIndex(const std::string& name, int32_t index) const;
  const std::vector<Ref<Control>>& Controls() const { return controls_; }

  // Binds a menu handler by item name; it answers while this window is in front.
  void AddMenuHandler(const std::string& itemName, const Delegate& handler);
  // The handler bound to itemName, or an empty delegate.
  Delegate MenuHandler(const std::string& itemName) const;

  // This window's control of class C by name (and index);
  // NilObjectException when there is none of that class.
  template <class C>
  Ref<C> Named(const std::string& name) const {
    Ref<C> c = Cast<C>(ControlByName(name));
    if (c == nullptr) throw NilObjectException("No control \"" + name + "\" of that class");
    return c;
  }
  template <class C>
  Ref<C> Named(const std::string& name, int32_t index) const {
    Ref<C> c = Cast<C>(ControlByNameIndex(name, index));
    if (c == nullptr) throw NilObjectException("No control \"" + name + "(" + std::to_string(index) + ")\" of that class");
    return c;
  }

  // The framework's own.
  QWidget* widget() const;
  QWidget* content() const;
  WindowPeer& peer() { return *peer_; }

private:
  friend struct WindowPeer;
  void ApplyFrame();
  void ApplyTabOrder();
  void PlaceOnScreen();
  void MoveContentTo(int32_t left, int32_t top);

  std::unique_ptr<WindowPeer> peer_;
  std::vector<Ref<Control>> controls_;
  MenuHandlerTable menuHandlers_;
  std::string title_;
  int32_t width_ = 100, height_ = 100;
  int32_t minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000, maxHeight_ = 32000;
  int32_t frame_ = 0, placement_ = 0;
  bool visibleAtCreation_ = true;
  bool hasBackColor_ = false;
  Color backColor_ = RGB(255, 255, 255);
  bool closeButton_ = true, resizeable_ = true, maximizeButton_ = true, minimizeButton_ = true;
  bool menuBarVisible_ = true;
  bool constructed_ = false;
  bool framed_ = false;
  bool closed_ = false;
  bool placed_ = false;
};

// The live instance of the window class with that full name, or nil.
Ref<Window> GetImplicitWindow(const std::string& className);
// Every open window, frontmost first (hidden ones included).
std::vector<Ref<Window>> WindowsFrontToBack();
// The frontmost visible window, or nil.
Ref<Window> FrontWindow();

// A window's control by name (the first made under that name), or by name and
// index; nil when there is none.
Ref<Control> RuntimeWindowControlByName(const Ref<Window>& w, const std::string& name);
Ref<Control> RuntimeWindowControlByNameIndex(const Ref<Window>& w, const std::string& name, int32_t index);

// The same, cast to the control's class; NilObjectException when there is none
// or it is of another class.
template <class C>
Ref<C> ControlNamed(const Ref<Window>& w, const std::string& name) {
  return w->Named<C>(name);
}
template <class C>
Ref<C> ControlNamed(const Ref<Window>& w, const std::string& name, int32_t index) {
  return w->Named<C>(name, index);
}

// The live instance of window class W, made (and constructed) when there is none.
template <class W>
Ref<W> ImplicitWindow() {
  Ref<Window> live = GetImplicitWindow(W::kClassName);
  if (live == nullptr) {
    Ref<W> made = ::New<W>();
    made->Constructor();
    return made;
  }
  Ref<W> typed = Cast<W>(live);
  if (typed == nullptr) throw NilObjectException(std::string("The live ") + W::kClassName + " is of another class");
  return typed;
}
