#include "WindowDiverge.h"

#include "BackgroundTask.h"
#include "Dialogs.h"
#include "Globals.h"
#include "LayoutRecords.h"
#include "Menu.h"
#include "TextNumber.h"
#include "WindowResetDrift.h"
#include "virionTron.h"

void WindowDiverge::Layout() {
  SetProperties(RefTo(this), WindowLayout{.placement = 3, .width = 608, .height = 436, .frame = 0,
                                          .hasBackColor = false, .title = "Divergence", .visible = false,
                                          .closeButton = true, .resizeable = false, .maximizeButton = false,
                                          .minimizeButton = false}
                                 .Stream());
}

void WindowDiverge::CreateControls() { CreateControls0(); }

std::vector<ControlRecord> WindowDiverge::ControlTable() {
  using W = WindowDiverge;
  const PropertyStream notClicking = PropertyStream().Boolean("processingClick", false);
  // The data card is shown whole, even where it reaches past the window.
  const PropertyStream floating = PropertyStream().Boolean("Floating", true);
  const std::vector<EventRecord> slotEvents = {
      On<W>("PulledAnitron", &W::MyDisplayCan_PulledAnitron, "(  )"),
      On<W>("DroppedAniTron", &W::MyDisplayCan_DroppedAniTron, "( aniTron )")};
  const std::vector<EventRecord> patientEvents = {
      On<W>("PulledAnitron", &W::myDriftCan_PulledAnitron, "(  )"),
      On<W>("SetProperties", &W::myDriftCan_SetProperties, "(  )")};
  auto label = [](const char* name, int32_t index, int32_t left, int32_t top, int32_t width, int32_t tabIndex,
                  const std::string& text, int32_t align, const char* parent) {
    return StaticTextLayout{.place = {.name = name, .index = index, .left = left, .top = top, .width = width,
                                      .height = 20, .tabIndex = tabIndex},
                            .text = text, .textAlign = align, .textSize = 12, .initialParent = parent};
  };
  auto frame = [](const char* name, int32_t left, int32_t top, int32_t width, int32_t height, int32_t border,
                  const char* parent) {
    return RectangleLayout{.place = {.name = name, .left = left, .top = top, .width = width, .height = height},
                           .borderWidth = border, .initialParent = parent};
  };
  auto canvas = [&](const char* name, int32_t index, int32_t left, int32_t top, int32_t width, int32_t height,
                    int32_t tabIndex, bool visible, const char* parent, const PropertyStream& extra) {
    return CanvasLayout{.place = {.name = name, .index = index, .left = left, .top = top, .width = width,
                                  .height = height, .tabIndex = tabIndex},
                        .visible = visible, .initialParent = parent, .extra = extra};
  };
  return {
      Record(Make<Rectangle>(), frame("Rectangle5", 61, 305, 485, 110, 0, "")),
      Record(Make<Rectangle>(), frame("Rectangle4", 74, 375, 22, 22, 1, "Rectangle5")),
      Record(MakeElement<MyDisplayCan>(1), canvas("MyDisplayCan", 1, 75, 376, 20, 20, 22, true, "Rectangle4", notClicking),
             slotEvents),
      Record(Make<Rectangle>(), frame("Rectangle3", 74, 338, 22, 22, 1, "Rectangle5")),
      Record(MakeElement<MyDisplayCan>(0), canvas("MyDisplayCan", 0, 75, 339, 20, 20, 21, true, "Rectangle3", notClicking),
             slotEvents),
      Record(MakeElement<StaticTextSourcePop>(0), label("StaticTextSourcePop", 0, 114, 339, 50, 12, "", 0, "Rectangle5")),
      Record(MakeElement<StaticTextSourcePop>(1), label("StaticTextSourcePop", 1, 114, 376, 50, 13, "", 0, "Rectangle5")),
      Record(Make<StaticText>(), label("StaticText4", kNoIndex, 112, 307, 50, 14, "Source", 0, "Rectangle5")),
      Record(Make<StaticText>(), label("StaticText2", kNoIndex, 270, 307, 100, 15, "Sequence", 0, "Rectangle5")),
      Record(Make<Listbox>(),
             ListboxLayout{.place = {.name = "ListBoxSequence", .left = 174, .top = 331, .width = 278, .height = 84,
                                     .tabIndex = 16},
                           .columnCount = 1, .columnWidths = "1000", .hasHeading = false, .border = true,
                           .scrollBarHorizontal = true, .scrollBarVertical = false, .gridLinesHorizontal = 2,
                           .defaultRowHeight = 37, .textFont = "courier", .textSize = 12,
                           .requiresSelection = false, .initialParent = "Rectangle5"},
             {On<W>("Open", &W::ListBoxSequence_Open, "(  )")}),
      Record(Make<Rectangle>(), frame("Rectangle6", 174, 331, 278, 84, 1, "ListBoxSequence")),
      Record(Make<StaticText>(), label("StaticTextNumDiffs", kNoIndex, 476, 360, 46, 17, "", 2, "Rectangle5")),
      Record(Make<Rectangle>(), frame("Rectangle2", 325, 29, 258, 194, 1, "")),
      Record(MakeElement<myDriftCan>(1), canvas("myDriftCan", 1, 326, 30, 256, 192, 20, true, "Rectangle2", notClicking),
             patientEvents),
      Record(Make<Rectangle>(), frame("Rectangle1", 19, 29, 258, 194, 1, "")),
      Record(MakeElement<myDriftCan>(0), canvas("myDriftCan", 0, 20, 30, 256, 192, 19, true, "Rectangle1", notClicking),
             patientEvents),
      Record(MakeElement<GenCounter>(0), label("GenCounter", 0, 100, 231, 43, 6, "GenCounter", 0, "")),
      Record(Make<StaticText>(), label("StaticText1", kNoIndex, 12, 231, 81, 7, "Generation:", 3, "")),
      Record(Make<PushButton>(),
             PushButtonLayout{.place = {.name = "PushButtonFastFwd", .left = 511, .top = 263, .width = 72, .height = 20,
                                        .tabIndex = 8},
                              .caption = "Fast Fwd", .isDefault = false, .cancel = false, .textSize = 12},
             {On<W>("Action", &W::PushButtonFastFwd_Action, "(  )")}),
      Record(Make<EditField>(),
             EditFieldLayout{.place = {.name = "EditFieldFastFwd", .left = 460, .top = 262, .width = 40, .height = 22,
                                       .tabIndex = 9},
                             .text = "1", .border = true, .multiline = false, .styled = false, .readOnly = false,
                             .limitText = 0, .textColor = RGB(0, 0, 0), .backColor = RGB(255, 255, 255),
                             .alignment = 0, .useFocusRing = false}),
      Record(MakeElement<GenCounter>(1), label("GenCounter", 1, 406, 231, 43, 10, "GenCounter", 0, "")),
      Record(Make<StaticText>(), label("StaticText3", kNoIndex, 318, 231, 81, 11, "Generation:", 3, "")),
      Record(Make<StaticText>(), label("StaticText6", kNoIndex, 459, 307, 100, 18, "# Differences", 0, "")),
      ControlRecord{Make<TimerWait>(), "TimerWait", kNoIndex, TimerLayout{.mode = 0, .period = 100}.Stream(),
                    {On<W>("Action", &W::TimerWait_Action, "(  )")}, {}},
      Record(Make<counter>(), StaticTextLayout{.place = {.name = "CountDown", .left = 371, .top = 263, .width = 78,
                                                         .height = 20, .tabIndex = 24},
                                               .text = "CountDown", .visible = false, .textSize = 12}),
      Record(Make<popupSpriteCan>(), canvas("MyPopUpVirion", kNoIndex, 6, 57, 18, 16, 25, false, "", {}),
             {On<W>("LoadImage", &W::MyPopUpVirion_LoadImage, "( Int32, Int32, Variant, Window )")}),
      Record(Make<popupSpriteCan>(), canvas("myPopupVirionData", kNoIndex, 6, 85, 124, 100, 26, true, "", floating),
             {On<W>("Vanished", &W::myPopupVirionData_Vanished, "(  )"),
              On<W>("LoadImage", &W::myPopupVirionData_LoadImage, "( Int32, Int32, Variant, Window )")}),
      Record(Make<StaticText>(), label("StaticText5", kNoIndex, 19, 11, 100, 27, "Patient Zero", 0, "")),
      Record(Make<StaticText>(), label("StaticText7", kNoIndex, 325, 11, 100, 28, "Patient One", 0, "")),
  };
}

