#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "model/DrawingFileContents.h"

// The fields of a drawing file beside its parts and lines, each with the name the file gives it,
// in the order a file is read and checked: the drawing's own, then the numbers last typed in the
// value dialogs. The file's writer, its reader and its check all go by these lists, so that a new
// field is added here and in its struct only.
template <typename Owner>
struct NamedField {
    using Member =
        std::variant<double Owner::*, std::string Owner::*, bool Owner::*, std::int16_t Owner::*>;
    const char* name;
    Member member;
};

inline const std::array<NamedField<DrawingState>, 7> kDrawingFields{{
    {"frequency", &DrawingState::frequency},
    {"frequencyCaption", &DrawingState::frequencyCaption},
    {"frequencyUnitCaption", &DrawingState::frequencyUnitCaption},
    {"frequencyCommandShown", &DrawingState::frequencyCommandShown},
    {"lastPartName", &DrawingState::lastPartName},
    {"lastLineName", &DrawingState::lastLineName},
    {"lastDragKind", &DrawingState::lastDragKind},  // kLineDraggedLast or kPartDraggedLast
}};

// Kept in the file under "typed".
inline const std::array<NamedField<DrawingFileContents>, 3> kTypedFields{{
    {"resistance", &DrawingFileContents::resistanceInput},
    {"inductance", &DrawingFileContents::inductanceInput},
    {"capacitance", &DrawingFileContents::capacitanceInput},
}};
