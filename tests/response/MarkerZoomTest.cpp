// Markers placed by clicking a curve, read against the engine, and the views' wheel zoom, pan and
// reset.

#include <QApplication>
#include <QCategoryAxis>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QWheelEvent>

#include <cmath>
#include <complex>

#include "ResponseWindowFixture.h"
#include "response/ResidualChart.h"
#include "response/ResponseChart.h"
#include "results/NumberLabels.h"

namespace {

class MarkerZoomTest : public ResponseWindowTest {
protected:
    template <typename View = ResponseChart>
    View* chart(const char* name) {
        auto* view = window.findChild<View*>(name);
        window.findChild<QTabWidget*>("views")->setCurrentWidget(view);
        QApplication::processEvents();
        return view;
    }
    // A place of the plot area, from its left and top edge as parts of its width and height, in
    // the view's viewport.
    static QPoint inPlot(QChartView* view, double across, double down) {
        const QRectF plot = view->chart()->plotArea();
        const QPointF at(plot.left() + across * plot.width(), plot.top() + down * plot.height());
        return view->mapFromScene(view->chart()->mapToScene(at));
    }
    // A click, and the wait a double-click would need before it counts as one.
    static int click(ResponseChart* view, QPoint at) {
        QSignalSpy clicked(view, &ResponseChart::clicked);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        return clicked.wait(2 * QApplication::doubleClickInterval()) ? clicked[0][0].toInt() : -1;
    }
    static void wheel(QChartView* view, QPoint at, int steps) {
        QWheelEvent event(at, view->viewport()->mapToGlobal(at), {}, {0, 120 * steps}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &event);
    }
    QTableWidget* table() { return window.findChild<QTableWidget*>("markerTable"); }
    QString cell(int row, int column) {
        const QTableWidgetItem* item = table()->item(row, column);
        return item != nullptr ? item->text() : QString();
    }
};

TEST_F(MarkerZoomTest, MarkersReadTheDrawingAtTheirFrequency) {
    const CircuitModel model = rlcDrawing({10, 10e-3, 1e-6});
    show(model);
    ResponseChart* view = chart("magnitudePhaseChart");
    const int first = click(view, inPlot(view, 0.3, 0.5));
    const int second = click(view, inPlot(view, 0.7, 0.5));
    ASSERT_GE(first, 0);
    ASSERT_GT(second, first);
    ASSERT_EQ(table()->rowCount(), 3);  // M1, M2 and M2−M1

    const ReductionPlan plan(model);
    const auto ohms = [](double value) { return localNumber(value, 6) + QStringLiteral(" Ω"); };
    for (const auto& [row, index] : {std::pair(0, first), std::pair(1, second)}) {
        SCOPED_TRACE(row);
        const double f = window.points()[index].frequency;
        const Complex z = plan.evaluate(f).z;
        EXPECT_EQ(cell(row, 0), QStringLiteral("M%1").arg(row + 1));
        EXPECT_EQ(cell(row, 1), siText(f, QStringLiteral("Hz")));
        EXPECT_EQ(cell(row, 2), ohms(z.re));
        EXPECT_EQ(cell(row, 3), ohms(z.im));
        EXPECT_EQ(cell(row, 4), ohms(std::hypot(z.re, z.im)));
        const double gamma =
            std::abs((std::complex(z.re, z.im) - 50.0) / (std::complex(z.re, z.im) + 50.0));
        EXPECT_NEAR(cell(row, 7).toDouble(), (1 + gamma) / (1 - gamma),
                    1e-3 * (1 + gamma) / (1 - gamma));
    }
    const double f1 = window.points()[first].frequency, f2 = window.points()[second].frequency;
    EXPECT_EQ(cell(2, 0), "M2−M1");
    EXPECT_EQ(cell(2, 1), siText(f2 - f1, QStringLiteral("Hz")));

    QTest::mouseClick(window.findChild<QPushButton*>("clearMarkers"), Qt::LeftButton);
    EXPECT_EQ(table()->rowCount(), 0);
    EXPECT_FALSE(table()->isVisible());
}

TEST_F(MarkerZoomTest, DragsAndDoubleClicksPlaceNoMarker) {
    show(rlcDrawing({10, 10e-3, 1e-6}));
    ResponseChart* view = chart("magnitudePhaseChart");
    QSignalSpy clicked(view, &ResponseChart::clicked);
    const QPoint from = inPlot(view, 0.3, 0.5), to = inPlot(view, 0.6, 0.4);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, view->viewport()->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
    // A double-click as the window system sends it: a click, then the second press, a release.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, from);
    QMouseEvent second(QEvent::MouseButtonDblClick, from, view->viewport()->mapToGlobal(from),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &second);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, from);
    EXPECT_FALSE(clicked.wait(2 * QApplication::doubleClickInterval()));
    EXPECT_EQ(table()->rowCount(), 0);
}

// An ohm stays as long across as up on the Nyquist plot while the wheel zooms it about the
// pointer, and a double-click gives back the view's own ranges.
TEST_F(MarkerZoomTest, WheelZoomsAboutThePointerAndDoubleClickResets) {
    show(rlcDrawing({10, 10e-3, 1e-6}));
    ResponseChart* view = chart("nyquistChart");
    const auto axes = [view] {
        const QList<QAbstractAxis*> all = view->chart()->axes();
        return std::pair(static_cast<QCategoryAxis*>(all[0]), static_cast<QCategoryAxis*>(all[1]));
    };
    const auto [across, up] = axes();
    const QSizeF plot = view->chart()->plotArea().size();
    const double before = across->max() - across->min();
    const QPoint at = inPlot(view, 0.25, 0.75);
    const QPointF underPointer(across->min() + 0.25 * before,
                               up->max() - 0.75 * (up->max() - up->min()));
    wheel(view, at, 2);
    EXPECT_NEAR((across->max() - across->min()) / before, 0.64, 1e-9);
    EXPECT_NEAR((across->max() - across->min()) / plot.width(),
                (up->max() - up->min()) / plot.height(),
                1e-2 * (across->max() - across->min()) / plot.width());
    // Within two pixels of the range before: the place of the pointer is rounded to a pixel.
    EXPECT_NEAR(across->min() + 0.25 * (across->max() - across->min()), underPointer.x(),
                2 * before / plot.width());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
    EXPECT_NEAR((across->max() - across->min()) / before, 1, 1e-9);
}

TEST_F(MarkerZoomTest, ResidualViewZoomsAndResetsToo) {
    show(rlcDrawing({10, 10e-3, 1e-6}));
    auto* view = chart<ResidualChart>("residualChart");
    auto* percent = static_cast<QCategoryAxis*>(view->chart()->axes(Qt::Vertical).front());
    const double before = percent->max() - percent->min();
    const QPoint at = inPlot(view, 0.5, 0.5);
    wheel(view, at, 1);
    EXPECT_NEAR((percent->max() - percent->min()) / before, 0.8, 1e-9);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    EXPECT_NEAR((percent->max() - percent->min()) / before, 1, 1e-9);
}

}  // namespace
