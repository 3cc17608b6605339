#pragma once

#include <cstdint>

// Part slots 1..20 fall into four kinds of five slots each; k = 1..5 is the index within a kind.
enum class PartKind : std::int16_t { Resistor = 1, Coil = 2, Capacitor = 3, Impedance = 4 };

inline constexpr int kSlotCount = 20;
inline constexpr int kSlotsPerKind = 5;
inline constexpr int kLinesPerKind = 10;

inline constexpr bool isPartSlot(int s) {
    return s >= 1 && s <= kSlotCount;
}
inline constexpr PartKind kindOfSlot(int s) {
    return static_cast<PartKind>((s - 1) / kSlotsPerKind + 1);
}
inline constexpr int indexInKind(int s) {
    return s - kSlotsPerKind * (static_cast<int>(kindOfSlot(s)) - 1);
}
inline constexpr int slotOf(PartKind kind, int k) {
    return kSlotsPerKind * (static_cast<int>(kind) - 1) + k;
}
