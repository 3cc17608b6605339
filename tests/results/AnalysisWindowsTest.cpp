#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <sstream>

#include "WindowTest.h"
#include "results/ResponseDialog.h"

namespace {

class AnalysisWindowsTest : public WindowTest {
protected:
    // Opens a menu of the menu bar and clicks one of its items, as a user does; the window the
    // item opens is answered by `answer`.
    void chooseFromMenu(const char* menuName, const char* actionName,
                        std::function<void(QDialog*)> answer) {
        auto* menu = form.findChild<QMenu*>(menuName);
        QMenuBar* bar = form.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        auto* action = menu->findChild<QAction*>(actionName);
        whenModalOpens(std::move(answer));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
};

TEST_F(AnalysisWindowsTest, StepsWindowListsTheReductionOfTheLastCalculation) {
    drawTwoStackedResistors();
    user.click("Command6");
    QStringList rows;
    chooseFromMenu("menuView", "actionReductionSteps", [&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("計算過程"));
        auto* table = dialog->findChild<QTableWidget*>("steps");
        ASSERT_NE(table, nullptr);
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 0)->text() + u'|' + table->item(r, 1)->text() + u'|' +
                        table->item(r, 2)->text() + u'|' + table->item(r, 3)->text();
        dialog->reject();
    });
    EXPECT_EQ(rows, QStringList({QStringLiteral("素子|抵抗 100Ω|100|0"),
                                 QStringLiteral("素子|抵抗 100Ω|100|0"),
                                 QStringLiteral("並列|抵抗 100Ω ∥ 抵抗 100Ω|50|0"),
                                 QStringLiteral("直列|(抵抗 100Ω ∥ 抵抗 100Ω)|50|0")}));
}

TEST_F(AnalysisWindowsTest, StepsWindowBeforeAnyCalculationSaysHowToGetThem) {
    bool explained = false;
    chooseFromMenu("menuView", "actionReductionSteps", [&](QDialog* dialog) {
        explained = dialog->findChild<QTableWidget*>() == nullptr &&
                    dialog->findChild<QLabel*>()->text().contains(QStringLiteral("計算実行"));
        dialog->reject();
    });
    EXPECT_TRUE(explained);
}

TEST_F(AnalysisWindowsTest, ResponseWindowSweepsTheDrawing) {
    user.enterValue("Command1", QStringLiteral("10"));
    user.enterValue("Command2", QStringLiteral("1"), 1);
    user.enterValue("Command3", QStringLiteral("1"), 1);
    user.enterValue("Command4", QStringLiteral("5"), 1);
    user.drag(form.picture(1), {500, 300});
    user.drag(form.picture(6), {426, 299});   // coil touching the resistor's left terminal
    user.drag(form.picture(11), {352, 302});  // capacitor touching the coil's left terminal
    QStringList listed;
    std::size_t points = 0;
    chooseFromMenu("menuView", "actionFrequencyResponse", [&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("周波数特性"));
        auto* response = qobject_cast<ResponseDialog*>(dialog);
        ASSERT_NE(response, nullptr);
        points = response->points().size();
        auto* list = dialog->findChild<QListWidget*>("resonances");
        for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
        dialog->reject();
    });
    EXPECT_EQ(points, 400u);
    ASSERT_EQ(listed.size(), 3);
    EXPECT_EQ(listed[0], QStringLiteral("作業周波数：5000 Hz"));
    // 1 / (6.283184 · √(1 mH · 1 μF)) = 5032.9 Hz
    EXPECT_TRUE(listed[1].startsWith(QStringLiteral("|Z| 極小：50"))) << listed[1].toStdString();
    EXPECT_TRUE(listed[2].startsWith(QStringLiteral("位相 0°：50"))) << listed[2].toStdString();
}

TEST(ResponseExportTest, CsvHoldsExactlyTheSweptValues) {
    CircuitModel model;
    loadInitialState(model);
    model.slotUsed[6] = 1, model.coilLeftX[1] = 3000, model.coilRightX[1] = 4110;
    model.coilLeftY[1] = 3000, model.coilRightY[1] = 3000;
    model.slotValue[6] = 0.1;
    model.resultUnitFactor = 1e-3;
    ResponseDialog dialog(model, QStringLiteral("ＫΩ"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("response.csv"));
    ASSERT_TRUE(dialog.saveCsv(path));

    std::ifstream in(path.toStdString());
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "frequency_Hz,re_kohm,im_kohm,abs_kohm,phase_deg");
    const auto number = [](const std::string& text) {
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    };
    std::size_t row = 0;
    for (; std::getline(in, line); ++row) {
        ASSERT_LT(row, dialog.points().size());
        const SweepPoint& p = dialog.points()[row];
        std::vector<std::string> cells;
        std::stringstream split(line);
        for (std::string cell; std::getline(split, cell, ',');) cells.push_back(cell);
        ASSERT_EQ(cells.size(), 5u) << line;
        EXPECT_EQ(number(cells[0]), p.frequency);
        EXPECT_EQ(number(cells[2]), p.z.im * 1e-3);
        EXPECT_EQ(number(cells[4]), p.phase);
    }
    EXPECT_EQ(row, dialog.points().size());
    EXPECT_TRUE(dialog.saveImage(dir.filePath(QStringLiteral("response.png"))));
    QString reported;
    whenModalOpens([&](QDialog* box) {
        reported = box->findChild<QLabel*>("qt_msgbox_label")->text();
        box->reject();
    });
    EXPECT_FALSE(dialog.saveCsv(dir.filePath(QStringLiteral("missing/response.csv"))));
    EXPECT_TRUE(reported.contains(QStringLiteral("missing"))) << reported.toStdString();
}

}  // namespace
