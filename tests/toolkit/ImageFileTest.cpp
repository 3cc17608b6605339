#include "toolkit/ImageFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace {

// What Qt's own BMP reader makes of a file's bytes: the image every bitmap must come out as.
QImage qtReads(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Qt's reader leaves the rows it could not read uninitialised: only their place is compared.
void expectSameImage(const QImage& image, const QImage& expected, bool pixelsDefined = true) {
    EXPECT_EQ(image.isNull(), expected.isNull());
    EXPECT_EQ(image.format(), expected.format());
    EXPECT_EQ(image.size(), expected.size());
    if (!pixelsDefined) return;
    EXPECT_EQ(image.colorTable(), expected.colorTable());
    EXPECT_EQ(image.dotsPerMeterX(), expected.dotsPerMeterX());
    EXPECT_EQ(image.dotsPerMeterY(), expected.dotsPerMeterY());
    EXPECT_TRUE(image == expected);
}

// A Windows bitmap as a drawing program writes one, with the fields a row may change.
struct Bitmap {
    int width = 5;
    int height = 3;
    int depth = 24;
    int colours = 0;       // in the colour table; 0 is the whole 256 of an 8-bit bitmap
    int header = 40;       // BITMAPINFOHEADER; 12 is OS/2's, 108 and 124 the later ones
    int compression = 0;   // BI_RGB
    bool topDown = false;  // a negative height
    int index = 1;         // the colour index every 8-bit pixel after the first holds
    int cut = 0;           // bytes missing at the end

    QByteArray bytes() const {
        const int tableEntries = depth == 8 ? (colours == 0 ? 256 : colours) : 0;
        const int stride = (width * depth + 31) / 32 * 4;
        const int pixelsAt = 14 + header + 4 * tableEntries;
        QByteArray out(pixelsAt + stride * height, '\0');
        const auto put = [&out](int at, auto value) { qToLittleEndian(value, out.data() + at); };
        out[0] = 'B', out[1] = 'M';
        put(2, quint32(out.size()));
        put(10, quint32(pixelsAt));
        put(14, quint32(header));
        put(18, qint32(width));
        put(22, qint32(topDown ? -height : height));
        put(26, quint16(1));
        put(28, quint16(depth));
        put(30, quint32(compression));
        put(34, quint32(stride * height));
        put(38, qint32(3780)), put(42, qint32(2835));
        put(46, quint32(colours));
        for (int i = 0; i < tableEntries; ++i) {
            out[14 + header + 4 * i] = char(i);
            out[14 + header + 4 * i + 1] = char(255 - i);
            out[14 + header + 4 * i + 2] = char(i * 7);
        }
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                char* pixel = out.data() + pixelsAt + y * stride + x * depth / 8;
                if (depth == 8) {
                    pixel[0] = char(x == 0 && y == 0 ? 0 : index);
                } else {
                    pixel[0] = char(x * 40), pixel[1] = char(y * 70), pixel[2] = char(x + y);
                }
            }
        out.chop(cut);
        return out;
    }
};

struct BitmapCase {
    const char* what;
    Bitmap bitmap;
    bool readByTheProgram;  // false: left to Qt's reader
    bool pixelsDefined = true;
};

const BitmapCase kCases[] = {
    {"24 bits, rows padded", {}, true},
    {"24 bits, rows a whole number of words", {.width = 4}, true},
    {"one pixel", {.width = 1, .height = 1}, true},
    {"8 bits, full colour table", {.depth = 8}, true},
    {"8 bits, 16 colours in the table", {.width = 7, .depth = 8, .colours = 16}, true},
    {"8 bits, an index beyond the table", {.depth = 8, .colours = 16, .index = 16}, false},
    {"8 bits, more than 256 colours", {.depth = 8, .colours = 300}, false},
    {"top-down rows", {.topDown = true}, false},
    {"32 bits", {.depth = 32}, false},
    {"4 bits", {.depth = 4, .colours = 16}, false},
    {"run-length compressed, with rows that do not decode",
     {.depth = 8, .compression = 1},
     false,
     false},
    {"BITMAPV5HEADER", {.header = 124}, false},
    {"pixels cut short", {.cut = 7}, false, false},
    {"header cut short", {.height = 0}, false},
};

void PrintTo(const BitmapCase& row, std::ostream* out) {
    *out << row.what;
}

class PlainBitmapTest : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(PlainBitmapTest, ReadsAsQtsReaderDoes) {
    const Bitmap& bitmap = GetParam().bitmap;
    QByteArray bytes = bitmap.bytes();
    if (bitmap.height == 0) bytes.truncate(40);
    const QImage expected = qtReads(bytes);
    const QImage plain = readPlainBitmap(bytes);
    EXPECT_EQ(!plain.isNull(), GetParam().readByTheProgram);
    if (!plain.isNull()) expectSameImage(plain, expected);

    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("x.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    expectSameImage(readPixmap(path, "BMP").toImage(), QPixmap::fromImage(expected).toImage(),
                    GetParam().pixelsDefined);
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, PlainBitmapTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.what; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             return name;
                         });

// The tests run in the folder of the program's bitmaps.
TEST(PlainBitmapTest, ProgramsOwnBitmapsAreReadByTheProgramAsQtReadsThem) {
    const QStringList bitmaps = QDir().entryList({QStringLiteral("*.bmp")}, QDir::Files);
    ASSERT_EQ(bitmaps.size(), 10);
    for (const QString& name : bitmaps) {
        SCOPED_TRACE(name.toStdString());
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QImage plain = readPlainBitmap(bytes);
        ASSERT_FALSE(plain.isNull());
        expectSameImage(plain, qtReads(bytes));
    }
}

}  // namespace
