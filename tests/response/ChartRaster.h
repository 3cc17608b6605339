#pragma once

// The exported charts read back as a reader's viewer draws them: the PDF through poppler's
// pdftoppm, the SVG through librsvg's rsvg-convert, both at the pixel size of the PNG export, and
// the measures the export tests compare them by.

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>

// Runs a reader's tool that writes a PNG file, and reads that file; a null image when it fails.
inline QImage rasterBy(const QString& program, const QStringList& arguments, const QString& png) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0)
        return {};
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

// The picture fills the A4 landscape page inside 10 mm margins as far as its shape allows, from
// the top left corner: read at the resolution that makes it `size` pixels, and cut out.
inline QImage pdfRaster(const QString& pdf, QSize size) {
    const double mmPerPixel = std::min(277.0 / size.width(), 190.0 / size.height());
    const QString margin = QString::number(std::lround(10 / mmPerPixel));
    return rasterBy(QStringLiteral("pdftoppm"),
                    {"-png", "-singlefile", "-r", QString::number(25.4 / mmPerPixel, 'f', 4), "-x",
                     margin, "-y", margin, "-W", QString::number(size.width()), "-H",
                     QString::number(size.height()), pdf, pdf},
                    pdf + ".png");
}

inline QImage svgRaster(const QString& svg, QSize size) {
    return rasterBy(QStringLiteral("rsvg-convert"),
                    {"-b", "white", "-w", QString::number(size.width()), "-h",
                     QString::number(size.height()), "-o", svg + ".png", svg},
                    svg + ".png");
}

// How dark a pixel is, 0 for white and 1 for black.
inline double ink(QRgb p) {
    return (765 - qRed(p) - qGreen(p) - qBlue(p)) / 765.0;
}

// Mean absolute difference per channel, 0 to 255, of the two images reduced to blocks of
// `block` pixels: a glyph drawn half a pixel apart or antialiased otherwise hardly counts there.
inline double blockDifference(const QImage& a, const QImage& b, int block) {
    const QSize reduced = a.size() / block;
    const QImage x = a.scaled(reduced, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.scaled(reduced, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int row = 0; row < reduced.height(); ++row)
        for (int column = 0; column < reduced.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * reduced.width() * reduced.height());
}

// The ink of each cell of a grid laid over the image, row by row.
inline std::vector<double> cellInk(const QImage& image, int columns, int rows) {
    std::vector<double> cells(static_cast<std::size_t>(columns * rows));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            cells[static_cast<std::size_t>(y * rows / image.height() * columns +
                                           x * columns / image.width())] += ink(image.pixel(x, y));
    return cells;
}

// The first and last column of the band that hold a dark pixel, {-1, -1} for none.
inline std::pair<int, int> inkColumns(const QImage& image, int top, int bottom) {
    std::pair<int, int> columns{-1, -1};
    for (int x = 0; x < image.width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (ink(image.pixel(x, y)) > 0.5) {
                if (columns.first < 0) columns.first = x;
                columns.second = x;
                break;
            }
    return columns;
}

// The number of separate runs of pixels of the working frequency's green down the column where
// there are most of them: one for a solid line, many for a dashed one.
inline int greenRuns(const QImage& image) {
    const auto green = [](QRgb p) { return qGreen(p) > qRed(p) + 50 && qGreen(p) > qBlue(p) + 50; };
    int best = 0, column = 0;
    for (int x = 0; x < image.width(); ++x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) count += green(image.pixel(x, y));
        if (count > best) best = count, column = x;
    }
    int runs = 0;
    for (int y = 0; y < image.height(); ++y)
        if (green(image.pixel(column, y)) && (y == 0 || !green(image.pixel(column, y - 1)))) ++runs;
    return runs;
}
