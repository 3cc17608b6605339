#include "toolkit/Messages.h"

#include <QMessageBox>

void showCriticalMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Selvoria"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}
