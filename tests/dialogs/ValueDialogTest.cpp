#include "dialogs/ValueDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "model/CircuitModel.h"

namespace {

class ValueDialogTest : public ::testing::Test {
protected:
    CircuitModel model;

    // An open dialog with the keyboard focus, as the user sees it after the palette command.
    std::unique_ptr<ValueDialog> open(ValueKind kind) {
        auto dialog = std::make_unique<ValueDialog>(kind, model);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }
    static QLineEdit* field(QDialog* dialog) { return dialog->findChild<QLineEdit*>("Text1"); }
    static QComboBox* units(QDialog* dialog) { return dialog->findChild<QComboBox*>("Combo1"); }
    static QPushButton* button(QDialog* dialog, const char* name) {
        return dialog->findChild<QPushButton*>(name);
    }
};

TEST_F(ValueDialogTest, OpensWithZeroSelectedAndTheBaseUnit) {
    struct Row {
        ValueKind kind;
        const char* objectName;
        const char* caption;
        const char* prompt;
        const char* baseUnit;
        bool hasCancel;
    };
    const Row rows[] = {
        {ValueKind::Resistance, "Form2", "抵抗値入力画面", "Ｒ＝", "Ω", true},
        {ValueKind::Inductance, "Form3", "インダクタンス入力画面", "Ｌ＝", "Ｈ", true},
        {ValueKind::Capacitance, "Form4", "容量値入力画面", "Ｃ＝", "Ｆ", true},
        {ValueKind::Frequency, "Form5", "周波数入力画面", "ｆ＝", "Ｈｚ", false},
    };
    model.resistanceUnit = model.frequencyUnit = 1e6;
    model.dialogCancelled = 1;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.objectName);
        auto dialog = open(row.kind);
        EXPECT_EQ(dialog->objectName(), QString::fromLatin1(row.objectName));
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(row.caption));
        EXPECT_EQ(dialog->findChild<QLabel*>("Label1")->text(), QString::fromUtf8(row.prompt));
        EXPECT_EQ(field(dialog.get())->text(), QStringLiteral("0"));
        EXPECT_EQ(field(dialog.get())->selectedText(), QStringLiteral("0"));
        EXPECT_EQ(QApplication::focusWidget(), field(dialog.get()));
        EXPECT_EQ(units(dialog.get())->currentText(), QString::fromUtf8(row.baseUnit));
        EXPECT_EQ(units(dialog.get())->count(), 3);
        EXPECT_EQ(button(dialog.get(), "Command2") != nullptr, row.hasCancel);
        EXPECT_EQ(dialog->size(), QSize(311, 176));
    }
    EXPECT_EQ(model.resistanceUnit, 1.0);
    EXPECT_EQ(model.frequencyUnit, 1.0);
    EXPECT_EQ(model.dialogCancelled, 0);
}

TEST_F(ValueDialogTest, TypingKeepsOnlyTextsThatAreNumbers) {
    struct Row {
        const char* keys;  // typed over the selected "0"
        const char* shown;
        double stored;
    };
    const Row rows[] = {
        {"22", "22", 22},
        {"1,000", "1,000", 1},  // a thousands separator ends the number that is read
        {"1.5E-3", "1.5E-3", 0.0015},
        {"-5", "5", 5},  // a lone minus sign is not a number and empties the field
        {".25", "25", 25},
        {"12x", "", 12},
        {"x", "", -7},  // a rejected text leaves the entered number as it was
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.keys);
        model.resistanceInput = -7;
        auto dialog = open(ValueKind::Resistance);
        QTest::keyClicks(field(dialog.get()), QString::fromUtf8(row.keys));
        EXPECT_EQ(field(dialog.get())->text(), QString::fromUtf8(row.shown));
        EXPECT_DOUBLE_EQ(model.resistanceInput, row.stored);
    }
}

