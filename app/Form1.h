#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "app/ValueLabel.h"
#include "engine/CalculationTrace.h"
#include "model/CircuitModel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The main window. Its central widget is the client area of 12840 x 8325 twips holding every
// control; the window owns the one circuit model and mirrors it onto the controls.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    CircuitModel& model() { return mModel; }
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

    // The menu bar's windows: they read the drawing and the last calculation, never change them.
    void showFrequencyResponse();
    void showReductionSteps();
    void showHowTo();
    void showAbout();
    void clrimpdisp();
    void lblclr();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildDrawingArea();
    void buildPicture(int slot);
    void buildLineImage(int imageNumber);
    template <typename T>
    T* control(const char* name) const;
    void connectCommand(const char* name, void (Form1::*handler)());
    void placePart(PartKind kind);
    void showPlacedPart(PartKind kind, int k);
    void mirrorMarks();
    void showResult();
    void placeLine(bool vertical);
    void moveLine(int imageNumber, float x, float y);
    void removeLastElement();
    void removePart(int slot);
    void removeLine(int imageNumber);
    void showNoPartLeft();
    void clearCoordinates();
    void placeImpedancePart(int k);
    void setupDragging();
    void setupAccessibility();
    void setupMenus();
    void describePart(int slot);
    void reportFailure();

    CircuitModel mModel;
    QWidget* mClientArea = nullptr;
    std::array<QLabel*, kSlotCount + 1> mPictures{};
    std::array<QLabel*, 2 * kLinesPerKind + 1> mImages{};
    std::array<std::vector<ValueLabel*>, kSlotCount + 1> mValueLabels;
    QPushButton* mCommand4 = nullptr;
    QPushButton* mCommand6 = nullptr;
    QPushButton* mCommand9 = nullptr;
    QComboBox* mCombo1 = nullptr;
    QLabel* mLabel1 = nullptr;
    QLabel* mLabel2 = nullptr;
    QLabel* mLabel18 = nullptr;
    QLabel* mLabel19 = nullptr;
    std::array<QLineEdit*, 5> mResultFields{};  // Text1..Text4
    // The last successful calculation's steps and the names its parts had then.
    std::optional<CalculationTrace> mLastTrace;
    QStringList mLastPartNames;
};
