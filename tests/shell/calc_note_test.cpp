// Calculation notes through the main window: every study's example exported,
// read back as text, its study detached and opened again; notes that must not
// be written, and PDFs that hold no study.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "MDIForm1.h"
#include "StudyWindow.h"
#include "examples.h"
#include "fits_selection.h"
#include "iso_fits.h"
#include "note_builder.h"
#include "studies.h"
#include "ui_helpers.h"
#include "ui_text.h"
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

// The marks drawn in `area` of `image`: groups of touching dark pixels, so
// that each letter, dot and line counts once whatever its colour's shade.
int marks(const QImage& picture, const QRect& area) {
    const QImage image = picture.convertToFormat(QImage::Format_Grayscale8);
    const QRect r = area.intersected(image.rect());
    std::vector<char> seen(static_cast<size_t>(r.width()) * r.height(), 0);
    auto dark = [&](int x, int y) { return image.pixelColor(x, y).lightness() < 200; };
    int count = 0;
    std::vector<QPoint> stack;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            auto at = [&](int px, int py) -> char& {
                return seen[static_cast<size_t>(py - r.top()) * r.width() + (px - r.left())];
            };
            if (at(x, y) || !dark(x, y)) continue;
            ++count;
            stack.push_back({x, y});
            at(x, y) = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!r.contains(q) || at(q.x(), q.y()) || !dark(q.x(), q.y())) continue;
                    at(q.x(), q.y()) = 1;
                    stack.push_back(q);
                }
            }
        }
    return count;
}

// Runs `action`, filling the dialog named `name` as a user would (its boxes by
// name) and confirming it; the message boxes meanwhile are read, closed and returned.
QStringList fillingDialog(const QString& name, const QMap<QString, QString>& boxes,
                          const std::function<void()>& action) {
    QStringList seen;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << box->text();
            box->done(QMessageBox::Ok);
            return;
        }
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog || dialog->objectName() != name) return;
        for (auto it = boxes.begin(); it != boxes.end(); ++it)
            if (auto* box = child<QLineEdit>(dialog, it.key())) box->setText(it.value());
        dialog->accept();
    });
    timer.start();
    action();
    return seen;
}

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
         {"Données", "A 50 mm", "Méthode", "quadratique", "Résultats", "Jeu 1 0,200 mm",
          "Jeu Maxi 0,3309 mm"}},
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

