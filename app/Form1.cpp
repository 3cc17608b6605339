#include "app/Form1.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <cmath>
#include <string>

#include "app/Appearance.h"
#include "app/NumberText.h"
#include "app/NumericText.h"
#include "app/Twips.h"
#include "app/UnitList.h"
#include "app/ValueLabel.h"
#include "app/WrapButton.h"
#include "dialogs/ValueDialog.h"
#include "editor/DragController.h"
#include "editor/PlaceControl.h"
#include "engine/Calculation.h"
#include "engine/PartImpedance.h"
#include "model/CircuitEdits.h"
#include "model/ControlNames.h"
#include "model/Palette.h"
#include "results/ImpedanceLabels.h"
#include "results/ResponseDialog.h"
#include "results/ResultUnits.h"
#include "results/StepsDialog.h"

namespace {

constexpr int kClientWidth = 12840;
constexpr int kClientHeight = 8325;

enum class ControlType { Frame, Command, Label, Text, Combo };

struct ControlRow {
    const char* name;
    ControlType type;
    const char* caption;
    const char* container;  // nullptr: the client area
    int left, top, width, height;
};

// The fixed controls above the drawing area; positions inside a frame are relative to it.
// Containers come before the controls they hold.
constexpr ControlRow kControls[] = {
    {"Frame1", ControlType::Frame, "Ｒ，Ｌ，Ｃの設定", nullptr, 360, 240, 7335, 1575},
    {"Command1", ControlType::Command, "抵抗", "Frame1", 360, 600, 1095, 495},
    {"Command2", ControlType::Command, "コイル", "Frame1", 1680, 600, 1095, 495},
    {"Command3", ControlType::Command, "コンデンサ", "Frame1", 3000, 600, 1095, 495},
    {"Command4", ControlType::Command, "周波数", "Frame1", 4320, 600, 1095, 495},
    {"Command7", ControlType::Command, "縦線", "Frame1", 5760, 240, 1095, 495},
    {"Command8", ControlType::Command, "横線", "Frame1", 5760, 960, 1095, 495},
    {"Frame4", ControlType::Frame, "", nullptr, 7680, 240, 1575, 1575},
    {"Command6", ControlType::Command, "計算実行", "Frame4", 240, 360, 1095, 975},
    {"Frame5", ControlType::Frame, "", nullptr, 9240, 240, 1575, 1575},
    {"Command9", ControlType::Command, "インピーダンス　素子化", "Frame5", 240, 360, 1095, 975},
    {"Frame3", ControlType::Frame, "", nullptr, 10800, 240, 1575, 1575},
    {"Command10", ControlType::Command, "クリア", "Frame3", 240, 360, 1095, 495},
    {"Command5", ControlType::Command, "終了", "Frame3", 240, 960, 1095, 495},
    {"Frame2", ControlType::Frame, "座標", nullptr, 120, 1800, 2295, 855},
    {"Label1", ControlType::Label, "", "Frame2", 120, 360, 975, 375},
    {"Label2", ControlType::Label, "", "Frame2", 1200, 360, 975, 375},
    {"Label18", ControlType::Label, "0", nullptr, 2520, 1920, 1095, 495},
    {"Label19", ControlType::Label, "Ｈｚ", nullptr, 3600, 1920, 1095, 495},
    {"Label22", ControlType::Label, "複素Ｚ＝", nullptr, 4920, 1920, 1455, 495},
    {"Text2", ControlType::Text, "", nullptr, 6480, 1920, 2655, 495},
    {"Label21", ControlType::Label, "＋ｊ", nullptr, 9240, 1920, 735, 495},
    {"Text3", ControlType::Text, "", nullptr, 9960, 1920, 2655, 495},
    {"Label20", ControlType::Label, "合成Ｚ＝", nullptr, 2520, 2520, 1455, 495},
    {"Text1", ControlType::Text, "", nullptr, 4080, 2520, 2655, 495},
    {"Combo1", ControlType::Combo, "Ω", nullptr, 6840, 2640, 975, 405},
    {"Label28", ControlType::Label, "位相角＝", nullptr, 7920, 2520, 1455, 495},
    {"Text4", ControlType::Text, "", nullptr, 9360, 2520, 2655, 495},
    {"Label29", ControlType::Label, "度", nullptr, 12120, 2520, 495, 495},
};

struct PictureDesign {
    const char* bitmap;    // design-time symbol, embedded with the program
    QRect valueLabels[2];  // twips inside the picture; the impedance part has a pair
};

QRect twipsBox(int left, int top, int width, int height) {
    return {left, top, width, height};
}

PictureDesign pictureDesign(PartKind kind) {
    switch (kind) {
        case PartKind::Resistor: return {":/design/resistor.bmp", {twipsBox(150, 15, 810, 285)}};
        case PartKind::Coil: return {":/design/coil.bmp", {twipsBox(120, 480, 975, 255)}};
        case PartKind::Capacitor: return {":/design/capacitor.bmp", {twipsBox(0, 0, 855, 255)}};
        case PartKind::Impedance: break;
    }
    return {":/design/impedance.bmp", {twipsBox(0, 465, 1095, 255), twipsBox(0, 720, 1095, 255)}};
}

// Value labels: Label3..Label17 for slots 1..15; the pairs Label23..Label27 for slots 16..20.
QString valueLabelName(int slot, int element) {
    if (kindOfSlot(slot) != PartKind::Impedance) return QStringLiteral("Label%1").arg(slot + 2);
    return QStringLiteral("Label%1_%2").arg(slot + 7).arg(element);
}

// Numbers the user reads as results, in the plain form with the system's decimal separator.
QString localText(double value) {
    return QString::fromStdString(plainText(value, systemSeparators().decimalPoint));
}

// Reads the bitmap file anew from the working directory; a missing or unreadable file keeps the
// picture's current bitmap. Only a regular file is opened: opening a FIFO of that name would
// block the window for good.
void loadBitmap(QLabel* picture, const char* file) {
    const QString path = QString::fromUtf8(file);
    if (!QFileInfo(path).isFile()) return;
    QPixmap bitmap;
    if (bitmap.load(path, "BMP")) picture->setPixmap(bitmap);
}

ValueKind valueKindOf(PartKind kind) {
    switch (kind) {
        case PartKind::Resistor: return ValueKind::Resistance;
        case PartKind::Coil: return ValueKind::Inductance;
        case PartKind::Capacitor: break;
        case PartKind::Impedance: break;
    }
    return ValueKind::Capacitance;
}

QWidget* createControl(const ControlRow& row, QWidget* container) {
    const QString caption = QString::fromUtf8(row.caption);
    QWidget* widget = nullptr;
    switch (row.type) {
        case ControlType::Frame: widget = new QGroupBox(caption, container); break;
        case ControlType::Command: widget = new WrapButton(caption, container); break;
        case ControlType::Label: widget = new QLabel(caption, container); break;
        case ControlType::Text: {
            // Nothing reads the result fields back; they show results and allow copying.
            auto* field = new QLineEdit(caption, container);
            field->setReadOnly(true);
            widget = field;
            break;
        }
        case ControlType::Combo: {
            widget = new UnitList(caption, container);
            break;
        }
    }
    widget->setObjectName(QString::fromLatin1(row.name));
    // Set on each control: the frames' style sheet would otherwise give them the default face.
    widget->setFont(minchoFont());
    // Only the bare background shows the cross-hair; controls keep the normal arrow.
    widget->setCursor(Qt::ArrowCursor);
    setTwipsGeometry(widget, row.left, row.top, row.width, row.height);
    return widget;
}

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setFont(minchoFont());
    mClientArea = new QWidget(this);
    mClientArea->setObjectName(QStringLiteral("clientArea"));
    // Frames draw their caption on the border line, so controls placed near a frame's top
    // edge sit inside the frame as they were laid out.
    mClientArea->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    mClientArea->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    setCentralWidget(mClientArea);
    buildControls();
    buildDrawingArea();
    setupDragging();
    setupAccessibility();
    setupMenus();
    Form_Load();
    setFixedSize(sizeHint());
}

