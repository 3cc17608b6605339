#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QMap>
#include <QPixmap>

// An icon that shows the picture drawn for a size wherever there is one and the scalable
// picture at every other size. Qt's own engines do not combine the two: once an SVG is added,
// its engine keeps a single pixmap per mode and state, and the pixmap engine scales the SVG's
// one default size. Nothing is read before it is asked for: a picture when its size is first
// wanted, the SVG (and Qt's SVG plug-in with it) only for a size that has no picture.
class SizedIconEngine : public QIconEngine {
public:
    // PNG files by their (square) size, and the SVG file.
    SizedIconEngine(QMap<int, QString> sizedFiles, QString scalableFile);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QMap<int, QString> mSizedFiles;
    QString mScalableFile;
    QMap<int, QPixmap> mSized;  // the pictures read so far
    QIcon mScalable;
};
