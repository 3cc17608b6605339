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

// Sizes here are in device pixels already. QIcon would count the application's scale factor
// in once more; asked for a pixmap at a ratio of 1 it does not, and the pixmap has the size.
QSize DeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return pixmap(size, mode, state).size();
}

QPixmap DeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return icon().pixmap(size, 1.0, mode, state);
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
