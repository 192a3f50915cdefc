// Every window the program lays out, as the user meets it: the text of each
// label and push button fits its box in the program's own faces, and no
// control lying above covers it. Hidden labels are checked as they would show,
// and the labels whose text changes carry the widest text they come to show.
#include <gtest/gtest.h>

#include <functional>

#include "ProgramTest.h"
#include "WindowAbout.h"
#include "WindowDiverge.h"
#include "WindowResetDrift.h"
#include "WindowSplash.h"
#include "WindowTree.h"

namespace {

using Layouts = test::ProgramTest;

void SetText(const Ref<Window>& w, const std::string& name, int32_t index, const std::string& text) {
  w->Named<StaticText>(name, index)->SetText(text);
}

TEST_F(Layouts, EveryLabelAndButtonShowsAllItsText) {
  const std::vector<std::pair<std::string, std::function<Ref<Window>()>>> windows = {
      {"Divergence", [] {
         Ref<Window> w = WindowDiverge();
         SetText(w, "StaticTextSourcePop", 0, "Pt Zero");
         SetText(w, "StaticTextSourcePop", 1, "Pt One");
         SetText(w, "GenCounter", 0, "99999");
         w->Named<StaticText>("StaticTextNumDiffs")->SetText("500");
         return w;
       }},
      {"Tree", [] {
         Ref<Window> w = WindowTree();
         w->Named<PushButton>("PushButtonFastFwd")->SetCaption("Pause");
         w->Named<StaticText>("CountUp")->SetText("1001");
         w->Named<StaticText>("StaticTextNumDiffs")->SetText("500");
         return w;
       }},
      {"splash", [] { return Ref<Window>(WindowSplash()); }},
      {"About", [] { return Ref<Window>(WindowAbout()); }},
      {"Reset", [] { return Ref<Window>(WindowResetDrift()); }},
  };
  for (const auto& [title, open] : windows) {
    Ref<Window> w = open();
    w->Show();
    int checked = 0;
    for (const Ref<Control>& c : w->Controls()) {
      Ref<RectControl> shown = Cast<StaticText>(c);
      if (shown == nullptr) shown = Cast<PushButton>(c);
      if (shown == nullptr) continue;
      const TextPlace place = PlaceOfText(shown);
      const std::string where =
          title + " " + c->Name() + (c->Index() == kNoIndex ? "" : "(" + std::to_string(c->Index()) + ")");
      EXPECT_TRUE(place.fits) << where << " needs " << place.width << " x " << place.height << " in "
                              << shown->Width() << " x " << shown->Height();
      EXPECT_EQ(place.coveredBy, std::vector<std::string>{}) << where;
      checked += place.width > 0;
    }
    EXPECT_GE(checked, 3) << title;
  }
}

}  // namespace
