// What any Qt Widgets program pays to show a window: one main window with a line of Japanese
// text in the Mincho face, sized as given (WIDTHxHEIGHT, the main window's size), shown, painted
// once and ended.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstdio>

#include "FirstPaint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int width = 0;
    int height = 0;
    if (argc != 2 || std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "usage: %s WIDTHxHEIGHT\n", argv[0]);
        return 2;
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Selvoria　Ｖｅｒ．１．２"));
    QFont font;
    font.setFamilies(
        {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"), QStringLiteral("Serif")});
    font.setPointSizeF(9.0);
    window.setFont(font);
    window.setCentralWidget(new QLabel(QStringLiteral("抵抗　コイル　コンデンサ　計算実行")));
    window.setFixedSize(width, height);
    const FirstPaint painted(window);
    window.show();
    return app.exec();
}
