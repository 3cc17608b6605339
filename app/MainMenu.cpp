#include "app/MainMenu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "app/DrawingDocument.h"
#include "app/Form1.h"
#include "help/HowToWindow.h"
#include "results/ResultFields.h"

namespace {
constexpr int kMessageMilliseconds = 4000;

// "編集" → "結果をコピー" (Ctrl+C where no field takes it): the result fields as text.
void addCopyResults(Form1& form) {
    QMenu* edit = form.menuBar()->findChild<QMenu*>(QStringLiteral("menuEdit"));
    edit->addSeparator();
    QAction* copy = edit->addAction(QStringLiteral("結果をコピー"), &form, [&form] {
        const QString text = form.results().text(form.model());
        if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
        form.statusBar()->showMessage(text.isEmpty()
                                          ? QStringLiteral("コピーする計算結果がありません")
                                          : QStringLiteral("計算結果をコピーしました"),
                                      kMessageMilliseconds);
    });
    copy->setObjectName(QStringLiteral("actionCopyResults"));
    copy->setShortcut(QKeySequence::Copy);
    // Within the client area only: the tool windows above it take Ctrl+C for their own copy.
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    form.clientArea()->addAction(copy);
}

}  // namespace

void buildMainMenu(Form1& form, DrawingDocument& document) {
    QMenuBar* bar = form.menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("menuView"));
    view->addAction(QStringLiteral("周波数特性..."), &form, &Form1::showFrequencyResponse)
        ->setObjectName(QStringLiteral("actionFrequencyResponse"));
    view->addAction(QStringLiteral("測定データを開く..."), &form, &Form1::openMeasurement)
        ->setObjectName(QStringLiteral("actionOpenMeasurement"));
    view->addAction(QStringLiteral("計算過程..."), &form, &Form1::showReductionSteps)
        ->setObjectName(QStringLiteral("actionReductionSteps"));
    // "終了" in the menu is the "終了" command.
    auto* quit = new QAction(QStringLiteral("終了"), &form);
    quit->setObjectName(QStringLiteral("actionQuit"));
    // Fixed, not the platform's quit key, which some platforms leave unbound.
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QObject::connect(quit, &QAction::triggered, &form, &Form1::Command5_Click);
    document.buildMenus(bar, view->menuAction(), quit);
    addCopyResults(form);
    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("menuHelp"));
    help->addAction(QStringLiteral("使い方"), &form, [&form] { showHowTo(&form); })
        ->setObjectName(QStringLiteral("actionHowTo"));
    help->addAction(QStringLiteral("バージョン情報"), &form, [&form] { showAbout(&form); })
        ->setObjectName(QStringLiteral("actionAbout"));
}

void showHowTo(QWidget* parent) {
    auto* window = parent->findChild<HowToWindow*>();
    if (window == nullptr) window = new HowToWindow(parent);
    window->show();
    window->raise();
}

void showAbout(QWidget* parent) {
    QMessageBox::about(parent, QStringLiteral("バージョン情報"),
                       QStringLiteral("Selvoria　Ｖｅｒ．１．２\n"
                                      "抵抗・コイル・コンデンサ回路の複素インピーダンス計算\n"
                                      "GNU General Public License v3.0"));
}
