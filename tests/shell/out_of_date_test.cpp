// Results that no longer match their entries: greyed with LabelPerime shown, in
// every study with "Calculer", until the next run that writes its results; and
// "Imprimer" asks first.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "StudyWindow.h"
#include "examples.h"
#include "studies.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

std::unique_ptr<torvel::StudyWindow> computedStudy(const char* type) {
    std::unique_ptr<torvel::StudyWindow> w(torvel::findStudy(type)->create());
    showActive(w.get());
    tools::fillExample(w.get(), *torvel::findStudy(type));
    catchMessages([&] { click(w.get(), "BtCalculer"); });
    return w;
}

bool marked(QWidget* w) { return child<QLabel>(w, "LabelPerime")->isVisibleTo(w); }

bool grey(QWidget* w, const char* result) {
    const QPalette pal = child<QWidget>(w, result)->palette();
    return pal.color(QPalette::Text) == Qt::gray && pal.color(QPalette::WindowText) == Qt::gray;
}

// Clicks "Imprimer" answering the question with `answer`; says whether the
// print dialog came (it is cancelled).
bool printAnswering(QWidget* w, QMessageBox::StandardButton answer, QString* question) {
    bool dialog = false;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            *question = box->windowTitle() + "|" + box->text() + "|" +
                        box->button(QMessageBox::Yes)->text() + "|" +
                        box->button(QMessageBox::No)->text();
            box->button(answer)->click();
        } else if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
            dialog = true;
            print->reject();
        }
    });
    timer.start();
    click(w, "BtImprimer");
    timer.stop();
    return dialog;
}

}  // namespace

TEST(OutOfDate, AChangedInputGreysTheResultsUntilTheNextRun) {
    const struct {
        const char *type, *input, *value, *result;
    } cases[] = {
        {"Roulement", "TextFr", "4500", "TextP"},
        {"ContactOblique", "TextFrA", "3500", "TextPA"},
        {"CasVariables", "TextC", "25000", "TextL10"},
        {"ChainesDeCotes", "TextJe1A", "51", "TextJeu1"},
        {"Section", "Texta", "45", "TextS"},
        {"RessortCompression", "TextF2", "12", "TextR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        auto w = computedStudy(c.type);
        EXPECT_FALSE(marked(w.get()));
        EXPECT_FALSE(grey(w.get(), c.result));
        // The reference is not an entry of the calculation.
        set(w.get(), "TextRef", "Repère 4");
        EXPECT_FALSE(marked(w.get()));
        set(w.get(), c.input, c.value);
        EXPECT_TRUE(marked(w.get()));
        EXPECT_TRUE(grey(w.get(), c.result));
        EXPECT_EQ(child<QLabel>(w.get(), "LabelPerime")->text(), "Résultats à recalculer");
        catchMessages([&] { click(w.get(), "BtCalculer"); });
        EXPECT_FALSE(marked(w.get()));
        EXPECT_FALSE(grey(w.get(), c.result));
    }
    // Never computed: nothing to mark; the mounting of ContactOblique is no entry either.
    std::unique_ptr<torvel::StudyWindow> fresh(torvel::findStudy("Roulement")->create());
    set(fresh.get(), "TextFr", "10");
    EXPECT_FALSE(marked(fresh.get()));
    auto oblique = computedStudy("ContactOblique");
    child<QComboBox>(oblique.get(), "Combo1")->setCurrentIndex(1);
    EXPECT_FALSE(marked(oblique.get()));
    // In "Automatique" the factor boxes are results: typing there is no entry.
    auto bearing = computedStudy("Roulement");
    set(bearing.get(), "Texte", "0.5");
    EXPECT_FALSE(marked(bearing.get()));
}

TEST(OutOfDate, AStoppedRunKeepsTheMarkAndPrintingAsksFirst) {
    auto w = computedStudy("Roulement");
    QString question;
    // Up to date: straight to the print dialog.
    EXPECT_TRUE(printAnswering(w.get(), QMessageBox::No, &question));
    EXPECT_TRUE(question.isEmpty());

    set(w.get(), "TextFr", "0");
    EXPECT_EQ(catchMessages([&] { click(w.get(), "BtCalculer"); }),
              QStringList{"Veuillez entrer une Charge Radiale !"});
    EXPECT_TRUE(marked(w.get()));

    EXPECT_FALSE(printAnswering(w.get(), QMessageBox::No, &question));
    EXPECT_EQ(question,
              "Attention|Les résultats affichés ne correspondent plus aux données saisies.\n"
              "Imprimer quand même ?|Oui|Non");
    EXPECT_TRUE(marked(w.get()));
    EXPECT_TRUE(printAnswering(w.get(), QMessageBox::Yes, &question));
    EXPECT_TRUE(marked(w.get()));
}

TEST(OutOfDate, AWindowImagePrintsWithoutTheMark) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("section.pdf");
    auto w = computedStudy("Section");
    set(w.get(), "Texta", "45");
    ASSERT_TRUE(marked(w.get()));
    const QStringList asked = answerPrintDialog([&] { click(w.get(), "BtImprimer"); }, pdf);
    EXPECT_EQ(asked.size(), 1);  // the question, answered "Oui"
    const QString printed = pdfText(pdf);
    EXPECT_TRUE(printed.contains("Calcul de Section")) << printed.toStdString();
    EXPECT_FALSE(printed.contains("Résultats à recalculer"));
    EXPECT_TRUE(marked(w.get()));
    EXPECT_TRUE(grey(w.get(), "TextS"));
}
