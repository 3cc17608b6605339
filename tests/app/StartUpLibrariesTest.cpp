#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QStringList>
#include <QTest>
#include <string>

#include <gtest/gtest.h>

#include "app/Form1.h"
#include "model/CircuitEdits.h"

// Alone in its test program: no other test has loaded anything before it.

namespace {

// The files mapped into the running process whose path contains `part`, one per line.
std::string loaded(const char* part) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return "/proc/self/maps unreadable";
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        if (line.contains('/') && path.contains(QLatin1String(part)) && !found.contains(path))
            found << path;
    }
    return found.join(u'\n').toStdString();
}

// Showing the window, drawing a part and dragging it load no image plug-in (every picture is
// read with its format given) and not Qt Charts, which only the frequency response window needs.
TEST(StartUpLibrariesTest, WindowAndDragLoadNeitherImagePluginsNorCharts) {
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    placePart(form.model(), PartKind::Capacitor, 1, 1e-6);
    form.showWholeDrawing();
    form.Form_DragOver(form.picture(11), 3000, 6000, 2);
    QTest::qWait(20);
    ASSERT_NE(loaded("libQt6Widgets"), "");  // the maps are read
    EXPECT_EQ(loaded("/imageformats/"), "");
    EXPECT_EQ(loaded("libQt6Charts"), "");
    EXPECT_EQ(loaded("libQt6Svg"), "");
}

}  // namespace
