#include "app/Form1.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class Form1Test : public ::testing::Test {
protected:
    Form1 form;

    template <typename T = QWidget>
    T* find(const char* name) {
        T* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

// Pixel geometry at 15 twips per pixel, relative to the control's container.
struct Placement {
    const char* name;
    const char* container;
    QRect pixels;
};

TEST_F(Form1Test, ControlsStandInTheirContainersAtTheirPositions) {
    const Placement rows[] = {
        {"Frame1", "clientArea", {24, 16, 489, 105}},
        {"Command1", "Frame1", {24, 40, 73, 33}},
        {"Command8", "Frame1", {384, 64, 73, 33}},
        {"Command6", "Frame4", {16, 24, 73, 65}},
        {"Command9", "Frame5", {16, 24, 73, 65}},
        {"Command5", "Frame3", {16, 64, 73, 33}},
        {"Label2", "Frame2", {80, 24, 65, 25}},
        {"Label18", "clientArea", {168, 128, 73, 33}},
        {"Text3", "clientArea", {664, 128, 177, 33}},
        {"Combo1", "clientArea", {456, 176, 65, 27}},
        {"Label29", "clientArea", {808, 168, 33, 33}},
        {"Picture1", "clientArea", {240, 216, 74, 37}},
        {"Picture10", "clientArea", {664, 312, 74, 52}},
        {"Picture13", "clientArea", {448, 384, 74, 37}},
        {"Picture20", "clientArea", {664, 448, 74, 65}},
        {"Label3", "Picture1", {10, 1, 54, 19}},
        {"Label27_1", "Picture20", {0, 48, 73, 17}},
        {"Image1", "clientArea", {48, 224, 9, 65}},
        {"Image10", "clientArea", {176, 320, 9, 65}},
        {"Image11", "clientArea", {40, 408, 41, 9}},
        {"Image20", "clientArea", {104, 504, 41, 9}},
    };
    for (const Placement& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* widget = find(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(row.container));
        EXPECT_EQ(widget->geometry(), row.pixels);
    }
    EXPECT_EQ(form.clientArea()->size(), QSize(856, 555));
}

TEST_F(Form1Test, CaptionsAreTheJapaneseTexts) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Selvoria　Ｖｅｒ．１．２"));
    const std::pair<const char*, const char*> buttons[] = {
        {"Command1", "抵抗"},   {"Command2", "コイル"}, {"Command3", "コンデンサ"},
        {"Command4", "周波数"}, {"Command5", "終了"},   {"Command6", "計算実行"},
        {"Command7", "縦線"},   {"Command8", "横線"},   {"Command9", "インピーダンス　素子化"},
        {"Command10", "クリア"}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(find<QPushButton>(name)->text(), QString::fromUtf8(caption)) << name;
    const std::pair<const char*, const char*> labels[] = {
        {"Label18", "0"},    {"Label19", "Ｈｚ"},     {"Label20", "合成Ｚ＝"},
        {"Label21", "＋ｊ"}, {"Label22", "複素Ｚ＝"}, {"Label28", "位相角＝"},
        {"Label29", "度"},   {"Label1", ""},          {"Label2", ""}};
    for (const auto& [name, caption] : labels)
        EXPECT_EQ(find<QLabel>(name)->text(), QString::fromUtf8(caption)) << name;
    EXPECT_EQ(find<QGroupBox>("Frame1")->title(), QStringLiteral("Ｒ，Ｌ，Ｃの設定"));
    EXPECT_EQ(find<QGroupBox>("Frame2")->title(), QStringLiteral("座標"));
}

TEST_F(Form1Test, StartsWithEmptyDrawingAndResults) {
    form.show();
    for (int s = 1; s <= 20; ++s) EXPECT_FALSE(form.picture(s)->isVisible()) << s;
    for (int n = 1; n <= 20; ++n) EXPECT_FALSE(form.lineImage(n)->isVisible()) << n;
    EXPECT_FALSE(find<QPushButton>("Command9")->isVisible());
    EXPECT_TRUE(find<QPushButton>("Command4")->isVisible());
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
        EXPECT_TRUE(find<QLineEdit>(name)->text().isEmpty()) << name;
    auto* combo = find<QComboBox>("Combo1");
    EXPECT_EQ(combo->currentText(), QStringLiteral("Ω"));
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), QStringLiteral("ＫΩ"));
    EXPECT_EQ(combo->itemText(2), QStringLiteral("ＭΩ"));
}