void Form1::buildControls() {
    for (const ControlRow& row : kControls) {
        QWidget* container = row.container ? control<QWidget>(row.container) : mClientArea;
        createControl(row, container);
    }
    mCommand4 = control<QPushButton>("Command4");
    mCommand6 = control<QPushButton>("Command6");
    mCommand9 = control<QPushButton>("Command9");
    mCombo1 = control<QComboBox>("Combo1");
    for (int i = 1; i <= 4; ++i)
        mResultFields[i] = control<QLineEdit>(QStringLiteral("Text%1").arg(i).toLatin1());
    mLabel1 = control<QLabel>("Label1");
    mLabel2 = control<QLabel>("Label2");
    mLabel18 = control<QLabel>("Label18");
    mLabel19 = control<QLabel>("Label19");
    connectCommand("Command1", &Form1::Command1_Click);
    connectCommand("Command2", &Form1::Command2_Click);
    connectCommand("Command3", &Form1::Command3_Click);
    connectCommand("Command4", &Form1::Command4_Click);
    connectCommand("Command5", &Form1::Command5_Click);
    connectCommand("Command6", &Form1::Command6_Click);
    connectCommand("Command7", &Form1::Command7_Click);
    connectCommand("Command8", &Form1::Command8_Click);
    connectCommand("Command9", &Form1::Command9_Click);
    connectCommand("Command10", &Form1::Command10_Click);
    // activated, not a change signal: picking the unit already shown recalculates too.
    connect(mCombo1, &QComboBox::activated, this, &Form1::Combo1_Click);
}

