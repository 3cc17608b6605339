#include <QApplication>
#include <cstdlib>

#include <gtest/gtest.h>

#include "app/StartUp.h"

int main(int argc, char** argv) {
    // Widget tests need no screen; a real display is used only when one is asked for.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // The same start-up as the program's: its resources, icon and Qt's Japanese texts.
    prepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
