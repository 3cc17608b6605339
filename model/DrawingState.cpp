#include "model/DrawingState.h"

bool DrawingState::samePlaces(const DrawingState& other) const {
    DrawingState placesOnly = other;
    placesOnly.lastPartName = lastPartName, placesOnly.lastLineName = lastLineName;
    placesOnly.lastDragKind = lastDragKind;
    return placesOnly == *this;
}
