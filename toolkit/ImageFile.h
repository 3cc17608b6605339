#pragma once

#include <QImage>
#include <QPixmap>

class QByteArray;
class QString;

// Reads an image whose format the program knows ("BMP", "PNG"), asking only that format's
// reader. Qt left to itself loads and asks every image plugin installed (GIF, ICO, JPEG, SVG,
// ...) before its own reader, even when QPixmap or QImage are told the format. Plain 8- and
// 24-bit bitmaps are read by the program itself, into the same image Qt's reader makes. The file
// is read on every call: nothing is kept between calls. A null pixmap when it cannot be read.
QPixmap readPixmap(const QString& path, const char* format);

// The image of a bitmap file in the file system, read on every call, or a null image. Only a
// regular file is read: a FIFO or device of that name gives a null image at once rather than
// blocking the window for good.
QImage readBitmapFile(const QString& path);

// The image a plain bitmap file's bytes hold, as Qt's BMP reader makes it; a null image for any
// other file, which Qt's reader is then left to read.
QImage readPlainBitmap(const QByteArray& bytes);
