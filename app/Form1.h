#pragma once

#include <QMainWindow>
#include <array>
#include <vector>

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
    const std::vector<QLabel*>& valueLabels(int slot) const;

public slots:
    void Form_Load();
    void Command5_Click();
    void clrimpdisp();

private:
    void buildControls();
    void buildDrawingArea();
    void buildPicture(int slot);
    void buildLineImage(int imageNumber);
    template <typename T>
    T* control(const char* name) const;

    CircuitModel mModel;
    QWidget* mClientArea = nullptr;
    std::array<QLabel*, kSlotCount + 1> mPictures{};
    std::array<QLabel*, 2 * kLinesPerKind + 1> mImages{};
    std::array<std::vector<QLabel*>, kSlotCount + 1> mValueLabels;
    QPushButton* mCommand9 = nullptr;
    QComboBox* mCombo1 = nullptr;
    std::array<QLineEdit*, 5> mResultFields{};  // Text1..Text4
};
