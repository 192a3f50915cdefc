// Real mouse input reaching a window, and control events bound by name.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Layout.h"
#include "TestSupport.h"
#include "TextNumber.h"

namespace {

PropertyStream Box(int32_t left, int32_t top, int32_t width, int32_t height) {
  return PropertyStream().Int32("Left", left).Int32("Top", top).Int32("Width", width).Int32("Height", height);
}

class ArrayButton : public PushButton {
public:
  using PushButton::Constructor;
  void Constructor(int32_t index) {
    PushButton::Constructor();
    SetIndex(index);
  }
};

using Point = std::pair<int32_t, int32_t>;

// A control of each kind; the window records the mouse events and actions that reach it.
class Pad : public Window {
public:
  std::string ClassName() const override { return "Pad.Pad"; }
  void Layout() override { SetProperties(RefTo(this), PropertyStream().Int32("Width", 300).Int32("Height", 240)); }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<Canvas>(), "Can", kNoIndex, Box(10, 10, 80, 60), {}, {}},
      {Make<StaticText>(), "Label", kNoIndex, Box(100, 10, 80, 20).Text("Text", "Label"), {}, {}},
      {MakeElement<ArrayButton>(0), "Keys", 0, Box(100, 40, 80, 24), {On<Pad>("Action", &Pad::Keys_Action, "(  )")}, {}},
      {MakeElement<ArrayButton>(1), "Keys", 1, Box(190, 40, 80, 24), {On<Pad>("Action", &Pad::Keys_Action, "(  )")}, {}},
      {Make<PushButton>(), "Quiet", kNoIndex, Box(190, 10, 80, 24), {}, {}},
      {Make<EditField>(), "Field", kNoIndex, Box(10, 100, 100, 22), {}, {}},
      {Make<Listbox>(), "List", kNoIndex, Box(120, 100, 100, 100), {}, {}},
      {Make<PopupMenu>(), "Popup", kNoIndex, Box(10, 150, 100, 22).Text("InitialValue", "A" + Chr(13) + "B"), {}, {}},
    });
  }
  bool Event_MouseDown(int32_t x, int32_t y) override {
    downs.push_back({x, y});
    return claim;
  }
  void Event_MouseDrag(int32_t x, int32_t y) override { drags.push_back({x, y}); }
  void Event_MouseUp(int32_t x, int32_t y) override { ups.push_back({x, y}); }
  void Keys_Action(const Ref<ArrayButton>& me) { pressed.push_back(me); }
  void Can_Paint(const Ref<Canvas>&, const Ref<Graphics>&) {}
  void Count_Changed(const Ref<PushButton>&, int32_t) {}

  bool claim = false;
  std::vector<Point> downs, drags, ups;
  std::vector<Ref<ArrayButton>> pressed;
};

class PadTest : public test::WindowTest {
protected:
  void SetUp() override {
    w = New<Pad>();
    w->Constructor();
  }
  Ref<Pad> w;
};

TEST_F(PadTest, OnlyPressesOverPassiveControlsReachMouseDownInWindowCoordinates) {
  w->claim = true;
  test::Click(w, 30, 40);    // canvas
  test::Click(w, 120, 15);   // label
  test::Click(w, 260, 220);  // no control
  test::Click(w, 140, 52);   // a button takes its own click
  test::Click(w, 170, 190);  // so does a list, below its rows
  test::Click(w, 50, 110);   // and an edit field, which takes the focus
  EXPECT_TRUE(ControlNamed<EditField>(w, "Field")->widget()->hasFocus());
  ControlNamed<ArrayButton>(w, "Keys", 0)->SetEnabled(false);
  test::Click(w, 140, 52);  // a disabled button too, doing nothing
  test::Click(w, 50, 160);  // a pop-up menu opens its list
  ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  QApplication::activePopupWidget()->close();
  EXPECT_EQ(w->downs, (std::vector<Point>{{30, 40}, {120, 15}, {260, 220}}));
  EXPECT_EQ(w->ups.size(), 3u);
  EXPECT_EQ(w->pressed.size(), 1u);
}

