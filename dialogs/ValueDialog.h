#pragma once

#include <QDialog>

#include "dialogs/DialogDesign.h"

struct CircuitModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The modal value-entry dialog in its four copies: resistance (Form2), inductance (Form3),
// capacitance (Form4) and frequency (Form5). It is built anew for every opening and leaves what
// the user entered in the model's exchange values: the typed number, the unit multiplier and,
// for the part dialogs, whether it was cancelled.
class ValueDialog : public QDialog {
    Q_OBJECT
public:
    ValueDialog(ValueKind kind, CircuitModel& model, QWidget* parent = nullptr);

signals:
    // The frequency dialog's "閉じる" asks the main window to drop highlights and results.
    void closingByCommand1();

public slots:
    void Form_Load();
    void Text1_Change();
    void Text1_GotFocus();
    void Text1_KeyDown(int keyCode);
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    double& enteredNumber();
    double& multiplier();
    void selectWholeText();

    ValueKind mKind;
    DialogDesign mDesign;
    CircuitModel& mModel;
    QLabel* mLabel1 = nullptr;
    QLineEdit* mText1 = nullptr;
    QComboBox* mCombo1 = nullptr;
    QPushButton* mCommand1 = nullptr;
    QPushButton* mCommand2 = nullptr;
};
