#include "WindowTree.h"

#include "BackgroundTask.h"
#include "Globals.h"
#include "LayoutRecords.h"
#include "Menu.h"
#include "TextNumber.h"
#include "WindowResetDrift.h"
#include "virionTron.h"

namespace {

// The records made by CreateControls0; CreateControls1 makes the rest.
constexpr size_t kFirstPartRecords = 19;

// The order in which the parked frames of populations 1 to 7 are made.
constexpr int32_t kParkedFrameOrder[] = {1, 2, 3, 7, 6, 5, 4};

}  // namespace

void WindowTree::Layout() {
  SetProperties(RefTo(this), WindowLayout{.placement = 3, .width = 662, .height = 540, .frame = 0,
                                          .composite = false, .hasBackColor = false, .backColor = RGB(255, 255, 255),
                                          .title = "Tree", .visible = false, .fullScreen = false,
                                          .menuBarVisible = true, .closeButton = true, .resizeable = false,
                                          .liveResize = true, .maximizeButton = false, .minimizeButton = false}
                                 .Stream());
}

void WindowTree::CreateControls() {
  CreateControls0();
  CreateControls1();
}

std::vector<ControlRecord> WindowTree::ControlTable() {
  using W = WindowTree;
  const PropertyStream notClicking = PropertyStream().Boolean("processingClick", false);
  // The data card is shown whole, even where it reaches past the window.
  const PropertyStream floating = PropertyStream().Boolean("Floating", true);
  const std::vector<EventRecord> slotEvents = {
      On<W>("PulledAnitron", &W::MyDisplayCan_PulledAnitron, "(  )"),
      On<W>("DroppedAniTron", &W::MyDisplayCan_DroppedAniTron, "( aniTron )")};
  auto label = [](const char* name, int32_t index, int32_t left, int32_t top, int32_t width, int32_t height,
                  int32_t tabIndex, const std::string& text, int32_t align) {
    return StaticTextLayout{.place = {.name = name, .index = index, .left = left, .top = top, .width = width,
                                      .height = height, .tabIndex = tabIndex},
                            .text = text, .textAlign = align, .textSize = 12};
  };
  auto rectangle = [](const char* name, int32_t index, int32_t left, int32_t top, int32_t width, int32_t height,
                      Color fill, int32_t border, bool visible) {
    return RectangleLayout{.place = {.name = name, .index = index, .left = left, .top = top, .width = width,
                                     .height = height},
                           .fillColor = fill, .borderWidth = border, .borderColor = RGB(0, 0, 0), .visible = visible};
  };
  auto canvas = [&](const char* name, int32_t index, int32_t left, int32_t top, int32_t width, int32_t height,
                    int32_t tabIndex, bool visible, const PropertyStream& extra) {
    return CanvasLayout{.place = {.name = name, .index = index, .left = left, .top = top, .width = width,
                                  .height = height, .tabIndex = tabIndex},
                        .visible = visible, .useFocusRing = false, .acceptFocus = false, .eraseBackground = true,
                        .extra = extra};
  };
  auto popLabel = [](int32_t k, int32_t left, int32_t top, int32_t tabIndex, bool visible) {
    return EditFieldLayout{.place = {.name = "EditFieldPopLabel", .index = k, .left = left, .top = top, .width = 42,
                                     .height = 15, .tabIndex = tabIndex},
                           .text = "", .border = false, .multiline = false, .readOnly = false,
                           .hasBackColor = true, .backColor = RGB(255, 255, 255), .alignment = 0,
                           .scrollbarVertical = true, .visible = visible};
  };
  auto line = [](const char* name, int32_t index, int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool visible,
                 const PropertyStream& extra) {
    return LineLayout{.name = name, .index = index, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .borderWidth = 2,
                      .borderColor = RGB(0, 0, 0), .visible = visible, .extra = extra};
  };
  auto lineRecord = [](std::function<Ref<Control>(Window&)> make, const LineLayout& l, std::vector<EventRecord> events) {
    return ControlRecord{std::move(make), l.name, l.index, l.Stream(), std::move(events), {}};
  };

  std::vector<ControlRecord> table = {
      Record(Make<Rectangle>(), rectangle("Rectangle5", kNoIndex, 36, 413, 485, 110, RGB(255, 255, 255), 0, true)),
      Record(Make<Rectangle>(), rectangle("Rectangle4", kNoIndex, 49, 483, 22, 22, RGB(255, 255, 255), 1, true)),
      Record(MakeElement<MyDisplayCan>(1), canvas("MyDisplayCan", 1, 50, 484, 20, 20, 16, true, notClicking), slotEvents),
      Record(Make<Rectangle>(), rectangle("Rectangle3", kNoIndex, 49, 446, 22, 22, RGB(255, 255, 255), 1, true)),
      Record(MakeElement<MyDisplayCan>(0), canvas("MyDisplayCan", 0, 50, 447, 20, 20, 15, true, notClicking), slotEvents),
      Record(MakeElement<StaticTextSourcePop>(0), label("StaticTextSourcePop", 0, 93, 447, 30, 20, 8, "", 2)),
      Record(MakeElement<StaticTextSourcePop>(1), label("StaticTextSourcePop", 1, 93, 484, 30, 20, 9, "", 2)),
      Record(Make<StaticText>(), label("StaticText4", kNoIndex, 87, 415, 50, 20, 10, "Source", 0)),
      Record(Make<StaticText>(), label("StaticText2", kNoIndex, 245, 415, 100, 20, 11, "Sequence", 0)),
      Record(Make<Listbox>(),
             ListboxLayout{.place = {.name = "ListBoxSequence", .left = 149, .top = 439, .width = 278, .height = 84,
                                     .tabIndex = 12},
                           .columnCount = 1, .columnWidths = "1000", .hasHeading = false, .border = true,
                           .scrollBarHorizontal = true, .scrollBarVertical = false, .gridLinesHorizontal = 2,
                           .defaultRowHeight = 37, .textFont = "courier", .textSize = 12,
                           .requiresSelection = false},
             {On<W>("Open", &W::ListBoxSequence_Open, "(  )")}),
      Record(Make<Rectangle>(), rectangle("Rectangle1", kNoIndex, 149, 439, 278, 84, RGB(255, 255, 255), 1, true)),
      Record(Make<StaticText>(), label("StaticTextNumDiffs", kNoIndex, 451, 468, 46, 20, 13, "", 2)),
      Record(Make<StaticText>(), label("StaticText6", kNoIndex, 435, 415, 79, 20, 14, "# Differences", 0)),
      Record(Make<StaticText>(), label("StaticText1", kNoIndex, 547, 431, 34, 20, 2, "Gen:", 0)),
      Record(Make<Rectangle>(), rectangle("TreeRect", kNoIndex, 20, 20, 622, 376, RGB(191, 255, 191), 0, true)),
      lineRecord(Make<RootLine>(), line("myRootline", kNoIndex, 331, 396, 331, 397, true,
                                        PropertyStream().Boolean("Active", false)),
                 {On<W>("Open", &W::myRootline_Open, "(  )")}),
      Record(Make<PushButton>(),
             PushButtonLayout{.place = {.name = "PushButtonFastFwd", .left = 546, .top = 463, .width = 72,
                                        .height = 20, .tabIndex = 7},
                              .caption = "Fast Fwd", .textSize = 12},
             {On<W>("Action", &W::PushButtonFastFwd_Action, "(  )")}),
      ControlRecord{Make<TimerWait>(), "TimerWait", kNoIndex, TimerLayout{.mode = 0, .period = 100}.Stream(),
                    {On<W>("Action", &W::TimerWait_Action, "(  )")}, {}},
      Record(Make<counter>(), label("CountUp", kNoIndex, 580, 430, 39, 22, 18, "0", 2)),
  };
  // The population slots: frames, canvases and labels; population 0 in use,
  // the others parked, hidden, at the right edge until a split takes them.
  table.push_back(Record(MakeElement<RectangleBound>(0), rectangle("RectangleBound", 0, 10, 354, 42, 42,
                                                                   RGB(255, 255, 255), 1, true)));
  for (int32_t k : kParkedFrameOrder) {
    table.push_back(Record(MakeElement<RectangleBound>(k), rectangle("RectangleBound", k, 620, 61 + 42 * (k - 1), 42, 42,
                                                                     RGB(255, 255, 255), 1, false)));
  }
  const std::vector<EventRecord> populationEvents = {On<W>("SetProperties", &W::myDriftCan_SetProperties, "(  )")};
  table.push_back(Record(MakeElement<myDriftCan>(0), canvas("myDriftCan", 0, 5, 355, 40, 40, 27, true, notClicking),
                         populationEvents));
  for (int32_t k = 1; k <= 7; ++k) {
    table.push_back(Record(MakeElement<myDriftCan>(k),
                           canvas("myDriftCan", k, 628, 62 + 42 * (k - 1), 40, 40, 27 + k, false, notClicking),
                           populationEvents));
  }
  for (int32_t k = 1; k <= 7; ++k) {
    table.push_back(Record(MakeElement<EditFieldPopLabel>(k), popLabel(k, 606, 60 + 41 * (k - 1), 34 + k, false)));
  }
  table.push_back(Record(MakeElement<EditFieldPopLabel>(0), popLabel(0, 10, 337, 42, true)));
  // The tree's lines: index 0 of each array is never used.
  table.push_back(lineRecord(MakeElement<myHLine>(0), line("myHLine", 0, 9, 7, 109, 7, false, {}), {}));
  table.push_back(lineRecord(MakeElement<myVLine>(0), line("myVLine", 0, 344, 7, 344, 23, false, {}), {}));
  const int32_t barY[] = {15, 24, 32, 41, 49, 58, 67};
  for (int32_t s = 1; s <= 7; ++s) {
    table.push_back(lineRecord(MakeElement<myHLine>(s), line("myHLine", s, 9, barY[s - 1], 109, barY[s - 1], false, {}), {}));
  }
  for (int32_t k = 1; k <= 14; ++k) {
    table.push_back(lineRecord(MakeElement<myVLine>(k), line("myVLine", k, 344 + 5 * k, 7, 344 + 5 * k, 23, false, {}), {}));
  }
  table.push_back(Record(Make<popupSpriteCan>(), canvas("MyPopUpVirion", kNoIndex, 643, 3, 18, 16, 66, false, {}),
                         {On<W>("LoadImage", &W::MyPopUpVirion_LoadImage, "( Int32, Int32, Variant, Window )")}));
  table.push_back(Record(Make<popupSpriteCan>(), canvas("myPopupVirionData", kNoIndex, 643, 396, 124, 100, 67, true, floating),
                         {On<W>("Vanished", &W::myPopupVirionData_Vanished, "(  )"),
                          On<W>("LoadImage", &W::myPopupVirionData_LoadImage, "( Int32, Int32, Variant, Window )")}));
  return table;
}

