#include "app/toolkit/Appearance.h"

#include <QStringList>

QFont minchoFont(double pointSize) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"), QStringLiteral("Serif")});
    font.setPointSizeF(pointSize);
    return font;
}
