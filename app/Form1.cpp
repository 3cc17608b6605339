#include "app/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <string>

#include "app/ControlTable.h"
#include "app/DrawingDocument.h"
#include "app/MainMenu.h"
#include "dialogs/ValueDialog.h"
#include "editor/DragController.h"
#include "editor/DrawingArea.h"
#include "engine/Calculation.h"
#include "engine/PartImpedance.h"
#include "following/StepsWindow.h"
#include "model/CircuitEdits.h"
#include "model/ControlNames.h"
#include "model/Palette.h"
#include "results/ImpedanceLabels.h"
#include "results/ResultFields.h"
#include "results/ResultUnits.h"
#include "text/NumberText.h"
#include "text/NumericText.h"
#include "toolkit/Appearance.h"
#include "toolkit/Messages.h"
#include "toolkit/Twips.h"

// A line's length is read from its image as it stands now, not from the kind constants.
static double lineLength(const QWidget* image) {
    const bool vertical = isVerticalImage(imageNumber(image->objectName().toStdString()));
    return pixelsToTwips(vertical ? image->height() : image->width());
}

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setFont(minchoFont());
    mClientArea = buildClientArea(this);
    setCentralWidget(mClientArea);
    mDrawing = new DrawingArea(mClientArea, mModel);
    setUpStatusBar(statusBar());
    mResults = std::make_unique<ResultFields>(mClientArea, statusBar());
    connectCommands();
    mDocument = new DrawingDocument(mModel, this, statusBar());
    connect(mDocument, &DrawingDocument::replaced, this, &Form1::showWholeDrawing);
    connect(mDocument, &DrawingDocument::edited, this, &Form1::followDrawing);
    connect(mDocument, &DrawingDocument::measurementsReplaced, this, &Form1::showMeasurements);
    connect(&mDrawing->dragging(), &DragController::started, mDocument,
            &DrawingDocument::beginDrag);
    connect(&mDrawing->dragging(), &DragController::finished, mDocument, &DrawingDocument::endDrag);
    buildMainMenu(*this, *mDocument);
    Form_Load();
    setFixedSize(sizeHint());
}

Form1::~Form1() = default;

