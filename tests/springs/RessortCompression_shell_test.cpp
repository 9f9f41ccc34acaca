#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "MDIForm1.h"
#include "RessortCompression.h"
#include "examples.h"
#include "studies.h"
#include "ui_helpers.h"

using namespace testing_ui;

// From the main window: F7 opens the study, which computes and prints.
TEST(RessortCompressionShell, F7OpensComputesAndPrints) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    MDIForm1 m;
    showActive(&m);
    QTest::keyClick(&m, Qt::Key_F7);
    auto* w = qobject_cast<RessortCompression*>(m.study("RessortCompression"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(m.mdiArea()->activeSubWindow()->widget(), w);
    EXPECT_EQ(child<QLineEdit>(w, "TextG")->text(), "7000");

    for (const auto& [name, value] : {std::pair{"Textd", "2"},
                                      {"Textdm", "20"},
                                      {"TextF1", "10"},
                                      {"TextL1", "50"},
                                      {"TextF2", "20"},
                                      {"TextL2", "40"}})
        type(child<QLineEdit>(w, name), value);
    EXPECT_TRUE(catchMessages([&] { child<QPushButton>(w, "BtCalculer")->click(); }).isEmpty());
    EXPECT_EQ(child<QLineEdit>(w, "TextTb")->text(), "334,225");

    const QString pdf = dir.filePath("ressort.pdf");
    EXPECT_TRUE(
        answerPrintDialog([&] { child<QPushButton>(w, "BtImprimer")->click(); }, pdf).isEmpty());
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_TRUE(pdfText(pdf).contains("334,225"));

    // Opening it again keeps the one instance with its entries.
    QTest::keyClick(&m, Qt::Key_F7);
    EXPECT_EQ(m.study("RessortCompression"), w);
    EXPECT_EQ(child<QLineEdit>(w, "Textd")->text(), "2");
}

// The note prints Rm, the safety factors and the verdicts among its messages
// (nothing of the wire while it is not checked);
// the study file keeps the grade, the load and the wire state.
TEST(RessortCompressionShell, NoteReadsBackRmAndVerdictsFileKeepsThem) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    MDIForm1 m;
    showActive(&m);
    auto* w = qobject_cast<RessortCompression*>(m.openStudy("RessortCompression"));
    torvel::StudyEntry entry = *torvel::findStudy("RessortCompression");
    tools::fillExample(w, entry);
    // Typed material without Rm: the wire is not checked, and its group is left out.
    ASSERT_TRUE(m.exportActiveNote(reportPdfPath(dir, "sans.pdf")));
    EXPECT_FALSE(pdfText(reportPdfPath(dir, "sans.pdf")).contains("Résistance du fil"));
    entry.example = {{"ComboMateriau", "EN 10270-1 DH"},
                     {"ComboSollicitation", "Dynamique"},
                     {"CheckGrenaille", "Oui"}};
    tools::fillExample(w, entry);
    EXPECT_TRUE(catchMessages([&] { w->calculateAsButton(); }).isEmpty());
    const QString pdf = reportPdfPath(dir, "ressort-note.pdf");
    ASSERT_TRUE(m.exportActiveNote(pdf));
    const QString note = pdfText(pdf).simplified();
    QStringList expected = {"Matériau EN 10270-1 DH",
                            "0,5·Rm est la règle que ce programme applique",
                            "interpolés linéairement en log d entre les diamètres relevés, jamais "
                            "extrapolés",
                            "Rm 198,0 daN/mm2",
                            "Sécurité sous Fmax " + text(w, "TextS2"),
                            "Sécurité en fatigue " + text(w, "TextNf"),
                            "Diagramme de fatigue EN 13906-1 DH grenaillé (données de 1 à 10 mm)",
                            "Messages",
                            text(w, "LabelBloc"),
                            text(w, "LabelFlambage")};
    expected << text(w, "LabelResistance").split('\n');
    EXPECT_TRUE(expected.last().startsWith(
        "Fatigue (10^7 cycles, diagramme EN 13906-1 DH grenaillé (données de 1 à 10 mm)) : "));
    int from = 0;  // in this order
    for (const QString& t : expected)
        EXPECT_GE(from = note.indexOf(t, qMax(from, 0)), 0) << "missing: " << t.toStdString();
    const auto shown = shownTexts(w);
    const QString file = dir.filePath("ressort.torvel");
    ASSERT_TRUE(m.saveActiveStudyAs(file));
    m.closeAll();
    EXPECT_TRUE(catchMessages([&] { EXPECT_TRUE(m.openStudyFile(file)); }).isEmpty());
    EXPECT_EQ(shownTexts(m.study("RessortCompression")), shown);
}
