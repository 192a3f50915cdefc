#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "aniTron.h"

// A 12 x 12 sprite at 10, 20 with the given place in doubles and heading.
static Ref<aniTron> Sprite(double xLoc, double yLoc, double direction) {
  Ref<aniTron> t = New<aniTron>();
  t->X = 10, t->Y = 20, t->width = 12, t->height = 12;
  t->xLoc = xLoc, t->yLoc = yLoc, t->direction = direction;
  return t;
}

TEST(aniTron, WithinIsStrictOnAllFourSides) {
  Ref<aniTron> t = Sprite(0, 0, 0);
  const std::tuple<int, int, bool> points[] = {{11, 21, true},  {21, 31, true},  {10, 25, false},
                                               {22, 25, false}, {15, 20, false}, {15, 32, false}};
  for (const auto& [x, y, inside] : points) EXPECT_EQ(t->within(x, y), inside) << x << "," << y;
}

TEST(aniTron, BounceReflectsOffEachWallWithTheProgramsConstants) {
  const double cases[][4] = {
      // xLoc, yLoc, direction before, direction after, on a canvas 256 x 192
      {-1.0, 50.0, 3.0, 0.1415926500000002},    // left wall
      {50.0, -1.0, 5.0, 1.2831853000000004},    // top wall, then wrapped
      {250.0, 50.0, 0.5, 2.64159265},           // right wall
      {50.0, 185.0, 1.0, 5.2831853},            // bottom wall, then wrapped
      {-1.0, -1.0, 4.0, 0.8584073499999998},    // left, then top
      {50.0, 50.0, 6.2831853, 6.2831853},       // exactly 2 pi: left alone
      {50.0, 50.0, 6.3, 0.016814699999999405},  // above 2 pi: wrapped once
      {50.0, 50.0, 2.0, 2.0},                   // away from every wall
  };
  for (const auto& [xLoc, yLoc, before, after] : cases) {
    Ref<aniTron> t = Sprite(xLoc, yLoc, before);
    t->bounce(coretest::CanvasOf(256, 192));
    EXPECT_EQ(t->direction, after) << xLoc << "," << yLoc << " heading " << before;
  }
}

TEST(aniTron, MoveTurnsThenGlidesExceptWhileAClickIsHandled) {
  Ref<aniCan> can = coretest::CanvasOf(256, 192);
  Ref<aniTron> t = Sprite(-1.0, 20.0, 3.0);
  t->speed = 3.0;
  can->processingClick = true;
  t->move(can);
  t->prepare(can);  // a plain sprite's hook does nothing at all
  EXPECT_EQ(t->xLoc, -1.0);
  EXPECT_EQ(t->direction, 3.0);
  EXPECT_EQ(t->X, 10);
  can->processingClick = false;
  t->move(can);
  EXPECT_EQ(t->direction, 0.1415926500000002);  // turned before it moved
  EXPECT_EQ(t->X, 2);
  t->xLoc = 10.0, t->yLoc = 20.0, t->direction = 0.5;
  t->move(can);
  EXPECT_NEAR(t->xLoc, 12.6327, 1e-4);
  EXPECT_NEAR(t->yLoc, 21.4383, 1e-4);
  EXPECT_EQ(t->X, 13);
  EXPECT_EQ(t->Y, 21);
}