void Form1::connectCommand(const char* name, void (Form1::*handler)()) {
    connect(control<QPushButton>(name), &QPushButton::clicked, this, handler);
}

// Later siblings stack above earlier ones and nothing restacks them, so building the lines first
// keeps every line beneath every part: a line crossing a part never hides its value labels.
void Form1::buildDrawingArea() {
    for (int n = 1; n <= 2 * kLinesPerKind; ++n) buildLineImage(n);
    for (int s = 1; s <= kSlotCount; ++s) buildPicture(s);
}

void Form1::buildPicture(int slot) {
    const PartKind kind = kindOfSlot(slot);
    const PictureDesign design = pictureDesign(kind);
    auto* picture = new QLabel(mClientArea);
    picture->setObjectName(QStringLiteral("Picture%1").arg(slot));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(QString::fromLatin1(design.bitmap)));
    picture->setCursor(Qt::ArrowCursor);
    const KindGeometry size = kindGeometry(kind);
    setTwipsGeometry(picture, kPaletteLeft[indexInKind(slot)], paletteTop(kind), size.width,
                     size.height);
    const int elements = kind == PartKind::Impedance ? 2 : 1;
    for (int element = 0; element < elements; ++element) {
        auto* label = new ValueLabel(picture);
        label->setObjectName(valueLabelName(slot, element));
        label->setFont(minchoFont());
        const QRect box = design.valueLabels[element];
        setTwipsGeometry(label, box.x(), box.y(), box.width(), box.height());
        mValueLabels[slot].push_back(label);
    }
    mPictures[slot] = picture;
}

void Form1::buildLineImage(int imageNumber) {
    const bool vertical = imageNumber <= kLinesPerKind;
    const int n = vertical ? imageNumber : imageNumber - kLinesPerKind;
    const Point parking = vertical ? kVLineParking[n] : kHLineParking[n];
    auto* image = new QLabel(mClientArea);
    image->setObjectName(QStringLiteral("Image%1").arg(imageNumber));
    image->setPixmap(QPixmap(vertical ? QStringLiteral(":/design/vline.bmp")
                                      : QStringLiteral(":/design/hline.bmp")));
    image->setScaledContents(true);
    image->setCursor(Qt::ArrowCursor);
    const Point size = vertical ? kVLineSize : kHLineSize;
    setTwipsGeometry(image, parking.x, parking.y, size.x, size.y);
    mImages[imageNumber] = image;
}

void Form1::setupDragging() {
    auto* drag = new DragController(mClientArea, this);
    const auto cursor = [](const char* name) {
        return QCursor(QPixmap(QStringLiteral(":/design/") + QString::fromLatin1(name)), 16, 16);
    };
    const char* partCursors[] = {"cursor-resistor.png", "cursor-coil.png", "cursor-capacitor.png",
                                 "cursor-impedance.png"};
    for (int s = 1; s <= kSlotCount; ++s)
        drag->addDraggable(mPictures[s], cursor(partCursors[static_cast<int>(kindOfSlot(s)) - 1]));
    for (int n = 1; n <= 2 * kLinesPerKind; ++n)
        drag->addDraggable(mImages[n], cursor("cursor-line.png"));
    connect(drag, &DragController::dragOver, this,
            [this](QWidget* source, float x, float y) { Form_DragOver(source, x, y, 2); });
    connect(drag, &DragController::dropped, this,
            [this](QWidget*, QWidget* target) { Picture_DragDrop(target); });
    mClientArea->installEventFilter(this);
}

