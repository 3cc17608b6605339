#include "measurement/TouchstoneOptions.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <optional>

#include "measurement/CellNumbers.h"
#include "measurement/MeasurementError.h"
#include "measurement/TextLines.h"

namespace {

struct Unit {
    std::string_view name;
    double hertz;
};
constexpr Unit kUnits[] = {{"hz", 1}, {"khz", 1e3}, {"mhz", 1e6}, {"ghz", 1e9}};

struct ParameterName {
    std::string_view name;
    TouchstoneOptions::Parameter parameter;
};
constexpr ParameterName kParameters[] = {{"s", TouchstoneOptions::Parameter::S},
                                         {"z", TouchstoneOptions::Parameter::Z},
                                         {"y", TouchstoneOptions::Parameter::Y}};

struct FormatName {
    std::string_view name;
    TouchstoneOptions::Format format;
};
constexpr FormatName kFormats[] = {{"ri", TouchstoneOptions::Format::RI},
                                   {"ma", TouchstoneOptions::Format::MA},
                                   {"db", TouchstoneOptions::Format::DB}};

// Sets the field the word names; false when it names none.
bool applyWord(TouchstoneOptions& options, const std::string& word) {
    for (const Unit& u : kUnits)
        if (word == u.name) return options.hertzPerUnit = u.hertz, true;
    for (const ParameterName& p : kParameters)
        if (word == p.name) return options.parameter = p.parameter, true;
    for (const FormatName& f : kFormats)
        if (word == f.name) return options.format = f.format, true;
    return false;
}

std::complex<double> valueOf(TouchstoneOptions::Format format, double first, double second) {
    const double radians = second * std::numbers::pi / 180;
    switch (format) {
        case TouchstoneOptions::Format::RI: return {first, second};
        case TouchstoneOptions::Format::MA: return std::polar(first, radians);
        case TouchstoneOptions::Format::DB: return std::polar(std::pow(10.0, first / 20), radians);
    }
    return {};
}

}  // namespace

TouchstoneOptions readOptionLine(std::string_view line, const std::string& file, int lineNumber) {
    TouchstoneOptions options;
    const std::vector<std::string_view> fields = words(line.substr(1));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string word = lowerAscii(fields[i]);
        if (applyWord(options, word)) continue;
        if (word == "g" || word == "h")
            throw MeasurementError(
                file, lineNumber,
                "G・H パラメータは 2 ポートのファイルのもので、1 ポートでは読めません");
        if (word != "r")
            throw MeasurementError(file, lineNumber,
                                   "オプション行の「" + quotedCell(fields[i]) + "」が読めません");
        if (i + 1 == fields.size())
            throw MeasurementError(file, lineNumber, "オプション行の R の後に基準抵抗がありません");
        options.reference = finiteNumber(fields[++i], false, file, lineNumber);
        if (!(options.reference > 0))
            throw MeasurementError(file, lineNumber, "基準抵抗は 0 Ω より大きくなければなりません");
    }
    return options;
}

Complex impedanceOf(const TouchstoneOptions& options, bool version2, double first, double second,
                    const std::string& file, int lineNumber) {
    const std::complex<double> value = valueOf(options.format, first, second);
    const double r = options.reference;
    std::complex<double> z;
    switch (options.parameter) {
        case TouchstoneOptions::Parameter::S:
            if (value == 1.0)
                throw MeasurementError(
                    file, lineNumber,
                    "S11 = 1 は開放で、インピーダンスが無限大になり変換できません");
            z = r * (1.0 + value) / (1.0 - value);
            break;
        case TouchstoneOptions::Parameter::Z: z = version2 ? value : value * r; break;
        case TouchstoneOptions::Parameter::Y:
            if (value == 0.0)
                throw MeasurementError(
                    file, lineNumber, "Y = 0 は開放で、インピーダンスが無限大になり変換できません");
            z = 1.0 / (version2 ? value : value / r);
            break;
    }
    return {z.real(), z.imag()};
}
