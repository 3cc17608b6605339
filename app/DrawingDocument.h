#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <optional>

#include "model/DrawingFileContents.h"
#include "response/FittedDrawing.h"
#include "response/MeasurementSource.h"

class QAction;
class QLabel;
class QMenuBar;
class QStatusBar;
class QWidget;

// The drawing as a document: its file, opened and saved whole, and the history of editing
// steps that undo and redo walk. It only ever replaces the model's drawing as a whole and then
// says so (`replaced`), so that the window shows it again from the model.
class DrawingDocument : public QObject {
    Q_OBJECT
public:
    DrawingDocument(CircuitModel& model, QWidget* window, QStatusBar* statusBar);

    // "ファイル" and "編集" go before `before`, the "表示" menu.
    void buildMenus(QMenuBar* bar, QAction* before, QAction* quit);

    // Records one editing step when the drawing changed since `before`. A drag is a step only
    // when an element moved.
    void record(const QString& text, const DrawingState& before);
    // Taken at construction, recorded at the end of the scope: one handler, one step.
    class Step {
    public:
        Step(DrawingDocument& document, const char* text);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        DrawingDocument& mDocument;
        QString mText;
        DrawingState mBefore;
    };

    // Once the drawing was opened or saved and has changed since, asks whether to save it
    // first. False when the user cancels or the save fails.
    bool mayDiscard();
    bool openPath(const QString& path);
    const QString& path() const { return mPath; }
    // The measurements shown with the drawing, kept in its file.
    const MeasurementSources& measurements() const { return mMeasurements; }
    QUndoStack& history() { return mHistory; }

public slots:
    void newDrawing();
    void open();
    bool save();
    bool saveAs();
    // The drawing as wired, as an ngspice netlist at the working frequency.
    void exportNetlist();
    void beginDrag();
    void endDrag();
    // The user opened or removed a measurement shown with the drawing: a change the file keeps,
    // though no editing step.
    void setMeasurements(const MeasurementSources& sources);
    // "適用" in the fit panel: the fitted values and the labels that show them, as one step
    // "フィット". A drawing that changed since the fit started is left as it is, and the message
    // says why.
    void applyFit(const FittedDrawing& fitted);

signals:
    void replaced();
    // A drawing was opened or begun anew with these measurements (none for a new drawing).
    void measurementsReplaced(const MeasurementSources& sources);
    // An editing step changed the drawing.
    void edited();

private:
    void apply(const DrawingState& state);
    void startOver(const QString& path, const std::optional<DrawingFileContents>& saved);
    bool writeTo(const QString& path);
    QString folder() const;

    CircuitModel& mModel;
    QWidget* mWindow;
    QLabel* mFileName;
    QUndoStack mHistory;
    QString mPath;
    std::optional<DrawingFileContents> mSaved;  // as last opened or saved
    MeasurementSources mMeasurements;
    MeasurementSources mSavedMeasurements;
    DrawingState mDragStart;
};
