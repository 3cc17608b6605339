// Measured impedances in the frequency response window: opened through its list, drawn over
// every view, compared with the drawing, refused whole.

#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "MeasuredFiles.h"
#include "ModalDialog.h"
#include "response/ChartAxes.h"
#include "response/ResponseChart.h"
#include "response/ResponseWindow.h"
#include "tests/engine/DrawingBuilder.h"

namespace {

// 10 Ω, 10 mH and 1 µF in series: a resonance near 1.6 kHz.
CircuitModel seriesRlc() {
    CircuitModel model = drawing::emptyModel();
    drawing::placeValuedPart(model, 1, 5000, 5000, 10);
    drawing::placeValuedPart(model, 6, 3890, 5000, 10e-3);
    drawing::placeValuedPart(model, 11, 2780, 5000, 1e-6);
    return model;
}

// Runs `action` on the next modal dialog that `matches`, polling: a dialog opened after another
// one closed is not there when a zero-delay timer first fires.
void whenDialog(std::function<bool(QDialog*)> matches, std::function<void(QDialog*)> action) {
    auto* watch = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(watch, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !matches(dialog)) {
            if (++*waited < 500) return;
            ADD_FAILURE() << "the dialog waited for did not open";
        } else {
            action(dialog);
        }
        watch->stop();
        watch->deleteLater();
    });
    watch->start(10);
}

class MeasurementOverlayTest : public ::testing::Test {
protected:
    ResponseWindow window{nullptr};
    QTemporaryDir folder;
    QString message;  // the last message box's text

    MeasurementOverlayTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.follow(seriesRlc());
        window.flush();
    }
    QString path(const char* name) { return folder.filePath(QString::fromUtf8(name)); }
    template <typename T>
    T* child(const char* name) {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // "開く..." answered with the file, and then the column dialog, when one opens, by `columns`;
    // a message box is answered and its text kept.
    void open(const QString& file, std::function<void(QDialog*)> columns = {}) {
        whenModalOpens([&](QDialog* dialog) {
            qobject_cast<QFileDialog*>(dialog)->selectFile(file);
            if (columns)
                whenDialog(
                    [](QDialog* d) {
                        return d->objectName() == QLatin1String("columnChoiceDialog");
                    },
                    columns);
            dialog->accept();
        });
        QTest::mouseClick(child<QPushButton>("addMeasurement"), Qt::LeftButton);
    }
    // The points of the scatter series the legend names by the file, view by view.
    std::vector<int> pointCounts(const char* chart, const QString& name) {
        std::vector<int> counts;
        for (QAbstractSeries* series : child<QChartView>(chart)->chart()->series())
            if (auto* scatter = qobject_cast<QScatterSeries*>(series);
                scatter != nullptr && scatter->name().startsWith(name))
                counts.push_back(scatter->count());
        return counts;
    }
    void choose(const char* view) {
        child<QTabWidget>("views")->setCurrentWidget(child<QWidget>(view));
        QApplication::processEvents();
    }
};

void pressRead(QDialog* dialog) {
    QTest::mouseClick(dialog->findChild<QPushButton*>("readColumns"), Qt::LeftButton);
}

struct ViewRow {
    const char* chart;
    std::vector<int> counts;  // one per quantity drawn
};

TEST_F(MeasurementOverlayTest, EveryViewDrawsEachPointOfTheFile) {
    measured_files::writeTouchstone(path("rlc.s1p"), seriesRlc(),
                                    measured_files::logFrequencies(100, 1e5, 37));
    open(path("rlc.s1p"));
    ASSERT_EQ(child<QListWidget>("measurementList")->count(), 1);
    EXPECT_EQ(child<QListWidget>("measurementList")->item(0)->text(), QStringLiteral("rlc.s1p"));
    const ViewRow rows[] = {{"magnitudePhaseChart", {37, 37}},
                            {"resistanceReactanceChart", {37, 37}},
                            {"nyquistChart", {37}}};
    for (const ViewRow& row : rows) {
        SCOPED_TRACE(row.chart);
        choose(row.chart);
        EXPECT_EQ(pointCounts(row.chart, QStringLiteral("rlc.s1p")), row.counts);
    }
    // The Smith chart, drawn by hand, shows the points in the measurement's colour.
    const auto coloured = [&] {
        choose("smithChart");
        const QImage image = child<QWidget>("smithChart")->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == measurementColour(0) ? 1 : 0;
        return n;
    };
    EXPECT_GT(coloured(), 37);
    QTest::mouseClick(child<QPushButton>("removeMeasurement"), Qt::LeftButton);
    EXPECT_EQ(child<QListWidget>("measurementList")->count(), 0);
    EXPECT_EQ(coloured(), 0);
    choose("nyquistChart");
    EXPECT_EQ(pointCounts("nyquistChart", QStringLiteral("rlc.s1p")), std::vector<int>{});
}

