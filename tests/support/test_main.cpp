// The main of every test program: it runs headless, with a dummy sound
// driver, and points the user's folders at the build's test home, so that no
// test needs a display or a sound card or touches the real user folder.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::setenv("XDG_DATA_HOME", LUMORA_TEST_HOME "/data", 1);
    ::setenv("XDG_RUNTIME_DIR", LUMORA_TEST_HOME "/run", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
