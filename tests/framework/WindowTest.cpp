// Windows built from record tables, the implicit instance, and windows that
// close themselves from their own handlers.
#include <gtest/gtest.h>

#include <QLabel>

#include "Layout.h"
#include "TestSupport.h"

namespace {

PropertyStream Box(int32_t left, int32_t top, int32_t width, int32_t height) {
  return PropertyStream().Int32("Left", left).Int32("Top", top).Int32("Width", width).Int32("Height", height);
}

// An element of a control array: its Constructor takes its index.
class Cell : public Canvas {
public:
  using Canvas::Constructor;
  void Constructor(int32_t index) {
    Canvas::Constructor();
    SetIndex(index);
  }
};

class TableWindow : public Window {
public:
  std::string ClassName() const override { return "TableWindow.TableWindow"; }
  void Layout() override {
    SetProperties(RefTo(this), PropertyStream().Text("Title", "Table").Int32("Width", 300).Int32("Height", 200));
  }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<Canvas>(), "Under", kNoIndex, Box(10, 10, 60, 60), {}, {}},
      {MakeElement<Cell>(0), "Cells", 0, Box(40, 40, 60, 60), {}, {}},
      {MakeElement<Cell>(1), "Cells", 1, Box(70, 70, 60, 60), {}, {}},
      {Make<StaticText>(), "Label", kNoIndex, Box(150, 10, 100, 20).Text("Text", "Hello"), {}, {}},
      {Make<PushButton>(), "Button", kNoIndex, Box(150, 40, 80, 24).Text("Caption", "Go"), {}, {}},
      {Make<EditField>(), "Field", kNoIndex, Box(150, 80, 100, 22).Text("Text", "typed"), {}, {}},
    });
  }
};

using TableWindowTest = test::WindowTest;

TEST_F(TableWindowTest, ControlsAreFoundByNameAndByNameAndIndex) {
  Ref<TableWindow> w = New<TableWindow>();
  w->Constructor();
  Ref<Cell> first = ControlNamed<Cell>(w, "Cells", 0);
  Ref<Cell> second = ControlNamed<Cell>(w, "Cells", 1);
  EXPECT_NE(first, second);
  EXPECT_EQ(first->Index(), 0);
  EXPECT_EQ(second->Index(), 1);
  // By name alone, an array answers with the element made first.
  EXPECT_EQ(RuntimeWindowControlByName(w, "Cells"), first);
  EXPECT_EQ(ControlNamed<Canvas>(w, "Under")->Index(), kNoIndex);
  EXPECT_EQ(ControlNamed<Canvas>(w, "Under")->Window(), w);

  EXPECT_EQ(RuntimeWindowControlByName(w, "Missing"), nullptr);
  EXPECT_EQ(RuntimeWindowControlByNameIndex(w, "Cells", 2), nullptr);
  EXPECT_EQ(RuntimeWindowControlByNameIndex(w, "Under", 0), nullptr);
  EXPECT_THROW(ControlNamed<PushButton>(w, "Label"), NilObjectException);
  EXPECT_THROW(ControlNamed<Cell>(w, "Cells", 2), NilObjectException);
}

TEST_F(TableWindowTest, ControlsCarryTheGeometryAndTextsOfTheirRecords) {
  Ref<TableWindow> w = New<TableWindow>();
  w->Constructor();
  ASSERT_TRUE(w->Visible());
  EXPECT_EQ(w->Title(), "Table");
  EXPECT_EQ(w->widget()->windowTitle(), QString("Table"));
  EXPECT_EQ(w->Width(), 300);
  EXPECT_EQ(w->Height(), 200);

  const std::vector<std::pair<std::string, QRect>> places = {
      {"Under", QRect(10, 10, 60, 60)}, {"Label", QRect(150, 10, 100, 20)},
      {"Button", QRect(150, 40, 80, 24)}, {"Field", QRect(150, 80, 100, 22)}};
  for (const auto& [name, rect] : places) {
    Ref<RectControl> c = ControlNamed<RectControl>(w, name);
    EXPECT_EQ(QRect(c->Left(), c->Top(), c->Width(), c->Height()), rect) << name;
    EXPECT_EQ(c->widget()->geometry(), rect) << name;
    EXPECT_EQ(c->widget()->parentWidget(), w->content()) << name;
    EXPECT_TRUE(c->widget()->isVisible()) << name;
  }
  EXPECT_EQ(ControlNamed<StaticText>(w, "Label")->Text(), "Hello");
  EXPECT_EQ(static_cast<QLabel*>(ControlNamed<StaticText>(w, "Label")->widget())->text(), QString("Hello"));
  EXPECT_EQ(ControlNamed<PushButton>(w, "Button")->Caption(), "Go");
  EXPECT_EQ(static_cast<QPushButton*>(ControlNamed<PushButton>(w, "Button")->widget())->text(), QString("Go"));
  EXPECT_EQ(ControlNamed<EditField>(w, "Field")->Text(), "typed");
}

