#pragma once

#include <QComboBox>

// An editable unit list in which only a pick counts: an item chosen from the popup (mouse or
// keys), with the arrow keys or with the wheel on the closed list emits `activated`. Text typed
// into the edit area never picks an item and is never added to the list, also when it equals an
// item and editing ends with Enter or by leaving the field. When editing ends, the field shows
// again the unit in force: the one last picked or set by the program.
class UnitList : public QComboBox {
    Q_OBJECT
public:
    explicit UnitList(const QString& text, QWidget* parent = nullptr);

    void showPopup() override;

private:
    void showUnitInForce();

    bool mListReady = false;
    QString mInForce;
};
