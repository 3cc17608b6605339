#include "response/ResponseCommands.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>

#include "response/ResponseWindow.h"

namespace {

struct Export {
    const char* button;
    const char* objectName;
    const char* fileName;
    const char* filter;
    bool (ResponseWindow::*save)(const QString&);
};

const Export kExports[] = {
    {"CSV保存", "saveCsv", "周波数特性.csv", "CSV (*.csv)", &ResponseWindow::saveCsv},
    {"Touchstone保存", "saveTouchstone", "周波数特性.s1p", "Touchstone (*.s1p)",
     &ResponseWindow::saveTouchstone},
    {"PNG保存", "savePng", "周波数特性.png", "PNG (*.png)", &ResponseWindow::savePng},
    {"SVG保存", "saveSvg", "周波数特性.svg", "SVG (*.svg)", &ResponseWindow::saveSvg},
    {"PDF保存", "savePdf", "周波数特性.pdf", "PDF (*.pdf)", &ResponseWindow::savePdf},
};

}  // namespace

QDialogButtonBox* commandButtons(ResponseWindow& window) {
    auto* buttons = new QDialogButtonBox;
    buttons->setObjectName(QStringLiteral("exports"));
    for (const Export& row : kExports) {
        QPushButton* button =
            buttons->addButton(QString::fromUtf8(row.button), QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(row.objectName));
        QObject::connect(button, &QPushButton::clicked, &window, [&window, &row] {
            window.askAndSave(QString::fromUtf8(row.button), QString::fromUtf8(row.fileName),
                              QString::fromUtf8(row.filter), row.save);
        });
    }
    QPushButton* close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), &window, &window, &QWidget::close);
    return buttons;
}

void addCopyCommand(ResponseWindow& window) {
    auto* copy = new QAction(QStringLiteral("コピー"), &window);
    copy->setObjectName(QStringLiteral("actionCopyReadout"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QAction::triggered, &window, &ResponseWindow::copyReadout);
    window.addAction(copy);
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}
