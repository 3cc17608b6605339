#include "toolkit/UnitList.h"

#include <QAbstractItemView>
#include <QLineEdit>

// Made editable through a line edit of its own rather than setEditable, which would also build
// the popup list at once: the list waits for its first showing.
UnitList::UnitList(const QString& text, QWidget* parent) : QComboBox(parent) {
    auto* edit = new QLineEdit(this);
    edit->setPalette(palette());
    setLineEdit(edit);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // When editing ends on an item's exact text, the combo box selects that item and emits
    // `activated` as if it had been picked; without this connection typed text stays text.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    // Text the program sets, or a pick writes, leaves the field unmodified; typing marks it.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& shown) {
        if (!lineEdit()->isModified()) mInForce = shown;
    });
    connect(lineEdit(), &QLineEdit::editingFinished, this, &UnitList::showUnitInForce);
    setEditText(text);
}

void UnitList::showUnitInForce() {
    if (!lineEdit()->isModified()) return;
    setEditText(mInForce);
    lineEdit()->setModified(false);
}

void UnitList::showPopup() {
    if (!mListReady) {
        // What setEditable gives the list of an editable combo box.
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        mListReady = true;
    }
    QComboBox::showPopup();
}
