#include <QApplication>

#include "app/CommandLine.h"
#include "app/DrawingDocument.h"
#include "app/Form1.h"
#include "app/StartUp.h"

int main(int argc, char** argv) {
    // Read before Qt starts, so that --help, --version and a wrong option need no display.
    const CommandLine command = CommandLine::parse(argc, argv);
    if (command.action != CommandLine::Action::Run) return answerWithoutWindow(command);
    QApplication app(argc, argv);
    prepareApplication(app);
    Form1 form;
    form.show();
    // A drawing named on the command line, as the file manager passes it; the launcher has made
    // a relative name absolute before it changed into the bitmaps' folder.
    if (!command.filePath.empty())
        form.document().openPath(QString::fromStdString(command.filePath));
    return app.exec();
}
