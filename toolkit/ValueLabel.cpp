#include "toolkit/ValueLabel.h"

#include <QPainter>

namespace {

constexpr double kSmallestPointSize = 6.0;
constexpr double kPointSizeStep = 0.5;

}  // namespace

ValueLabel::ValueLabel(QWidget* parent) : PlainLabel(parent) {}

void ValueLabel::setCaption(const QString& caption) {
    setText(caption);
    const bool shortened = fit().text != caption;
    setToolTip(shortened ? caption : QString());
    setAccessibleDescription(shortened ? caption : QString());
}

ValueLabel::Fit ValueLabel::fit() const {
    const int room = contentsRect().width();
    if (room == mFittedRoom && text() == mFittedText && font() == mFittedFont) return mFit;
    mFittedRoom = room, mFittedText = text(), mFittedFont = font();
    QFont shrunk = font();
    for (double size = font().pointSizeF(); size >= kSmallestPointSize; size -= kPointSizeStep) {
        shrunk.setPointSizeF(size);
        if (QFontMetrics(shrunk).horizontalAdvance(text()) <= room) return mFit = {shrunk, text()};
    }
    shrunk.setPointSizeF(kSmallestPointSize);
    return mFit = {shrunk, QFontMetrics(shrunk).elidedText(text(), Qt::ElideMiddle, room)};
}

void ValueLabel::paintEvent(QPaintEvent* event) {
    const Fit shown = fit();
    if (shown.font == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(shown.font);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), shown.text);
}
