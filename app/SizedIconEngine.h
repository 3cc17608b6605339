#pragma once

#include <QIcon>
#include <QIconEngine>

// An icon that shows the picture drawn for a size wherever there is one and the scalable
// picture at every other size. Qt's own engines do not combine the two: once an SVG is added,
// its engine keeps a single pixmap per mode and state, and the pixmap engine scales the SVG's
// one default size.
class SizedIconEngine : public QIconEngine {
public:
    SizedIconEngine(QIcon sized, QIcon scalable);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QIcon mSized;
    QIcon mScalable;
};