TEST_F(Form1Test, EveryPartHasItsValueLabelsInsideItsPicture) {
    for (int s = 1; s <= 20; ++s) {
        SCOPED_TRACE(s);
        const auto& labels = form.valueLabels(s);
        ASSERT_EQ(labels.size(), s <= 15 ? 1u : 2u);
        for (QLabel* label : labels) EXPECT_EQ(label->parentWidget(), form.picture(s));
    }
    EXPECT_EQ(form.valueLabels(15)[0]->objectName(), QStringLiteral("Label17"));
    EXPECT_EQ(form.valueLabels(16)[1]->objectName(), QStringLiteral("Label23_1"));
    EXPECT_FALSE(form.picture(1)->pixmap().isNull());
    EXPECT_FALSE(form.lineImage(11)->pixmap().isNull());
}

TEST_F(Form1Test, CrossHairOnlyOverTheBareBackground) {
    EXPECT_EQ(form.clientArea()->cursor().shape(), Qt::CrossCursor);
    for (const char* name : {"Command6", "Frame2", "Text1", "Label18", "Combo1", "Picture3"})
        EXPECT_EQ(find(name)->cursor().shape(), Qt::ArrowCursor) << name;
}

TEST_F(Form1Test, ClrimpdispEmptiesOnlyTheResultFields) {
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
        find<QLineEdit>(name)->setText(QStringLiteral("1.5"));
    auto* combo = find<QComboBox>("Combo1");
    combo->setCurrentIndex(1);
    form.clrimpdisp();
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
        EXPECT_TRUE(find<QLineEdit>(name)->text().isEmpty()) << name;
    EXPECT_EQ(combo->currentText(), QStringLiteral("ＫΩ"));
}

TEST_F(Form1Test, TypingIntoTheUnitListNeverAddsAnItem) {
    form.show();
    auto* combo = find<QComboBox>("Combo1");
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("mV"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 0);
}

TEST_F(Form1Test, EndCommandClosesTheWindow) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(find<QPushButton>("Command5"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    // The end leaves Qt's quit flag set, which would end every later modal loop of this process
    // at once; the application's own loop clears it when it returns.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

// The menu bar's menus in order, each with its commands' texts and keys.
TEST_F(Form1Test, MenusOfferTheirCommandsWithTheirKeys) {
    QStringList titles;
    for (QAction* menu : form.menuBar()->actions()) titles << menu->text();
    EXPECT_EQ(titles, QStringList({QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                   QStringLiteral("表示(&V)"), QStringLiteral("ヘルプ(&H)")}));
    const std::pair<const char*, const char*> commands[] = {
        {"actionNew", "新規|Ctrl+N"},
        {"actionOpen", "開く...|Ctrl+O"},
        {"actionSave", "保存|Ctrl+S"},
        {"actionSaveAs", "名前を付けて保存...|Ctrl+Shift+S"},
        {"actionQuit", "終了|Ctrl+Q"},
        {"actionUndo", "元に戻す|Ctrl+Z"},
        {"actionRedo", "やり直し|Ctrl+Y|Ctrl+Shift+Z"}};
    for (const auto& [name, expected] : commands) {
        const auto* action = form.findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        QStringList shown{action->text()};
        for (const QKeySequence& key : action->shortcuts())
            shown << key.toString(QKeySequence::PortableText);
        EXPECT_EQ(shown.join(u'|'), QString::fromUtf8(expected)) << name;
    }
}

}  // namespace

namespace {

TEST_F(Form1Test, ScreenReadersHearWhatEachElementIs) {
    const std::pair<const char*, const char*> names[] = {
        {"Picture1", "抵抗"},        {"Picture8", "コイル"},
        {"Picture15", "コンデンサ"}, {"Picture16", "インピーダンス"},
        {"Image1", "縦線 1"},        {"Image20", "横線 10"},
        {"Text1", "合成Ｚ"},         {"Text4", "位相角（度）"}};
    for (const auto& [name, accessible] : names)
        EXPECT_EQ(find(name)->accessibleName(), QString::fromUtf8(accessible)) << name;
}

TEST_F(Form1Test, KeyboardWalksTheCommandsThenTheUnitListAndResults) {
    form.findChild<QPushButton*>("Command9")->setVisible(true);
    form.show();
    const char* expected[] = {"Command1", "Command2", "Command3", "Command4",  "Command7",
                              "Command8", "Command6", "Command9", "Command10", "Command5",
                              "Combo1",   "Text2",    "Text3",    "Text1",     "Text4"};
    QWidget* widget = find(expected[0]);
    for (const char* name : expected) {
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), QString::fromLatin1(name));
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(&form) ||
                 widget->focusProxy() != nullptr);
    }
    for (int s = 1; s <= 20; ++s) EXPECT_EQ(form.picture(s)->focusPolicy(), Qt::NoFocus) << s;
}

}  // namespace
