#include <QApplication>

#include "app/Form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(assets);
    Form1 form;
    form.show();
    return app.exec();
}