// Screen readers hear what each element is; the keyboard walks the commands in reading order,
// then the unit list and the result fields. Pictures and lines never take the focus.
void Form1::setupAccessibility() {
    for (int s = 1; s <= kSlotCount; ++s) describePart(s);
    for (int n = 1; n <= 2 * kLinesPerKind; ++n) {
        const bool vertical = n <= kLinesPerKind;
        mImages[n]->setAccessibleName(
            QStringLiteral("%1 %2")
                .arg(vertical ? QStringLiteral("縦線") : QStringLiteral("横線"))
                .arg(vertical ? n : n - kLinesPerKind));
    }
    const std::pair<const char*, const char*> names[] = {
        {"Text1", "合成Ｚ"},       {"Text2", "複素Ｚ 実部"}, {"Text3", "複素Ｚ 虚部"},
        {"Text4", "位相角（度）"}, {"Combo1", "結果の単位"}, {"Label1", "座標 X"},
        {"Label2", "座標 Y"},      {"Label18", "周波数"},    {"Label19", "周波数の単位"}};
    for (const auto& [name, description] : names)
        control<QWidget>(name)->setAccessibleName(QString::fromUtf8(description));
    const char* tabOrder[] = {"Command1", "Command2", "Command3", "Command4",  "Command7",
                              "Command8", "Command6", "Command9", "Command10", "Command5",
                              "Combo1",   "Text2",    "Text3",    "Text1",     "Text4"};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(control<QWidget>(tabOrder[i - 1]), control<QWidget>(tabOrder[i]));
}

void Form1::describePart(int slot) {
    static const char* const kKindNames[] = {"抵抗", "コイル", "コンデンサ", "インピーダンス"};
    QString description = QString::fromUtf8(kKindNames[static_cast<int>(kindOfSlot(slot)) - 1]);
    for (const QLabel* label : mValueLabels[slot]) description += u' ' + label->text().trimmed();
    mPictures[slot]->setAccessibleName(description.trimmed());
}

void Form1::setupMenus() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("menuView"));
    view->addAction(QStringLiteral("周波数特性..."), this, &Form1::showFrequencyResponse)
        ->setObjectName(QStringLiteral("actionFrequencyResponse"));
    view->addAction(QStringLiteral("計算過程..."), this, &Form1::showReductionSteps)
        ->setObjectName(QStringLiteral("actionReductionSteps"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("menuHelp"));
    help->addAction(QStringLiteral("使い方"), this, &Form1::showHowTo)
        ->setObjectName(QStringLiteral("actionHowTo"));
    help->addAction(QStringLiteral("バージョン情報"), this, &Form1::showAbout)
        ->setObjectName(QStringLiteral("actionAbout"));
}

void Form1::showFrequencyResponse() {
    ResponseDialog dialog(mModel, mCombo1->currentText(), this);
    dialog.exec();
}

void Form1::showReductionSteps() {
    StepsDialog dialog(mLastTrace, mLastPartNames, mModel.resultUnitFactor, mCombo1->currentText(),
                       this);
    dialog.exec();
}

void Form1::showHowTo() {
    QMessageBox::information(
        this, QStringLiteral("使い方"),
        QStringLiteral(
            "1. "
            "「抵抗」「コイル」「コンデンサ」で素子を置き、値と単位を入力して「閉じる」を押します。"
            "\n"
            "2. 「周波数」で動作周波数を設定します。\n"
            "3. 素子をマウスでドラッグして配置し、「縦線」「横線」で端子どうしをつなぎます。\n"
            "   上下に並べた二つの素子は、右端と左端をそれぞれ縦線でつなぐと並列になります。\n"
            "   素子の右端を隣の素子の左端に重ねるか、横線でつなぐと直列になります。\n"
            "4. "
            "「計算実行」で合成インピーダンスを計算します。計算に使われた素子の値は赤で表示されます"
            "。\n"
            "5. "
            "「インピーダンス　素子化」で結果を一つの素子に置き換え、大きな回路を段階的に計算できま"
            "す。\n"
            "6. "
            "背景をダブルクリックすると最後に扱った素子または線を削除し、「クリア」ですべて消去しま"
            "す。\n"
            "「表示」メニューから周波数特性と計算過程を見ることができます。"));
}

