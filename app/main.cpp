#include <QApplication>

#include "MDIForm1.h"
#include "application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    torvel::initApplication(app);
    MDIForm1 main;
    main.show();
    return app.exec();
}