TEST_F(TableWindowTest, LaterControlsLieAboveEarlierOnes) {
  Ref<TableWindow> w = New<TableWindow>();
  w->Constructor();
  ASSERT_EQ(w->Controls().size(), 6u);
  // The widgets are stacked in creation order, the last on top.
  const QObjectList stack = w->content()->children();
  int previous = -1;
  for (const Ref<Control>& c : w->Controls()) {
    const int at = static_cast<int>(stack.indexOf(Cast<RectControl>(c)->widget()));
    EXPECT_GT(at, previous) << c->Name();
    previous = at;
  }

  ControlNamed<Canvas>(w, "Under")->Graphics()->SetForeColor(RGB(255, 0, 0));
  ControlNamed<Canvas>(w, "Under")->Graphics()->FillRect(0, 0, 60, 60);
  ControlNamed<Cell>(w, "Cells", 0)->Graphics()->SetForeColor(RGB(0, 255, 0));
  ControlNamed<Cell>(w, "Cells", 0)->Graphics()->FillRect(0, 0, 60, 60);
  ControlNamed<Cell>(w, "Cells", 1)->Graphics()->SetForeColor(RGB(0, 0, 255));
  ControlNamed<Cell>(w, "Cells", 1)->Graphics()->FillRect(0, 0, 60, 60);
  const QImage shot = test::Grab(w);
  EXPECT_EQ(shot.pixelColor(20, 20), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(50, 50), QColor(0, 255, 0));  // Under and Cells(0)
  EXPECT_EQ(shot.pixelColor(75, 75), QColor(0, 0, 255));  // all three
  EXPECT_EQ(shot.pixelColor(120, 120), QColor(0, 0, 255));
}

// The implicit instance, with an accessor written as the program writes them.
bool loneVisible = true;

class Lone : public Window {
public:
  std::string ClassName() const override { return "Lone.Lone"; }
  void Layout() override {
    SetProperties(RefTo(this), PropertyStream().Int32("Width", 120).Int32("Height", 80).Boolean("Visible", loneVisible));
  }
};

class Other : public Window {
public:
  std::string ClassName() const override { return "Other.Other"; }
};

Ref<Lone> LoneWindow() {
  if (Ref<Window> w = GetImplicitWindow("Lone.Lone")) return Cast<Lone>(w);
  Ref<Lone> w = New<Lone>();
  w->Constructor();
  return w;
}

Ref<Other> OtherWindow() {
  if (Ref<Window> w = GetImplicitWindow("Other.Other")) return Cast<Other>(w);
  Ref<Other> w = New<Other>();
  w->Constructor();
  return w;
}

using ImplicitWindowTest = test::WindowTest;

TEST_F(ImplicitWindowTest, TheAccessorAnswersTheLiveInstanceUntilItCloses) {
  loneVisible = true;
  Ref<Lone> first = LoneWindow();
  EXPECT_EQ(LoneWindow(), first);
  EXPECT_EQ(GetImplicitWindow("Lone.Lone"), first);

  first->Close();
  EXPECT_TRUE(first->IsClosed());
  EXPECT_FALSE(first->Visible());
  EXPECT_EQ(GetImplicitWindow("Lone.Lone"), nullptr);
  Ref<Lone> second = LoneWindow();
  EXPECT_NE(second, first);
  EXPECT_FALSE(second->IsClosed());
  EXPECT_EQ(LoneWindow(), second);

  // The window's own close box ends the instance too.
  second->widget()->close();
  test::ProcessPending();
  EXPECT_TRUE(second->IsClosed());
  EXPECT_EQ(GetImplicitWindow("Lone.Lone"), nullptr);
  EXPECT_NE(LoneWindow(), second);
}

