// Timing of the program as a user meets it: start-up to the splash painted and
// to the main window shown, opening each study, one "Calculer" (or tile click)
// per study with its repaint, and the peak memory with every study open.
#include <sys/resource.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>

#include "MDIForm1.h"
#include "StudyWindow.h"
#include "application.h"
#include "examples.h"
#include "frmSplash.h"
#include "studies.h"

namespace {

// Milliseconds since the process started, from the kernel's start time.
double sinceProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), {});
    std::istringstream rest(stat.substr(stat.rfind(')') + 2));
    std::string field;
    unsigned long long start = 0;
    for (int i = 3; i <= 22 && rest >> field; ++i)
        if (i == 22) start = std::stoull(field);
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return (uptime - static_cast<double>(start) / sysconf(_SC_CLK_TCK)) * 1000.0;
}

class Watch : public QObject {
  public:
    Watch(QObject* target, QEvent::Type type, std::function<void()> seen)
        : type_(type), seen_(std::move(seen)) {
        target->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == type_ && seen_) {
            auto f = std::move(seen_);
            seen_ = nullptr;
            f();
        }
        return false;
    }

  private:
    QEvent::Type type_;
    std::function<void()> seen_;
};

}  // namespace

int main(int argc, char** argv) {
    const double beforeMain = sinceProcessStart();
    QElapsedTimer clock;
    clock.start();
    // The recent studies of this run go to a folder of its own, not the user's.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    torvel::initApplication(app);
    // Message boxes raised by a calculation are answered at once.
    QTimer answer;
    int messages = 0;
    QObject::connect(&answer, &QTimer::timeout, [&messages] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++messages;
            box->accept();
        }
    });
    answer.start(0);

    frmSplash splash;
    double splashPainted = -1, mainShown = -1;
    Watch paint(&splash, QEvent::Paint,
                [&] { splashPainted = beforeMain + clock.nsecsElapsed() / 1e6; });
    Watch show(splash.mainWindow(), QEvent::Show, [&] {
        mainShown = beforeMain + clock.nsecsElapsed() / 1e6;
        QTimer::singleShot(0, &app, &QApplication::quit);
    });
    splash.show();
    app.exec();
    std::printf("start-up: splash painted %.1f ms, main window shown %.1f ms after process start\n",
                splashPainted, mainShown);

    MDIForm1* m = splash.mainWindow();
    for (const auto& example : tools::examples()) {
        QElapsedTimer t;
        t.start();
        torvel::StudyWindow* w = m->openStudy(QString::fromLatin1(example.type));
        if (!w) continue;
        QApplication::processEvents();
        w->repaint();
        const double open = t.nsecsElapsed() / 1e6;

        tools::fillExample(w, example);
        messages = 0;
        QAbstractButton* go = w->findChild<QAbstractButton*>(QStringLiteral("BtCalculer"));
        QWidget* tile = w->findChild<QWidget*>(QStringLiteral("Lbl_TB_Ql_Al_2"));
        t.restart();
        if (go) {
            go->click();
        } else if (tile) {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(tile, &press);
            QApplication::sendEvent(tile, &release);
        }
        QApplication::processEvents();
        w->repaint();
        std::printf("%-20s open %7.2f ms   %s %7.2f ms%s\n", example.type, open,
                    go ? "Calculer" : "tile click", t.nsecsElapsed() / 1e6,
                    messages ? "  (with a message box)" : "");
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory with %d studies open: %.1f MiB\n",
                static_cast<int>(m->mdiArea()->subWindowList().size()), usage.ru_maxrss / 1024.0);

    // Study files: saving each study, then opening it into a closed window
    // (read, fill, compute, repaint).
    QTemporaryDir files;
    for (const auto& example : tools::examples()) {
        torvel::StudyWindow* w = m->study(QString::fromLatin1(example.type));
        if (!w) continue;
        m->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
        const QString path = files.filePath(QString::fromLatin1(example.type) + ".torvel");
        QElapsedTimer t;
        t.start();
        m->saveActiveStudyAs(path);
        const double save = t.nsecsElapsed() / 1e6;
        m->closeActive();
        QApplication::processEvents();
        t.restart();
        m->openStudyFile(path);
        QApplication::processEvents();
        m->study(QString::fromLatin1(example.type))->repaint();
        const double open = t.nsecsElapsed() / 1e6;
        t.restart();
        m->exportActiveNote(files.filePath(QString::fromLatin1(example.type) + ".pdf"));
        std::printf("%-20s save %7.2f ms   open the file %7.2f ms   calculation note %7.2f ms\n",
                    example.type, save, open, t.nsecsElapsed() / 1e6);
    }
    return 0;
}
