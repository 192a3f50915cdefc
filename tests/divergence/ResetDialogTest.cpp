// The Reset dialog: the values it shows, what Okay accepts and stores, the
// restart of a Divergence window on screen, and Cancel.
#include <gtest/gtest.h>

#include "DivergenceSupport.h"
#include "WindowResetDrift.h"

namespace {

using divtest::Letters;

class ResetDialog : public divtest::DivergenceTest {
protected:
  static Ref<EditField> Field(const Ref<class WindowResetDrift>& d, const char* name) {
    return d->Named<EditField>(name);
  }
  // Types the two numbers and presses Okay.
  static void Okay(const Ref<class WindowResetDrift>& d, const std::string& popSize, const std::string& seqLen) {
    test::TypeInto(Field(d, "EditFieldPopSize"), popSize);
    test::TypeInto(Field(d, "EditFieldSeqLen"), seqLen);
    test::ClickButton(d->Named<PushButton>("PushButtonOkay"));
  }
  static bool Open(const Ref<class WindowResetDrift>& d) {
    return GetImplicitWindow(WindowResetDrift::kClassName) == Ref<Window>(d) && d->Visible();
  }
  static void ExpectStored(int32_t popSize, int32_t seqLen, const std::string& effect) {
    EXPECT_EQ(Globals::PopSize, popSize);
    EXPECT_EQ(Globals::SequenceLength, seqLen);
    EXPECT_EQ(Globals::EffectOnFitness, effect);
  }
};

TEST_F(ResetDialog, OkayStoresTheValuesAndRestartsTheDivergenceWindowInPlace) {
  const double mutRate = Globals::MutRatePerSeq;
  Ref<class WindowDiverge> before = DivergenceTest::Open();
  before->SetLeft(140);
  before->SetTop(90);
  const Ref<aniTron> oldVirion = Patient(before, 0)->AniTrons(1);

  Ref<class WindowResetDrift> d = WindowResetDrift();
  ASSERT_TRUE(d->Visible());
  EXPECT_EQ(Field(d, "EditFieldPopSize")->Text(), "50");
  EXPECT_EQ(Field(d, "EditFieldSeqLen")->Text(), "100");
  Ref<PopupMenu> effects = d->Named<PopupMenu>("PopupMenuMutEffects");
  EXPECT_EQ(effects->ListIndex(), 0);
  EXPECT_EQ(effects->List(0), "Beneficial");
  EXPECT_FALSE(d->Named<StaticText>("StaticTextWarning")->Visible());
  // "Neutral", chosen from the keyboard.
  effects->widget()->setFocus();
  QTest::keyClick(effects->widget(), Qt::Key_Down);
  EXPECT_EQ(effects->ListIndex(), 1);

  Okay(d, "40", "200");
  ExpectStored(40, 200, "N");
  EXPECT_EQ(Globals::MutRatePerSeq, mutRate);
  EXPECT_TRUE(d->IsClosed());
  EXPECT_EQ(GetImplicitWindow(WindowResetDrift::kClassName), nullptr);

  EXPECT_TRUE(before->IsClosed());
  Ref<class WindowDiverge> after = WindowDiverge();
  EXPECT_NE(after, before);
  EXPECT_TRUE(after->Visible());
  EXPECT_EQ(after->Left(), 140);
  EXPECT_EQ(after->Top(), 90);
  Ref<driftCan> zero = Patient(after, 0);
  ASSERT_EQ(zero->AniTrons.UBound(), 40);
  for (int32_t i = 1; i <= 40; ++i) EXPECT_EQ(Len(Letters(zero->AniTrons(i))), 200);
  EXPECT_FALSE(Holds(zero, oldVirion));
  EXPECT_EQ(Generations(after, 0), "0");
}

TEST_F(ResetDialog, OkayWithTheValuesUnchangedStillRestartsAWindowOnScreen) {
  Globals::EffectOnFitness = "D";
  Ref<class WindowDiverge> before = DivergenceTest::Open();
  Ref<class WindowResetDrift> d = WindowResetDrift();
  EXPECT_EQ(d->Named<PopupMenu>("PopupMenuMutEffects")->ListIndex(), 2);
  Okay(d, "50", "100");
  ExpectStored(50, 100, "D");
  Ref<class WindowDiverge> after = WindowDiverge();
  EXPECT_NE(after, before);
  EXPECT_TRUE(after->Visible());
  EXPECT_EQ(Patient(after, 0)->AniTrons.UBound(), 50);
}

TEST_F(ResetDialog, ADivergenceWindowNotOnScreenIsLeftAsItIs) {
  Ref<class WindowDiverge> hidden = WindowDiverge();
  const Ref<aniTron> virion = Patient(hidden, 0)->AniTrons(1);
  Okay(WindowResetDrift(), "30", "20");
  ExpectStored(30, 20, "B");
  EXPECT_EQ(WindowDiverge(), hidden);
  EXPECT_FALSE(hidden->IsClosed());
  EXPECT_FALSE(hidden->Visible());
  EXPECT_EQ(Patient(hidden, 0)->AniTrons.UBound(), 50);
  EXPECT_EQ(Patient(hidden, 0)->AniTrons(1), virion);
}

// Each number must be a whole number from 1 to 500; anything else shows the
// warning and stores nothing, and the dialog stays for a correction.
TEST_F(ResetDialog, OkayRefusesNumbersOutsideOneTo500) {
  Ref<class WindowDiverge> w = DivergenceTest::Open();
  Ref<class WindowResetDrift> d = WindowResetDrift();
  Ref<StaticText> warning = d->Named<StaticText>("StaticTextWarning");
  for (const char* bad : {"0", "501", "", "abc", "-5", "12.5"}) {
    Okay(d, bad, "200");
    EXPECT_TRUE(warning->Visible()) << bad;
    Okay(d, "40", bad);
    ExpectStored(50, 100, "B");
    EXPECT_TRUE(Open(d)) << bad;
    EXPECT_EQ(Field(d, "EditFieldSeqLen")->Text(), bad);
  }
  EXPECT_EQ(WindowDiverge(), w);

  Okay(d, "1", "500");
  ExpectStored(1, 500, "B");
  EXPECT_FALSE(Open(d));
  EXPECT_NE(WindowDiverge(), w);

  Okay(WindowResetDrift(), "500", "1");
  ExpectStored(500, 1, "B");
  EXPECT_EQ(Patient(WindowDiverge(), 0)->AniTrons.UBound(), 500);
}

TEST_F(ResetDialog, CancelStoresNothing) {
  Ref<class WindowDiverge> w = DivergenceTest::Open();
  Ref<class WindowResetDrift> d = WindowResetDrift();
  test::TypeInto(Field(d, "EditFieldPopSize"), "40");
  test::TypeInto(Field(d, "EditFieldSeqLen"), "200");
  d->Named<PopupMenu>("PopupMenuMutEffects")->SetListIndex(2);
  test::ClickButton(d->Named<PushButton>("PushButtonCancel"));
  EXPECT_TRUE(d->IsClosed());
  ExpectStored(50, 100, "B");
  EXPECT_EQ(WindowDiverge(), w);

  Ref<class WindowResetDrift> again = WindowResetDrift();
  EXPECT_NE(again, d);
  EXPECT_EQ(Field(again, "EditFieldPopSize")->Text(), "50");
  EXPECT_EQ(Field(again, "EditFieldSeqLen")->Text(), "100");
  EXPECT_EQ(again->Named<PopupMenu>("PopupMenuMutEffects")->ListIndex(), 0);
}

}  // namespace
