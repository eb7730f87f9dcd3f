// Test entry point: runs every test headless on Qt's offscreen platform.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Tests that use fonts, widgets or timers need the application object; it is cheap offscreen.
    QApplication* app = nullptr;
    bool listing = ::testing::GTEST_FLAG(list_tests);
    if (!listing)
        app = new QApplication(argc, argv);
    int rc = RUN_ALL_TESTS();
    delete app;
    return rc;
}
