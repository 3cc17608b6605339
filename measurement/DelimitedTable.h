#pragma once

#include <string>
#include <string_view>
#include <vector>

struct DelimitedRow {
    int line;                        // 1-based line of the file
    std::vector<std::string> cells;  // as written, without blanks or double quotes around them
};

// A delimited text file cut into cells, before anything is made of them.
struct DelimitedTable {
    char separator = ',';             // '\t', ';', ',' or ' ' for runs of blanks
    bool decimalComma = false;        // "1,5" is one and a half
    std::vector<std::string> header;  // the column names; empty when the file has none
    std::vector<DelimitedRow> rows;   // every row after the header
    std::size_t columnCount = 0;
};

// Lines starting with #, ! or % are comments; blank lines are skipped. The separator is the first
// of tab, semicolon, comma found in the file, else runs of blanks. A comma is a decimal comma only
// where tabs or semicolons separate, and a cell with a comma reads as a number. The first line is
// the header when one of its cells is no number where the next line has one. Refuses (with
// MeasurementError) a file without rows, fewer than three columns and a row whose number of cells
// differs from the first row's.
DelimitedTable splitDelimited(const std::string& name, std::string_view text);
