// A result that is no longer shown can never be turned into a part, and what the window shows
// never misleads: lines beneath parts, unit lists that only count picks, labels never cut.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>

#include "WindowTest.h"

namespace {

// Types text that QTest's key table does not know, such as full-width units.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, ch, {});
}

class WithdrawnResultTest : public WindowTest {
protected:
    QComboBox* units() { return form.findChild<QComboBox*>("Combo1"); }
    std::vector<bool> drawing() {
        std::vector<bool> shown;
        for (int s = 1; s <= 20; ++s) shown.push_back(form.picture(s)->isVisible());
        for (int n = 1; n <= 20; ++n) shown.push_back(form.lineImage(n)->isVisible());
        return shown;
    }
    void answerMessageBox() {
        whenModalOpens([](QDialog* box) { box->accept(); });
    }
};

TEST_F(WithdrawnResultTest, WithdrawnResultHidesTheConversion) {
    struct Row {
        const char* name;
        std::function<void()> withdraw;
    };
    const Row rows[] = {
        {"double-click with a part left",
         [&] {
             user.enterValue("Command1", QStringLiteral("100"));
             user.doubleClick(background);
         }},
        {"frequency dialog closed with 閉じる",
         [&] { user.enterValue("Command4", QStringLiteral("50")); }},
        {"failed calculation after a successful one",
         [&] {
             user.enterValue("Command3", QStringLiteral("1"));  // start part, 0 Hz
             answerMessageBox();
             user.click("Command6");
         }},
        {"unit change whose calculation fails",
         [&] {
             user.enterValue("Command3", QStringLiteral("1"));
             answerMessageBox();
             units()->setFocus();
             QTest::keyClick(units(), Qt::Key_Down);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        user.click("Command10");
        user.enterValue("Command1", QStringLiteral("100"));
        user.click("Command6");
        ASSERT_TRUE(visible("Command9"));
        row.withdraw();
        const std::vector<bool> before = drawing();
        EXPECT_FALSE(visible("Command9"));
        EXPECT_TRUE(field(2).isEmpty());
        EXPECT_EQ(drawing(), before);
        EXPECT_TRUE(form.picture(1)->isVisible());
        EXPECT_FALSE(form.picture(16)->isVisible());
    }
}

TEST_F(WithdrawnResultTest, FrameClosedFrequencyDialogKeepsTheResult) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.click("Command6");
    whenModalOpens([](QDialog* dialog) { dialog->close(); });
    user.click("Command4");
    EXPECT_TRUE(visible("Command9"));
    EXPECT_EQ(field(2), QStringLiteral("100"));
}

TEST_F(WithdrawnResultTest, ConversionHandsTheFocusToCalculate) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.click("Command6");
    user.click("Command9");
    EXPECT_EQ(form.focusWidget(), form.findChild<QWidget*>("Command6"));
}

TEST_F(WithdrawnResultTest, LineCrossingAnImpedancePartLiesBeneathIt) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.click("Command6");
    user.click("Command9");
    user.click("Command7");
    const QRect part = form.picture(16)->geometry();
    user.drag(form.lineImage(1), {part.left() + 4, part.top() - 8});
    ASSERT_TRUE(form.lineImage(1)->geometry().intersects(part));
    QWidget* area = form.clientArea();
    for (QLabel* label : form.valueLabels(16)) {
        const QPoint inLabel = label->mapTo(area, QPoint(6, label->height() / 2));
        ASSERT_TRUE(form.lineImage(1)->geometry().contains(inLabel));
        EXPECT_EQ(area->childAt(inLabel), label) << label->objectName().toStdString();
    }
    // Placing a part and dragging the impedance part keep the order too.
    user.enterValue("Command1", QStringLiteral("1"));
    user.drag(form.picture(16), {form.lineImage(1)->x() - 4, part.top() + 20});
    const QPoint crossing = form.lineImage(1)->geometry().center();
    EXPECT_NE(area->childAt(crossing), form.lineImage(1));
}

