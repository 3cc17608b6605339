// The scales of the response charts: linear axes labelled with SI prefixes and never in
// e-notation, the origin shown only where the values need it, and the Nyquist plot to scale.

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QLegendMarker>
#include <QLineSeries>
#include <QRegularExpression>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "response/LinearScale.h"
#include "response/ResponseChart.h"
#include "tests/response/ResponseWindowFixture.h"

namespace {

// A label read back as the number it stands for: "1.5k" is 1500.
double labelValue(const QString& label) {
    static const QString prefixes = QStringLiteral("pnµm kMGT");
    const qsizetype at = label.isEmpty() ? -1 : prefixes.indexOf(label.back());
    const double number = (at < 0 ? label : label.chopped(1)).toDouble();
    return at < 0 ? number : number * std::pow(1000.0, double(at - 4));
}

TEST(LinearScaleTest, LabelsAreSiPrefixedRoundNumbersFromMilliohmsToGigaohms) {
    const AxisRange rows[] = {{0.001, 0.005}, {-0.003, 0.002}, {0.0102, 0.0104}, {12, 13},
                              {0, 1.6e6},     {-198e3, 660e3}, {1e6, 1e6 + 10},  {1e9, 5e9},
                              {-2e9, 3e9},    {-7e-3, -1e-3}};
    const QRegularExpression plain(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?[pnµmkMGT]?$"));
    for (const AxisRange& row : rows) {
        SCOPED_TRACE(std::to_string(row.low) + " to " + std::to_string(row.high));
        QCategoryAxis axis;
        labelLinearAxis(&axis, row);
        const QStringList labels = axis.categoriesLabels();
        EXPECT_GE(labels.size(), 4);
        EXPECT_EQ(axis.min(), row.low);
        EXPECT_EQ(axis.max(), row.high);
        for (const QString& label : labels) {
            EXPECT_TRUE(plain.match(label).hasMatch()) << label.toStdString();
            EXPECT_NEAR(labelValue(label), axis.endValue(label), row.length() * 1e-9)
                << label.toStdString();
            EXPECT_GE(axis.endValue(label), row.low);
            EXPECT_LE(axis.endValue(label), row.high);
        }
    }
}

TEST(LinearScaleTest, RangeReachesZeroOnlyWhereTheValuesNeedIt) {
    struct Row {
        Span values;
        AxisRange shown;
    };
    const Row rows[] = {
        {{900, 1000}, {895, 1005}},    // far from 0: 5 % of room at each end
        {{10, 1000}, {0, 1049.5}},     // close to 0, next to its spread
        {{5, 100}, {0, 104.75}},       // room would cross 0
        {{10, 10}, {9, 11}},           // one value
        {{-1000, -10}, {-1049.5, 0}},  // all negative
        {{-50, 100}, {-57.5, 107.5}},  // on both sides
        {{0, 0}, {-1, 1}},
        {{0.0102, 0.0104}, {0.01019, 0.01041}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.values.low) + " to " + std::to_string(row.values.high));
        const AxisRange shown = paddedRange(row.values);
        EXPECT_NEAR(shown.low, row.shown.low, 1e-9 * row.shown.length());
        EXPECT_NEAR(shown.high, row.shown.high, 1e-9 * row.shown.length());
    }
}

// Ohms per pixel of the chart's plot area across and up.
std::pair<double, double> ohmsPerPixel(ResponseChart* chart) {
    const QRectF plot = chart->chart()->plotArea();
    auto* across = qobject_cast<QValueAxis*>(chart->chart()->axes(Qt::Horizontal).front());
    auto* up = qobject_cast<QValueAxis*>(chart->chart()->axes(Qt::Vertical).front());
    return {(across->max() - across->min()) / plot.width(),
            (up->max() - up->min()) / plot.height()};
}

TEST_F(ResponseWindowTest, NyquistPlotIsToScaleAfterAResize) {
    show(rlcDrawing({10, 10e-3, 1e-6}, 1000));
    window.findChild<QTabWidget*>("views")->setCurrentIndex(2);
    auto* nyquist = window.findChild<ResponseChart*>("nyquistChart");
    for (const QSize size : {QSize(), QSize(1500, 700), QSize(900, 1000)}) {
        if (size.isValid()) window.resize(size);
        QTest::qWait(50);
        SCOPED_TRACE(std::to_string(nyquist->width()) + " x " + std::to_string(nyquist->height()));
        const auto [across, up] = ohmsPerPixel(nyquist);
        EXPECT_NEAR(across / up, 1, 0.01);
        auto* r = qobject_cast<QCategoryAxis*>(nyquist->chart()->axes(Qt::Horizontal).front());
        EXPECT_EQ(r->min(), 0) << "R of 10 Ω is near 0 beside the reactance's megaohm";
        for (const QString& label : r->categoriesLabels())
            EXPECT_FALSE(label.contains(u'e')) << label.toStdString();
    }
}

QLineSeries* seriesNamed(ResponseChart* chart, const QString& name) {
    for (QAbstractSeries* series : chart->chart()->series())
        if (series->name() == name) return qobject_cast<QLineSeries*>(series);
    return nullptr;
}

// With R of 10 Ω and X up to 1 MΩ, the log scale keeps both readable: the decades between them
// take most of the plot's height, R lies on its label well above the bottom, and where X is
// negative it is drawn, dashed and named, as −X.
TEST_F(ResponseWindowTest, LogScaleShowsResistanceAndReactanceDecadesApart) {
    show(rlcDrawing({10, 16e-3, 1e-6}, 1000));  // X from −159 kΩ at 1 Hz to 1 MΩ at 10 MHz
    window.findChild<QTabWidget*>("views")->setCurrentIndex(1);
    auto* chart = window.findChild<ResponseChart*>("resistanceReactanceChart");
    QTest::mouseClick(chart->findChild<QCheckBox*>("logReactance"), Qt::LeftButton);
    QTest::qWait(50);
    auto* axis = qobject_cast<QCategoryAxis*>(chart->chart()->axes(Qt::Vertical).front());
    QLineSeries* r = seriesNamed(chart, QStringLiteral("R"));
    QLineSeries* x = seriesNamed(chart, QStringLiteral("X"));
    QLineSeries* negative = seriesNamed(chart, QStringLiteral("−X（X が負）"));
    ASSERT_TRUE(r && x && negative);
    const QRectF plot = chart->chart()->plotArea();
    const auto height = [&](const QString& label) {
        EXPECT_TRUE(axis->categoriesLabels().contains(label)) << label.toStdString();
        return chart->chart()->mapToPosition(QPointF(0, axis->endValue(label)), r).y();
    };
    const double ten = height(QStringLiteral("10 Ω")), mega = height(QStringLiteral("1 MΩ"));
    EXPECT_GT(ten - mega, 0.5 * plot.height());
    EXPECT_GT(plot.bottom() - ten, 0.1 * plot.height());
    for (const QPointF& p : r->points())
        EXPECT_NEAR(chart->chart()->mapToPosition(p, r).y(), ten, 3);
    const QList<QPointF> reactance = x->points();
    ASSERT_FALSE(reactance.isEmpty());
    const QPointF top =
        *std::max_element(reactance.begin(), reactance.end(),
                          [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    EXPECT_NEAR(chart->chart()->mapToPosition(top, x).y(), mega, 0.02 * plot.height());
    EXPECT_GT(negative->count(), 10);
    EXPECT_EQ(negative->pen().style(), Qt::DashLine);
    const auto shown = [&] {
        return chart->chart()->legend()->markers(negative).front()->isVisible();
    };
    EXPECT_TRUE(shown());

    QTest::mouseClick(chart->findChild<QCheckBox*>("logReactance"), Qt::LeftButton);
    EXPECT_FALSE(shown());
    EXPECT_EQ(negative->count(), 0);
}

}  // namespace
