#include "Window.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

#include <xcb/xproto.h>

#include "Application.h"
#include "BackgroundTask.h"
#include "Controls.h"
#include "QtSupport.h"
#include "WindowPeer.h"

namespace {

std::map<std::string, Ref<Window>>& Registry() {
  static std::map<std::string, Ref<Window>> registry;
  return registry;
}

// Open windows, frontmost first.
std::vector<std::weak_ptr<Window>>& ZOrder() {
  static std::vector<std::weak_ptr<Window>> order;
  return order;
}

void RemoveFromZOrder(const Window* w) {
  auto& order = ZOrder();
  order.erase(std::remove_if(order.begin(), order.end(),
                             [w](const std::weak_ptr<Window>& p) {
                               auto s = p.lock();
                               return !s || s.get() == w;
                             }),
              order.end());
}

void BringToFront(Window* w) {
  RemoveFromZOrder(w);
  ZOrder().insert(ZOrder().begin(), std::static_pointer_cast<Window>(w->shared_from_this()));
}

// The yield's work, when due: what changed in the windows on screen is painted
// at once. Qt asks a window to paint what changed by a posted update request;
// only those requests are delivered, no other event.
void RepaintWindows() {
  for (const auto& w : ZOrder()) {
    auto s = w.lock();
    if (s && s->Visible()) QCoreApplication::sendPostedEvents(s->widget(), QEvent::UpdateRequest);
  }
}

// A pop-up (a menu, a list dropping down) takes the pointer as it opens, and
// the release goes to it: every press the windows hold ends there.
class PopUpWatch : public QObject {
protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->windowType() == Qt::Popup)
      EndAllPresses();
    return false;
  }
};

// The modal dialog or message box that keeps window top waiting, or null.
QWidget* ModalOver(const QWidget* top) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr && modal->window() != top ? modal : nullptr;
}

// A modal dialog is never lost behind the windows it keeps waiting, nor left
// minimised with them blocked and no way back: it is brought back whenever one
// of them is activated (a click activates a window) or asked to close.
void BringBack(QWidget* modal) {
  if (modal->isMinimized()) modal->setWindowState(modal->windowState() & ~Qt::WindowMinimized);
  modal->show();
  modal->raise();
  modal->activateWindow();
}

// Brings back the modal dialog that keeps window top waiting, if any; says
// whether there was one.
bool BringBackModalOver(const QWidget* top) {
  QWidget* modal = ModalOver(top);
  if (modal != nullptr) BringBack(modal);
  return modal != nullptr;
}

// On X, Qt passes the focus that a click or the window manager gives a window
// kept waiting straight on to its dialog, and a minimised dialog never gets
// it: no Qt event tells of that focus. It is seen here, as the X server
// delivers it.
class BlockedWindowWatch : public QAbstractNativeEventFilter {
public:
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    if ((static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f) != XCB_FOCUS_IN) return false;
    const xcb_window_t window = static_cast<const xcb_focus_in_event_t*>(message)->event;
    for (const Ref<Window>& w : WindowsFrontToBack()) {
      QWidget* top = w->widget();
      if (top == nullptr || !top->testAttribute(Qt::WA_WState_Created) || top->winId() != window) continue;
      // Once Qt is done with the event.
      if (ModalOver(top) != nullptr) QTimer::singleShot(0, top, [top] { BringBackModalOver(top); });
    }
    return false;
  }
};

// On Wayland a window is activated with a token asked for through the window
// that has the keyboard, and a menu command runs while its menu closes, when
// none has it: the activation is asked for again once one of the program's
// windows has the keyboard back, should that be soon. The window shown last
// is the one to bring forward.
void ActivateOnceKeyboardReturns(QWidget* top) {
  if (QGuiApplication::platformName() != QLatin1String("wayland")) return;
  static QPointer<QObject> waiting;
  delete waiting;
  const QWindow* focus = QGuiApplication::focusWindow();
  if (focus != nullptr && focus->type() != Qt::Popup) return;
  QPointer<QWidget> target(top);
  auto* wait = new QObject(QCoreApplication::instance());
  waiting = wait;
  QObject::connect(qApp, &QGuiApplication::focusWindowChanged, wait, [target, wait](QWindow* now) {
    if (now == nullptr || now->type() == Qt::Popup) return;
    if (target && target->isVisible() && target->windowHandle() != now) target->activateWindow();
    wait->deleteLater();
  });
  QTimer::singleShot(1000, wait, [wait] { wait->deleteLater(); });
}

