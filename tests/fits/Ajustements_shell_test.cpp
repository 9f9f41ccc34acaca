#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

#include "Ajustements.h"
#include "MDIForm1.h"
#include "fits_selection.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

QString label(QWidget* w, const char* name) { return child<QLabel>(w, name)->text(); }

void press(QWidget* w, const char* tile) {
    auto* t = child<QWidget>(w, tile);
    QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, t->rect().center());
}

}  // namespace

TEST(AjustementsInTheShell, F4OpensTheStudyAndTheClassesOutliveTheWindow) {
    torvel::fits::resetFitsSelection();
    MDIForm1 m;
    showActive(&m);
    QTest::keyClick(&m, Qt::Key_F4);
    auto* w = qobject_cast<Ajustements*>(m.study("Ajustements"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(m.mdiArea()->activeSubWindow()->widget(), w);
    press(w, "Lbl_TB_Ql_Al_1");  // H7
    press(w, "Lbl_TB_Ql_Ar_1");  // g6
    EXPECT_EQ(label(w, "J_Max"), "0,0180");
    EXPECT_EQ(label(w, "J_Min"), "0,0020");

    m.findChild<QAction*>("MNU_Close")->trigger();
    ASSERT_EQ(m.study("Ajustements"), nullptr);
    QTest::keyClick(&m, Qt::Key_F4);
    w = qobject_cast<Ajustements*>(m.study("Ajustements"));
    ASSERT_NE(w, nullptr);
    press(w, "Lbl_TB_Ql_Al_2");  // H8: the shaft class chosen before still counts
    EXPECT_EQ(label(w, "Aj_Ale"), "H8");
    EXPECT_EQ(label(w, "J_Max"), "0,0220");
    EXPECT_TRUE(child<QWidget>(w, "recup_curseur")->hasFocus());
}

// The note gives the press fit's data, method, results and verdict, and leaves
// the group out while it is empty; the note opens again as the same study.
TEST(AjustementsInTheShell, TheNotePrintsThePressFitWhenUsed) {
    const LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    torvel::fits::resetFitsSelection();
    MDIForm1 m;
    showActive(&m);
    QWidget* w = m.openStudy("Ajustements");
    type(child<QLineEdit>(w, "Diametre"), "50");
    auto* fits = child<QComboBox>(w, "ComboAjustementsUsuels");
    fits->setCurrentIndex(fits->findText("H7/s6 (serré)"));
    emit fits->activated(fits->currentIndex());
    auto note = [&](const QString& name) {
        const QString pdf = dir.filePath(name);
        EXPECT_TRUE(m.exportActiveNote(pdf));
        return pdfText(pdf).simplified();
    };

    const QString empty = note("vide.pdf");
    for (const char* t : {"Assemblage fretté", "DiI 0 mm", "Moyeu Acier"})
        EXPECT_FALSE(empty.contains(QString::fromUtf8(t))) << t << "\n" << empty.toStdString();
    EXPECT_TRUE(empty.contains("Messages Aucun"));

    type(child<QLineEdit>(w, "TextDaMoyeu"), "100");
    type(child<QLineEdit>(w, "TextLongueur"), "40");
    type(child<QLineEdit>(w, "TextCouple"), "500");
    const QString used = note("fretté.pdf");
    int from = 0;
    // As read back: superscripts and the micro sign folded (NFKC).
    for (const char* t : {"Données",
                          "Assemblage fretté (DIN 7190-1)",
                          "DaA 100 mm",
                          "DiI 0 mm",
                          "Moyeu Acier C45+N",
                          "EA 210000 MPa",
                          "αA 11 10−6/K",
                          "μ 0.15",
                          "Mt 500 N·m",
                          "Tamb 20 °C",
                          "Méthode",
                          "DIN 7190-1:2017",
                          "G = 0,4·(RzA + RzI)",
                          "0,8",
                          "√3·τmax",
                          "Résultats",
                          "Assemblage fretté (DIN 7190-1)",
                          "Ue min 14,8 μm",
                          "Mt max 549,2 N·m",
                          "p max 87,9 MPa",
                          "Fe 82 830 N",
                          "T montage 218 °C",
                          "S moyeu 1,50",
                          "Messages",
                          "Assemblage admissible"}) {
        const int at = used.indexOf(QString::fromUtf8(t), from);
        EXPECT_GE(at, 0) << "missing or out of order: " << t << "\n" << used.toStdString();
        if (at >= 0) from = at;
    }

    const auto before = shownTexts(w);
    m.closeAll();
    torvel::fits::resetFitsSelection();
    catchMessages([&] { EXPECT_TRUE(m.openStudyFile(dir.filePath("fretté.pdf"))); });
    ASSERT_NE(m.study("Ajustements"), nullptr);
    EXPECT_EQ(shownTexts(m.study("Ajustements")), before);
}
