#include "WindowSplash.h"

#include "LayoutRecords.h"
#include "Pictures.h"
#include "Texts.h"

void WindowSplash::Layout() {
  SetProperties(RefTo(this), WindowLayout{.placement = 0, .width = 327, .height = 371, .frame = 2,
                                          .hasBackColor = true, .backColor = RGB(255, 255, 255), .title = "",
                                          .visible = true, .closeButton = true, .resizeable = true,
                                          .maximizeButton = true, .minimizeButton = true}
                                 .Stream());
}

void WindowSplash::CreateControls() {
  CreateControls0();
  LayCoverUnderTitle(RefTo<Window>(this));
}

std::vector<ControlRecord> WindowSplash::ControlTable() {
  using W = WindowSplash;
  return {
      Record(Make<StaticText>(), StaticTextLayout{.place = {.name = "LabelTitle", .left = 33, .top = 238, .width = 296,
                                                            .height = 33, .tabIndex = 0},
                                                  .text = Texts::Title(), .multiline = true, .textSize = 12}),
      Record(Make<StaticText>(), StaticTextLayout{.place = {.name = "StaticText2", .left = 70, .top = 272, .width = 210,
                                                            .height = 16, .tabIndex = 1},
                                                  .text = Texts::WebAddress(), .textSize = 10}),
      Record(Make<StaticText>(), StaticTextLayout{.place = {.name = "StaticText1", .left = 32, .top = 350, .width = 265,
                                                            .height = 16, .tabIndex = 2},
                                                  .text = Texts::VersionLine(), .textSize = 10}),
      ControlRecord{Make<TimerClose>(), "TimerClose", kNoIndex, TimerLayout{.mode = 1, .period = 7000}.Stream(),
                    {On<W>("Action", &W::TimerClose_Action, "(  )")}, {}},
      Record(Make<Canvas>(), CanvasLayout{.place = {.name = "CanvasBrismoorCover", .left = 135, .top = 43, .width = 158,
                                                    .height = 204, .tabIndex = 4}},
             {}, ShowCoverOn),
  };
}

void WindowSplash::CreateControls0() { CreateControlsFromTable(RefTo<Window>(this), ControlTable()); }

void WindowSplash::TimerClose_Action(const Ref<Timer>&) { Close(); }

void WindowSplash::AddMenuHandlers(const Ref<Window>& w) {
  if (Cast<class WindowSplash>(w) == nullptr) throw NilObjectException("Not the splash window");
}

void WindowSplash::Event_MouseUp(int32_t, int32_t) { Close(); }

bool WindowSplash::Event_MouseDown(int32_t, int32_t) { return true; }

Ref<class WindowSplash> WindowSplash() { return ImplicitWindow<class WindowSplash>(); }