// Installs the watches above, once.
void WatchPopUpsAndBlockedWindows() {
  static QPointer<PopUpWatch> watch;
  if (watch) return;
  watch = new PopUpWatch;
  watch->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(watch);
  static BlockedWindowWatch blocked;
  QCoreApplication::instance()->installNativeEventFilter(&blocked);
}

// The platform shows the program's name for an empty title; one space shows
// nothing.
QString ShownTitle(const std::string& title) { return title.empty() ? QStringLiteral(" ") : ToQ(title); }

}  // namespace

// Widgets

// Whoever asks: Qt's Wayland plugin closes a window past Qt's own check for a
// modal dialog.
void TopLevelWidget::closeEvent(QCloseEvent* e) {
  if (BringBackModalOver(this)) {
    e->ignore();
    return;
  }
  e->accept();
  if (!owner_) return;
  Ref<Window> self = RefTo(owner_);
  RunGuarded([&] { self->Close(); });
}

bool TopLevelWidget::event(QEvent* e) {
  const QEvent::Type t = e->type();
  const bool placeLayers = owner_ != nullptr && (t == QEvent::WindowActivate || t == QEvent::WindowDeactivate ||
                                                 t == QEvent::WindowStateChange || t == QEvent::WindowBlocked ||
                                                 t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show ||
                                                 t == QEvent::Hide);
  // Held through the event: ending a press, or the handling itself, may close
  // the window and let it go, and with it this widget's owner. (None while the
  // owner is being destroyed.)
  const Ref<Window> owner =
      placeLayers ? Ref<Window>(std::static_pointer_cast<Window>(owner_->weak_from_this().lock())) : nullptr;
  if (t == QEvent::WindowActivate && owner && !owner->IsClosed()) BringToFront(owner.get());
  if (t == QEvent::WindowActivate) BringBackModalOver(this);
  if (t == QEvent::Move && e->spontaneous() && owner) owner->peer().WindowSystemMoved(geometry().topLeft());
  // A window hidden, no longer active or kept waiting by a dialog never gets
  // the release of its press. (Minimised, it is hidden: Qt sends it a Hide.)
  if (owner && owner->peer().content &&
      (t == QEvent::Hide || t == QEvent::WindowDeactivate || t == QEvent::WindowBlocked))
    owner->peer().content->endPress();
  const bool handled = QWidget::event(e);
  // Once the window manager has framed the window, its own frame keeps its
  // title bar on the screen.
  if (owner) owner->peer().CheckFrame();
  // A floating canvas's layer stands where the window now stands, and only
  // while the window is the active one.
  if (owner) {
    for (const Ref<Control>& c : owner->Controls()) {
      if (const Ref<Canvas> canvas = Cast<Canvas>(c)) canvas->PlaceLayer();
    }
  }
  return handled;
}

// WindowPeer

QPoint WindowPeer::ClientPosition() const { return asked.empty() ? top->geometry().topLeft() : asked.back(); }

// setGeometry places the client area wherever the frame turns out to be; move
// would place the frame, and before the window manager has framed the window
// Qt takes the client area for the frame.
void WindowPeer::MoveClientTo(const QPoint& p) {
  asked.push_back(p);
  top->setGeometry(QRect(p, top->size()));
}

void WindowPeer::WindowSystemMoved(const QPoint& p) {
  const auto found = std::find(asked.begin(), asked.end(), p);
  if (found == asked.end()) {
    asked.clear();
    frameToCheck = false;  // moved by other hands: left where they put it
  } else {
    asked.erase(asked.begin(), found + 1);
  }
}

