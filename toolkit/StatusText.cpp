#include "toolkit/StatusText.h"

#include <QPainter>

StatusText::StatusText(QWidget* parent) : PlainLabel(parent) {}

void StatusText::setStatus(const QString& text) {
    setText(text);
    updateToolTip();
}

// As narrow as one "…": the status bar may give the line less than its whole text.
QSize StatusText::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("…")),
            QLabel::minimumSizeHint().height()};
}

QString StatusText::shownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void StatusText::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawText(contentsRect(), static_cast<int>(alignment()), shownText());
}

void StatusText::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateToolTip();
}

void StatusText::updateToolTip() {
    setToolTip(shownText() == text() ? QString() : text());
}
