// One side of the start-up pair of scripts/bench: a process that starts, paints
// its first window and ends at once. Built twice: as TORVEL starts (the
// application set up as main() does, the splash with the hidden main window
// behind it) and as a bare Qt window, so that what TORVEL adds is measured on
// the same display and machine, run after run.
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#ifndef TORVEL_STARTUP_BARE
#include "application.h"
#include "frmSplash.h"
#include "pictures.h"
#endif

namespace {

// Ends the process once `window` has been painted, before any tear-down.
class EndOnPaint : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
#ifdef TORVEL_STARTUP_BARE
    QWidget window;
    window.resize(480, 320);
#else
    torvel::initApplication(app);
    QApplication::setWindowIcon(torvel::applicationIcon());
    frmSplash window;
#endif
    EndOnPaint end;
    window.installEventFilter(&end);
    window.show();
    return app.exec();
}
