#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
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

namespace {

RessortCompression* openExample(MDIForm1& m) {
    auto* w = qobject_cast<RessortCompression*>(m.openStudy("RessortCompression"));
    tools::fillExample(w, *torvel::findStudy("RessortCompression"));
    return w;
}

void choose(QWidget* w, const QString& list, const QString& item) {
    auto* combo = child<QComboBox>(w, list);
    combo->setCurrentIndex(combo->findText(item));
    emit combo->activated(combo->currentIndex());
}

}  // namespace

// A spring file saved before the wire's material existed opens with the typed
// material, no Rm, a static load and plain wire: the results it had.
TEST(RessortCompressionShell, OlderFileOpensWithTheTypedMaterial) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    MDIForm1 m;
    showActive(&m);
    RessortCompression* w = openExample(m);
    EXPECT_TRUE(catchMessages([&] { w->calculateAsButton(); }).isEmpty());
    const QString results = text(w, "TextTb") + text(w, "Textfe");
    const QString path = dir.filePath("ancien.torvel");
    ASSERT_TRUE(m.saveActiveStudyAs(path));
    m.closeAll();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject study = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonObject inputs = study.value("inputs").toObject();
    for (const char* added : {"ComboMateriau", "TextRm", "ComboSollicitation", "CheckGrenaille"})
        EXPECT_EQ(inputs.take(added).isUndefined(), false) << added;
    study["inputs"] = inputs;
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(study).toJson());
    file.close();

    EXPECT_TRUE(catchMessages([&] { EXPECT_TRUE(m.openStudyFile(path)); }).isEmpty());
    QWidget* again = m.study("RessortCompression");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(text(again, "ComboMateriau"), "Matériau saisi (G, mV, Rm)");
    EXPECT_EQ(text(again, "TextRm"), "");
    EXPECT_EQ(text(again, "ComboSollicitation"), "Statique");
    EXPECT_EQ(text(again, "CheckGrenaille"), "Non");
    EXPECT_EQ(text(again, "TextTb") + text(again, "Textfe"), results);
    EXPECT_EQ(text(again, "LabelResistance"), "");
}

// The note prints Rm, the safety factors, the verdicts among its messages and
// the diagrams as vectors; the PDF opens again as the same study.
TEST(RessortCompressionShell, NoteReadsBackRmAndVerdicts) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    MDIForm1 m;
    showActive(&m);
    RessortCompression* w = openExample(m);
    choose(w, "ComboMateriau", "EN 10270-1 DH");
    choose(w, "ComboSollicitation", "Dynamique");
    EXPECT_TRUE(catchMessages([&] { w->calculateAsButton(); }).isEmpty());
    const QString pdf = reportPdfPath(dir, "ressort-note.pdf");
    ASSERT_TRUE(m.exportActiveNote(pdf));
    const QString note = pdfText(pdf).simplified();
    QStringList expected = {"Matériau EN 10270-1 DH",
                            "Sollicitation Dynamique",
                            "EN 10270-1",
                            "0,5·Rm est la règle que ce programme applique",
                            "Goodman",
                            "Zimmerli",
                            "Rm 198,0 daN/mm2",
                            "τzul 99,000 daN/mm2",
                            "Sécurité sous F2 " + text(w, "TextS2"),
                            "Sécurité en fatigue " + text(w, "TextNf"),
                            "Schéma",
                            "Messages",
                            "Pas de risque de flambage sous F2"};
    expected << text(w, "LabelResistance").split('\n');
    ASSERT_EQ(expected.size(), 16);
    EXPECT_TRUE(expected.last().startsWith("Fatigue (10^7 cycles)"));
    int from = 0;
    for (const QString& t : expected) {
        const int at = note.indexOf(t, from);
        EXPECT_GE(at, 0) << "missing or out of order: " << t.toStdString();
        if (at >= 0) from = at;
    }
    QProcess images;
    images.start("pdfimages", {"-list", pdf});
    images.waitForFinished(30000);
    EXPECT_EQ(
        QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).size(), 2)
        << "a picture in the note";
}
