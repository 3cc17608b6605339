// The program's start, from the command line to the first paint of the main window, and then
// its end: the program's own run (runSelvoria), timed and measured from outside by
// bench/startup_compare.sh beside bench/BareWindowProbe.cpp.

#include <QApplication>

#include "FirstPaint.h"
#include "app/Form1.h"
#include "app/StartUp.h"

int main(int argc, char** argv) {
    // The window owns the watcher.
    return runSelvoria(argc, argv, [](Form1& form) { new FirstPaint(form); });
}