TEST_F(ValueDialogTest, EnterCommitsTheShownTextAndMovesToClose) {
    model.resistanceInput = 7;
    auto dialog = open(ValueKind::Resistance);
    QTest::keyClick(field(dialog.get()), Qt::Key_Enter);  // the keypad Enter counts as Enter
    EXPECT_EQ(model.resistanceInput, 0);
    EXPECT_EQ(field(dialog.get())->text(), QStringLiteral("0"));
    EXPECT_EQ(QApplication::focusWidget(), button(dialog.get(), "Command1"));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ValueDialogTest, AnyOtherKeyFirstDeletesTheSelection) {
    auto dialog = open(ValueKind::Resistance);
    QLineEdit* text = field(dialog.get());
    QTest::keyClicks(text, QStringLiteral("12"));
    text->selectAll();
    QTest::keyClick(text, Qt::Key_Left);
    EXPECT_EQ(text->text(), QString());
    EXPECT_EQ(model.resistanceInput, 12);

    QTest::keyClicks(text, QStringLiteral("123"));
    text->setSelection(2, 1);
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(text->text(), QStringLiteral("1"));

    text->selectAll();
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_EQ(text->text(), QString());
    EXPECT_TRUE(dialog->isVisible()) << "Escape must not close the dialog";
}

TEST_F(ValueDialogTest, PastedNumberIsTakenWhole) {
    auto dialog = open(ValueKind::Capacitance);
    QApplication::clipboard()->setText(QStringLiteral("-4.7e-9"));
    QTest::keyClick(field(dialog.get()), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field(dialog.get())->text(), QStringLiteral("-4.7e-9"));
    EXPECT_DOUBLE_EQ(model.capacitanceInput, -4.7e-9);
}

TEST_F(ValueDialogTest, ChoosingAUnitSetsTheExactMultiplier) {
    const std::tuple<ValueKind, int, double*> rows[] = {
        {ValueKind::Resistance, 1, &model.resistanceUnit},
        {ValueKind::Inductance, 2, &model.inductanceUnit},
        {ValueKind::Capacitance, 1, &model.capacitanceUnit},
        {ValueKind::Capacitance, 2, &model.capacitanceUnit},
        {ValueKind::Frequency, 2, &model.frequencyUnit},
    };
    const double expected[] = {1000.0, 0.000001, 0.000001, 0.000000000001, 1000000.0};
    int i = 0;
    for (const auto& [kind, presses, target] : rows) {
        SCOPED_TRACE(i);
        auto dialog = open(kind);
        QComboBox* combo = units(dialog.get());
        combo->setFocus();
        for (int p = 0; p < presses; ++p) QTest::keyClick(combo, Qt::Key_Down);
        EXPECT_EQ(*target, expected[i++]);  // bit-exact: labels compare multipliers exactly
        EXPECT_EQ(QApplication::focusWidget(), field(dialog.get()));
        EXPECT_EQ(field(dialog.get())->selectedText(), field(dialog.get())->text());
    }
}

TEST_F(ValueDialogTest, TypingIntoTheUnitListChangesNothing) {
    auto dialog = open(ValueKind::Resistance);
    QComboBox* combo = units(dialog.get());
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("MOhm"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(model.resistanceUnit, 1.0);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ValueDialogTest, CancelKeepsWhatWasTypedAndChosen) {
    auto dialog = open(ValueKind::Resistance);
    QTest::keyClicks(field(dialog.get()), QStringLiteral("22"));
    units(dialog.get())->setFocus();
    QTest::keyClick(units(dialog.get()), Qt::Key_Down);
    QTest::mouseClick(button(dialog.get(), "Command2"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(model.dialogCancelled, 1);
    EXPECT_EQ(model.resistanceInput, 22);
    EXPECT_EQ(model.resistanceUnit, 1000);
}

TEST_F(ValueDialogTest, CloseButtonFrameAndKeysCloseWithoutCancelling) {
    auto viaButton = open(ValueKind::Inductance);
    QTest::mouseClick(button(viaButton.get(), "Command1"), Qt::LeftButton);
    EXPECT_FALSE(viaButton->isVisible());

    auto viaFrame = open(ValueKind::Inductance);
    viaFrame->close();
    EXPECT_FALSE(viaFrame->isVisible());

    auto viaEnter = open(ValueKind::Inductance);
    button(viaEnter.get(), "Command1")->setFocus();
    QTest::keyClick(button(viaEnter.get(), "Command1"), Qt::Key_Return);
    EXPECT_FALSE(viaEnter->isVisible());
    EXPECT_EQ(model.dialogCancelled, 0);

    auto viaSpace = open(ValueKind::Capacitance);
    button(viaSpace.get(), "Command2")->setFocus();
    QTest::keyClick(button(viaSpace.get(), "Command2"), Qt::Key_Space);
    EXPECT_FALSE(viaSpace->isVisible());
    EXPECT_EQ(model.dialogCancelled, 1);
}

}  // namespace
