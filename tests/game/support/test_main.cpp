#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // Also when run by hand: never open a window or a sound device.
  setenv("VELMARITH_HEADLESS", "1", 0);
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
