#include "measurement/KramersKronigCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <random>
#include <vector>

namespace {

using Z = std::complex<double>;
using Verdict = KramersKronigCheck::Verdict;
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kSeeds = 200;

double logUniform(std::mt19937& random, double low, double high) {
    return std::exp(std::uniform_real_distribution(std::log(low), std::log(high))(random));
}

Z tank(double omega, double r, double l, double c) {
    return 1.0 / (1 / r + Z(0, omega * c) + 1.0 / Z(0, omega * l));
}

// A network drawn from the seed, as its impedance at ω; f0 is a frequency inside the sweep.
using Network = std::function<Z(double omega)>;
using NetworkMaker = std::function<Network(std::mt19937&, double f0)>;

Network rcNetwork(std::mt19937& random, double fLow, double fHigh) {
    const double r0 = logUniform(random, 1, 1e3);
    std::vector<std::pair<double, double>> pairs(std::uniform_int_distribution(1, 4)(random));
    for (auto& [r, tau] : pairs)
        r = logUniform(random, 1, 1e3), tau = 1 / (kTwoPi * logUniform(random, fLow, fHigh));
    return [=](double omega) {
        Z z = r0;
        for (const auto& [r, tau] : pairs) z += r / Z(1, omega * tau);
        return z;
    };
}

// A tank resonating at f0 with quality q and peak resistance r: its coil and capacitor.
std::pair<double, double> tankParts(double f0, double q, double r) {
    const double l = r / (kTwoPi * f0 * q);
    return {l, 1 / (kTwoPi * f0 * kTwoPi * f0 * l)};
}

const struct {
    const char* name;
    NetworkMaker make;
} kResonant[] = {
    {"series RLC",
     [](std::mt19937& random, double f0) -> Network {
         const double r = logUniform(random, 0.1, 100), l = logUniform(random, 1e-6, 1);
         const double c = 1 / (kTwoPi * f0 * kTwoPi * f0 * l);
         return [=](double w) { return r + Z(0, w * l) + 1.0 / Z(0, w * c); };
     }},
    {"tank",
     [](std::mt19937& random, double f0) -> Network {
         const double r = logUniform(random, 1, 1e3);
         const auto [l, c] = tankParts(f0, logUniform(random, 0.5, 30), r);
         return [=](double w) { return 0.1 + tank(w, r, l, c); };
     }},
    {"loudspeaker",
     [](std::mt19937& random, double f0) -> Network {
         const double r = logUniform(random, 5, 50);
         const auto [l, c] = tankParts(f0, logUniform(random, 1, 10), r);
         const double coil = 6 / (kTwoPi * f0 * 30);
         return [=](double w) { return 6.0 + Z(0, w * coil) + tank(w, r, l, c); };
     }},
    {"tank behind a capacitor",
     [](std::mt19937& random, double f0) -> Network {
         const double r = logUniform(random, 1, 1e3);
         const auto [l, c] = tankParts(f0, logUniform(random, 1, 30), r);
         const double series = logUniform(random, 0.01, 100) * c;
         return [=](double w) { return 1.0 + 1.0 / Z(0, w * series) + tank(w, r, l, c); };
     }},
};

// 10 points a decade over 3 to 6 decades, with 0.2 % of |Z| of Gaussian noise on Re and Im;
// `drift` multiplies the last point by 1 + drift and the others in proportion.
std::vector<MeasuredPoint> sweep(std::mt19937& random, const NetworkMaker& make, double drift) {
    const double decades = std::uniform_real_distribution(3.0, 6.0)(random);
    const double fLow = logUniform(random, 1e-2, 1e3), fHigh = fLow * std::pow(10, decades);
    const Network network = make(random, fLow * std::pow(10, decades / 2));
    const int n = static_cast<int>(decades * 10) + 1;
    std::normal_distribution<double> noise(0, 0.002);
    std::vector<MeasuredPoint> points;
    for (int i = 0; i < n; ++i) {
        const double f = fLow * std::pow(fHigh / fLow, double(i) / (n - 1));
        Z z = network(kTwoPi * f) * (1 + drift * i / (n - 1));
        z += std::abs(z) * Z(noise(random), noise(random));
        points.push_back({f, {z.real(), z.imag()}});
    }
    return points;
}

const NetworkMaker kRcNetwork = [](std::mt19937& random, double f0) {
    return rcNetwork(random, f0 / 1e3, f0 * 1e3);
};

TEST(KramersKronigCheckTest, NoisyRcNetworksAreValidAndDriftingOnesInvalid) {
    const struct {
        double drift;
        Verdict verdict;
        const char* text;
    } cases[] = {{0, Verdict::Valid, "有効"}, {0.3, Verdict::Invalid, "無効"}};
    for (const auto& c : cases)
        for (int seed = 0; seed < kSeeds; ++seed) {
            SCOPED_TRACE(testing::Message() << "drift " << c.drift << ", seed " << seed);
            std::mt19937 random(seed);
            const std::vector<MeasuredPoint> points = sweep(random, kRcNetwork, c.drift);
            const KramersKronigCheck check = checkKramersKronig(points);
            ASSERT_EQ(check.verdict, c.verdict) << check.text << " rms " << check.rmsResidualPercent
                                                << " max " << check.maxResidualPercent;
            EXPECT_EQ(check.text, c.text);
            EXPECT_EQ(check.points, points.size());
            EXPECT_EQ(check.residuals.size(), points.size());
            EXPECT_GE(check.elements, 2);
        }
}

// An RC model cannot follow coils resonating with capacitors; that is the model's limit, never a
// fault of the measurement.
TEST(KramersKronigCheckTest, ResonancesAreNeverCalledInvalid) {
    for (const auto& network : kResonant) {
        int undecided = 0;
        for (int seed = 0; seed < kSeeds; ++seed) {
            SCOPED_TRACE(testing::Message() << network.name << ", seed " << seed);
            std::mt19937 random(seed);
            const KramersKronigCheck check = checkKramersKronig(sweep(random, network.make, 0));
            ASSERT_NE(check.verdict, Verdict::Invalid)
                << check.rmsResidualPercent << " " << check.maxResidualPercent;
            if (check.verdict != Verdict::Undecided) continue;
            ++undecided;
            EXPECT_TRUE(check.text.starts_with("判定できません：")) << check.text;
        }
        RecordProperty(network.name, undecided);
    }
}

TEST(KramersKronigCheckTest, TooFewPointsAreUndecided) {
    std::vector<MeasuredPoint> points;
    for (int i = 1; i <= 9; ++i) points.push_back({double(i), {1, -1.0 / i}});
    const KramersKronigCheck check = checkKramersKronig(points);
    EXPECT_EQ(check.verdict, Verdict::Undecided);
    EXPECT_NE(check.text.find("9 点"), std::string::npos);
}

}  // namespace
