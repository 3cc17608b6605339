#include "toolkit/Messages.h"

#include <QMessageBox>

void showCriticalMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Selvoria"), text, QMessageBox::Ok,
                    parent);
    // The text may name a file or quote what a file holds.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
