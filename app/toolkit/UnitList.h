#pragma once

#include <QComboBox>

// An editable unit list in which only a pick counts: an item chosen from the popup (mouse or
// keys), with the arrow keys or with the wheel on the closed list emits `activated`. Text typed
// into the edit area never picks an item and is never added to the list, also when it equals an
// item and editing ends with Enter or by leaving the field.
class UnitList : public QComboBox {
    Q_OBJECT
public:
    // The face of the units, in the edit field as in the popup list: the window's, or the
    // application's default face whatever the window around has.
    enum class Face { Inherited, Default };

    explicit UnitList(const QString& text, QWidget* parent = nullptr, Face face = Face::Inherited);

    void showPopup() override;

private:
    Face mFace;
    bool mListReady = false;
};
