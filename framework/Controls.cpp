#include "Controls.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

#include "Application.h"
#include "QtSupport.h"
#include "Window.h"

namespace {

// Widgets that draw what their control says.
class CanvasWidget : public QWidget {
public:
  explicit CanvasWidget(Canvas* canvas) : canvas_(canvas) {}
  void forget() { canvas_ = nullptr; }

protected:
  void paintEvent(QPaintEvent*) override {
    if (!canvas_) return;
    QPainter p(this);
    canvas_->PaintTo(p);
  }

private:
  Canvas* canvas_;
};

template <class C>
class PaintedWidget : public QWidget {
public:
  explicit PaintedWidget(const C* control) : control_(control) {}
  void forget() { control_ = nullptr; }

protected:
  void paintEvent(QPaintEvent*) override {
    if (!control_) return;
    QPainter p(this);
    control_->PaintTo(p);
  }

private:
  const C* control_;
};

Qt::Alignment LabelAlignment(int32_t align) {
  switch (align) {
    case 2: return Qt::AlignHCenter | Qt::AlignTop;
    case 3: return Qt::AlignRight | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
  }
}

}  // namespace

// Canvas

Canvas::Canvas() : surface_(std::make_shared<Surface>()), layer_(std::make_unique<WidgetHolder>()) {
  DeclareEvent("Paint", "( Graphics )");
  graphics_ = New<::Graphics>(std::weak_ptr<Surface>(surface_));
  CanvasWidget* w = new CanvasWidget(this);
  SetWidget(w);
  surface_->changed = [this] { Refresh(); };
}

Canvas::~Canvas() {
  surface_->changed = nullptr;
  if (auto* w = static_cast<CanvasWidget*>(widget())) w->forget();
  DropLayer();
}

void Canvas::SetBackdrop(const Ref<Picture>& picture) {
  backdrop_ = picture;
  Refresh();
  PlaceLayer();
}

Ref<::Graphics> Canvas::Graphics() { return graphics_; }

void Canvas::SetFloating(bool floating) {
  floating_ = floating;
  PlaceLayer();
}

void Canvas::Event_Paint(const Ref<::Graphics>& g) { RaiseEvent("Paint", {Variant(g)}); }

void Canvas::Refresh(bool eraseBackground) {
  RectControl::Refresh(eraseBackground);
  if (QWidget* l = layer()) l->update();
}

void Canvas::SetProperty(const PropertyRecord& r) {
  if (r.name == "EraseBackground") eraseBackground_ = r.value.boolean;
  else if (r.name == "Floating") SetFloating(r.value.boolean);
  else RectControl::SetProperty(r);
}

void Canvas::Detach() {
  DropLayer();
  RectControl::Detach();
}

void Canvas::DropLayer() {
  if (auto* l = static_cast<CanvasWidget*>(layer_->widget.data())) {
    l->forget();
    l->hide();
    l->deleteLater();
  }
}

void Canvas::GeometryChanged() {
  ResizeSurface(*surface_, width_, height_);
  PlaceLayer();
}

QWidget* Canvas::layer() const {
  QWidget* l = layer_->widget;
  return l != nullptr && l->isVisible() ? l : nullptr;
}

void Canvas::PlaceLayer() {
  QWidget* own = widget();
  const Ref<::Window> w = Window();
  const bool past = floating_ && visible_ && backdrop_ != nullptr && backdrop_->Opaque() && own != nullptr &&
                    w != nullptr && w->Visible() && w->widget()->isActiveWindow() &&
                    !QRect(0, 0, w->Width(), w->Height()).contains(QRect(left_, top_, width_, height_));
  if (!past) {
    if (QWidget* l = layer()) {
      l->hide();
      if (own != nullptr) own->setVisible(visible_);
    }
    return;
  }
  if (layer_->widget == nullptr) {
    CanvasWidget* l = new CanvasWidget(this);
    l->setParent(w->widget(), Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                                  Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint);
    l->setAttribute(Qt::WA_ShowWithoutActivating);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->setFocusPolicy(Qt::NoFocus);
    layer_->widget = l;
  }
  QWidget* l = layer_->widget;
  l->setPalette(w->content()->palette());
  l->setGeometry(QRect(w->content()->mapToGlobal(QPoint(left_, top_)), QSize(width_, height_)));
  own->hide();
  l->show();
  l->raise();
}

