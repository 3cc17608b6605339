#pragma once

#include <array>

#include "model/PartKind.h"

// Where new elements appear before the user drags them into place (twips, top-left corner).
// The Left steps between part slots are uneven on purpose: they follow the original window.
inline constexpr std::array<int, kSlotsPerKind + 1> kPaletteLeft{0, 3600, 5280, 6720, 8400, 9960};

inline constexpr int paletteTop(PartKind kind) {
    switch (kind) {
        case PartKind::Resistor: return 3240;
        case PartKind::Coil: return 4680;
        case PartKind::Capacitor: return 5760;
        case PartKind::Impedance: break;
    }
    return 6720;
}

struct Point {
    int x;
    int y;
};

// Parking positions of vertical lines 1..10 and horizontal lines 1..10 (element 0 unused).
// clang-format off
inline constexpr std::array<Point, kLinesPerKind + 1> kVLineParking{{{0, 0},
    {720, 3360}, {1200, 3360}, {1680, 3360}, {2160, 3360}, {2640, 3360},
    {720, 4800}, {1200, 4800}, {1680, 4800}, {2160, 4800}, {2640, 4800}}};
inline constexpr std::array<Point, kLinesPerKind + 1> kHLineParking{{{0, 0},
    {600, 6120}, {1560, 6120}, {600, 6480}, {1560, 6480}, {600, 6840},
    {1560, 6840}, {600, 7200}, {1560, 7200}, {600, 7560}, {1560, 7560}}};
// clang-format on

// Size of a part's picture and the height of its lead line below the picture's top edge, in
// twips. The window loads these into the model's kind constants.
struct KindGeometry {
    int width;
    int height;
    int termOffset;
};

inline constexpr KindGeometry kindGeometry(PartKind kind) {
    switch (kind) {
        case PartKind::Resistor: return {1110, 555, 360};
        case PartKind::Coil: return {1110, 780, 375};
        case PartKind::Capacitor: return {1110, 555, 345};
        case PartKind::Impedance: break;
    }
    return {1110, 975, 345};
}

inline constexpr Point kVLineSize{135, 975};
inline constexpr Point kHLineSize{615, 135};

// Bitmap files of each kind's symbol, read from the working directory: the normal symbol,
// restored when a part is dropped, and the highlighted one shown while it is dragged.
inline constexpr const char* partBitmapFile(PartKind kind, bool dragged) {
    switch (kind) {
        case PartKind::Resistor: return dragged ? "Drag抵抗.bmp" : "抵抗.bmp";
        case PartKind::Coil: return dragged ? "Dragコイル1.bmp" : "コイル1.bmp";
        case PartKind::Capacitor: return dragged ? "Dragコンデンサ.bmp" : "コンデンサ.bmp";
        case PartKind::Impedance: break;
    }
    return dragged ? "Dragインピーダンス.bmp" : "インピーダンス.bmp";
}
