// "SPICE ネットリスト書き出し..." writes the drawing as wired; ngspice solving the file gives the
// wired check's impedance.

#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "Ngspice.h"
#include "WindowTest.h"
#include "app/DrawingDocument.h"
#include "engine/WiredCheck.h"

namespace {

class NetlistExportTest : public WindowTest {
protected:
    QTemporaryDir folder;

    QAction* exportCommand() { return form.findChild<QAction*>("actionExportNetlist"); }
    // Exports through the menu into a new file.
    void exportTo(const QString& file) {
        whenModalOpens([&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            files->selectFile(file);
            static_cast<QDialog*>(files)->accept();
        });
        exportCommand()->trigger();
    }
    // Exports through the menu where a refusal is expected; returns its message.
    QString refusal() {
        QString said;
        whenModalOpens([&](QDialog* dialog) {
            said = qobject_cast<QMessageBox*>(dialog) ? qobject_cast<QMessageBox*>(dialog)->text()
                                                      : QStringLiteral("no refusal");
            dialog->reject();
        });
        exportCommand()->trigger();
        return said;
    }
};

TEST_F(NetlistExportTest, NgspiceSolvesTheExportedDrawingToTheCheck) {
    struct Row {
        const char* name;
        std::function<void()> draw;
    };
    const Row rows[] = {
        {"resistor and coil in series",
         [&] {
             user.enterValue("Command1", QStringLiteral("100"));
             user.enterValue("Command2", QStringLiteral("0.1"));
             user.drag(form.picture(1), {300, 300});
             user.drag(form.picture(6), {226, 299});
         }},
        {"two resistors stacked", [&] { drawTwoStackedResistors(); }},
        {"an impedance part beside a capacitor",
         [&] {
             user.enterValue("Command1", QStringLiteral("30"));
             user.click("Command6");
             user.click("Command9");
             user.enterValue("Command3", QStringLiteral("4.7"), 1);
             user.drag(form.picture(16), {300, 300});
             user.drag(form.picture(11), {226, 301});
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        form.document().newDrawing();
        user.enterValue("Command4", QStringLiteral("50"));
        row.draw();
        const WiredCheck check = CheckWiredDrawing(form.model());
        ASSERT_TRUE(check.impedance.has_value());
        const QString file = folder.filePath(QString::fromUtf8(row.name) + QStringLiteral(".cir"));
        exportTo(file);
        QFile netlist(file);
        ASSERT_TRUE(netlist.open(QIODevice::ReadOnly));
        const auto printed = printedImpedance(runNgspice(netlist.readAll().toStdString()));
        ASSERT_TRUE(printed.has_value());
        const double size = std::hypot(check.impedance->re, check.impedance->im);
        EXPECT_NEAR(printed->re, check.impedance->re, 1e-11 * size);
        EXPECT_NEAR(printed->im, check.impedance->im, 1e-11 * size);
    }
}

TEST_F(NetlistExportTest, RefusedWithTheReasonAtZeroHertzOrWithoutAPort) {
    EXPECT_TRUE(refusal().contains(QStringLiteral("0 Hz")));
    user.enterValue("Command4", QStringLiteral("50"));
    // Nothing placed: no port, and the message says which reason holds.
    EXPECT_TRUE(refusal().endsWith(QStringLiteral("\n図の配線による検算：素子がありません")));
}

}  // namespace
