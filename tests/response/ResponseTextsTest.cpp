// The frequency response window's number-only pieces: the range typed into its fields, and the
// runs of points its curves are drawn from between the gaps.

#include <gtest/gtest.h>

#include <cmath>

#include "response/PointRuns.h"
#include "response/ResponseTexts.h"

namespace {

TEST(ResponseTextsTest, RangeIsReadAsTheDialogsReadNumbersOrRefusedWithWhy) {
    struct Row {
        const char* start;
        const char* stop;
        double from, to;
        const char* problem;
    };
    const Row rows[] = {
        {"1", "1e7", 1, 1e7, ""},
        {"10", "1.5E3", 10, 1500, ""},
        {"abc", "100", 0, 0, "開始周波数を数で入力して下さい"},
        {"10", "", 0, 0, "終了周波数を数で入力して下さい"},
        {"0", "100", 0, 0, "開始周波数は 0 より大きくして下さい"},
        {"-5", "100", 0, 0, "開始周波数は 0 より大きくして下さい"},
        {"100", "100", 0, 0, "終了周波数は開始周波数より大きくして下さい"},
        {"100", "10", 0, 0, "終了周波数は開始周波数より大きくして下さい"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.start) + " .. " + row.stop);
        const RangeReading reading =
            readRange(QString::fromUtf8(row.start), QString::fromUtf8(row.stop));
        EXPECT_EQ(reading.problem, QString::fromUtf8(row.problem));
        EXPECT_EQ(reading.start, row.from);
        EXPECT_EQ(reading.stop, row.to);
    }
}

// Failed points and places that are not finite (log10 of |Z| = 0) both break a curve.
TEST(ResponseTextsTest, RunsBreakAtFailedPointsAndAtPlacesThatAreNotFinite) {
    std::vector<SweepPoint> points;
    for (const double re : {1.0, 2.0, std::nan(""), 3.0, 0.0, 4.0, 5.0, 6.0})
        points.push_back({re, !std::isnan(re), {re, 0}, 0});
    const auto runs = runsOf(points, [](const SweepPoint& p) -> std::optional<QPointF> {
        return QPointF(p.frequency, std::log10(p.z.re));
    });
    ASSERT_EQ(runs.size(), 3U);
    EXPECT_EQ(runs[0].size(), 2);
    EXPECT_EQ(runs[1].size(), 1);
    EXPECT_EQ(runs[2].size(), 3);
    Span span;
    span.take(runs, &QPointF::x);
    EXPECT_EQ(span.low, 1.0);
    EXPECT_EQ(span.high, 6.0);
}

}  // namespace
