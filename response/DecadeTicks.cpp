#include "response/DecadeTicks.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "response/SmithView.h"
#include "results/NumberLabels.h"

namespace {

// Logical pixels: half the tick's length and the gap between it and its text.
constexpr double kHalfTick = 5;
constexpr double kTextGap = 3;
const QColor kTickColour(200, 90, 0);

bool finite(const std::complex<double>& g) {
    return std::isfinite(g.real()) && std::isfinite(g.imag());
}

}  // namespace

// A decade between two points is placed at the same fraction of the way from one to the next on
// the curve as of the way in log frequency, the sweep's own spacing. A decade next to a point
// without Γ gets no tick: the curve has a gap there.
DecadeTicks::DecadeTicks(const std::vector<double>& frequency,
                         const std::vector<std::complex<double>>& gamma) {
    if (frequency.size() < 2 || frequency.front() <= 0) return;
    // The sweep's ends are decades themselves often; the tolerance keeps them after rounding.
    const int first = static_cast<int>(std::ceil(std::log10(frequency.front()) - 1e-9));
    const int last = static_cast<int>(std::floor(std::log10(frequency.back()) + 1e-9));
    for (int decade = first; decade <= last; ++decade) {
        const double f = std::pow(10.0, decade);
        const auto next = std::upper_bound(frequency.begin(), frequency.end(), f);
        const std::size_t j =
            std::clamp<std::size_t>(next - frequency.begin(), 1, frequency.size() - 1);
        const std::size_t i = j - 1;
        if (!finite(gamma[i]) || !finite(gamma[j])) continue;
        const double t = std::clamp(
            std::log(f / frequency[i]) / std::log(frequency[j] / frequency[i]), 0.0, 1.0);
        mTicks.push_back({f, gamma[i] + t * (gamma[j] - gamma[i]), gamma[j] - gamma[i]});
    }
}

void DecadeTicks::paint(QPainter& painter, const SmithView& view) const {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(kTickColour, 1.5));
    for (const Tick& tick : mTicks) {
        const QPointF at = view.toScreen(tick.gamma);
        // Across the curve as drawn: y grows downwards on the screen.
        QPointF normal(tick.along.imag(), tick.along.real());
        const double length = std::hypot(normal.x(), normal.y());
        normal = length > 0 ? normal / length : QPointF(0, -1);
        painter.drawLine(at - normal * kHalfTick, at + normal * kHalfTick);
        const QString text = siText(tick.frequency, QStringLiteral("Hz"), 3);
        const QSizeF size = metrics.size(0, text);
        const double reach =
            (std::abs(normal.x()) * size.width() + std::abs(normal.y()) * size.height()) / 2;
        const QPointF centre = at + normal * (kHalfTick + kTextGap + reach);
        painter.drawText(QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size),
                         Qt::AlignCenter, text);
    }
}
