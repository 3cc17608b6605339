// Results to the clipboard as text: the main window's result fields through "編集" and Ctrl+C,
// the frequency response window's readout through Ctrl+C; a field with a selection keeps Ctrl+C.

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>

#include "WindowTest.h"
#include "response/ResponseWindow.h"

namespace {

class CopyTest : public WindowTest {
protected:
    QClipboard* clipboard = QGuiApplication::clipboard();

    CopyTest() {
        clipboard->setText(QStringLiteral("before"));
        user.enterValue("Command1", QStringLiteral("100"));
        user.enterValue("Command3", QStringLiteral("10"), 1);  // 10 μＦ
        user.drag(form.picture(11), {226, 160});
        user.enterValue("Command4", QStringLiteral("50"));
        user.click("Command6");
    }
    // Shortcuts reach only the active window.
    void controlC(QWidget* widget) {
        widget->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget->window()));
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
    }
};

TEST_F(CopyTest, ResultFieldsAreCopiedAsLinesOfNameNumberAndUnit) {
    ASSERT_FALSE(field(1).isEmpty());
    const QString expected = QStringLiteral(
                                 "周波数\t50\tＨｚ\n合成Ｚ\t%1\tΩ\n複素Ｚ 実部\t%2\tΩ\n"
                                 "複素Ｚ 虚部\t%3\tΩ\n位相角\t%4\t度\n")
                                 .arg(field(1), field(2), field(3), field(4));
    form.findChild<QAction*>("actionCopyResults")->trigger();
    EXPECT_EQ(clipboard->text(), expected);

    clipboard->setText(QStringLiteral("before"));
    controlC(form.findChild<QWidget*>("Command6"));
    EXPECT_EQ(clipboard->text(), expected);

    auto* text2 = form.findChild<QLineEdit*>("Text2");
    text2->setFocus();
    text2->setSelection(0, 2);
    controlC(text2);
    EXPECT_EQ(clipboard->text(), field(2).left(2)) << "the field copies its own selection";
}

TEST_F(CopyTest, NoResultCopiesNothingAndSaysSo) {
    user.click("Command10");
    form.findChild<QAction*>("actionCopyResults")->trigger();
    EXPECT_EQ(clipboard->text(), "before");
    EXPECT_EQ(form.statusBar()->currentMessage(), "コピーする計算結果がありません");
}

TEST_F(CopyTest, ResponseWindowCopiesItsReadoutAndResonances) {
    form.showFrequencyResponse();
    auto* response = form.findChild<ResponseWindow*>();
    response->flush();
    const QString readout = response->findChild<QLabel*>("cursorReadout")->text();
    ASSERT_TRUE(readout.startsWith(QStringLiteral("動作周波数"))) << readout.toStdString();
    auto* list = response->findChild<QListWidget*>("resonances");
    ASSERT_GT(list->count(), 0);
    controlC(response->findChild<QWidget*>("views"));
    QString expected = readout + QStringLiteral("\n共振点\n");
    for (int i = 0; i < list->count(); ++i) expected += list->item(i)->text() + u'\n';
    EXPECT_EQ(clipboard->text(), expected);
    EXPECT_EQ(response->findChild<QLabel*>("exportStatus")->text(),
              "読み取り、マーカーと共振点をコピーしました");
}

}  // namespace
