#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <vector>

#include "response/SmithView.h"

class QFontMetricsF;
class QPainter;

// The Smith chart's grid where the view puts it: the unit circle, the circles of constant
// resistance and the arcs of constant reactance (normalised to Z0) with their values, and on
// request the same grid turned through the centre, whose circles and arcs are those of constant
// conductance and susceptance. The values sit where no line of the impedance grid passes, so
// the lines never run through the figures.
class SmithGrid {
public:
    struct Label {
        QRectF rect;
        QString text;
    };

    explicit SmithGrid(const SmithView& view) : mView(view) {}

    // The unit circle, the resistance circles, the reactance arcs and the real axis.
    QPainterPath impedanceLines() const;
    QPainterPath admittanceLines() const;
    std::vector<Label> labels(const QFontMetricsF& metrics) const;
    void paint(QPainter& painter, bool admittance) const;

private:
    QPainterPath innerLines() const;
    QRectF circle(std::complex<double> centre, double radius) const;
    // The rectangle of `size` centred beyond the unit circle's rim at `gamma`, clear of it.
    QRectF outside(std::complex<double> gamma, QSizeF size) const;

    const SmithView& mView;
};
