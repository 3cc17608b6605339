#pragma once

#include <cstddef>

// How a delimited file's two value columns give the impedance.
enum class ValueMeaning {
    ReIm,                  // Re Z and Im Z in ohms
    ReMinusIm,             // Re Z and −Im Z, as electrochemists plot it
    MagnitudePhaseDegrees  // |Z| in ohms and its phase in degrees
};

// Which columns of a delimited file (counted from 0) hold what.
struct ColumnChoice {
    std::size_t frequencyColumn = 0;
    std::size_t firstColumn = 1;   // Re Z or |Z|
    std::size_t secondColumn = 2;  // Im Z, −Im Z or the phase
    ValueMeaning meaning = ValueMeaning::ReIm;
    double hertzPerUnit = 1;  // what one unit of the frequency column is in hertz
};
