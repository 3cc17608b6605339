#include "response/SmithChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

#include "response/ChartAxes.h"
#include "results/NumberLabels.h"
#include "toolkit/Appearance.h"

namespace {

constexpr std::array<double, 5> kGridValues{0.2, 0.5, 1, 2, 5};
// Logical pixels: room for the labels around the circle, and the chart's preferred size.
constexpr double kMargin = 34;
constexpr QSize kSizeHint(520, 520);
constexpr double kMarkerRadius = 5;
constexpr double kMeasuredRadius = 2.5;
const QColor kGridColour(150, 150, 150);
const QColor kCurveColour(27, 58, 140);
const QColor kMarkerColour(0, 128, 0);

std::complex<double> reflection(const Complex& z, double z0) {
    const std::complex<double> impedance(z.re, z.im);
    return (impedance - z0) / (impedance + z0);
}

bool finite(const std::complex<double>& g) {
    return std::isfinite(g.real()) && std::isfinite(g.imag());
}

QString gridLabel(double value) {
    return localNumber(value, 3);
}

}  // namespace

SmithChart::SmithChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("smithChart"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

QSize SmithChart::sizeHint() const {
    return kSizeHint;
}

void SmithChart::showResponse(const ResponseData& data, double z0) {
    mGamma.clear();
    mGamma.reserve(data.points.size());
    for (const SweepPoint& p : data.points)
        mGamma.push_back(p.valid ? reflection(p.z, z0) : std::complex<double>(NAN, NAN));
    mWorking.reset();
    mCaption = QStringLiteral("Z0 = ") + siText(z0, QStringLiteral("Ω"));
    if (!data.working) {
        mCaption += QStringLiteral("　動作周波数は未設定");
    } else {
        mCaption +=
            QStringLiteral("　動作周波数 ") + siText(data.working->frequency, QStringLiteral("Hz"));
        if (data.working->valid) mWorking = reflection(data.working->z, z0);
        if (!mWorking || !finite(*mWorking)) mCaption += QStringLiteral("（計算できません）");
    }
    mMeasured.clear();
    for (std::size_t i = 0; i < data.measured.size(); ++i) {
        if (!data.measured[i].data) continue;
        Measured shown{data.measured[i].name, measurementColour(i), {}};
        for (const MeasuredPoint& p : data.measured[i].data->points)
            shown.gamma.push_back(reflection(p.z, z0));
        mMeasured.push_back(std::move(shown));
    }
    update();
}

// The square the unit circle fills, centred and as large as the labels leave room for.
QRectF SmithChart::unitSquare() const {
    const double side = std::max(1.0, std::min(width(), height()) - 2 * kMargin);
    return {(width() - side) / 2, (height() - side) / 2, side, side};
}

QPointF SmithChart::toScreen(const std::complex<double>& gamma) const {
    const QRectF square = unitSquare();
    const double radius = square.width() / 2;
    return {square.center().x() + gamma.real() * radius,
            square.center().y() - gamma.imag() * radius};
}

void SmithChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(minchoFont(8));
    paintGrid(painter);
    paintCurve(painter);
    painter.setPen(Qt::black);
    const QRectF caption =
        painter.boundingRect(rect().adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop, mCaption);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop, mCaption);
    paintMeasured(painter, caption.bottomLeft());
    if (mWorking && finite(*mWorking)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMarkerColour);
        painter.drawEllipse(QPointF(caption.right() + 2 * kMarkerRadius, caption.center().y()),
                            kMarkerRadius, kMarkerRadius);
    }
}

