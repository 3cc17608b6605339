#include "app/DrawingDocument.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "app/DrawingFile.h"
#include "app/DrawingStep.h"
#include "dialogs/ValueCaption.h"
#include "engine/SpiceNetlist.h"
#include "engine/WiredCheck.h"
#include "results/WiredCheckText.h"
#include "toolkit/Messages.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/SaveFile.h"

namespace {

const QString kFilter = QStringLiteral("Selvoria 図面 (*.selvoria)");
constexpr int kUndoLimit = 1000;

QAction* addAction(QMenu* menu, const QString& text, const char* name,
                   const QList<QKeySequence>& keys) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

// The undo and redo commands name the step they would take: "元に戻す: ドラッグ".
void nameSteps(QAction* action, const QString& command, const QString& step) {
    action->setText(step.isEmpty() ? command : command + QStringLiteral(": ") + step);
}

// Whether the drawing is still the one a fit started from: which element was handled last and the
// calculation's start part do not change the network.
bool sameNetwork(DrawingState now, const DrawingState& before) {
    now.startPart = before.startPart;
    return now.samePlaces(before);
}

}  // namespace

DrawingDocument::DrawingDocument(CircuitModel& model, QWidget* window, QStatusBar* statusBar)
    : QObject(window), mModel(model), mWindow(window), mFileName(new PlainLabel(statusBar)) {
    mFileName->setObjectName(QStringLiteral("fileName"));
    statusBar->addWidget(mFileName);
    mHistory.setUndoLimit(kUndoLimit);
}