TEST_F(PadTest, DragAndUpFollowOnlyAClaimedPress) {
  test::Press(w, 30, 40);
  test::Move(w, 35, 45);
  test::Release(w, 35, 45);
  w->claim = true;
  test::Press(w, 30, 40);
  test::Move(w, 40, 50);
  test::Move(w, 250, 5);  // beyond the canvas, still the window's
  test::Release(w, 250, 5);
  test::Move(w, 60, 60);  // no button down: no drag
  EXPECT_EQ(w->downs.size(), 2u);
  EXPECT_EQ(w->drags, (std::vector<Point>{{40, 50}, {250, 5}}));
  EXPECT_EQ(w->ups, (std::vector<Point>{{250, 5}}));
}

TEST_F(PadTest, EventsRunAtOnceWithTheRaisingElementAsMeAndAnUnboundEventDoesNothing) {
  Ref<ArrayButton> first = ControlNamed<ArrayButton>(w, "Keys", 0);
  Ref<ArrayButton> second = ControlNamed<ArrayButton>(w, "Keys", 1);
  test::ClickButton(second);
  first->Event_Action();
  EXPECT_EQ(w->pressed, (std::vector<Ref<ArrayButton>>{second, first}));

  Ref<PushButton> quiet = ControlNamed<PushButton>(w, "Quiet");
  EXPECT_TRUE(quiet->RaiseEvent("Action").IsNil());
  test::ClickButton(quiet);
  EXPECT_EQ(w->pressed.size(), 2u);
  EXPECT_THROW(quiet->RaiseEvent("Paint"), TypeMismatchException);
}

TEST_F(PadTest, ADelegateOfAnotherSignatureIsRefusedAndNamed) {
  using testing::HasSubstr;
  Ref<PushButton> quiet = ControlNamed<PushButton>(w, "Quiet");
  Ref<Canvas> can = ControlNamed<Canvas>(w, "Can");
  EXPECT_THAT([&] { InstallInstanceEventHandler(quiet, "Action", RuntimeCreateDelegate(w, &Pad::Count_Changed, "( Int32 )")); },
              testing::ThrowsMessage<TypeMismatchException>(testing::AllOf(
                  HasSubstr("\"Action\""), HasSubstr("\"Quiet\""), HasSubstr("\"(  )\""), HasSubstr("\"( Int32 )\""))));
  const std::tuple<Ref<Control>, const char*, Delegate> refused[] = {
      {quiet, "Action", RuntimeCreateDelegate(w, &Pad::Count_Changed, "( Double )")},  // same count, other text
      {can, "Paint", RuntimeCreateDelegate(w, &Pad::Can_Paint, "( Picture )")},
      {quiet, "Pressed", RuntimeCreateDelegate(w, &Pad::Keys_Action, "(  )")}};
  for (const auto& [control, event, handler] : refused) {
    EXPECT_THROW(InstallInstanceEventHandler(control, event, handler), TypeMismatchException) << event;
  }
  // A handler whose parameters the signature text does not count is refused when made.
  EXPECT_THROW(RuntimeCreateDelegate(w, &Pad::Count_Changed, "(  )"), TypeMismatchException);
  EXPECT_FALSE(quiet->HasHandler("Action"));  // a refused binding leaves the event as it was
  InstallInstanceEventHandler(can, "Paint", RuntimeCreateDelegate(w, &Pad::Can_Paint, "( Graphics )"));
  EXPECT_TRUE(can->HasHandler("Paint"));
}

TEST_F(PadTest, AHandlerOfAWindowThatIsGoneDoesNothing) {
  Ref<ArrayButton> kept = ControlNamed<ArrayButton>(w, "Keys", 0);
  std::weak_ptr<Object> gone = w.shared();
  w->Close();
  w = nullptr;
  test::ProcessPending();
  ASSERT_TRUE(gone.expired());
  EXPECT_EQ(kept->Window(), nullptr);
  EXPECT_TRUE(kept->RaiseEvent("Action").IsNil());
}

}  // namespace
