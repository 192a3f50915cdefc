#pragma once
// The framework's controls.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Control.h"
#include "MenuItem.h"
#include "Picture.h"

struct Surface;

// A canvas shows its Backdrop picture, if any, and over it whatever was
// drawn through its Graphics, which keeps what is drawn until it is drawn over.
// Events: Open "(  )", Paint "( Graphics )". The Paint event comes whenever the
// canvas is redrawn on screen; drawing into the canvas's Graphics from it shows
// in that same redraw.
//
// A Floating canvas (a card that pops up beside the pointer) is not cut by its
// window's edge: while it is shown with an opaque picture as its backdrop, its
// window is active and it reaches past the window's content area, it is shown
// whole in a layer above the window at the same place on screen, a frameless
// window of its own that never takes the focus or a click. (A canvas with
// nothing to show, or with see-through parts, stays in its window, where what
// lies beneath shows through.) Its place, size and visibility are still the
// control's, and mouse input goes on to the window beneath as before.
class Canvas : public RectControl {
public:
  Canvas();
  ~Canvas() override;

  Ref<Picture> Backdrop() const { return backdrop_; }
  void SetBackdrop(const Ref<Picture>& picture);
  // The drawing context of the canvas on screen.
  Ref<::Graphics> Graphics();
  bool Floating() const { return floating_; }
  void SetFloating(bool floating);

  virtual void Event_Paint(const Ref<::Graphics>& g);

  void Refresh(bool eraseBackground = true) override;
  void SetProperty(const PropertyRecord& record) override;
  void Detach() override;

  // The framework's own: the pixels on screen, backdrop and drawing together;
  // the layer that shows a floating canvas, while it does (else null); showing
  // the canvas in its layer or in its window, as its place, its visibility and
  // its window's state now ask.
  void PaintTo(class QPainter& painter);
  QWidget* layer() const;
  void PlaceLayer();

protected:
  void GeometryChanged() override;
  void VisibilityChanged() override { PlaceLayer(); }

private:
  void DropLayer();
  Ref<Picture> backdrop_;
  std::shared_ptr<Surface> surface_;
  Ref<::Graphics> graphics_;
  bool eraseBackground_ = true;
  bool floating_ = false;
  std::unique_ptr<WidgetHolder> layer_;
};

// A label. A Chr(13) in its text starts a new line when it is Multiline.
// TextAlign: 0 and 1 left, 2 centred, 3 right.
class StaticText : public RectControl {
public:
  StaticText();
  std::string Text() const { return text_; }
  void SetText(const std::string& text);
  int32_t TextAlign() const { return textAlign_; }
  void SetProperty(const PropertyRecord& record) override;

private:
  void ApplyStyle();
  std::string text_;
  int32_t textAlign_ = 0;
  bool multiline_ = false;
  Color textColor_{};
};

// A one-line text field the user types into.
class EditField : public RectControl {
public:
  EditField();
  std::string Text() const;
  void SetText(const std::string& text);
  void SetProperty(const PropertyRecord& record) override;

  // The framework's own: whether the field can carry out a text command now
  // (Copy with text selected; Cut and Clear with text selected, Paste with text
  // on the clipboard and Undo with an edit to undo, each in an editable field),
  // and carrying it out when it can. Clear deletes the selection.
  bool CanDo(TextCommand command) const;
  void Do(TextCommand command);

protected:
  bool Passive() const override { return false; }

private:
  void ApplyStyle();
  bool border_ = true;
  Color textColor_{};
  Color backColor_ = RGB(255, 255, 255);
  bool hasBackColor_ = true;
  int32_t alignment_ = 0;
};

// A push button. Event: Action "(  )", when it is clicked.
class PushButton : public RectControl {
public:
  PushButton();
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  virtual void Event_Action();
  void SetProperty(const PropertyRecord& record) override;

protected:
  bool Passive() const override { return false; }

private:
  std::string caption_;
  bool default_ = false;
};

