#include <QApplication>

#include "application.h"
#include "frmSplash.h"
#include "pictures.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    torvel::initApplication(app);
    QApplication::setWindowIcon(torvel::applicationIcon());
    frmSplash splash;
    splash.show();
    return app.exec();
}