// Circles of constant r have their centre at r/(1+r) and radius 1/(1+r), inside the unit circle.
// Arcs of constant x lie on circles with their centre at 1 + j/x and radius 1/|x|, both in the Γ
// plane; only the part inside the unit circle is drawn, as an arc rather than through a clip,
// which SVG files lose.
void SmithChart::paintGrid(QPainter& painter) const {
    const QRectF square = unitSquare();
    const double radius = square.width() / 2;
    const auto circle = [&](std::complex<double> centre, double r) {
        const QPointF c = toScreen(centre);
        return QRectF(c.x() - r * radius, c.y() - r * radius, 2 * r * radius, 2 * r * radius);
    };
    painter.setPen(QPen(kGridColour, 0.8));
    painter.setBrush(Qt::NoBrush);
    for (double r : kGridValues) painter.drawEllipse(circle({r / (1 + r), 0}, 1 / (1 + r)));
    for (double x : kGridValues) {
        // Degrees round the centre, anticlockwise as Qt counts them: the arc leaves the rim at
        // Γ of z = jx and ends at Γ = 1, straight below the centre at 270°.
        const double rim =
            std::fmod(std::atan2((x * x - 1) / x, -2.0) * 180 / std::numbers::pi + 360, 360);
        for (double sign : {1.0, -1.0}) {
            QPainterPath arc;
            const QRectF around = circle({1, sign / x}, 1 / x);
            arc.arcMoveTo(around, sign * rim);
            arc.arcTo(around, sign * rim, sign * (270 - rim));
            painter.drawPath(arc);
        }
    }
    painter.drawLine(toScreen({-1, 0}), toScreen({1, 0}));

    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawEllipse(square);
    painter.setPen(Qt::darkGray);
    const QFontMetricsF metrics(painter.font());
    const auto label = [&](QPointF at, const QString& text) {
        const QSizeF size = metrics.size(0, text);
        painter.drawText(QRectF(at - QPointF(size.width() / 2, size.height() / 2), size),
                         Qt::AlignCenter, text);
    };
    // r labels sit just above the real axis where their circle meets it on the left.
    for (double r : kGridValues)
        label(toScreen({(r - 1) / (r + 1), 0}) + QPointF(metrics.height() * 0.6, -metrics.height()),
              gridLabel(r));
    label(toScreen({-1, 0}) - QPointF(metrics.height(), 0), QStringLiteral("0"));
    label(toScreen({1, 0}) + QPointF(metrics.height(), 0), QStringLiteral("∞"));
    // x labels sit outside the circle where their arc meets it: Γ of z = jx.
    const double outside = metrics.height() * 1.1;
    for (double x : kGridValues)
        for (double sign : {1.0, -1.0}) {
            const std::complex<double> z(0, sign * x);
            const std::complex<double> g = (z - 1.0) / (z + 1.0);
            const QPointF at = toScreen(g);
            const QPointF out(g.real() * outside, -g.imag() * outside);
            label(at + out,
                  (sign > 0 ? QStringLiteral("+j") : QStringLiteral("−j")) + gridLabel(x));
        }
}

void SmithChart::paintCurve(QPainter& painter) const {
    painter.setPen(QPen(kCurveColour, 1.5));
    QPolygonF run;
    const auto drawRun = [&] {
        if (run.size() > 1) painter.drawPolyline(run);
        run.clear();
    };
    for (const std::complex<double>& g : mGamma) {
        if (finite(g))
            run.append(toScreen(g));
        else
            drawRun();
    }
    drawRun();
    if (mWorking && finite(*mWorking)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMarkerColour);
        painter.drawEllipse(toScreen(*mWorking), kMarkerRadius, kMarkerRadius);
    }
}

// Each measurement's points, and under the caption a line naming it beside a point of its colour.
void SmithChart::paintMeasured(QPainter& painter, QPointF namesAt) const {
    const double line = QFontMetricsF(painter.font()).height();
    for (const Measured& m : mMeasured) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(m.colour);
        for (const std::complex<double>& g : m.gamma)
            if (finite(g)) painter.drawEllipse(toScreen(g), kMeasuredRadius, kMeasuredRadius);
        painter.drawEllipse(namesAt + QPointF(kMarkerRadius, line / 2), kMeasuredRadius + 1,
                            kMeasuredRadius + 1);
        painter.setPen(m.colour);
        painter.drawText(QRectF(namesAt + QPointF(3 * kMarkerRadius, 0), QSizeF(width(), line)),
                         Qt::AlignLeft | Qt::AlignVCenter, m.name);
        namesAt.ry() += line;
    }
}

void SmithChart::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    int nearest = -1;
    double best = INFINITY;
    for (std::size_t i = 0; i < mGamma.size(); ++i) {
        if (!finite(mGamma[i])) continue;
        const QPointF offset = toScreen(mGamma[i]) - at;
        const double distance = QPointF::dotProduct(offset, offset);
        if (distance < best) best = distance, nearest = static_cast<int>(i);
    }
    emit pointed(nearest);
}

void SmithChart::leaveEvent(QEvent* /*event*/) {
    emit pointed(-1);
}
