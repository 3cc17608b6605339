#pragma once

#include <QSize>
#include <QString>

class QPainter;
class QWidget;

// A view of the frequency response as a picture for a file: the view as it is drawn on screen
// with a title line above it, written through the save helper as PNG (twice the screen's
// pixels), SVG or PDF (one landscape A4 page). Each reports a failure in a message box over
// `parent`; the old file then stays as it was.
class ChartImage {
public:
    ChartImage(QWidget& view, QString title);

    bool savePng(QWidget* parent, const QString& path) const;
    bool saveSvg(QWidget* parent, const QString& path) const;
    bool savePdf(QWidget* parent, const QString& path) const;

private:
    QSize size() const;
    void paint(QPainter& painter) const;

    QWidget& mView;
    QString mTitle;
};