void WindowTree::CreateControls0() {
  const std::vector<ControlRecord> table = ControlTable();
  CreateControlsFromTable(RefTo<Window>(this), {table.begin(), table.begin() + kFirstPartRecords});
}

void WindowTree::CreateControls1() {
  const std::vector<ControlRecord> table = ControlTable();
  CreateControlsFromTable(RefTo<Window>(this), {table.begin() + kFirstPartRecords, table.end()});
}

void WindowTree::myDriftCan_SetProperties(const Ref<driftCan>& Me) {
  if (Me->Index() != 0) return;
  const Ref<virionTron> founder = ::New<virionTron>();
  founder->prepare(Me);
  founder->height = Globals::DotSizeTiny;
  founder->width = Globals::DotSizeTiny;
  FillWithCopiesOf(founder, Me);
}

void WindowTree::Event_Open() {
  P(0)->SetTop(355);
  P(0)->SetLeft(311);
  Bound(0)->SetTop(354);
  Bound(0)->SetLeft(310);
  PopLabel(0)->SetTop(337);
  PopLabel(0)->SetLeft(310);
  PopOrder.Insert(PopOrder.UBound() + 1, P(0));
}

void WindowTree::myRootline_Open(const Ref<RootLine>& Me) { Me->Active = true; }

bool WindowTree::Running() const { return Named<PushButton>("PushButtonFastFwd")->Caption() == "Pause"; }

