#include "app/DeferredIconEngine.h"

#include <utility>

DeferredIconEngine::DeferredIconEngine(std::function<QIcon()> make) : mMake(std::move(make)) {}

QIcon& DeferredIconEngine::icon() {
    if (!mIcon) mIcon = mMake();
    return *mIcon;
}

void DeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                               QIcon::State state) {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return icon().actualSize(size, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return icon().pixmap(size, 1.0, mode, state);
}

QPixmap DeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                         qreal scale) {
    // The size is in device pixels; QIcon wants it in logical ones.
    return icon().pixmap(size / scale, scale, mode, state);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return icon().availableSizes(mode, state);
}

QIconEngine* DeferredIconEngine::clone() const {
    auto* copy = new DeferredIconEngine(mMake);
    copy->mIcon = mIcon;
    return copy;
}

QString DeferredIconEngine::key() const {
    return QStringLiteral("DeferredIconEngine");
}