void Form1::showAbout() {
    QMessageBox::about(this, QStringLiteral("バージョン情報"),
                       QStringLiteral("Selvoria　Ｖｅｒ．１．２\n"
                                      "抵抗・コイル・コンデンサ回路の複素インピーダンス計算\n"
                                      "GNU General Public License v3.0"));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // A double-click that a label, frame or field ignores is passed on to the client area; only
    // one on the bare background edits the drawing.
    if (watched == mClientArea && event->type() == QEvent::MouseButtonDblClick) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (mClientArea->childAt(at) == nullptr) Form_DblClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

template <typename T>
T* Form1::control(const char* name) const {
    return mClientArea->findChild<T*>(QString::fromLatin1(name));
}

QLabel* Form1::picture(int slot) const {
    return isPartSlot(slot) ? mPictures[slot] : nullptr;
}

QLabel* Form1::lineImage(int imageNumber) const {
    return imageNumber >= 1 && imageNumber <= 2 * kLinesPerKind ? mImages[imageNumber] : nullptr;
}

const std::vector<ValueLabel*>& Form1::valueLabels(int slot) const {
    return mValueLabels[slot];
}

void Form1::Form_Load() {
    setWindowTitle(QStringLiteral("Selvoria　Ｖｅｒ．１．２"));
    mClientArea->setCursor(Qt::CrossCursor);
    loadInitialState(mModel);
    for (const ResultUnit& unit : kResultUnits) mCombo1->addItem(QString::fromUtf8(unit.text));
    mCommand9->setVisible(false);
    for (int s = 1; s <= kSlotCount; ++s) mPictures[s]->setVisible(false);
    for (int n = 1; n <= 2 * kLinesPerKind; ++n) mImages[n]->setVisible(false);
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
    const int k = firstFreeIndex(mModel, kind);
    if (k != 0) {
        ValueDialog dialog(valueKindOf(kind), mModel, this);
        dialog.exec();
        if (mModel.dialogCancelled == 0) showPlacedPart(kind, k);
    }
    mModel.dialogCancelled = 0;
}

void Form1::showPlacedPart(PartKind kind, int k) {
    const ValueKind valueKind = valueKindOf(kind);
    const double number = enteredNumber(mModel, valueKind);
    const double multiplier = unitMultiplier(mModel, valueKind);
    const double value = number * multiplier;
    // A product beyond the double range would put an infinity into the drawing: such an entry
    // is refused like a text that is not a number.
    if (!std::isfinite(value)) return;
    const int slot = slotOf(kind, k);
    ValueLabel* label = mValueLabels[slot].front();
    for (const UnitItem& unit : dialogDesign(valueKind).units) {
        if (multiplier != unit.multiplier) continue;
        label->setCaption(QString::fromStdString(signedText(number)) +
                          QString::fromUtf8(unit.text));
        break;
    }
    describePart(slot);
    mModel.slotValue[slot] = value;
    PlaceControl(mPictures[slot], mModel.widthOf(kind), mModel.heightOf(kind), kPaletteLeft[k],
                 paletteTop(kind));
    setPartTerminals(mModel, slot, kPaletteLeft[k], paletteTop(kind));
    mModel.lastPartName = pictureName(slot);
    mPictures[slot]->setVisible(true);
    mModel.slotUsed[slot] = 1;
}

void Form1::Command4_Click() {
    // The dialog writes the typed number into the frequency while it is open; keep what was
    // shown so that an entry whose hertz value overflows can be refused as a whole.
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
    mLabel18->setText(localText(mModel.frequency));
    for (const UnitItem& unit : dialogDesign(ValueKind::Frequency).units) {
        if (mModel.frequencyUnit != unit.multiplier) continue;
        mLabel19->setText(QString::fromUtf8(unit.text));
        break;
    }
    mModel.frequency = hertz;
}

void Form1::lblclr() {
    ::lblclr(mModel);
    mirrorMarks();
}

void Form1::mirrorMarks() {
    for (int s = 1; s <= kSlotCount; ++s) {
        const QColor colour = mModel.slotMarked[s] ? QColor(255, 0, 0) : QColor(0, 0, 0);
        for (ValueLabel* label : mValueLabels[s]) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, colour);
            label->setPalette(palette);
        }
    }
}

