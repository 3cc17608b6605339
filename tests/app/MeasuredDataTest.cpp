// Measured impedances opened from the main window's menu and kept with the drawing: the file keeps
// them relative to itself, opening it shows them again, and a file that went missing is named
// while the drawing opens all the same.

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QMessageBox>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtCharts/QChartView>

#include <functional>
#include <memory>
#include <vector>

#include "WindowTest.h"
#include "app/DrawingDocument.h"
#include "app/DrawingFile.h"
#include "response/MeasuredFiles.h"
#include "response/ResponseWindow.h"

namespace {

// Answers modal dialogs that open during one user action, polling, since a dialog opened after
// another one closed is not yet there when a zero-delay timer fires. When the action is over, a
// dialog that had to open and did not fails the test.
class DialogWatch {
public:
    ~DialogWatch() {
        for (const Watch& w : mWatches)
            if (w.required && w.timer->isActive()) ADD_FAILURE() << "a dialog did not open";
    }
    void when(std::function<bool(QDialog*)> matches, std::function<void(QDialog*)> action,
              bool required = true) {
        auto timer = std::make_shared<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [=, t = timer.get()] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !matches(dialog)) return;
            t->stop();
            action(dialog);
        });
        timer->start(10);
        mWatches.push_back({timer, required});
    }

private:
    struct Watch {
        std::shared_ptr<QTimer> timer;
        bool required;
    };
    std::vector<Watch> mWatches;
};

bool isColumnDialog(QDialog* d) {
    return d->objectName() == QLatin1String("columnChoiceDialog");
}

bool isFileDialog(QDialog* d) {
    return qobject_cast<QFileDialog*>(d) != nullptr;
}

class MeasuredDataTest : public WindowTest {
protected:
    QTemporaryDir folder;

    QString path(const QString& name) { return folder.filePath(name); }
    ResponseWindow* response() { return form.findChild<ResponseWindow*>(); }
    QStringList listed() {
        QStringList names;
        auto* list = response()->findChild<QListWidget*>("measurementList");
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        return names;
    }
    QString status() { return response()->findChild<QLabel*>("measurementStatus")->text(); }
    int nyquistPoints(const QString& name) {
        auto* view = response()->findChild<QChartView*>("nyquistChart");
        for (QAbstractSeries* series : view->chart()->series())
            if (series->name() == name) return qobject_cast<QScatterSeries*>(series)->count();
        return -1;
    }
    // "表示" → "測定データを開く...", the files named in the file dialog as a user names several,
    // the column dialog of the one delimited file, if any, confirmed as guessed.
    void openMeasurements(const QString& typed, bool oneDelimited) {
        DialogWatch dialogs;
        dialogs.when(isFileDialog, [&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            files->setDirectory(folder.path());
            auto* name = files->findChild<QLineEdit*>("fileNameEdit");
            // Typed keys lose the opening quote to the field's completer under the offscreen
            // platform; the text is set whole, as pasting it would.
            name->setText(typed);
            if (oneDelimited)
                dialogs.when(isColumnDialog, [](QDialog* columns) {
                    QTest::mouseClick(columns->findChild<QPushButton*>("readColumns"),
                                      Qt::LeftButton);
                });
            // "Open" is enabled once the dialog has listed the folder, which it does in a thread
            // of its own; Return would go to the name completer's popup first.
            QPushButton* open =
                files->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Open);
            EXPECT_TRUE(QTest::qWaitFor([open] { return open->isEnabled(); }));
            QTest::mouseClick(open, Qt::LeftButton);
        });
        form.findChild<QAction*>("actionOpenMeasurement")->trigger();
        QApplication::processEvents();
        response()->flush();
        response()->findChild<QTabWidget*>("views")->setCurrentIndex(2);
    }
    // A "ファイル" command whose file dialog is answered with `file`; a question whether to drop
    // changes is answered "破棄".
    void fileCommand(const char* action, const QString& file = {}) {
        DialogWatch dialogs;
        if (!file.isEmpty())
            dialogs.when(isFileDialog, [file](QDialog* dialog) {
                // The whole path typed where the name goes, as a user may.
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file);
                dialog->accept();
            });
        dialogs.when([](QDialog* d) { return d->objectName() == "saveChangesQuestion"; },
                     [](QDialog* box) {
                         for (QAbstractButton* b : qobject_cast<QMessageBox*>(box)->buttons())
                             if (b->text() == QStringLiteral("破棄")) b->click();
                     },
                     false);
        form.findChild<QAction*>(action)->trigger();
        QApplication::processEvents();
    }
};

