// Exports never claim what they did not do, and the steps window agrees with the result fields.

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

#include "WindowTest.h"
#include "following/StepsWindow.h"
#include "response/ResponseWindow.h"
#include "toolkit/SaveFile.h"

namespace {

// Limits the size of every file this process writes, as a nearly full disk would; writes past
// the limit fail with EFBIG instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &mSaved);
        mSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = mSaved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &mSaved);
        std::signal(SIGXFSZ, mSignal);
    }

private:
    rlimit mSaved{};
    void (*mSignal)(int) = nullptr;
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers message boxes as they open: yes to the file dialog's question whether to replace the
// old file, and any other box is read and closed. Nothing is expected to open.
void answerMessageBoxes(QString& message) {
    QTimer::singleShot(0, [&message] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
            answerMessageBoxes(message);
            yes->click();
            return;
        }
        message = box->text();
        box->accept();
    });
}

// Presses a save button of the response window and answers the file dialog with a name typed into
// it, as a user does; returns the folder the dialog started in and what a message box said.
struct SaveOutcome {
    QString startFolder;
    QString message;
};

SaveOutcome saveThroughDialog(ResponseWindow& window, const char* button, const QString& path) {
    SaveOutcome outcome;
    whenModalOpens([&](QDialog* asking) {
        auto* files = qobject_cast<QFileDialog*>(asking);
        ASSERT_NE(files, nullptr);
        outcome.startFolder = files->directory().absolutePath();
        // The boxes open from inside this dialog's accept.
        answerMessageBoxes(outcome.message);
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->text() == QString::fromUtf8(button)) QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
    return outcome;
}

class SafeExportTest : public WindowTest {
protected:
    SafeExportTest() { user.enterValue("Command1", QStringLiteral("100")); }
};

TEST_F(SafeExportTest, ExportCutByAFileSizeLimitKeepsTheOldFile) {
    struct Row {
        const char* button;
        const char* file;
    };
    // The sweep, the Touchstone file and the charts all need far more than the limit.
    const Row rows[] = {{"CSV保存", "sweep.csv"},
                        {"Touchstone保存", "sweep.s1p"},
                        {"PNG保存", "chart.png"},
                        {"SVG保存", "chart.svg"},
                        {"PDF保存", "chart.pdf"}};
    ResponseWindow window(&form);
    window.follow(form.model());
    window.show();
    window.flush();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf8(row.file));
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("the old export\n");
        }
        SaveOutcome outcome;
        {
            const FileSizeLimit limit(4096);
            outcome = saveThroughDialog(window, row.button, path);
        }
        EXPECT_EQ(contents(path), QByteArray("the old export\n"));
        EXPECT_TRUE(outcome.message.contains(path)) << outcome.message.toStdString();
        EXPECT_TRUE(outcome.message.contains(QStringLiteral("理由")));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QString::fromUtf8(row.file)})
            << "no temporary file is left behind";
        EXPECT_TRUE(window.findChild<QLabel*>("exportStatus")->text().isEmpty())
            << "a failed export claims nothing";
    }
}

TEST_F(SafeExportTest, SaveStartsInTheDocumentsFolderAndAddsTheSuffix) {
    ResponseWindow window(&form);
    window.follow(form.model());
    window.show();
    window.flush();
    QTemporaryDir dir;
    const SaveOutcome outcome =
        saveThroughDialog(window, "PNG保存", dir.filePath(QStringLiteral("chart")));
    EXPECT_EQ(outcome.startFolder, QDir(documentsFolder()).absolutePath());
    EXPECT_TRUE(outcome.message.isEmpty()) << outcome.message.toStdString();
    EXPECT_TRUE(contents(dir.filePath(QStringLiteral("chart.png"))).startsWith("\x89PNG"));
    EXPECT_EQ(window.findChild<QLabel*>("exportStatus")->text(),
              QStringLiteral("保存しました：") +
                  QDir::toNativeSeparators(dir.filePath(QStringLiteral("chart.png"))));
}

TEST_F(SafeExportTest, StepsRoundLikeTheResultFields) {
    user.click("Command10");
    user.enterValue("Command1", QStringLiteral("0.0035"), 2);  // 0.0035 ＭΩ
    auto* units = form.findChild<QComboBox*>("Combo1");
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Down);
    QTest::keyClick(units, Qt::Key_Down);  // "ＭΩ" recalculates
    const QString shown = form.findChild<QLineEdit*>("Text2")->text();
    EXPECT_EQ(shown, QStringLiteral("0.003"));
    StepsWindow steps(&form);
    steps.follow(form.model());
    steps.show();
    steps.flush();
    const QString inSteps = steps.findChild<QTableWidget*>("steps")->item(0, 2)->text();
    EXPECT_EQ(inSteps, shown);
}

}  // namespace
