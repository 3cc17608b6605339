#include "measurement/DelimitedReader.h"

#include <gtest/gtest.h>

#include <string>

#include "measurement/MeasurementError.h"

namespace {

using V = ValueMeaning;

TEST(DelimitedReaderTest, GuessesColumnsFromHeadersAndNumbers) {
    const struct {
        const char* name;
        const char* text;
        std::size_t frequency, first, second;
        V meaning;
        double hertzPerUnit;
    } cases[] = {
        {"EIS software", "freq/Hz, Re(Z)/Ohm, -Im(Z)/Ohm\n1,10,5\n2,9,4\n", 0, 1, 2, V::ReMinusIm,
         1},
        {"Gamry",
         "Pt\tTime\tFreq\tZreal\tZimag\tZsig\tZmod\tZphz\n"
         "0\t1\t100\t5\t-3\t1\t5.8\t-31\n1\t2\t50\t6\t-4\t1\t7.2\t-33\n",
         2, 3, 4, V::ReIm, 1},
        {"ZView", "Freq(Hz); Z'(a); Z''(b)\n1;2;-3\n2;2;-2\n", 0, 1, 2, V::ReIm, 1},
        {"minus Z''", "f -Z'' Z'\n1 3 2\n2 2 2\n", 0, 2, 1, V::ReMinusIm, 1},
        {"magnitude and phase", "Frequency (kHz),|Z| (Ohm),Phase (deg)\n1,5,-10\n2,6,-20\n", 0, 1,
         2, V::MagnitudePhaseDegrees, 1e3},
        {"Zmod theta, millihertz", "theta;Zmod;freq [mHz]\n-10;5;100\n-20;6;200\n", 2, 1, 0,
         V::MagnitudePhaseDegrees, 1e-3},
        {"loudspeaker, no header", "20 6.1 12.5\n40 7.9 30.2\n80 25.3 -5.1\n", 0, 1, 2,
         V::MagnitudePhaseDegrees, 1},
        {"no header, negative Re", "20 -6.1 12.5\n40 7.9 30.2\n", 0, 1, 2, V::ReIm, 1},
        {"no header, large second", "20 6.1 -120\n40 7.9 30.2\n", 0, 1, 2, V::ReIm, 1},
        {"frequency falls, not first", "3 100 -400\n5 50 -300\n1 25 -200\n", 1, 0, 2, V::ReIm, 1},
        {"unknown header", "a,b,c\n1,5,-100\n2,6,-200\n", 0, 1, 2, V::ReIm, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DelimitedPreview preview = previewDelimited("g.csv", c.text);
        const ColumnChoice& choice = preview.guess.choice;
        EXPECT_EQ(choice.frequencyColumn, c.frequency);
        EXPECT_EQ(choice.firstColumn, c.first);
        EXPECT_EQ(choice.secondColumn, c.second);
        EXPECT_EQ(choice.meaning, c.meaning);
        EXPECT_EQ(choice.hertzPerUnit, c.hertzPerUnit);
        EXPECT_FALSE(preview.guess.reason.empty());
    }
}

TEST(DelimitedReaderTest, PreviewShowsTheCellsAsWritten) {
    const DelimitedPreview preview = previewDelimited(
        "p.txt", "% made by hand\n\"f\";\"re\";\"im\"\n1,5;2;-3\n2;2,5e1;x\n3;1;1\n", 2);
    EXPECT_EQ(preview.firstRows.separator, ';');
    EXPECT_TRUE(preview.firstRows.decimalComma);
    EXPECT_EQ(preview.firstRows.header, (std::vector<std::string>{"f", "re", "im"}));
    EXPECT_EQ(preview.rowCount, 3u);
    ASSERT_EQ(preview.firstRows.rows.size(), 2u);
    EXPECT_EQ(preview.firstRows.rows[1].line, 4);
    EXPECT_EQ(preview.firstRows.rows[1].cells, (std::vector<std::string>{"2", "2,5e1", "x"}));
}

TEST(DelimitedReaderTest, ReadsTheChosenMeaning) {
    const struct {
        const char* name;
        const char* text;
        ColumnChoice choice;
        double frequency, re, im;  // of the first point
    } cases[] = {
        {"comma", "f,re,im\n10,3,-4\n", {0, 1, 2, V::ReIm, 1}, 10, 3, -4},
        {"decimal comma", "f;re;im\n1,5;0,25;-1,5e-1\n", {0, 1, 2, V::ReIm, 1}, 1.5, 0.25, -0.15},
        {"tab decimal comma", "1,5\t0,25\t2\n", {0, 1, 2, V::ReIm, 1}, 1.5, 0.25, 2},
        {"minus Im", "f re -im\n10 3 4\n", {0, 1, 2, V::ReMinusIm, 1}, 10, 3, -4},
        {"magnitude, phase", "10 2 -90\n", {0, 1, 2, V::MagnitudePhaseDegrees, 1}, 10, 0, -2},
        {"kHz, columns swapped", "a b c d\n-4 3 5 x\n", {2, 1, 0, V::ReIm, 1e3}, 5e3, 3, -4},
        {"byte order mark, CR LF",
         "\xEF\xBB\xBF"
         "f,re,im\r\n10,3,-4\r\n",
         {0, 1, 2, V::ReIm, 1},
         10,
         3,
         -4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Measurement m = readDelimited("r.csv", c.text, c.choice);
        ASSERT_EQ(m.points.size(), 1u);
        EXPECT_DOUBLE_EQ(m.points[0].frequency, c.frequency);
        EXPECT_NEAR(m.points[0].z.re, c.re, 1e-12);
        EXPECT_NEAR(m.points[0].z.im, c.im, 1e-12);
    }
}

TEST(DelimitedReaderTest, RefusesWithLineAndReason) {
    const ColumnChoice plain;
    const ColumnChoice magnitude{0, 1, 2, V::MagnitudePhaseDegrees, 1};
    const struct {
        const char* name;
        const char* text;
        ColumnChoice choice;
        int line;
        const char* reason;
    } cases[] = {
        {"empty", "", plain, 0, "データの行がありません"},
        {"comments only", "# a\n\n% b\n", plain, 0, "データの行がありません"},
        {"header only", "f,re,im\n", plain, 0, "データの行"},
        {"two columns", "1,2\n2,3\n", plain, 1, "3 列以上"},
        {"column count", "f,re,im\n1,2,3\n2,3\n", plain, 3, "列の数が 2"},
        {"not a number", "f,re,im\n1,2,3\n2,x,3\n", plain, 3, "数値ではありません"},
        {"not finite", "1 2 3\n2 nan 3\n", plain, 2, "有限"},
        {"comma and period", "f;re;im\n1,5;2.5;3\n", plain, 2, "数値ではありません"},
        {"zero frequency", "0 1 1\n", plain, 1, "0 Hz"},
        {"duplicate", "1 1 1\n2 1 1\n1 2 2\n", plain, 3, "1 行目にも"},
        {"negative magnitude", "1 -1 0\n", magnitude, 1, "|Z|"},
        {"missing column", "1 1 1\n", {0, 1, 3, V::ReIm, 1}, 0, "4 列目"},
        {"same column twice", "1 1 1\n", {0, 1, 1, V::ReIm, 1}, 0, "別々の列"},
        {"bad unit", "1 1 1\n", {0, 1, 2, V::ReIm, 0}, 0, "単位"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            readDelimited("bad.csv", c.text, c.choice);
            ADD_FAILURE() << "read";
        } catch (const MeasurementError& e) {
            EXPECT_EQ(e.line(), c.line) << e.what();
            EXPECT_NE(e.reason().find(c.reason), std::string::npos) << e.what();
        }
    }
}

TEST(DelimitedReaderTest, SortsRowsAndSaysSo) {
    const Measurement m = readDelimited("s.csv", "3 3 0\n1 1 0\n2 2 0\n", ColumnChoice{});
    EXPECT_TRUE(m.resorted);
    EXPECT_FALSE(m.note.empty());
    EXPECT_EQ(m.name, "s.csv");
    for (std::size_t i = 0; i < m.points.size(); ++i) EXPECT_EQ(m.points[i].z.re, i + 1.0);
}

}  // namespace
