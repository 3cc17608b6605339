#pragma once

#include "toolkit/PlainLabel.h"

// A line of the status bar that may be longer than the room it has: it takes the room left
// beside the other entries and paints what does not fit cut off with "…" at the end, the whole
// text then being its tooltip. text() is always the whole text.
class StatusText : public PlainLabel {
    Q_OBJECT
public:
    explicit StatusText(QWidget* parent = nullptr);

    void setStatus(const QString& text);

    QSize minimumSizeHint() const override;

    // What is painted in the room the label has now.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateToolTip();
};
