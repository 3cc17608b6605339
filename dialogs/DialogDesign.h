#pragma once

#include <array>
#include <string_view>

#include "model/CircuitModel.h"

// What differs between the four copies of the value-entry dialog: captions, unit items and
// their multipliers. Multipliers are the doubles nearest to the powers of ten; callers compare
// them for exact equality to pick the unit text of a part label.
struct UnitItem {
    const char* text;
    double multiplier;
};

enum class ValueKind { Resistance, Inductance, Capacitance, Frequency };

struct DialogDesign {
    const char* objectName;
    const char* caption;
    const char* prompt;
    std::array<UnitItem, 3> units;
};

inline constexpr DialogDesign dialogDesign(ValueKind kind) {
    switch (kind) {
        case ValueKind::Resistance:
            return {"Form2", "抵抗値入力画面", "Ｒ＝", {{{"Ω", 1.0}, {"ＫΩ", 1e3}, {"ＭΩ", 1e6}}}};
        case ValueKind::Inductance:
            return {"Form3",
                    "インダクタンス入力画面",
                    "Ｌ＝",
                    {{{"Ｈ", 1.0}, {"ｍＨ", 1e-3}, {"μＨ", 1e-6}}}};
        case ValueKind::Capacitance:
            return {
                "Form4", "容量値入力画面", "Ｃ＝", {{{"Ｆ", 1.0}, {"μＦ", 1e-6}, {"ＰＦ", 1e-12}}}};
        case ValueKind::Frequency: break;
    }
    return {"Form5", "周波数入力画面", "ｆ＝", {{{"Ｈｚ", 1.0}, {"ＫＨｚ", 1e3}, {"ＭＨｚ", 1e6}}}};
}

// The dialog that asks for a part's value; impedance parts are made from results, not typed.
inline constexpr ValueKind valueKindOfPart(PartKind kind) {
    if (kind == PartKind::Resistor) return ValueKind::Resistance;
    return kind == PartKind::Coil ? ValueKind::Inductance : ValueKind::Capacitance;
}

// The model's exchange values that each dialog writes: the typed number and the unit multiplier.
inline double& enteredNumber(CircuitModel& model, ValueKind kind) {
    switch (kind) {
        case ValueKind::Resistance: return model.resistanceInput;
        case ValueKind::Inductance: return model.inductanceInput;
        case ValueKind::Capacitance: return model.capacitanceInput;
        case ValueKind::Frequency: break;
    }
    return model.frequency;
}

inline double& unitMultiplier(CircuitModel& model, ValueKind kind) {
    switch (kind) {
        case ValueKind::Resistance: return model.resistanceUnit;
        case ValueKind::Inductance: return model.inductanceUnit;
        case ValueKind::Capacitance: return model.capacitanceUnit;
        case ValueKind::Frequency: break;
    }
    return model.frequencyUnit;
}

// The unit of the dialog whose multiplier is exactly this one, or whose text this is; nullptr
// for none.
inline const std::array<UnitItem, 3>& unitsOf(ValueKind kind) {
    static constexpr std::array<DialogDesign, 4> kDesigns{
        dialogDesign(ValueKind::Resistance), dialogDesign(ValueKind::Inductance),
        dialogDesign(ValueKind::Capacitance), dialogDesign(ValueKind::Frequency)};
    return kDesigns[static_cast<std::size_t>(kind)].units;
}

inline const UnitItem* unitWithMultiplier(ValueKind kind, double multiplier) {
    for (const UnitItem& unit : unitsOf(kind))
        if (unit.multiplier == multiplier) return &unit;
    return nullptr;
}

inline const UnitItem* unitWithText(ValueKind kind, std::string_view text) {
    for (const UnitItem& unit : unitsOf(kind))
        if (text == unit.text) return &unit;
    return nullptr;
}
