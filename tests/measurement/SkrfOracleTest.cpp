// Checks the Touchstone reader against scikit-rf, an independent reader: each one-port file that
// Debian's python3-scikit-rf ships, and files written here in several formats, are read by both,
// and frequency and impedance must agree to a relative 1e-9.

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "measurement/CellNumbers.h"
#include "measurement/MeasurementError.h"
#include "measurement/TouchstoneReader.h"

namespace {

namespace fs = std::filesystem;
constexpr double kRelativeTolerance = 1e-9;
constexpr double kOpen = 1e12;  // ohms; far beyond any impedance a 50 Ω analyser resolves

// scikit-rf 0.15 reads every file's values as S parameters, whatever the option line says, so for
// Z and Y files only its reading of numbers, units and formats is used; the meaning of Z and Y
// (divided by R in version 1, in ohms and siemens in version 2) is applied here. Its impedance
// uses the option line's R, as ours does, also where HFSS wrote other port impedances into
// comments. Each point prints as "P <f> <re> <im>".
constexpr const char* kScript = R"(
import sys, warnings
warnings.simplefilter('ignore')
import numpy
# Debian's scikit-rf 0.15 still names numpy's aliases that numpy 1.24 removed.
numpy.complex, numpy.float, numpy.int = complex, float, int
import skrf
from skrf.io.touchstone import Touchstone
for path in sys.argv[1:]:
    t = Touchstone(path)
    r = float(t.resistance)
    print('FILE', path)
    if t.parameter == 's':
        n = skrf.Network(path)
        n.z0 = r
        f, z = n.f, n.z[:, 0, 0]
    else:
        f, v = t.get_sparameter_arrays()
        v = v[:, 0, 0]
        if t.parameter == 'y':
            v = 1 / v
        z = v if t.version == '2.0' else v * r
    with numpy.errstate(all='ignore'):
        for fi, zi in zip(f, z):
            print('P', repr(float(fi)), repr(float(zi.real)), repr(float(zi.imag)))
)";

struct OraclePoint {
    double frequency;
    std::complex<double> z;
};

std::string python() {
    // A python from a version manager may come first on the path without the packaged skrf.
    for (const char* candidate : {"python3", "/usr/bin/python3"})
        if (std::system((std::string(candidate) + " -c 'import skrf' >/dev/null 2>&1").c_str()) ==
            0)
            return candidate;
    return {};
}

std::vector<std::vector<OraclePoint>> readWithSkrf(const std::string& python,
                                                   const std::vector<fs::path>& files) {
    const fs::path script = fs::temp_directory_path() / "selvoria-skrf-oracle.py";
    std::ofstream(script) << kScript;
    std::string command = python + " '" + script.string() + "'";
    for (const fs::path& file : files) command += " '" + file.string() + "'";
    std::vector<std::vector<OraclePoint>> read;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    for (char line[512]; pipe && std::fgets(line, sizeof line, pipe);) {
        std::istringstream words(line);
        std::string tag, f, re, im;
        words >> tag >> f >> re >> im;
        if (tag == "FILE") read.emplace_back();
        if (tag != "P" || read.empty()) continue;
        read.back().push_back({*parseNumber(f), {*parseNumber(re), *parseNumber(im)}});
    }
    if (pipe) pclose(pipe);
    fs::remove(script);
    return read;
}

// The largest relative difference, or a failure when the points do not pair up. A short (S = −1) is
// 0 Ω here and some 10^-11 Ω in scikit-rf, so an impedance difference is taken relative to at
// least 1 Ω.
double compare(const Measurement& ours, std::vector<OraclePoint> theirs) {
    std::sort(theirs.begin(), theirs.end(),
              [](auto& a, auto& b) { return a.frequency < b.frequency; });
    EXPECT_EQ(ours.points.size(), theirs.size());
    double largest = 0;
    for (std::size_t i = 0; i < std::min(ours.points.size(), theirs.size()); ++i) {
        const MeasuredPoint& p = ours.points[i];
        const std::complex<double> z(p.z.re, p.z.im), expected = theirs[i].z;
        largest = std::max({largest, std::abs(z - expected) / std::max(std::abs(expected), 1.0),
                            std::abs(p.frequency - theirs[i].frequency) / theirs[i].frequency});
    }
    return largest;
}

std::vector<fs::path> shippedFiles() {
    std::vector<fs::path> files;
    const fs::path root = "/usr/lib/python3/dist-packages/skrf";
    if (!fs::is_directory(root)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.path().extension() == ".s1p") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Z = 30 … 300 Ω with reactances of either sign at 25 frequencies, in each form a file may take.
std::vector<fs::path> writtenFiles(const fs::path& folder) {
    const char* heads[] = {
        "# Hz S RI R 50",
        "# kHz S MA R 75",
        "# MHz S DB R 50",
        "# GHz S RI R 12.5",
        "# Hz Z RI R 50",
        "# kHz Z MA R 75",
        "# Hz Y RI R 50",
        "# MHz Y DB R 75",
        "[Version] 2.0\n# Hz Z RI R 50\n[Number of Ports] 1\n[Number of Frequencies] 25\n"
        "[Network Data]",
        "[Version] 2.0\n# Hz Y MA R 50\n[Number of Ports] 1\n[Number of Frequencies] 25\n"
        "[Network Data]",
    };
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-1, 1);
    std::vector<fs::path> files;
    for (const char* head : heads) {
        files.push_back(folder / ("written" + std::to_string(files.size()) + ".s1p"));
        std::ofstream out(files.back());
        out << head << "\n";
        for (int i = 1; i <= 25; ++i)
            out << shortestNumber(i * 1.5) << ' ' << shortestNumber(value(random) + 1.1) << ' '
                << shortestNumber(value(random) * 170) << '\n';
        if (std::string(head).starts_with('[')) out << "[End]\n";
    }
    return files;
}

TEST(SkrfOracleTest, ReadsAsScikitRfDoes) {
    const std::string interpreter = python();
    if (interpreter.empty())
        GTEST_SKIP() << "python3 with scikit-rf (python3-scikit-rf) is missing";
    std::string dir = (fs::temp_directory_path() / "selvoria-oracle-XXXXXX").string();
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    std::vector<fs::path> files = shippedFiles();
    const std::size_t shipped = files.size();
    for (const fs::path& written : writtenFiles(dir)) files.push_back(written);
    const std::vector<std::vector<OraclePoint>> theirs = readWithSkrf(interpreter, files);
    ASSERT_EQ(theirs.size(), files.size());

    double largest = 0;
    int refused = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].string());
        try {
            const double difference = compare(readTouchstoneFile(files[i]), theirs[i]);
            EXPECT_LE(difference, kRelativeTolerance);
            largest = std::max(largest, difference);
        } catch (const MeasurementError& e) {
            // Only an open (S = 1) is refused; scikit-rf gives an impedance of some 10^14 Ω there.
            ++refused;
            EXPECT_NE(e.reason().find("S11 = 1"), std::string::npos) << e.what();
            EXPECT_TRUE(std::any_of(theirs[i].begin(), theirs[i].end(),
                                    [](auto& p) { return !(std::abs(p.z) < kOpen); }));
        }
    }
    fs::remove_all(dir);
    EXPECT_LT(refused, static_cast<int>(shipped));
    std::cout << shipped << " shipped and " << files.size() - shipped << " written files, "
              << refused << " refused as open; largest relative difference " << largest << "\n";
}

}  // namespace
