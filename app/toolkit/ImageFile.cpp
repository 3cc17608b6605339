#include "app/toolkit/ImageFile.h"

#include <QImageReader>

QPixmap readPixmap(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
