#pragma once

// ngspice as an independent check of the program's results: a netlist is run in batch mode and
// the node voltages it prints are read back. A 1 A AC source into a network makes the voltage
// at its input node equal to its impedance.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>

#include "model/Complex.h"

// The program forms ω as 6.283184·f; ngspice uses 2π·f. A frequency handed to ngspice is scaled
// so that both mean the same ω.
inline constexpr double kEngineTwoPi = 6.283184;

inline double spiceFrequency(double engineFrequency) {
    return engineFrequency * kEngineTwoPi / (2 * std::numbers::pi);
}

// Plain exponents only: ngspice would read a suffix such as "M" as milli.
inline std::string spiceNumber(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

inline std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the netlist and returns everything ngspice printed, or an empty text when no temporary
// folder could be made. The exit status says nothing (ngspice returns 1 after a good batch run);
// only the printed values count. Its notes go to stderr, which would split value lines if both
// shared a file.
inline std::string runNgspice(const std::string& netlist) {
    std::string dir = (std::filesystem::temp_directory_path() / "selvoria-spice-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) return {};
    const std::filesystem::path folder(dir);
    std::ofstream(folder / "net.cir") << netlist;
    const std::string command = "ngspice -b '" + (folder / "net.cir").string() + "' > '" +
                                (folder / "out.txt").string() + "' 2> '" +
                                (folder / "err.txt").string() + "'";
    [[maybe_unused]] const int status = std::system(command.c_str());
    std::string transcript = readWholeFile(folder / "out.txt") + readWholeFile(folder / "err.txt");
    std::filesystem::remove_all(folder);
    return transcript;
}

// The impedance that a netlist fed by 1 A into node "in" printed as vr(in) and vi(in), or
// nothing when ngspice printed no value.
inline std::optional<Complex> printedImpedance(const std::string& transcript) {
    Complex z;
    bool re = false, im = false;
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        double value = 0;
        if (std::sscanf(line.c_str(), "vr(in) = %lf", &value) == 1) z.re = value, re = true;
        if (std::sscanf(line.c_str(), "vi(in) = %lf", &value) == 1) z.im = value, im = true;
    }
    if (!re || !im) return std::nullopt;
    return z;
}

// The impedance between node "in" and ground ("0") of the given elements at the program's
// frequency, or nothing when ngspice printed no value.
inline std::optional<Complex> ngspiceImpedance(const std::string& elements, double frequency) {
    const std::string f = spiceNumber(spiceFrequency(frequency));
    return printedImpedance(
        runNgspice("selvoria check\nIsource 0 in DC 0 AC 1\n" + elements +
                   // The DC operating point is skipped: parallel coils make it singular.
                   ".options noopac\n.control\nset numdgt=15\nac lin 1 " + f + " " + f +
                   "\nprint vr(in) vi(in)\n.endc\n.end\n"));
}
