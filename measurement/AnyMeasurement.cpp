#include "measurement/AnyMeasurement.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "measurement/DelimitedReader.h"
#include "measurement/MeasurementFile.h"
#include "measurement/TouchstoneReader.h"

bool isTouchstoneName(const std::filesystem::path& path) {
    std::string ending = path.extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == ".s1p" || ending == ".ts";
}

Measurement readAnyMeasurement(const std::filesystem::path& path) {
    const MeasurementFile file = readMeasurementFile(path);
    if (isTouchstoneName(path)) return readTouchstone(file.name, file.text);
    const DelimitedPreview preview = previewDelimited(file.name, file.text);
    return readDelimited(file.name, file.text, preview.guess.choice);
}
