#include <gtest/gtest.h>

#include "SpriteCanvases.h"
#include "aniTron.h"

namespace {

Ref<aniCan> CanvasOf(int w, int h) {
  Ref<aniCan> can = New<aniCan>();
  can->SetWidth(w);
  can->SetHeight(h);
  return can;
}

Ref<aniTron> Sprite(int x, int y, int w, int h) {
  Ref<aniTron> t = New<aniTron>();
  t->X = x, t->Y = y, t->width = w, t->height = h;
  return t;
}

TEST(aniTron, WithinIsStrictOnAllFourSides) {
  Ref<aniTron> t = Sprite(10, 20, 12, 12);
  EXPECT_TRUE(t->within(11, 21));
  EXPECT_TRUE(t->within(21, 31));
  EXPECT_FALSE(t->within(10, 25));
  EXPECT_FALSE(t->within(22, 25));
  EXPECT_FALSE(t->within(15, 20));
  EXPECT_FALSE(t->within(15, 32));
}

struct BounceCase {
  double xLoc, yLoc, direction, expected;
};

TEST(aniTron, BounceReflectsOffEachWallWithTheProgramsConstants) {
  const BounceCase cases[] = {
      {-1.0, 50.0, 3.0, 0.1415926500000002},   // left wall
      {50.0, -1.0, 5.0, 1.2831853000000004},   // top wall, then wrapped
      {250.0, 50.0, 0.5, 2.64159265},          // right wall
      {50.0, 185.0, 1.0, 5.2831853},           // bottom wall, then wrapped
      {-1.0, -1.0, 4.0, 0.8584073499999998},   // left, then top
      {50.0, 50.0, 6.2831853, 6.2831853},      // exactly 2 pi: left alone
      {50.0, 50.0, 6.3, 0.016814699999999405}, // above 2 pi: wrapped once
      {50.0, 50.0, 2.0, 2.0},                  // away from every wall
  };
  Ref<aniCan> can = CanvasOf(256, 192);
  for (const BounceCase& c : cases) {
    Ref<aniTron> t = Sprite(0, 0, 12, 12);
    t->xLoc = c.xLoc, t->yLoc = c.yLoc, t->direction = c.direction;
    t->bounce(can);
    EXPECT_EQ(t->direction, c.expected) << c.xLoc << "," << c.yLoc << " dir " << c.direction;
  }
}

TEST(aniTron, GlideAdvancesAndRoundsThePlace) {
  Ref<aniTron> t = Sprite(0, 0, 12, 12);
  t->xLoc = 10.0, t->yLoc = 20.0, t->speed = 3.0, t->direction = 0.5;
  t->glide();
  EXPECT_NEAR(t->xLoc, 12.6327, 1e-4);
  EXPECT_NEAR(t->yLoc, 21.4383, 1e-4);
  EXPECT_EQ(t->X, 13);
  EXPECT_EQ(t->Y, 21);
}

TEST(aniTron, MoveDoesNothingWhileAClickIsHandledAndPrepareNothingAtAll) {
  Ref<aniCan> can = CanvasOf(256, 192);
  Ref<aniTron> t = Sprite(5, 6, 12, 12);
  t->xLoc = -1.0, t->yLoc = 20.0, t->speed = 3.0, t->direction = 3.0;
  can->processingClick = true;
  t->move(can);
  t->prepare(can);
  EXPECT_EQ(t->xLoc, -1.0);
  EXPECT_EQ(t->direction, 3.0);
  EXPECT_EQ(t->X, 5);
  EXPECT_EQ(t->Y, 6);
  can->processingClick = false;
  t->move(can);
  EXPECT_EQ(t->direction, 0.1415926500000002);
  EXPECT_NE(t->xLoc, -1.0);
}

}  // namespace
