#include "editor/DrawingArea.h"

#include <QLabel>
#include <QMouseEvent>

#include "editor/DragController.h"
#include "editor/ElementLook.h"
#include "editor/PlaceControl.h"
#include "model/ControlNames.h"
#include "toolkit/Appearance.h"
#include "toolkit/ImageFile.h"
#include "toolkit/Twips.h"
#include "toolkit/ValueLabel.h"

namespace {

const QColor kMarkedColour(255, 0, 0);
const QColor kUnmarkedColour(0, 0, 0);

// Value labels: Label3..Label17 for slots 1..15; the pairs Label23..Label27 for slots 16..20.
QString valueLabelName(int slot, int element) {
    if (kindOfSlot(slot) != PartKind::Impedance) return QStringLiteral("Label%1").arg(slot + 2);
    return QStringLiteral("Label%1_%2").arg(slot + 7).arg(element);
}

}  // namespace

// The file is read anew each time, so a bitmap replaced while the program runs shows. A picture
// that still shows the pixmap made of the same pixels last time is left as it is: during a drag
// every event reads the same bitmap.
void DrawingArea::loadBitmap(int slot, const char* file) {
    QImage image = readBitmapFile(QString::fromUtf8(file));
    if (image.isNull()) return;
    LoadedBitmap& loaded = mLoaded[slot];
    QLabel* picture = mPictures[slot];
    if (picture->pixmap().cacheKey() == loaded.pixmapKey && image == loaded.image) return;
    picture->setPixmap(QPixmap::fromImage(image));
    loaded = {std::move(image), picture->pixmap().cacheKey()};
}

DrawingArea::DrawingArea(QWidget* clientArea, const CircuitModel& model)
    : QObject(clientArea),
      mClientArea(clientArea),
      mModel(model),
      mDragging(new DragController(clientArea, this)) {
    // Later siblings stack above earlier ones and nothing restacks them: building the lines
    // first keeps every line beneath every part, so a line never hides a part's value labels.
    for (int image = 1; image <= 2 * kLinesPerKind; ++image) buildLineImage(image);
    for (int s = 1; s <= kSlotCount; ++s) buildPicture(s);
    clientArea->installEventFilter(this);
}

// A double-click that a label, frame or field ignores is passed on to the client area; only one
// on the bare background edits the drawing.
bool DrawingArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched != mClientArea || event->type() != QEvent::MouseButtonDblClick) return false;
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (mClientArea->childAt(at) == nullptr) emit backgroundDoubleClicked();
    return true;
}

void DrawingArea::buildPicture(int slot) {
    const PartKind kind = kindOfSlot(slot);
    const PartLook& look = partLook(kind);
    const KindRow& row = kindRow(kind);
    auto* picture = new QLabel(mClientArea);
    picture->setObjectName(QString::fromStdString(pictureName(slot)));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Opaque, which changes no pixel (every symbol covers its whole box): Qt then moves a dragged
    // picture by copying it on screen, instead of painting it and its value labels again.
    picture->setAutoFillBackground(true);
    picture->setPixmap(builtInImage(look.symbol, "BMP"));
    picture->setCursor(Qt::ArrowCursor);
    setTwipsGeometry(picture, kPaletteLeft[indexInKind(slot)], row.paletteTop, row.width,
                     row.height);
    for (int element = 0; element < look.labelCount; ++element) {
        auto* label = new ValueLabel(picture);
        label->setObjectName(valueLabelName(slot, element));
        label->setFont(minchoFont());
        const QRect box = look.labelBoxes[element];
        setTwipsGeometry(label, box.x(), box.y(), box.width(), box.height());
        mValueLabels[slot].push_back(label);
    }
    mPictures[slot] = picture;
    describePart(slot);
    mDragging->addDraggable(picture, look.cursor);
}

// The symbols and bars are built into the program: one copy of each serves every element that
// shows it.
const QPixmap& DrawingArea::builtInImage(const char* resource, const char* format) {
    auto image = mBuiltInImages.find(resource);
    if (image == mBuiltInImages.end())
        image = mBuiltInImages.emplace(resource, readPixmap(QString::fromLatin1(resource), format))
                    .first;
    return image->second;
}

void DrawingArea::buildLineImage(int imageNumber) {
    const bool vertical = isVerticalImage(imageNumber);
    const LineKindRow& row = lineKindRow(vertical);
    const Point parking = row.parking[lineOfImage(imageNumber)];
    auto* image = new QLabel(mClientArea);
    image->setObjectName(QStringLiteral("Image%1").arg(imageNumber));
    image->setPixmap(builtInImage(lineLook(vertical).bar, "BMP"));
    image->setScaledContents(true);
    image->setCursor(Qt::ArrowCursor);
    image->setAccessibleName(
        QStringLiteral("%1 %2").arg(QString::fromUtf8(row.name)).arg(lineOfImage(imageNumber)));
    setTwipsGeometry(image, parking.x, parking.y, row.size.x, row.size.y);
    mImages[imageNumber] = image;
    mDragging->addDraggable(image, lineLook(vertical).cursor);
}

