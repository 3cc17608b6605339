#include "dialogs/ValueCaption.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "dialogs/DialogDesign.h"
#include "text/NumberText.h"

namespace {

constexpr int kSignificantDigits = 6;

// The longest unit text the caption ends in: "ＫΩ" ends in "Ω" too.
const UnitItem& unitShownIn(ValueKind kind, const std::string& caption) {
    const UnitItem* shown = &unitsOf(kind).front();
    std::size_t longest = 0;
    for (const UnitItem& unit : unitsOf(kind)) {
        const std::string text = unit.text;
        if (text.size() > longest && caption.size() >= text.size() &&
            caption.compare(caption.size() - text.size(), text.size(), text) == 0) {
            shown = &unit;
            longest = text.size();
        }
    }
    return *shown;
}

double roundedToSignificantDigits(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*g", kSignificantDigits, x);
    return std::strtod(text, nullptr);
}

}  // namespace

std::string valueCaption(PartKind kind, double value, const std::string& currentCaption) {
    const UnitItem& unit = unitShownIn(valueKindOfPart(kind), currentCaption);
    return signedText(roundedToSignificantDigits(value / unit.multiplier)) + unit.text;
}
