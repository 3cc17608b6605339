// A fit applied from the fit panel: one step "フィット" that undo and redo walk, the labels in
// the part's unit, the result fields emptied; a drawing changed since the fit began is refused.

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "WindowTest.h"
#include "app/DrawingDocument.h"
#include "response/FitPanel.h"
#include "response/FitTable.h"
#include "response/MeasuredFiles.h"
#include "response/ResponseWindow.h"

namespace {

class FitApplyTest : public WindowTest {
protected:
    QTemporaryDir folder;
    FitPanel* panel = nullptr;

    // Two 100 Ω resistors in parallel, calculated, and a measurement of the drawing with the
    // first one at 300 Ω; the fit panel opened on it with the second resistor fixed, and fitted.
    void fitFirstResistor() {
        drawTwoStackedResistors();
        user.click("Command6");
        CircuitModel truth = form.model();
        truth.slotValue[1] = 300;
        const QString path = folder.filePath(QStringLiteral("truth.s1p"));
        measured_files::writeTouchstone(path, truth, measured_files::logFrequencies(10, 1e5, 20));
        form.showFrequencyResponse();
        auto* response = form.findChild<ResponseWindow*>();
        response->flush();
        response->showMeasurementSources({{path, std::nullopt}});
        response->showFit();
        panel = response->findChild<FitPanel*>(QStringLiteral("FitPanel"));
        ASSERT_NE(panel, nullptr);
        auto* table = panel->findChild<QTableWidget*>("fitTable");
        ASSERT_EQ(table->rowCount(), 2);
        table->item(1, FitTable::Fixed)->setCheckState(Qt::Checked);
        QSignalSpy finished(panel, &FitPanel::fitFinished);
        QTest::mouseClick(panel->findChild<QPushButton*>("runFit"), Qt::LeftButton);
        ASSERT_TRUE(finished.count() == 1 || finished.wait(20000));
        ASSERT_TRUE(panel->result() && panel->result()->converged);
    }
    void apply() { QTest::mouseClick(panel->findChild<QPushButton*>("applyFit"), Qt::LeftButton); }
    QAction* action(const char* name) { return form.findChild<QAction*>(name); }
};

TEST_F(FitApplyTest, AppliedFitIsOneStepThatUndoAndRedoWalk) {
    fitFirstResistor();
    ASSERT_FALSE(field(1).isEmpty());
    const QStringList before = shownState(false);
    apply();
    EXPECT_NEAR(form.model().slotValue[1], 300, 1e-6);
    EXPECT_EQ(form.model().slotValue[2], 100);
    EXPECT_EQ(label("Label3"), " 300Ω");
    for (int n = 1; n <= 4; ++n) EXPECT_TRUE(field(n).isEmpty()) << n;
    EXPECT_EQ(action("actionUndo")->text(), "元に戻す: フィット");
    const QStringList after = shownState(false);

    action("actionUndo")->trigger();
    EXPECT_EQ(form.model().slotValue[1], 100);
    EXPECT_EQ(shownState(false), before);
    action("actionRedo")->trigger();
    EXPECT_NEAR(form.model().slotValue[1], 300, 1e-6);
    EXPECT_EQ(shownState(false), after);
}

TEST_F(FitApplyTest, DrawingChangedSinceTheFitBeganIsNotOverwritten) {
    fitFirstResistor();
    user.drag(form.picture(2), {300, 400});
    const DrawingState changed = captureDrawing(form.model());
    const int steps = form.document().history().count();
    QString message;
    QTimer::singleShot(0, [&message] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    apply();
    EXPECT_EQ(message,
              "フィットを始めた後で回路が変わりました。値は書き込みません。もう一度フィットを"
              "実行して下さい。");
    EXPECT_TRUE(captureDrawing(form.model()) == changed);
    EXPECT_EQ(form.document().history().count(), steps);
}

}  // namespace
