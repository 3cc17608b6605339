#pragma once

#include <QRect>
#include <array>

#include "model/Palette.h"

// How each kind of element looks in the window, beside what the model knows of it: the symbol
// built into the program (shown until a bitmap file replaces it), the drag cursor, and the
// boxes of the value labels inside the picture in twips (the impedance part has a pair).
struct PartLook {
    const char* symbol;
    const char* cursor;
    int labelCount;
    std::array<QRect, 2> labelBoxes;
};

inline const PartLook& partLook(PartKind kind) {
    static const std::array<PartLook, 4> looks{{
        {":/design/resistor.bmp", ":/design/cursor-resistor.png", 1, {QRect(150, 15, 810, 285)}},
        {":/design/coil.bmp", ":/design/cursor-coil.png", 1, {QRect(120, 480, 975, 255)}},
        {":/design/capacitor.bmp", ":/design/cursor-capacitor.png", 1, {QRect(0, 0, 855, 255)}},
        {":/design/impedance.bmp",
         ":/design/cursor-impedance.png",
         2,
         {QRect(0, 465, 1095, 255), QRect(0, 720, 1095, 255)}},
    }};
    return looks[static_cast<std::size_t>(kind) - 1];
}

struct LineLook {
    const char* bar;
    const char* cursor;
};

inline const LineLook& lineLook(bool vertical) {
    static const LineLook vLook{":/design/vline.bmp", ":/design/cursor-line.png"};
    static const LineLook hLook{":/design/hline.bmp", ":/design/cursor-line.png"};
    return vertical ? vLook : hLook;
}
