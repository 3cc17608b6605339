#pragma once

#include <functional>

struct CommandLine;
class Form1;
class QApplication;

// Prints what "--help" and "--version" ask for, or the error of a refused command line, and
// returns the exit status: 0 when the answer was written, 1 when standard output could not take
// it, 2 for a refused command line. Needs no QApplication.
int answerWithoutWindow(const CommandLine& command);

// Sets up, once and before the first window, what the whole program shares: its name, version,
// organisation domain and desktop file name; the style, which defers an icon Qt would read for
// nothing (DeferredIconsStyle); the window icon from the built-in resources; and Qt's own
// Japanese texts (context menus, file dialogs, standard buttons), whatever the system's locale,
// since every other text of the program is Japanese too.
void prepareApplication(QApplication& app);

// The whole program, as main runs it: the command line read before Qt starts, then the window,
// the drawing named on the command line, and the event loop. `watch` sees the window before it
// is shown (the start-up probe times the first paint with it).
int runSelvoria(int argc, char** argv, const std::function<void(Form1&)>& watch = {});
