#pragma once

#include <array>

#include "model/PartKind.h"

// Where new elements appear before the user drags them into place (twips, top-left corner).
// The Left steps between part slots are uneven on purpose: they follow the original window.
inline constexpr std::array<int, kSlotsPerKind + 1> kPaletteLeft{0, 3600, 5280, 6720, 8400, 9960};

struct Point {
    int x;
    int y;
};

// What differs between the four kinds of part. Size and the height of the lead line below the
// picture's top edge are in twips; the window loads them into the model's kind constants. The
// bitmap files are read from the working directory: the normal symbol, restored when a part is
// dropped, and the highlighted one shown while it is dragged.
struct KindRow {
    int paletteTop;
    int width;
    int height;
    int termOffset;
    const char* bitmapFile;
    const char* dragBitmapFile;
    const char* name;
};

inline constexpr std::array<KindRow, 4> kKindRows{{
    {3240, 1110, 555, 360, "抵抗.bmp", "Drag抵抗.bmp", "抵抗"},
    {4680, 1110, 780, 375, "コイル1.bmp", "Dragコイル1.bmp", "コイル"},
    {5760, 1110, 555, 345, "コンデンサ.bmp", "Dragコンデンサ.bmp", "コンデンサ"},
    {6720, 1110, 975, 345, "インピーダンス.bmp", "Dragインピーダンス.bmp", "インピーダンス"},
}};

inline constexpr const KindRow& kindRow(PartKind kind) {
    return kKindRows[static_cast<std::size_t>(kind) - 1];
}

// The two kinds of connecting line: vertical lines are the images 1..10, horizontal lines the
// images 11..20. Parking positions of lines 1..10 (element 0 unused) and the image size, twips.
struct LineKindRow {
    bool vertical;
    std::array<Point, kLinesPerKind + 1> parking;
    Point size;
    const char* name;
};

// clang-format off
inline constexpr std::array<LineKindRow, 2> kLineKindRows{{
    {true, {{{0, 0}, {720, 3360}, {1200, 3360}, {1680, 3360}, {2160, 3360}, {2640, 3360},
             {720, 4800}, {1200, 4800}, {1680, 4800}, {2160, 4800}, {2640, 4800}}},
     {135, 975}, "縦線"},
    {false, {{{0, 0}, {600, 6120}, {1560, 6120}, {600, 6480}, {1560, 6480}, {600, 6840},
              {1560, 6840}, {600, 7200}, {1560, 7200}, {600, 7560}, {1560, 7560}}},
     {615, 135}, "横線"},
}};
// clang-format on

inline constexpr bool isLineImage(int imageNumber) {
    return imageNumber >= 1 && imageNumber <= 2 * kLinesPerKind;
}
inline constexpr const LineKindRow& lineKindRow(bool vertical) {
    return kLineKindRows[vertical ? 0 : 1];
}
inline constexpr bool isVerticalImage(int imageNumber) {
    return imageNumber <= kLinesPerKind;
}
// Line n = 1..10 within its kind of the image 1..20.
inline constexpr int lineOfImage(int imageNumber) {
    return isVerticalImage(imageNumber) ? imageNumber : imageNumber - kLinesPerKind;
}
inline constexpr int imageOfLine(bool vertical, int n) {
    return vertical ? n : kLinesPerKind + n;
}