void WindowTree::PushButtonFastFwd_Action(const Ref<PushButton>& Me) {
  const Ref<Timer> timer = Named<Timer>("TimerWait");
  if (Me->Caption() == "Fast Fwd") {
    Me->SetCaption("Pause");
    timer->SetMode(2);
  } else {
    Me->SetCaption("Fast Fwd");
    timer->SetMode(0);
  }
}

void WindowTree::TimerWait_Action(const Ref<Timer>& Me) {
  const Ref<counter> countUp = Named<counter>("CountUp");
  const double g = Val(countUp->Text());
  if (g > 1000.0) {
    Me->SetMode(0);
    Named<PushButton>("PushButtonFastFwd")->SetCaption("Fast Fwd");
    return;
  }
  for (int32_t k = 0; k <= 7; ++k) {
    if (P(k)->Visible()) {
      P(k)->redraw();
      // Every third generation the populations rise a pixel: height is time.
      if (ToInt32(Val(countUp->Text())) % 3 == 0) {
        P(k)->SetTop(P(k)->Top() - 1);
        Bound(k)->SetTop(Bound(k)->Top() - 1);
        PopLabel(k)->SetTop(PopLabel(k)->Top() - 1);
      }
    }
    RuntimeBackgroundTask();
  }
  countUp->increment();
  for (int32_t m = 1; m <= numHLines; ++m) {
    const Ref<HLine> h = Bar(m);
    if (h->LeftEnd.UBound() == 0) h->leftVLine->SetY1(h->LeftEnd(0)->Top() + 41);
    if (h->RightEnd.UBound() == 0) h->rightVLine->SetY1(h->RightEnd(0)->Top() + 41);
  }
  const Ref<RootLine> root = Named<RootLine>("myRootline");
  if (root->Active) root->SetY1(P(0)->Top() + 41);
}