TEST_F(ImplicitWindowTest, HiddenUntilShownAndShowBringsToFront) {
  loneVisible = false;
  Ref<Other> other = OtherWindow();
  Ref<Lone> lone = LoneWindow();
  loneVisible = true;
  test::ProcessPending();
  EXPECT_FALSE(lone->Visible());
  EXPECT_FALSE(lone->widget()->isVisible());
  EXPECT_EQ(FrontWindow(), other);

  lone->Show();
  test::ProcessPending();
  EXPECT_TRUE(lone->Visible());
  EXPECT_EQ(FrontWindow(), lone);

  other->Show();
  test::ProcessPending();
  EXPECT_EQ(FrontWindow(), other);
  lone->Show();
  test::ProcessPending();
  EXPECT_EQ(FrontWindow(), lone);
  EXPECT_EQ(WindowsFrontToBack().front(), lone);

  lone->Close();
  EXPECT_EQ(FrontWindow(), other);
}

// Windows that close themselves from inside their own handlers.
class SelfClosing : public Window {
public:
  std::string ClassName() const override { return "SelfClosing.SelfClosing"; }
  void Layout() override { SetProperties(RefTo(this), PropertyStream().Int32("Width", 200).Int32("Height", 100)); }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<PushButton>(), "CloseButton", kNoIndex, Box(10, 10, 80, 24).Text("Caption", "Close"),
       {On<SelfClosing>("Action", &SelfClosing::CloseButton_Action, "(  )")}, {}},
      {Make<Canvas>(), "Can", kNoIndex, Box(100, 10, 80, 80), {}, {}},
    });
  }
  bool Event_MouseDown(int32_t, int32_t) override { return true; }
  void Event_MouseUp(int32_t, int32_t) override { Close(); }
  void CloseButton_Action(const Ref<PushButton>&) { Close(); }
};

// Everything the test needs to watch a window end without keeping it alive.
struct Watch {
  std::weak_ptr<Object> window;
  std::vector<std::weak_ptr<Object>> controls;
  std::vector<QPointer<QWidget>> widgets;
  QWindow* handle = nullptr;
};

Watch WatchNewSelfClosing(QPoint* buttonPoint) {
  Ref<SelfClosing> w = New<SelfClosing>();
  w->Constructor();
  Watch watch;
  watch.window = w.shared();
  watch.handle = test::Handle(w);
  watch.widgets.push_back(w->widget());
  for (const Ref<Control>& c : w->Controls()) {
    watch.controls.push_back(c.shared());
    watch.widgets.push_back(Cast<RectControl>(c)->widget());
  }
  Ref<PushButton> b = ControlNamed<PushButton>(w, "CloseButton");
  *buttonPoint = test::TopPoint(w, b->Left() + b->Width() / 2, b->Top() + b->Height() / 2);
  return watch;
}

void ExpectAllReleased(const Watch& watch) {
  test::ProcessPending();
  EXPECT_TRUE(watch.window.expired());
  for (const auto& c : watch.controls) EXPECT_TRUE(c.expired());
  for (const auto& widget : watch.widgets) EXPECT_TRUE(widget.isNull());
}

TEST_F(ImplicitWindowTest, ClosingFromItsOwnButtonReleasesEverything) {
  QPoint buttonPoint;
  const Watch watch = WatchNewSelfClosing(&buttonPoint);
  // Only the registry holds the window now: it ends inside its own click.
  QTest::mouseClick(watch.handle, Qt::LeftButton, Qt::NoModifier, buttonPoint);
  EXPECT_EQ(GetImplicitWindow("SelfClosing.SelfClosing"), nullptr);
  ExpectAllReleased(watch);
}

TEST_F(ImplicitWindowTest, ClosingFromItsOwnMouseUpReleasesEverything) {
  QPoint buttonPoint;
  const Watch watch = WatchNewSelfClosing(&buttonPoint);
  QPoint canvasPoint;
  {
    Ref<Window> w(std::static_pointer_cast<Window>(watch.window.lock()));
    canvasPoint = test::TopPoint(w, 120, 40);
  }
  QTest::mousePress(watch.handle, Qt::LeftButton, Qt::NoModifier, canvasPoint);
  EXPECT_FALSE(watch.window.expired());
  QTest::mouseRelease(watch.handle, Qt::LeftButton, Qt::NoModifier, canvasPoint);
  EXPECT_EQ(GetImplicitWindow("SelfClosing.SelfClosing"), nullptr);
  ExpectAllReleased(watch);
}

}  // namespace