// A file's name is text in the legends, never markup.
TEST_F(MeasurementOverlayTest, LegendsShowTheFileNameAsWritten) {
    const char* name = "<b>rlc & <u>x.s1p";  // no slash: a file name
    measured_files::writeTouchstone(path(name), seriesRlc(),
                                    measured_files::logFrequencies(100, 1e5, 37));
    open(path(name));
    ASSERT_EQ(child<QListWidget>("measurementList")->count(), 1);
    for (const char* chart :
         {"magnitudePhaseChart", "resistanceReactanceChart", "nyquistChart", "residualChart"}) {
        SCOPED_TRACE(chart);
        choose(chart);
        QStringList shown;
        for (QGraphicsItem* item : child<QChartView>(chart)->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
                shown << text->toPlainText();
        // A narrow legend elides the end of the name; its markup would be gone from the start.
        EXPECT_FALSE(shown.filter(QStringLiteral("<b>rlc & <u>x")).isEmpty())
            << shown.join(u'|').toStdString();
    }
}

TEST_F(MeasurementOverlayTest, DrawingsOwnMeasurementHasNoResidualAndPassesTheCheck) {
    measured_files::writeCsv(path("rlc.csv"), seriesRlc(),
                             measured_files::logFrequencies(100, 1e5, 41));
    open(path("rlc.csv"), pressRead);
    ASSERT_EQ(window.measurements().size(), 1u);
    choose("residualChart");
    int residuals = 0;
    for (QAbstractSeries* series : child<QChartView>("residualChart")->chart()->series())
        if (auto* points = qobject_cast<QScatterSeries*>(series))
            for (const QPointF& p : points->points()) {
                EXPECT_LT(std::fabs(p.y()), 1e-9) << points->name().toStdString();
                ++residuals;
            }
    EXPECT_EQ(residuals, 2 * 41);  // Re and Im at every measured frequency
    EXPECT_TRUE(child<QLabel>("kramersKronigVerdict")
                    ->text()
                    .startsWith(QStringLiteral("Kramers–Kronig（rlc.csv）：有効　最大 ")));
}

TEST_F(MeasurementOverlayTest, ResidualIsTheDrawingsDistanceFromTheMeasurement) {
    CircuitModel other = seriesRlc();
    other.slotValue[1] = 11;  // a measurement 1 Ω above the drawing's resistance
    measured_files::writeTouchstone(path("r11.s1p"), other, {1591.5494309189535});
    open(path("r11.s1p"));
    choose("residualChart");
    QList<QPointF> re;
    for (QAbstractSeries* series : child<QChartView>("residualChart")->chart()->series())
        if (series->name() == QStringLiteral("r11.s1p（Re）"))
            re = qobject_cast<QScatterSeries*>(series)->points();
    ASSERT_EQ(re.size(), 1);
    // At resonance Z measured is 11 Ω and the drawing's 10 Ω: −1/11 of |Z|.
    EXPECT_NEAR(re.front().y(), -100.0 / 11, 1e-3);
}

struct RefusedRow {
    const char* name;
    const char* text;
    QString reason;  // in the message, after the file's name
    bool delimited = false;
};

TEST_F(MeasurementOverlayTest, RefusedFileIsNamedWithItsLineAndNothingOfItIsShown) {
    measured_files::writeTouchstone(path("good.s1p"), seriesRlc(), {1e3, 2e3});
    open(path("good.s1p"));
    choose("nyquistChart");
    const RefusedRow rows[] = {
        {"bad.s1p", "# Hz Z RI R 1\n1000 5 1\n2000 x 2\n", QStringLiteral("bad.s1p: 3 行目: ")},
        {"twice.s1p", "# Hz Z RI R 1\n1000 5 1\n1000 6 2\n", QStringLiteral("twice.s1p: ")},
        {"bad.csv", "f,re,im\n1,2,3\n2,x,4\n", QStringLiteral("bad.csv: 3 行目: "), true},
    };
    for (const RefusedRow& row : rows) {
        SCOPED_TRACE(row.name);
        measured_files::write(path(row.name), QString::fromUtf8(row.text));
        message.clear();
        whenDialog([](QDialog* d) { return qobject_cast<QMessageBox*>(d) != nullptr; },
                   [&](QDialog* box) {
                       message = qobject_cast<QMessageBox*>(box)->text();
                       box->accept();
                   });
        open(path(row.name), row.delimited ? pressRead : std::function<void(QDialog*)>());
        EXPECT_TRUE(
            message.startsWith(QStringLiteral("測定データを読めませんでした。\n") + row.reason))
            << message.toStdString();
        EXPECT_EQ(child<QListWidget>("measurementList")->count(), 1);
        EXPECT_EQ(window.measurements().front().name, QStringLiteral("good.s1p"));
        EXPECT_EQ(pointCounts("nyquistChart", QString::fromLatin1(row.name)), std::vector<int>{});
        EXPECT_EQ(pointCounts("nyquistChart", QStringLiteral("good.s1p")), std::vector<int>{2});
    }
}

TEST_F(MeasurementOverlayTest, ColumnDialogShowsTheGuessAndTakesTheUsersCorrection) {
    // Header cells are shown as written, markup and all.
    measured_files::write(path("markup.csv"), QStringLiteral("f,<i>a</i>,b\n1,2,3\n2,4,5\n"));
    open(path("markup.csv"), [](QDialog* dialog) {
        auto* table = dialog->findChild<QTableWidget*>("columnPreview");
        EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QStringLiteral("列 2：<i>a</i>"));
        EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("3"));
        // |Z| never below 0 beside a phase within ±90°: the guess.
        EXPECT_EQ(dialog->findChild<QComboBox*>("valueMeaning")->currentText(),
                  QStringLiteral("|Z|, 位相角 (°)"));
        QTest::mouseClick(dialog->findChild<QPushButton*>("cancelColumns"), Qt::LeftButton);
    });
    EXPECT_EQ(child<QListWidget>("measurementList")->count(), 0);  // Cancel reads nothing

    measured_files::write(path("zp.csv"), QStringLiteral("f,a,b\n1,10,-120\n10,20,30\n"));
    open(path("zp.csv"), [](QDialog* dialog) {
        auto* meaning = dialog->findChild<QComboBox*>("valueMeaning");
        auto* unit = dialog->findChild<QComboBox*>("frequencyUnit");
        EXPECT_EQ(unit->currentText(), QStringLiteral("Hz"));
        EXPECT_EQ(meaning->currentText(), QStringLiteral("Re Z, Im Z"));
        meaning->setFocus();
        QTest::keyClick(meaning, Qt::Key_Down);
        QTest::keyClick(meaning, Qt::Key_Down);  // |Z|, phase
        unit->setFocus();
        QTest::keyClick(unit, Qt::Key_Down);  // kHz
        pressRead(dialog);
    });
    ASSERT_EQ(window.measurements().size(), 1u);
    const std::vector<MeasuredPoint>& points = window.measurements().front().data->points;
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].frequency, 1e3);
    EXPECT_NEAR(points[0].z.re, -5, 1e-12);
    EXPECT_NEAR(points[0].z.im, -5 * std::sqrt(3.0), 1e-12);
    ASSERT_TRUE(window.measurements().front().source.columns.has_value());
    EXPECT_EQ(window.measurements().front().source.columns->hertzPerUnit, 1e3);
}

TEST_F(MeasurementOverlayTest, RowsPutInOrderAreNotedAndTheRangeFollowsTheMeasurement) {
    measured_files::writeCsv(path("falling.csv"), seriesRlc(),
                             measured_files::logFrequencies(200, 50e3, 9), true);
    open(path("falling.csv"), pressRead);
    auto* status = child<QLabel>("measurementStatus");
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->text(), QStringLiteral("falling.csv：") +
                                  QString::fromStdString(window.measurements().front().data->note));
    EXPECT_FALSE(window.measurements().front().data->note.empty());

    QTest::mouseClick(child<QPushButton>("followMeasurementRange"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>("startFrequency")->text(), QStringLiteral("200"));
    EXPECT_EQ(child<QLineEdit>("stopFrequency")->text(), QStringLiteral("50000"));
    EXPECT_NEAR(window.points().front().frequency, 200, 1e-9);
    EXPECT_NEAR(window.points().back().frequency, 50e3, 1e-6);
}

}  // namespace
