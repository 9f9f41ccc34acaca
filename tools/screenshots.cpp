// Takes the README's pictures: the main window with each study open on an
// example, saved as PNG files in the folder given on the command line.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "MDIForm1.h"
#include "StudyWindow.h"
#include "application.h"
#include "examples.h"
#include "studies.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    torvel::initApplication(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvel_screenshots <folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(0);

    MDIForm1 main;
    main.resize(1100, 780);
    main.show();
    for (const auto& ex : tools::examples()) {
        torvel::StudyWindow* w = main.openStudy(QString::fromLatin1(ex.type));
        if (!w) continue;
        tools::fillExample(w, ex);
        if (auto* go = w->findChild<QAbstractButton*>(QStringLiteral("BtCalculer"))) go->click();
        if (auto* ref = w->findChild<QLineEdit*>(QStringLiteral("TextRef"))) {
            ref->setFocus();
            w->setFocus();
        }
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) sub->move(10, 10);
        QApplication::processEvents();
        main.grab().save(out.filePath(QString::fromLatin1(ex.screenshot)));
        main.closeAll();
    }
    return 0;
}
