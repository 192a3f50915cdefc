// Real mouse input reaching a window, and control events bound by name.
#include <gtest/gtest.h>

#include <QTableWidget>

#include "Layout.h"
#include "TestSupport.h"
#include "TextNumber.h"

namespace {

PropertyStream Box(int32_t left, int32_t top, int32_t width, int32_t height) {
  return PropertyStream().Int32("Left", left).Int32("Top", top).Int32("Width", width).Int32("Height", height);
}

using Point = std::pair<int32_t, int32_t>;

class Pad : public Window {
public:
  std::string ClassName() const override { return "Pad.Pad"; }
  void Layout() override { SetProperties(RefTo(this), PropertyStream().Int32("Width", 300).Int32("Height", 240)); }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<Canvas>(), "Can", kNoIndex, Box(10, 10, 80, 60), {}, {}},
      {Make<StaticText>(), "Label", kNoIndex, Box(100, 10, 80, 20).Text("Text", "Label"), {}, {}},
      {Make<PushButton>(), "Button", kNoIndex, Box(100, 40, 80, 24).Text("Caption", "Go"),
       {On<Pad>("Action", &Pad::Button_Action, "(  )")}, {}},
      {Make<EditField>(), "Field", kNoIndex, Box(10, 100, 100, 22), {}, {}},
      {Make<Listbox>(), "List", kNoIndex, Box(120, 100, 100, 100), {},
       [](const Ref<Control>& c) {
         Cast<Listbox>(c)->AddRow("one");
         Cast<Listbox>(c)->AddRow("two");
       }},
      {Make<PopupMenu>(), "Popup", kNoIndex, Box(10, 150, 100, 22).Text("InitialValue", "A" + Chr(13) + "B"), {}, {}},
    });
  }
  bool Event_MouseDown(int32_t x, int32_t y) override {
    downs.push_back({x, y});
    return claim;
  }
  void Event_MouseDrag(int32_t x, int32_t y) override { drags.push_back({x, y}); }
  void Event_MouseUp(int32_t x, int32_t y) override { ups.push_back({x, y}); }
  void Button_Action(const Ref<PushButton>&) { ++actions; }

  bool claim = false;
  std::vector<Point> downs, drags, ups;
  int actions = 0;
};

using MouseTest = test::WindowTest;

TEST_F(MouseTest, PressesOverPassiveControlsReachMouseDownInWindowCoordinates) {
  Ref<Pad> w = New<Pad>();
  w->Constructor();
  test::Click(w, 30, 40);    // canvas
  test::Click(w, 120, 15);   // label
  test::Click(w, 260, 220);  // no control
  EXPECT_EQ(w->downs, (std::vector<Point>{{30, 40}, {120, 15}, {260, 220}}));
}

TEST_F(MouseTest, DragAndUpFollowOnlyAClaimedPress) {
  Ref<Pad> w = New<Pad>();
  w->Constructor();
  w->claim = false;
  test::Press(w, 30, 40);
  test::Move(w, 35, 45);
  test::Release(w, 35, 45);
  EXPECT_EQ(w->downs.size(), 1u);
  EXPECT_TRUE(w->drags.empty());
  EXPECT_TRUE(w->ups.empty());

  w->claim = true;
  test::Press(w, 30, 40);
  test::Move(w, 40, 50);
  test::Move(w, 250, 5);  // beyond the canvas, still the window's
  test::Release(w, 250, 5);
  EXPECT_EQ(w->downs.size(), 2u);
  EXPECT_EQ(w->drags, (std::vector<Point>{{40, 50}, {250, 5}}));
  EXPECT_EQ(w->ups, (std::vector<Point>{{250, 5}}));

  // Moving with no button down afterwards is no drag.
  test::Move(w, 60, 60);
  EXPECT_EQ(w->drags.size(), 2u);
}

TEST_F(MouseTest, ActiveControlsKeepTheirOwnClicks) {
  Ref<Pad> w = New<Pad>();
  w->Constructor();
  w->claim = true;
  test::ClickButton(ControlNamed<PushButton>(w, "Button"));
  EXPECT_EQ(w->actions, 1);

  test::Click(w, 50, 110);  // edit field
  EXPECT_TRUE(ControlNamed<EditField>(w, "Field")->widget()->hasFocus());
  test::TypeInto(ControlNamed<EditField>(w, "Field"), "abc");
  EXPECT_EQ(ControlNamed<EditField>(w, "Field")->Text(), "abc");

  auto* table = static_cast<QTableWidget*>(ControlNamed<Listbox>(w, "List")->widget());
  const QPoint row = table->viewport()->mapTo(w->content(), table->visualItemRect(table->item(1, 0)).center());
  test::Click(w, row.x(), row.y());
  EXPECT_EQ(table->currentRow(), 1);
  test::Click(w, 170, 190);  // the list's empty space below its rows

  // A disabled button keeps its clicks too: they do nothing.
  ControlNamed<PushButton>(w, "Button")->SetEnabled(false);
  test::ClickButton(ControlNamed<PushButton>(w, "Button"));

  test::Click(w, 50, 160);  // pop-up menu: it opens its list
  QWidget* popup = QApplication::activePopupWidget();
  EXPECT_NE(popup, nullptr);
  if (popup) popup->close();
  test::ProcessPending();

  EXPECT_TRUE(w->downs.empty());
  EXPECT_TRUE(w->ups.empty());
  EXPECT_EQ(w->actions, 1);
}

// Events bound by name.
class ArrayButton : public PushButton {
public:
  using PushButton::Constructor;
  void Constructor(int32_t index) {
    PushButton::Constructor();
    SetIndex(index);
  }
};

