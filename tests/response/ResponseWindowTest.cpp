// The frequency response window on its own: resonances, refused ranges, the readout, and what
// its exports hold.

#include <QApplication>
#include <QChart>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <complex>
#include <fstream>
#include <sstream>

#include "ModalDialog.h"
#include "response/ResponseChart.h"
#include "response/ResponseWindow.h"
#include "tests/engine/DrawingBuilder.h"
#include "tests/response/ResponseWindowFixture.h"

namespace {

struct ResonanceCase {
    const char* name;
    Rlc rlc;
    std::vector<Resonance::Kind> kinds;  // all at 1 / (6.283184 √(LC))
    QStringList rows;
};

TEST_F(ResponseWindowTest, ResonancesAreRefinedOnTheDrawing) {
    using Kind = Resonance::Kind;
    const ResonanceCase cases[] = {
        {"series RLC: |Z| is least where the phase crosses 0",
         {10, 10e-3, 1e-6},
         {Kind::Minimum, Kind::PhaseZero},
         // Q = (1/R)·√(L/C) = 10, band R/(2πL) = 159.155 Hz.
         {QStringLiteral("|Z| 極小：1.59155 kHz　Q = 10　帯域幅 159.2 Hz"),
          QStringLiteral("位相 0°：1.59155 kHz")}},
        // The phase goes from +90° to -90° across the tank's pole without passing 0°; a pole has
        // no band.
        {"a lossless tank in series with a resistor: |Z| is greatest there",
         {10, 10e-3, 1e-6, Shape::Tank},
         {Kind::Maximum},
         {QStringLiteral("|Z| 極大：1.59155 kHz")}},
        {"a resistor alone has none", {10, 0, 0, Shape::Resistor}, {}, {}},
    };
    for (const ResonanceCase& row : cases) {
        SCOPED_TRACE(row.name);
        show(rlcDrawing(row.rlc));
        const double f0 = 1 / (6.283184 * std::sqrt(row.rlc.l * row.rlc.c));
        ASSERT_EQ(window.resonances().size(), row.kinds.size());
        for (std::size_t i = 0; i < row.kinds.size(); ++i) {
            const auto found =
                std::find_if(window.resonances().begin(), window.resonances().end(),
                             [&](const Resonance& r) { return r.kind == row.kinds[i]; });
            ASSERT_NE(found, window.resonances().end());
            EXPECT_LT(std::fabs(found->frequency - f0) / f0, 1e-6) << found->frequency;
        }
        EXPECT_EQ(listed(window), row.kinds.empty()
                                      ? QStringList{QStringLiteral("この範囲にはありません")}
                                      : row.rows);
    }
}

TEST_F(ResponseWindowTest, ARangeThatCannotBeSweptIsRefusedUnderTheFields) {
    struct Row {
        const char* start;
        const char* stop;
        const char* message;  // empty: swept
    };
    const Row rows[] = {
        {"abc", "1e7", "開始周波数を数で入力して下さい"},
        {"1", "", "終了周波数を数で入力して下さい"},
        {"0", "100", "開始周波数は 0 より大きくして下さい"},
        {"-5", "100", "開始周波数は 0 より大きくして下さい"},
        {"100", "100", "終了周波数は開始周波数より大きくして下さい"},
        {"1000", "10", "終了周波数は開始周波数より大きくして下さい"},
        {"10", "1000", ""},
    };
    show(rlcDrawing({10, 10e-3, 1e-6}));
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.start) + " - " + row.stop);
        const std::vector<SweepPoint> before = window.points();
        type("startFrequency", QString::fromUtf8(row.start));
        type("stopFrequency", QString::fromUtf8(row.stop));
        QTest::mouseClick(window.findChild<QPushButton*>("refresh"), Qt::LeftButton);
        auto* error = window.findChild<QLabel*>("rangeError");
        const bool refused = *row.message != '\0';
        EXPECT_EQ(error->isVisible(), refused);
        if (refused) {
            EXPECT_EQ(error->text(), QString::fromUtf8(row.message));
        }
        EXPECT_EQ(window.findChild<QLineEdit*>("startFrequency")->text(),
                  QString::fromUtf8(row.start));
        EXPECT_EQ(window.findChild<QLineEdit*>("stopFrequency")->text(),
                  QString::fromUtf8(row.stop));
        if (refused) {
            EXPECT_EQ(window.points().front().frequency, before.front().frequency);
            EXPECT_EQ(window.points().back().frequency, before.back().frequency);
        } else {
            EXPECT_EQ(window.points().front().frequency, 10);
            EXPECT_EQ(window.points().back().frequency, 1000);
        }
    }
}

