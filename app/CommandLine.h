#pragma once

#include <string>

// What Selvoria's command line asks for. It is read before the QApplication exists, so that
// "--help" and "--version" answer at once and without a display. Qt's own options (-platform,
// -style, -display, ...) are recognised with their values and left in argv for Qt to take.
struct CommandLine {
    enum class Action { Run, Version, Help, Error };

    Action action = Action::Run;
    // The one drawing named on the command line, as given; empty when there is none.
    std::string filePath;
    // For Action::Error: one Japanese line that names the offending argument.
    std::string message;

    // argv[0] is the program's name and is skipped. Arguments are read in order: the first
    // "--help" or "--version" wins over what follows, the first wrong one is the error. After
    // "--" every argument is a file, even one that starts with '-'.
    static CommandLine parse(int argc, const char* const* argv);

    // "selvoria 1.2", with the version the build was made from.
    static std::string versionText();
    // The usage in Japanese, several lines, for "--help".
    static std::string usageText();
};
