// The steps window on drawings whose calculation and wiring agree, differ or cannot be compared.

#include <QLabel>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <array>

#include "ModalDialog.h"
#include "following/StepsWindow.h"
#include "tests/engine/DrawingBuilder.h"

namespace {

// A part by its left terminal, its value (the real part of an impedance part) and the captions
// its value labels show.
struct Part {
    int slot;
    double x, y;
    double value;
    const char* caption;
    double im = 0;
    const char* imCaption = "";
};
struct Point {
    double x, y;
};

struct StepsCase {
    const char* name;
    std::vector<Part> parts;
    std::vector<Point> vLines, hLines;
    double frequency, unitFactor;
    QStringList rows;  // 手順|内容|実部|虚部
    const char* failure;
    const char* notInResult;
    const char* wiredCheck;
    // Horizontal lines written straight into the model: left end (x, y), right end x.
    std::vector<std::array<double, 3>> rawHLines = {};
};

CircuitModel build(const StepsCase& row) {
    CircuitModel model = drawing::emptyModel();
    for (const Part& part : row.parts) {
        drawing::placeValuedPart(model, part.slot, part.x, part.y, part.value, part.im);
        model.valueCaption[part.slot] = {part.caption, part.imCaption};
    }
    for (std::size_t n = 0; n < row.vLines.size(); ++n)
        drawing::placeVLine(model, static_cast<int>(n) + 1, row.vLines[n].x, row.vLines[n].y);
    for (std::size_t n = 0; n < row.hLines.size(); ++n)
        drawing::placeHLine(model, static_cast<int>(n) + 1, row.hLines[n].x, row.hLines[n].y);
    for (std::size_t n = 0; n < row.rawHLines.size(); ++n) {
        const auto& [leftX, y, rightX] = row.rawHLines[n];
        drawing::setHLine(model, static_cast<int>(n) + 1, leftX, y, rightX);
    }
    model.frequency = row.frequency;
    model.resultUnitFactor = row.unitFactor;
    return model;
}

// A walk that comes back to the same resistor: each of its twenty columns takes it again and adds
// it to the chain, until the walk is given up.
QStringList resistorTakenAgainAndAgain() {
    QStringList rows{"素子|抵抗 100Ω|100|0", "直列|抵抗 100Ω|100|0"};
    QStringList before{"抵抗 100Ω"};
    for (int column = 2; column <= 20; ++column) {
        rows << QStringLiteral("素子|抵抗 100Ω|100|0")
             << QStringLiteral("直列|抵抗 100Ω ＋ これまでの合成（%1）|%2|0")
                    .arg(before.join(QStringLiteral("、")))
                    .arg(100 * column);
        before << QStringLiteral("抵抗 100Ω");
    }
    return rows;
}

// clang-format off
const StepsCase kCases[] = {
    {"two stacked resistors: the wiring agrees",
     {{1, 3600, 3600, 100, " 100Ω"}, {2, 3600, 2625, 100, " 100Ω"}},
     {{4710, 2625}, {3600, 2625}}, {}, 0, 1,
     {"素子|抵抗 100Ω|100|0", "素子|抵抗 100Ω|100|0", "並列|抵抗 100Ω ∥ 抵抗 100Ω|50|0",
      "直列|(抵抗 100Ω ∥ 抵抗 100Ω)|50|0"},
     "", "計算に入っていない素子：なし", "図の配線による検算：一致"},
    // The wiring puts the 300 Ω part beside the 200 Ω one: 100 + 200 ∥ 300 = 220 Ω.
    {"a part joined beside the chain through lines the calculation does not close, in ＫΩ",
     {{1, 4000, 5000, 100, " 100Ω"}, {2, 2890, 5000, 200, " 200Ω"},
      {3, 2890, 5975, 300, " 300Ω"}},
     {{4000, 5000}, {2275, 5000}}, {{2275, 5000}, {2275, 5975}}, 0, 1e-3,
     {"素子|抵抗 100Ω|0.1|0", "直列|抵抗 100Ω|0.1|0", "素子|抵抗 200Ω|0.2|0",
      "直列|抵抗 200Ω ＋ これまでの合成（抵抗 100Ω）|0.3|0"},
     "", "計算に入っていない素子：抵抗 300Ω",
     "図の配線による検算：Z = 0.22 ＋ｊ0（計算と異なります）"},
    {"two horizontal lines across the part's terminals",
     {{1, 4000, 5000, 100, " 100Ω"}}, {}, {{4000, 5000}, {4615, 5000}}, 0, 1,
     {"素子|抵抗 100Ω|100|0", "直列|抵抗 100Ω|100|0"},
     "", "計算に入っていない素子：なし", "図の配線による検算：端子間が短絡しています"},
    {"a capacitor at 0 Hz: the steps before the fault stay",
     {{1, 4000, 5000, 100, " 100Ω"}, {11, 2890, 5000, 1e-6, " 1μF"}}, {}, {}, 0, 1,
     {"素子|抵抗 100Ω|100|0", "直列|抵抗 100Ω|100|0"},
     "計算できません：０で除算されたエラー（0 Hz または容量 0 のコンデンサ、あるいは並列につながった 0 Ω の枝があります）。",
     "計算に入っていない素子：なし", "図の配線による検算：端子間がつながっていません"},
    {"reactances that cancel in parallel",
     {{16, 3600, 3600, 0, "0Ω", 100, "＋ｊ100Ω"}, {17, 3600, 2625, 0, "0Ω", -100, "－ｊ100Ω"}},
     {{4710, 2625}, {3600, 2625}}, {}, 50, 1,
     {"素子|インピーダンス 0Ω ＋ｊ100Ω|0|100", "素子|インピーダンス 0Ω －ｊ100Ω|0|-100"},
     "計算できません：０で除算されたエラー（0 Hz または容量 0 のコンデンサ、あるいは並列につながった 0 Ω の枝があります）。",
     "計算に入っていない素子：なし", "図の配線による検算：解けません（特異）"},
    // The line runs from the part's right terminal back to its left one: the walk finds the same
    // part again and again.
    {"a horizontal line drawn backwards: the walk does not end",
     {{1, 4000, 5000, 100, " 100Ω"}}, {}, {}, 0, 1,
     resistorTakenAgainAndAgain(),
     "計算できません：図をたどると同じ素子に戻り、計算が終わりません。",
     "計算に入っていない素子：なし", "図の配線による検算：計算の道筋が終わらず、端子が決まりません",
     {{5110, 5000, 4000}}},
    {"nothing placed",
     {}, {{4000, 5000}}, {}, 50, 1,
     {}, "Ｒ，Ｌ，Ｃの素子を配置して下さい", "計算に入っていない素子：なし",
     "図の配線による検算：素子がありません"},
};
// clang-format on

TEST(StepsWindowTest, ShowsTheReductionTheLeftOutPartsAndTheWiredCheck) {
    StepsWindow window(nullptr);
    window.show();
    for (const StepsCase& row : kCases) {
        SCOPED_TRACE(row.name);
        expectNoModalDialog();
        window.follow(build(row));
        window.flush();
        auto* table = window.findChild<QTableWidget*>("steps");
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c) cells << table->item(r, c)->text();
            rows << cells.join(u'|');
        }
        EXPECT_EQ(rows, row.rows);
        auto* failure = window.findChild<QLabel*>("calculationError");
        EXPECT_EQ(failure->text(), QString::fromUtf8(row.failure));
        EXPECT_EQ(failure->isVisible(), *row.failure != '\0');
        EXPECT_EQ(window.findChild<QLabel*>("notInResult")->text(),
                  QString::fromUtf8(row.notInResult));
        EXPECT_EQ(window.findChild<QLabel*>("wiredCheck")->text(),
                  QString::fromUtf8(row.wiredCheck));
    }
}

TEST(StepsWindowTest, HeadsTheValuesWithTheResultUnit) {
    StepsWindow window(nullptr);
    CircuitModel model = drawing::emptyModel();
    model.resultUnitFactor = 1e-6;
    window.follow(model);
    window.flush();
    auto* table = window.findChild<QTableWidget*>("steps");
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), QStringLiteral("実部 (ＭΩ)"));
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), QStringLiteral("虚部 (ＭΩ)"));
}

}  // namespace