TEST_F(ResponseWindowTest, AnEmptyDrawingAsksForPartsInTheWindow) {
    expectNoModalDialog();
    show(drawing::emptyModel());
    EXPECT_EQ(text("drawingMessage"), QStringLiteral("Ｒ，Ｌ，Ｃの素子を配置して下さい"));
    EXPECT_TRUE(window.findChild<QLabel*>("drawingMessage")->isVisible());
    EXPECT_EQ(text("cursorReadout"), QStringLiteral("動作周波数は未設定"));
    show(rlcDrawing({10, 10e-3, 1e-6}));
    EXPECT_FALSE(window.findChild<QLabel*>("drawingMessage")->isVisible());
}

// Legend entries of a chart that are shown, by name.
QStringList legend(ResponseChart* chart) {
    QStringList names;
    for (QLegendMarker* marker : chart->chart()->legend()->markers())
        if (marker->isVisible()) names << marker->label();
    return names;
}

TEST_F(ResponseWindowTest, TheWorkingFrequencyIsMarkedOnlyWhenSet) {
    show(rlcDrawing({10, 10e-3, 1e-6}));
    auto* magnitude = window.findChild<ResponseChart*>("magnitudePhaseChart");
    EXPECT_EQ(legend(magnitude), QStringList({QStringLiteral("|Z|"), QStringLiteral("位相角")}));
    EXPECT_EQ(text("cursorReadout"), QStringLiteral("動作周波数は未設定"));

    show(rlcDrawing({10, 10e-3, 1e-6}, 1591.5497620314795));
    EXPECT_EQ(legend(magnitude), QStringList({QStringLiteral("|Z|"), QStringLiteral("位相角"),
                                              QStringLiteral("動作周波数 1.59155 kHz")}));
    EXPECT_EQ(
        text("cursorReadout"),
        QStringLiteral("動作周波数　f = 1.59155 kHz　|Z| = 10 Ω　位相角 = 0°　R = 10 Ω　X = 0 Ω"));
}

TEST_F(ResponseWindowTest, TheReadoutShowsThePointUnderThePointer) {
    show(rlcDrawing({10, 10e-3, 1e-6}));
    auto* chart = window.findChild<ResponseChart*>("magnitudePhaseChart");
    QApplication::processEvents();  // the chart lays out its new axis labels
    // The middle of the plot: 10^3.5 Hz on the axis from 1 Hz to 10 MHz.
    const QPoint middle =
        chart->mapFromScene(chart->chart()->mapToScene(chart->chart()->plotArea().center()));
    QTest::mouseMove(chart->viewport(), middle);
    const QString readout = text("cursorReadout");
    EXPECT_TRUE(readout.startsWith(QStringLiteral("ポインタ位置　f = 3.")))
        << readout.toStdString();
    EXPECT_TRUE(readout.contains(QStringLiteral(" kHz　|Z| = "))) << readout.toStdString();

    auto* views = window.findChild<QTabWidget*>("views");
    views->setCurrentIndex(3);
    QWidget* smith = window.findChild<QWidget*>("smithChart");
    QTest::mouseMove(smith, smith->rect().center());
    EXPECT_TRUE(text("cursorReadout").startsWith(QStringLiteral("ポインタ位置　f = ")));
}

