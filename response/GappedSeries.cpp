#include "response/GappedSeries.h"

#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>

GappedSeries::GappedSeries(QChart* chart, const QString& name, const QPen& pen, QAbstractAxis* x,
                           QAbstractAxis* y)
    : mChart(chart), mPen(pen), mX(x), mY(y) {
    grow();
    mPool.front()->setName(name);
}

void GappedSeries::setRuns(const std::vector<QList<QPointF>>& runs) {
    while (mPool.size() < runs.size()) grow();
    for (std::size_t i = 0; i < mPool.size(); ++i) {
        if (i < runs.size())
            mPool[i]->replace(runs[i]);
        else if (mPool[i]->count() > 0)
            mPool[i]->clear();
    }
}

void GappedSeries::grow() {
    auto* series = new QLineSeries;
    series->setPen(mPen);
    mChart->addSeries(series);
    series->attachAxis(mX);
    series->attachAxis(mY);
    if (!mPool.empty())
        for (QLegendMarker* marker : mChart->legend()->markers(series)) marker->setVisible(false);
    mPool.push_back(series);
}
