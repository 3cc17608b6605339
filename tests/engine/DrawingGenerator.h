#pragma once

// Seeded random drawings of networks the reduction recognises, laid out on a grid the way the
// editor leaves them, each with the netlist of branches it stands for: columns of stacked parts
// in series, every kind of series link, bridging parts and parts left unconnected.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "model/CircuitModel.h"
#include "tests/Ngspice.h"
#include "tests/engine/DrawingBuilder.h"

namespace oracle {

inline constexpr double kTwoPi = kEngineTwoPi;  // the engine's omega = kTwoPi * f
inline constexpr double kRow = 975;             // one vertical line from terminal to terminal
inline constexpr double kPartWidth = 1110;
inline constexpr double kHLineWidth = 615;
// The first column's right terminals stand at x kChainRight; every column has a part in row 0
// at y kRowZero. The first column's lowest part must keep the largest X·Y product against a part
// one column further left (at least 990 less X) but up to 120 lower, which holds while
// X < 8.25·Y.
inline constexpr double kChainRight = 30000;
inline constexpr double kRowZero = 10000;
// Elements stand off their grid points by up to this much on each axis, so joined points are at
// most 120 apart and unjoined ones at least 495 (615 - 120).
inline constexpr int kJitter = 60;

enum class Link { Adjacent, HLineDirect, HLineViaVertical };

enum Shape {
    kChainOfThreeOrMore,
    kStackOfTwo,
    kStackOfThree,
    kLinkAdjacent,
    kLinkHLineDirect,
    kLinkHLineViaVertical,
    kBypassDirect,
    kBypassOneLine,
    kBypassTwoLines,
    kResistor,
    kCoil,
    kCapacitor,
    kImpedancePart,
    kUnconnectedPart,
    kShapeCount
};

inline const char* const kShapeNames[kShapeCount] = {"chain of three or more columns",
                                                     "stack of two",
                                                     "stack of three",
                                                     "series by adjacency",
                                                     "series by a horizontal line",
                                                     "series by a horizontal and a vertical line",
                                                     "bypass at the open line's top",
                                                     "bypass after one line",
                                                     "bypass after two lines",
                                                     "resistor",
                                                     "coil",
                                                     "capacitor",
                                                     "impedance part",
                                                     "unconnected part"};

struct Column {
    int top = 0, bottom = 0;     // rows, counted downward from row 0
    Link link = Link::Adjacent;  // how this column joins the one to its right
};

struct Plan {
    std::vector<Column> columns;
    bool bypass = false;
    int bypassLines = 0;
    int distractors = 0;
};

// A netlisted part between two nodes: node 0 is where the current enters (the first column's
// right terminals), node k the left side of column k; the last node is ground.
struct Branch {
    int slot;
    int from, to;
};

struct Network {
    CircuitModel model;
    double frequency = 0;
    int groundNode = 0;
    std::vector<Branch> branches;
    std::vector<int> unconnected;
    int bypassSlot = 0;  // the part bridging the first two columns, 0 when there is none
};

class DrawingGenerator {
public:
    explicit DrawingGenerator(std::uint64_t seed) : mRng(seed) {}

    Network next(std::array<int, kShapeCount>& shapes) {
        const Plan plan = makePlan();
        Network net;
        net.model = drawing::emptyModel();
        net.frequency = std::pow(10.0, uniform(0, 6));
        net.model.frequency = net.frequency;
        net.groundNode = static_cast<int>(plan.columns.size());
        resetPools();

        double rightX = kChainRight;
        for (std::size_t c = 0; c < plan.columns.size(); ++c) {
            const Column& column = plan.columns[c];
            const double leftX = rightX - kPartWidth;
            for (int row = column.top; row <= column.bottom; ++row) {
                const int slot = placePart(net, leftX, rowY(row), shapes);
                net.branches.push_back({slot, static_cast<int>(c), static_cast<int>(c) + 1});
            }
            for (int row = column.top; row < column.bottom; ++row) {
                placeVLine(net.model, rightX, rowY(row));
                placeVLine(net.model, leftX, rowY(row));
            }
            if (column.bottom > column.top) ++shapes[kStackOfTwo + column.bottom - column.top - 1];

            if (c + 1 == plan.columns.size()) break;
            const Link link = plan.columns[c + 1].link;
            ++shapes[kLinkAdjacent + static_cast<int>(link)];
            if (link == Link::Adjacent) {
                rightX = leftX;
                continue;
            }
            rightX = leftX - kHLineWidth;
            placeHLine(net.model, rightX, kRowZero);
            // The vertical line crosses row 0 with both ends at least 300 from any terminal, so
            // it joins the horizontal line to the next column without closing a pair anywhere.
            if (link == Link::HLineViaVertical)
                placeVLine(net.model, rightX, kRowZero - uniform(420, 555));
        }
        if (plan.columns.size() >= 3) ++shapes[kChainOfThreeOrMore];

        if (plan.bypass) placeBypass(net, plan, shapes);
        for (int d = 0; d < plan.distractors; ++d) {
            net.unconnected.push_back(
                placePart(net, uniform(500, 4000), uniform(500, 4000), shapes));
            ++shapes[kUnconnectedPart];
        }
        return net;
    }

private:
    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(mRng);
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(mRng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(mRng); }
    double jitter() { return pick(-kJitter, kJitter); }
    static double rowY(int row) { return kRowZero + kRow * row; }

