#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "WindowTest.h"
#include "following/ModelSnapshot.h"
#include "following/StepsWindow.h"
#include "response/ResponseWindow.h"

namespace {

class AnalysisWindowsTest : public WindowTest {
protected:
    // Opens a menu of the menu bar and clicks one of its items, as a user does, and returns the
    // window the item brought up, brought up to date.
    template <typename Window>
    Window* chooseFromMenu(const char* menuName, const char* actionName) {
        auto* menu = form.findChild<QMenu*>(menuName);
        QMenuBar* bar = form.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
        auto* action = menu->findChild<QAction*>(actionName);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        auto* window = form.findChild<Window*>();
        if (window != nullptr) window->flush();
        return window;
    }
};

TEST_F(AnalysisWindowsTest, StepsWindowListsTheReductionOfTheDrawing) {
    drawTwoStackedResistors();
    auto* window = chooseFromMenu<StepsWindow>("menuView", "actionReductionSteps");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("計算過程"));
    auto* table = window->findChild<QTableWidget*>("steps");
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r)
        rows << table->item(r, 0)->text() + u'|' + table->item(r, 1)->text() + u'|' +
                    table->item(r, 2)->text() + u'|' + table->item(r, 3)->text();
    EXPECT_EQ(rows, QStringList({QStringLiteral("素子|抵抗 100Ω|100|0"),
                                 QStringLiteral("素子|抵抗 100Ω|100|0"),
                                 QStringLiteral("並列|抵抗 100Ω ∥ 抵抗 100Ω|50|0"),
                                 QStringLiteral("直列|(抵抗 100Ω ∥ 抵抗 100Ω)|50|0")}));
    // Only the window's copy was calculated: the main window's fields and marks are untouched.
    EXPECT_EQ(field(1), QString());
    EXPECT_FALSE(red(1));
}

TEST_F(AnalysisWindowsTest, StepsWindowOnAnEmptyDrawingAsksForParts) {
    expectNoModalDialog();
    auto* window = chooseFromMenu<StepsWindow>("menuView", "actionReductionSteps");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findChild<QTableWidget*>("steps")->rowCount(), 0);
    EXPECT_EQ(window->findChild<QLabel*>("calculationError")->text(),
              QStringLiteral("Ｒ，Ｌ，Ｃの素子を配置して下さい"));
}

TEST_F(AnalysisWindowsTest, ResponseWindowSweepsTheDrawing) {
    user.enterValue("Command1", QStringLiteral("10"));
    user.enterValue("Command2", QStringLiteral("1"), 1);
    user.enterValue("Command3", QStringLiteral("1"), 1);
    user.enterValue("Command4", QStringLiteral("5"), 1);
    user.drag(form.picture(1), {500, 300});
    user.drag(form.picture(6), {426, 299});   // coil touching the resistor's left terminal
    user.drag(form.picture(11), {352, 302});  // capacitor touching the coil's left terminal
    auto* window = chooseFromMenu<ResponseWindow>("menuView", "actionFrequencyResponse");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("周波数特性"));
    EXPECT_EQ(window->points().size(), 400u);
    QStringList listed;
    auto* list = window->findChild<QListWidget*>("resonances");
    for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
    listed.sort();
    // 1 / (6.283184 · √(1 mH · 1 μF)) = 5032.9 Hz; Q = (1/R)·√(L/C) = 3.162, band R/(2πL).
    EXPECT_EQ(listed,
              QStringList({QStringLiteral("|Z| 極小：5.03292 kHz　Q = 3.162　帯域幅 1.592 kHz"),
                           QStringLiteral("位相 0°：5.03292 kHz")}));
    EXPECT_TRUE(window->findChild<QLabel*>("cursorReadout")
                    ->text()
                    .startsWith(QStringLiteral("動作周波数　f = 5 kHz　|Z| = ")));
}