namespace {

// The frame the window manager has put round a top-level widget: none before
// it is framed.
QMargins FrameOf(const QWidget* top) {
  const QRect frame = top->frameGeometry();
  const QRect client = top->geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
}

}  // namespace

// Where a client area of this size goes, near the place given, so that its
// frame's top-left corner lies in the available area of the screen it lands
// on: the whole frame where it fits, else at least its title bar, the rest
// hanging off the bottom or the right. A title bar off the screen could not be
// grabbed.
QPoint WindowPeer::FrameKeptOnScreen(const QPoint& client, const QMargins& frame) const {
  QRect framed = QRect(client, top->size()).marginsAdded(frame);
  QScreen* screen = QGuiApplication::screenAt(framed.center());
  if (screen == nullptr) screen = top->screen();
  if (screen == nullptr) return client;
  const QRect area = screen->availableGeometry();
  framed.moveLeft(std::max(std::min(framed.left(), area.right() + 1 - framed.width()), area.left()));
  framed.moveTop(std::max(std::min(framed.top(), area.bottom() + 1 - framed.height()), area.top()));
  return framed.topLeft() + QPoint(frame.left(), frame.top());
}

// Once the window manager has framed a window that stands where its
// placement put it, its own frame is known and takes the place of the one
// expected.
void WindowPeer::CheckFrame() {
  if (!frameToCheck || !top) return;
  const QMargins frame = FrameOf(top);
  if (frame.isNull()) return;
  frameToCheck = false;
  const QPoint kept = FrameKeptOnScreen(ClientPosition(), frame);
  if (kept != ClientPosition()) MoveClientTo(kept);
}

void ContentWidget::mousePressEvent(QMouseEvent* e) {
  if (!owner_ || e->button() != Qt::LeftButton) return;
  EndAllPresses();  // any whose release never came
  if (!owner_) return;
  Ref<Window> self = RefTo(owner_);
  if (self->IsClosed()) return;
  last_ = e->position().toPoint();
  // Held while MouseDown decides, so that an ending the press itself brings
  // about (its window hidden or minimised, a pop-up or a dialog opened) is
  // kept for when MouseDown has claimed it.
  held_ = true;
  ended_ = false;
  asking_ = true;
  bool claimed = false;
  RunGuarded([&] { claimed = self->Event_MouseDown(last_.x(), last_.y()); });
  asking_ = false;
  if (!claimed || self->IsClosed()) {
    held_ = false;
    ended_ = false;
    return;
  }
  // A release while MouseDown ran came here all the same, for Qt gives it to
  // the window that had the press, unless the window was hidden or blocked or
  // a pop-up took it: each of those ended the press itself.
  deliverMouseUp();
}

// The content area follows the pointer even with no button down, so that a
// press whose button was let go where the window could not see it ends as
// soon as the pointer is back.
void ContentWidget::mouseMoveEvent(QMouseEvent* e) {
  if (!owner_ || !held_ || asking_ || ended_) return;
  if (!(e->buttons() & Qt::LeftButton)) return endPress();
  Ref<Window> self = RefTo(owner_);
  last_ = e->position().toPoint();
  RunGuarded([&] { self->Event_MouseDrag(last_.x(), last_.y()); });
}

void ContentWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (!owner_ || !held_ || ended_ || e->button() != Qt::LeftButton) return;
  last_ = e->position().toPoint();
  endPress();
}

void ContentWidget::endPress() {
  if (!held_) return;
  ended_ = true;
  deliverMouseUp();
}

void ContentWidget::deliverMouseUp() {
  if (!held_ || !ended_ || asking_ || HandlerRunning()) return;
  held_ = false;
  ended_ = false;
  if (!owner_) return;
  Ref<Window> self = RefTo(owner_);
  if (!self->IsClosed()) RunGuarded([&] { self->Event_MouseUp(last_.x(), last_.y()); });
}

void ContentWidget::keyPressEvent(QKeyEvent* e) {
  // Return and Enter press the window's default button, as in a dialog.
  if (owner_ && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
    for (const Ref<Control>& c : owner_->Controls()) {
      Ref<PushButton> b = Cast<PushButton>(c);
      if (b != nullptr && b->Default() && b->Visible() && b->Enabled() && b->widget()) {
        static_cast<QPushButton*>(b->widget())->click();
        return;
      }
    }
  }
  QWidget::keyPressEvent(e);
}