void Canvas::PaintTo(QPainter& painter) {
  if (backdrop_ != nullptr) DrawImage(painter, QPoint(0, 0), ImageToDraw(*backdrop_), backdrop_->Opaque());
  // Drawing done by the Paint handler shows in this same redraw, so it must not
  // ask for another one.
  std::function<void()> changed = std::move(surface_->changed);
  surface_->changed = nullptr;
  RunGuarded([this] { Event_Paint(graphics_); });
  surface_->changed = std::move(changed);
  DrawImage(painter, QPoint(0, 0), surface_->image, surface_->opaque);
}

// StaticText

StaticText::StaticText() {
  QLabel* label = new QLabel;
  label->setTextFormat(Qt::PlainText);
  SetWidget(label);
  ApplyStyle();
}

void StaticText::SetText(const std::string& text) {
  text_ = text;
  if (auto* label = static_cast<QLabel*>(widget())) label->setText(LinesToQ(text));
}

void StaticText::SetProperty(const PropertyRecord& r) {
  const std::string& n = r.name;
  if (n == "Text") SetText(r.value.text);
  else if (n == "TextAlign") textAlign_ = r.value.int32, ApplyStyle();
  else if (n == "Multiline") multiline_ = r.value.boolean, ApplyStyle();
  else if (n == "TextColor") textColor_ = r.value.color, ApplyStyle();
  else RectControl::SetProperty(r);
}

void StaticText::ApplyStyle() {
  auto* label = static_cast<QLabel*>(widget());
  if (!label) return;
  label->setAlignment(LabelAlignment(textAlign_));
  label->setWordWrap(multiline_);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ToQColor(textColor_));
  label->setPalette(palette);
}

// EditField

EditField::EditField() {
  SetWidget(new QLineEdit);
  ApplyStyle();
}

std::string EditField::Text() const {
  if (auto* edit = static_cast<QLineEdit*>(widget())) return FromQ(edit->text());
  return std::string();
}

void EditField::SetText(const std::string& text) {
  if (auto* edit = static_cast<QLineEdit*>(widget())) edit->setText(ToQ(text));
}

void EditField::SetProperty(const PropertyRecord& r) {
  const std::string& n = r.name;
  auto* edit = static_cast<QLineEdit*>(widget());
  if (n == "Text") SetText(r.value.text);
  else if (n == "Border") border_ = r.value.boolean, ApplyStyle();
  else if (n == "TextColor") textColor_ = r.value.color, ApplyStyle();
  else if (n == "BackColor") backColor_ = r.value.color, ApplyStyle();
  else if (n == "HasBackColor") hasBackColor_ = r.value.boolean, ApplyStyle();
  else if (n == "Alignment") alignment_ = r.value.int32, ApplyStyle();
  else if (n == "ReadOnly") { if (edit) edit->setReadOnly(r.value.boolean); }
  else if (n == "LimitText") { if (edit && r.value.int32 > 0) edit->setMaxLength(r.value.int32); }
  else RectControl::SetProperty(r);
}

bool EditField::CanDo(TextCommand command) const {
  auto* edit = static_cast<QLineEdit*>(widget());
  if (!edit) return false;
  const bool editable = !edit->isReadOnly();
  switch (command) {
    case TextCommand::Undo: return editable && edit->isUndoAvailable();
    case TextCommand::Cut:
    case TextCommand::Clear: return editable && edit->hasSelectedText();
    case TextCommand::Copy: return edit->hasSelectedText();
    case TextCommand::Paste: return editable && !QGuiApplication::clipboard()->text().isEmpty();
    case TextCommand::None: return false;
  }
  return false;
}

void EditField::Do(TextCommand command) {
  if (!CanDo(command)) return;
  auto* edit = static_cast<QLineEdit*>(widget());
  switch (command) {
    case TextCommand::Undo: edit->undo(); break;
    case TextCommand::Cut: edit->cut(); break;
    case TextCommand::Copy: edit->copy(); break;
    case TextCommand::Paste: edit->paste(); break;
    case TextCommand::Clear: edit->del(); break;
    case TextCommand::None: break;
  }
}

void EditField::ApplyStyle() {
  auto* edit = static_cast<QLineEdit*>(widget());
  if (!edit) return;
  edit->setFrame(border_);
  // Without a border the text may use the field's whole height: a laid-out
  // field is often just the height of its text, and Qt keeps a pixel free above
  // and below, which would cut off the descenders.
  edit->setTextMargins(0, border_ ? 0 : -1, 0, border_ ? 0 : -1);
  edit->setAlignment(alignment_ == 2 ? Qt::AlignHCenter : alignment_ == 3 ? Qt::AlignRight : Qt::AlignLeft);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, ToQColor(textColor_));
  if (hasBackColor_) palette.setColor(QPalette::Base, ToQColor(backColor_));
  edit->setPalette(palette);
}

