#pragma once

#include <QTranslator>

// The one standard text Qt's Japanese catalogue leaves in Latin letters: the OK button, written
// here in full-width letters like the program's own units ("ＫΩ"), so that no English shows.
class JapaneseButtonTexts : public QTranslator {
    Q_OBJECT
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};