// Window

Window::Window() : peer_(std::make_unique<WindowPeer>()) {
  BackgroundTask::SetAction(RepaintWindows);
  WatchPopUpsAndBlockedWindows();
  peer_->top = new TopLevelWidget(this);
  peer_->top->setAttribute(Qt::WA_DeleteOnClose, false);
  peer_->content = new ContentWidget(this);
  peer_->content->setFocusPolicy(Qt::ClickFocus);
  peer_->content->setMouseTracking(true);
  auto* layout = new QVBoxLayout(peer_->top);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(peer_->content);
}

Window::~Window() {
  if (peer_->top) {
    peer_->top->forget();
    peer_->top->hide();
    peer_->top->deleteLater();
  }
  if (peer_->content) peer_->content->forget();
}

QWidget* Window::widget() const { return peer_->top; }
QWidget* Window::content() const { return peer_->content; }

void Window::Constructor() {
  if (constructed_) throw FrameworkException("A window is constructed once");
  constructed_ = true;
  Ref<Window> self = RefTo(this);
  Registry()[ClassName()] = self;
  ZOrder().push_back(std::static_pointer_cast<Window>(shared_from_this()));
  Layout();
  ApplyFrame();
  framed_ = true;
  CreateControls();
  ApplyTabOrder();
  AddMenuHandlers(self);
  if (GetAppObject() != nullptr && GetAppObject()->MenuBar() != nullptr) {
    peer_->menuBar = InstallMenuCommands(peer_->top, menuBarVisible_ && frame_ == 0);
    if (peer_->menuBar) static_cast<QVBoxLayout*>(peer_->top->layout())->setMenuBar(peer_->menuBar);
  }
  // Sized once, menu bar included. (adjustSize would also hold a window to
  // two thirds of the screen.)
  peer_->top->layout()->activate();
  peer_->top->resize(peer_->top->sizeHint());
  const std::vector<Ref<Control>> made = controls_;
  for (const Ref<Control>& c : made) {
    if (closed_) return;
    c->Event_Open();
  }
  if (closed_) return;
  Event_Open();
  if (visibleAtCreation_ && !closed_) Show();
}

void Window::AddMenuHandlers(const Ref<Window>&) {}

bool Window::Event_MouseDown(int32_t, int32_t) { return false; }
void Window::Event_MouseDrag(int32_t, int32_t) {}
void Window::Event_MouseUp(int32_t, int32_t) {}

void Window::ApplyFrame() {
  TopLevelWidget* top = peer_->top;
  // Dialog-like windows are the platform's dialogs, the kind of window that
  // can belong to another.
  Qt::WindowFlags flags = (frame_ != 0 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (closeButton_) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
  top->setWindowFlags(flags);
  // A dialog keeps the other windows waiting until it is done: it stays above
  // them, and the windows it works on cannot be closed under it.
  top->setWindowModality(frame_ == 1 ? Qt::ApplicationModal : Qt::NonModal);
  top->setWindowTitle(ShownTitle(title_));
  ContentWidget* content = peer_->content;
  content->setAutoFillBackground(true);
  QPalette palette = content->palette();
  if (hasBackColor_) palette.setColor(QPalette::Window, ToQColor(backColor_));
  content->setPalette(palette);
  content->setPreferredSize(QSize(width_, height_));
  if (resizeable_) {
    top->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    content->setMinimumSize(minWidth_, minHeight_);
    content->setMaximumSize(maxWidth_, maxHeight_);
  } else {
    top->layout()->setSizeConstraint(QLayout::SetFixedSize);
    content->setFixedSize(width_, height_);
  }
}

void Window::ApplyTabOrder() {
  std::vector<Ref<RectControl>> order;
  for (const Ref<Control>& c : controls_) {
    Ref<RectControl> r = Cast<RectControl>(c);
    if (r != nullptr && r->widget() && (r->widget()->focusPolicy() & Qt::TabFocus)) order.push_back(r);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Ref<RectControl>& a, const Ref<RectControl>& b) { return a->TabIndex() < b->TabIndex(); });
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
  Ref<RectControl> first;
  for (const Ref<RectControl>& r : order) {
    if (!r->Visible() || !r->Enabled()) continue;
    if (first == nullptr) first = r;
    if (Cast<EditField>(r) != nullptr) {
      first = r;
      break;
    }
  }
  // In a window not yet shown this only marks the control: it takes the focus
  // when the window becomes active.
  if (first != nullptr) first->widget()->setFocus(Qt::OtherFocusReason);
}

