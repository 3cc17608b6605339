#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// selvoria fit DRAWING DATA... [--free NAME,...] [--weight modulus|unit|proportional] [--json]
//                             [--save OUT]
// Fits the drawing's part values to each measurement in turn, both cores sharing the files, and
// writes one result per file in the files' order. --free names the parts that may change (all
// the result takes in when it is not given); --save, with one measurement, writes the drawing
// with the fitted values. Throws std::invalid_argument for a wrong command line; a refused file
// is named on `err`. Returns 0 when every fit converged, 1 otherwise.
struct FitCommand {
    std::string drawing;
    std::vector<std::string> data;
    std::vector<std::string> free;  // control names; empty: every value the result takes in
    std::string weight = "modulus";
    bool json = false;
    std::string save;  // empty: none

    int run(std::ostream& out, std::ostream& err) const;
};
