#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/toolkit/Appearance.h"
#include "app/toolkit/UnitList.h"

namespace {

// In a window of another face the units show in the face asked for, in the edit field from the
// start and in the popup list, which is built only when it first opens.
TEST(UnitListTest, ShowsItsFaceInTheFieldAndInTheListFirstOpened) {
    for (const UnitList::Face face : {UnitList::Face::Inherited, UnitList::Face::Default}) {
        QWidget window;
        window.setFont(minchoFont());
        auto* units = new UnitList(QStringLiteral("Ω"), &window, face);
        units->addItems({QStringLiteral("Ω"), QStringLiteral("ＫΩ"), QStringLiteral("ＭΩ")});
        window.show();
        const QString expected = face == UnitList::Face::Default ? QApplication::font().family()
                                                                 : window.font().family();
        ASSERT_NE(window.font().family(), QApplication::font().family());
        EXPECT_EQ(units->lineEdit()->font().family(), expected);
        EXPECT_EQ(units->currentText(), QStringLiteral("Ω"));

        units->showPopup();
        EXPECT_EQ(units->view()->font().family(), expected);
        EXPECT_EQ(units->view()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        units->hidePopup();
    }
}

}  // namespace
