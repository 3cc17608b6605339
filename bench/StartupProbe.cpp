// The program's start, from the command line to the first paint of the main window, and then
// its end: the same steps as app/main.cpp, timed and measured from outside by
// bench/startup_compare.sh beside bench/BareWindowProbe.cpp.

#include <QApplication>

#include "FirstPaint.h"
#include "app/CommandLine.h"
#include "app/DrawingDocument.h"
#include "app/Form1.h"
#include "app/StartUp.h"

int main(int argc, char** argv) {
    const CommandLine command = CommandLine::parse(argc, argv);
    if (command.action != CommandLine::Action::Run) return answerWithoutWindow(command);
    QApplication app(argc, argv);
    prepareApplication(app);
    Form1 form;
    const FirstPaint painted(form);
    form.show();
    if (!command.filePath.empty())
        form.document().openPath(QString::fromStdString(command.filePath));
    return app.exec();
}
