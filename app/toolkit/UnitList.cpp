#include "app/toolkit/UnitList.h"

#include <QLineEdit>

UnitList::UnitList(const QString& text, QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // When editing ends on an item's exact text, the combo box selects that item and emits
    // `activated` as if it had been picked; without this connection typed text stays text.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setEditText(text);
}
