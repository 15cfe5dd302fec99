// Every test program runs against Qt's offscreen platform, with the
// application object started once for the whole run.

#include "Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    Application->Initialize(argc, argv);
    int result = RUN_ALL_TESTS();
    Application->Finalize();
    return result;
}
