#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "WindowTest.h"
#include "editor/DrawingArea.h"

namespace {

// The tests run in the folder that holds the part bitmaps, as the program does.
class DragDropTest : public WindowTest {
protected:
    QLabel* image(int n) { return form.lineImage(n); }
    // The drag bitmaps have a light yellow background, the normal symbols a white one.
    bool showsDragBitmap(int slot) {
        const QColor corner = form.picture(slot)->pixmap().toImage().pixelColor(1, 1);
        return corner != QColor(Qt::white);
    }
};

TEST_F(DragDropTest, DragOverPutsTheCornerAtThePointerAndRewritesTheModel) {
    user.enterValue("Command1", QStringLiteral("1"));
    user.enterValue("Command3", QStringLiteral("1"));
    user.enterValue("Command3", QStringLiteral("1"));
    user.click("Command7"), user.click("Command7"), user.click("Command7");
    user.click("Command8");
    const CircuitModel& model = form.model();

    form.Form_DragOver(form.picture(1), 2000, 4000, 2);
    EXPECT_EQ(form.picture(1)->pos(), QPoint(133, 267));
    EXPECT_EQ(model.resLeftX[1], 2000);
    EXPECT_EQ(model.resLeftY[1], 4360);
    EXPECT_EQ(model.resRightX[1], 3110);
    EXPECT_EQ(model.resRightY[1], 4360.0f);
    EXPECT_EQ(label("Label1"), QStringLiteral("2000"));
    EXPECT_EQ(label("Label2"), QStringLiteral("4000"));
    EXPECT_EQ(model.lastPartName, "Picture1");
    EXPECT_TRUE(showsDragBitmap(1));

    form.Form_DragOver(form.picture(12), 5000, 3000, 2);
    EXPECT_EQ(model.capLeftY[2], 3345);
    EXPECT_EQ(model.capRightX[2], 6110);

    form.Form_DragOver(image(3), 1500, 3000, 2);
    EXPECT_EQ(model.vLineTopX[3], 1500);
    EXPECT_EQ(model.vLineTopY[3], 3000);
    EXPECT_EQ(model.vLineBottomX[3], 1500);
    EXPECT_EQ(model.vLineBottomY[3], 3975.0f);
    EXPECT_EQ(model.lastDragKind, 0);
    EXPECT_EQ(model.lastLineName, "Image3");
    EXPECT_EQ(model.lastPartName, "Picture12");

    form.Form_DragOver(image(11), 1500, 4500, 2);
    EXPECT_EQ(model.hLineLeftX[1], 1500);
    EXPECT_EQ(model.hLineLeftY[1], 4500);
    EXPECT_EQ(model.hLineRightX[1], 2115);
    EXPECT_EQ(model.hLineRightY[1], 4500.0f);
    EXPECT_EQ(image(11)->cursor().shape(), Qt::CrossCursor);
}

TEST_F(DragDropTest, StartingADragWithdrawsTheResult) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.click("Command6");
    ASSERT_EQ(form.findChild<QLineEdit*>("Text1")->text(), QStringLiteral("100"));
    const QPoint home = form.picture(1)->pos();
    user.press(form.picture(1));
    user.moveTo(home - QPoint(20, 0));
    user.moveTo(home);  // back where it was: the result stays withdrawn all the same
    user.release();
    EXPECT_TRUE(form.findChild<QLineEdit*>("Text1")->text().isEmpty());
    EXPECT_FALSE(form.findChild<QPushButton*>("Command9")->isVisible());
    EXPECT_EQ(form.model().slotMarked[1], 0);
    EXPECT_EQ(form.valueLabels(1).front()->palette().color(QPalette::WindowText), Qt::black);
}

