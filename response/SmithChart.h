#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <complex>
#include <optional>
#include <vector>

#include "response/ResponseData.h"

// The reflection coefficient Γ = (Z - Z0) / (Z + Z0) of a frequency response on a Smith chart,
// drawn here since Qt Charts has none: the unit circle with circles of constant resistance and
// arcs of constant reactance (normalised to Z0, labelled), the curve with gaps where the
// reduction fails, the working frequency marked, and the listed measurements as points in their
// colours, named in the lines under the caption. The chart keeps a 1:1 aspect whatever the
// widget's shape.
class SmithChart : public QWidget {
    Q_OBJECT
public:
    explicit SmithChart(QWidget* parent = nullptr);

    // z0 in ohms, positive.
    void showResponse(const ResponseData& data, double z0);
    QSize sizeHint() const override;

signals:
    // The sweep point drawn nearest the pointer, -1 when the pointer leaves the chart.
    void pointed(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRectF unitSquare() const;
    QPointF toScreen(const std::complex<double>& gamma) const;
    void paintGrid(QPainter& painter) const;
    void paintCurve(QPainter& painter) const;
    void paintMeasured(QPainter& painter, QPointF namesAt) const;

    std::vector<std::complex<double>> mGamma;  // per sweep point; NaN where it has none
    std::optional<std::complex<double>> mWorking;
    struct Measured {
        QString name;
        QColor colour;
        std::vector<std::complex<double>> gamma;
    };
    std::vector<Measured> mMeasured;
    QString mCaption;
};
