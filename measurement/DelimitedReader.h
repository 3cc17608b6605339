#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "measurement/ColumnChoice.h"
#include "measurement/ColumnGuess.h"
#include "measurement/DelimitedTable.h"
#include "measurement/Measurement.h"

// What the window shows before anything is read: the file's first rows as written, and a guess at
// the columns' meaning for the user to confirm or change.
struct DelimitedPreview {
    DelimitedTable firstRows;  // the whole file's layout, with only its first rows
    std::size_t rowCount = 0;  // rows in the whole file
    ColumnGuess guess;
};

// Refuses (with MeasurementError) what splitDelimited refuses.
DelimitedPreview previewDelimited(const std::string& name, std::string_view text,
                                  std::size_t shownRows = 20);

// The measurement the chosen columns give. Refuses (with MeasurementError, naming the line) a
// chosen cell that is no finite number, a negative |Z|, and whatever collectMeasurement refuses;
// a choice that names a missing column or one column twice is refused without a line.
Measurement readDelimited(const std::string& name, std::string_view text,
                          const ColumnChoice& choice);

// As readDelimited, on the file at the path (read as readMeasurementFile does).
Measurement readDelimitedFile(const std::filesystem::path& path, const ColumnChoice& choice);
