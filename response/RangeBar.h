#pragma once

#include <QWidget>

#include "response/ResponseTexts.h"

class QLineEdit;
class QSpinBox;

// The row above the frequency response window's views: the sweep range and the number of points,
// the Smith chart's reference impedance, as typed, and "更新".
class RangeBar : public QWidget {
    Q_OBJECT
public:
    RangeBar(double start, double stop, int count, double reference, QWidget* parent = nullptr);

    // The range as typed, or why it cannot be swept.
    RangeReading range() const;
    int count() const;
    QString referenceText() const;
    // Writes a range into the fields as a user would type it.
    void showRange(double start, double stop);
    void focusReference();

signals:
    // "更新", or Return in a frequency field.
    void refreshWanted();
    void referenceEdited();

private:
    QLineEdit* mStart;
    QLineEdit* mStop;
    QSpinBox* mCount;
    QLineEdit* mReference;
};
