#include <gtest/gtest.h>

#include "Layout.h"
#include "TestSupport.h"

namespace {

class SmokeWindow : public Window {
public:
  std::string ClassName() const override { return "SmokeWindow.SmokeWindow"; }
  void Layout() override {
    SetProperties(RefTo(this), PropertyStream().Text("Title", "Smoke").Int32("Width", 300).Int32("Height", 200)
                                   .Boolean("Visible", true).Boolean("Resizeable", false));
  }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<Canvas>(), "Can", kNoIndex, PropertyStream().Int32("Left", 10).Int32("Top", 10).Int32("Width", 50).Int32("Height", 40), {}, {}},
      {Make<PushButton>(), "Button", kNoIndex, PropertyStream().Int32("Left", 100).Int32("Top", 10).Int32("Width", 80).Int32("Height", 24).Text("Caption", "Go"),
        {On<SmokeWindow>("Action", &SmokeWindow::Button_Action, "(  )")}, {}},
    });
  }
  bool Event_MouseDown(int32_t x, int32_t y) override { downs.push_back({x, y}); return true; }
  void Event_MouseUp(int32_t x, int32_t y) override { ups.push_back({x, y}); }
  void Button_Action(const Ref<PushButton>&) { ++actions; }
  std::vector<std::pair<int, int>> downs, ups;
  int actions = 0;
};

using Smoke = test::WindowTest;

TEST_F(Smoke, WindowTakesClicks) {
  Ref<SmokeWindow> w = New<SmokeWindow>();
  w->Constructor();
  ASSERT_TRUE(w->Visible());
  EXPECT_EQ(w->Width(), 300);
  test::Click(w, 20, 20);
  ASSERT_EQ(w->downs.size(), 1u);
  EXPECT_EQ(w->downs[0], std::make_pair(20, 20));
  EXPECT_EQ(w->ups.size(), 1u);
  test::ClickButton(ControlNamed<PushButton>(w, "Button"));
  EXPECT_EQ(w->actions, 1);
  EXPECT_EQ(w->downs.size(), 1u);
  Ref<Canvas> c = ControlNamed<Canvas>(w, "Can");
  c->Graphics()->SetForeColor(RGB(255, 0, 0));
  c->Graphics()->FillRect(0, 0, 50, 40);
  QImage img = test::Grab(w);
  EXPECT_EQ(img.pixelColor(30, 30), QColor(255, 0, 0));
}

}  // namespace
