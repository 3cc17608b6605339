// The Smith chart view of the frequency response window: where a drawing's reflection sits, and
// its caption.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/response/ResponseWindowFixture.h"

namespace {

// A resistor of Z0 reflects nothing: its working point sits at the chart's centre, not on the
// rim. A Z0 typed while the chart is shown is the one its caption names.
TEST_F(ResponseWindowTest, SmithChartCentreIsTheReferenceAndItsCaptionFollowsZ0) {
    show(rlcDrawing({50, 0, 0, Shape::Resistor}, 1000));
    auto* views = window.findChild<QTabWidget*>("views");
    views->setCurrentIndex(3);
    QWidget* smith = window.findChild<QWidget*>("smithChart");
    QApplication::processEvents();
    const QImage image = smith->grab().toImage();
    const double ratio = image.devicePixelRatio();
    const QPointF centre = QRectF(smith->rect()).center() * ratio;
    const QColor marker(0, 128, 0);
    EXPECT_EQ(image.pixelColor(centre.toPoint()), marker);
    // Γ = 1, where the chart's circle meets its horizontal axis (34 pixels of margin).
    const double side = std::min(smith->width(), smith->height()) - 2 * 34.0;
    const QPointF rim = (QRectF(smith->rect()).center() + QPointF(side / 2, 0)) * ratio;
    EXPECT_NE(image.pixelColor(rim.toPoint()), marker);

    // Against 75 Ω the resistor reflects -0.2: the chart shown is drawn again, caption and all.
    type("referenceImpedance", QStringLiteral("75"));
    QApplication::processEvents();
    const QImage after = smith->grab().toImage();
    EXPECT_NE(after.pixelColor(centre.toPoint()), marker);
    const QRect caption(0, 0, image.width() / 2, static_cast<int>(30 * ratio));
    EXPECT_NE(after.copy(caption), image.copy(caption));
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("smith.svg"));
    ASSERT_TRUE(window.saveSvg(svg));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("Z0 = 75 Ω")));
}

}  // namespace