void WindowDiverge::CreateControls0() { CreateControlsFromTable(RefTo<Window>(this), ControlTable()); }

void WindowDiverge::myDriftCan_PulledAnitron(const Ref<driftCan>& Me) {
  const int32_t i = Me->Index();
  if (P(i)->AniTrons.UBound() < 1) Named<counter>("GenCounter", i)->zero();
}

void WindowDiverge::myDriftCan_SetProperties(const Ref<driftCan>& Me) {
  if (Me->Index() != 0) return;
  const Ref<virionTron> v = ::New<virionTron>();
  v->prepare(Me);
  FillWithCopiesOf(v, Me);
}

void WindowDiverge::PushButtonFastFwd_Action(const Ref<PushButton>& Me) {
  const Ref<EditField> field = Named<EditField>("EditFieldFastFwd");
  double n = Val(field->Text());
  if (n < 1.0) {
    MsgBox("The number of generations for fast forward must be a positive integer.");
    field->SetText(Str(1));
    return;
  }
  n = Val(field->Text());
  if (n > 500.0) {
    MsgBox("The maximum number of generations for fast forward is 500.");
    field->SetText(Str(500));
    return;
  }
  const Ref<Timer> timer = Named<Timer>("TimerWait");
  if (timer->Mode() == 0) {
    Me->SetEnabled(false);
    Named<counter>("CountDown")->set(ToInt32(Round(Val(field->Text()))));
    timer->SetMode(2);
  }
}