namespace {

// The frame a window will get, before it has its own: that of a window of ours
// already framed, the one in front first, since the window manager frames
// them all alike; none while no window is framed.
QMargins ExpectedFrame(const QWidget* top) {
  if (!FrameOf(top).isNull()) return FrameOf(top);
  for (const Ref<Window>& w : WindowsFrontToBack()) {
    if (w->widget() != top && w->Visible() && !FrameOf(w->widget()).isNull()) return FrameOf(w->widget());
  }
  return {};
}

}  // namespace

// Windows are placed by their content; the frame the window manager will add
// is taken to be like the others' until the window has its own.
void Window::PlaceOnScreen() {
  placed_ = true;
  TopLevelWidget* top = peer_->top;
  QRect area;
  Ref<Window> front = FrontWindow();
  if ((placement_ == 0 || placement_ == 1) && front != nullptr && front.get() != this) {
    area = front->widget()->geometry();
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  } else {
    return;
  }
  QRect mine = top->geometry();
  mine.moveCenter(area.center());
  peer_->MoveClientTo(peer_->FrameKeptOnScreen(mine.topLeft(), ExpectedFrame(top)));
  peer_->frameToCheck = true;
}

void Window::Show() {
  if (closed_) return;
  if (!placed_) PlaceOnScreen();
  TopLevelWidget* top = peer_->top;
  // A dialog-like window belongs to the window in front as it opens, so that
  // the window manager or compositor keeps it with that window.
  if (frame_ != 0 && !top->isVisible()) {
    const Ref<Window> front = FrontWindow();
    top->winId();
    top->windowHandle()->setTransientParent(front != nullptr ? front->widget()->windowHandle() : nullptr);
  }
  BringToFront(this);
  if (top->isMinimized()) top->setWindowState(top->windowState() & ~Qt::WindowMinimized);
  top->show();
  top->raise();
  top->activateWindow();
  ActivateOnceKeyboardReturns(top);
}

void Window::Close() {
  if (closed_) return;
  closed_ = true;
  Ref<Window> self = RefTo(this);
  auto& registry = Registry();
  const auto found = registry.find(ClassName());
  if (found != registry.end() && found->second.get() == this) registry.erase(found);
  RemoveFromZOrder(this);
  if (peer_->top) peer_->top->hide();
  const std::vector<Ref<Control>> controls = std::move(controls_);
  controls_.clear();
  for (const Ref<Control>& c : controls) c->Detach();
  menuHandlers_.Clear();
  WindowClosed();
}

void Window::Refresh(bool) {
  if (peer_->top) peer_->top->update();
}

// The content area lies in the client area below the menu bar.
int32_t Window::Left() const { return peer_->top ? peer_->ClientPosition().x() + peer_->content->x() : 0; }
int32_t Window::Top() const { return peer_->top ? peer_->ClientPosition().y() + peer_->content->y() : 0; }

void Window::SetLeft(int32_t left) { MoveContentTo(left, Top()); }
void Window::SetTop(int32_t top) { MoveContentTo(Left(), top); }

void Window::MoveContentTo(int32_t left, int32_t top) {
  placed_ = true;
  peer_->frameToCheck = false;  // a place the program gives stays exact
  if (peer_->top) peer_->MoveClientTo(QPoint(left - peer_->content->x(), top - peer_->content->y()));
}

int32_t Window::Width() const { return peer_->content ? peer_->content->width() : width_; }
int32_t Window::Height() const { return peer_->content ? peer_->content->height() : height_; }

