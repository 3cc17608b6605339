#include "app/ControlTable.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <iterator>
#include <utility>

#include "toolkit/Appearance.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/Twips.h"
#include "toolkit/UnitList.h"
#include "toolkit/WrapButton.h"

namespace {

constexpr int kClientWidth = 12840;
constexpr int kClientHeight = 8325;
// Logical pixels. Fixed, so that the client area's place in the window is known to scripts that
// drive the real program: it ends this far above the window's bottom edge.
constexpr int kStatusBarHeight = 24;

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

// Frames draw their caption on the border line, so controls placed near a frame's top edge sit
// inside the frame as they were laid out.
const QString kFrameStyle = QStringLiteral(
    "QGroupBox { border: 1px solid palette(mid); margin-top: 7px; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }");

QWidget* createControl(const ControlRow& row, QWidget* container) {
    const QString caption = QString::fromUtf8(row.caption);
    QWidget* widget = nullptr;
    switch (row.type) {
        case ControlType::Frame:
            widget = new QGroupBox(caption, container);
            widget->setStyleSheet(kFrameStyle);
            break;
        case ControlType::Command: widget = new WrapButton(caption, container); break;
        case ControlType::Label:
            widget = new PlainLabel(caption, container);
            // Filled with the window's colour, as the background beneath them is: a caption
            // that changes (the coordinates, on every drag-over event) then repaints the label
            // alone, not the frame under it.
            widget->setAutoFillBackground(true);
            break;
        case ControlType::Text: {
            // Nothing reads the result fields back; they show results and allow copying.
            auto* field = new QLineEdit(caption, container);
            field->setReadOnly(true);
            widget = field;
            break;
        }
        case ControlType::Combo: widget = new UnitList(caption, container); break;
    }
    widget->setObjectName(QString::fromLatin1(row.name));
    // Set on each control: the frames' style sheet would otherwise give them the default face.
    widget->setFont(minchoFont());
    // Only the bare background shows the cross-hair; controls keep the normal arrow.
    widget->setCursor(Qt::ArrowCursor);
    setTwipsGeometry(widget, row.left, row.top, row.width, row.height);
    return widget;
}

template <typename T = QWidget>
T* control(QWidget* clientArea, const char* name) {
    return clientArea->findChild<T*>(QString::fromLatin1(name));
}

// Screen readers hear what each field is; the keyboard walks the commands in reading order,
// then the unit list and the result fields.
void describeControls(QWidget* clientArea) {
    const std::pair<const char*, const char*> names[] = {
        {"Text1", "合成Ｚ"},       {"Text2", "複素Ｚ 実部"}, {"Text3", "複素Ｚ 虚部"},
        {"Text4", "位相角（度）"}, {"Combo1", "結果の単位"}, {"Label1", "座標 X"},
        {"Label2", "座標 Y"},      {"Label18", "周波数"},    {"Label19", "周波数の単位"}};
    for (const auto& [name, description] : names)
        control(clientArea, name)->setAccessibleName(QString::fromUtf8(description));
    const char* tabOrder[] = {"Command1", "Command2", "Command3", "Command4",  "Command7",
                              "Command8", "Command6", "Command9", "Command10", "Command5",
                              "Combo1",   "Text2",    "Text3",    "Text1",     "Text4"};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(control(clientArea, tabOrder[i - 1]),
                             control(clientArea, tabOrder[i]));
}

}  // namespace

QWidget* buildClientArea(QWidget* window) {
    auto* clientArea = new QWidget(window);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    for (const ControlRow& row : kControls)
        createControl(row, row.container ? control(clientArea, row.container) : clientArea);
    describeControls(clientArea);
    return clientArea;
}

void setUpStatusBar(QStatusBar* bar) {
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setFixedHeight(kStatusBarHeight);
    bar->setSizeGripEnabled(false);  // the window has a fixed size
}
