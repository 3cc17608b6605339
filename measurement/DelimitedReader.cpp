#include "measurement/DelimitedReader.h"

#include <cmath>
#include <complex>
#include <numbers>

#include "measurement/CellNumbers.h"
#include "measurement/MeasurementError.h"
#include "measurement/MeasurementFile.h"

namespace {

void checkChoice(const std::string& name, const ColumnChoice& choice, std::size_t columnCount) {
    const std::size_t columns[] = {choice.frequencyColumn, choice.firstColumn, choice.secondColumn};
    for (std::size_t column : columns)
        if (column >= columnCount)
            throw MeasurementError(name, 0,
                                   std::to_string(column + 1) + " 列目はありません（" +
                                       std::to_string(columnCount) + " 列のファイルです）");
    if (columns[0] == columns[1] || columns[0] == columns[2] || columns[1] == columns[2])
        throw MeasurementError(name, 0, "周波数と 2 つの値には別々の列を選んでください");
    if (!(choice.hertzPerUnit > 0 && std::isfinite(choice.hertzPerUnit)))
        throw MeasurementError(name, 0, "周波数の単位が正しくありません");
}

Complex impedanceOf(ValueMeaning meaning, double first, double second, const std::string& name,
                    int line) {
    switch (meaning) {
        case ValueMeaning::ReIm: return {first, second};
        case ValueMeaning::ReMinusIm: return {first, -second};
        case ValueMeaning::MagnitudePhaseDegrees: break;
    }
    if (first < 0) throw MeasurementError(name, line, "|Z| が負の値です");
    const std::complex<double> z = std::polar(first, second * std::numbers::pi / 180);
    return {z.real(), z.imag()};
}

}  // namespace

DelimitedPreview previewDelimited(const std::string& name, std::string_view text,
                                  std::size_t shownRows) {
    DelimitedPreview preview;
    preview.firstRows = splitDelimited(name, text);
    preview.rowCount = preview.firstRows.rows.size();
    preview.guess = guessColumns(preview.firstRows);
    if (preview.rowCount > shownRows) preview.firstRows.rows.resize(shownRows);
    return preview;
}

Measurement readDelimited(const std::string& name, std::string_view text,
                          const ColumnChoice& choice) {
    const DelimitedTable table = splitDelimited(name, text);
    checkChoice(name, choice, table.columnCount);
    std::vector<NumberedPoint> rows;
    rows.reserve(table.rows.size());
    for (const DelimitedRow& row : table.rows) {
        const auto number = [&](std::size_t column) {
            return finiteNumber(row.cells[column], table.decimalComma, name, row.line);
        };
        const double frequency = number(choice.frequencyColumn) * choice.hertzPerUnit;
        const Complex z = impedanceOf(choice.meaning, number(choice.firstColumn),
                                      number(choice.secondColumn), name, row.line);
        rows.push_back({row.line, {frequency, z}});
    }
    return collectMeasurement(name, std::move(rows));
}

Measurement readDelimitedFile(const std::filesystem::path& path, const ColumnChoice& choice) {
    const MeasurementFile file = readMeasurementFile(path);
    return readDelimited(file.name, file.text, choice);
}