bool Window::Visible() const { return !closed_ && peer_->top && peer_->top->isVisible(); }

void Window::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else if (peer_->top) {
    peer_->top->hide();
  }
}

void Window::SetTitle(const std::string& title) {
  title_ = title;
  if (peer_->top) peer_->top->setWindowTitle(ShownTitle(title));
}

void Window::SetProperty(const PropertyRecord& r) {
  const std::string& n = r.name;
  const PropertyValue& v = r.value;
  if (n == "Title") title_ = v.text;
  else if (n == "Width") width_ = v.int32;
  else if (n == "Height") height_ = v.int32;
  else if (n == "MinWidth") minWidth_ = v.int32;
  else if (n == "MinHeight") minHeight_ = v.int32;
  else if (n == "MaxWidth") maxWidth_ = v.int32;
  else if (n == "MaxHeight") maxHeight_ = v.int32;
  else if (n == "Frame") frame_ = v.int32;
  else if (n == "Placement") placement_ = v.int32;
  else if (n == "Visible") visibleAtCreation_ = v.boolean;
  else if (n == "HasBackColor") hasBackColor_ = v.boolean;
  else if (n == "BackColor") backColor_ = v.color;
  else if (n == "CloseButton") closeButton_ = v.boolean;
  else if (n == "Resizeable") resizeable_ = v.boolean;
  else if (n == "MaximizeButton") maximizeButton_ = v.boolean;
  else if (n == "MinimizeButton") minimizeButton_ = v.boolean;
  else if (n == "MenuBarVisible") menuBarVisible_ = v.boolean;
  // Records applied after the window was built take effect at once.
  if (framed_) ApplyFrame();
}

void Window::AddControl(const Ref<Control>& control, const std::string& name) {
  control->SetName(name);
  controls_.push_back(control);
}

Ref<Control> Window::ControlByName(const std::string& name) const {
  for (const Ref<Control>& c : controls_) {
    if (c->Name() == name) return c;
  }
  return nullptr;
}

Ref<Control> Window::ControlByNameIndex(const std::string& name, int32_t index) const {
  for (const Ref<Control>& c : controls_) {
    if (c->Name() == name && c->Index() == index) return c;
  }
  return nullptr;
}

void Window::AddMenuHandler(const std::string& itemName, const Delegate& handler) {
  menuHandlers_.Add(itemName, handler);
}

Delegate Window::MenuHandler(const std::string& itemName) const { return menuHandlers_.Find(itemName); }

Ref<Window> GetImplicitWindow(const std::string& className) {
  const auto found = Registry().find(className);
  return found == Registry().end() ? nullptr : found->second;
}

std::vector<Ref<Window>> WindowsFrontToBack() {
  std::vector<Ref<Window>> windows;
  for (const auto& w : ZOrder()) {
    if (auto s = w.lock()) windows.push_back(Ref<Window>(s));
  }
  return windows;
}

Ref<Window> FrontWindow() {
  for (const Ref<Window>& w : WindowsFrontToBack()) {
    if (w->Visible()) return w;
  }
  return nullptr;
}

void StopAllTimers() {
  for (const Ref<Window>& w : WindowsFrontToBack()) {
    for (const Ref<Control>& c : w->Controls()) {
      if (Ref<Timer> t = Cast<Timer>(c)) t->Halt();
    }
  }
}

void EndAllPresses() {
  for (const Ref<Window>& w : WindowsFrontToBack()) {
    if (w->peer().content) w->peer().content->endPress();
  }
}

void DeliverHeldMouseUps() {
  for (const Ref<Window>& w : WindowsFrontToBack()) {
    if (w->peer().content) w->peer().content->deliverMouseUp();
  }
}

Ref<Control> RuntimeWindowControlByName(const Ref<Window>& w, const std::string& name) {
  return w->ControlByName(name);
}

Ref<Control> RuntimeWindowControlByNameIndex(const Ref<Window>& w, const std::string& name, int32_t index) {
  return w->ControlByNameIndex(name, index);
}
