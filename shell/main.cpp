#include <QApplication>

#include "application.h"
#include "frmSplash.h"
#include "pictures.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    torvel::initApplication(app);
    QApplication::setWindowIcon(torvel::applicationIcon());
    frmSplash splash;
    // "torvel a.torvel b.torvel", as the desktop's "Open with" starts it.
    splash.openAtStart(QApplication::arguments().mid(1));
    splash.show();
    return app.exec();
}
