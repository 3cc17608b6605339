#include <QApplication>

#include "app/DrawingDocument.h"
#include "app/Form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(assets);
    Form1 form;
    form.show();
    // A drawing named on the command line, as the file manager passes it; a relative name is
    // read against the folder the program was started in.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) form.document().openPath(arguments.at(1));
    return app.exec();
}
