#pragma once

#include <QWidget>

class QTextBrowser;

// "使い方": how to place, drag, join, calculate and convert, the rules a new user trips over (an
// element follows the pointer only over the bare window background; line ends join a terminal
// within 200 twips), and what the menus do, with pictures of the window.
class HowToWindow : public QWidget {
    Q_OBJECT
public:
    explicit HowToWindow(QWidget* parent = nullptr);

private:
    QTextBrowser* mText;
};
