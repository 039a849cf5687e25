#include "app/float_mode.h"

#include <gtest/gtest.h>

// The core is tested in the floating-point mode that the program's start-up sets.
int main(int argc, char** argv) {
    UseProgramFloatMode();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
