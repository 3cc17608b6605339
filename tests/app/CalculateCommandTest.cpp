#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include "UserActions.h"
#include "model/CircuitEdits.h"

namespace {

class CalculateCommandTest : public ::testing::Test {
protected:
    Form1 form;
    UserActions user{form};
    QString messageText, messageCaption;
    QMessageBox::Icon messageIcon = QMessageBox::NoIcon;
    int messages = 0;

    CalculateCommandTest() {
        form.show();
        QApplication::setActiveWindow(&form);
    }

    void placeResistor(const QString& ohms) { user.enterValue("Command1", ohms); }
    QString status() { return form.statusBar()->findChild<QLabel*>("wiredCheck")->text(); }
    // Any message box the next action shows is read and answered with OK.
    void answerMessage() {
        whenModalOpens([this](QDialog* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            ++messages;
            messageText = box->text();
            messageCaption = box->windowTitle();
            messageIcon = box->icon();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    }
    void calculate() { user.click("Command6"); }
    void chooseUnit(int index) {
        auto* combo = form.findChild<QComboBox*>("Combo1");
        combo->setFocus();
        combo->setCurrentIndex(index == 0 ? 1 : index - 1);
        QTest::keyClick(combo, index == 0 ? Qt::Key_Up : Qt::Key_Down);
    }
    QPushButton* button(const char* name) { return form.findChild<QPushButton*>(name); }
    QString field(int n) {
        return form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n))->text();
    }
    QColor labelColour(int slot) {
        return form.valueLabels(slot).front()->palette().color(QPalette::WindowText);
    }
};

TEST_F(CalculateCommandTest, OneResistorShowsItsValueMarksItAndOffersConversion) {
    placeResistor(QStringLiteral("100"));
    calculate();
    EXPECT_EQ(field(1), QStringLiteral("100"));
    EXPECT_EQ(field(2), QStringLiteral("100"));
    EXPECT_EQ(field(3), QStringLiteral("0"));
    EXPECT_EQ(field(4), QStringLiteral("0"));
    EXPECT_EQ(labelColour(1), QColor(255, 0, 0));
    EXPECT_TRUE(button("Command9")->isVisible());
}

TEST_F(CalculateCommandTest, EmptyDrawingAsksForParts) {
    form.findChild<QLineEdit*>("Text1")->setText(QStringLiteral("stale"));
    answerMessage();
    calculate();
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(messageText, QStringLiteral("Ｒ，Ｌ，Ｃの素子を配置して下さい"));
    EXPECT_EQ(messageCaption, QStringLiteral("Selvoria"));
    EXPECT_EQ(messageIcon, QMessageBox::Critical);
    EXPECT_TRUE(field(1).isEmpty());
    EXPECT_EQ(form.focusWidget(), button("Command6"));
    EXPECT_FALSE(button("Command9")->isVisible());
}

TEST_F(CalculateCommandTest, FaultKeepsThePartsTakenBeforeItRed) {
    placeResistor(QStringLiteral("100"));
    user.enterValue("Command3", QStringLiteral("1"));
    // The capacitor's right terminal touches the resistor's left one: they are in series, and
    // at frequency 0 the capacitor divides by zero after the resistor was taken.
    setPartTerminals(form.model(), 11, 3600 - 1110, 3600 - 345);
    answerMessage();
    calculate();
    EXPECT_EQ(messageText, QStringLiteral("０で除算されたエラー"));
    EXPECT_EQ(labelColour(1), QColor(255, 0, 0));
    EXPECT_EQ(labelColour(11), QColor(0, 0, 0));
    EXPECT_TRUE(field(2).isEmpty());
    EXPECT_FALSE(button("Command9")->isVisible());
    // The message box stays as it is; the status bar then says what to do.
    EXPECT_EQ(status(),
              QStringLiteral("周波数が 0 Hz です：コンデンサのインピーダンスを求められません。"
                             "「周波数」で設定してください。"));

    // A capacitor of 0 F at a set frequency fails alike, but the frequency is not the cause.
    user.enterValue("Command4", QStringLiteral("50"));
    form.model().slotValue[11] = 0;
    answerMessage();
    calculate();
    EXPECT_EQ(messageText, QStringLiteral("０で除算されたエラー"));
    EXPECT_TRUE(status().isEmpty()) << status().toStdString();
}

TEST_F(CalculateCommandTest, ChoosingAUnitRecalculatesInThatUnit) {
    placeResistor(QStringLiteral("1234.5678"));
    struct Row {
        int unit;
        const char* magnitude;
        double factor;
    };
    const Row rows[] = {{1, "1.235", 1e-3}, {2, "0.001", 1e-6}, {0, "1234.568", 1.0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.magnitude);
        chooseUnit(row.unit);
        EXPECT_EQ(field(1), QString::fromLatin1(row.magnitude));
        EXPECT_EQ(field(2), QString::fromLatin1(row.magnitude));
        EXPECT_EQ(field(4), QStringLiteral("0"));
        EXPECT_EQ(form.model().resultUnitFactor, row.factor);
        EXPECT_EQ(form.focusWidget(), button("Command6"));
    }
}

TEST_F(CalculateCommandTest, PickingTheChosenUnitAgainStillRecalculates) {
    placeResistor(QStringLiteral("50"));
    auto* combo = form.findChild<QComboBox*>("Combo1");
    EXPECT_TRUE(field(1).isEmpty());
    emit combo->activated(combo->currentIndex());  // the user picks the item already shown
    EXPECT_EQ(field(1), QStringLiteral("50"));
}

TEST_F(CalculateCommandTest, UnitChangeOnAnEmptyDrawingReportsAndKeepsTheUnit) {
    answerMessage();
    chooseUnit(2);
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(form.model().resultUnitFactor, 1e-6);
    EXPECT_EQ(form.findChild<QComboBox*>("Combo1")->currentText(), QStringLiteral("ＭΩ"));
}

}  // namespace
