// Runs the GUI tests in a scratch folder, so the program's relative DATA paths reach the files
// the tests write.

#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
