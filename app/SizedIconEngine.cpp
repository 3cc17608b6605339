#include "app/SizedIconEngine.h"

#include <QPaintDevice>
#include <QPainter>
#include <utility>

#include "toolkit/ImageFile.h"

SizedIconEngine::SizedIconEngine(QMap<int, QString> sizedFiles, QString scalableFile)
    : mSizedFiles(std::move(sizedFiles)), mScalableFile(std::move(scalableFile)) {}

void SizedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    const qreal ratio =
        painter->device() != nullptr ? painter->device()->devicePixelRatioF() : qreal(1);
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
}

QPixmap SizedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    if (availableSizes(mode, state).contains(size)) {
        auto sized = mSized.find(size.width());
        if (sized == mSized.end())
            sized = mSized.insert(size.width(), readPixmap(mSizedFiles[size.width()], "PNG"));
        return *sized;
    }
    if (mScalable.isNull()) mScalable = QIcon(mScalableFile);
    // The size here is in device pixels already: a ratio of 1 keeps QIcon from scaling again.
    return mScalable.pixmap(size, 1.0, mode, state);
}

// The pictures are drawn for the normal look only; the other modes come from the SVG.
QList<QSize> SizedIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    QList<QSize> sizes;
    if (mode != QIcon::Normal || state != QIcon::Off) return sizes;
    for (int size : mSizedFiles.keys()) sizes << QSize(size, size);
    return sizes;
}

QIconEngine* SizedIconEngine::clone() const {
    auto* copy = new SizedIconEngine(mSizedFiles, mScalableFile);
    copy->mSized = mSized;
    copy->mScalable = mScalable;
    return copy;
}

QString SizedIconEngine::key() const {
    return QStringLiteral("SizedIconEngine");
}
