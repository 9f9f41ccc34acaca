// Calculation notes through the main window: every study's example exported,
// read back as text, its study detached and opened again; notes that must not
// be written, and PDFs that hold no study.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "MDIForm1.h"
#include "StudyWindow.h"
#include "examples.h"
#include "fits_selection.h"
#include "iso_fits.h"
#include "studies.h"
#include "ui_helpers.h"
#include "version.h"

using namespace testing_ui;
using torvel::StudyWindow;

namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The note's text on one line per row, spaces folded, for searching.
QString folded(const QString& text) { return text.simplified(); }

struct Expect {
    const char* type;
    std::vector<const char*> texts;  // in the note, in this order
    const char* message = nullptr;   // a warning the example shows
};

}  // namespace

// Each study's example: title block, data and results with units, method,
// messages; the embedded study; the PDF opens again as the same study.
TEST(CalcNote, EveryStudyWritesANoteThatOpensAgain) {
    const LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    const Expect expects[] = {
        {"Roulement",
         {"Données", "Fr 4000 N", "ν40 68 mm2/s", "Méthode", "ISO 281", "ISO 76", "ISO 281:2007",
          "Résultats", "P 6270,70 N", "L 109,500 282 millions de tours",
          "Lnm 166,937 180 millions de tours", "Lnm h 2782,29 h", "Messages"}},
        {"ContactOblique",
         {"Données", "Montage Montage en X", "Fr 3000 N", "Méthode", "Résultats", "Fa 1125,00 N",
          "Schéma"}},
        {"CasVariables",
         {"Données", "Cas 1 3600 ; 1500 ; 2000", "C 30000 N", "Méthode", "Résultats",
          "Lh 17102,14 h"}},
        {"Ajustements",
         {"Données", "H7/p6", "25 mm", "Alésage H7", "Arbre p6", "Méthode", "ISO 286-1",
          "ISO 286-2", "Résultats", "Jeu Maxi -0,0010 mm", "Schéma"}},
        {"ChainesDeCotes",
         {"Données", "A 50 mm", "Référence Arbre", "Méthode", "quadratique", "Résultats",
          "Jeu 1 0,200 mm", "Jeu Maxi 0,3309 mm"}},
        {"Section",
         {"Données", "Type Rectangle Plein", "a 40 mm", "Méthode", "Résultats", "S 800,000 mm2",
          "Schéma"}},
        {"RessortCompression",
         {"Données", "d 2 mm", "Méthode", "EN 13906-1", "Résultats", "R 0,500 daN/mm",
          "Vérifications (EN 13906-1)", "Schéma"}},
    };
    for (const Expect& e : expects) {
        SCOPED_TRACE(e.type);
        torvel::fits::resetFitsSelection();
        MDIForm1 m;
        showActive(&m);
        const auto* entry = torvel::findStudy(e.type);
        StudyWindow* w = m.openStudy(e.type);
        tools::fillExample(w, *entry);
        const QStringList shown = catchMessages([&] { w->calculateAsButton(); });
        // $TORVEL_KEEP_NOTES names a folder where the notes stay, to look at them.
        const QString pdf = QDir(qEnvironmentVariable("TORVEL_KEEP_NOTES", dir.path()))
                                .filePath(QString::fromLatin1(e.type) + ".pdf");
        ASSERT_TRUE(m.exportActiveNote(pdf));

        const QString text = folded(pdfText(pdf));
        int from = 0;
        for (const QString& t :
             {QStringLiteral("Note de calcul"), QString::fromUtf8(entry->menuText),
              QStringLiteral("étude non enregistrée"),
              QStringLiteral("TORVEL %1").arg(torvel::kVersion), QStringLiteral("page 1 /")})
            EXPECT_TRUE(text.contains(t)) << t.toStdString();
        for (const char* c : e.texts) {
            const QString t = QString::fromUtf8(c);
            const int at = text.indexOf(t, from);
            EXPECT_GE(at, 0) << "missing or out of order: " << t.toStdString() << "\n"
                             << text.toStdString();
            if (at >= 0) from = at;
        }
        if (auto* ref = w->reference()) {
            EXPECT_TRUE(text.contains(ref->text()));
        }
        for (const QString& message : shown + w->shownNotices())
            EXPECT_TRUE(text.contains(folded(message))) << message.toStdString();
        if (shown.isEmpty() && w->shownNotices().isEmpty()) {
            EXPECT_TRUE(text.contains("Messages Aucun"));
        }

        // Text is text: fonts embedded, no picture of a window.
        const QString fonts = run("pdffonts", {pdf});
        EXPECT_TRUE(fonts.contains(" yes ")) << fonts.toStdString();
        EXPECT_EQ(run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).size(), 2)
            << "an image in the note";
        EXPECT_TRUE(run("pdfdetach", {"-list", pdf}).contains(".torvel"));

        // The note opens again as the same study.
        const auto before = shownTexts(w);
        m.closeAll();
        torvel::fits::resetFitsSelection();
        catchMessages([&] { EXPECT_TRUE(m.openStudyFile(pdf)); });
        StudyWindow* again = m.study(e.type);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(shownTexts(again), before);
        EXPECT_TRUE(again->windowFilePath().isEmpty()) << "a note is no study file";
    }
}

