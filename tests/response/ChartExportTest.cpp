// The PDF and SVG exports of the response charts, read back by poppler and librsvg, look like the
// PNG export of the same chart: the title inside the page, every legend entry, the dashes of the
// working frequency's line and curves as strong as on screen.

#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/response/ChartRaster.h"
#include "tests/response/ResponseWindowFixture.h"

namespace {

// Blocks of 8 pixels of the PNG, twice the screen's: about a glyph of the axis labels.
constexpr int kBlock = 8;
constexpr double kMostDifference = 6;  // of 255, per channel
// A grid cell with ink in one image holds at least this share of it in the other.
constexpr double kLeastInkShare = 0.5;

// The title line, in the band above the chart, starts and ends where it does in the PNG.
void expectLooksLike(const QImage& png, const QImage& other, int titleBand, bool dashed) {
    ASSERT_EQ(other.size(), png.size());
    const std::pair<int, int> title = inkColumns(png, 0, titleBand);
    const std::pair<int, int> seenTitle = inkColumns(other, 0, titleBand);
    ASSERT_GE(title.first, 0);
    EXPECT_NEAR(seenTitle.first, title.first, png.width() / 50);
    EXPECT_NEAR(seenTitle.second, title.second, png.width() / 50);
    EXPECT_LT(blockDifference(png, other, kBlock), kMostDifference);
    constexpr int kColumns = 8, kRows = 12;
    const std::vector<double> expected = cellInk(png, kColumns, kRows);
    const std::vector<double> seen = cellInk(other, kColumns, kRows);
    const double cell = double(png.width()) * png.height() / (kColumns * kRows);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const double most = std::max(expected[i], seen[i]);
        if (most < cell * 0.01) continue;
        EXPECT_GT(std::min(expected[i], seen[i]) / most, kLeastInkShare)
            << "cell " << i % kColumns << ", " << i / kColumns << ": " << expected[i] << " against "
            << seen[i];
    }
    if (dashed) {
        EXPECT_GT(greenRuns(other), 5);
    }
}

TEST_F(ResponseWindowTest, PdfAndSvgExportsReadLikeThePng) {
    struct Row {
        const char* view;
        int tab;
        bool dashed;  // the working frequency is a dashed vertical line
    };
    const Row rows[] = {{"|Z| and phase", 0, true},
                        {"R and X", 1, true},
                        {"Nyquist", 2, false},
                        {"Smith chart", 3, false}};
    show(rlcDrawing({10, 10e-3, 1e-6}, 1000));
    auto* views = window.findChild<QTabWidget*>("views");
    QTemporaryDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.view);
        views->setCurrentIndex(row.tab);
        const QString base = dir.filePath(QString::number(row.tab));
        ASSERT_TRUE(window.savePng(base + ".png"));
        ASSERT_TRUE(window.saveSvg(base + ".svg"));
        ASSERT_TRUE(window.savePdf(base + ".pdf"));
        const QImage png = QImage(base + ".png").convertToFormat(QImage::Format_RGB32);
        const int titleBand = png.height() - png.width() * views->currentWidget()->height() /
                                                 views->currentWidget()->width();
        if (row.dashed) {
            EXPECT_GT(greenRuns(png), 5);
        }
        {
            SCOPED_TRACE("PDF");
            expectLooksLike(png, pdfRaster(base + ".pdf", png.size()), titleBand, row.dashed);
        }
        {
            SCOPED_TRACE("SVG");
            expectLooksLike(png, svgRaster(base + ".svg", png.size()), titleBand, row.dashed);
        }
    }
}

}  // namespace
