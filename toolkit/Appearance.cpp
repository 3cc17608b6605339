#include "toolkit/Appearance.h"

#include <QStringList>

QFont minchoFont(double pointSize) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"), QStringLiteral("Serif")});
    font.setPointSizeF(pointSize);
    // Drawn from the outlines as designed: at these sizes it reads as the desktop's usual light
    // hinting does (the face's own full hinting blackens dense kanji such as 素 and 算), and no
    // auto-hinter first surveys the whole face, thousands of glyphs, before the first paint.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
