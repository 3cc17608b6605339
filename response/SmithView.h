#pragma once

#include <QPointF>
#include <QSizeF>
#include <complex>

// Where the Γ plane lies in the Smith chart's widget: the whole unit circle fills the widget's
// square less a margin for the labels, and the user may zoom in on it and pan. The zoom and the
// Γ shown at the widget's centre are kept rather than an offset in pixels, so a resize keeps the
// same part of the chart in view.
class SmithView {
public:
    // Logical pixels left round the unit circle for the reactance labels.
    static constexpr double kMargin = 34;

    void setSize(QSizeF size) { mSize = size; }
    // Pixels per unit of |Γ|.
    double scale() const;
    QPointF toScreen(const std::complex<double>& gamma) const;
    std::complex<double> toGamma(QPointF at) const;

    // The Γ under `at` stays under it. The chart never shows less than the whole unit circle.
    void zoomAbout(QPointF at, double factor);
    void panBy(QPointF delta);
    void reset();

private:
    QPointF centre() const { return {mSize.width() / 2, mSize.height() / 2}; }

    QSizeF mSize;
    double mZoom = 1;
    std::complex<double> mCentre = 0;
};
