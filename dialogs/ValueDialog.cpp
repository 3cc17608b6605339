#include "dialogs/ValueDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/CircuitModel.h"
#include "text/NumericText.h"
#include "toolkit/Appearance.h"
#include "toolkit/Twips.h"
#include "toolkit/UnitList.h"

namespace {

constexpr int kEnterKeyCode = 13;
constexpr double kPromptPointSize = 15.75;

int keyCodeOf(const QKeyEvent* event) {
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter ? kEnterKeyCode : key;
}

}  // namespace

ValueDialog::ValueDialog(ValueKind kind, CircuitModel& model, QWidget* parent)
    : QDialog(parent), mKind(kind), mDesign(dialogDesign(kind)), mModel(model) {
    setObjectName(QString::fromLatin1(mDesign.objectName));
    setWindowTitle(QString::fromUtf8(mDesign.caption));
    setFont(minchoFont());
    setFixedSize(twipsToPixels(4665), twipsToPixels(2640));
    buildControls();
    Form_Load();
}

void ValueDialog::buildControls() {
    // The number field is created first so that it is first in the tab order and has the focus
    // when the dialog opens.
    mText1 = new QLineEdit(QStringLiteral("0"), this);
    mText1->setObjectName(QStringLiteral("Text1"));
    mText1->setFont(minchoFont(kPromptPointSize));
    setTwipsGeometry(mText1, 1485, 540, 1455, 495);
    mText1->installEventFilter(this);
    connect(mText1, &QLineEdit::textChanged, this, &ValueDialog::Text1_Change);

    mCombo1 = new UnitList(QString::fromUtf8(mDesign.units[0].text), this);
    mCombo1->setObjectName(QStringLiteral("Combo1"));
    setTwipsGeometry(mCombo1, 3135, 585, 975, 405);
    // activated, not a change signal: picking the unit already shown counts as a pick.
    connect(mCombo1, &QComboBox::activated, this, &ValueDialog::Combo1_Click);

    const bool frequency = mKind == ValueKind::Frequency;
    mCommand1 = new QPushButton(QStringLiteral("閉じる"), this);
    mCommand1->setObjectName(QStringLiteral("Command1"));
    setTwipsGeometry(mCommand1, frequency ? 1605 : 600, 1620, 1455, 495);
    connect(mCommand1, &QPushButton::clicked, this, &ValueDialog::Command1_Click);
    if (!frequency) {
        mCommand2 = new QPushButton(QStringLiteral("取り消し"), this);
        mCommand2->setObjectName(QStringLiteral("Command2"));
        setTwipsGeometry(mCommand2, 2640, 1605, 1455, 495);
        connect(mCommand2, &QPushButton::clicked, this, &ValueDialog::Command2_Click);
    }
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);

    mLabel1 = new QLabel(QString::fromUtf8(mDesign.prompt), this);
    mLabel1->setObjectName(QStringLiteral("Label1"));
    mLabel1->setFont(minchoFont(kPromptPointSize));
    setTwipsGeometry(mLabel1, 825, 615, 735, 495);
    mText1->setFocus();
}

double& ValueDialog::enteredNumber() {
    return ::enteredNumber(mModel, mKind);
}

double& ValueDialog::multiplier() {
    return unitMultiplier(mModel, mKind);
}

void ValueDialog::selectWholeText() {
    mText1->setSelection(0, mText1->text().length());
}

void ValueDialog::Form_Load() {
    if (mKind != ValueKind::Frequency) mModel.dialogCancelled = 0;
    selectWholeText();
    multiplier() = 1.0;
    for (const UnitItem& unit : mDesign.units) mCombo1->addItem(QString::fromUtf8(unit.text));
}

void ValueDialog::Text1_Change() {
    const std::string text = mText1->text().toStdString();
    if (isNumericText(text))
        enteredNumber() = readLeadingNumber(text);
    else
        mText1->setText(QString());
}

void ValueDialog::Text1_GotFocus() {
    selectWholeText();
}

void ValueDialog::Text1_KeyDown(int keyCode) {
    if (keyCode == kEnterKeyCode) {
        // Re-entering the shown text commits it through the change rule even when untouched.
        const QString shown = mText1->text();
        mText1->setText(QString());
        mText1->insert(shown);
        mCommand1->setFocus();
        return;
    }
    if (mText1->hasSelectedText()) mText1->insert(QString());
}

void ValueDialog::Combo1_Click() {
    const UnitItem* unit = unitWithText(mKind, mCombo1->currentText().toStdString());
    if (unit == nullptr) return;
    multiplier() = unit->multiplier;
    mText1->setFocus();
    selectWholeText();
}

void ValueDialog::Command1_Click() {
    if (mKind == ValueKind::Frequency) emit closingByCommand1();
    accept();
}

void ValueDialog::Command2_Click() {
    mModel.dialogCancelled = 1;
    reject();
}

bool ValueDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != mText1) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) Text1_GotFocus();
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int keyCode = keyCodeOf(key);
    Text1_KeyDown(keyCode);
    // Enter is fully handled by the field; Escape must not reach the dialog and close it.
    return keyCode == kEnterKeyCode || key->key() == Qt::Key_Escape;
}

void ValueDialog::keyPressEvent(QKeyEvent* event) {
    // Escape never closes the dialog, and Enter presses only the button that has the focus:
    // every key's effect in these dialogs is defined by their own handlers.
    if (keyCodeOf(event) == kEnterKeyCode) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}
