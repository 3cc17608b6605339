#include "dialogs/ValueCaption.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dialogs/DialogDesign.h"
#include "text/NumberText.h"
#include "text/NumericText.h"

namespace {

constexpr int kSignificantDigits = 6;

// The longest unit text the caption ends in: "ＫΩ" ends in "Ω" too. Nothing when none does.
const UnitItem* unitEnding(ValueKind kind, const std::string& caption) {
    const UnitItem* shown = nullptr;
    std::size_t longest = 0;
    for (const UnitItem& unit : unitsOf(kind)) {
        const std::string text = unit.text;
        if (text.size() > longest && caption.size() >= text.size() &&
            caption.compare(caption.size() - text.size(), text.size(), text) == 0) {
            shown = &unit;
            longest = text.size();
        }
    }
    return shown;
}

const UnitItem& unitShownIn(ValueKind kind, const std::string& caption) {
    const UnitItem* shown = unitEnding(kind, caption);
    return shown != nullptr ? *shown : unitsOf(kind).front();
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

std::optional<double> typedValue(PartKind kind, const std::string& text,
                                 const std::string& currentCaption) {
    const ValueKind valueKind = valueKindOfPart(kind);
    const UnitItem* typedUnit = unitEnding(valueKind, text);
    const std::string number =
        typedUnit == nullptr ? text : text.substr(0, text.size() - std::strlen(typedUnit->text));
    if (!isNumericText(number)) return std::nullopt;
    const UnitItem& unit =
        typedUnit != nullptr ? *typedUnit : unitShownIn(valueKind, currentCaption);
    return readLeadingNumber(number) * unit.multiplier;
}
