#include <cstdlib>
#include <gtest/gtest.h>

// Every test program runs headless unless the caller chose otherwise: no window appears and
// no sound device is needed, however the program is started.
int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
