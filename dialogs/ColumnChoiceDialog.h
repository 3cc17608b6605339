#pragma once

#include <QDialog>

#include "measurement/ColumnChoice.h"
#include "measurement/DelimitedReader.h"

class QComboBox;
class QLabel;
class QTableWidget;

// Asks which columns of a delimited text file hold the frequency and the impedance before anything
// of it is read: the file's first rows as written, and the reader's guess chosen in the lists for
// the user to confirm or correct. Cancel leaves the file unread.
class ColumnChoiceDialog : public QDialog {
    Q_OBJECT
public:
    ColumnChoiceDialog(const QString& fileName, const DelimitedPreview& preview,
                       QWidget* parent = nullptr);

    ColumnChoice choice() const;

private:
    void showPreview(const DelimitedPreview& preview);
    void nameValueColumns();

    QTableWidget* mPreview = nullptr;
    QComboBox* mFrequency = nullptr;
    QComboBox* mFirst = nullptr;
    QComboBox* mSecond = nullptr;
    QComboBox* mMeaning = nullptr;
    QComboBox* mUnit = nullptr;
    QLabel* mFirstLabel = nullptr;
    QLabel* mSecondLabel = nullptr;
};