void WindowDiverge::TimerWait_Action(const Ref<Timer>& Me) {
  const Ref<counter> countDown = Named<counter>("CountDown");
  if (Val(countDown->Text()) < 1.0) {
    Me->SetMode(0);
    Named<PushButton>("PushButtonFastFwd")->SetEnabled(true);
    return;
  }
  countDown->decrement();
  for (int32_t i = 0; i <= 1; ++i) {
    P(i)->redraw();
    if (0 < P(i)->AniTrons.UBound()) {
      Named<counter>("GenCounter", i)->increment();
    } else {
      Named<counter>("GenCounter", i)->zero();
    }
    RuntimeBackgroundTask();
  }
}

void WindowDiverge::AddMenuHandlers(const Ref<Window>& w) {
  const Ref<class WindowDiverge> self = Cast<class WindowDiverge>(w);
  AddMenuHandler("FileReset", RuntimeCreateDelegate(self, &WindowDiverge::FileReset_Action, "(  ) as Boolean"));
}

void WindowDiverge::Event_EnableMenuItems() { FileReset()->Enable(); }

bool WindowDiverge::Event_MouseDown(int32_t x, int32_t y) { return PanelMouseDown(x, y); }

bool WindowDiverge::FileReset_Action() {
  WindowResetDrift()->Show();
  return false;
}

void WindowDiverge::WriteSourceLabel(int32_t i) {
  L(i)->SetText(sourcePop == 0 ? "Pt Zero" : sourcePop == 1 ? "Pt One" : "");
}

Ref<class WindowDiverge> WindowDiverge() { return ImplicitWindow<class WindowDiverge>(); }