TEST_F(MeasuredDataTest, MenuOpensATouchstoneFileAndACsvFileTogether) {
    drawTwoStackedResistors();
    measured_files::writeTouchstone(path("fifty.s1p"), form.model(),
                                    measured_files::logFrequencies(10, 1e6, 11));
    measured_files::writeCsv(path("fifty.csv"), form.model(),
                             measured_files::logFrequencies(10, 1e6, 7));
    openMeasurements(QStringLiteral("\"fifty.s1p\" \"fifty.csv\""), true);
    ASSERT_NE(response(), nullptr);
    EXPECT_TRUE(response()->isVisible());
    EXPECT_EQ(listed(), (QStringList{"fifty.s1p", "fifty.csv"}));
    EXPECT_EQ(nyquistPoints(QStringLiteral("fifty.s1p")), 11);
    EXPECT_EQ(nyquistPoints(QStringLiteral("fifty.csv")), 7);
}

TEST_F(MeasuredDataTest, DrawingKeepsItsMeasurementsRelativeToItsFile) {
    drawTwoStackedResistors();
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("first/data")));
    measured_files::writeTouchstone(path("first/data/fifty.s1p"), form.model(),
                                    measured_files::logFrequencies(10, 1e6, 11));
    measured_files::writeCsv(path("first/data/fifty.csv"), form.model(),
                             measured_files::logFrequencies(10, 1e6, 7));
    openMeasurements(QStringLiteral("\"first/data/fifty.s1p\" \"first/data/fifty.csv\""), true);
    fileCommand("actionSaveAs", path("first/rc.selvoria"));

    QFile saved(path("first/rc.selvoria"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(saved.readAll()).object();
    const QJsonArray kept = root.value("measurements").toArray();
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept[0].toObject().value("path").toString(), QStringLiteral("data/fifty.s1p"));
    EXPECT_FALSE(kept[0].toObject().contains("columns"));
    EXPECT_EQ(kept[1].toObject().value("path").toString(), QStringLiteral("data/fifty.csv"));
    EXPECT_EQ(kept[1].toObject().value("columns").toObject().value("hertzPerUnit").toDouble(), 1e3);

    // The drawing and its data moved elsewhere together still find each other.
    ASSERT_TRUE(QDir(folder.path()).rename(QStringLiteral("first"), QStringLiteral("moved")));
    fileCommand("actionNew");
    EXPECT_TRUE(listed().isEmpty());
    fileCommand("actionOpen", path("moved/rc.selvoria"));
    EXPECT_EQ(listed(), (QStringList{"fifty.s1p", "fifty.csv"}));
    ASSERT_EQ(response()->measurements().size(), 2u);
    EXPECT_EQ(response()->measurements().front().source.path, path("moved/data/fifty.s1p"));
    response()->flush();
    EXPECT_EQ(nyquistPoints(QStringLiteral("fifty.csv")), 7);
    EXPECT_TRUE(status().isEmpty());

    // Removing one is a change the file keeps: leaving the drawing asks first.
    response()->findChild<QListWidget*>("measurementList")->setCurrentRow(0);
    QTest::mouseClick(response()->findChild<QPushButton*>("removeMeasurement"), Qt::LeftButton);
    DialogWatch dialogs;
    dialogs.when([](QDialog* d) { return d->objectName() == "saveChangesQuestion"; },
                 [](QDialog* box) { box->reject(); });
    form.findChild<QAction*>("actionNew")->trigger();
}

TEST_F(MeasuredDataTest, MissingOrRefusedMeasurementIsNamedAndTheDrawingOpens) {
    drawTwoStackedResistors();
    measured_files::write(path("bad.csv"), QStringLiteral("f,re,im\n1,2,3\n2,x,4\n"));
    const MeasurementSources sources = {{path("gone.s1p"), std::nullopt},
                                        {path("bad.csv"), ColumnChoice{}}};
    measured_files::write(path("rc.selvoria"),
                          QString::fromUtf8(encodeDrawingFile(captureFileContents(form.model()),
                                                              sources, folder.path())));
    fileCommand("actionNew");
    bool boxed = false;
    {
        DialogWatch boxes;
        boxes.when([](QDialog* d) { return qobject_cast<QMessageBox*>(d) != nullptr; },
                   [&](QDialog* box) {
                       boxed = true;
                       box->reject();
                   },
                   false);
        fileCommand("actionOpen", path("rc.selvoria"));
    }
    EXPECT_FALSE(boxed);
    EXPECT_EQ(label("fileName"), QStringLiteral("rc.selvoria"));
    EXPECT_TRUE(visible("Picture1"));
    ASSERT_NE(response(), nullptr);
    EXPECT_EQ(listed(), (QStringList{"gone.s1p（読めません）", "bad.csv（読めません）"}));
    EXPECT_TRUE(status().contains(QStringLiteral("測定データを読めません：gone.s1p: ")));
    EXPECT_TRUE(status().contains(QStringLiteral("測定データを読めません：bad.csv: 3 行目: ")));
    // Saved again, the file still names both.
    EXPECT_EQ(form.document().measurements(), sources);
}

