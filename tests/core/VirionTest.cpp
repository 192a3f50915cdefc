#include <gtest/gtest.h>

#include <string>

#include "CoreTestSupport.h"
#include "SpriteCanvases.h"
#include "virionTron.h"

namespace {

using coretest::DrawsTaken;
using coretest::StartSeeded;

Ref<aniCan> CanvasOf(int w, int h) {
  Ref<aniCan> can = New<aniCan>();
  can->SetWidth(w);
  can->SetHeight(h);
  return can;
}

std::string Letters(const Ref<cArray>& seq, int from, int to) {
  std::string s;
  for (int i = from; i <= to; ++i) s += seq->get(i).StringValue();
  return s;
}

Ref<cArray> SequenceOf(const std::string& letters) {
  Ref<cArray> s = New<cArray>();
  s->Constructor(static_cast<int32_t>(letters.size()));
  for (size_t i = 0; i < letters.size(); ++i) s->set(static_cast<int32_t>(i + 1), letters.substr(i, 1));
  return s;
}

Ref<virionTron> FounderAt12345() {
  StartSeeded(12345);
  Ref<virionTron> v = New<virionTron>();
  v->prepare(CanvasOf(256, 192));
  return v;
}

TEST(virionTron, PrepareDrawsThePlaceThenTheLetters) {
  Ref<coretest::ProbeRAlea> r = StartSeeded(12345);
  Ref<virionTron> v = New<virionTron>();
  v->prepare(CanvasOf(256, 192));
  EXPECT_EQ(v->xLoc, 30.513496303833392);
  EXPECT_EQ(v->yLoc, 58.092379102108566);
  EXPECT_EQ(v->X, 31);
  EXPECT_EQ(v->Y, 58);
  EXPECT_EQ(v->width, 12);
  EXPECT_EQ(v->height, 12);
  EXPECT_EQ(v->Fitness, 100.0);
  EXPECT_EQ(v->myColor, RGB(0, 0, 0));
  ASSERT_EQ(v->Sequence->ubound(), 100);
  EXPECT_EQ(Letters(v->Sequence, 1, 10), "AAAAGCGGTG");
  EXPECT_EQ(v->Sequence->get(0).type(), Variant::Type::Nothing);
  for (int i = 1; i <= 100; ++i) {
    const std::string l = v->Sequence->get(i).StringValue();
    ASSERT_TRUE(l == "A" || l == "T" || l == "G" || l == "C") << l;
  }
  EXPECT_EQ(DrawsTaken(12345, r->state()), 102);
}

TEST(virionTron, PlacesStayClearOfTheEdges) {
  StartSeeded(777);
  Ref<aniCan> can = CanvasOf(256, 192);
  Ref<virionTron> v = New<virionTron>();
  v->width = v->height = 12;
  for (int i = 0; i < 2000; ++i) {
    v->randomizeLoc(can);
    ASSERT_GE(v->xLoc, 6.0);
    ASSERT_LT(v->xLoc, 238.0);
    ASSERT_GE(v->yLoc, 6.0);
    ASSERT_LT(v->yLoc, 174.0);
  }
}

TEST(virionTron, MutateAtFullRateChangesOnePositionToTheFirstOtherLetter) {
  Ref<coretest::ProbeRAlea> r = StartSeeded(12345);
  Ref<cArray> s = SequenceOf("AAAAGCGGTG");
  Ref<virionTron> v = New<virionTron>();
  Ref<cArray> m = v->mutate(1.0, s);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(Letters(m, 1, 10), "AAAGGCGGTG");
  EXPECT_EQ(Letters(s, 1, 10), "AAAAGCGGTG");
  EXPECT_EQ(DrawsTaken(12345, r->state()), 7);
}

TEST(virionTron, MutateAtZeroRateMutatesOnlyOnADrawOfExactlyZero) {
  StartSeeded(12345);
  Ref<virionTron> v = New<virionTron>();
  Ref<cArray> s = SequenceOf("AAAAGCGGTG");
  EXPECT_EQ(v->mutate(0.0, s), nullptr);
  Globals::myRAlea->demonstrateZero();
  Ref<cArray> m = v->mutate(0.0, s);
  ASSERT_NE(m, nullptr);
  int differences = 0;
  for (int i = 1; i <= 10; ++i) differences += m->get(i) != s->get(i);
  EXPECT_EQ(differences, 1);
}

TEST(virionTron, CloneThatMutatesTakesANewColourAndTheFitnessEffect) {
  Ref<virionTron> founder = FounderAt12345();
  Ref<coretest::ProbeRAlea> r = StartSeeded(490709318621);
  EXPECT_EQ(founder->Sequence->get(11).StringValue(), "T");
  Ref<virionTron> child = founder->clone();
  EXPECT_EQ(child->Sequence->get(11).StringValue(), "A");
  EXPECT_EQ(founder->Sequence->get(11).StringValue(), "T");
  for (int i = 1; i <= 100; ++i) {
    if (i == 11) continue;
    ASSERT_EQ(child->Sequence->get(i), founder->Sequence->get(i)) << i;
  }
  EXPECT_EQ(child->myColor, RGB(38, 31, 244));
  EXPECT_EQ(child->Fitness, 101.0);
  EXPECT_EQ(child->X, founder->X);
  EXPECT_EQ(child->Y, founder->Y);
  EXPECT_EQ(child->xLoc, founder->xLoc);
  EXPECT_EQ(child->width, 12);
  EXPECT_EQ(DrawsTaken(490709318621, r->state()), 7);
}

TEST(virionTron, CloneWithoutMutationIsAFaithfulCopyInASequenceOfItsOwn) {
  Ref<virionTron> founder = FounderAt12345();
  founder->myColor = RGB(10, 20, 30);
  Ref<coretest::ProbeRAlea> r = StartSeeded(12345);
  Ref<virionTron> child = founder->clone();
  EXPECT_EQ(DrawsTaken(12345, r->state()), 1);
  EXPECT_NE(child->Sequence, founder->Sequence);
  for (int i = 0; i <= 100; ++i) ASSERT_EQ(child->Sequence->get(i), founder->Sequence->get(i));
  EXPECT_EQ(child->myColor, RGB(10, 20, 30));
  EXPECT_EQ(child->Fitness, 100.0);
  EXPECT_EQ(child->X, founder->X);
  EXPECT_EQ(child->Y, founder->Y);
  EXPECT_EQ(child->speed, 0.0);
  child->Sequence->set(1, "X");
  EXPECT_EQ(founder->Sequence->get(1).StringValue(), "A");
}

TEST(virionTron, FitnessEffectsCompoundOneProductAtATime) {
  Ref<virionTron> founder = FounderAt12345();
  Globals::MutRatePerSeq = 1.0;  // every copy mutates
  auto series = [&](const char* effect, int generations) {
    Globals::EffectOnFitness = effect;
    Ref<virionTron> v = founder;
    for (int i = 0; i < generations; ++i) v = v->clone();
    return v->Fitness;
  };
  EXPECT_EQ(series("B", 1), 101.0);
  EXPECT_EQ(series("B", 2), 102.01);
  EXPECT_EQ(series("D", 1), 99.0);
  EXPECT_EQ(series("D", 2), 98.01);
  EXPECT_EQ(series("D", 3), 97.02990000000001);
  EXPECT_EQ(series("N", 3), 100.0);
}

TEST(virionTron, AMutatedChildDiffersAtExactlyOnePosition) {
  Ref<virionTron> founder = FounderAt12345();
  Globals::MutRatePerSeq = 1.0;
  for (int k = 0; k < 200; ++k) {
    Ref<virionTron> child = founder->clone();
    int differences = 0;
    for (int i = 1; i <= 100; ++i) differences += child->Sequence->get(i) != founder->Sequence->get(i);
    ASSERT_EQ(differences, 1);
    EXPECT_EQ(child->Sequence->get(0).type(), Variant::Type::Nothing);
  }
}

}  // namespace
