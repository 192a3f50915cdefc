#include "WindowResetDrift.h"

#include "Globals.h"
#include "LayoutRecords.h"
#include "TextNumber.h"
#include "WindowDiverge.h"
#include "WindowTree.h"

namespace {

// A whole number from 1 to 500, both ends included.
bool Accepted(double v) { return v == Floor(v) && v >= 1.0 && v <= 500.0; }

// Closes the window the accessor gives, when it is on screen, and shows a fresh
// one at the same place. A window that is not on screen is left as it is.
template <class W>
void RestartIfVisible(Ref<W> (*accessor)()) {
  if (!accessor()->Visible()) return;
  const int32_t top = accessor()->Top();
  const int32_t left = accessor()->Left();
  accessor()->Close();
  accessor()->Show();
  accessor()->SetTop(top);
  accessor()->SetLeft(left);
}

}  // namespace

void WindowResetDrift::Layout() {
  SetProperties(RefTo(this), WindowLayout{.placement = 0, .width = 360, .height = 251, .frame = 1,
                                          .hasBackColor = false, .title = "", .visible = true,
                                          .closeButton = false, .resizeable = false, .maximizeButton = false,
                                          .minimizeButton = false}
                                 .Stream());
}

void WindowResetDrift::CreateControls() { CreateControls0(); }

std::vector<ControlRecord> WindowResetDrift::ControlTable() {
  using W = WindowResetDrift;
  auto field = [](const char* name, int32_t top, int32_t tabIndex) {
    return EditFieldLayout{.place = {.name = name, .left = 182, .top = top, .width = 61, .height = 22, .tabIndex = tabIndex},
                           .text = "", .border = true, .backColor = RGB(255, 255, 255), .alignment = 0};
  };
  return {
      Record(Make<StaticText>(), StaticTextLayout{.place = {.name = "StaticTextPopSize", .left = 67, .top = 78,
                                                            .width = 107, .height = 16, .tabIndex = 0},
                                                  .text = "Population size:", .textAlign = 3, .textSize = 12}),
      Record(Make<PushButton>(), PushButtonLayout{.place = {.name = "PushButtonOkay", .left = 271, .top = 211,
                                                            .width = 69, .height = 20, .tabIndex = 1},
                                                  .caption = "Okay", .isDefault = true, .textSize = 12},
             {On<W>("Action", &W::PushButtonOkay_Action, "(  )")}),
      Record(Make<EditField>(), field("EditFieldPopSize", 75, 2)),
      Record(Make<StaticText>(), StaticTextLayout{.place = {.name = "StaticText1", .left = 74, .top = 39, .width = 100,
                                                            .height = 20, .tabIndex = 3},
                                                  .text = "Mutations are:", .textAlign = 3, .textSize = 12}),
      Record(Make<PopupMenu>(), PopupMenuLayout{.place = {.name = "PopupMenuMutEffects", .left = 182, .top = 39,
                                                          .width = 108, .height = 20, .tabIndex = 4},
                                                .initialValue = "Beneficial\rNeutral\rDeleterious", .listIndex = 1,
                                                .textSize = 12}),
      Record(Make<StaticText>(),
             StaticTextLayout{.place = {.name = "StaticTextWarning", .left = 61, .top = 159, .width = 238, .height = 40,
                                        .tabIndex = 5},
                              .text = "Population Size and Sequence Length must both be integers between 1 and 500.  "
                                      "Please try again.",
                              .textAlign = 0, .multiline = true, .visible = false, .textSize = 10}),
      Record(Make<PushButton>(), PushButtonLayout{.place = {.name = "PushButtonCancel", .left = 192, .top = 211,
                                                            .width = 69, .height = 20, .tabIndex = 6},
                                                  .caption = "Cancel", .isDefault = false, .cancel = false,
                                                  .textSize = 12},
             {On<W>("Action", &W::PushButtonCancel_Action, "(  )")}),
      Record(Make<EditField>(), field("EditFieldSeqLen", 112, 7)),
      Record(Make<StaticText>(), StaticTextLayout{.place = {.name = "StaticTextSeqLen", .left = 57, .top = 115,
                                                            .width = 117, .height = 16, .tabIndex = 8},
                                                  .text = "Sequence length:", .textAlign = 3, .textSize = 12}),
  };
}

void WindowResetDrift::CreateControls0() { CreateControlsFromTable(RefTo<Window>(this), ControlTable()); }

void WindowResetDrift::Event_Open() {
  Named<EditField>("EditFieldPopSize")->SetText(Str(Globals::PopSize));
  Named<EditField>("EditFieldSeqLen")->SetText(Str(Globals::SequenceLength));
  Named<PopupMenu>("PopupMenuMutEffects")
      ->SetListIndex(Globals::EffectOnFitness == "B" ? 0 : Globals::EffectOnFitness == "D" ? 2 : 1);
}

void WindowResetDrift::PushButtonOkay_Action(const Ref<PushButton>&) {
  const double popSize = Val(Named<EditField>("EditFieldPopSize")->Text());
  const double seqLen = Val(Named<EditField>("EditFieldSeqLen")->Text());
  if (!Accepted(popSize) || !Accepted(seqLen)) {
    Named<StaticText>("StaticTextWarning")->SetVisible(true);
    return;
  }
  Globals::PopSize = ToInt32(popSize);
  Globals::SequenceLength = ToInt32(seqLen);
  const int32_t row = Named<PopupMenu>("PopupMenuMutEffects")->ListIndex();
  Globals::EffectOnFitness = row == 0 ? "B" : row == 2 ? "D" : "N";
  RestartIfVisible(&::WindowDiverge);
  RestartIfVisible(&::WindowTree);
  Close();
}

void WindowResetDrift::PushButtonCancel_Action(const Ref<PushButton>&) { Close(); }

void WindowResetDrift::AddMenuHandlers(const Ref<Window>&) {}

Ref<class WindowResetDrift> WindowResetDrift() { return ImplicitWindow<class WindowResetDrift>(); }