QLabel* DrawingArea::picture(int slot) const {
    return isPartSlot(slot) ? mPictures[slot] : nullptr;
}

QLabel* DrawingArea::lineImage(int imageNumber) const {
    return isLineImage(imageNumber) ? mImages[imageNumber] : nullptr;
}

const std::vector<ValueLabel*>& DrawingArea::valueLabels(int slot) const {
    return mValueLabels[slot];
}

// Screen readers hear the kind and the value labels.
void DrawingArea::describePart(int slot) {
    QString description = QString::fromUtf8(kindRow(kindOfSlot(slot)).name);
    for (const ValueLabel* label : mValueLabels[slot])
        description += u' ' + label->text().trimmed();
    mPictures[slot]->setAccessibleName(description.trimmed());
}

// A placed part stands where its left terminal says: the picture's left edge, the lead line
// the kind's terminal offset below its top edge. Captions and the accessible name are set only
// when they change: a drag shows the part again on every pointer move.
void DrawingArea::showPart(int slot) {
    const PartKind kind = kindOfSlot(slot);
    QLabel* picture = mPictures[slot];
    bool captionsChanged = false;
    for (std::size_t element = 0; element < mValueLabels[slot].size(); ++element) {
        const QString caption = QString::fromStdString(mModel.valueCaption[slot][element]);
        if (mValueLabels[slot][element]->text() == caption) continue;
        mValueLabels[slot][element]->setCaption(caption);
        captionsChanged = true;
    }
    if (captionsChanged) describePart(slot);
    const bool used = mModel.slotUsed[slot] != 0;
    if (used)
        PlaceControl(picture, mModel.widthOf(kind), mModel.heightOf(kind), mModel.partLeft(slot),
                     mModel.partTop(slot));
    picture->setVisible(used);
}

// A line that was never dragged has its ends at 0 and stands at its parking position.
void DrawingArea::showLine(int imageNumber) {
    const bool vertical = isVerticalImage(imageNumber);
    const int n = lineOfImage(imageNumber);
    QLabel* image = mImages[imageNumber];
    const bool used = (vertical ? mModel.vLineUsed[n] : mModel.hLineUsed[n]) != 0;
    if (used) {
        const double left = vertical ? mModel.vLineTopX[n] : mModel.hLineLeftX[n];
        const double top = vertical ? mModel.vLineTopY[n] : mModel.hLineLeftY[n];
        const double right = vertical ? mModel.vLineBottomX[n] : mModel.hLineRightX[n];
        const double bottom = vertical ? mModel.vLineBottomY[n] : mModel.hLineRightY[n];
        const bool parked = left == 0 && top == 0 && right == 0 && bottom == 0;
        const Point parking = lineKindRow(vertical).parking[n];
        PlaceControl(image, mModel.lineWidth(vertical), mModel.lineHeight(vertical),
                     parked ? parking.x : left, parked ? parking.y : top);
    }
    image->setVisible(used);
}

// Only labels whose colour differs are touched: most events find them all black already.
void DrawingArea::showMarks() {
    for (int s = 1; s <= kSlotCount; ++s) {
        const QColor colour = mModel.slotMarked[s] != 0 ? kMarkedColour : kUnmarkedColour;
        for (ValueLabel* label : mValueLabels[s]) {
            if (label->palette().color(QPalette::WindowText) == colour) continue;
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, colour);
            label->setPalette(palette);
        }
    }
}

void DrawingArea::showDrawing() {
    for (int s = 1; s <= kSlotCount; ++s) showPart(s);
    for (int image = 1; image <= 2 * kLinesPerKind; ++image) showLine(image);
    showMarks();
}

void DrawingArea::showDragBitmap(int slot) {
    loadBitmap(slot, kindRow(kindOfSlot(slot)).dragBitmapFile);
}

void DrawingArea::showNormalBitmap(int slot) {
    loadBitmap(slot, kindRow(kindOfSlot(slot)).bitmapFile);
}

void DrawingArea::showSymbols() {
    for (int s = 1; s <= kSlotCount; ++s)
        mPictures[s]->setPixmap(builtInImage(partLook(kindOfSlot(s)).symbol, "BMP"));
}

// Set once: every later event of the drag finds it set.
void DrawingArea::showCrossHair(QWidget* element) {
    if (!element->testAttribute(Qt::WA_SetCursor) || element->cursor().shape() != Qt::CrossCursor)
        element->setCursor(Qt::CrossCursor);
}
