#include "measurement/DelimitedTable.h"

#include "measurement/CellNumbers.h"
#include "measurement/MeasurementError.h"
#include "measurement/TextLines.h"

namespace {

constexpr std::size_t kLeastColumns = 3;  // the frequency and the impedance's two values

bool isComment(std::string_view line) {
    return line.starts_with('#') || line.starts_with('!') || line.starts_with('%');
}

// Each row still holds its whole line as its one cell.
char separatorOf(const std::vector<DelimitedRow>& lines) {
    for (char candidate : {'\t', ';', ','})
        for (const DelimitedRow& row : lines)
            if (row.cells[0].find(candidate) != std::string::npos) return candidate;
    return ' ';
}

std::string unquoted(std::string_view cell) {
    cell = trimmed(cell);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        cell = cell.substr(1, cell.size() - 2);
    return std::string(cell);
}

std::vector<std::string> cellsOf(const std::string& line, char separator) {
    std::vector<std::string> cells;
    if (separator == ' ') {
        for (std::string_view word : words(line)) cells.push_back(unquoted(word));
        return cells;
    }
    std::size_t start = 0;
    for (std::size_t end; (end = line.find(separator, start)) != std::string::npos; start = end + 1)
        cells.push_back(unquoted(std::string_view(line).substr(start, end - start)));
    cells.push_back(unquoted(std::string_view(line).substr(start)));
    return cells;
}

bool hasDecimalComma(const std::vector<DelimitedRow>& rows) {
    for (const DelimitedRow& row : rows)
        for (const std::string& cell : row.cells)
            if (cell.find(',') != std::string::npos && parseNumber(cell, true)) return true;
    return false;
}

bool isNumber(const std::vector<std::string>& cells, std::size_t i, bool decimalComma) {
    return i < cells.size() && parseNumber(cells[i], decimalComma).has_value();
}

bool isHeader(const std::vector<DelimitedRow>& rows, bool decimalComma) {
    const std::vector<std::string>& first = rows[0].cells;
    for (std::size_t i = 0; i < first.size(); ++i)
        if (!isNumber(first, i, decimalComma) &&
            (rows.size() == 1 || isNumber(rows[1].cells, i, decimalComma)))
            return true;
    return false;
}

void checkColumns(const std::string& name, const std::vector<DelimitedRow>& rows) {
    const std::size_t count = rows[0].cells.size();
    if (count < kLeastColumns)
        throw MeasurementError(
            name, rows[0].line,
            "周波数と 2 つの値の 3 列以上が必要です（" + std::to_string(count) + " 列です）");
    for (const DelimitedRow& row : rows)
        if (row.cells.size() != count)
            throw MeasurementError(name, row.line,
                                   "列の数が " + std::to_string(row.cells.size()) + " です（" +
                                       std::to_string(rows[0].line) + " 行目は " +
                                       std::to_string(count) + " 列）");
}

}  // namespace

DelimitedTable splitDelimited(const std::string& name, std::string_view text) {
    std::vector<DelimitedRow> lines;
    const std::vector<std::string_view> fileLines = splitLines(text);
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
        const std::string_view line = trimmed(fileLines[i]);
        if (!line.empty() && !isComment(line))
            lines.push_back({static_cast<int>(i) + 1, {std::string(line)}});
    }
    if (lines.empty()) throw MeasurementError(name, 0, "データの行がありません");

    DelimitedTable table;
    table.separator = separatorOf(lines);
    for (DelimitedRow& row : lines) row.cells = cellsOf(row.cells[0], table.separator);
    table.decimalComma =
        (table.separator == '\t' || table.separator == ';') && hasDecimalComma(lines);
    checkColumns(name, lines);
    if (isHeader(lines, table.decimalComma)) {
        table.header = std::move(lines.front().cells);
        lines.erase(lines.begin());
    }
    if (lines.empty()) throw MeasurementError(name, 0, "見出しの後にデータの行がありません");
    table.columnCount = lines[0].cells.size();
    table.rows = std::move(lines);
    return table;
}
