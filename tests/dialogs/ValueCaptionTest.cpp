#include "dialogs/ValueCaption.h"

#include <gtest/gtest.h>

namespace {

// A new value keeps the unit its label showed, with six significant digits, as the value dialog
// writes a label; a label in no unit of the part takes the first.
TEST(ValueCaptionTest, NewValuesKeepTheirLabelsUnit) {
    const struct {
        PartKind kind;
        double value;
        const char* before;
        const char* after;
    } rows[] = {
        {PartKind::Resistor, 99.87654321, " 100Ω", " 99.8765Ω"},
        {PartKind::Resistor, 4712.3456, " 4.7ＫΩ", " 4.71235ＫΩ"},
        {PartKind::Resistor, 2.2e6, " 1ＭΩ", " 2.2ＭΩ"},
        {PartKind::Coil, 0.0123456789, " 10ｍＨ", " 12.3457ｍＨ"},
        {PartKind::Capacitor, 1.5e-10, " 100ＰＦ", " 150ＰＦ"},
        {PartKind::Capacitor, 3.3e-6, " 1μＦ", " 3.3μＦ"},
        {PartKind::Capacitor, 0.5, "?", " .5Ｆ"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(valueCaption(row.kind, row.value, row.before), row.after) << row.before;
}

}  // namespace