// PushButton

PushButton::PushButton() {
  DeclareEvent("Action", "(  )");
  QPushButton* button = new QPushButton;
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, [this] {
    Ref<Control> keep = RefTo(this);
    RunGuarded([this] { Event_Action(); });
  });
  SetWidget(button);
}

void PushButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (auto* button = static_cast<QPushButton*>(widget())) button->setText(ToQ(caption));
}

void PushButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  if (auto* button = static_cast<QPushButton*>(widget())) button->setDefault(isDefault);
}

void PushButton::Event_Action() { RaiseEvent("Action"); }

void PushButton::SetProperty(const PropertyRecord& r) {
  if (r.name == "Caption") SetCaption(r.value.text);
  else if (r.name == "Default") SetDefault(r.value.boolean);
  else RectControl::SetProperty(r);
}

// PopupMenu

PopupMenu::PopupMenu() { SetWidget(new QComboBox); }

void PopupMenu::AddRow(const std::string& text) {
  if (auto* box = static_cast<QComboBox*>(widget())) box->addItem(ToQ(text));
}

int32_t PopupMenu::ListCount() const {
  auto* box = static_cast<QComboBox*>(widget());
  return box ? box->count() : 0;
}

std::string PopupMenu::List(int32_t row) const {
  if (row < 0 || row >= ListCount()) throw OutOfBoundsException(row, ListCount() - 1);
  return FromQ(static_cast<QComboBox*>(widget())->itemText(row));
}

int32_t PopupMenu::ListIndex() const {
  auto* box = static_cast<QComboBox*>(widget());
  return box ? box->currentIndex() : -1;
}

void PopupMenu::SetListIndex(int32_t row) {
  if (row < -1 || row >= ListCount()) throw OutOfBoundsException(row, ListCount() - 1);
  static_cast<QComboBox*>(widget())->setCurrentIndex(row);
}