// Each window updates once for a burst of drawing changes, from the last of them, and a hidden
// window waits until it is shown.
template <typename Window>
void expectOneUpdatePerBurst(Form1& form, const std::function<double(Window&)>& shownValue) {
    Window window(&form);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy updates(&window, &Window::updated);
    CircuitModel model = form.model();
    model.slotUsed[1] = 1, model.resLeftX[1] = 3000, model.resRightX[1] = 4110;
    model.resLeftY[1] = 3000, model.resRightY[1] = 3000;
    for (int value = 1; value <= 30; ++value) {
        model.slotValue[1] = value;
        window.follow(model);
    }
    EXPECT_EQ(updates.count(), 0) << "nothing is redrawn within the burst";
    EXPECT_TRUE(QTest::qWaitFor([&] { return updates.count() > 0; }, 1000));
    QTest::qWait(50);
    EXPECT_EQ(updates.count(), 1);
    EXPECT_EQ(shownValue(window), 30);

    window.hide();
    model.slotValue[1] = 31;
    window.follow(model);
    QTest::qWait(50);
    EXPECT_EQ(updates.count(), 1) << "a hidden window holds its update";
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return updates.count() > 1; }, 1000));
    EXPECT_EQ(shownValue(window), 31);
}

TEST_F(AnalysisWindowsTest, WindowsFollowTheDrawingOncePerBurst) {
    {
        SCOPED_TRACE("steps");
        expectOneUpdatePerBurst<StepsWindow>(form, [](StepsWindow& window) {
            return window.findChild<QTableWidget*>("steps")->item(0, 2)->text().toDouble();
        });
    }
    {
        SCOPED_TRACE("response");
        expectOneUpdatePerBurst<ResponseWindow>(
            form, [](ResponseWindow& window) { return window.points().front().z.re; });
    }
}

TEST(ResponseExportTest, CsvHoldsExactlyTheSweptValues) {
    CircuitModel model;
    loadInitialState(model);
    model.slotUsed[6] = 1, model.coilLeftX[1] = 3000, model.coilRightX[1] = 4110;
    model.coilLeftY[1] = 3000, model.coilRightY[1] = 3000;
    model.slotValue[6] = 0.1;
    // A resistor in series on the coil's right, so that no column of the file is zero throughout.
    model.slotUsed[1] = 1, model.resLeftX[1] = 4110, model.resRightX[1] = 5220;
    model.resLeftY[1] = 3000, model.resRightY[1] = 3000;
    model.slotValue[1] = 10;
    model.resultUnitFactor = 1e-3;
    ResponseWindow window(nullptr);
    window.follow(model);
    window.flush();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("response.csv"));
    ASSERT_TRUE(window.saveCsv(path));

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
        ASSERT_LT(row, window.points().size());
        const SweepPoint& p = window.points()[row];
        std::vector<std::string> cells;
        std::stringstream split(line);
        for (std::string cell; std::getline(split, cell, ',');) cells.push_back(cell);
        ASSERT_EQ(cells.size(), 5u) << line;
        ASSERT_TRUE(p.valid);
        EXPECT_EQ(number(cells[0]), p.frequency);
        EXPECT_EQ(number(cells[1]), p.z.re * 1e-3);
        EXPECT_EQ(number(cells[2]), p.z.im * 1e-3);
        EXPECT_EQ(number(cells[3]), std::hypot(p.z.re, p.z.im) * 1e-3);
        EXPECT_EQ(number(cells[4]), p.phase);
    }
    EXPECT_EQ(row, window.points().size());
    EXPECT_EQ(window.points().front().z.re, 10) << "the resistor is in the result";
    EXPECT_TRUE(window.savePng(dir.filePath(QStringLiteral("response.png"))));
    QString reported;
    whenModalOpens([&](QDialog* box) {
        reported = box->findChild<QLabel*>("qt_msgbox_label")->text();
        box->reject();
    });
    EXPECT_FALSE(window.saveCsv(dir.filePath(QStringLiteral("missing/response.csv"))));
    EXPECT_TRUE(reported.contains(QStringLiteral("missing"))) << reported.toStdString();
}

// However many windows ask in one frame, the model is copied once; a change makes the next copy
// afresh, and the copies already handed out keep the state they were made from.
TEST(ModelSnapshotTest, OneCopyPerChangeSharedByEveryWindow) {
    CircuitModel live;
    loadInitialState(live);
    ModelSnapshot snapshot(live);
    const auto first = snapshot.current();
    EXPECT_EQ(snapshot.current(), first);
    live.frequency = 50;
    EXPECT_EQ(snapshot.current(), first) << "no change reported yet";
    snapshot.changed();
    snapshot.changed();
    const auto second = snapshot.current();
    EXPECT_NE(second, first);
    EXPECT_EQ(snapshot.current(), second);
    EXPECT_EQ(second->frequency, 50);
    EXPECT_EQ(first->frequency, 0);
}

}  // namespace
