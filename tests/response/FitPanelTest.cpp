// The fit panel: what the table asks of the fit, what it shows of the result, and what "適用"
// hands on.

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include <cmath>
#include <functional>

#include "ResponseWindowFixture.h"
#include "dialogs/ValueCaption.h"
#include "response/FitPanel.h"
#include "response/FitTable.h"
#include "response/MeasuredFiles.h"
#include "response/MeasurementReading.h"

namespace {

constexpr Rlc kTruth{100, 1e-3, 1e-6};

// The drawing's impedance at 60 frequencies from 10 Hz to 1 MHz, as a listed measurement.
ShownMeasurement measurementOf(const CircuitModel& model) {
    const ReductionPlan plan(model);
    Measurement data{"made.s1p", {}, false, {}};
    for (double f : measured_files::logFrequencies(10, 1e6, 60))
        data.points.push_back({f, plan.evaluate(f).z});
    return shownMeasurement({QStringLiteral("/made.s1p"), std::nullopt}, data);
}

class FitPanelTest : public ::testing::Test {
protected:
    FitPanel panel{nullptr};
    CircuitModel drawn = rlcDrawing({kTruth.r * 3, kTruth.l / 4, kTruth.c * 2});
    ShownMeasurement measured = measurementOf(rlcDrawing(kTruth));

    FitPanelTest() {
        for (int slot : {1, 6, 11})
            drawn.valueCaption[slot][0] =
                valueCaption(kindOfSlot(slot), drawn.slotValue[slot], slot == 1 ? "Ω" : "");
    }
    QTableWidget* table() { return panel.findChild<QTableWidget*>("fitTable"); }
    QTableWidgetItem* cell(int row, FitTable::Column column) { return table()->item(row, column); }
    QString summary() { return panel.findChild<QLabel*>("fitSummary")->text(); }
    void click(const char* name) {
        QTest::mouseClick(panel.findChild<QPushButton*>(name), Qt::LeftButton);
    }
    // "フィット実行", waiting for the fit to end.
    void fit() {
        QSignalSpy finished(&panel, &FitPanel::fitFinished);
        click("runFit");
        ASSERT_TRUE(finished.count() == 1 || finished.wait(20000));
    }
};

TEST_F(FitPanelTest, TableListsThePartsAndShowsTheFit) {
    panel.showFor(drawn, &measured);
    ASSERT_EQ(table()->rowCount(), 3);
    EXPECT_EQ(cell(0, FitTable::Name)->text(), "Picture1");
    EXPECT_EQ(cell(1, FitTable::Kind)->text(), "コイル");
    EXPECT_EQ(cell(0, FitTable::Start)->text(), "300Ω");
    fit();
    ASSERT_TRUE(panel.result().has_value());
    EXPECT_TRUE(panel.result()->converged) << summary().toStdString();
    const double truth[] = {kTruth.r, kTruth.l, kTruth.c};
    for (int row = 0; row < 3; ++row) {
        const FittedValue& v = panel.result()->values[row];
        EXPECT_NEAR(v.value / truth[row], 1, 1e-6) << v.name;
        EXPECT_EQ(
            cell(row, FitTable::Fitted)->text().toStdString(),
            valueCaption(kindOfSlot(v.slot), v.value, drawn.valueCaption[v.slot][0]).substr(1));
        EXPECT_FALSE(cell(row, FitTable::Error)->text().isEmpty());
    }
    EXPECT_TRUE(summary().startsWith(QStringLiteral("収束しました"))) << summary().toStdString();
    EXPECT_TRUE(panel.findChild<QPushButton*>("applyFit")->isEnabled());

    QSignalSpy applied(&panel, &FitPanel::applied);
    click("applyFit");
    ASSERT_EQ(applied.count(), 1);
    const auto fitted = applied.front().front().value<FittedDrawing>();
    EXPECT_TRUE(fitted.before == captureDrawing(drawn));
    ASSERT_EQ(fitted.values.size(), 3);
    EXPECT_EQ(fitted.values[1].slot, 6);
    EXPECT_EQ(fitted.values[1].value, panel.result()->values[1].value);
}

// The fixed box and the bounds, typed in the label's unit or another of the dialog's, reach the
// fit: a fixed part keeps its value, a bound that excludes the truth holds the value on it.
TEST_F(FitPanelTest, FixedPartsAndBoundsReachTheFit) {
    drawn.slotValue[6] = kTruth.l;
    panel.showFor(drawn, &measured);
    cell(1, FitTable::Fixed)->setCheckState(Qt::Checked);
    cell(0, FitTable::Min)->setText(QStringLiteral("0.15ＫΩ"));
    cell(0, FitTable::Max)->setText(QStringLiteral("400"));
    fit();
    ASSERT_TRUE(panel.result().has_value());
    ASSERT_EQ(panel.result()->values.size(), 2);
    EXPECT_EQ(panel.result()->values[0].name, "Picture1");
    EXPECT_EQ(panel.result()->values[1].name, "Picture11");
    EXPECT_NEAR(panel.result()->values[0].value, 150, 1e-6);
    EXPECT_EQ(panel.result()->slotValue[6], kTruth.l);
    EXPECT_EQ(cell(0, FitTable::Error)->text(), "境界");
    EXPECT_TRUE(cell(1, FitTable::Fitted)->text().isEmpty());
}

TEST_F(FitPanelTest, InputTheFitCannotUseIsRefusedBeforeItRuns) {
    struct Row {
        const char* what;
        std::function<void()> set;
        const char* message;
    };
    const Row rows[] = {
        {"not a number", [this] { cell(0, FitTable::Min)->setText("abc"); },
         "Picture1：最小は 0 より大きい値で入力して下さい"},
        {"negative", [this] { cell(2, FitTable::Max)->setText("-5μＦ"); },
         "Picture11：最大は 0 より大きい値で入力して下さい"},
        {"crossed",
         [this] {
             cell(0, FitTable::Min)->setText("1ＫΩ");
             cell(0, FitTable::Max)->setText("999");
         },
         "Picture1：最小は最大より小さくして下さい"},
        {"free value of 0",
         [this] {
             drawn.slotValue[6] = 0;
             panel.showFor(drawn, &measured);
         },
         "Picture6：値が 0 です。固定するか、値を入れてからフィットして下さい"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        drawn.slotValue[6] = kTruth.l;
        panel.showFor(drawn, &measured);
        for (int r = 0; r < 3; ++r)
            for (FitTable::Column bound : {FitTable::Min, FitTable::Max})
                cell(r, bound)->setText({});
        row.set();
        click("runFit");
        EXPECT_FALSE(panel.running());
        EXPECT_FALSE(panel.result().has_value());
        EXPECT_EQ(summary(), QString::fromUtf8(row.message));
    }
}

TEST_F(FitPanelTest, NoMeasurementNoFit) {
    panel.showFor(drawn, nullptr);
    EXPECT_FALSE(panel.findChild<QPushButton*>("runFit")->isEnabled());
    EXPECT_FALSE(panel.findChild<QPushButton*>("applyFit")->isEnabled());
    EXPECT_EQ(panel.findChild<QLabel*>("fitMeasurement")->text(),
              "測定データを一つ選んでからフィットして下さい");
}

}  // namespace
