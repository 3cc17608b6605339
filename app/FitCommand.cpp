#include "app/FitCommand.h"

#include <QIODevice>
#include <QString>
#include <algorithm>
#include <atomic>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <thread>

#include "app/DrawingFile.h"
#include "dialogs/ValueCaption.h"
#include "fit/ImpedanceFit.h"
#include "measurement/AnyMeasurement.h"
#include "measurement/MeasurementError.h"
#include "model/ControlNames.h"
#include "text/JsonText.h"
#include "toolkit/SaveFile.h"

namespace {

// What one measurement gave: a fit, or the reason it has none.
struct Outcome {
    std::optional<FitResult> result;
    std::string refusal;
};

Weighting weightingNamed(const std::string& name) {
    if (name == "modulus") return Weighting::Modulus;
    if (name == "unit") return Weighting::Unit;
    if (name == "proportional") return Weighting::Proportional;
    throw std::invalid_argument("--weight は modulus、unit、proportional のどれかです: " + name);
}

FitOptions optionsFor(const FitCommand& command) {
    FitOptions options;
    options.weighting = weightingNamed(command.weight);
    if (command.free.empty()) return options;
    options.fixed.fill(1);
    for (const std::string& name : command.free) {
        const int slot = pictureSlot(name);
        if (slot == 0 || slot > 15)
            throw std::invalid_argument("--free に抵抗・コイル・コンデンサ以外の名前があります: " +
                                        name);
        options.fixed[slot] = 0;
    }
    return options;
}

Outcome fitOne(const CircuitModel& model, const std::string& file, const FitOptions& options) {
    try {
        const Measurement measurement = readAnyMeasurement(file);
        return {ImpedanceFit(model, measurement.points, options).run(), {}};
    } catch (const MeasurementError& error) {
        return {std::nullopt, error.what()};
    } catch (const std::exception& error) {
        return {std::nullopt, file + ": " + error.what()};
    }
}

// Every core takes the next file until none is left; the outcomes keep the files' order.
std::vector<Outcome> fitAll(const CircuitModel& model, const std::vector<std::string>& files,
                            const FitOptions& options) {
    std::vector<Outcome> outcomes(files.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++)
            outcomes[i] = fitOne(model, files[i], options);
    };
    const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1,
                                                        std::max<std::size_t>(files.size(), 1));
    std::vector<std::thread> threads;
    for (std::size_t w = 1; w < workers; ++w) threads.emplace_back(work);
    work();
    for (std::thread& thread : threads) thread.join();
    return outcomes;
}

const char* kindName(int slot) {
    switch (kindOfSlot(slot)) {
        case PartKind::Resistor: return "R";
        case PartKind::Coil: return "L";
        case PartKind::Capacitor: return "C";
        case PartKind::Impedance: break;
    }
    return "Z";
}

void writeJson(const std::string& file, const FitResult& r, std::ostream& out) {
    out << "{\"file\":" << jsonString(file) << ",\"converged\":" << (r.converged ? "true" : "false")
        << ",\"chi2PerDof\":" << (r.chiSquarePerDof ? jsonNumber(*r.chiSquarePerDof) : "null")
        << ",\"rmsResidualPercent\":" << jsonNumber(r.rmsRelativeResidualPercent)
        << ",\"iterations\":" << r.iterations << ",\"stop\":" << jsonString(describe(r.stop))
        << ",\"parts\":[";
    for (std::size_t i = 0; i < r.values.size(); ++i) {
        const FittedValue& v = r.values[i];
        out << (i == 0 ? "" : ",") << "{\"name\":" << jsonString(v.name) << ",\"kind\":\""
            << kindName(v.slot) << "\",\"value\":" << jsonNumber(v.value)
            << ",\"stdErr\":" << (v.stdErr ? jsonNumber(*v.stdErr) : "null") << '}';
    }
    out << "]}\n";
}

void writeText(const std::string& file, const FitResult& r, std::ostream& out) {
    out << file << ": " << (r.converged ? "収束" : "収束せず") << "（" << describe(r.stop)
        << "）、rms " << jsonNumber(r.rmsRelativeResidualPercent) << " %\n";
    for (const FittedValue& v : r.values) {
        out << "  " << v.name << " " << kindName(v.slot) << " = " << jsonNumber(v.value);
        if (v.stdErrPercent)
            out << " ± " << jsonNumber(*v.stdErrPercent) << " %";
        else
            out << "（データから定まりません）";
        out << '\n';
    }
}

void saveFitted(const std::string& path, const DrawingFileContents& drawn, const FitResult& r) {
    DrawingFileContents fitted = drawn;
    for (const FittedValue& v : r.values) {
        fitted.drawing.slotValue[v.slot] = v.value;
        std::string& caption = fitted.drawing.valueCaption[v.slot][0];
        caption = valueCaption(kindOfSlot(v.slot), v.value, caption);
    }
    const QByteArray bytes = encodeDrawingFile(fitted);
    const std::optional<QString> failure =
        writeWhole(QString::fromLocal8Bit(path.c_str()),
                   [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
    if (failure) throw std::runtime_error(path + ": " + failure->toStdString());
}

}  // namespace

int FitCommand::run(std::ostream& out, std::ostream& err) const {
    const FitOptions options = optionsFor(*this);
    if (!save.empty() && data.size() != 1)
        throw std::invalid_argument("--save は測定データが一つのときだけ使えます");
    const DrawingFileRead read = readDrawingFile(QString::fromLocal8Bit(drawing.c_str()));
    if (!read.contents) throw std::runtime_error(drawing + ": " + read.problem.toStdString());
    CircuitModel model;
    loadInitialState(model);
    restoreFileContents(model, *read.contents);

    const std::vector<Outcome> outcomes = fitAll(model, data, options);
    int status = 0;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const Outcome& outcome = outcomes[i];
        if (!outcome.result) {
            err << "selvoria: " << outcome.refusal << '\n';
            status = 1;
            continue;
        }
        (json ? writeJson : writeText)(data[i], *outcome.result, out);
        if (!outcome.result->converged) status = 1;
        if (!save.empty()) saveFitted(save, *read.contents, *outcome.result);
    }
    return status;
}