// What a window shows but did not compute for the data it prints stays out of
// its note: design captions, a side not chosen, a choice the calculation does
// not read, a chain with no dimension.
TEST(CalcNote, PrintsNoRowTheWindowDidNotComputeForItsData) {
    const LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    auto clickTile = [](StudyWindow* w, const char* strip, int tile) {
        catchMessages([&] {
            QTest::mouseClick(child<QLabel>(w, QStringLiteral("%1_%2").arg(strip).arg(tile)),
                              Qt::LeftButton);
        });
    };
    const int letterP = torvel::fits::letterTileIndex(torvel::fits::Side::Hole, "P");
    struct Case {
        const char* name;
        const char* type;
        std::function<void(StudyWindow*)> setup;
        QStringList absent, shown;
    };
    const Case cases[] = {
        {"diameter typed, no tile clicked",
         "Ajustements",
         [](StudyWindow* w) { set(w, "Diametre", "50"); },
         {"Alésage maxi", "2,01", "Jeu Maxi", "0,0180", "Alésage H7", "Arbre g6"},
         {"Pas de résultat : aucune classe d'alésage n'est choisie.",
          "Pas de résultat : aucune classe d'arbre n'est choisie.", "50 mm"}},
        {"only the hole letter P clicked",
         "Ajustements",
         [&](StudyWindow* w) { clickTile(w, "Lbl_TB_Cl_Al", letterP); },
         {"Arbre g6", "Arbre maxi", "1,998", "Jeu Maxi", "Jeu mini", "aucune classe d'alésage"},
         {"Alésage P", "Alésage maxi", "Pas de résultat : aucune classe d'arbre n'est choisie."}},
        {"diameter out of range, corrected for the note",
         "Ajustements",
         [&](StudyWindow* w) {
             clickTile(w, "Lbl_TB_Cl_Al", letterP);
             set(w, "Diametre", "600");
         },
         {"600 mm"},
         {"Le diamètre doit être supérieur à 1 et inférieur ou égal à 500", "500 mm"}},
        {"static load: the wire's shot peening is not read",
         "RessortCompression",
         [](StudyWindow* w) {
             auto* grade = child<QComboBox>(w, "ComboMateriau");
             grade->setCurrentIndex(1);
             emit grade->activated(1);
         },
         {"Fil grenaillé", "Sécurité en fatigue"},
         {"Résistance du fil", "Sécurité sous Fmax"}},
        {"second chain left empty",
         "ChainesDeCotes",
         [](StudyWindow*) {},
         {"Calcul du Jeu 2", "Jeu 2", "A'", "Jeu Nominal", "Référence Arbre"},
         {"Calcul du Jeu 1", "Jeu 1 0,200 mm"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        torvel::fits::resetFitsSelection();
        MDIForm1 m;
        showActive(&m);
        StudyWindow* w = m.openStudy(c.type);
        if (QString::fromLatin1(c.type) != "Ajustements") {
            tools::fillExample(w, *torvel::findStudy(c.type));
            catchMessages([&] { w->calculateAsButton(); });
        }
        c.setup(w);
        const QString pdf = dir.filePath(QStringLiteral("note.pdf"));
        catchMessages([&] { ASSERT_TRUE(m.exportActiveNote(pdf)); });
        const QString text = folded(pdfText(pdf));
        for (const QString& t : c.absent)
            EXPECT_FALSE(text.contains(t)) << "printed: " << t.toStdString() << "\n"
                                           << text.toStdString();
        for (const QString& t : c.shown)
            EXPECT_TRUE(text.contains(t)) << "missing: " << t.toStdString() << "\n"
                                          << text.toStdString();
    }
}

// A drawing in the note shows what it shows painted on screen: its page,
// rendered, holds as many marks in the drawing's place (lines, dots, every
// letter of its labels) as the same drawing painted at that size.
TEST(CalcNote, DrawingsKeepTheirTextAndPoints) {
    const LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    struct Case {
        const char* type;
        std::function<void(StudyWindow*)> setup;
    };
    const Case cases[] = {
        {"Ajustements", [](StudyWindow*) {}},
        {"RessortCompression",
         [](StudyWindow* w) {
             auto* grade = child<QComboBox>(w, "ComboMateriau");
             grade->setCurrentIndex(1);
             emit grade->activated(1);
             auto* load = child<QComboBox>(w, "ComboSollicitation");
             load->setCurrentIndex(1);
             emit load->activated(1);
         }},
        {"Section", [](StudyWindow*) {}},
        {"ContactOblique", [](StudyWindow*) {}},
    };
    constexpr int kDpi = 100;
    auto px = [](double points) { return static_cast<int>(std::lround(points * kDpi / 72.0)); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        torvel::fits::resetFitsSelection();
        MDIForm1 m;
        showActive(&m);
        StudyWindow* w = m.openStudy(c.type);
        tools::fillExample(w, *torvel::findStudy(c.type));
        c.setup(w);
        catchMessages([&] { w->calculateAsButton(); });
        const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(c.type));
        ASSERT_TRUE(m.exportActiveNote(pdf));

        // Where the drawing lies: under its heading, across the text's width.
        static const QRegularExpression word(
            R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
        int page = 0, drawingPage = 0;
        double top = 0, bottom = 0;
        for (auto it = word.globalMatch(run("pdftotext", {"-bbox", pdf, "-"})); it.hasNext();) {
            const auto match = it.next();
            if (match.captured(0) == "<page ") {
                ++page;
                continue;
            }
            if (match.captured(5) == "Schéma") {
                drawingPage = page;
                top = match.captured(4).toDouble();
                bottom = 297 / 25.4 * 72 - 16 / 25.4 * 72;
            } else if (match.captured(5) == "Messages" && drawingPage == page) {
                bottom = match.captured(2).toDouble();  // the heading after the drawing
            }
        }
        ASSERT_GT(drawingPage, 0) << "no drawing";
        const QString prefix = dir.filePath(QStringLiteral("page"));
        run("pdftoppm", {"-r", QString::number(kDpi), "-f", QString::number(drawingPage), "-l",
                         QString::number(drawingPage), "-singlefile", "-png", pdf, prefix});
        const QImage rendered(prefix + ".png");
        ASSERT_FALSE(rendered.isNull());
        const double margin = 20 / 25.4 * 72;
        const QRect area(px(margin), px(top) + 2, px(170 / 25.4 * 72), px(bottom - top) - 6);
        const int inNote = marks(rendered, area);

        // The same drawing painted on a picture of its size in the note.
        const torvel::NoteDrawing drawing = torvel::noteDrawing(*w);
        ASSERT_TRUE(drawing.paint);
        const double aspect = drawing.size.height() / drawing.size.width();
        double width = 170 / 25.4 * 72, height = width * aspect;
        if (height > 120 / 25.4 * 72) {
            height = 120 / 25.4 * 72;
            width = height / aspect;
        }
        QImage painted(px(width), px(height), QImage::Format_RGB32);
        painted.fill(Qt::white);
        {
            QPainter p(&painted);
            p.setRenderHint(QPainter::Antialiasing);
            drawing.paint(p, QRectF(painted.rect()));
        }
        const int onScreen = marks(painted, painted.rect());
        EXPECT_GT(onScreen, 20);
        // Lost text or points leave fewer marks in the note; more are no fault,
        // a coil drawn at the page's own scale breaks into more of them.
        EXPECT_GE(inNote, onScreen * 8 / 10)
            << inNote << " marks in the note, " << onScreen << " painted";
    }
}

// The title block shows what the office and the study filled, and only that;
// the last page ends with the sign-off; the study's fields go with its file and
// its note, the author of a saved study with them.
TEST(CalcNote, TitleBlockAndSignOffShowWhatIsFilled) {
    QTemporaryDir dir;
    const QString logo = dir.filePath("logo.png"), damaged = dir.filePath("abime.png");
    QImage picture(120, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(logo));
    QFile bad(damaged);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\x89PNG\r\n\x1a\nrien de lisible");
    bad.close();
    auto office = [](MDIForm1& m, const QMap<QString, QString>& boxes) {
        return fillingDialog("DialogCartouche", boxes, [&] { m.editOfficeFieldsDialog(); });
    };
    auto properties = [](MDIForm1& m, const QMap<QString, QString>& boxes) {
        fillingDialog("DialogProprietesEtude", boxes,
                      [&] { EXPECT_TRUE(m.editStudyFieldsDialog()); });
    };
    for (const char* localeName : {"fr_FR", "en_US"}) {
        SCOPED_TRACE(localeName);
        const LocaleScope locale(localeName);
        MDIForm1 m;
        showActive(&m);
        // The study's properties need a study; the office's do not.
        EXPECT_FALSE(m.findChild<QAction*>("MNU_ProprietesEtude")->isEnabled());
        EXPECT_TRUE(m.findChild<QAction*>("MNU_Cartouche")->isEnabled());
        // Nothing filled: no field of the office or the study takes room.
        StudyWindow* w = m.openStudy("Section");
        tools::fillExample(w, *torvel::findStudy("Section"));
        catchMessages([&] { w->calculateAsButton(); });
        ASSERT_TRUE(m.exportActiveNote(dir.filePath("vide.pdf")));
        const QString empty = folded(pdfText(dir.filePath("vide.pdf")));
        for (const char* absent : {"Affaire", "Indice", "Auteur", "Vérifié par :"})
            EXPECT_FALSE(empty.contains(QString::fromUtf8(absent))) << absent;
        EXPECT_TRUE(empty.contains("Établi par Vérifié par Approuvé par"));

        // A logo that cannot be read is said and left out; the rest is kept.
        const QStringList said = office(m, {{"TextSociete", "Bureau d'études Lemaire"},
                                            {"TextAuteur", "J. Martin"},
                                            {"TextLogo", damaged}});
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].startsWith("Le logo « " + damaged + " » ne peut pas être utilisé"));
        EXPECT_TRUE(office(m, {{"TextLogo", logo}}).isEmpty());

        properties(
            m,
            {{"TextAffaire", "A-2024-117"}, {"TextIndice", "B"}, {"TextVerifiePar", "P. Durand"}});
        EXPECT_TRUE(m.isTypedSinceOpening(w));
        const QString study = dir.filePath("poutre.torvel");
        ASSERT_TRUE(m.saveActiveStudyAs(study));
        EXPECT_EQ(w->studyFields().author, "J. Martin");
        properties(m, {{"TextIndice", "C"}});
        EXPECT_TRUE(m.isModified(w)) << "a study field is part of the study";
        ASSERT_TRUE(m.saveActiveStudy());

        const QString pdf = QDir(qEnvironmentVariable("TORVEL_KEEP_NOTES", dir.path()))
                                .filePath(QStringLiteral("cartouche-%1.pdf").arg(localeName));
        ASSERT_TRUE(m.exportActiveNote(pdf));
        const QString text = folded(pdfText(pdf));
        qsizetype from = 0;
        for (const QString& t :
             {QStringLiteral("Note de calcul"), QStringLiteral("Bureau d'études Lemaire"),
              QStringLiteral("Affaire : A-2024-117"), QStringLiteral("Référence : Poutre P1"),
              QStringLiteral("Indice : C"), QStringLiteral("Auteur : J. Martin"),
              QStringLiteral("Vérifié par : P. Durand"), QStringLiteral("Fichier : poutre.torvel"),
              QStringLiteral("page 1 / "), QStringLiteral("Messages"),
              QStringLiteral("Établi par Vérifié par Approuvé par"),
              QStringLiteral("Nom : J. Martin Nom : P. Durand Nom :"),
              QStringLiteral("Date : ") + torvel::shortDate() + QStringLiteral(" Date : Date :"),
              QStringLiteral("Visa : Visa : Visa :")}) {
            from = text.indexOf(t, from);
            EXPECT_GE(from, 0) << "missing or out of order: " << t.toStdString() << "\n"
                               << text.toStdString();
            from = std::max<qsizetype>(from, 0);
        }
        EXPECT_EQ(run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).size(),
                  2 + pdfPages(pdf))
            << "the logo, once a page";

        // A colleague's study keeps its author, and the note its study's fields.
        office(m, {{"TextAuteur", "K. Autre"}, {"TextLogo", ""}});
        for (const QString& file : {study, pdf}) {
            m.closeAll();
            catchMessages([&] { ASSERT_TRUE(m.openStudyFile(file)); });
            const torvel::StudyFields kept = m.study("Section")->studyFields();
            EXPECT_EQ(kept, (torvel::StudyFields{"A-2024-117", "C", "P. Durand", "J. Martin"}));
        }
        // A file written before the study fields opens with them empty.
        QFile file(study);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QJsonObject older = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        ASSERT_TRUE(older.contains("cartouche"));
        older.remove("cartouche");
        const QString old = dir.filePath("ancienne.torvel");
        QFile oldFile(old);
        ASSERT_TRUE(oldFile.open(QIODevice::WriteOnly));
        oldFile.write(QJsonDocument(older).toJson());
        oldFile.close();
        m.closeAll();
        catchMessages([&] { ASSERT_TRUE(m.openStudyFile(old)); });
        EXPECT_EQ(m.study("Section")->studyFields(), torvel::StudyFields{});
        EXPECT_FALSE(m.isModified(m.study("Section")));
        office(m, {{"TextSociete", ""}, {"TextAuteur", ""}});
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
