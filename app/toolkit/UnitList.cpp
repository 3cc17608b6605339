#include "app/toolkit/UnitList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>

namespace {

QFont defaultFace() {
    QFont face = QApplication::font();
    face.setResolveMask(QFont::AllPropertiesResolved);  // not inherited from the window
    return face;
}

}  // namespace

// Made editable through a line edit of its own rather than setEditable, which would also build
// the popup list at once: the list waits for its first showing.
UnitList::UnitList(const QString& text, QWidget* parent, Face face)
    : QComboBox(parent), mFace(face) {
    auto* edit = new QLineEdit(this);
    edit->setPalette(palette());
    if (face == Face::Default) edit->setFont(defaultFace());
    setLineEdit(edit);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // When editing ends on an item's exact text, the combo box selects that item and emits
    // `activated` as if it had been picked; without this connection typed text stays text.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setEditText(text);
}

void UnitList::showPopup() {
    if (!mListReady) {
        // What setEditable gives the list of an editable combo box.
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        if (mFace == Face::Default) view()->setFont(defaultFace());
        mListReady = true;
    }
    QComboBox::showPopup();
}
