#pragma once
// Controls: the parts of a window. A window owns its controls; a control refers
// back to its window without owning it.
//
// Events by name: a control declares each of its events with a signature text;
// a window binds a delegate to an event of one control instance by name
// (InstallInstanceEventHandler). Raising an event runs the bound handler at
// once, with the control as the handler's Me, and does nothing when none is
// bound. A class's own handling of an event is its Event_ method, whose default
// raises the instance event of the same name.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Color.h"
#include "Delegate.h"
#include "Object.h"
#include "PropertyStream.h"

class QWidget;
class Window;
struct WidgetHolder;

// The Index of a control that belongs to no control array.
constexpr int32_t kNoIndex = -2147483647 - 1;

class Control : public Object, public PropertyTarget {
public:
  Control();
  ~Control() override;

  // The base construction, run after the object is made in its window.
  virtual void Constructor();

  const std::string& Name() const { return name_; }
  int32_t Index() const { return index_; }
  void SetIndex(int32_t index) { index_ = index; }
  // The window this control belongs to; nil once that window is gone.
  Ref<::Window> Window() const;

  // The control's own Open event, raised once by the framework when its window
  // has made all its controls.
  virtual void Event_Open();

  void SetProperty(const PropertyRecord& record) override;

  // Events.
  void DeclareEvent(const std::string& name, const std::string& signature);
  void BindEvent(const std::string& name, const Delegate& handler);
  bool HasHandler(const std::string& name) const;
  Variant RaiseEvent(const std::string& name, const std::vector<Variant>& args = {});

  // The framework's own: attaching to a window.
  virtual void Attach(::Window& window);
  virtual void Detach();
  void SetName(const std::string& name) { name_ = name; }

private:
  struct Event {
    std::string signature;
    Delegate handler;
  };
  std::string name_;
  int32_t index_ = kNoIndex;
  std::weak_ptr<Object> window_;
  std::map<std::string, Event> events_;
};

// Binds handler to the event named eventName of control; TypeMismatchException
// when the control has no such event or the signature texts differ.
void InstallInstanceEventHandler(const Ref<Control>& control, const std::string& eventName,
                                 const Delegate& handler);

// A control with a place and a size in its window, shown by a widget of its own.
// Coordinates are pixels in window coordinates (the window's content area).
// Whatever text the widget shows is set in the face, size and style of the
// layout's TextFont, TextSize, Bold, Italic and Underline ("System" at the
// default size when the layout gives none), through the program's own faces.
class RectControl : public Control {
public:
  ~RectControl() override;

  int32_t Left() const;
  int32_t Top() const;
  int32_t Width() const;
  int32_t Height() const;
  virtual void SetLeft(int32_t left);
  virtual void SetTop(int32_t top);
  virtual void SetWidth(int32_t width);
  virtual void SetHeight(int32_t height);
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // The control's place in its window's keyboard (Tab) order.
  int32_t TabIndex() const { return tabIndex_; }
  // Redraws the control soon.
  virtual void Refresh(bool eraseBackground = true);
  // Lays this control beneath another of its window, whatever their order of
  // making.
  void StackUnder(const Ref<RectControl>& above);

  void SetProperty(const PropertyRecord& record) override;
  void Attach(::Window& window) override;
  void Detach() override;

  // The framework's own: the widget, or null once the control left its window.
  QWidget* widget() const;

protected:
  // Takes ownership of the widget that shows this control.
  void SetWidget(QWidget* widget);
  // Whether presses over the control go to the window's mouse handling instead
  // of the control's own (true for passive controls: canvases, labels,
  // rectangles, lines).
  virtual bool Passive() const { return true; }
  // Called after the place or size changed, and after the visibility changed.
  virtual void GeometryChanged() {}
  virtual void VisibilityChanged() {}
  virtual void ApplyGeometry();

  int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  int32_t tabIndex_ = 0;

private:
  void ApplyFont();
  std::unique_ptr<struct WidgetHolder> holder_;
  std::string textFont_ = "System";
  int32_t textSize_ = 0;
  bool bold_ = false, italic_ = false, underline_ = false;
};