// Z back from S11 against z0: Z = z0 (1 + S) / (1 - S).
TEST_F(ResponseWindowTest, TouchstoneFileSavedThroughTheWindowGivesZAtEveryPoint) {
    show(rlcDrawing({10, 10e-3, 1e-6, Shape::Tank}));
    type("referenceImpedance", QStringLiteral("75"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("network.s1p"));
    whenModalOpens([&](QDialog* files) {
        qobject_cast<QFileDialog*>(files)->selectFile(path);
        files->accept();
    });
    QTest::mouseClick(window.findChild<QPushButton*>("saveTouchstone"), Qt::LeftButton);

    std::ifstream in(path.toStdString());
    ASSERT_TRUE(in.good());
    std::string line;
    std::size_t row = 0;
    bool optionLine = false;
    while (std::getline(in, line)) {
        if (line.starts_with('!')) continue;
        if (line.starts_with('#')) {
            EXPECT_EQ(line, "# Hz S RI R 75");
            optionLine = true;
            continue;
        }
        ASSERT_LT(row, window.points().size());
        const SweepPoint& p = window.points()[row++];
        std::istringstream fields(line);
        double f = 0, re = 0, im = 0;
        fields >> f >> re >> im;
        const std::complex<double> s(re, im);
        const std::complex<double> z = 75.0 * (1.0 + s) / (1.0 - s);
        EXPECT_EQ(f, p.frequency);
        const double scale = std::hypot(p.z.re, p.z.im) + 75;
        EXPECT_NEAR(z.real(), p.z.re, 1e-9 * scale) << line;
        EXPECT_NEAR(z.imag(), p.z.im, 1e-9 * scale) << line;
    }
    EXPECT_TRUE(optionLine);
    EXPECT_EQ(row, window.points().size());
}

TEST_F(ResponseWindowTest, AReferenceImpedanceThatIsNoNumberRefusesTheTouchstoneFile) {
    show(rlcDrawing({10, 10e-3, 1e-6}));
    type("referenceImpedance", QStringLiteral("0"));
    EXPECT_EQ(text("rangeError"),
              QStringLiteral("基準インピーダンス Z0 は正の数 (Ω) で入力して下さい"));
    expectNoModalDialog();
    QTest::mouseClick(window.findChild<QPushButton*>("saveTouchstone"), Qt::LeftButton);
    QApplication::processEvents();
}

// Every chart export names the range and the working frequency above the chart; the PNG is
// twice the chart's size in pixels.
TEST_F(ResponseWindowTest, ChartExportsCarryTheirTitleLine) {
    show(rlcDrawing({10, 10e-3, 1e-6}, 1000));
    QTemporaryDir dir;
    auto* views = window.findChild<QTabWidget*>("views");
    for (int view = 0; view < views->count(); ++view) {
        SCOPED_TRACE(views->tabText(view).toStdString());
        views->setCurrentIndex(view);
        const QString png = dir.filePath(QStringLiteral("chart%1.png").arg(view));
        ASSERT_TRUE(window.savePng(png));
        const QSize chart = views->currentWidget()->size();
        EXPECT_EQ(QImage(png).width(), 2 * chart.width() * window.devicePixelRatio());
        EXPECT_GT(QImage(png).height(), 2 * chart.height() * window.devicePixelRatio());
    }
    views->setCurrentWidget(window.findChild<QWidget*>("smithChart"));
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    ASSERT_TRUE(window.saveSvg(svg));
    ASSERT_TRUE(window.savePdf(pdf));
    QFile svgFile(svg), pdfFile(pdf);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    const QString svgText = QString::fromUtf8(svgFile.readAll());
    EXPECT_TRUE(svgText.contains(QStringLiteral("<svg")));
    EXPECT_TRUE(svgText.contains(QStringLiteral(
        "周波数特性（スミスチャート）　1 Hz – 10 MHz　動作周波数 1 kHz　Z0 = 50 Ω")));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF"));
}

}  // namespace
