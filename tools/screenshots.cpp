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
#include "studies.h"

namespace {

struct Example {
    const char* type;
    const char* file;
    std::vector<std::pair<const char*, const char*>> entries;
};

}  // namespace

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
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
    answer.start(0);

    const Example examples[] = {
        {"Roulement", "roulement.png",
         {{"TextRef", "Réducteur 3"}, {"TextFr", "4000"}, {"TextFa", "3000"}, {"TextCo", "20000"},
          {"TextC", "30000"}, {"TextN", "1000"}}},
        {"ContactOblique", "contact-oblique.png",
         {{"TextRef", "Broche B2"}, {"TextFaE", "500"}, {"TextFrA", "3000"}, {"TextFrB", "2000"},
          {"TexteA", "0.37"}, {"TexteB", "0.37"}, {"TextYA", "1.6"}, {"TextYB", "1.6"}}},
        {"CasVariables", "cas-variables.png", {{"TextRef", "Convoyeur"}, {"TextC", "30000"}}},
        {"Ajustements", "ajustements.png", {}},
        {"ChainesDeCotes", "chaines-de-cotes.png",
         {{"TextRef", "Carter"}, {"TextJe1A", "50"}, {"TextJe1MaxA", "0.1"}, {"TextJi1A", "49.8"},
          {"TextJi1minA", "-0.05"}}},
        {"Section", "section.png", {{"TextRef", "Poutre P1"}, {"Texta", "40"}, {"Textb", "20"}}},
        {"RessortCompression", "ressort.png",
         {{"TextRef", "Ressort R5"}, {"Textd", "2"}, {"Textdm", "20"}, {"TextF1", "5"}, {"TextL1", "50"},
          {"TextF2", "10"}, {"TextL2", "40"}}},
    };
    MDIForm1 main;
    main.resize(1100, 780);
    main.show();
    for (const auto& ex : examples) {
        torvel::StudyWindow* w = main.openStudy(QString::fromLatin1(ex.type));
        if (!w) continue;
        for (const auto& [name, text] : ex.entries)
            if (auto* e = w->findChild<QLineEdit*>(QString::fromLatin1(name))) e->setText(QString::fromUtf8(text));
        if (auto* table = w->findChild<QWidget*>(QStringLiteral("MSFlexGrid1"))) (void)table;
        if (auto* go = w->findChild<QAbstractButton*>(QStringLiteral("BtCalculer"))) go->click();
        if (auto* ref = w->findChild<QLineEdit*>(QStringLiteral("TextRef"))) {
            ref->setFocus();
            w->setFocus();
        }
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) sub->move(10, 10);
        QApplication::processEvents();
        main.grab().save(out.filePath(QString::fromLatin1(ex.file)));
        main.closeAll();
    }
    return 0;
}