TEST_F(WithdrawnResultTest, TypedTextInAUnitListPicksNothing) {
    // Main window: a typed unit and Enter, then leaving the list, neither rescale nor recalculate.
    user.enterValue("Command1", QStringLiteral("1500"));
    user.click("Command6");
    units()->setFocus();
    units()->lineEdit()->selectAll();
    typeText(units(), QStringLiteral("ＭΩ"));
    QTest::keyClick(units(), Qt::Key_Return);
    QTest::keyClick(units(), Qt::Key_Tab);
    EXPECT_EQ(field(2), QStringLiteral("1500"));
    // The new part is labelled in the unit of the shown result, not the list's text.
    user.click("Command9");
    EXPECT_EQ(form.valueLabels(16)[0]->text(), QStringLiteral("1500Ω"));
    EXPECT_EQ(units()->currentText(), QStringLiteral("Ω")) << "the unit in force again";
    // After a pick, typed text left by Tab alone gives way to the unit picked.
    QApplication::setActiveWindow(&form);
    units()->setFocus();
    QTest::keyClick(units(), Qt::Key_Down);  // ＫΩ, picked with the arrow key
    units()->setFocus();                     // the pick handed the focus to "計算実行"
    units()->lineEdit()->selectAll();
    typeText(units(), QStringLiteral("ＭΩ"));
    ASSERT_TRUE(units()->hasFocus());
    QTest::keyClick(units(), Qt::Key_Tab);
    EXPECT_FALSE(units()->hasFocus());
    EXPECT_EQ(units()->currentText(), QStringLiteral("ＫΩ"));
    EXPECT_EQ(field(2), QStringLiteral("1.5"));

    // Value dialog: the same in its unit list keeps the multiplier at 1.
    whenModalOpens([](QDialog* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>("Text1"), QStringLiteral("5"));
        auto* list = dialog->findChild<QComboBox*>("Combo1");
        list->setFocus();
        list->lineEdit()->selectAll();
        typeText(list, QStringLiteral("ＫΩ"));
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClick(list, Qt::Key_Tab);
        QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    user.click("Command1");
    EXPECT_EQ(form.valueLabels(1)[0]->text(), QStringLiteral(" 5Ω"));
}

// Whether a value label paints just what a plain label with its caption and face would.
bool paintsLikeAPlainLabel(ValueLabel& label) {
    QLabel plain(label.text());
    plain.setFont(label.font());
    plain.setAlignment(label.alignment());
    plain.setPalette(label.palette());
    plain.resize(label.size());
    const auto pixels = [](QWidget& widget) {
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    return pixels(label) == pixels(plain);
}

TEST_F(WithdrawnResultTest, ValueLabelsAreNeverCut) {
    user.enterValue("Command1", QStringLiteral("4700000"));
    ValueLabel* label = form.valueLabels(1)[0];
    const ValueLabel::Fit shrunk = label->fit();
    EXPECT_EQ(shrunk.text, label->text());
    EXPECT_LT(shrunk.font.pointSizeF(), label->font().pointSizeF());
    EXPECT_GE(shrunk.font.pointSizeF(), 6.0);
    EXPECT_LE(QFontMetrics(shrunk.font).horizontalAdvance(shrunk.text), label->width());
    EXPECT_FALSE(paintsLikeAPlainLabel(*label)) << "painted cut in the full size";

    user.click("Command10");
    user.enterValue("Command1", QStringLiteral("1") + QString(150, u'0'));  // 1e150 ohm
    user.click("Command6");
    user.click("Command9");
    ValueLabel* huge = form.valueLabels(16)[0];
    EXPECT_EQ(huge->text().size(), 152);  // 151 digits and the unit
    const ValueLabel::Fit elided = huge->fit();
    EXPECT_TRUE(elided.text.contains(u'…'));
    EXPECT_EQ(elided.font.pointSizeF(), 6.0);
    EXPECT_FALSE(paintsLikeAPlainLabel(*huge));
    EXPECT_EQ(huge->toolTip(), huge->text());
    EXPECT_EQ(huge->accessibleDescription(), huge->text());
    EXPECT_TRUE(form.valueLabels(16)[1]->toolTip().isEmpty()) << "＋ｊ0Ω fits";
    EXPECT_TRUE(paintsLikeAPlainLabel(*form.valueLabels(16)[1])) << "a caption that fits";
}

}  // namespace
