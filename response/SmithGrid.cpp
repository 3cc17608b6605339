#include "response/SmithGrid.h"

#include <QFontMetricsF>
#include <QPainter>
#include <array>
#include <cmath>
#include <numbers>

#include "results/NumberLabels.h"

namespace {

constexpr std::array<double, 5> kGridValues{0.2, 0.5, 1, 2, 5};
// Where each resistance value is written: the normalised impedance at the middle of its label,
// in a cell beside its circle roomy enough for the figures. Near Γ = 1 the reactance arcs run
// close to the real axis, so the larger resistances are written higher up.
struct ResistanceLabel {
    double r;
    std::complex<double> at;
};
constexpr std::array<ResistanceLabel, 5> kResistanceLabels{{
    {0.2, {0.26, 0.1}},
    {0.5, {0.6, 0.1}},
    {1, {1.2, 1.4}},
    {2, {2.4, 1.4}},
    {5, {6, 3}},
}};
// Logical pixels between a reactance value and the rim.
constexpr double kLabelGap = 2;
const QColor kImpedanceColour(150, 150, 150);
const QColor kAdmittanceColour(190, 210, 235);

std::complex<double> reflection(std::complex<double> z) {
    return (z - 1.0) / (z + 1.0);
}

}  // namespace

QRectF SmithGrid::circle(std::complex<double> centre, double radius) const {
    const QPointF c = mView.toScreen(centre);
    const double r = radius * mView.scale();
    return {c.x() - r, c.y() - r, 2 * r, 2 * r};
}

QPainterPath SmithGrid::impedanceLines() const {
    QPainterPath lines = innerLines();
    lines.addEllipse(circle(0, 1));
    return lines;
}

// Circles of constant r have their centre at r/(1+r) and radius 1/(1+r), inside the unit circle.
// Arcs of constant x lie on circles with their centre at 1 + j/x and radius 1/|x|, both in the Γ
// plane; only the part inside the unit circle is drawn, as an arc rather than through a clip,
// which SVG files lose.
QPainterPath SmithGrid::innerLines() const {
    QPainterPath lines;
    for (double r : kGridValues) lines.addEllipse(circle(r / (1 + r), 1 / (1 + r)));
    for (double x : kGridValues) {
        // Degrees round the centre, anticlockwise as Qt counts them: the arc leaves the rim at
        // Γ of z = jx and ends at Γ = 1, straight below the centre at 270°.
        const double rim =
            std::fmod(std::atan2((x * x - 1) / x, -2.0) * 180 / std::numbers::pi + 360, 360);
        for (double sign : {1.0, -1.0}) {
            const QRectF around = circle({1, sign / x}, 1 / x);
            lines.arcMoveTo(around, sign * rim);
            lines.arcTo(around, sign * rim, sign * (270 - rim));
        }
    }
    lines.moveTo(mView.toScreen(-1));
    lines.lineTo(mView.toScreen(1));
    return lines;
}

// Admittance normalised to 1/Z0 maps to -Γ: the impedance grid turned half round the centre.
QPainterPath SmithGrid::admittanceLines() const {
    const QPointF c = mView.toScreen(0);
    return QTransform(-1, 0, 0, -1, 2 * c.x(), 2 * c.y()).map(innerLines());
}

QRectF SmithGrid::outside(std::complex<double> gamma, QSizeF size) const {
    // The rectangle's half extent along the radius keeps its nearest corner beyond the tangent.
    const double reach =
        (std::abs(gamma.real()) * size.width() + std::abs(gamma.imag()) * size.height()) / 2;
    const QPointF centre = mView.toScreen(gamma * (1 + (reach + kLabelGap) / mView.scale()));
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

std::vector<SmithGrid::Label> SmithGrid::labels(const QFontMetricsF& metrics) const {
    std::vector<Label> shown;
    const auto sized = [&](const QString& text) { return metrics.size(0, text); };
    for (const ResistanceLabel& label : kResistanceLabels) {
        const QString text = localNumber(label.r, 3);
        const QSizeF size = sized(text);
        const QPointF centre = mView.toScreen(reflection(label.at));
        shown.push_back({{centre - QPointF(size.width() / 2, size.height() / 2), size}, text});
    }
    for (const auto& [gamma, text] :
         {std::pair{-1.0, QStringLiteral("0")}, std::pair{1.0, QStringLiteral("∞")}})
        shown.push_back({outside(gamma, sized(text)), text});
    for (double x : kGridValues)
        for (double sign : {1.0, -1.0}) {
            const QString text =
                (sign > 0 ? QStringLiteral("+j") : QStringLiteral("−j")) + localNumber(x, 3);
            shown.push_back({outside(reflection({0, sign * x}), sized(text)), text});
        }
    return shown;
}

// The admittance grid goes under the impedance grid, and the values go over both on a patch of
// the background, which hides the lighter lines that pass under them.
void SmithGrid::paint(QPainter& painter, bool admittance) const {
    painter.setBrush(Qt::NoBrush);
    if (admittance) {
        painter.setPen(QPen(kAdmittanceColour, 0.8));
        painter.drawPath(admittanceLines());
    }
    painter.setPen(QPen(kImpedanceColour, 0.8));
    painter.drawPath(innerLines());
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawEllipse(circle(0, 1));
    painter.setPen(Qt::darkGray);
    for (const Label& label : labels(QFontMetricsF(painter.font()))) {
        painter.fillRect(label.rect, Qt::white);
        painter.drawText(label.rect, Qt::AlignCenter, label.text);
    }
}
