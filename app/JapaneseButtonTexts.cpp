#include "app/JapaneseButtonTexts.h"

#include <cstring>

QString JapaneseButtonTexts::translate(const char* context, const char* sourceText,
                                       const char* /*disambiguation*/, int /*n*/) const {
    if (std::strcmp(context, "QPlatformTheme") == 0 && std::strcmp(sourceText, "OK") == 0)
        return QStringLiteral("ＯＫ");
    return {};
}
