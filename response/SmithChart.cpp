#include "response/SmithChart.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "response/ChartAxes.h"
#include "response/NearestPoint.h"
#include "response/Reflection.h"
#include "response/SmithGrid.h"
#include "results/NumberLabels.h"
#include "toolkit/Appearance.h"

namespace {

constexpr QSize kSizeHint(520, 520);
// Logical pixels: the points' sizes, how far a press may move and still be a click, and how near
// a click must be to a sweep point to pick it.
constexpr double kMarkerRadius = 5;
constexpr double kMeasuredRadius = 2.5;
constexpr double kClickSlop = 4;
constexpr double kPickRadius = 12;
// One notch of a mouse wheel.
constexpr double kZoomStep = 1.25;
const QColor kCurveColour(27, 58, 140);
const QColor kWorkingColour(0, 128, 0);
const QColor kMarkedColour(200, 0, 160);
const QColor kCrossHairColour(0, 0, 0, 90);

bool finite(const std::complex<double>& g) {
    return std::isfinite(g.real()) && std::isfinite(g.imag());
}

}  // namespace

SmithChart::SmithChart(QWidget* parent)
    : QWidget(parent), mAdmittance(new QCheckBox(QStringLiteral("アドミタンス目盛"), this)) {
    setObjectName(QStringLiteral("smithChart"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    mAdmittance->setObjectName(QStringLiteral("admittanceGrid"));
    connect(mAdmittance, &QCheckBox::toggled, this, qOverload<>(&QWidget::update));
}

QSize SmithChart::sizeHint() const {
    return kSizeHint;
}

void SmithChart::showResponse(const ResponseData& data, double z0) {
    mZ0 = z0;
    mGamma.clear();
    mFrequency.clear();
    for (const SweepPoint& p : data.points) {
        mFrequency.push_back(p.frequency);
        mGamma.push_back(p.valid ? reflection(p.z, z0) : std::complex<double>(NAN, NAN));
    }
    mTicks = DecadeTicks(mFrequency, mGamma);
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

// Γ is kept against the Z0 of the response shown; the window passes markers after the response.
void SmithChart::showMarkers(const std::vector<MarkedPoint>& markers) {
    mMarkers.clear();
    for (const MarkedPoint& m : markers) {
        const std::complex<double> g = reflection(m.point.z, mZ0);
        if (m.point.valid && finite(g)) mMarkers.emplace_back(m.number, g);
    }
    update();
}

QPainterPath SmithChart::gridLines() const {
    return SmithGrid(mView).impedanceLines();
}

std::vector<QRectF> SmithChart::labelRects() const {
    std::vector<QRectF> rects;
    for (const SmithGrid::Label& label : SmithGrid(mView).labels(QFontMetricsF(minchoFont(8))))
        rects.push_back(label.rect);
    return rects;
}

void SmithChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(minchoFont(8));
    SmithGrid(mView).paint(painter, mAdmittance->isChecked());
    paintCurve(painter);
    mTicks.paint(painter, mView);
    paintWorking(painter);
    paintMarkers(painter);
    painter.setPen(Qt::black);
    const QRectF caption =
        painter.boundingRect(rect().adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop, mCaption);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop, mCaption);
    paintMeasured(painter, caption.bottomLeft());
    if (mWorking && finite(*mWorking)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kWorkingColour);
        painter.drawEllipse(QPointF(caption.right() + 2 * kMarkerRadius, caption.center().y()),
                            kMarkerRadius, kMarkerRadius);
    }
    paintCrossHair(painter);
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
            run.append(mView.toScreen(g));
        else
            drawRun();
    }
    drawRun();
}

// Over the decade ticks: a curve that stays in one place (a resistor) has them all there.
void SmithChart::paintWorking(QPainter& painter) const {
    if (!mWorking || !finite(*mWorking)) return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWorkingColour);
    painter.drawEllipse(mView.toScreen(*mWorking), kMarkerRadius, kMarkerRadius);
}

// Each measurement's points, and under the caption a line naming it beside a point of its colour.
void SmithChart::paintMeasured(QPainter& painter, QPointF namesAt) const {
    const double line = QFontMetricsF(painter.font()).height();
    for (const Measured& m : mMeasured) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(m.colour);
        for (const std::complex<double>& g : m.gamma)
            if (finite(g)) painter.drawEllipse(mView.toScreen(g), kMeasuredRadius, kMeasuredRadius);
        painter.drawEllipse(namesAt + QPointF(kMarkerRadius, line / 2), kMeasuredRadius + 1,
                            kMeasuredRadius + 1);
        painter.setPen(m.colour);
        painter.drawText(QRectF(namesAt + QPointF(3 * kMarkerRadius, 0), QSizeF(width(), line)),
                         Qt::AlignLeft | Qt::AlignVCenter, m.name);
        namesAt.ry() += line;
    }
}

// A diamond, unlike the round points of the working frequency and the measurements, with its
// name above and to the right.
void SmithChart::paintMarkers(QPainter& painter) const {
    for (const auto& [number, gamma] : mMarkers) {
        const QPointF at = mView.toScreen(gamma);
        const double r = kMarkerRadius;
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMarkedColour);
        painter.drawPolygon(QPolygonF{at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r),
                                      at + QPointF(-r, 0)});
        painter.setPen(kMarkedColour);
        painter.drawText(at + QPointF(r + 2, -r - 2), QStringLiteral("M%1").arg(number));
    }
}

void SmithChart::paintCrossHair(QPainter& painter) const {
    if (!mPointer) return;
    painter.setPen(QPen(kCrossHairColour, 0));
    painter.drawLine(QPointF(0, mPointer->y()), QPointF(width(), mPointer->y()));
    painter.drawLine(QPointF(mPointer->x(), 0), QPointF(mPointer->x(), height()));
}

void SmithChart::resizeEvent(QResizeEvent* /*event*/) {
    mView.setSize(size());
    const QSize box = mAdmittance->sizeHint();
    mAdmittance->setGeometry(4, height() - box.height() - 4, box.width(), box.height());
}

int SmithChart::nearestPoint(QPointF at) const {
    std::vector<QPointF> places;
    for (const std::complex<double>& g : mGamma) places.emplace_back(g.real(), g.imag());
    return nearestOnScreen(places, at, [this](QPointF g) {
        return mView.toScreen({g.x(), g.y()});
    });
}

void SmithChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    mPressedAt = mDraggedTo = event->position();
    mPanning = false;
}

void SmithChart::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    mPointer = at;
    if (mPressedAt && (event->buttons() & Qt::LeftButton)) {
        mPanning = mPanning || (at - *mPressedAt).manhattanLength() > kClickSlop;
        if (mPanning) {
            mView.panBy(at - mDraggedTo);
            mDraggedTo = at;
        }
    }
    update();
    emit pointed(nearestPoint(at));
}

void SmithChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mPressedAt) return;
    const bool click = !mPanning;
    mPressedAt.reset();
    mPanning = false;
    if (!click) return;
    const int nearest = nearestPoint(event->position());
    const bool near =
        nearest >= 0 &&
        QLineF(mView.toScreen(mGamma[nearest]), event->position()).length() <= kPickRadius;
    emit clicked(near ? nearest : -1);
}

// Qt sends a double click in place of the second press, so that press does not start a drag.
void SmithChart::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    mView.reset();
    update();
}

void SmithChart::wheelEvent(QWheelEvent* event) {
    mView.zoomAbout(event->position(), std::pow(kZoomStep, event->angleDelta().y() / 120.0));
    update();
}

void SmithChart::leaveEvent(QEvent* /*event*/) {
    mPointer.reset();
    update();
    emit pointed(-1);
}
