#include "WindowAbout.h"

#include "Dialogs.h"
#include "LayoutRecords.h"
#include "Pictures.h"
#include "Texts.h"

void WindowAbout::Layout() {
  SetProperties(RefTo(this), WindowLayout{.placement = 2, .width = 441, .height = 535, .frame = 2,
                                          .hasBackColor = true, .backColor = RGB(255, 255, 255),
                                          .title = "About Trevalin", .visible = true, .closeButton = false,
                                          .resizeable = false, .maximizeButton = false, .minimizeButton = false}
                                 .Stream());
}

void WindowAbout::CreateControls() {
  CreateControls0();
  LayCoverUnderTitle(RefTo<Window>(this));
}

std::vector<ControlRecord> WindowAbout::ControlTable() {
  using W = WindowAbout;
  return {
      Record(Make<StaticText>(), StaticTextLayout{.place = {.name = "StaticTextAboutBlurb", .left = 32, .top = 299,
                                                            .width = 386, .height = 212, .tabIndex = 0},
                                                  .text = Texts::AboutText(), .multiline = true, .textSize = 10}),
      Record(Make<StaticText>(), StaticTextLayout{.place = {.name = "LabelTitle", .left = 87, .top = 217, .width = 253,
                                                            .height = 33, .tabIndex = 1},
                                                  .text = Texts::Title(), .multiline = true, .textSize = 12}),
      Record(Make<StaticText>(), StaticTextLayout{.place = {.name = "LabelWebAddress", .left = 97, .top = 258,
                                                            .width = 210, .height = 16, .tabIndex = 2},
                                                  .text = Texts::WebAddress(), .textSize = 10}),
      Record(Make<PushButton>(), PushButtonLayout{.place = {.name = "PushButtonClose", .left = 361, .top = 491,
                                                            .width = 60, .height = 20, .tabIndex = 3},
                                                  .caption = "OK", .textSize = 12},
             {On<W>("Action", &W::PushButtonClose_Action, "(  )")}),
      Record(Make<PushButton>(), PushButtonLayout{.place = {.name = "PushButtonGoThere", .left = 273, .top = 256,
                                                            .width = 58, .height = 18, .tabIndex = 4},
                                                  .caption = "Go there", .textSize = 10},
             {On<W>("Action", &W::PushButtonGoThere_Action, "(  )")}),
      Record(Make<Canvas>(), CanvasLayout{.place = {.name = "CanvasBrismoorCover", .left = 190, .top = 23, .width = 158,
                                                    .height = 204, .tabIndex = 5}},
             {}, ShowCoverOn),
  };
}

void WindowAbout::CreateControls0() { CreateControlsFromTable(RefTo<Window>(this), ControlTable()); }

void WindowAbout::PushButtonClose_Action(const Ref<PushButton>&) { Close(); }

void WindowAbout::PushButtonGoThere_Action(const Ref<PushButton>&) {
  ::WindowAbout()->Close();
  ShowURL(Texts::WebAddress());
}

void WindowAbout::AddMenuHandlers(const Ref<Window>& w) {
  if (Cast<class WindowAbout>(w) == nullptr) throw NilObjectException("Not the About window");
}

void WindowAbout::Event_MouseUp(int32_t, int32_t) { Close(); }

bool WindowAbout::Event_MouseDown(int32_t, int32_t) { return true; }

Ref<class WindowAbout> WindowAbout() { return ImplicitWindow<class WindowAbout>(); }
