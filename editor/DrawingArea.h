#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <array>
#include <map>
#include <string_view>
#include <vector>

#include "model/CircuitModel.h"

class DragController;
class QLabel;
class QWidget;
class ValueLabel;

// The drawing on the main window: the twenty part pictures with their value labels and the
// twenty line images, their symbols, drag cursors and accessible names. It mirrors the model:
// what is visible, where it stands, what its labels say and which are marked all come from the
// model's slot and line tables, so a drawing can be shown again from the model alone.
class DrawingArea : public QObject {
    Q_OBJECT
public:
    DrawingArea(QWidget* clientArea, const CircuitModel& model);

    QLabel* picture(int slot) const;
    QLabel* lineImage(int imageNumber) const;
    const std::vector<ValueLabel*>& valueLabels(int slot) const;
    // Presses on the pictures, their labels and the lines start drags.
    DragController& dragging() const { return *mDragging; }

    // The mirror: one part, one line, the label colours, or the whole drawing.
    void showPart(int slot);
    void showLine(int imageNumber);
    void showMarks();
    void showDrawing();

    // The bitmap files are read anew on every use; a file that cannot be read keeps the bitmap.
    void showDragBitmap(int slot);
    void showNormalBitmap(int slot);
    // The dragged element's pointer becomes the cross-hair, and stays so.
    void showCrossHair(QWidget* element);
    // Every picture with the symbol built into the program, as after start-up.
    void showSymbols();

signals:
    // A double-click on the bare background of the client area, not on any control.
    void backgroundDoubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPicture(int slot);
    void buildLineImage(int imageNumber);
    void describePart(int slot);
    const QPixmap& builtInImage(const char* resource, const char* format);
    void loadBitmap(int slot, const char* file);

    // A bitmap file's pixels as last read for a picture, and the key of the pixmap made of them.
    struct LoadedBitmap {
        QImage image;
        qint64 pixmapKey = 0;
    };

    QWidget* mClientArea;
    const CircuitModel& mModel;
    DragController* mDragging;
    std::array<QLabel*, kSlotCount + 1> mPictures{};
    std::array<QLabel*, 2 * kLinesPerKind + 1> mImages{};
    std::array<std::vector<ValueLabel*>, kSlotCount + 1> mValueLabels;
    std::map<std::string_view, QPixmap> mBuiltInImages;  // by resource name
    std::array<LoadedBitmap, kSlotCount + 1> mLoaded;
};