void Form1::Command5_Click() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void Form1::Command6_Click() {
    // The one error handler of the calculation: whatever goes wrong inside it ends up here.
    CalculationTrace trace;
    try {
        Calculate(mModel, &trace);
    } catch (...) {
        reportFailure();
        return;
    }
    mLastTrace = std::move(trace);
    mLastPartNames.clear();
    for (int s = 0; s <= kSlotCount; ++s)
        mLastPartNames << (isPartSlot(s) ? mPictures[s]->accessibleName() : QString());
    showResult();
}

void Form1::showResult() {
    const auto show = [this](int field, double value) {
        mResultFields[field]->setText(localText(value));
    };
    show(4, mModel.phaseAngle);
    show(1, mModel.shownAbs);
    show(2, mModel.shownRe);
    show(3, mModel.shownIm);
    mCommand9->setVisible(true);
    mirrorMarks();
}

void Form1::reportFailure() {
    clrimpdisp();
    // The marks now belong to the failed walk, the stored result to an earlier one: converting
    // would mix the two.
    mCommand9->setVisible(false);
    mirrorMarks();
    const QString text = mModel.startPart == 0 ? QStringLiteral("Ｒ，Ｌ，Ｃの素子を配置して下さい")
                                               : QStringLiteral("０で除算されたエラー");
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Selvoria"), text, QMessageBox::Ok, this);
    box.exec();
    mCommand6->setFocus();
}

void Form1::Combo1_Click() {
    const QString chosen = mCombo1->currentText();
    for (const ResultUnit& unit : kResultUnits) {
        if (chosen != QString::fromUtf8(unit.text)) continue;
        mModel.resultUnitFactor = unit.factor;
        Command6_Click();
        mCommand6->setFocus();
        return;
    }
}

void Form1::Command7_Click() {
    placeLine(true);
}
void Form1::Command8_Click() {
    placeLine(false);
}

void Form1::placeLine(bool vertical) {
    auto& used = vertical ? mModel.vLineUsed : mModel.hLineUsed;
    for (int n = 1; n <= kLinesPerKind; ++n) {
        if (used[n] != 0) continue;
        const Point parking = vertical ? kVLineParking[n] : kHLineParking[n];
        const Point size = vertical ? kVLineSize : kHLineSize;
        QLabel* image = mImages[vertical ? n : kLinesPerKind + n];
        PlaceControl(image, size.x, size.y, parking.x, parking.y);
        image->setVisible(true);
        used[n] = 1;
        return;
    }
}

void Form1::Form_DragOver(QWidget* Source, float X, float Y, int /*State: every event alike*/) {
    Source->setCursor(Qt::CrossCursor);
    mCommand9->setVisible(false);
    lblclr();
    clrimpdisp();
    Source->move(twipsToPixels(X), twipsToPixels(Y));
    mLabel1->setText(QString::fromStdString(plainText(X)));
    mLabel2->setText(QString::fromStdString(plainText(Y)));
    const std::string name = Source->objectName().toStdString();
    if (name.starts_with("Picture")) {
        mModel.lastPartName = name;
        mModel.lastDragKind = 1;
        if (const int slot = pictureSlot(name)) {
            loadBitmap(mPictures[slot], partBitmapFile(kindOfSlot(slot), true));
            setPartTerminals(mModel, slot, X, Y);
        }
        return;
    }
    mModel.lastDragKind = 0;
    if (const int n = imageNumber(name)) moveLine(n, X, Y);
    mModel.lastLineName = name;
}

void Form1::moveLine(int imageNumber, float x, float y) {
    // A line's length is read from its image as it stands now, not from the kind constants.
    const QLabel* image = mImages[imageNumber];
    if (imageNumber <= kLinesPerKind)
        setVLineEnds(mModel, imageNumber, x, y, pixelsToTwips(image->height()));
    else
        setHLineEnds(mModel, imageNumber - kLinesPerKind, x, y, pixelsToTwips(image->width()));
}

