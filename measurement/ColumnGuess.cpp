#include "measurement/ColumnGuess.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "measurement/CellNumbers.h"
#include "measurement/TextLines.h"

namespace {

enum class Kind { Unknown, Frequency, Real, Imaginary, MinusImaginary, Magnitude, Phase };

struct KnownName {
    std::string_view name;
    Kind kind;
};

// Names as written by impedance analysers and EIS software, lower case, without blanks, units
// and a "(z)" after them.
constexpr KnownName kKnownNames[] = {
    {"f", Kind::Frequency},
    {"freq", Kind::Frequency},
    {"frequency", Kind::Frequency},
    {"re", Kind::Real},
    {"real", Kind::Real},
    {"zreal", Kind::Real},
    {"zre", Kind::Real},
    {"z'", Kind::Real},
    {"rez", Kind::Real},
    {"zr", Kind::Real},
    {"im", Kind::Imaginary},
    {"imag", Kind::Imaginary},
    {"zimag", Kind::Imaginary},
    {"zim", Kind::Imaginary},
    {"z''", Kind::Imaginary},
    {"z\"", Kind::Imaginary},
    {"imz", Kind::Imaginary},
    {"zi", Kind::Imaginary},
    {"|z|", Kind::Magnitude},
    {"zmod", Kind::Magnitude},
    {"mod", Kind::Magnitude},
    {"mag", Kind::Magnitude},
    {"magnitude", Kind::Magnitude},
    {"abs", Kind::Magnitude},
    {"z", Kind::Magnitude},
    {"impedance", Kind::Magnitude},
    {"phase", Kind::Phase},
    {"zphz", Kind::Phase},
    {"phz", Kind::Phase},
    {"theta", Kind::Phase},
    {"phi", Kind::Phase},
    {"arg", Kind::Phase},
    {"angle", Kind::Phase},
    {"\xCE\xB8", Kind::Phase},
    {"r", Kind::Real},
    {"x", Kind::Imaginary},
};

// "-Im(Z)/Ohm" → "-im", "Z' (Ohm)" → "z'", "Freq [Hz]" → "freq".
std::string plainName(std::string_view header) {
    std::string name;
    for (char c : header.substr(0, header.find_first_of("/[")))
        if (c != ' ' && c != '_' && c != '.') name += c;
    name = lowerAscii(name);
    if (const std::size_t z = name.find("(z)"); z != std::string::npos) name.erase(z, 3);
    return name.substr(0, name.find('('));
}

Kind kindOf(std::string_view header) {
    std::string name = plainName(header);
    const std::string_view minusSign = "\xE2\x88\x92";  // U+2212, as typeset tables write it
    bool negated = name.starts_with('-') || name.starts_with(minusSign);
    if (negated) name.erase(0, name.starts_with('-') ? 1 : minusSign.size());
    for (const KnownName& known : kKnownNames) {
        if (name != known.name) continue;
        if (!negated) return known.kind;
        return known.kind == Kind::Imaginary ? Kind::MinusImaginary : Kind::Unknown;
    }
    return Kind::Unknown;
}

double hertzPerUnit(std::string_view header) {
    // Case matters: an EIS sweep's "mHz" is millihertz.
    for (const auto& [unit, hertz] : {std::pair{"GHz", 1e9}, std::pair{"MHz", 1e6},
                                      std::pair{"kHz", 1e3}, std::pair{"mHz", 1e-3}})
        if (header.find(unit) != std::string_view::npos) return hertz;
    return 1;
}

using Column = std::vector<std::optional<double>>;

std::vector<Column> numbersOf(const DelimitedTable& table) {
    std::vector<Column> columns(table.columnCount);
    for (const DelimitedRow& row : table.rows)
        for (std::size_t i = 0; i < table.columnCount; ++i)
            columns[i].push_back(parseNumber(row.cells[i], table.decimalComma));
    return columns;
}

bool all(const Column& column, auto condition) {
    return std::all_of(column.begin(), column.end(),
                       [&](const std::optional<double>& v) { return v && condition(*v); });
}

bool looksLikeFrequency(const Column& column) {
    if (!all(column, [](double v) { return v > 0 && std::isfinite(v); })) return false;
    const bool rising = std::is_sorted(column.begin(), column.end(), std::less<>());
    const bool falling = std::is_sorted(column.begin(), column.end(), std::greater<>());
    return rising || falling;
}

ColumnGuess fromHeader(const DelimitedTable& table, std::size_t frequency) {
    std::vector<std::optional<std::size_t>> first(7);
    for (std::size_t i = table.columnCount; i-- > 0;)
        if (i != frequency) first[static_cast<int>(kindOf(table.header[i]))] = i;
    const auto at = [&](Kind kind) { return first[static_cast<int>(kind)]; };
    ColumnGuess guess;
    guess.choice.frequencyColumn = frequency;
    guess.choice.hertzPerUnit = hertzPerUnit(table.header[frequency]);
    const auto imaginary = at(Kind::Imaginary) ? at(Kind::Imaginary) : at(Kind::MinusImaginary);
    if (at(Kind::Real) && imaginary) {
        guess.choice.firstColumn = *at(Kind::Real), guess.choice.secondColumn = *imaginary;
        guess.choice.meaning = at(Kind::Imaginary) ? ValueMeaning::ReIm : ValueMeaning::ReMinusIm;
    } else if (at(Kind::Magnitude) && at(Kind::Phase)) {
        guess.choice.firstColumn = *at(Kind::Magnitude),
        guess.choice.secondColumn = *at(Kind::Phase);
        guess.choice.meaning = ValueMeaning::MagnitudePhaseDegrees;
    } else {
        return {};
    }
    guess.reason = "見出し「" + quotedCell(table.header[guess.choice.firstColumn]) + "」「" +
                   quotedCell(table.header[guess.choice.secondColumn]) + "」から";
    return guess;
}

ColumnGuess fromNumbers(const std::vector<Column>& columns, std::size_t frequency) {
    ColumnGuess guess;
    guess.choice.frequencyColumn = frequency;
    std::vector<std::size_t> others;
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (i != frequency && all(columns[i], [](double) { return true; })) others.push_back(i);
    if (others.size() < 2) {
        guess.reason = "数値の列が足りないため、列の順に仮に決めました";
        return guess;
    }
    guess.choice.firstColumn = others[0], guess.choice.secondColumn = others[1];
    const bool magnitude = all(columns[others[0]], [](double v) { return v >= 0; });
    const bool phase = all(columns[others[1]], [](double v) { return std::abs(v) <= 90; });
    guess.choice.meaning =
        magnitude && phase ? ValueMeaning::MagnitudePhaseDegrees : ValueMeaning::ReIm;
    guess.reason =
        magnitude && phase
            ? "数値から：1 つ目の値の列が 0 以上、2 つ目が ±90 以内なので |Z| と位相（度）"
            : "数値から：|Z| と位相（度）には見えないので Re と Im";
    return guess;
}

}  // namespace

ColumnGuess guessColumns(const DelimitedTable& table) {
    const std::vector<Column> columns = numbersOf(table);
    std::optional<std::size_t> frequency;
    for (std::size_t i = 0; i < table.header.size() && !frequency; ++i)
        if (kindOf(table.header[i]) == Kind::Frequency) frequency = i;
    for (std::size_t i = 0; i < columns.size() && !frequency; ++i)
        if (looksLikeFrequency(columns[i])) frequency = i;
    const std::size_t f = frequency.value_or(0);
    if (!table.header.empty())
        if (ColumnGuess guess = fromHeader(table, f); !guess.reason.empty()) return guess;
    ColumnGuess guess = fromNumbers(columns, f);
    if (!table.header.empty()) guess.choice.hertzPerUnit = hertzPerUnit(table.header[f]);
    return guess;
}
