// What a drawing file holds beside its parts and lines, field by field, and text from files
// shown as plain text.

#include <QAction>
#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include <cmath>

#include "WindowTest.h"
#include "app/DrawingFile.h"

namespace {

class PlainTextTest : public WindowTest {};

// Each field beside the parts and lines, given a value of its own, comes back from the file as
// it went in; contents the model could not take are named by the check.
TEST(DrawingFileFieldsTest, EachFieldRoundTripsAndBrokenContentsAreNamed) {
    CircuitModel model;
    loadInitialState(model);
    const DrawingFileContents plain = captureFileContents(model);
    struct Row {
        const char* field;
        void (*change)(DrawingFileContents&);
    };
    const Row rows[] = {
        {"frequency", [](DrawingFileContents& c) { c.drawing.frequency = 1234.5; }},
        {"frequencyCaption", [](DrawingFileContents& c) { c.drawing.frequencyCaption = "1.2345"; }},
        {"frequencyUnitCaption",
         [](DrawingFileContents& c) { c.drawing.frequencyUnitCaption = "ＫＨｚ"; }},
        {"frequencyCommandShown",
         [](DrawingFileContents& c) { c.drawing.frequencyCommandShown = false; }},
        {"lastPartName", [](DrawingFileContents& c) { c.drawing.lastPartName = "Picture7"; }},
        {"lastLineName", [](DrawingFileContents& c) { c.drawing.lastLineName = "Image12"; }},
        {"lastDragKind", [](DrawingFileContents& c) { c.drawing.lastDragKind = kLineDraggedLast; }},
        {"resultUnit", [](DrawingFileContents& c) { c.resultUnitFactor = 0.001; }},
        {"typed.resistance", [](DrawingFileContents& c) { c.resistanceInput = 47; }},
        {"typed.inductance", [](DrawingFileContents& c) { c.inductanceInput = 0.5; }},
        {"typed.capacitance", [](DrawingFileContents& c) { c.capacitanceInput = 2.2; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        DrawingFileContents changed = plain;
        row.change(changed);
        ASSERT_NE(changed, plain);
        const DrawingFileRead read = decodeDrawingFile(encodeDrawingFile(changed));
        ASSERT_TRUE(read.contents.has_value()) << read.problem.toStdString();
        EXPECT_EQ(*read.contents, changed);
    }
    const struct {
        const char* name;
        void (*change)(DrawingFileContents&);
        const char* problem;
    } broken[] = {
        {"a frequency that is no number",
         [](DrawingFileContents& c) { c.drawing.frequency = std::nan(""); }, "数ではありません"},
        {"a typed value that is no number",
         [](DrawingFileContents& c) { c.capacitanceInput = INFINITY; }, "数ではありません"},
        {"a drag kind of 2", [](DrawingFileContents& c) { c.drawing.lastDragKind = 2; },
         "0 でも 1 でも"},
        {"a start part past the last slot",
         [](DrawingFileContents& c) { c.drawing.startPart = 21; }, "範囲外"},
    };
    EXPECT_FALSE(problemWith(plain).has_value());
    for (const auto& row : broken) {
        SCOPED_TRACE(row.name);
        DrawingFileContents contents = plain;
        row.change(contents);
        const std::optional<std::string> problem = problemWith(contents);
        ASSERT_TRUE(problem.has_value());
        EXPECT_NE(problem->find(row.problem), std::string::npos) << *problem;
    }
}

// Whatever a label shows (captions, file names, texts built from them) is plain text: no label
// of the program's windows takes a text that looks like markup for markup.
TEST_F(PlainTextTest, LabelsShowTheirTextAsPlainText) {
    user.enterValue("Command1", QStringLiteral("100"));
    form.findChild<QAction*>("actionReductionSteps")->trigger();
    form.findChild<QAction*>("actionFrequencyResponse")->trigger();
    QWidgetList windows{&form};
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != &form) windows << top;
    ASSERT_GE(windows.size(), 3);
    int labels = 0;
    for (QWidget* window : windows) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->pixmap().isNull() && !label->text().isEmpty()) {
                EXPECT_EQ(label->textFormat(), Qt::PlainText)
                    << label->objectName().toStdString() << ": " << label->text().toStdString();
                ++labels;
            }
        }
    }
    EXPECT_GT(labels, 20);
}

}  // namespace
