#include "app/Subcommands.h"

#include <QString>
#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/DrawingFile.h"
#include "app/FitCommand.h"
#include "engine/FrequencySweep.h"
#include "engine/SweepCsv.h"
#include "engine/TouchstoneText.h"
#include "measurement/AnyMeasurement.h"
#include "measurement/KramersKronigCheck.h"
#include "measurement/MeasurementCsv.h"
#include "measurement/MeasurementError.h"
#include "text/JsonText.h"

namespace {

constexpr double kTouchstoneReference = 50;  // ohms, as the window's default Z0
constexpr int kMostSweepPoints = 1000000;

// A wrong command line (status 2) and a refused file (status 1), each with its reason.
struct Usage : std::runtime_error {
    using std::runtime_error::runtime_error;
};
struct Refused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What follows the command: plain words, and the options it knows, each at most once.
struct Arguments {
    std::vector<std::string> words;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    std::string value(const std::string& option, const std::string& otherwise) const {
        const auto found = values.find(option);
        return found == values.end() ? otherwise : found->second;
    }
    std::string required(const std::string& option) const {
        const auto found = values.find(option);
        if (found == values.end()) throw Usage(option + " を指定してください");
        return found->second;
    }
};

Arguments readArguments(int argc, const char* const* argv, const std::set<std::string>& withValue,
                        const std::set<std::string>& flags) {
    Arguments read;
    bool onlyWords = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (onlyWords || arg.size() < 2 || arg.front() != '-') {
            read.words.push_back(arg);
        } else if (arg == "--") {
            onlyWords = true;
        } else if (flags.count(arg) != 0) {
            read.flags.insert(arg);
        } else if (withValue.count(arg) != 0) {
            if (i + 1 == argc) throw Usage("オプション " + arg + " には値が必要です");
            if (!read.values.emplace(arg, argv[++i]).second)
                throw Usage("オプション " + arg + " が二度あります");
        } else {
            throw Usage("不明なオプションです: " + arg);
        }
    }
    return read;
}

double positiveNumber(const std::string& text, const std::string& option) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        !(value > 0))
        throw Usage(option + " は正の数です: " + text);
    return value;
}

bool touchstoneFormat(const Arguments& arguments) {
    const std::string format = arguments.value("--format", "csv");
    if (format != "csv" && format != "s1p") throw Usage("--format は csv か s1p です: " + format);
    return format == "s1p";
}

std::vector<SweepPoint> sweepPointsOf(const Measurement& measurement) {
    std::vector<SweepPoint> points;
    points.reserve(measurement.points.size());
    for (const MeasuredPoint& p : measurement.points)
        points.push_back(
            {p.frequency, true, p.z, std::atan2(p.z.im, p.z.re) * 180 / std::numbers::pi});
    return points;
}

void convert(const Arguments& arguments, std::ostream& out) {
    const bool touchstone = touchstoneFormat(arguments);
    if (arguments.words.size() != 1) throw Usage("データファイルを一つ指定してください");
    const Measurement measurement = readAnyMeasurement(arguments.words.front());
    out << (touchstone ? TouchstoneText(sweepPointsOf(measurement), kTouchstoneReference)
                       : measurementCsv(measurement));
}

const char* verdictName(KramersKronigCheck::Verdict verdict) {
    switch (verdict) {
        case KramersKronigCheck::Verdict::Valid: return "valid";
        case KramersKronigCheck::Verdict::Invalid: return "invalid";
        case KramersKronigCheck::Verdict::Undecided: break;
    }
    return "undecided";
}

void writeVerdict(const std::string& file, const KramersKronigCheck& check, bool json,
                  std::ostream& out) {
    if (json) {
        out << "{\"file\":" << jsonString(file) << ",\"points\":" << check.points
            << ",\"elements\":" << check.elements << ",\"verdict\":\"" << verdictName(check.verdict)
            << "\",\"maxResidualPercent\":" << jsonNumber(check.maxResidualPercent)
            << ",\"rmsResidualPercent\":" << jsonNumber(check.rmsResidualPercent)
            << ",\"text\":" << jsonString(check.text) << "}\n";
        return;
    }
    out << file << ": " << check.text << "（" << check.points << " 点、RC 要素 " << check.elements
        << "、最大 " << jsonNumber(check.maxResidualPercent) << " %、rms "
        << jsonNumber(check.rmsResidualPercent) << " %）\n";
}

