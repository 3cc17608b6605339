#include <QAbstractItemView>
#include <QApplication>
#include <QFont>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include "toolkit/UnitList.h"

namespace {

// In a window of another face than the application's the units show in the window's face, in
// the edit field from the start and in the popup list, which is built only when it first opens.
TEST(UnitListTest, ShowsTheWindowsFaceInTheFieldAndInTheListFirstOpened) {
    QWidget window;
    window.setFont(QFont(QStringLiteral("IPAGothic")));
    auto* units = new UnitList(QStringLiteral("Ω"), &window);
    units->addItems({QStringLiteral("Ω"), QStringLiteral("ＫΩ"), QStringLiteral("ＭΩ")});
    window.show();
    ASSERT_NE(window.font().family(), QApplication::font().family());
    EXPECT_EQ(units->lineEdit()->font().family(), window.font().family());
    EXPECT_EQ(units->currentText(), QStringLiteral("Ω"));

    units->showPopup();
    EXPECT_EQ(units->view()->font().family(), window.font().family());
    EXPECT_EQ(units->view()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    units->hidePopup();
}

}  // namespace
