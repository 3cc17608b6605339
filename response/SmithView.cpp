#include "response/SmithView.h"

#include <algorithm>

namespace {
// Beyond a thousandfold the grid's lines are far apart and the points are further than a sweep
// resolves.
constexpr double kMaxZoom = 1000;
}  // namespace

double SmithView::scale() const {
    const double side = std::max(1.0, std::min(mSize.width(), mSize.height()) - 2 * kMargin);
    return side / 2 * mZoom;
}

QPointF SmithView::toScreen(const std::complex<double>& gamma) const {
    const std::complex<double> d = (gamma - mCentre) * scale();
    return centre() + QPointF(d.real(), -d.imag());
}

std::complex<double> SmithView::toGamma(QPointF at) const {
    const QPointF d = (at - centre()) / scale();
    return mCentre + std::complex<double>(d.x(), -d.y());
}

void SmithView::zoomAbout(QPointF at, double factor) {
    const std::complex<double> held = toGamma(at);
    mZoom = std::clamp(mZoom * factor, 1.0, kMaxZoom);
    mCentre += held - toGamma(at);
}

void SmithView::panBy(QPointF delta) {
    mCentre -= std::complex<double>(delta.x(), -delta.y()) / scale();
}

void SmithView::reset() {
    mZoom = 1;
    mCentre = 0;
}
