#include "toolkit/PlainLabel.h"

#include <QHelpEvent>
#include <QToolTip>

PlainLabel::PlainLabel(QWidget* parent) : PlainLabel(QString(), parent) {}

PlainLabel::PlainLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
}

// QToolTip has no plain-text mode: the tooltip is escaped and set in a paragraph that keeps
// its spaces, so that it reads exactly as the property holds it.
bool PlainLabel::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QLabel::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (toolTip().isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(
        help->globalPos(),
        QStringLiteral("<p style='white-space:pre'>%1</p>").arg(toolTip().toHtmlEscaped()), this);
    return true;
}
