#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "WindowTest.h"

namespace {

class FrequencyCommandTest : public WindowTest {
protected:
    void setFrequency(const QString& keys, int unitDownPresses) {
        user.enterValue("Command4", keys, unitDownPresses);
    }
};

TEST_F(FrequencyCommandTest, ShowsTheEnteredNumberAndConvertsToHertz) {
    struct Row {
        const char* keys;
        int unitDownPresses;
        const char* label18;
        const char* label19;
        double hertz;
    };
    // Each row continues from the one before: an untouched field keeps the previous hertz.
    const Row rows[] = {
        {"50", 1, "50", "ＫＨｚ", 50000},
        {"", 0, "50000", "Ｈｚ", 50000},
        {"", 2, "50000", "ＭＨｚ", 5e10},
        {"1.5", 2, "1.5", "ＭＨｚ", 1.5e6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label18);
        setFrequency(QString::fromUtf8(row.keys), row.unitDownPresses);
        EXPECT_EQ(label("Label18"), QString::fromUtf8(row.label18));
        EXPECT_EQ(label("Label19"), QString::fromUtf8(row.label19));
        EXPECT_EQ(form.model().frequency, row.hertz);
    }
}

TEST_F(FrequencyCommandTest, CloseClearsResultsAndHighlights) {
    form.findChild<QLineEdit*>("Text2")->setText(QStringLiteral("50"));
    form.model().slotMarked[3] = 1;
    setFrequency(QStringLiteral("60"), 0);
    EXPECT_TRUE(form.findChild<QLineEdit*>("Text2")->text().isEmpty());
    EXPECT_EQ(form.model().slotMarked[3], 0);
    EXPECT_EQ(form.valueLabels(3).front()->palette().color(QPalette::WindowText), Qt::black);
}

TEST_F(FrequencyCommandTest, FrameCloseKeepsResults) {
    form.findChild<QLineEdit*>("Text2")->setText(QStringLiteral("50"));
    whenModalOpens([](QDialog* dialog) { dialog->close(); });
    QTest::mouseClick(form.findChild<QPushButton*>("Command4"), Qt::LeftButton);
    EXPECT_EQ(form.findChild<QLineEdit*>("Text2")->text(), QStringLiteral("50"));
}

TEST_F(FrequencyCommandTest, OverflowingEntryIsRefusedAsAWhole) {
    setFrequency(QStringLiteral("2"), 1);
    setFrequency(QStringLiteral("1e308"), 2);
    EXPECT_EQ(form.model().frequency, 2000);
    EXPECT_EQ(label("Label18"), QStringLiteral("2"));
    EXPECT_EQ(label("Label19"), QStringLiteral("ＫＨｚ"));
}

}  // namespace