void DrawingDocument::buildMenus(QMenuBar* bar, QAction* before, QAction* quit) {
    auto* file = new QMenu(QStringLiteral("ファイル(&F)"), bar);
    file->setObjectName(QStringLiteral("menuFile"));
    bar->insertMenu(before, file);
    connect(
        addAction(file, QStringLiteral("新規"), "actionNew", {QKeySequence(Qt::CTRL | Qt::Key_N)}),
        &QAction::triggered, this, &DrawingDocument::newDrawing);
    connect(addAction(file, QStringLiteral("開く..."), "actionOpen",
                      {QKeySequence(Qt::CTRL | Qt::Key_O)}),
            &QAction::triggered, this, &DrawingDocument::open);
    connect(
        addAction(file, QStringLiteral("保存"), "actionSave", {QKeySequence(Qt::CTRL | Qt::Key_S)}),
        &QAction::triggered, this, &DrawingDocument::save);
    connect(addAction(file, QStringLiteral("名前を付けて保存..."), "actionSaveAs",
                      {QKeySequence(QStringLiteral("Ctrl+Shift+S"))}),
            &QAction::triggered, this, &DrawingDocument::saveAs);
    file->addSeparator();
    connect(
        addAction(file, QStringLiteral("SPICE ネットリスト書き出し..."), "actionExportNetlist", {}),
        &QAction::triggered, this, &DrawingDocument::exportNetlist);
    file->addSeparator();
    file->addAction(quit);

    auto* edit = new QMenu(QStringLiteral("編集(&E)"), bar);
    edit->setObjectName(QStringLiteral("menuEdit"));
    bar->insertMenu(before, edit);
    const QString undoText = QStringLiteral("元に戻す"), redoText = QStringLiteral("やり直し");
    QAction* undo = addAction(edit, undoText, "actionUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = addAction(
        edit, redoText, "actionRedo",
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    undo->setEnabled(false), redo->setEnabled(false);
    connect(undo, &QAction::triggered, &mHistory, &QUndoStack::undo);
    connect(redo, &QAction::triggered, &mHistory, &QUndoStack::redo);
    connect(&mHistory, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&mHistory, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&mHistory, &QUndoStack::undoTextChanged, undo,
            [=](const QString& step) { nameSteps(undo, undoText, step); });
    connect(&mHistory, &QUndoStack::redoTextChanged, redo,
            [=](const QString& step) { nameSteps(redo, redoText, step); });
}

void DrawingDocument::record(const QString& text, const DrawingState& before) {
    DrawingState after = captureDrawing(mModel);
    if (after == before) return;
    mHistory.push(new DrawingStep(text, before, std::move(after),
                                  [this](const DrawingState& state) { apply(state); }));
    emit edited();
}

void DrawingDocument::applyFit(const FittedDrawing& fitted) {
    if (!sameNetwork(captureDrawing(mModel), fitted.before)) {
        QWidget* over = QApplication::activeWindow();
        showCriticalMessage(over != nullptr ? over : mWindow,
                            QStringLiteral("フィットを始めた後で回路が変わりました。値は書き込み"
                                           "ません。もう一度フィットを実行して下さい。"));
        return;
    }
    const Step step(*this, "フィット");
    for (const FittedPartValue& part : fitted.values) {
        mModel.slotValue[part.slot] = part.value;
        std::string& caption = mModel.valueCaption[part.slot][0];
        caption = valueCaption(kindOfSlot(part.slot), part.value, caption);
    }
    emit replaced();
}

DrawingDocument::Step::Step(DrawingDocument& document, const char* text)
    : mDocument(document),
      mText(QString::fromUtf8(text)),
      mBefore(captureDrawing(document.mModel)) {}

DrawingDocument::Step::~Step() {
    mDocument.record(mText, mBefore);
}

void DrawingDocument::beginDrag() {
    mDragStart = captureDrawing(mModel);
}

// Only a drag that moved an element is a step; one put back where it was is none.
void DrawingDocument::endDrag() {
    if (!captureDrawing(mModel).samePlaces(mDragStart))
        record(QStringLiteral("ドラッグ"), mDragStart);
}

void DrawingDocument::apply(const DrawingState& state) {
    restoreDrawing(mModel, state);
    emit replaced();
}

void DrawingDocument::newDrawing() {
    if (!mayDiscard()) return;
    mModel = CircuitModel{};
    loadInitialState(mModel);
    mMeasurements.clear();
    startOver(QString(), std::nullopt);
    emit replaced();
    emit measurementsReplaced(mMeasurements);
}

void DrawingDocument::open() {
    if (!mayDiscard()) return;
    const QString path =
        QFileDialog::getOpenFileName(mWindow, QStringLiteral("開く"), folder(),
                                     kFilter + QStringLiteral(";;すべてのファイル (*)"));
    if (!path.isEmpty()) openPath(path);
}

bool DrawingDocument::openPath(const QString& path) {
    const DrawingFileRead read = readDrawingFile(path);
    if (!read.contents) {
        showCriticalMessage(mWindow, QStringLiteral("開けませんでした。\n%1\n理由：%2")
                                         .arg(QDir::toNativeSeparators(path), read.problem));
        return false;
    }
    restoreFileContents(mModel, *read.contents);
    mModel.startPart = 0;
    mMeasurements = read.measurements;
    startOver(QFileInfo(path).absoluteFilePath(), read.contents);
    emit replaced();
    emit measurementsReplaced(mMeasurements);
    return true;
}

bool DrawingDocument::save() {
    return mPath.isEmpty() ? saveAs() : writeTo(mPath);
}

bool DrawingDocument::saveAs() {
    const QString name =
        mPath.isEmpty() ? QStringLiteral("回路.selvoria") : QFileInfo(mPath).fileName();
    const QString path =
        askSavePath(mWindow, QStringLiteral("名前を付けて保存"), name, kFilter, folder());
    return !path.isEmpty() && writeTo(path);
}

bool DrawingDocument::writeTo(const QString& path) {
    const DrawingFileContents contents = captureFileContents(mModel);
    const QByteArray bytes =
        encodeDrawingFile(contents, mMeasurements, QFileInfo(path).absolutePath());
    if (!saveBytes(mWindow, path, bytes)) return false;
    mPath = QFileInfo(path).absoluteFilePath();
    mSaved = contents;
    mSavedMeasurements = mMeasurements;
    mFileName->setText(QFileInfo(mPath).fileName());
    return true;
}

void DrawingDocument::startOver(const QString& path,
                                const std::optional<DrawingFileContents>& saved) {
    mPath = path;
    mSaved = saved;
    mSavedMeasurements = mMeasurements;
    mHistory.clear();
    mFileName->setText(path.isEmpty() ? QString() : QFileInfo(path).fileName());
}

void DrawingDocument::setMeasurements(const MeasurementSources& sources) {
    mMeasurements = sources;
}

void DrawingDocument::exportNetlist() {
    const SpiceNetlist netlist = WriteSpiceNetlist(mModel);
    if (netlist.refusal == SpiceNetlist::Refusal::NotAboveZeroHertz)
        return showCriticalMessage(mWindow,
                                   QStringLiteral("動作周波数が 0 Hz です。交流解析には 0 Hz "
                                                  "より大きい周波数が要ります。「周波数」で"
                                                  "設定してください。"));
    if (netlist.refusal != SpiceNetlist::Refusal::None)
        return showCriticalMessage(
            mWindow, QStringLiteral("図の配線から端子間のインピーダンスを求められません。\n") +
                         wiredCheckText(CheckWiredDrawing(mModel), mModel.resultUnitFactor));
    const QString path = askSavePath(mWindow, QStringLiteral("SPICE ネットリスト書き出し"),
                                     QStringLiteral("回路.cir"),
                                     QStringLiteral("SPICE ネットリスト (*.cir)"), folder());
    if (path.isEmpty()) return;
    saveBytes(mWindow, path, QByteArray::fromStdString(netlist.text));
}

QString DrawingDocument::folder() const {
    return mPath.isEmpty() ? documentsFolder() : QFileInfo(mPath).absolutePath();
}

// What the file holds is compared as written, so that only a change the file would keep
// (the result unit included) counts; a calculation alone changes nothing.
bool DrawingDocument::mayDiscard() {
    if (!mSaved || (encodeDrawingFile(captureFileContents(mModel)) == encodeDrawingFile(*mSaved) &&
                    mMeasurements == mSavedMeasurements))
        return true;
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Selvoria"),
        QStringLiteral("「%1」への変更を保存しますか？").arg(QFileInfo(mPath).fileName()),
        QMessageBox::NoButton, mWindow);
    box.setObjectName(QStringLiteral("saveChangesQuestion"));
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("破棄"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == save) return this->save();
    return box.clickedButton() == discard;
}
