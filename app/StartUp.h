#pragma once

struct CommandLine;
class QApplication;

// Prints what "--help" and "--version" ask for, or the error of a refused command line, and
// returns the exit status: 0 when the answer was written, 1 when standard output could not take
// it, 2 for a refused command line. Needs no QApplication.
int answerWithoutWindow(const CommandLine& command);

// Sets up, once and before the first window, what the whole program shares: its name, version,
// organisation domain and desktop file name; the window icon from the built-in resources; and
// Qt's own Japanese texts (context menus, file dialogs, standard buttons), whatever the system's
// locale, since every other text of the program is Japanese too.
void prepareApplication(QApplication& app);
