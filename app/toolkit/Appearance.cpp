#include "app/toolkit/Appearance.h"

#include <QStringList>

QFont minchoFont(double pointSize) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"), QStringLiteral("Serif")});
    font.setPointSizeF(pointSize);
    // Fitted to the pixel grid by the face's own instructions: crisp strokes at these small
    // sizes, as on the desktop the layout was drawn for, and no auto-hinter that first surveys
    // the whole face (thousands of glyphs) before the window's first paint.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
