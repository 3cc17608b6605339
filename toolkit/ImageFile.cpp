#include "toolkit/ImageFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Larger files are left to Qt's reader, which reads them row by row.
constexpr qint64 kLargestPlainBitmap = qint64{16} << 20;

template <typename T>
T field(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

}  // namespace

// The uncompressed bottom-up Windows bitmaps of 8 and of 24 bits per pixel that the program's
// bitmap files are, read into the image Qt's BMP reader makes of them (indexed or RGB32, the same
// pixels, colours and resolution). Qt's reader converts each pixel through generic colour
// masks, which costs more than the rest of a drag-over event. Any other header, depth or
// compression, a colour index beyond the colour table and a file too short for its pixels give a
// null image.
QImage readPlainBitmap(const QByteArray& bytes) {
    constexpr int kFileHeader = 14;
    constexpr int kInfoHeader = 40;
    if (bytes.size() < kFileHeader + kInfoHeader || !bytes.startsWith("BM")) return {};
    const auto pixelsAt = field<quint32>(bytes, 10);
    const auto width = field<qint32>(bytes, 18);
    const auto height = field<qint32>(bytes, 22);
    const auto depth = field<quint16>(bytes, 28);
    const auto usedColours = field<quint32>(bytes, 46);
    if (field<quint32>(bytes, 14) != kInfoHeader || field<quint16>(bytes, 26) != 1 ||
        field<quint32>(bytes, 30) != 0 || (depth != 8 && depth != 24) || width <= 0 ||
        height <= 0 || width > 0x8000 || height > 0x8000)
        return {};
    const qsizetype stride = (qsizetype(width) * depth + 31) / 32 * 4;
    if (pixelsAt > quint32(bytes.size()) || (bytes.size() - pixelsAt) / stride < height) return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const uchar* pixels = data + pixelsAt;

    QImage image;
    if (depth == 24) {
        image = QImage(width, height, QImage::Format_RGB32);
        uchar* rows = image.bits();
        for (int y = 0; y < height; ++y) {
            const uchar* in = pixels + (height - 1 - y) * stride;
            auto* out = reinterpret_cast<QRgb*>(rows + y * image.bytesPerLine());
            for (int x = 0; x < width; ++x, in += 3) out[x] = qRgb(in[2], in[1], in[0]);
        }
    } else {
        const quint32 colours = usedColours == 0 ? 256 : usedColours;
        if (colours > 256 || kFileHeader + kInfoHeader + 4 * colours > pixelsAt) return {};
        QList<QRgb> table(colours);
        const uchar* entry = data + kFileHeader + kInfoHeader;
        for (QRgb& colour : table) {
            colour = qRgb(entry[2], entry[1], entry[0]);
            entry += 4;
        }
        image = QImage(width, height, QImage::Format_Indexed8);
        image.setColorTable(table);
        uchar* rows = image.bits();
        for (int y = 0; y < height; ++y) {
            const uchar* in = pixels + (height - 1 - y) * stride;
            if (std::any_of(in, in + width, [colours](uchar index) { return index >= colours; }))
                return {};
            std::memcpy(rows + y * image.bytesPerLine(), in, width);
        }
    }
    image.setDotsPerMeterX(field<qint32>(bytes, 38));
    image.setDotsPerMeterY(field<qint32>(bytes, 42));
    return image;
}

namespace {

// Up to `size` bytes of an open file, fewer when it ends sooner.
QByteArray readBytes(int descriptor, qint64 size) {
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(descriptor, bytes.data() + got, std::size_t(bytes.size() - got));
        if (n <= 0) break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

// Qt's reader of the one format, no other asked.
QImage readWithQt(QImageReader&& reader) {
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

// Opened without waiting for a writer, so that a FIFO is found out by its status, not by a read
// that never returns; one status call and one read serve a bitmap of the usual size.
QImage readBitmapFile(const QString& path) {
    const int descriptor =
        open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return {};
    struct stat status {};
    const bool regular = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    const bool plainSize = regular && status.st_size <= kLargestPlainBitmap;
    const QByteArray bytes = plainSize ? readBytes(descriptor, status.st_size) : QByteArray();
    close(descriptor);
    if (!regular) return {};
    if (!plainSize) return readWithQt(QImageReader(path, "BMP"));
    QImage image = readPlainBitmap(bytes);
    if (!image.isNull()) return image;
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    return readWithQt(QImageReader(&buffer, "BMP"));
}

QPixmap readPixmap(const QString& path, const char* format) {
    if (qstrcmp(format, "BMP") == 0) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.size() <= kLargestPlainBitmap) {
            const QImage image = readPlainBitmap(file.readAll());
            if (!image.isNull()) return QPixmap::fromImage(image);
        }
    }
    return QPixmap::fromImage(readWithQt(QImageReader(path, format)));
}