void Form1::connectCommands() {
    mCommand4 = control<QPushButton>("Command4");
    mCommand6 = control<QPushButton>("Command6");
    mCommand9 = control<QPushButton>("Command9");
    mCombo1 = control<QComboBox>("Combo1");
    mLabel1 = control<QLabel>("Label1");
    mLabel2 = control<QLabel>("Label2");
    mLabel18 = control<QLabel>("Label18");
    mLabel19 = control<QLabel>("Label19");
    const std::pair<const char*, void (Form1::*)()> commands[] = {
        {"Command1", &Form1::Command1_Click}, {"Command2", &Form1::Command2_Click},
        {"Command3", &Form1::Command3_Click}, {"Command4", &Form1::Command4_Click},
        {"Command5", &Form1::Command5_Click}, {"Command6", &Form1::Command6_Click},
        {"Command7", &Form1::Command7_Click}, {"Command8", &Form1::Command8_Click},
        {"Command9", &Form1::Command9_Click}, {"Command10", &Form1::Command10_Click}};
    for (const auto& [name, handler] : commands)
        connect(control<QPushButton>(name), &QPushButton::clicked, this, handler);
    // activated, not a change signal: picking the unit already shown recalculates too.
    connect(mCombo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(&mDrawing->dragging(), &DragController::dragOver, this,
            [this](QWidget* source, float x, float y) { Form_DragOver(source, x, y, kDragOver); });
    connect(&mDrawing->dragging(), &DragController::dropped, this,
            [this](QWidget*, QWidget* target) { Picture_DragDrop(target); });
    connect(mDrawing, &DrawingArea::backgroundDoubleClicked, this, &Form1::Form_DblClick);
}

template <typename T>
T* Form1::control(const char* name) const {
    return mClientArea->findChild<T*>(QString::fromLatin1(name));
}

QLabel* Form1::picture(int slot) const {
    return mDrawing->picture(slot);
}

QLabel* Form1::lineImage(int imageNumber) const {
    return mDrawing->lineImage(imageNumber);
}

const std::vector<ValueLabel*>& Form1::valueLabels(int slot) const {
    return mDrawing->valueLabels(slot);
}

void Form1::Form_Load() {
    setWindowTitle(QStringLiteral("Selvoria　Ｖｅｒ．１．２"));
    mClientArea->setCursor(Qt::CrossCursor);
    loadInitialState(mModel);
    for (const ResultUnit& unit : kResultUnits) mCombo1->addItem(QString::fromUtf8(unit.text));
    mCommand9->setVisible(false);
    mDrawing->showDrawing();
}

void Form1::Command1_Click() {
    placePart(PartKind::Resistor);
}
void Form1::Command2_Click() {
    placePart(PartKind::Coil);
}
void Form1::Command3_Click() {
    placePart(PartKind::Capacitor);
}

void Form1::placePart(PartKind kind) {
    const DrawingDocument::Step step(*mDocument, "配置");
    const int k = firstFreeIndex(mModel, kind);
    if (k != 0) {
        ValueDialog dialog(valueKindOfPart(kind), mModel, this);
        dialog.exec();
        if (mModel.dialogCancelled == 0) showPlacedPart(kind, k);
    }
    mModel.dialogCancelled = 0;
}

void Form1::showPlacedPart(PartKind kind, int k) {
    const ValueKind valueKind = valueKindOfPart(kind);
    const double number = enteredNumber(mModel, valueKind);
    const double multiplier = unitMultiplier(mModel, valueKind);
    // A product beyond the double range would put an infinity into the drawing: such an entry
    // is refused like a text that is not a number.
    if (!std::isfinite(number * multiplier)) return;
    const int slot = slotOf(kind, k);
    if (const UnitItem* unit = unitWithMultiplier(valueKind, multiplier))
        mModel.valueCaption[slot][0] = signedText(number) + unit->text;
    ::placePart(mModel, kind, k, number * multiplier);
    mDrawing->showPart(slot);
}

void Form1::Command4_Click() {
    // The dialog writes the typed number into the frequency while it is open; keep what was
    // shown so that an entry whose hertz value overflows can be refused as a whole.
    const DrawingDocument::Step step(*mDocument, "周波数");
    const double previousFrequency = mModel.frequency;
    ValueDialog dialog(ValueKind::Frequency, mModel, this);
    connect(&dialog, &ValueDialog::closingByCommand1, this, [this] {
        lblclr();
        clrimpdisp();
        mCommand9->setVisible(false);
    });
    dialog.exec();
    const double hertz = mModel.frequency * mModel.frequencyUnit;
    if (!std::isfinite(hertz)) {
        mModel.frequency = previousFrequency;
        return;
    }
    mModel.frequencyCaption = plainText(mModel.frequency, systemSeparators().decimalPoint);
    if (const UnitItem* unit = unitWithMultiplier(ValueKind::Frequency, mModel.frequencyUnit))
        mModel.frequencyUnitCaption = unit->text;
    showFrequency();
    mModel.frequency = hertz;
}

// Label18, Label19 and "周波数" as the model has them.
void Form1::showFrequency() {
    mLabel18->setText(QString::fromStdString(mModel.frequencyCaption));
    mLabel19->setText(QString::fromStdString(mModel.frequencyUnitCaption));
    mCommand4->setVisible(mModel.frequencyCommandShown);
}

// After undo, redo, "新規" or "開く": the drawing as the model now has it, with no result, no
// marks, every part with its normal symbol and the result unit the model holds.
void Form1::showWholeDrawing() {
    clearCoordinates();
    clrimpdisp();
    mCommand9->setVisible(false);
    ::lblclr(mModel);
    mDrawing->showSymbols();
    mDrawing->showDrawing();
    showFrequency();
    mCombo1->setCurrentText(QString::fromStdString(resultUnitText(mModel.resultUnitFactor)));
    followDrawing();
}

void Form1::lblclr() {
    ::lblclr(mModel);
    mDrawing->showMarks();
}

void Form1::Command5_Click() {
    if (!mDocument->mayDiscard()) return;
    mEnding = true;
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void Form1::Command6_Click() {
    // The one error handler of the calculation: whatever goes wrong inside it ends up here.
    try {
        Calculate(mModel);
    } catch (...) {
        reportFailure();
        return;
    }
    showResult();
}

void Form1::showResult() {
    mResults->show(mModel);
    mCommand9->setVisible(true);
    mDrawing->showMarks();
}

void Form1::reportFailure() {
    clrimpdisp();
    // The marks now belong to the failed walk, the stored result to an earlier one: converting
    // would mix the two.
    mCommand9->setVisible(false);
    mDrawing->showMarks();
    showCriticalMessage(this, mModel.startPart == 0
                                  ? QStringLiteral("Ｒ，Ｌ，Ｃの素子を配置して下さい")
                                  : QStringLiteral("０で除算されたエラー"));
    mResults->explainFailure(mModel);
    mCommand6->setFocus();
}

void Form1::Combo1_Click() {
    const ResultUnit* unit = resultUnitNamed(mCombo1->currentText().toStdString());
    if (unit == nullptr) return;
    mModel.resultUnitFactor = unit->factor;
    Command6_Click();
    mCommand6->setFocus();
    followDrawing();
}

void Form1::Command7_Click() {
    placeLine(true);
}
void Form1::Command8_Click() {
    placeLine(false);
}

void Form1::placeLine(bool vertical) {
    const DrawingDocument::Step step(*mDocument, "配置");
    if (const int image = ::placeLine(mModel, vertical)) mDrawing->showLine(image);
}

void Form1::Form_DragOver(QWidget* Source, float X, float Y, int /*State: every event alike*/) {
    mDrawing->showCrossHair(Source);
    mCommand9->setVisible(false);
    lblclr();
    clrimpdisp();
    const std::string name = Source->objectName().toStdString();
    if (name.starts_with("Picture")) {
        if (const int slot = dragPartTo(mModel, name, X, Y)) {
            mDrawing->showDragBitmap(slot);
            mDrawing->showPart(slot);
        }
    } else if (const int image = dragLineTo(mModel, name, X, Y, lineLength(Source))) {
        mDrawing->showLine(image);
    }
    showCoordinates(X, Y);
    followDrawing();
}

void Form1::showCoordinates(float x, float y) {
    mLabel1->setText(QString::fromStdString(plainText(x)));
    mLabel2->setText(QString::fromStdString(plainText(y)));
}

void Form1::Picture_DragDrop(QWidget* target) {
    if (const int slot = dropTargetSlot(target->objectName().toStdString()))
        mDrawing->showNormalBitmap(slot);
}

void Form1::Form_DblClick() {
    const DrawingDocument::Step step(*mDocument, "削除");
    mModel.startPart = 0;
    clearCoordinates();
    lblclr();
    clrimpdisp();
    // The shown result is withdrawn, so it can no longer be turned into a part.
    mCommand9->setVisible(false);
    removeLastElement(mModel);
    mDrawing->showDrawing();
    RefreshCombinedTables(mModel);
    FindStartPart(mModel);
    if (mModel.startPart == 0) showNoPartLeft();
}

void Form1::clearCoordinates() {
    mLabel1->setText(QString());
    mLabel2->setText(QString());
}

// With no part left the drawing starts over: the frequency may be set again from 0.
void Form1::showNoPartLeft() {
    mModel.frequencyCommandShown = true;
    mCommand9->setVisible(false);
    mModel.frequencyCaption = std::to_string(0);
    showFrequency();
    mModel.frequency = 0;
}

void Form1::Command10_Click() {
    const DrawingDocument::Step step(*mDocument, "クリア");
    mModel.startPart = 0;
    clearCoordinates();
    showNoPartLeft();
    clrimpdisp();
    lblclr();
    ClearDrawing();
}

void Form1::ClearDrawing() {
    clearDrawing(mModel);
    mDrawing->showDrawing();
}

void Form1::Command9_Click() {
    // With every impedance slot taken by a part outside the result, the reduced network would be
    // removed with nothing to replace it.
    if (!conversionFindsImpedanceSlot(mModel)) {
        showCriticalMessage(this, QStringLiteral("インピーダンス素子は５個までです"));
        return;
    }
    const DrawingDocument::Step step(*mDocument, "素子化");
    clearCoordinates();
    mModel.frequencyCommandShown = false;
    showFrequency();
    clrimpdisp();
    RemoveReducedParts();
    lblclr();
    if (const int k = firstFreeIndex(mModel, PartKind::Impedance)) showImpedancePart(k);
    mCommand9->setVisible(false);
    // The next step of a staged reduction; the tab order would hand the focus to "クリア".
    mCommand6->setFocus();
}

// The parts the last calculation took into its result, and every line, leave the drawing.
void Form1::RemoveReducedParts() {
    removeReducedParts(mModel);
    mDrawing->showDrawing();
}

void Form1::showImpedancePart(int k) {
    const int slot = slotOf(PartKind::Impedance, k);
    // The unit the shown result was scaled with, whatever text now stands in the list.
    const std::string unit = resultUnitText(mModel.resultUnitFactor);
    mModel.valueCaption[slot] = {realPartLabel(mModel.shownRe, unit),
                                 imaginaryPartLabel(mModel.shownIm, unit)};
    placeImpedancePart(mModel, k);
    mDrawing->showPart(slot);
}

void Form1::clrimpdisp() {
    mResults->clear();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!mEnding && !mDocument->mayDiscard()) event->ignore();
}

// The open analysis windows follow every change; they share one copy of the model per frame.
void Form1::followDrawing() {
    mSnapshot.changed();
    mResponse.follow(mSnapshot);
    if (mSteps != nullptr) mSteps->follow(mSnapshot);
}

void Form1::showFrequencyResponse() {
    mResponse.show(this, mSnapshot, mDocument);
}

void Form1::openMeasurement() {
    mResponse.openMeasurement(this, mSnapshot, mDocument);
}

void Form1::showMeasurements(const MeasurementSources& sources) {
    mResponse.showMeasurements(this, mSnapshot, mDocument, sources);
}

void Form1::showReductionSteps() {
    if (mSteps == nullptr) mSteps = new StepsWindow(this);
    mSteps->follow(mSnapshot);
    mSteps->show();
    mSteps->raise();
}