void Form1::Picture_DragDrop(QWidget* target) {
    if (const int slot = dropTargetSlot(target->objectName().toStdString()))
        loadBitmap(mPictures[slot], partBitmapFile(kindOfSlot(slot), false));
}

void Form1::Form_DblClick() {
    mModel.startPart = 0;
    clearCoordinates();
    lblclr();
    clrimpdisp();
    // The shown result is withdrawn, so it can no longer be turned into a part.
    mCommand9->setVisible(false);
    removeLastElement();
    RefreshCombinedTables(mModel);
    FindStartPart(mModel);
    if (mModel.startPart == 0) showNoPartLeft();
}

void Form1::removeLastElement() {
    if (mModel.lastDragKind == 1) {
        if (const int slot = pictureSlot(mModel.lastPartName)) removePart(slot);
    } else if (mModel.lastDragKind == 0) {
        if (const int n = imageNumber(mModel.lastLineName)) removeLine(n);
    }
}

void Form1::removePart(int slot) {
    mPictures[slot]->setVisible(false);
    freePart(mModel, slot);
}

void Form1::removeLine(int imageNumber) {
    mImages[imageNumber]->setVisible(false);
    if (imageNumber <= kLinesPerKind)
        freeVLine(mModel, imageNumber);
    else
        freeHLine(mModel, imageNumber - kLinesPerKind);
}

void Form1::clearCoordinates() {
    mLabel1->setText(QString());
    mLabel2->setText(QString());
}

// With no part left the drawing starts over: the frequency may be set again from 0.
void Form1::showNoPartLeft() {
    mCommand4->setVisible(true);
    mCommand9->setVisible(false);
    mLabel18->setText(QString::number(0));
    mModel.frequency = 0;
}

void Form1::Command10_Click() {
    mModel.startPart = 0;
    clearCoordinates();
    showNoPartLeft();
    clrimpdisp();
    lblclr();
    ClearDrawing();
}

void Form1::ClearDrawing() {
    for (int s = 1; s <= kSlotCount; ++s) removePart(s);
    for (int n = 1; n <= 2 * kLinesPerKind; ++n) removeLine(n);
}

void Form1::Command9_Click() {
    // With every impedance slot taken by a part outside the result, the reduced network would be
    // removed with nothing to replace it.
    if (!conversionFindsImpedanceSlot(mModel)) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Selvoria"),
                        QStringLiteral("インピーダンス素子は５個までです"), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    clearCoordinates();
    mCommand4->setVisible(false);
    clrimpdisp();
    RemoveReducedParts();
    lblclr();
    if (const int k = firstFreeIndex(mModel, PartKind::Impedance)) placeImpedancePart(k);
    mCommand9->setVisible(false);
    // The next step of a staged reduction; the tab order would hand the focus to "クリア".
    mCommand6->setFocus();
}

// The parts the last calculation took into its result, and every line, leave the drawing.
void Form1::RemoveReducedParts() {
    for (int s = 1; s <= kSlotCount; ++s)
        if (mModel.slotMarked[s]) removePart(s);
    for (int n = 1; n <= 2 * kLinesPerKind; ++n) removeLine(n);
}

void Form1::placeImpedancePart(int k) {
    const int slot = slotOf(PartKind::Impedance, k);
    mModel.impPartRe[k] = mModel.resultRe;
    mModel.impPartIm[k] = mModel.resultIm;
    // The unit the shown result was scaled with, whatever text now stands in the list.
    const std::string unit = resultUnitText(mModel.resultUnitFactor);
    mValueLabels[slot][0]->setCaption(QString::fromStdString(realPartLabel(mModel.shownRe, unit)));
    mValueLabels[slot][1]->setCaption(
        QString::fromStdString(imaginaryPartLabel(mModel.shownIm, unit)));
    describePart(slot);
    const int top = paletteTop(PartKind::Impedance);
    PlaceControl(mPictures[slot], mModel.impWidth, mModel.impHeight, kPaletteLeft[k], top);
    mPictures[slot]->setVisible(true);
    setPartTerminals(mModel, slot, kPaletteLeft[k], top);
    mModel.lastPartName = pictureName(slot);
    mModel.slotUsed[slot] = 1;
}

void Form1::clrimpdisp() {
    for (int i = 1; i <= 4; ++i) mResultFields[i]->setText(QString());
}