    // Columns of one to three parts, each holding row 0, linked right to left. The first column
    // reaches lowest, so its bottom part is the start part; with a bypass it also reaches
    // highest, so the bypass part hangs above everything, and the second column, when it
    // touches the first directly, tops out with it: a taller first column would leave a left
    // line ending at the second column's top part, a second open line that replaces the first.
    Plan makePlan() {
        for (;;) {
            Plan plan;
            const int count = pick(1, 7);
            plan.bypass = count >= 2 && chance(0.35);
            plan.bypassLines = pick(0, 2);
            plan.distractors = chance(0.2) ? pick(1, 2) : 0;
            for (int c = 0; c < count; ++c) {
                Column column;
                if (c > 0) column.link = static_cast<Link>(pick(0, 2));
                const int size = column.link == Link::HLineDirect ? 1 : pick(1, 3);
                column.top = -pick(0, size - 1);
                column.bottom = column.top + size - 1;
                plan.columns.push_back(column);
            }
            if (fits(plan)) return plan;
        }
    }

    static bool fits(const Plan& plan) {
        const Column& first = plan.columns.front();
        int parts = plan.distractors + (plan.bypass ? 1 : 0);
        int vLines = plan.bypass ? 1 : 0;
        int hLines = plan.bypass ? plan.bypassLines : 0;
        for (std::size_t c = 0; c < plan.columns.size(); ++c) {
            const Column& column = plan.columns[c];
            if (c > 0 && column.bottom > first.bottom) return false;
            if (plan.bypass && column.top < first.top) return false;
            if (plan.bypass && c == 1 && column.link == Link::Adjacent && column.top != first.top)
                return false;
            parts += column.bottom - column.top + 1;
            vLines += 2 * (column.bottom - column.top);
            if (column.link != Link::Adjacent && c > 0) ++hLines;
            if (column.link == Link::HLineViaVertical && c > 0) ++vLines;
        }
        return parts <= kSlotCount && vLines <= kLinesPerKind && hLines <= kLinesPerKind;
    }

    void resetPools() {
        for (int kind = 0; kind < 4; ++kind) {
            mFreeSlots[kind].clear();
            for (int k = 1; k <= kSlotsPerKind; ++k)
                mFreeSlots[kind].push_back(slotOf(static_cast<PartKind>(kind + 1), k));
            std::shuffle(mFreeSlots[kind].begin(), mFreeSlots[kind].end(), mRng);
        }
        for (auto* pool : {&mFreeVLines, &mFreeHLines}) {
            pool->clear();
            for (int n = 1; n <= kLinesPerKind; ++n) pool->push_back(n);
            std::shuffle(pool->begin(), pool->end(), mRng);
        }
    }

    static int take(std::vector<int>& pool) {
        const int n = pool.back();
        pool.pop_back();
        return n;
    }

    // A part of a random kind with a value whose impedance at the working frequency lies
    // between 1 and 10 kilo-ohms.
    int placePart(Network& net, double leftX, double leftY, std::array<int, kShapeCount>& shapes) {
        int kind;
        do kind = pick(0, 3);
        while (mFreeSlots[kind].empty());
        const int slot = take(mFreeSlots[kind]);
        const double omega = kTwoPi * net.frequency;
        const double magnitude = std::pow(10.0, uniform(0, 4));
        CircuitModel& model = net.model;
        switch (kindOfSlot(slot)) {
            case PartKind::Resistor: model.slotValue[slot] = magnitude; break;
            case PartKind::Coil: model.slotValue[slot] = magnitude / omega; break;
            case PartKind::Capacitor: model.slotValue[slot] = 1 / (magnitude * omega); break;
            case PartKind::Impedance:
                model.impPartRe[indexInKind(slot)] = magnitude;
                model.impPartIm[indexInKind(slot)] =
                    (chance(0.5) ? 1 : -1) * std::pow(10.0, uniform(0, 4));
                break;
        }
        ++shapes[kResistor + kind];
        drawing::placePartAt(model, slot, leftX + jitter(), leftY + jitter());
        return slot;
    }

    void placeVLine(CircuitModel& model, double x, double y) {
        drawing::placeVLine(model, take(mFreeVLines), x + jitter(), y + jitter());
    }
    void placeHLine(CircuitModel& model, double x, double y) {
        drawing::placeHLine(model, take(mFreeHLines), x + jitter(), y + jitter());
    }

    // The open line rises from the first column's top part; the bypass part bridges the first
    // two columns, its right terminal at the line's top or up to two horizontal lines left of
    // it. Its left terminal is left unwired: the reduction never looks at it.
    void placeBypass(Network& net, const Plan& plan, std::array<int, kShapeCount>& shapes) {
        const double topY = rowY(plan.columns.front().top - 1);
        placeVLine(net.model, kChainRight, topY);
        double routeEnd = kChainRight;
        for (int line = 0; line < plan.bypassLines; ++line) {
            routeEnd -= kHLineWidth;
            placeHLine(net.model, routeEnd, topY);
        }
        const int slot = placePart(net, routeEnd - kPartWidth, topY, shapes);
        net.branches.push_back({slot, 0, 2});
        net.bypassSlot = slot;
        ++shapes[kBypassDirect + plan.bypassLines];
    }

    std::mt19937_64 mRng;
    std::array<std::vector<int>, 4> mFreeSlots;
    std::vector<int> mFreeVLines, mFreeHLines;
};

}  // namespace oracle