// The note matches its data: out-of-date results are computed first, and a run
// that stops writes nothing.
TEST(CalcNote, ComputesFirstAndWritesNothingWhenTheRunStops) {
    const LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    MDIForm1 m;
    showActive(&m);
    StudyWindow* w = m.openStudy("Section");
    tools::fillExample(w, *torvel::findStudy("Section"));
    catchMessages([&] { w->calculateAsButton(); });
    set(w, "Texta", "60");
    ASSERT_TRUE(w->resultsOutOfDate());
    const QString area = text(w, "TextS");
    ASSERT_TRUE(m.exportActiveNote(dir.filePath("a.pdf")));
    EXPECT_FALSE(w->resultsOutOfDate());
    EXPECT_NE(text(w, "TextS"), area);
    EXPECT_TRUE(folded(pdfText(dir.filePath("a.pdf"))).contains("a 60 mm"));

    set(w, "Texta", "0");
    bool written = true;
    const QStringList messages =
        catchMessages([&] { written = m.exportActiveNote(dir.filePath("b.pdf")); });
    EXPECT_FALSE(written);
    EXPECT_FALSE(messages.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("b.pdf")));

    // A note that cannot be written says so and where.
    set(w, "Texta", "40");
    const QStringList failed = catchMessages([&] { EXPECT_FALSE(m.exportActiveNote(dir.path())); });
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed[0].startsWith("Impossible d'écrire la note de calcul « " + dir.path()));
}

// A PDF from elsewhere, or a note whose study is damaged, opens nothing.
// Ajustements computes as its tiles are clicked: a note made after a new
// diameter shows the limits of that diameter, or no limits and why when a
// chosen class does not exist there.
TEST(CalcNote, FitsNoteShowsTheLimitsOfItsDiameter) {
    const LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    struct Case {
        const char* holeLetter;  // clicked after the example's usual fit, "" for none
        const char* diameter;
        QStringList shown, absent;
    };
    const Case cases[] = {
        {"", "60", {"Alésage maxi 60,03 mm", "Jeu Maxi -0,0020 mm"}, {"25,021", "Pas de résultat"}},
        {"T",
         "10",
         {"Pas de résultat : la classe T6 n'existe pas pour ⌀ 10 mm."},
         {"Alésage maxi", "Messages Aucun"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.diameter);
        torvel::fits::resetFitsSelection();
        MDIForm1 m;
        showActive(&m);
        StudyWindow* w = m.openStudy("Ajustements");
        tools::fillExample(w, *torvel::findStudy("Ajustements"));
        if (*c.holeLetter) {
            const int tile = torvel::fits::letterTileIndex(torvel::fits::Side::Hole, c.holeLetter);
            catchMessages([&] {
                QTest::mouseClick(child<QLabel>(w, QStringLiteral("Lbl_TB_Cl_Al_%1").arg(tile)),
                                  Qt::LeftButton);
            });
        }
        set(w, "Diametre", c.diameter);
        EXPECT_FALSE(w->resultsCurrent());
        const QString pdf = QDir(qEnvironmentVariable("TORVEL_KEEP_NOTES", dir.path()))
                                .filePath(QStringLiteral("%1.pdf").arg(c.diameter));
        ASSERT_TRUE(m.exportActiveNote(pdf));
        EXPECT_TRUE(w->resultsCurrent());
        const QString text = folded(pdfText(pdf));
        for (const QString& t : c.shown) EXPECT_TRUE(text.contains(t)) << t.toStdString();
        for (const QString& t : c.absent) EXPECT_FALSE(text.contains(t)) << t.toStdString();
    }
}

TEST(CalcNote, PdfsWithoutAStudyAreRefused) {
    QTemporaryDir dir;
    MDIForm1 m;
    showActive(&m);
    StudyWindow* w = m.openStudy("Section");
    tools::fillExample(w, *torvel::findStudy("Section"));
    ASSERT_TRUE(m.exportActiveNote(dir.filePath("note.pdf")));
    m.closeAll();
    QFile note(dir.filePath("note.pdf"));
    ASSERT_TRUE(note.open(QIODevice::ReadOnly));
    const QByteArray bytes = note.readAll();

    const QString plain = dir.filePath("autre.pdf");
    {
        QPdfWriter writer(plain);
        QPainter painter(&writer);
        painter.drawText(100, 100, "Une note d'un autre programme");
    }
    const QString cut = dir.filePath("coupe.pdf");
    QFile cutFile(cut);
    ASSERT_TRUE(cutFile.open(QIODevice::WriteOnly));
    cutFile.write(bytes.left(bytes.size() / 2));
    cutFile.close();
    // An attachment that inflates beyond a study file's limit is measured, not inflated.
    const QString bomb = dir.filePath("bombe.pdf");
    {
        QPdfWriter writer(bomb);
        writer.addFileAttachment("a.torvel", QByteArray((1 << 20) + 1, ' '));
        QPainter painter(&writer);
        painter.drawText(100, 100, "Une note trop lourde");
    }
    ASSERT_LT(QFileInfo(bomb).size(), 20000);
    // A study file far beyond the limit names the study file's limit.
    const QString huge = dir.filePath("enorme.torvel");
    QFile hugeFile(huge);
    ASSERT_TRUE(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(65 << 20));
    hugeFile.close();
    const std::pair<QString, const char*> cases[] = {
        {plain, "ce PDF ne contient pas d'étude TORVEL"},
        {cut, "ce PDF ne contient pas d'étude TORVEL"},
        {bomb, "l'étude jointe à ce PDF dépasse 1 Mio"},
        {huge, "le fichier dépasse 1 Mio"},
    };
    for (const auto& [file, reason] : cases) {
        const QStringList messages = catchMessages([&] { EXPECT_FALSE(m.openStudyFile(file)); });
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0], "Impossible d'ouvrir l'étude « " + file + " » :\n" +
                                   QString::fromUtf8(reason) + ".");
        EXPECT_TRUE(m.mdiArea()->subWindowList().isEmpty());
    }
}
