// Takes the README's pictures: the main window with each study open on an
// example, saved as PNG files in the folder given on the command line.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <utility>
#include <vector>

#include "MDIForm1.h"
#include "StudyWindow.h"
#include "application.h"
#include "examples.h"
#include "studies.h"

namespace {

// What the lower part of a window shows once scrolled, with the values that
// fill its later groups; empty for a window that does not scroll.
struct Lower {
    const char* type;
    const char* screenshot;
    std::vector<std::pair<const char*, const char*>> values;
};
const Lower kLower[] = {
    {"Roulement", "roulement-suite.png", {}},
    {"CasVariables", "cas-variables-suite.png", {}},
    {"Ajustements",
     "ajustements-suite.png",
     {{"TextDaMoyeu", "50"}, {"TextLongueur", "30"}, {"TextCouple", "20"}}},
    {"RessortCompression",
     "ressort-suite.png",
     {{"ComboMateriau", "EN 10270-1 DH"}, {"ComboSollicitation", "Dynamique"}}},
};

}  // namespace

int main(int argc, char** argv) {
    // The main window's place and the recent studies go to a folder of this
    // run, not the user's: the pictures do not depend on the last session.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
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
        for (const Lower& lower : kLower) {
            if (QString::fromLatin1(lower.type) != QString::fromLatin1(ex.type)) continue;
            torvel::StudyEntry more = ex;
            more.example = lower.values;
            tools::fillExample(w, more);
            if (auto* go = w->findChild<QAbstractButton*>(QStringLiteral("BtCalculer")))
                go->click();
            w->vScroll()->setValue(w->vScroll()->maximum());
            QApplication::processEvents();
            main.grab().save(out.filePath(QString::fromLatin1(lower.screenshot)));
        }
        main.closeAll();
    }
    return 0;
}