TEST(MeasuredDataFileTest, DrawingWithoutMeasurementsIsWrittenAsBefore) {
    CircuitModel model;
    loadInitialState(model);
    const DrawingFileContents contents = captureFileContents(model);
    const QByteArray bytes = encodeDrawingFile(contents, {}, QStringLiteral("/tmp"));
    EXPECT_EQ(bytes, encodeDrawingFile(contents));
    EXPECT_FALSE(bytes.contains("measurements"));
    const DrawingFileRead read = decodeDrawingFile(bytes, QStringLiteral("/tmp"));
    ASSERT_TRUE(read.contents.has_value()) << read.problem.toStdString();
    EXPECT_TRUE(read.measurements.isEmpty());
}

struct EntryRow {
    const char* entry;    // one element of "measurements"
    const char* problem;  // empty when the entry is read
};

TEST(MeasuredDataFileTest, EachMeasurementEntryIsCheckedBeforeTheDrawingIsRead) {
    const EntryRow rows[] = {
        {R"({"path": "a.s1p"})", ""},
        {R"({"path": "/abs/a.csv", "columns": {"frequency": 1, "first": 3, "second": 2,
            "meaning": "magnitude-phase", "hertzPerUnit": 1e6}})",
         ""},
        {R"({"path": ""})", "measurements[0]：「path」が空です"},
        {R"({"file": "a.s1p"})", "measurements[0]：項目「path」がありません"},
        {R"("a.s1p")", "measurements[0]：オブジェクトではありません"},
        {R"({"path": "a.csv", "columns": {"frequency": 0, "first": 2, "second": 3,
            "meaning": "re-im", "hertzPerUnit": 1}})",
         "measurements[0].columns：「frequency」は 1〜65536 の整数です"},
        {R"({"path": "a.csv", "columns": {"frequency": 1, "first": 2, "second": 3,
            "meaning": "polar", "hertzPerUnit": 1}})",
         "measurements[0].columns：「meaning」は"},
        {R"({"path": "a.csv", "columns": {"frequency": 1, "first": 2, "second": 3,
            "meaning": "re-im", "hertzPerUnit": -1}})",
         "measurements[0].columns：「meaning」は"},
    };
    CircuitModel model;
    loadInitialState(model);
    const QByteArray plain = encodeDrawingFile(captureFileContents(model));
    const auto withEntry = [&](const char* entry) {
        return QByteArray(plain).replace(
            "\"format\"", QByteArray("\"measurements\": [") + entry + "],\n\"format\"");
    };
    for (const EntryRow& row : rows) {
        SCOPED_TRACE(row.entry);
        const DrawingFileRead read = decodeDrawingFile(withEntry(row.entry), "/drawings");
        if (*row.problem == '\0') {
            ASSERT_TRUE(read.contents.has_value()) << read.problem.toStdString();
            ASSERT_EQ(read.measurements.size(), 1);
            EXPECT_TRUE(read.measurements.front().path.startsWith(u'/'));
        } else {
            EXPECT_FALSE(read.contents.has_value());
            EXPECT_TRUE(read.problem.startsWith(QString::fromUtf8(row.problem)))
                << read.problem.toStdString();
        }
    }
    const DrawingFileRead polar = decodeDrawingFile(withEntry(rows[1].entry), "/drawings");
    ASSERT_EQ(polar.measurements.size(), 1);
    const ColumnChoice expected{0, 2, 1, ValueMeaning::MagnitudePhaseDegrees, 1e6};
    EXPECT_EQ(polar.measurements.front(), (MeasurementSource{"/abs/a.csv", expected}));
    EXPECT_EQ(decodeDrawingFile(withEntry(rows[0].entry), "/drawings").measurements.front().path,
              QStringLiteral("/drawings/a.s1p"));
}

}  // namespace
