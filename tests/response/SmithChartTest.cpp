// The Smith chart on its own: its grid values clear of the lines, the decades along the curve,
// the admittance grid, zoom and pan, and the user's markers and clicks.

#include <QCheckBox>
#include <QImage>
#include <QPainterPathStroker>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "engine/FrequencySweep.h"
#include "response/SmithChart.h"
#include "tests/response/ResponseWindowFixture.h"

namespace {

constexpr double kZ0 = 50;

std::complex<double> gammaOf(Complex z) {
    const std::complex<double> impedance(z.re, z.im);
    return (impedance - kZ0) / (impedance + kZ0);
}

// Whether a pixel within `radius` of `at` (widget pixels) is near `colour`.
bool colourNear(const QImage& image, QPointF at, const QColor& colour, int radius = 2) {
    const QPoint centre = (at * image.devicePixelRatio()).toPoint();
    for (int dx = -radius; dx <= radius; ++dx)
        for (int dy = -radius; dy <= radius; ++dy) {
            const QColor c = image.pixelColor(centre + QPoint(dx, dy));
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                60)
                return true;
        }
    return false;
}

class SmithChartTest : public ::testing::Test {
protected:
    // Series R 25 Ω, L 10 µH, C 1 µF: resonant at 50 kHz, the curve crossing the chart.
    CircuitModel model = rlcDrawing({25, 10e-6, 1e-6});
    std::vector<SweepPoint> points = SweepFrequencies(model, 100, 1e6, 241);
    std::vector<ShownMeasurement> none;
    SmithChart chart;

    SmithChartTest() {
        chart.resize(520, 520);
        chart.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&chart));
        chart.showResponse({points, 100, 1e6, 1, std::nullopt, none}, kZ0);
    }
    QImage picture() { return chart.grab().toImage(); }
    void wheel(QPointF at, int delta) {
        QWheelEvent event(at, chart.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&chart, &event);
    }
};

TEST_F(SmithChartTest, ValuesAreWrittenClearOfEveryGridLine) {
    for (const int notches : {0, 3}) {
        if (notches) wheel({300, 200}, 120 * notches);
        QPainterPathStroker pen;
        pen.setWidth(1.2);
        const QPainterPath lines = pen.createStroke(chart.gridLines());
        const std::vector<QRectF> labels = chart.labelRects();
        ASSERT_EQ(labels.size(), 17u);
        for (const QRectF& label : labels)
            EXPECT_FALSE(lines.intersects(label))
                << notches << " notches, label at " << label.x() << "," << label.y();
    }
}

// Each decade's tick sits where the engine puts Γ at that frequency; half a decade has none.
TEST_F(SmithChartTest, DecadeTicksSitAtTheDrawingsReflection) {
    const QImage image = picture();
    const ReductionPlan plan(model);
    const QColor tick(200, 90, 0);
    for (const double f : {100.0, 1e3, 1e4, 1e5, 1e6})
        EXPECT_TRUE(colourNear(image, chart.view().toScreen(gammaOf(plan.evaluate(f).z)), tick))
            << f;
    EXPECT_FALSE(colourNear(image, chart.view().toScreen(gammaOf(plan.evaluate(3162).z)), tick));
}

// Y = 1 + j0.3 lies on the conductance circle g = 1 and on no impedance line.
TEST_F(SmithChartTest, AdmittanceGridComesAndGoesWithItsCheckBox) {
    const std::complex<double> y(1, 0.3);
    const QPointF onCircle = chart.view().toScreen((1.0 - y) / (1.0 + y));
    auto* box = chart.findChild<QCheckBox*>("admittanceGrid");
    ASSERT_NE(box, nullptr);
    for (const bool shown : {true, false}) {
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(box->isChecked(), shown);
        EXPECT_EQ(colourNear(picture(), onCircle, QColor(190, 210, 235), 1), shown);
    }
}

// The wheel scales by 1.25 a notch about the pointer, down to the whole chart and no further; a
// drag moves the chart with the pointer without a click; a double click shows the whole chart.
TEST_F(SmithChartTest, WheelZoomsAboutThePointerDragPansDoubleClickResets) {
    QSignalSpy clicks(&chart, &SmithChart::clicked);
    const double whole = chart.view().scale();
    const QPointF pointer(330, 180);
    const std::complex<double> under = chart.view().toGamma(pointer);
    struct Step {
        int delta;
        double scale;
    };
    for (const Step& step : {Step{120, 1.25}, Step{240, 1.25 * 1.25 * 1.25}, Step{-960, 1}}) {
        wheel(pointer, step.delta);
        EXPECT_NEAR(chart.view().scale(), whole * step.scale, 1e-9);
        EXPECT_NEAR(std::abs(chart.view().toGamma(pointer) - under), 0, 1e-12);
    }
    wheel(pointer, 240);
    const QPointF from(200, 300), to(260, 250);
    const std::complex<double> grabbed = chart.view().toGamma(from);
    QTest::mousePress(&chart, Qt::LeftButton, {}, from.toPoint());
    QTest::mouseMove(&chart, (from + QPointF(2, 0)).toPoint());
    QTest::mouseMove(&chart, to.toPoint());
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, to.toPoint());
    EXPECT_NEAR(std::abs(chart.view().toGamma(to) - grabbed), 0, 1e-12);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseDClick(&chart, Qt::LeftButton, {}, to.toPoint());
    EXPECT_EQ(chart.view().scale(), whole);
    EXPECT_EQ(chart.view().toScreen(0), QPointF(260, 260));
}

// A marker is drawn at its impedance's Γ, one without a valid point is not; a click picks the
// sweep point under it, and nothing away from the curve.
TEST_F(SmithChartTest, MarkersAreDrawnAtTheirReflectionAndClicksPickPoints) {
    const QColor marked(200, 0, 160);
    const SweepPoint invalid{2000, false, {0, 0}, 0};
    chart.showMarkers({{1, points[150]}, {2, invalid}});
    const QImage image = picture();
    EXPECT_TRUE(colourNear(image, chart.view().toScreen(gammaOf(points[150].z)), marked, 0));
    EXPECT_FALSE(colourNear(image, chart.view().toScreen(-1), marked, 3));

    QSignalSpy clicks(&chart, &SmithChart::clicked);
    const QPoint atPoint = chart.view().toScreen(gammaOf(points[60].z)).toPoint();
    const QPoint awayFromCurve = chart.view().toScreen({-0.9, 0}).toPoint();
    for (const QPoint at : {atPoint + QPoint(1, 1), awayFromCurve})
        QTest::mouseClick(&chart, Qt::LeftButton, {}, at);
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks[0][0].toInt(), 60);
    EXPECT_EQ(clicks[1][0].toInt(), -1);
}

}  // namespace
