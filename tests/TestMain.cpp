#include <QApplication>
#include <cstdlib>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Widget tests need no screen; a real display is used only when one is asked for.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(assets);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
