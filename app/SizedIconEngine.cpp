#include "app/SizedIconEngine.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <utility>

SizedIconEngine::SizedIconEngine(QIcon sized, QIcon scalable)
    : mSized(std::move(sized)), mScalable(std::move(scalable)) {}

void SizedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    const qreal ratio =
        painter->device() != nullptr ? painter->device()->devicePixelRatioF() : qreal(1);
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
}

QPixmap SizedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    // The size here is in device pixels already: a ratio of 1 keeps QIcon from scaling again.
    const QIcon& source = mSized.availableSizes(mode, state).contains(size) ? mSized : mScalable;
    return source.pixmap(size, 1.0, mode, state);
}

QList<QSize> SizedIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return mSized.availableSizes(mode, state);
}

QIconEngine* SizedIconEngine::clone() const {
    return new SizedIconEngine(mSized, mScalable);
}

QString SizedIconEngine::key() const {
    return QStringLiteral("SizedIconEngine");
}