// Every file is checked; a refused one is named on `err` and makes the status 1.
int kramersKronig(const Arguments& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.words.empty()) throw Usage("データファイルを指定してください");
    int status = 0;
    for (const std::string& file : arguments.words) {
        try {
            const Measurement measurement = readAnyMeasurement(file);
            writeVerdict(file, checkKramersKronig(measurement.points),
                         arguments.flags.count("--json") != 0, out);
        } catch (const MeasurementError& error) {
            err << "selvoria: " << error.what() << '\n';
            status = 1;
        }
    }
    return status;
}

CircuitModel modelOf(const DrawingFileContents& contents) {
    CircuitModel model;
    loadInitialState(model);
    restoreFileContents(model, contents);
    return model;
}

void sweep(const Arguments& arguments, std::ostream& out) {
    const bool touchstone = touchstoneFormat(arguments);
    if (arguments.words.size() != 1) throw Usage("図面ファイルを一つ指定してください");
    const double from = positiveNumber(arguments.required("--from"), "--from");
    const double to = positiveNumber(arguments.required("--to"), "--to");
    if (!(to > from)) throw Usage("--to は --from より大きい周波数です");
    const std::string points = arguments.required("--points");
    const double count = positiveNumber(points, "--points");
    if (count != std::floor(count) || count < 2 || count > kMostSweepPoints)
        throw Usage("--points は 2〜1000000 の整数です: " + points);

    const std::string& path = arguments.words.front();
    const DrawingFileRead read = readDrawingFile(QString::fromLocal8Bit(path.c_str()));
    if (!read.contents) throw Refused(path + ": " + read.problem.toStdString());
    const CircuitModel model = modelOf(*read.contents);
    const std::vector<SweepPoint> swept =
        SweepFrequencies(model, from, to, static_cast<int>(count));
    out << (touchstone ? TouchstoneText(swept, kTouchstoneReference)
                       : sweepCsv(swept, model.resultUnitFactor));
}

std::vector<std::string> commaSeparated(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t comma; (comma = list.find(',', start)) != std::string::npos; start = comma + 1)
        names.push_back(list.substr(start, comma - start));
    names.push_back(list.substr(start));
    return names;
}

int fit(const Arguments& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.words.size() < 2) throw Usage("図面ファイルと測定データを指定してください");
    FitCommand command;
    command.drawing = arguments.words.front();
    command.data.assign(arguments.words.begin() + 1, arguments.words.end());
    if (arguments.values.count("--free") != 0)
        command.free = commaSeparated(arguments.values.at("--free"));
    command.weight = arguments.value("--weight", command.weight);
    command.json = arguments.flags.count("--json") != 0;
    command.save = arguments.value("--save", "");
    try {
        return command.run(out, err);
    } catch (const std::invalid_argument& wrong) {
        throw Usage(wrong.what());
    } catch (const std::runtime_error& refused) {
        throw Refused(refused.what());
    }
}

int run(const std::string& command, int argc, const char* const* argv, std::ostream& out,
        std::ostream& err) {
    if (command == "convert") {
        convert(readArguments(argc, argv, {"--format"}, {}), out);
        return 0;
    }
    if (command == "kk") return kramersKronig(readArguments(argc, argv, {}, {"--json"}), out, err);
    if (command == "fit")
        return fit(readArguments(argc, argv, {"--free", "--weight", "--save"}, {"--json"}), out,
                   err);
    sweep(readArguments(argc, argv, {"--from", "--to", "--points", "--format"}, {}), out);
    return 0;
}

}  // namespace

bool isSubcommand(std::string_view word) {
    return word == "convert" || word == "kk" || word == "sweep" || word == "fit";
}

int runSubcommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const std::string command = argv[1];
    int status = 0;
    try {
        status = run(command, argc, argv, out, err);
    } catch (const Usage& usage) {
        err << "selvoria " << command << ": " << usage.what() << "（使い方は selvoria --help）\n";
        return 2;
    } catch (const MeasurementError& error) {
        err << "selvoria: " << error.what() << '\n';
        return 1;
    } catch (const Refused& refused) {
        err << "selvoria: " << refused.what() << '\n';
        return 1;
    }
    out.flush();
    if (!out) {
        err << "selvoria: 結果を書き出せません\n";
        return 1;
    }
    return status;
}
