#pragma once

#include <QPushButton>

// A command button whose caption wraps onto several lines when it is wider than the button,
// as the tall "インピーダンス　素子化" button needs. text() stays the caption as given.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