// A pop-up menu of rows; ListIndex is the selected row, from 0 (-1: none).
// InitialValue in a layout gives the rows, separated by Chr(13).
class PopupMenu : public RectControl {
public:
  PopupMenu();
  void AddRow(const std::string& text);
  int32_t ListCount() const;
  std::string List(int32_t row) const;
  int32_t ListIndex() const;
  void SetListIndex(int32_t row);
  void SetProperty(const PropertyRecord& record) override;

protected:
  bool Passive() const override { return false; }
};

// A list of rows of cells; rows and columns count from 0. Event: Open "(  )".
// Column 0 is never narrower than its widest text, so that scrolling reaches the
// end of every row.
class Listbox : public RectControl {
public:
  Listbox();
  void AddRow(const std::string& text);
  int32_t ListCount() const;
  std::string Cell(int32_t row, int32_t column) const;
  void SetCell(int32_t row, int32_t column, const std::string& text);
  void SetProperty(const PropertyRecord& record) override;

protected:
  bool Passive() const override { return false; }

private:
  void CheckCell(int32_t row, int32_t column) const;
  void WidenFor(const std::string& text);
};

// A filled rectangle with a border BorderWidth pixels wide inside its edge.
// A rectangle lies beneath any list box it overlaps, so the list stays readable.
class Rectangle : public RectControl {
public:
  Rectangle();
  Color FillColor() const { return fillColor_; }
  void SetFillColor(Color c);
  int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int32_t w);
  Color BorderColor() const { return borderColor_; }
  void SetBorderColor(Color c);
  void SetProperty(const PropertyRecord& record) override;

  // The framework's own.
  void PaintTo(class QPainter& painter) const;

protected:
  void GeometryChanged() override;

private:
  Color fillColor_ = RGB(255, 255, 255);
  int32_t borderWidth_ = 1;
  Color borderColor_{};
};

// A straight line from (X1, Y1) to (X2, Y2), BorderWidth pixels wide.
// Its Left, Top, Width and Height are those of the box around its two ends.
class Line : public RectControl {
public:
  Line();
  int32_t X1() const { return x1_; }
  int32_t Y1() const { return y1_; }
  int32_t X2() const { return x2_; }
  int32_t Y2() const { return y2_; }
  void SetX1(int32_t v);
  void SetY1(int32_t v);
  void SetX2(int32_t v);
  void SetY2(int32_t v);
  int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int32_t w);
  Color BorderColor() const { return borderColor_; }
  void SetBorderColor(Color c);
  void SetLeft(int32_t left) override;
  void SetTop(int32_t top) override;
  void SetProperty(const PropertyRecord& record) override;

  // The framework's own.
  void PaintTo(class QPainter& painter) const;

protected:
  void ApplyGeometry() override;

private:
  int32_t x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  int32_t borderWidth_ = 1;
  Color borderColor_{};
};

// A timer of its window. Mode 0 off, 1 fires once (then it is 0), 2 repeats;
// Period in milliseconds, kept to the millisecond (a precise timer, not one the
// system may shift by a few per cent). Event: Action "(  )". Ticks come from
// the event loop; an action never runs inside itself, and a timer stops for
// good when its window closes or an unhandled exception is reported.
class Timer : public Control {
public:
  Timer();
  ~Timer() override;
  int32_t Mode() const { return mode_; }
  void SetMode(int32_t mode);
  int32_t Period() const { return period_; }
  void SetPeriod(int32_t period);
  // Starts the period again.
  void Reset();
  virtual void Event_Action();
  void SetProperty(const PropertyRecord& record) override;
  void Detach() override;

  // The framework's own: one tick, as the event loop delivers it; stopping for
  // good, whatever the mode.
  void Tick();
  void Halt();

private:
  void Apply();
  class QTimer* timer_ = nullptr;
  int32_t mode_ = 0;
  int32_t period_ = 1000;
  bool inAction_ = false;
  bool detached_ = false;
};

// For checking a laid-out window: where the text of a label or a push button is
// drawn, in window coordinates, in the control's own face and size; whether all
// of it lies inside the part of the control that shows text (a label's box, a
// button's face inside its frame; a label that wraps is wrapped at its width);
// and the names of the visible controls of its window that lie above it over
// that text. An empty text takes no room and fits.
struct TextPlace {
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool fits = true;
  std::vector<std::string> coveredBy;
};
TextPlace PlaceOfText(const Ref<RectControl>& control);