void PopupMenu::SetProperty(const PropertyRecord& r) {
  if (r.name == "InitialValue") {
    for (const QString& row : LinesToQ(r.value.text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
      AddRow(FromQ(row));
    }
  } else if (r.name == "ListIndex") {
    SetListIndex(r.value.int32);
  } else {
    RectControl::SetProperty(r);
  }
}

// Listbox

Listbox::Listbox() {
  QTableWidget* table = new QTableWidget(0, 1);
  table->horizontalHeader()->hide();
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setWordWrap(false);
  table->setTextElideMode(Qt::ElideNone);
  table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  // Tab leaves the list for the next control, as from any other.
  table->setTabKeyNavigation(false);
  table->setColumnWidth(0, 100);
  SetWidget(table);
}

void Listbox::AddRow(const std::string& text) {
  auto* table = static_cast<QTableWidget*>(widget());
  if (!table) return;
  const int row = table->rowCount();
  table->insertRow(row);
  for (int c = 0; c < table->columnCount(); ++c) table->setItem(row, c, new QTableWidgetItem);
  table->item(row, 0)->setText(ToQ(text));
  WidenFor(text);
}

int32_t Listbox::ListCount() const {
  auto* table = static_cast<QTableWidget*>(widget());
  return table ? table->rowCount() : 0;
}

void Listbox::CheckCell(int32_t row, int32_t column) const {
  auto* table = static_cast<QTableWidget*>(widget());
  if (!table) throw NilObjectException("The list box has left its window");
  if (row < 0 || row >= table->rowCount()) throw OutOfBoundsException(row, table->rowCount() - 1);
  if (column < 0 || column >= table->columnCount()) throw OutOfBoundsException(column, table->columnCount() - 1);
}

std::string Listbox::Cell(int32_t row, int32_t column) const {
  CheckCell(row, column);
  QTableWidgetItem* item = static_cast<QTableWidget*>(widget())->item(row, column);
  return item ? FromQ(item->text()) : std::string();
}

void Listbox::SetCell(int32_t row, int32_t column, const std::string& text) {
  CheckCell(row, column);
  auto* table = static_cast<QTableWidget*>(widget());
  QTableWidgetItem* item = table->item(row, column);
  if (!item) table->setItem(row, column, item = new QTableWidgetItem);
  item->setText(ToQ(text));
  if (column == 0) WidenFor(text);
}

// A cell's text is drawn inside a margin on either side.
void Listbox::WidenFor(const std::string& text) {
  auto* table = static_cast<QTableWidget*>(widget());
  const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
  const int needed = table->fontMetrics().horizontalAdvance(ToQ(text)) + 2 * margin;
  if (needed > table->columnWidth(0)) table->setColumnWidth(0, needed);
}

void Listbox::SetProperty(const PropertyRecord& r) {
  auto* table = static_cast<QTableWidget*>(widget());
  const std::string& n = r.name;
  if (!table) {
    RectControl::SetProperty(r);
    return;
  }
  if (n == "ColumnCount") table->setColumnCount(std::max(1, r.value.int32));
  else if (n == "ColumnWidths") {
    int column = 0;
    for (const QString& w : ToQ(r.value.text).split(QLatin1Char(','))) {
      if (column < table->columnCount() && w.trimmed().toInt() > 0) table->setColumnWidth(column, w.trimmed().toInt());
      ++column;
    }
  } else if (n == "HasHeading") table->horizontalHeader()->setVisible(r.value.boolean);
  else if (n == "DefaultRowHeight") {
    if (r.value.int32 > 0) {
      table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
      table->verticalHeader()->setDefaultSectionSize(r.value.int32);
    }
  } else if (n == "GridLinesHorizontal") table->setShowGrid(r.value.int32 != 0);
  else if (n == "ScrollBarHorizontal") table->setHorizontalScrollBarPolicy(r.value.boolean ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  else if (n == "ScrollBarVertical") table->setVerticalScrollBarPolicy(r.value.boolean ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  else if (n == "Border") table->setFrameShape(r.value.boolean ? QFrame::StyledPanel : QFrame::NoFrame);
  else RectControl::SetProperty(r);
}

// Rectangle

Rectangle::Rectangle() { SetWidget(new PaintedWidget<Rectangle>(this)); }

void Rectangle::SetFillColor(Color c) {
  fillColor_ = c;
  Refresh();
}

void Rectangle::SetBorderWidth(int32_t w) {
  borderWidth_ = w;
  Refresh();
}

void Rectangle::SetBorderColor(Color c) {
  borderColor_ = c;
  Refresh();
}

void Rectangle::SetProperty(const PropertyRecord& r) {
  if (r.name == "FillColor") SetFillColor(r.value.color);
  else if (r.name == "BorderWidth") SetBorderWidth(r.value.int32);
  else if (r.name == "BorderColor") SetBorderColor(r.value.color);
  else RectControl::SetProperty(r);
}

void Rectangle::PaintTo(QPainter& p) const {
  p.fillRect(QRect(0, 0, width_, height_), ToQColor(fillColor_));
  const int b = std::min({borderWidth_, width_, height_});
  if (b <= 0) return;
  const QColor c = ToQColor(borderColor_);
  p.fillRect(QRect(0, 0, width_, b), c);
  p.fillRect(QRect(0, height_ - b, width_, b), c);
  p.fillRect(QRect(0, 0, b, height_), c);
  p.fillRect(QRect(width_ - b, 0, b, height_), c);
}

void Rectangle::GeometryChanged() {
  QWidget* self = widget();
  Ref<::Window> w = Window();
  if (!self || w == nullptr) return;
  const QRect mine(left_, top_, width_, height_);
  for (const Ref<Control>& c : w->Controls()) {
    Ref<Listbox> list = Cast<Listbox>(c);
    if (list != nullptr && list->widget() && QRect(list->Left(), list->Top(), list->Width(), list->Height()).intersects(mine)) {
      self->stackUnder(list->widget());
    }
  }
}

// Line

Line::Line() { SetWidget(new PaintedWidget<Line>(this)); }

void Line::SetX1(int32_t v) { x1_ = v, ApplyGeometry(); }
void Line::SetY1(int32_t v) { y1_ = v, ApplyGeometry(); }
void Line::SetX2(int32_t v) { x2_ = v, ApplyGeometry(); }
void Line::SetY2(int32_t v) { y2_ = v, ApplyGeometry(); }

void Line::SetBorderWidth(int32_t w) {
  borderWidth_ = w;
  ApplyGeometry();
}

void Line::SetBorderColor(Color c) {
  borderColor_ = c;
  Refresh();
}

void Line::SetLeft(int32_t left) {
  const int32_t dx = left - std::min(x1_, x2_);
  x1_ += dx, x2_ += dx;
  ApplyGeometry();
}

void Line::SetTop(int32_t top) {
  const int32_t dy = top - std::min(y1_, y2_);
  y1_ += dy, y2_ += dy;
  ApplyGeometry();
}

void Line::SetProperty(const PropertyRecord& r) {
  const std::string& n = r.name;
  if (n == "X1") SetX1(r.value.int32);
  else if (n == "Y1") SetY1(r.value.int32);
  else if (n == "X2") SetX2(r.value.int32);
  else if (n == "Y2") SetY2(r.value.int32);
  else if (n == "BorderWidth") SetBorderWidth(r.value.int32);
  else if (n == "BorderColor") SetBorderColor(r.value.color);
  else if (n == "Left" || n == "Top" || n == "Width" || n == "Height") return;
  else RectControl::SetProperty(r);
}

void Line::ApplyGeometry() {
  left_ = std::min(x1_, x2_);
  top_ = std::min(y1_, y2_);
  width_ = std::abs(x2_ - x1_);
  height_ = std::abs(y2_ - y1_);
  // The widget reaches half the line's width beyond the box, and then some.
  const int pad = borderWidth_ / 2 + 1;
  if (QWidget* w = widget()) w->setGeometry(left_ - pad, top_ - pad, width_ + 2 * pad + 1, height_ + 2 * pad + 1);
  Refresh();
}

void Line::PaintTo(QPainter& p) const {
  if (borderWidth_ <= 0) return;
  const int pad = borderWidth_ / 2 + 1;
  QPen pen(ToQColor(borderColor_));
  pen.setWidth(borderWidth_);
  pen.setCapStyle(Qt::SquareCap);
  p.setPen(pen);
  p.drawLine(QPoint(x1_ - left_ + pad, y1_ - top_ + pad), QPoint(x2_ - left_ + pad, y2_ - top_ + pad));
}

// Timer

Timer::Timer() : timer_(new QTimer) {
  DeclareEvent("Action", "(  )");
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_, &QTimer::timeout, [this] { Tick(); });
}

Timer::~Timer() {
  timer_->stop();
  QObject::disconnect(timer_, nullptr, nullptr, nullptr);
  timer_->deleteLater();
}

void Timer::SetMode(int32_t mode) {
  if (mode == mode_) return;
  mode_ = mode;
  Apply();
}

void Timer::SetPeriod(int32_t period) {
  if (period == period_) return;
  period_ = period;
  if (timer_->isActive()) Apply();
}

void Timer::Reset() {
  if (timer_->isActive()) Apply();
}

void Timer::Apply() {
  if (detached_ || mode_ == 0) {
    timer_->stop();
    return;
  }
  timer_->setSingleShot(mode_ == 1);
  timer_->start(std::max(period_, 1));
}

void Timer::Event_Action() { RaiseEvent("Action"); }

void Timer::SetProperty(const PropertyRecord& r) {
  if (r.name == "Mode") SetMode(r.value.int32);
  else if (r.name == "Period") SetPeriod(r.value.int32);
  else Control::SetProperty(r);
}

void Timer::Detach() {
  Halt();
  Control::Detach();
}

void Timer::Halt() {
  detached_ = true;
  timer_->stop();
}

void Timer::Tick() {
  if (detached_ || inAction_ || mode_ == 0) return;
  Ref<Control> keep = RefTo(this);
  if (mode_ == 1) {
    mode_ = 0;
    timer_->stop();
  }
  inAction_ = true;
  RunGuarded([this] { Event_Action(); });
  inAction_ = false;
}

// Checking a layout

TextPlace PlaceOfText(const Ref<RectControl>& control) {
  QWidget* w = control != nullptr ? control->widget() : nullptr;
  if (w == nullptr) throw NilObjectException("No control, or one that has left its window");
  QRect room;
  int flags = 0;
  QString text;
  if (auto* label = qobject_cast<QLabel*>(w)) {
    room = label->contentsRect();
    flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    text = label->text();
  } else if (auto* button = qobject_cast<QPushButton*>(w)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    text = button->text();
  } else {
    throw TypeMismatchException("Only labels and push buttons show a text to place");
  }
  TextPlace place;
  if (text.isEmpty()) return place;
  const QRect drawn = w->fontMetrics().boundingRect(room, flags, text);
  place.left = control->Left() + drawn.x(), place.top = control->Top() + drawn.y();
  place.width = drawn.width(), place.height = drawn.height();
  place.fits = room.contains(drawn);
  const QRect onWindow(place.left, place.top, place.width, place.height);
  const QObjectList& stacking = w->parentWidget()->children();
  for (const Ref<Control>& c : control->Window()->Controls()) {
    Ref<RectControl> other = Cast<RectControl>(c);
    if (other == nullptr || other == control || !other->Visible() || other->widget() == nullptr) continue;
    if (stacking.indexOf(other->widget()) > stacking.indexOf(w) && other->widget()->geometry().intersects(onWindow)) {
      place.coveredBy.push_back(other->Name());
    }
  }
  return place;
}
