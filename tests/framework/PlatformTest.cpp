// The platform the program runs on, chosen from the session before the application object is made.
#include <gtest/gtest.h>

#include "Platform.h"

namespace {

TEST(Platform, AWaylandSessionThatOffersAnXServerRunsOnXFallingBackToWayland) {
  EXPECT_EQ(ChoosePlatform("", ":1", "wayland-0"), "xcb;wayland");
}

TEST(Platform, AnXSessionRunsOnX) { EXPECT_EQ(ChoosePlatform("", ":0", ""), "xcb"); }

TEST(Platform, AWaylandSessionWithoutAnXServerRunsNatively) { EXPECT_EQ(ChoosePlatform("", "", "wayland-0"), "wayland"); }

TEST(Platform, APlatformTheUserNamesIsKept) {
  EXPECT_EQ(ChoosePlatform("wayland", ":1", "wayland-0"), "wayland");
  EXPECT_EQ(ChoosePlatform("offscreen", ":1", ""), "offscreen");
}

TEST(Platform, WithNoDisplayNamedQtChoosesItself) { EXPECT_EQ(ChoosePlatform("", "", ""), ""); }

}  // namespace
