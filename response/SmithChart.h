#pragma once

#include <QColor>
#include <QPainterPath>
#include <QString>
#include <QWidget>
#include <complex>
#include <optional>
#include <vector>

#include "response/DecadeTicks.h"
#include "response/MarkedPoint.h"
#include "response/ResponseData.h"
#include "response/SmithView.h"

class QCheckBox;

// The reflection coefficient Γ = (Z - Z0) / (Z + Z0) of a frequency response on a Smith chart,
// drawn here since Qt Charts has none: the unit circle with circles of constant resistance and
// arcs of constant reactance (normalised to Z0, labelled), optionally the admittance grid, the
// curve with gaps where the reduction fails and the decades of frequency along it, the working
// frequency and the user's markers, and the listed measurements as points in their colours,
// named in the lines under the caption. The chart keeps a 1:1 aspect whatever the widget's shape.
// The wheel zooms about the pointer, a drag pans, a double click shows the whole chart again.
class SmithChart : public QWidget {
    Q_OBJECT
public:
    explicit SmithChart(QWidget* parent = nullptr);

    // z0 in ohms, positive.
    void showResponse(const ResponseData& data, double z0);
    // Markers whose point is not valid are not drawn.
    void showMarkers(const std::vector<MarkedPoint>& markers);
    QSize sizeHint() const override;

    const SmithView& view() const { return mView; }
    // The impedance grid as drawn and where its values are written, in widget pixels.
    QPainterPath gridLines() const;
    std::vector<QRectF> labelRects() const;

signals:
    // The sweep point drawn nearest the pointer, -1 when the pointer leaves the chart.
    void pointed(int index);
    // A left click that was not a drag: the sweep point drawn near it, -1 when none is.
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintCurve(QPainter& painter) const;
    void paintWorking(QPainter& painter) const;
    void paintMeasured(QPainter& painter, QPointF namesAt) const;
    void paintMarkers(QPainter& painter) const;
    void paintCrossHair(QPainter& painter) const;
    int nearestPoint(QPointF at) const;

    SmithView mView;
    QCheckBox* mAdmittance;
    double mZ0 = 50;
    std::vector<double> mFrequency;
    std::vector<std::complex<double>> mGamma;  // per sweep point; NaN where it has none
    DecadeTicks mTicks{{}, {}};
    std::optional<std::complex<double>> mWorking;
    struct Measured {
        QString name;
        QColor colour;
        std::vector<std::complex<double>> gamma;
    };
    std::vector<Measured> mMeasured;
    std::vector<std::pair<int, std::complex<double>>> mMarkers;  // number, Γ
    QString mCaption;
    std::optional<QPointF> mPointer;
    // A press becomes a drag once the pointer has moved further than a click's slop.
    std::optional<QPointF> mPressedAt;
    QPointF mDraggedTo;
    bool mPanning = false;
};