bool WindowTree::Event_MouseDown(int32_t x, int32_t y) {
  if (Running()) return Split(x, y);
  return PanelMouseDown(x, y);
}

bool WindowTree::Split(int32_t x, int32_t y) {
  // The parent: the first population in use under the pointer. A click on a
  // canvas still parked (not in use) is no click on a population.
  Ref<driftCan> parent;
  for (int32_t i = 0; i <= 6; ++i) {
    if (P(i)->within(x, y) && i <= LastPopActivated) {
      parent = P(i);
      break;
    }
  }
  if (parent == nullptr) return false;
  const Ref<RootLine> root = Named<RootLine>("myRootline");
  root->Active = false;
  int32_t p = 0;
  for (int32_t j = 0; j <= PopOrder.UBound(); ++j) {
    if (PopOrder(j) == parent) p = j;
  }
  if (LastPopActivated >= 7) return false;
  // A population emptied by dragging while paused has no virion to found the
  // new one with: the split is refused whole, before anything moves.
  if (parent->AniTrons.UBound() < 1) return false;
  const int32_t n = LastPopActivated + 1;

  P(n)->SetTop(parent->Top());
  Bound(n)->SetTop(P(n)->Top() - 1);
  PopLabel(n)->SetTop(Bound(n)->Top() - 17);
  PopOrder.Insert(p + 1, P(n));
  const Ref<Rectangle> treeRect = Named<Rectangle>("TreeRect");
  const int32_t spacing = ToInt32(Round(static_cast<double>(treeRect->Width()) / static_cast<double>(n + 2)));
  for (int32_t j = 0; j <= PopOrder.UBound(); ++j) {
    PopOrder(j)->SetLeft(treeRect->Left() + (j + 1) * spacing - 20);
  }
  for (int32_t k = 0; k <= 7; ++k) {
    Bound(k)->SetLeft(P(k)->Left() - 1);
    PopLabel(k)->SetLeft(Bound(k)->Left());
  }
  P(n)->SetVisible(true);
  Bound(n)->SetVisible(true);
  PopLabel(n)->SetVisible(true);

  const int32_t u = parent->AniTrons.UBound();
  const int32_t r = Globals::myRAlea->random(1, u);
  const Ref<aniTron> founder = parent->AniTrons(r);
  parent->doDetach(r);
  P(n)->doAttach(founder);

  LastPopActivated = LastPopActivated + 1;
  numHLines = numHLines + 1;
  const Ref<HLine> h = Bar(numHLines);
  h->LeftEnd.Redim(-1);
  h->RightEnd.Redim(-1);
  h->LeftEnd.Append(parent);
  h->RightEnd.Append(P(n));
  const int32_t bottom = treeRect->Top() + treeRect->Height();
  h->TimeDepth = ToInt32(static_cast<double>(bottom) - Val(Named<counter>("CountUp")->Text()) / 3.0);
  numVLines = numVLines + 1;
  h->leftVLine = Upright(numVLines);
  h->leftVLine->SetVisible(true);
  numVLines = numVLines + 1;
  h->rightVLine = Upright(numVLines);
  h->rightVLine->SetVisible(true);
  h->SetVisible(true);

  for (int32_t m = 1; m <= numHLines - 1; ++m) {
    const Ref<HLine> older = Bar(m);
    const int32_t left = older->LeftContains(parent);
    if (left > -1) older->LeftEnd.Insert(left + 1, P(n));
    const int32_t right = older->RightContains(parent);
    if (right > -1) older->RightEnd.Insert(right + 1, P(n));
  }
  for (int32_t m = numHLines; m >= 1; --m) Bar(m)->Reposition();
  Refresh(true);
  return false;
}

void WindowTree::AddMenuHandlers(const Ref<Window>& w) {
  const Ref<class WindowTree> self = Cast<class WindowTree>(w);
  AddMenuHandler("FileReset", RuntimeCreateDelegate(self, &WindowTree::FileReset_Action, "(  ) as Boolean"));
}

void WindowTree::Event_EnableMenuItems() { FileReset()->Enable(); }

bool WindowTree::FileReset_Action() {
  WindowResetDrift()->Show();
  return false;
}

void WindowTree::WriteSourceLabel(int32_t i) {
  if (sourcePop >= 0) L(i)->SetText(PopLabel(sourcePop)->Text());
}

Ref<class WindowTree> WindowTree() { return ImplicitWindow<class WindowTree>(); }
