#include "engine/TouchstoneText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <complex>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/engine/DrawingBuilder.h"

namespace {

// What a reader takes from a one-port file: the option line, the data lines as numbers and the
// comment lines.
struct OnePortFile {
    std::string option;
    std::vector<std::vector<double>> rows;
    std::vector<std::string> comments;
};

OnePortFile read(const std::string& text) {
    OnePortFile file;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("!")) file.comments.push_back(line);
        if (line.starts_with("#")) file.option = line;
        if (line.starts_with("!") || line.starts_with("#")) continue;
        std::istringstream words(line);
        std::vector<double>& row = file.rows.emplace_back();
        for (std::string word; words >> word;) {
            const char* end = word.data() + word.size();
            const auto [stop, error] = std::from_chars(word.data(), end, row.emplace_back());
            EXPECT_TRUE(error == std::errc() && stop == end) << line;
        }
    }
    return file;
}

// One part alone at 3000, 3000, with its value (for an impedance part, its resistance).
CircuitModel lone(int slot, double value) {
    CircuitModel model = drawing::emptyModel();
    drawing::placePartAt(model, slot, 3000, 3000);
    model.slotValue[slot] = value;
    model.impPartRe[1] = value;
    return model;
}

CircuitModel seriesRlc() {
    CircuitModel model = drawing::emptyModel();
    drawing::placePartAt(model, 1, 6000, 3000);
    drawing::placePartAt(model, 6, 4890, 3000);
    drawing::placePartAt(model, 11, 3780, 3000);
    model.slotValue[1] = 10, model.slotValue[6] = 10e-3, model.slotValue[11] = 1e-6;
    return model;
}

TEST(TouchstoneTextTest, ReadsBackToTheSweptImpedance) {
    const struct {
        const char* name;
        CircuitModel model;
        double z0;
        const char* option;
        int leftOut;         // points written as comments
        const char* reason;  // what their comments say
    } cases[] = {
        {"series RLC", seriesRlc(), 50, "# Hz S RI R 50", 0, ""},
        {"another reference", seriesRlc(), 75, "# Hz S RI R 75", 0, ""},
        {"a fractional reference", seriesRlc(), 12.5, "# Hz S RI R 12.5", 0, ""},
        {"Z = -Z0 everywhere", lone(16, -50), 50, "# Hz S RI R 50", 100, "Z = -Z0"},
        // A coil of 1e152 H has no impedance from 21.3 Hz up: 78 of the frequencies.
        {"gaps", lone(6, 1e152), 50, "# Hz S RI R 50", 78, "no impedance"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<SweepPoint> points = SweepFrequencies(c.model, 1, 1e6, 100);
        const OnePortFile file = read(TouchstoneText(points, c.z0));
        EXPECT_EQ(file.option, c.option);
        int leftOut = 0;
        for (const std::string& comment : file.comments) {
            if (comment.find("left out") == std::string::npos) continue;
            ++leftOut;
            EXPECT_NE(comment.find(c.reason), std::string::npos) << comment;
        }
        EXPECT_EQ(leftOut, c.leftOut);
        ASSERT_EQ(file.rows.size(), points.size() - c.leftOut);

        auto row = file.rows.begin();
        for (const SweepPoint& p : points) {
            const std::complex<double> z(p.z.re, p.z.im);
            if (!p.valid || z == -c.z0) continue;
            ASSERT_EQ(row->size(), 3u);
            EXPECT_EQ((*row)[0], p.frequency);
            const std::complex<double> s((*row)[1], (*row)[2]);
            EXPECT_LT(std::abs(c.z0 * (1.0 + s) / (1.0 - s) - z), 1e-9 * std::abs(z))
                << p.frequency;
            ++row;
        }
    }
}

TEST(TouchstoneTextTest, RefusesAReferenceThatIsNotAPositiveNumber) {
    const std::vector<SweepPoint> points = SweepFrequencies(seriesRlc(), 1, 1e6, 10);
    for (const double z0 : {0.0, -50.0, std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()})
        EXPECT_THROW(TouchstoneText(points, z0), std::invalid_argument) << z0;
}

}  // namespace
