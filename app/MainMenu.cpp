#include "app/MainMenu.h"

#include <QMenuBar>
#include <QMessageBox>

#include "app/DrawingDocument.h"
#include "app/Form1.h"

void buildMainMenu(Form1& form, DrawingDocument& document) {
    QMenuBar* bar = form.menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("menuView"));
    view->addAction(QStringLiteral("周波数特性..."), &form, &Form1::showFrequencyResponse)
        ->setObjectName(QStringLiteral("actionFrequencyResponse"));
    view->addAction(QStringLiteral("計算過程..."), &form, &Form1::showReductionSteps)
        ->setObjectName(QStringLiteral("actionReductionSteps"));
    // "終了" in the menu is the "終了" command.
    auto* quit = new QAction(QStringLiteral("終了"), &form);
    quit->setObjectName(QStringLiteral("actionQuit"));
    // Fixed, not the platform's quit key, which some platforms leave unbound.
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QObject::connect(quit, &QAction::triggered, &form, &Form1::Command5_Click);
    document.buildMenus(bar, view->menuAction(), quit);
    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("menuHelp"));
    help->addAction(QStringLiteral("使い方"), &form, [&form] { showHowTo(&form); })
        ->setObjectName(QStringLiteral("actionHowTo"));
    help->addAction(QStringLiteral("バージョン情報"), &form, [&form] { showAbout(&form); })
        ->setObjectName(QStringLiteral("actionAbout"));
}

void showHowTo(QWidget* parent) {
    QMessageBox::information(
        parent, QStringLiteral("使い方"),
        QStringLiteral(
            "1. "
            "「抵抗」「コイル」「コンデンサ」で素子を置き、値と単位を入力して「閉じる」を押します。"
            "\n"
            "2. 「周波数」で動作周波数を設定します。\n"
            "3. 素子をマウスでドラッグして配置し、「縦線」「横線」で端子どうしをつなぎます。\n"
            "   上下に並べた二つの素子は、右端と左端をそれぞれ縦線でつなぐと並列になります。\n"
            "   素子の右端を隣の素子の左端に重ねるか、横線でつなぐと直列になります。\n"
            "4. "
            "「計算実行」で合成インピーダンスを計算します。計算に使われた素子の値は赤で表示されます"
            "。\n"
            "5. "
            "「インピーダンス　素子化」で結果を一つの素子に置き換え、大きな回路を段階的に計算できま"
            "す。\n"
            "6. "
            "背景をダブルクリックすると最後に扱った素子または線を削除し、「クリア」ですべて消去しま"
            "す。\n"
            "「表示」メニューから周波数特性と計算過程を見ることができます。"));
}

void showAbout(QWidget* parent) {
    QMessageBox::about(parent, QStringLiteral("バージョン情報"),
                       QStringLiteral("Selvoria　Ｖｅｒ．１．２\n"
                                      "抵抗・コイル・コンデンサ回路の複素インピーダンス計算\n"
                                      "GNU General Public License v3.0"));
}
