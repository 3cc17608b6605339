// Drawings saved and opened through the "ファイル" menu, broken files refused whole, and the
// question before unsaved work is dropped.

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>
#include <cmath>
#include <functional>

#include "WindowTest.h"
#include "app/DrawingDocument.h"
#include "app/DrawingFile.h"

namespace {

class DrawingFileTest : public WindowTest {
protected:
    QTemporaryDir folder;
    QString message;  // the last message box's text

    QString path(const char* name) { return folder.filePath(QString::fromUtf8(name)); }

    // Answers the next message box that opens during `action` with the button named `answer`
    // and keeps its text; a box the action does not open is not waited for.
    void answeringBoxes(const std::function<void()>& action,
                        const QString& answer = QStringLiteral("キャンセル")) {
        QTimer watch;
        watch.setInterval(0);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            watch.stop();
            message = box->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == answer) return button->click();
            // The file dialog's question whether to replace a file has the standard buttons.
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) return yes->click();
            box->accept();
        });
        watch.start();
        action();
    }
    // Chooses a "ファイル" command whose file dialog is answered with `file`.
    void chooseFile(const char* action, const QString& file) {
        whenModalOpens([&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr) << dialog->objectName().toStdString();
            files->selectFile(file);
            static_cast<QDialog*>(files)->accept();
        });
        answeringBoxes([&] { form.findChild<QAction*>(action)->trigger(); }, QStringLiteral("Yes"));
    }
    void saveAs(const QString& file) { chooseFile("actionSaveAs", file); }
    void open(const QString& file) {
        message.clear();
        chooseFile("actionOpen", file);
    }
    void newDrawing() {
        answeringBoxes([&] { form.findChild<QAction*>("actionNew")->trigger(); },
                       QStringLiteral("破棄"));
    }
    void calculate() {
        answeringBoxes([&] { user.click("Command6"); });
    }
    QByteArray saved(const char* name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// The walkthrough's drawing, a staged reduction with impedance parts, and a bare line.
const std::vector<std::function<void(UserActions&, Form1&)>> kDrawings = {
    [](UserActions& user, Form1& form) {
        user.enterValue("Command4", QStringLiteral("50"));
        user.enterValue("Command1", QStringLiteral("100"));
        user.enterValue("Command3", QStringLiteral("10"), 1);
        user.enterValue("Command2", QStringLiteral("0.1"));
        user.drag(form.picture(1), {300, 250});
        user.drag(form.picture(11), {300, 315});
        user.click("Command7");
        user.click("Command7");
        user.drag(form.lineImage(1), {374, 274});
        user.drag(form.lineImage(2), {292, 274});
        user.drag(form.picture(6), {226, 250});
    },
    [](UserActions& user, Form1& form) {
        user.enterValue("Command1", QStringLiteral("100"));
        user.enterValue("Command2", QStringLiteral("0.1"));
        user.enterValue("Command4", QStringLiteral("50"));
        user.drag(form.picture(1), {300, 300});
        user.drag(form.picture(6), {226, 299});
        user.click("Command6");
        user.click("Command9");  // "周波数" is hidden from here on
        user.enterValue("Command1", QStringLiteral("220"));
        user.drag(form.picture(1), {700, 480});
        user.click("Command6");
        user.click("Command9");
        user.drag(form.picture(16), {300, 300});
        user.enterValue("Command1", QStringLiteral("47"));
        user.drag(form.picture(1), {226, 299});
        auto* units = form.findChild<QComboBox*>("Combo1");
        units->setFocus();
        QTest::keyClick(units, Qt::Key_Down);  // ＫΩ, kept in the file
    },
    [](UserActions& user, Form1&) {
        user.click("Command8");  // a line never dragged stays parked
        user.enterValue("Command3", QStringLiteral("1"), 2);
    },
};

TEST_F(DrawingFileTest, SavedDrawingsOpenAsTheyWereAndCalculateAlike) {
    for (std::size_t i = 0; i < kDrawings.size(); ++i) {
        SCOPED_TRACE(i);
        newDrawing();
        kDrawings[i](user, form);
        calculate();
        const QStringList drawn = shownState();
        const QString file = path("drawing.selvoria");
        saveAs(file);
        user.click("Command10");
        newDrawing();
        open(file);
        EXPECT_TRUE(message.isEmpty()) << message.toStdString();
        EXPECT_TRUE(field(1).isEmpty());
        EXPECT_FALSE(visible("Command9"));
        calculate();
        EXPECT_EQ(shownState(), drawn);
        EXPECT_EQ(form.statusBar()->findChild<QLabel*>("fileName")->text(),
                  QStringLiteral("drawing.selvoria"));
    }
}

TEST_F(DrawingFileTest, FileStartsWithItsFormatAndVersion) {
    user.enterValue("Command1", QStringLiteral("100"));
    saveAs(path("plain"));  // the suffix is added
    EXPECT_TRUE(saved("plain.selvoria")
                    .startsWith("{\n    \"format\": \"selvoria-drawing\",\n    \"version\": 1,\n"));
}

TEST(DrawingFileFormatTest, DocumentedExampleOpens) {
    QFile page(QStringLiteral(SELVORIA_SOURCE_DIR "/docs/drawing-file.md"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    const qsizetype start = text.indexOf("```json\n") + 8;
    const DrawingFileRead read =
        decodeDrawingFile(text.mid(start, text.indexOf("```", start) - start));
    ASSERT_TRUE(read.contents.has_value()) << read.problem.toStdString();
    EXPECT_EQ(read.contents->drawing.resLeftX[1], 4500);
    EXPECT_EQ(read.contents->drawing.vLineBottomY[1], 5835.0f);
    EXPECT_EQ(read.contents->resistanceInput, 100);
}

TEST_F(DrawingFileTest, BrokenFilesAreRefusedWholeWithTheReason) {
    user.enterValue("Command1", QStringLiteral("100"));
    user.enterValue("Command2", QStringLiteral("1"));
    user.click("Command7");
    user.drag(form.lineImage(1), {400, 300});
    saveAs(path("good.selvoria"));
    const QByteArray good = saved("good.selvoria");
    const auto edited = [&](const char* from, const char* to) {
        QByteArray copy = good;
        return copy.replace(from, to);
    };
    struct Row {
        const char* name;
        QByteArray contents;
        const char* reason;
    };
    const std::vector<Row> rows = {
        {"not JSON", "{\n  \"format\": ,\n}", "2 行 14 桁"},
        {"another format", edited("selvoria-drawing", "other"), "図面ファイルではありません"},
        {"a newer version", edited("\"version\": 1", "\"version\": 2"), "新しい版"},
        {"a slot out of range", edited("\"slot\": 6", "\"slot\": 21"), "1〜20"},
        {"a slot used twice", edited("\"slot\": 6", "\"slot\": 1"), "二度"},
        {"a line out of range", edited("\"number\": 1", "\"number\": 0"), "1〜20"},
        {"a number too large", edited("\"value\": 100", "\"value\": 1e999"), "JSON として"},
        {"a part outside the window", edited("\"leftX\": 3600", "\"leftX\": 13000"), "画面の外"},
        {"terminals apart from the part", edited("\"rightX\": 4710", "\"rightX\": 4711"),
         "大きさと合いません"},
        {"a missing field", edited("\"frequency\":", "\"frequenz\":"), "「frequency」がありません"},
        {"an unknown result unit", edited("\"resultUnit\": \"Ω\"", "\"resultUnit\": \"A\""),
         "結果の単位"},
        {"a file over 1 MiB", good + QByteArray(1 << 20, ' '), "1 MiB"},
        {"two captions on a resistor", edited("\"captions\": [", "\"captions\": [\"x\", "),
         "表示は 1 個です"},
        {"a line of another length", edited("\"length\": ", "\"length\": 1"), "線の長さが違います"},
        {"markup in a caption", edited("0Ω\"", "0Ω<img src=\\\"/dev/zero\\\">\""),
         "素子 1 の表示に使えない文字があります"},
        {"a control character in a caption", edited("0Ω\"", "0Ω\\u0007\""),
         "素子 1 の表示に使えない文字があります"},
        {"markup in the frequency's caption",
         edited("\"frequencyCaption\": \"", "\"frequencyCaption\": \"<b>"),
         "周波数の表示に使えない文字があります"},
        {"a frequency command shown as a number",
         edited("\"frequencyCommandShown\": ", "\"frequencyCommandShown\": 0, \"x\": "),
         "「frequencyCommandShown」が真偽値ではありません"},
    };
    const QStringList before = shownState();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile file(path("broken.selvoria"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(row.contents);
        file.close();
        open(file.fileName());
        EXPECT_TRUE(message.contains(file.fileName())) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(row.reason))) << message.toStdString();
        EXPECT_EQ(shownState(), before);
    }
    // Not a regular file: opening a FIFO would block, a folder has nothing to read.
    ASSERT_EQ(mkfifo(path("fifo.selvoria").toLocal8Bit(), 0600), 0);
    for (const auto& [file, reason] : {std::pair{path("fifo.selvoria"), "通常のファイル"},
                                       std::pair{folder.path(), "フォルダー"},
                                       std::pair{path("missing.selvoria"), "ありません"}}) {
        ASSERT_TRUE(readDrawingFile(file).problem.contains(QString::fromUtf8(reason)))
            << readDrawingFile(file).problem.toStdString();
    }
    // Cut or damaged copies never reach the model half read.
    for (qsizetype cut = 0; cut < good.size(); cut += 37) {
        const DrawingFileRead read = decodeDrawingFile(good.left(cut));
        EXPECT_FALSE(read.contents.has_value()) << cut;
        EXPECT_FALSE(read.problem.isEmpty()) << cut;
    }
    for (qsizetype at = 0; at < good.size(); at += 11) {
        QByteArray damaged = good;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x5a);
        const DrawingFileRead read = decodeDrawingFile(damaged);
        // What a damaged file still gives is a drawing the writer writes back as it was read.
        if (read.contents) {
            const DrawingFileRead again = decodeDrawingFile(encodeDrawingFile(*read.contents));
            ASSERT_TRUE(again.contents.has_value()) << at << again.problem.toStdString();
            EXPECT_EQ(*again.contents, *read.contents) << at;
        }
        EXPECT_NE(read.contents.has_value(), !read.problem.isEmpty()) << at;
    }
}

TEST_F(DrawingFileTest, ChangedDrawingAsksBeforeItIsDropped) {
    user.enterValue("Command1", QStringLiteral("100"));
    form.findChild<QAction*>("actionNew")->trigger();  // never saved: no question
    EXPECT_FALSE(form.picture(1)->isVisible());

    user.enterValue("Command1", QStringLiteral("100"));
    saveAs(path("kept.selvoria"));
    user.drag(form.picture(1), {300, 300});
    message.clear();
    answeringBoxes([&] { form.findChild<QAction*>("actionNew")->trigger(); });
    EXPECT_TRUE(message.contains(QStringLiteral("kept.selvoria")));
    EXPECT_TRUE(form.picture(1)->isVisible()) << "cancelled";

    answeringBoxes([&] { form.findChild<QAction*>("actionNew")->trigger(); },
                   QStringLiteral("保存"));
    EXPECT_FALSE(form.picture(1)->isVisible());
    EXPECT_TRUE(saved("kept.selvoria").contains("\"leftX\": 4500"));

    // A result unit change counts as a change; a calculation does not.
    open(path("kept.selvoria"));
    user.click("Command6");
    EXPECT_TRUE(form.document().mayDiscard());
    pickResultUnit(2);
    bool kept = true;
    answeringBoxes([&] { kept = form.document().mayDiscard(); });
    EXPECT_FALSE(kept);
}

}  // namespace
