#pragma once
// The Qt side of a window: its top-level widget, the content area that holds
// the controls and takes the mouse, and its menu bar.

#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include <vector>

class Window;

class TopLevelWidget : public QWidget {
public:
  explicit TopLevelWidget(Window* owner) : owner_(owner) {}
  void forget() { owner_ = nullptr; }

protected:
  void closeEvent(QCloseEvent* e) override;
  bool event(QEvent* e) override;

private:
  Window* owner_;
};

class ContentWidget : public QWidget {
public:
  explicit ContentWidget(Window* owner) : owner_(owner) {}
  void forget() { owner_ = nullptr; }
  // The size the window's layout asks for; the top-level widget is sized from
  // it, so that the content area, not the window with its menu bar, has it.
  void setPreferredSize(const QSize& size) {
    preferred_ = size;
    updateGeometry();
  }
  QSize sizeHint() const override { return preferred_.isValid() ? preferred_ : QWidget::sizeHint(); }
  // Ends the claimed press, if any, as if its button had been released at the
  // last point the window was given (by its MouseDown or latest MouseDrag):
  // for a release the window will never get. The one MouseUp comes at once,
  // or, while any handler of the program runs (a MouseDown or MouseDrag, a
  // timer's action, a menu or key handler, with whatever it opened), as soon
  // as the last one returns, so that no handler runs on a press already
  // ended. A release that still comes afterwards is passed over.
  void endPress();
  // Delivers the MouseUp an ended press is owed, unless a handler runs.
  void deliverMouseUp();

protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

private:
  Window* owner_;
  QSize preferred_;
  bool held_ = false;    // a press claimed, or offered to MouseDown
  bool asking_ = false;  // MouseDown is deciding whether to claim it
  bool ended_ = false;   // its release cannot come: its MouseUp is owed
  QPoint last_;
};

struct WindowPeer {
  QPointer<TopLevelWidget> top;
  QPointer<ContentWidget> content;
  QPointer<QMenuBar> menuBar;

  // Where the client area (the window without its frame) is: the last place
  // asked for until the window system has confirmed it, then the window
  // system's word. Places the window system reports late for earlier requests
  // are passed over; any other is a move of its own (the user's).
  QPoint ClientPosition() const;
  void MoveClientTo(const QPoint& p);
  void WindowSystemMoved(const QPoint& p);
  std::vector<QPoint> asked;

  // A place for the client area near the one given where a frame of these
  // margins round it has its top-left corner in the screen's available area.
  QPoint FrameKeptOnScreen(const QPoint& client, const QMargins& frame) const;
  // Set while the window stands where its placement put it, by a frame
  // expected rather than its own: once its own is known, CheckFrame moves the
  // window, if need be, to keep that frame's top-left on the screen. A place
  // set by the program, or a move by other hands, ends it.
  bool frameToCheck = false;
  void CheckFrame();
};

// Gives a window the application's menu commands with their shortcuts and,
// when withBar, the menu bar that shows them, which it returns (else null).
QMenuBar* InstallMenuCommands(QWidget* window, bool withBar);

// Called after a window closed; while RuntimeRun runs, the event loop ends once
// no window is left on screen and no message box is up.
void WindowClosed();

// Held while a message box is up or about to open: the event loop does not end
// for want of windows meanwhile, and when the last hold ends it ends if no
// window is left.
class QuitHold {
public:
  QuitHold();
  ~QuitHold();
  QuitHold(const QuitHold&) = delete;
  QuitHold& operator=(const QuitHold&) = delete;
};

// Stops every timer of every window for good.
void StopAllTimers();

// Ends the claimed press of every window (see ContentWidget::endPress).
void EndAllPresses();
// Delivers every MouseUp owed (see ContentWidget::deliverMouseUp); run when
// the last handler returns.
void DeliverHeldMouseUps();
