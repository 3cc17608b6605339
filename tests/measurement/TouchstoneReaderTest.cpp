#include "measurement/TouchstoneReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "measurement/MeasurementError.h"

namespace {

// Every row below describes Z = 30 − j40 Ω at 2 of the option line's units, with R = 50 Ω where
// the values depend on it: S = −j0.5, z = Z/R = 0.6 − j0.8, y = Y·R = 0.6 + j0.8, Y = 0.012 +
// j0.016.
TEST(TouchstoneReaderTest, ReadsEveryParameterFormatAndUnit) {
    const struct {
        const char* head;  // what stands before the data line
        const char* data;
        double hertz;
    } cases[] = {
        {"# Hz S RI R 50", "2 0 -0.5", 2},
        {"# kHz S MA R 50", "2 0.5 -90", 2e3},
        {"# MHz S DB R 50", "2 -6.0205999132796239 -90", 2e6},
        {"# GHz S RI R 50", "2 0 -0.5", 2e9},
        {"# ghz s ri r 50", "2 0 -0.5", 2e9},
        {"# R 50 RI S HZ", "2 0 -0.5", 2},
        {"#", "2 0.5 -90", 2e9},
        {"# Hz S RI", "2 0 -0.5", 2},
        // Version 1 gives Z and Y divided by R; R 25 here tells the trap from a lucky 50.
        {"# Hz Z RI R 25", "2 1.2 -1.6", 2},
        {"# Hz Z MA R 50", "2 1 -53.130102354155978", 2},
        {"# Hz Z DB R 50", "2 0 -53.130102354155978", 2},
        {"# Hz Y RI R 25", "2 0.3 0.4", 2},
        {"# Hz Y MA R 50", "2 1 53.130102354155978", 2},
        // Version 2 gives them in ohms and siemens, whatever R says.
        {"[Version] 2.0\n# Hz Z RI R 25\n[Number of Ports] 1\n[Number of Frequencies] 1\n"
         "[Network Data]",
         "2 30 -40\n[End]", 2},
        {"[Version] 2.0\n# Hz Y RI R 25\n[Number of Ports] 1\n[Number of Frequencies] 1\n"
         "[Network Data]",
         "2 0.012 0.016\n[End]", 2},
        {"[Version] 2.0\n# Hz S RI R 10\n[Number of Ports] 1\n[Number of Frequencies] 1\n"
         "[Reference]\n50\n[Matrix Format] Full\n[Begin Information]\n[Foo] x\n[End Information]\n"
         "[Network Data]",
         "2 0 -0.5 ! the reference is 50\n[End]\nnot read", 2},
        {"! comment\n# Hz S RI R 50 ! trailing\r", "  2\t0   -0.5  \r", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.head);
        const Measurement m = readTouchstone("t.s1p", std::string(c.head) + "\n" + c.data + "\n");
        ASSERT_EQ(m.points.size(), 1u);
        EXPECT_DOUBLE_EQ(m.points[0].frequency, c.hertz);
        EXPECT_NEAR(m.points[0].z.re, 30, 1e-9);
        EXPECT_NEAR(m.points[0].z.im, -40, 1e-9);
    }
}

TEST(TouchstoneReaderTest, RefusesWithLineAndReason) {
    const std::string v2 = "[Version] 2.0\n# Hz S RI\n[Number of Ports] 1\n";
    const struct {
        const char* name;
        std::string text;
        int line;
        const char* reason;
    } cases[] = {
        {"empty", "", 0, "データの行がありません"},
        {"only comments", "! a\n# Hz S RI\n", 0, "データの行がありません"},
        {"no option line", "1 0 0\n", 1, "オプション行"},
        {"second option line", "# Hz S RI\n# Hz Z RI\n1 0 0\n", 2, "オプション行が 2 つ"},
        {"unknown option", "# Hz S XY\n", 1, "XY"},
        {"two-port parameter", "# Hz H RI\n", 1, "2 ポート"},
        {"no reference value", "# Hz S RI R\n", 1, "基準抵抗"},
        {"zero reference", "# Hz S RI R 0\n", 1, "基準抵抗"},
        {"not a number", "# Hz S RI\n1 0 0\n2 x 0\n", 3, "数値ではありません"},
        {"infinite", "# Hz S RI\n1 inf 0\n", 2, "有限"},
        {"nan", "# Hz S RI\n1 0 nan\n", 2, "有限"},
        {"overflow", "# Hz S RI\n1 1e999 0\n", 2, "有限"},
        {"two values", "# Hz S RI\n1 0\n", 2, "3 つ"},
        {"two-port line", "# Hz S RI\n1 0 0 0 0 0 0 0 0\n", 2, "2 ポート以上"},
        {"S = 1", "# Hz S RI\n1 0 0\n2 1 0\n", 3, "S11 = 1"},
        {"S = 1 in MA", "# Hz S MA\n1 1 0\n", 2, "S11 = 1"},
        {"Y = 0", "# Hz Y RI\n1 0 0\n", 2, "Y = 0"},
        {"zero frequency", "# Hz S RI\n0 0 0\n", 2, "0 Hz より大きく"},
        {"negative frequency", "# Hz S RI\n-1 0 0\n", 2, "0 Hz より大きく"},
        {"duplicate", "# Hz S RI\n1 0 0\n2 0 0\n1 0.5 0\n", 4, "2 行目にも"},
        {"keyword in version 1", "# Hz S RI\n[Number of Ports] 1\n", 2, "[Version] 2.0"},
        {"version 2.1", "[Version] 2.1\n", 1, "2.0"},
        {"version not first", "# Hz S RI\n[Version] 2.0\n", 2, "最初の行"},
        {"two ports", "[Version] 2.0\n# Hz S RI\n[Number of Ports] 2\n", 3, "2 ポート"},
        {"ports not a number", "[Version] 2.0\n[Number of Ports] one\n", 2, "整数"},
        {"two-port order", v2 + "[Two-Port Data Order] 12_21\n", 4, "2 ポート"},
        {"noise", v2 + "[Number of Noise Frequencies] 2\n", 4, "2 ポート"},
        {"mixed mode", v2 + "[Mixed-Mode Order] D2,1\n", 4, "ミックスドモード"},
        {"unknown keyword", v2 + "[Colour] red\n", 4, "知らないキーワード"},
        {"matrix format", v2 + "[Matrix Format] Diagonal\n", 4, "Full"},
        {"two references", v2 + "[Reference] 50 75\n", 4, "1 つ"},
        {"reference missing", v2 + "[Reference]\n[Network Data]\n", 4, "[Reference] の値"},
        {"data before network data", v2 + "[Number of Frequencies] 1\n1 0 0\n", 5, "前にデータ"},
        {"no frequency count", v2 + "[Network Data]\n", 4, "[Number of Frequencies]"},
        {"count mismatch", v2 + "[Number of Frequencies] 2\n[Network Data]\n1 0 0\n[End]\n", 4,
         "2 ですが、データは 1 行"},
        {"no end", v2 + "[Number of Frequencies] 1\n[Network Data]\n1 0 0\n", 0, "[End]"},
        {"keyword inside data",
         v2 + "[Number of Frequencies] 1\n[Network Data]\n1 0 0\n[Reference] 50\n[End]\n", 7,
         "[End] だけ"},
        {"open information", v2 + "[Begin Information]\n", 4, "[End Information]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            readTouchstone("bad.s1p", c.text);
            ADD_FAILURE() << "read";
        } catch (const MeasurementError& e) {
            EXPECT_EQ(e.file(), "bad.s1p");
            EXPECT_EQ(e.line(), c.line) << e.what();
            EXPECT_NE(e.reason().find(c.reason), std::string::npos) << e.what();
        }
    }
}

TEST(TouchstoneReaderTest, SortsRowsAndSaysSo) {
    const Measurement sorted = readTouchstone("a.s1p", "# Hz Z RI R 1\n1 1 0\n2 2 0\n");
    EXPECT_FALSE(sorted.resorted);
    EXPECT_TRUE(sorted.note.empty());

    const Measurement m = readTouchstone("a.s1p", "# Hz Z RI R 1\n3 3 0\n1 1 0\n2 2 0\n");
    EXPECT_TRUE(m.resorted);
    EXPECT_FALSE(m.note.empty());
    ASSERT_EQ(m.points.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m.points[i].frequency, i + 1);
        EXPECT_EQ(m.points[i].z.re, i + 1);
    }
}

TEST(TouchstoneReaderTest, MessageNamesFileAndLine) {
    EXPECT_STREQ(MeasurementError("a.s1p", 3, "理由").what(), "a.s1p: 3 行目: 理由");
    EXPECT_STREQ(MeasurementError("a.s1p", 0, "理由").what(), "a.s1p: 理由");
}

}  // namespace