TEST_F(DragDropTest, ElementFollowsOnlyOverTheBareBackground) {
    user.enterValue("Command1", QStringLiteral("1"));
    QLabel* resistor = form.picture(1);
    user.press(resistor);
    user.moveTo({100, 400});
    EXPECT_EQ(resistor->pos(), QPoint(100, 400));
    EXPECT_EQ(form.model().resLeftX[1], 1500);
    user.moveTo({100 + 33, 400 + 5});  // 500 twips to the right: over the resistor itself
    EXPECT_EQ(resistor->pos(), QPoint(100, 400));
    user.moveTo({100 + 80, 400});  // 1200 twips to the right: past its right edge
    EXPECT_EQ(resistor->pos(), QPoint(180, 400));
    const QPoint overFrame = form.findChild<QWidget*>("Frame2")->geometry().center();
    user.moveTo(overFrame);
    EXPECT_EQ(resistor->pos(), QPoint(180, 400));
    user.moveTo({900, 400});  // outside the client area
    EXPECT_EQ(resistor->pos(), QPoint(180, 400));
    EXPECT_EQ(form.model().resLeftX[1], 2700);
    user.moveTo({181, 401});
    user.release();  // dropped onto its own picture: the normal symbol is back
    EXPECT_FALSE(showsDragBitmap(1));
}

TEST_F(DragDropTest, DropOntoAnotherPartRestoresThatPartsBitmap) {
    user.enterValue("Command1", QStringLiteral("1"));
    user.enterValue("Command1", QStringLiteral("2"));
    user.press(form.picture(2));
    user.moveTo({400, 420});
    user.moveTo({500, 500});
    user.moveTo(form.findChild<QWidget*>("Frame2")->geometry().center());
    user.release();  // over a frame, which is no drop target: the drag bitmap stays
    ASSERT_TRUE(showsDragBitmap(2));

    user.press(form.picture(1));
    user.moveTo({420, 380});
    user.moveTo(form.valueLabels(2).front()->mapTo(form.clientArea(), QPoint(2, 2)));
    user.release();
    EXPECT_FALSE(showsDragBitmap(2));
    EXPECT_TRUE(showsDragBitmap(1));
}

TEST_F(DragDropTest, MissingBitmapFilesKeepTheCurrentBitmap) {
    user.enterValue("Command2", QStringLiteral("1"));
    const QImage before = form.picture(6)->pixmap().toImage();
    const QString home = QDir::currentPath();
    // No bitmap at all, then FIFOs named like the bitmaps: opening one would block for good.
    for (const bool fifos : {false, true}) {
        QTemporaryDir folder;
        if (fifos) {
            for (const char* name : {"Dragコイル1.bmp", "コイル1.bmp"})
                ASSERT_EQ(
                    mkfifo(QDir(folder.path()).filePath(QString::fromUtf8(name)).toLocal8Bit(),
                           0600),
                    0);
        }
        QDir::setCurrent(folder.path());
        user.press(form.picture(6));
        user.moveTo({120, fifos ? 400 : 420});
        user.release();
        QDir::setCurrent(home);
        EXPECT_EQ(form.picture(6)->pos(), QPoint(120, fifos ? 400 : 420));
        EXPECT_EQ(form.picture(6)->pixmap().toImage(), before);
    }
    EXPECT_EQ(form.model().coilLeftX[1], 1800);
}

// Every drag-over event reads the drag bitmap from its file: one replaced while the program runs
// shows at the next event, also when the new file has the old one's size and time stamp.
TEST_F(DragDropTest, DragBitmapIsReadAnewOnEveryEvent) {
    user.enterValue("Command1", QStringLiteral("1"));
    const QString name = QStringLiteral("Drag抵抗.bmp");
    QTemporaryDir folder;
    const QString copy = QDir(folder.path()).filePath(name);
    ASSERT_TRUE(QFile::copy(name, copy));
    const QString home = QDir::currentPath();
    QDir::setCurrent(folder.path());
    form.Form_DragOver(form.picture(1), 2000, 4000, 2);
    const QImage first = form.picture(1)->pixmap().toImage();

    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QDateTime stamp = file.fileTime(QFileDevice::FileModificationTime);
    QByteArray bytes = file.readAll();
    const int pixels = qFromLittleEndian<qint32>(bytes.constData() + 10);
    for (qsizetype i = pixels; i < bytes.size(); ++i) bytes[i] = static_cast<char>(~bytes[i]);
    file.seek(0);
    ASSERT_EQ(file.write(bytes), bytes.size());
    ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    file.close();

    form.Form_DragOver(form.picture(1), 2100, 4000, 2);
    QDir::setCurrent(home);
    const QImage second = form.picture(1)->pixmap().toImage();
    EXPECT_NE(second, first);
    EXPECT_EQ(second, QImage(copy).convertToFormat(second.format()));
}

