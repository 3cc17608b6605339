#pragma once

#include <QLabel>

// A label that shows its text, and its tooltip, as plain text whatever they hold: captions and
// file names come from files and from typing, and QLabel and QToolTip would otherwise take a text
// that looks like markup for markup (an <img> tag reads the file it names).
class PlainLabel : public QLabel {
    Q_OBJECT
public:
    explicit PlainLabel(QWidget* parent = nullptr);
    explicit PlainLabel(const QString& text, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};
