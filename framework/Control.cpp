#include "Control.h"

#include <QWidget>

#include "QtSupport.h"
#include "Window.h"

Control::Control() { DeclareEvent("Open", "(  )"); }

Control::~Control() = default;

void Control::Constructor() {}

Ref<::Window> Control::Window() const {
  std::shared_ptr<Object> w = window_.lock();
  return Ref<::Window>(std::static_pointer_cast<::Window>(w));
}

void Control::Event_Open() { RaiseEvent("Open"); }

void Control::SetProperty(const PropertyRecord& record) {
  if (record.name == "Name") name_ = record.value.text;
  else if (record.name == "Index") index_ = record.value.int32;
}

void Control::DeclareEvent(const std::string& name, const std::string& signature) {
  events_[name] = Event{signature, Delegate()};
}

void Control::BindEvent(const std::string& name, const Delegate& handler) {
  const auto found = events_.find(name);
  if (found == events_.end()) {
    throw TypeMismatchException("Control \"" + name_ + "\" has no event \"" + name + "\"");
  }
  if (found->second.signature != handler.Signature()) {
    throw TypeMismatchException("Event \"" + name + "\" of control \"" + name_ + "\" has the signature \"" +
                                found->second.signature + "\"; the handler was made with \"" +
                                handler.Signature() + "\"");
  }
  found->second.handler = handler;
}

bool Control::HasHandler(const std::string& name) const {
  const auto found = events_.find(name);
  return found != events_.end() && static_cast<bool>(found->second.handler);
}

Variant Control::RaiseEvent(const std::string& name, const std::vector<Variant>& args) {
  const auto found = events_.find(name);
  if (found == events_.end()) {
    throw TypeMismatchException("Control \"" + name_ + "\" has no event \"" + name + "\"");
  }
  if (!found->second.handler) return Variant();
  const Delegate handler = found->second.handler;  // the handler may rebind or end this control
  return handler.Invoke(RefTo(this), args);
}

void Control::Attach(::Window& window) { window_ = window.shared_from_this(); }

void Control::Detach() {}

void InstallInstanceEventHandler(const Ref<Control>& control, const std::string& eventName,
                                 const Delegate& handler) {
  control->BindEvent(eventName, handler);
}

// RectControl

RectControl::~RectControl() {
  if (QWidget* w = widget()) {
    w->hide();
    w->deleteLater();
  }
}

QWidget* RectControl::widget() const { return holder_ ? holder_->widget.data() : nullptr; }

void RectControl::SetWidget(QWidget* widget) {
  holder_ = std::make_unique<WidgetHolder>();
  holder_->widget = widget;
  widget->setAttribute(Qt::WA_TransparentForMouseEvents, Passive());
  ApplyFont();
}

void RectControl::ApplyFont() {
  if (QWidget* w = widget()) w->setFont(FontFor(textFont_, textSize_, bold_, italic_, underline_));
}

int32_t RectControl::Left() const { return left_; }
int32_t RectControl::Top() const { return top_; }
int32_t RectControl::Width() const { return width_; }
int32_t RectControl::Height() const { return height_; }

void RectControl::SetLeft(int32_t left) {
  left_ = left;
  ApplyGeometry();
}

void RectControl::SetTop(int32_t top) {
  top_ = top;
  ApplyGeometry();
}

void RectControl::SetWidth(int32_t width) {
  width_ = width;
  ApplyGeometry();
}

void RectControl::SetHeight(int32_t height) {
  height_ = height;
  ApplyGeometry();
}

void RectControl::ApplyGeometry() {
  if (QWidget* w = widget()) w->setGeometry(left_, top_, width_ > 0 ? width_ : 0, height_ > 0 ? height_ : 0);
  GeometryChanged();
}

bool RectControl::Visible() const { return visible_; }

void RectControl::SetVisible(bool visible) {
  visible_ = visible;
  if (QWidget* w = widget()) w->setVisible(visible);
  VisibilityChanged();
}

bool RectControl::Enabled() const { return enabled_; }

void RectControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (QWidget* w = widget()) w->setEnabled(enabled);
}

void RectControl::Refresh(bool) {
  if (QWidget* w = widget()) w->update();
}

void RectControl::StackUnder(const Ref<RectControl>& above) {
  if (above == nullptr) throw NilObjectException("No control to lie beneath");
  if (widget() && above->widget()) widget()->stackUnder(above->widget());
}

void RectControl::SetProperty(const PropertyRecord& r) {
  const std::string& n = r.name;
  if (n == "Left") SetLeft(r.value.int32);
  else if (n == "Top") SetTop(r.value.int32);
  else if (n == "Width") SetWidth(r.value.int32);
  else if (n == "Height") SetHeight(r.value.int32);
  else if (n == "Visible") SetVisible(r.value.boolean);
  else if (n == "Enabled") SetEnabled(r.value.boolean);
  else if (n == "TextFont") textFont_ = r.value.text, ApplyFont();
  else if (n == "TextSize") textSize_ = r.value.int32, ApplyFont();
  else if (n == "Bold") bold_ = r.value.boolean, ApplyFont();
  else if (n == "Italic") italic_ = r.value.boolean, ApplyFont();
  else if (n == "Underline") underline_ = r.value.boolean, ApplyFont();
  else if (n == "TabIndex") tabIndex_ = r.value.int32;
  else Control::SetProperty(r);
}

void RectControl::Attach(::Window& window) {
  Control::Attach(window);
  if (QWidget* w = widget()) {
    w->setParent(window.content());
    w->setAttribute(Qt::WA_TransparentForMouseEvents, Passive());
    ApplyGeometry();
    w->setVisible(visible_);
  }
}

void RectControl::Detach() {
  if (QWidget* w = widget()) {
    w->hide();
    w->deleteLater();
  }
  holder_.reset();
  Control::Detach();
}