class Relay : public Window {
public:
  std::string ClassName() const override { return "Relay.Relay"; }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {MakeElement<ArrayButton>(0), "Keys", 0, Box(10, 10, 40, 24), {On<Relay>("Action", &Relay::Keys_Action, "(  )")}, {}},
      {MakeElement<ArrayButton>(1), "Keys", 1, Box(60, 10, 40, 24), {On<Relay>("Action", &Relay::Keys_Action, "(  )")}, {}},
      {Make<PushButton>(), "Quiet", kNoIndex, Box(10, 50, 40, 24), {}, {}},
      {Make<Canvas>(), "Can", kNoIndex, Box(60, 50, 40, 40), {}, {}},
    });
  }
  void Keys_Action(const Ref<ArrayButton>& me) { pressed.push_back(me); }
  void Can_Paint(const Ref<Canvas>&, const Ref<Graphics>&) {}
  void Count_Changed(const Ref<PushButton>&, int32_t) {}
  std::vector<Ref<ArrayButton>> pressed;
};

class BadTable : public Window {
public:
  std::string ClassName() const override { return "BadTable.BadTable"; }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<Canvas>(), "Can", kNoIndex, Box(0, 0, 10, 10), {On<BadTable>("Paint", &BadTable::Can_Paint, "( Picture )")}, {}},
    });
  }
  void Can_Paint(const Ref<Canvas>&, const Ref<Graphics>&) {}
};

using BoundEventTest = test::WindowTest;

TEST_F(BoundEventTest, EventsRunAtOnceWithTheRaisingControlAsMe) {
  Ref<Relay> w = New<Relay>();
  w->Constructor();
  Ref<ArrayButton> first = ControlNamed<ArrayButton>(w, "Keys", 0);
  Ref<ArrayButton> second = ControlNamed<ArrayButton>(w, "Keys", 1);
  test::ClickButton(second);
  ASSERT_EQ(w->pressed.size(), 1u);
  EXPECT_EQ(w->pressed[0], second);
  first->Event_Action();
  ASSERT_EQ(w->pressed.size(), 2u);
  EXPECT_EQ(w->pressed[1], first);
}

TEST_F(BoundEventTest, AnUnboundEventDoesNothing) {
  Ref<Relay> w = New<Relay>();
  w->Constructor();
  Ref<PushButton> quiet = ControlNamed<PushButton>(w, "Quiet");
  EXPECT_FALSE(quiet->HasHandler("Action"));
  EXPECT_TRUE(quiet->RaiseEvent("Action").IsNil());
  test::ClickButton(quiet);
  EXPECT_TRUE(w->pressed.empty());
  EXPECT_THROW(quiet->RaiseEvent("Paint"), TypeMismatchException);
}

TEST_F(BoundEventTest, ADelegateOfAnotherSignatureIsRefused) {
  Ref<Relay> w = New<Relay>();
  w->Constructor();
  Ref<PushButton> quiet = ControlNamed<PushButton>(w, "Quiet");
  try {
    InstallInstanceEventHandler(quiet, "Action", RuntimeCreateDelegate(w, &Relay::Count_Changed, "( Int32 )"));
    FAIL() << "bound a \"( Int32 )\" handler to an \"(  )\" event";
  } catch (const TypeMismatchException& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find("\"Action\""), std::string::npos) << message;
    EXPECT_NE(message.find("\"Quiet\""), std::string::npos) << message;
    EXPECT_NE(message.find("\"(  )\""), std::string::npos) << message;
    EXPECT_NE(message.find("\"( Int32 )\""), std::string::npos) << message;
  }
  // The same count of parameters under another text is another signature.
  EXPECT_THROW(InstallInstanceEventHandler(quiet, "Action", RuntimeCreateDelegate(w, &Relay::Count_Changed, "( Double )")),
               TypeMismatchException);
  EXPECT_THROW(InstallInstanceEventHandler(ControlNamed<Canvas>(w, "Can"), "Paint",
                                           RuntimeCreateDelegate(w, &Relay::Can_Paint, "( Picture )")),
               TypeMismatchException);
  EXPECT_THROW(InstallInstanceEventHandler(quiet, "Pressed", RuntimeCreateDelegate(w, &Relay::Keys_Action, "(  )")),
               TypeMismatchException);
  // A handler whose parameters the signature text does not count is refused when made.
  EXPECT_THROW(RuntimeCreateDelegate(w, &Relay::Count_Changed, "(  )"), TypeMismatchException);
  // A refused binding leaves the event as it was.
  EXPECT_FALSE(quiet->HasHandler("Action"));
  InstallInstanceEventHandler(ControlNamed<Canvas>(w, "Can"), "Paint", RuntimeCreateDelegate(w, &Relay::Can_Paint, "( Graphics )"));
  EXPECT_TRUE(ControlNamed<Canvas>(w, "Can")->HasHandler("Paint"));

  Ref<BadTable> bad = New<BadTable>();
  EXPECT_THROW(bad->Constructor(), TypeMismatchException);
}

TEST_F(BoundEventTest, AHandlerOfAWindowThatIsGoneDoesNothing) {
  Ref<ArrayButton> kept;
  std::weak_ptr<Object> gone;
  {
    Ref<Relay> w = New<Relay>();
    w->Constructor();
    kept = ControlNamed<ArrayButton>(w, "Keys", 0);
    gone = w.shared();
    w->Close();
  }
  test::ProcessPending();
  ASSERT_TRUE(gone.expired());
  EXPECT_EQ(kept->Window(), nullptr);
  EXPECT_TRUE(kept->RaiseEvent("Action").IsNil());
}

}  // namespace
