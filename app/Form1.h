#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "app/ResponseLibrary.h"
#include "following/ModelSnapshot.h"
#include "model/CircuitModel.h"
#include "response/MeasurementSource.h"
#include "toolkit/ValueLabel.h"

class DrawingArea;
class DrawingDocument;
class ResultFields;
class StepsWindow;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The main window. Its central widget is the client area of 12840 x 8325 twips holding every
// control; the window owns the one circuit model. Each handler changes the model and then asks
// the drawing area, or the result fields, to show it.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    CircuitModel& model() { return mModel; }
    DrawingDocument& document() { return *mDocument; }
    const ResultFields& results() const { return *mResults; }
    QWidget* clientArea() const { return mClientArea; }
    QLabel* picture(int slot) const;
    QLabel* lineImage(int imageNumber) const;
    const std::vector<ValueLabel*>& valueLabels(int slot) const;

public slots:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Combo1_Click();
    void Command7_Click();
    void Command8_Click();
    void Command10_Click();
    void Form_DragOver(QWidget* Source, float X, float Y, int State);
    void Picture_DragDrop(QWidget* target);
    void Form_DblClick();
    void ClearDrawing();
    void Command9_Click();
    void RemoveReducedParts();
    void clrimpdisp();
    void lblclr();

    // The menu bar's windows: they read the drawing and the last calculation, never change them.
    void showFrequencyResponse();
    // "測定データを開く...": in the frequency response window, opened for it.
    void openMeasurement();
    void showReductionSteps();
    void showWholeDrawing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename T>
    T* control(const char* name) const;
    void connectCommands();
    void placePart(PartKind kind);
    void showPlacedPart(PartKind kind, int k);
    void placeLine(bool vertical);
    void showResult();
    void reportFailure();
    void showCoordinates(float x, float y);
    void clearCoordinates();
    void showNoPartLeft();
    void showFrequency();
    void showImpedancePart(int k);
    void followDrawing();
    // A drawing opened with measurements shows them; one without empties a window already open.
    void showMeasurements(const MeasurementSources& sources);

    CircuitModel mModel;
    ModelSnapshot mSnapshot{mModel};
    QWidget* mClientArea = nullptr;
    DrawingArea* mDrawing = nullptr;
    QPushButton* mCommand4 = nullptr;
    QPushButton* mCommand6 = nullptr;
    QPushButton* mCommand9 = nullptr;
    QComboBox* mCombo1 = nullptr;
    QLabel* mLabel1 = nullptr;
    QLabel* mLabel2 = nullptr;
    QLabel* mLabel18 = nullptr;
    QLabel* mLabel19 = nullptr;
    std::unique_ptr<ResultFields> mResults;
    DrawingDocument* mDocument = nullptr;
    ResponseLibrary mResponse;
    StepsWindow* mSteps = nullptr;
    bool mEnding = false;  // the end command has asked already
};
