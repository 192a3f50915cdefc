#include <gtest/gtest.h>

#include <sstream>

#include "CoreTestSupport.h"
#include "virionTron.h"

using namespace coretest;

// A virion's place, size, fitness and colour, every number in full.
static std::string Describe(const Ref<virionTron>& v) {
  std::ostringstream s;
  s.precision(17);
  s << v->xLoc << "," << v->yLoc << " at " << v->X << "," << v->Y << ", " << v->width << "x" << v->height
    << ", fitness " << v->Fitness << ", RGB " << +v->myColor.red << "," << +v->myColor.green << "," << +v->myColor.blue;
  return s.str();
}

// A virion founded on a 256 x 192 canvas with the generator seeded with 12345.
static Ref<virionTron> Founder(int32_t sequenceLength = 100) {
  StartSeeded(12345);
  Globals::SequenceLength = sequenceLength;
  Ref<virionTron> v = New<virionTron>();
  v->prepare(CanvasOf(256, 192));
  return v;
}

TEST(virionTron, PrepareDrawsXThenYThenOneLetterPerPositionAndPlacesKeepClearOfTheEdges) {
  Ref<virionTron> v = Founder();
  EXPECT_EQ(Describe(v), "30.513496303833392,58.092379102108566 at 31,58, 12x12, fitness 100, RGB 0,0,0");
  const std::string letters = Text(v->Sequence);
  EXPECT_EQ(letters.substr(0, 11), "_AAAAGCGGTG");
  EXPECT_EQ(letters.size(), 101u);
  EXPECT_EQ(letters.find_first_not_of("ATGC", 1), std::string::npos) << letters;
  EXPECT_EQ(DrawsSince(12345), 102);
  Ref<aniCan> can = CanvasOf(256, 192);
  for (int i = 0; i < 2000; ++i) {
    v->randomizeLoc(can);
    ASSERT_GE(v->xLoc, 6.0) << "draw " << i;
    ASSERT_LT(v->xLoc, 238.0) << "draw " << i;
    ASSERT_GE(v->yLoc, 6.0) << "draw " << i;
    ASSERT_LT(v->yLoc, 174.0) << "draw " << i;
  }
}

TEST(virionTron, MutateChangesOnePositionToTheFirstOtherLetterDrawnWhenTheDrawIsAtMostTheRate) {
  StartSeeded(12345);
  Ref<cArray> s = Letters("AAAAGCGGTG", 1);
  Ref<virionTron> v = New<virionTron>();
  EXPECT_EQ(Text(v->mutate(1.0, s), 1), "AAAGGCGGTG");
  EXPECT_EQ(DrawsSince(12345), 7);
  EXPECT_EQ(v->mutate(0.0, s), nullptr);
  Globals::myRAlea->demonstrateZero();  // the next draw is exactly 0, then come those of seed 0
  EXPECT_EQ(Text(v->mutate(0.0, s), 1), "ATAAGCGGTG");
  EXPECT_EQ(Text(s, 1), "AAAAGCGGTG");
}

TEST(virionTron, AMutatedCloneDiffersAtOnePositionAndTakesANewColourAndTheFitnessEffect) {
  Ref<virionTron> founder = Founder();
  StartSeeded(490709318621);
  Ref<virionTron> child = founder->clone();
  std::string letters = Text(founder->Sequence);
  EXPECT_EQ(letters[11], 'T');
  letters[11] = 'A';
  EXPECT_EQ(Text(child->Sequence), letters);
  EXPECT_EQ(Describe(child), "30.513496303833392,58.092379102108566 at 31,58, 12x12, fitness 101, RGB 38,31,244");
  EXPECT_EQ(DrawsSince(490709318621), 7);
}

// A first draw of 0.1057 lies above the start-up rate but below 1 - 0.9995^300,
// the rate a length of 300 would give: the start-up rate stays.
TEST(virionTron, ACloneThatDrawsAboveTheStartUpRateIsAFaithfulCopyInASequenceOfItsOwn) {
  Ref<virionTron> founder = Founder(300);
  founder->myColor = RGB(10, 20, 30);
  founder->speed = 3.0;
  Globals::myRAlea->setSeed(12345);
  Ref<virionTron> child = founder->clone();
  EXPECT_EQ(DrawsSince(12345), 1);
  EXPECT_EQ(Describe(child), Describe(founder));
  EXPECT_EQ(Text(child->Sequence), Text(founder->Sequence));
  EXPECT_EQ(child->speed, 0.0);
  child->Sequence->set(1, "X");
  EXPECT_EQ(founder->Sequence->get(1).StringValue(), "A");
}

TEST(virionTron, FitnessEffectsCompoundOneProductAtATime) {
  Ref<virionTron> founder = Founder();
  Globals::MutRatePerSeq = 1.0;  // every copy mutates
  const std::tuple<const char*, int, double> cases[] = {
      {"B", 1, 101.0}, {"B", 2, 102.01}, {"D", 1, 99.0}, {"D", 2, 98.01}, {"D", 3, 97.02990000000001}, {"N", 3, 100.0}};
  for (const auto& [effect, generations, fitness] : cases) {
    Globals::EffectOnFitness = effect;
    Ref<virionTron> v = founder;
    for (int i = 0; i < generations; ++i) v = v->clone();
    EXPECT_EQ(v->Fitness, fitness) << effect << " x" << generations;
  }
}