// The pointer shows the element's drag cursor from the press to the release, its hot spot in the
// middle of the 32 x 32 image.
TEST_F(DragDropTest, DragShowsTheElementsCursorUntilTheRelease) {
    user.enterValue("Command2", QStringLiteral("1"));
    user.click("Command8");
    const std::pair<QWidget*, const char*> elements[] = {
        {form.picture(6), ":/design/cursor-coil.png"},
        {image(11), ":/design/cursor-line.png"},
        {form.picture(6), ":/design/cursor-coil.png"},
    };
    for (const auto& [element, cursor] : elements) {
        SCOPED_TRACE(cursor);
        user.press(element);
        const QCursor* shown = QApplication::overrideCursor();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->hotSpot(), QPoint(16, 16));
        EXPECT_EQ(shown->pixmap().toImage(),
                  QImage(QString::fromLatin1(cursor))
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied));
        user.moveTo({120, 420});
        user.release();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(DragDropTest, LinesArePlacedAtTheirParkingPositions) {
    for (int i = 0; i < 11; ++i) user.click("Command7");
    EXPECT_EQ(image(1)->pos(), QPoint(48, 224));
    EXPECT_EQ(image(6)->pos(), QPoint(48, 320));
    EXPECT_TRUE(image(10)->isVisible());
    user.click("Command8");
    user.click("Command8");
    EXPECT_EQ(image(11)->pos(), QPoint(40, 408));
    EXPECT_EQ(image(12)->pos(), QPoint(104, 408));
    EXPECT_EQ(form.model().vLineTopX[1], 0);  // placing alone writes no end points

    form.Form_DragOver(image(2), 3000, 6000, 2);
    form.Form_DblClick();
    user.click("Command7");
    EXPECT_TRUE(image(2)->isVisible());
    EXPECT_EQ(image(2)->pos(), QPoint(80, 224));

    // A horizontal line dragged, removed and placed again: both ends parked, in the picture and
    // in the model.
    form.Form_DragOver(image(12), 3000, 6000, 2);
    form.Form_DblClick();
    user.click("Command8");
    EXPECT_TRUE(image(12)->isVisible());
    EXPECT_EQ(image(12)->pos(), QPoint(104, 408));
    const CircuitModel& m = form.model();
    EXPECT_EQ(m.hLineLeftX[2], 0);
    EXPECT_EQ(m.hLineLeftY[2], 0);
    EXPECT_EQ(m.hLineRightX[2], 0);
    EXPECT_EQ(m.hLineRightY[2], 0);
}

// A picture shows each bitmap it is given, also one it showed before with the symbol shown in
// between: the picture is left as it is only while it still shows the same pixels.
TEST(DrawingAreaBitmapTest, ShowsEachBitmapGivenInTurn) {
    QWidget clientArea;
    const CircuitModel model;
    DrawingArea area(&clientArea, model);
    const auto shown = [&area] {
        return area.picture(1)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const auto file = [](const char* name) {
        return QImage(QString::fromUtf8(name)).convertToFormat(QImage::Format_RGB32);
    };
    const QImage symbol = shown();
    area.showDragBitmap(1);
    area.showDragBitmap(1);
    EXPECT_EQ(shown(), file("Drag抵抗.bmp"));
    area.showSymbols();
    EXPECT_EQ(shown(), symbol);
    area.showDragBitmap(1);
    EXPECT_EQ(shown(), file("Drag抵抗.bmp"));
    area.showNormalBitmap(1);
    EXPECT_EQ(shown(), file("抵抗.bmp"));
}

}  // namespace
