#pragma once

#include <QPixmap>

class QString;

// Reads an image whose format the program knows ("BMP", "PNG"), asking only that format's
// reader. Qt left to itself loads and asks every image plugin installed (GIF, ICO, JPEG, SVG,
// ...) before its own reader, even when QPixmap or QImage are told the format. The file is read
// on every call: nothing is kept between calls. A null pixmap when it cannot be read.
QPixmap readPixmap(const QString& path, const char* format);
