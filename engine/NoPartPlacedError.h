#pragma once

#include <stdexcept>

// Raised by the calculation when no part qualifies as its start part; the window answers it
// with the request to place parts.
class NoPartPlacedError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
