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
// the group out while it is empty; the study opens again from the note as it was,
// a material of the list and one of the user's own included.
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
    ASSERT_TRUE(m.exportActiveNote(dir.filePath("vide.pdf")));
    EXPECT_FALSE(pdfText(dir.filePath("vide.pdf")).simplified().contains("Assemblage fretté"));

    auto* hub = child<QComboBox>(w, "ComboMoyeu");
    hub->setCurrentIndex(hub->findText("Fonte EN-GJL-250 (Re = Rm/2)"));
    emit hub->activated(hub->currentIndex());
    type(child<QLineEdit>(w, "TextDaMoyeu"), "100");
    type(child<QLineEdit>(w, "TextLongueur"), "40");
    type(child<QLineEdit>(w, "TextReArbre"), "400");
    type(child<QLineEdit>(w, "TextCouple"), "500");
    ASSERT_TRUE(m.exportActiveNote(dir.filePath("fretté.pdf")));
    const QString used = pdfText(dir.filePath("fretté.pdf")).simplified();
    // In order, as read back: superscripts and the micro sign folded (NFKC).
    const QString expected = QString::fromUtf8(
        "Données|Assemblage fretté (DIN 7190-1)|DaA 100 mm|Moyeu Fonte EN-GJL-250 (Re = Rm/2)|"
        "Arbre Matériau saisi|EA 110000 MPa|ReI 400 MPa|αA 10 10−6/K|ρA 7200 kg/m3|"
        "ρI 7850 kg/m3|Mt 500 N·m|Méthode|"
        "G = 0,4·(RzA + RzI)|√3·τmax|Résultats|Ue min 14,8 μm|Mt max 334,5 N·m|Fe 50 450 N|"
        "T montage 238 °C|S arbre 8,63|Umin requis|Ajustements possibles (1)|Messages|La sécurité "
        "du moyeu (1,01) est inférieure à SP requise (1,20) ; le couple n'est pas transmis "
        "(sécurité 0,67)");
    int from = 0;
    for (const QString& t : expected.split('|')) {
        from = used.indexOf(t, from);
        ASSERT_GE(from, 0) << "missing or out of order: " << t.toStdString() << "\n"
                           << used.toStdString();
    }

    const auto before = shownTexts(w);
    m.closeAll();
    torvel::fits::resetFitsSelection();
    catchMessages([&] { EXPECT_TRUE(m.openStudyFile(dir.filePath("fretté.pdf"))); });
    ASSERT_NE(m.study("Ajustements"), nullptr);
    EXPECT_EQ(shownTexts(m.study("Ajustements")), before);
}
