#include "app/CommandLine.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

struct Row {
    std::vector<std::string> args;  // after the program's name
    Action action;
    std::string filePath;
    // Pieces the error message must contain; the argument it names among them.
    std::vector<std::string> messageParts;
};

std::string joined(const std::vector<std::string>& args) {
    std::string text = "selvoria";
    for (const std::string& arg : args) text += " [" + arg + "]";
    return text;
}

CommandLine parsed(const std::vector<std::string>& args) {
    std::vector<const char*> argv = {"selvoria"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    return CommandLine::parse(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLineTest, ReadsOptionsQtOptionsAndOneFile) {
    const Row rows[] = {
        {{}, Action::Run, "", {}},
        {{"drawing.selvoria"}, Action::Run, "drawing.selvoria", {}},
        {{"../回路/フィルタ.selvoria"}, Action::Run, "../回路/フィルタ.selvoria", {}},
        {{"--version"}, Action::Version, "", {}},
        {{"--help"}, Action::Help, "", {}},
        {{"-h"}, Action::Help, "", {}},
        {{"a.selvoria", "--version"}, Action::Version, "", {}},
        // The first of help, version and a wrong argument decides.
        {{"--help", "--frobnicate"}, Action::Help, "", {}},
        {{"--frobnicate", "--help"}, Action::Error, "", {"--frobnicate"}},
        // Qt's options keep their values, which are no file, with one dash or two.
        {{"-platform", "offscreen"}, Action::Run, "", {}},
        {{"--platform", "xcb", "a.selvoria"}, Action::Run, "a.selvoria", {}},
        {{"-style", "fusion", "-display", ":1", "a.selvoria"}, Action::Run, "a.selvoria", {}},
        {{"a.selvoria", "-qwindowgeometry", "800x600+0+0"}, Action::Run, "a.selvoria", {}},
        {{"-style=fusion", "-reverse", "a.selvoria"}, Action::Run, "a.selvoria", {}},
        {{"-stylesheet", "look.qss", "-name", "s", "-session", "id"}, Action::Run, "", {}},
        // A value is taken whatever it looks like, as Qt takes it.
        {{"-style", "--version"}, Action::Run, "", {}},
        // After "--" everything is a file.
        {{"--", "-odd.selvoria"}, Action::Run, "-odd.selvoria", {}},
        {{"--", "--help"}, Action::Run, "--help", {}},
        {{"-"}, Action::Run, "-", {}},
        // Refusals name what is wrong.
        {{"--frobnicate"}, Action::Error, "", {"不明なオプション", "--frobnicate"}},
        {{"-x", "a.selvoria"}, Action::Error, "", {"不明なオプション", "-x"}},
        {{"-platform=offscreen"}, Action::Error, "", {"-platform=offscreen"}},
        {{"--versions"}, Action::Error, "", {"--versions"}},
        {{"a.selvoria", "-style"}, Action::Error, "", {"値が必要", "-style"}},
        {{"a.selvoria", "b.selvoria"}, Action::Error, "", {"一つだけ", "a.selvoria", "b.selvoria"}},
        {{"--", "a.selvoria", "-b"}, Action::Error, "", {"一つだけ", "-b"}},
        {{""}, Action::Error, "", {"空"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(joined(row.args));
        const CommandLine line = parsed(row.args);
        EXPECT_EQ(line.action, row.action);
        EXPECT_EQ(line.filePath, row.filePath);
        EXPECT_EQ(line.message.empty(), row.action != Action::Error) << line.message;
        for (const std::string& part : row.messageParts)
            EXPECT_NE(line.message.find(part), std::string::npos) << line.message;
    }
}

}  // namespace
