#pragma once

#include <QObject>
#include <QPointF>
#include <QTimer>
#include <vector>

class ChartMarks;
class ChartZoom;
class QChartView;
class QXYSeries;

// What the pointer does on a response view, watched on its viewport: the sweep point under it
// for the readout, a cross-hair through it, the wheel's zoom, a drag's pan, a click's marker and
// a double-click's reset. The first click of a double-click places no marker.
class ChartPointer : public QObject {
    Q_OBJECT
public:
    // `plotted`: where each sweep point lies in the chart's values along `series`; by x alone
    // on a frequency view, else the point drawn nearest the pointer (NaN where there is none).
    ChartPointer(QChartView& view, ChartZoom& zoom, ChartMarks& marks,
                 const std::vector<QPointF>& plotted, QXYSeries* series, bool frequencyView);

signals:
    void pointed(int index);
    void clicked(int index);
    void resetWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointF chartPoint(QPointF position) const;
    int pointAt(QPointF position) const;
    void moved(QPointF position, bool dragging);
    void released(QPointF position);
    bool wheeled(QPointF position, double steps);

    QChartView& mView;
    ChartZoom& mZoom;
    ChartMarks& mMarks;
    const std::vector<QPointF>& mPlotted;
    QXYSeries* mSeries;
    bool mFrequencyView;
    QTimer mClick;
    int mClickedIndex = -1;
};
