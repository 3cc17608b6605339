#include "response/ChartImage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "response/WholeWriteDevice.h"
#include "toolkit/Appearance.h"
#include "toolkit/SaveFile.h"

namespace {

// Logical pixels.
constexpr int kTitleHeight = 32;
constexpr double kTitlePointSize = 11;
constexpr double kPdfMarginMillimetres = 10;
constexpr int kLayoutPasses = 4;

}  // namespace

// Layouts still pending are done first: a view just filled or shown would otherwise be measured
// and drawn with its size, legend and axes as they were before. A layout can ask for another
// (the Nyquist plot's ranges follow its plot area, and their labels move the plot area again).
ChartImage::ChartImage(QWidget& view, QString title) : mView(view), mTitle(std::move(title)) {
    for (int pass = 0; pass < kLayoutPasses; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

// Logical pixels: the view with the title line above it.
QSize ChartImage::size() const {
    return mView.size() + QSize(0, kTitleHeight);
}

// A chart view is drawn from its scene, and a view drawn by hand without its children: neither
// takes the controls laid over it into the file.
void ChartImage::paint(QPainter& painter) const {
    painter.fillRect(QRect(QPoint(0, 0), size()), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(minchoFont(kTitlePointSize));
    painter.drawText(QRect(0, 0, mView.width(), kTitleHeight), Qt::AlignCenter, mTitle);
    if (auto* chart = qobject_cast<QGraphicsView*>(&mView))
        chart->render(&painter, QRectF(QPointF(0, kTitleHeight), mView.size()), mView.rect());
    else
        mView.render(&painter, QPoint(0, kTitleHeight), QRegion(), QWidget::DrawWindowBackground);
}

bool ChartImage::savePng(QWidget* parent, const QString& path) const {
    const double scale = 2 * mView.devicePixelRatioF();
    QImage image((QSizeF(size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        paint(painter);
    }
    return saveFile(parent, path, [&image](QIODevice& file) { return image.save(&file, "PNG"); });
}

bool ChartImage::saveSvg(QWidget* parent, const QString& path) const {
    return saveFile(parent, path, [this](QIODevice& file) {
        WholeWriteDevice whole(file);
        QSvgGenerator svg;
        svg.setOutputDevice(&whole);
        // Fonts are sized in points: at the screen's resolution their text is as wide as the
        // view laid it out, and the number and unit of a label do not drift apart.
        svg.setResolution(mView.logicalDpiX());
        svg.setSize(size());
        svg.setViewBox(QRect(QPoint(0, 0), size()));
        svg.setTitle(mTitle);
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        paint(painter);
        return painter.end() && !whole.failed();
    });
}

// The chart scaled to fill the page.
bool ChartImage::savePdf(QWidget* parent, const QString& path) const {
    return saveFile(parent, path, [this](QIODevice& file) {
        WholeWriteDevice whole(file);
        QPdfWriter pdf(&whole);
        pdf.setTitle(mTitle);
        pdf.setCreator(QStringLiteral("Selvoria"));
        // At the screen's resolution the fonts, sized in points, keep the size the view laid
        // them out at; the painter's scale alone fits the picture to the page.
        pdf.setResolution(mView.logicalDpiX());
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                     kPdfMarginMillimetres, kPdfMarginMillimetres),
                           QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        const QSize picture = size();
        const QRect page = painter.viewport();
        const double scale = std::min(page.width() / double(picture.width()),
                                      page.height() / double(picture.height()));
        painter.scale(scale, scale);
        paint(painter);
        return painter.end() && !whole.failed();
    });
}
