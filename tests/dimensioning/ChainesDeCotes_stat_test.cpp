// The chains' statistical tolerancing through the window: classes filling the
// deviations, laws, the need, the part out of it and the shares, the run off
// the interface thread, the study file and the note.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include "ChainesDeCotes.h"
#include "chain_note.h"
#include "note_builder.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

QTableWidgetItem* cell(QWidget* w, int chain, int row, int column) {
    return child<QTableWidget>(w, QStringLiteral("GridStat%1").arg(chain))->item(row + 1, column);
}

// A = 50 +0.1/0 outer, M = 49.8 0/-0.05 inner, a need of 0.22 to 0.34.
void typeExample(ChainesDeCotes& w, const char* sep) {
    const QString s = QString::fromLatin1(sep);
    set(&w, "TextJe1A", "50");
    set(&w, "TextJe1MaxA", "0" + s + "1");
    set(&w, "TextJi1A", "49" + s + "8");
    set(&w, "TextJi1minA", "-0" + s + "05");
    set(&w, "TextJminRequis1", "0" + s + "22");
    set(&w, "TextJmaxRequis1", "0" + s + "34");
}

void calculate(ChainesDeCotes& w) {
    const QStringList messages = catchMessages([&] { click(&w, "BtCalculer"); });
    EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
    EXPECT_TRUE(w.bringResultsCurrent());
}

QStringList shares(QWidget* w, int row) {
    return {cell(w, 1, row, 4)->text(), cell(w, 1, row, 5)->text()};
}

}  // namespace

TEST(ChainesDeCotesStat, WorkedExamplesThroughTheWindowInBothLocales) {
    struct Case {
        const char* locale;
        const char* sep;
        const char* law;
        QString ppm, interval, cp;
        QStringList sharesA, sharesM;
    };
    const Case cases[] = {
        {"fr_FR",
         ",",
         "Normale",
         "1 823,7",
         "",
         "1,073",
         {"80,0 %", "66,7 %"},
         {"20,0 %", "33,3 %"}},
        {"en_US",
         ".",
         "Normale",
         "1 823.7",
         "",
         "1.073",
         {"80.0 %", "66.7 %"},
         {"20.0 %", "33.3 %"}},
        // The exact figure of this case is 15 246 ppm: inside the interval.
        {"fr_FR",
         ",",
         "Uniforme",
         "15 422",
         "15 182 à 15 665",
         "0,666",
         {"92,3 %", "66,7 %"},
         {"7,7 %", "33,3 %"}},
        {"en_US",
         ".",
         "Uniforme",
         "15 422",
         "15 182 à 15 665",
         "0.666",
         {"92.3 %", "66.7 %"},
         {"7.7 %", "33.3 %"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.law);
        LocaleScope locale(c.locale);
        ChainesDeCotes w;
        typeExample(w, c.sep);
        cell(&w, 1, 0, 2)->setText(QString::fromUtf8(c.law));
        calculate(w);
        EXPECT_EQ(text(&w, "TextPpm1"), c.ppm);
        EXPECT_EQ(text(&w, "TextIntervalle1"), c.interval);
        EXPECT_EQ(text(&w, "TextCp1"), c.cp);
        EXPECT_EQ(shares(&w, 0), c.sharesA);
        EXPECT_EQ(shares(&w, 6), c.sharesM);
        EXPECT_EQ(text(&w, "TextJeu1"), " 0" + QString::fromLatin1(c.sep) + "200");  // unchanged
        EXPECT_TRUE(text(&w, "LabelStat1").startsWith("Au pire : jeu de 0"));
        EXPECT_TRUE(text(&w, "LabelStat1").contains("hors du jeu requis"));
        EXPECT_TRUE(child<QLabel>(&w, "LabelStat1")->styleSheet().contains("#c00000"));
        const QString description = child<QWidget>(&w, "PictureHisto1")->accessibleDescription();
        EXPECT_TRUE(description.contains("1 000 000 tirages (graine 1) en 60 classes"))
            << description.toStdString();
        // Rows of dimensions not in use are hidden.
        auto* grid = child<QTableWidget>(&w, "GridStat1");
        EXPECT_FALSE(grid->isRowHidden(1));
        EXPECT_TRUE(grid->isRowHidden(2));
        EXPECT_FALSE(grid->isRowHidden(7));
        EXPECT_EQ(text(&w, "TextPpm2"), "");  // the second chain stays as it was
    }
}

TEST(ChainesDeCotesStat, ClassFillsItsRowsDeviationsReadOnly) {
    struct Case {
        const char* locale;
        const char* box;
        const char* nominal;
        int row;
        const char* tolClass;
        QString upper, lower;
    };
    const Case cases[] = {
        {"fr_FR", "TextJe1%1A", "25", 0, "h7", "0", "-0,021"},
        {"en_US", "TextJe1%1A", "25", 0, "h7", "0", "-0.021"},
        {"fr_FR", "TextJi2%1B", "25", 7, "H7", "0,021", "0"},
        {"fr_FR", "TextJe1%1C", "120,5", 2, "m", "0,5", "-0,5"},
        {"en_US", "TextJi1%1A", "25", 6, "m", "0.2", "-0.2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.tolClass);
        LocaleScope locale(c.locale);
        ChainesDeCotes w;
        const int chain = QString::fromLatin1(c.box).mid(6, 1).toInt();
        set(&w, QString::fromLatin1(c.box).arg(""), QString::fromLatin1(c.nominal));
        set(&w, QStringLiteral("TextTirages%1").arg(chain), "1000");
        cell(&w, chain, c.row, 1)->setText(QString::fromUtf8(c.tolClass));
        auto* upper = child<QLineEdit>(&w, QString::fromLatin1(c.box).arg("Max"));
        auto* lower = child<QLineEdit>(&w, QString::fromLatin1(c.box).arg("min"));
        EXPECT_EQ(upper->text(), c.upper);
        EXPECT_EQ(lower->text(), c.lower);
        EXPECT_TRUE(upper->isReadOnly());
        EXPECT_TRUE(lower->isReadOnly());
        calculate(w);
        EXPECT_EQ(upper->text(), c.upper);
        cell(&w, chain, c.row, 1)->setText(QString());
        EXPECT_FALSE(upper->isReadOnly());
    }
}

TEST(ChainesDeCotesStat, RefusedEntryShowsItsMessageAndWritesNothing) {
    const struct {
        int row, column;
        const char* text;
        const char* message;
    } cases[] = {
        {0, 1, "h77", "Cote A : la classe « h77 » n'existe pas pour une cote de 50."},
        {6, 2, "Gauss",
         "Cote M : la loi « Gauss » est inconnue (Normale, Uniforme ou Triangulaire)."},
        {0, 3, "0", "Cote A : le Cp doit être un nombre de 0,1 à 100."},
    };
    for (const auto& c : cases) {
        LocaleScope locale("fr_FR");
        ChainesDeCotes w;
        typeExample(w, ",");
        calculate(w);
        cell(&w, 1, c.row, c.column)->setText(QString::fromUtf8(c.text));
        const QStringList messages = catchMessages([&] { click(&w, "BtCalculer"); });
        EXPECT_EQ(messages, QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(text(&w, "TextPpm1"), "1 823,7");  // as it was
    }
}

TEST(ChainesDeCotesStat, EntryChangeOrNewRunCancelsTheRunInFlight) {
    LocaleScope locale("fr_FR");
    ChainesDeCotes w;
    typeExample(w, ",");
    cell(&w, 1, 0, 2)->setText(QStringLiteral("Uniforme"));
    set(&w, "TextTirages1", "10000000");
    click(&w, "BtCalculer");
    // Its end is only seen once the event loop runs: still in flight here.
    EXPECT_TRUE(w.simulationRunning());
    EXPECT_FALSE(w.resultsCurrent());
    EXPECT_EQ(text(&w, "TextPpm1"), "calcul en cours…");
    click(&w, "BtCalculer");
    EXPECT_TRUE(w.simulationRunning());
    set(&w, "TextJmaxRequis1", "0,35");
    EXPECT_FALSE(w.simulationRunning());
    EXPECT_TRUE(w.resultsOutOfDate());
    EXPECT_EQ(text(&w, "TextPpm1"), "");  // never computed: not shown
    // The note brings the results current and waits for their run.
    set(&w, "TextTirages1", "20000");
    EXPECT_TRUE(w.bringResultsCurrent());
    EXPECT_FALSE(w.simulationRunning());
    EXPECT_TRUE(text(&w, "TextIntervalle1").contains(" à "))
        << text(&w, "TextIntervalle1").toStdString();
    // The second chain's RAZ leaves the first chain's run to its end.
    click(&w, "BtCalculer");
    ASSERT_TRUE(w.simulationRunning());
    click(&w, "BT_RAZ2");
    EXPECT_TRUE(w.simulationRunning());
    EXPECT_FALSE(w.resultsCurrent());
    w.waitForSimulation();
    EXPECT_TRUE(w.resultsCurrent());
    EXPECT_TRUE(text(&w, "TextIntervalle1").contains(" à "));
}

TEST(ChainesDeCotesStat, SavedAndReopenedGivesTheSamePpm) {
    for (const char* law : {"Normale", "Triangulaire"}) {
        LocaleScope locale("fr_FR");
        ChainesDeCotes a;
        typeExample(a, ",");
        set(&a, "TextJe1B", "10");
        cell(&a, 1, 1, 1)->setText(QStringLiteral("js9"));
        cell(&a, 1, 1, 2)->setText(QString::fromUtf8(law));
        set(&a, "TextGraine1", "20261210");
        set(&a, "TextTirages1", "200 000");
        calculate(a);
        const QJsonObject saved = a.keptInputs();
        EXPECT_EQ(saved.value("TextGraine1").toString(), "20261210");
        ChainesDeCotes b;
        ASSERT_EQ(b.checkKeptInputs(saved), "");
        b.restoreKeptInputs(QString(), saved);
        EXPECT_TRUE(b.bringResultsCurrent());
        EXPECT_EQ(text(&b, "TextPpm1"), text(&a, "TextPpm1"));
        EXPECT_EQ(text(&b, "TextIntervalle1"), text(&a, "TextIntervalle1"));
        EXPECT_EQ(text(&b, "TextJe1MaxB"), "0,018");
        EXPECT_EQ(child<QWidget>(&b, "PictureHisto1")->accessibleDescription(),
                  child<QWidget>(&a, "PictureHisto1")->accessibleDescription());
    }
}

// Whatever the grid can hold opens again: a class the nominal cannot take is
// refused by "Calculer" as when it was typed; only a damaged file is refused.
TEST(ChainesDeCotesStat, StudyFileRefusesADamagedLawOrCellByName) {
    const struct {
        const char* nominal;
        int column;
        QJsonValue value;
        QString refused, calculer;
    } cases[] = {
        {"25", 1, "Gauss", "la loi « Gauss » de la cote A est inconnue", ""},
        {"25", 2, 1.5, "une cellule de la cote A n'est pas un texte", ""},
        {"25", 0, "h77", "", "Cote A : la classe « h77 » n'existe pas pour une cote de 25."},
        {"600", 0, "h7", "", "Cote A : la classe « h7 » n'existe pas pour une cote de 600."},
        {"25", 2, "1e-300", "", "Cote A : le Cp doit être un nombre de 0,1 à 100."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.nominal) + " " + c.value.toVariant().toString().toStdString());
        LocaleScope locale("fr_FR");
        ChainesDeCotes w;
        set(&w, "TextJe1A", c.nominal);
        QJsonObject saved = w.keptInputs();
        ASSERT_EQ(w.checkKeptInputs(saved), "");
        QJsonArray rows = saved.value("GridStat1").toArray();
        QJsonArray first = rows.at(0).toArray();
        first[c.column] = c.value;
        rows[0] = first;
        saved["GridStat1"] = rows;
        EXPECT_EQ(w.checkKeptInputs(saved), c.refused);
        if (!c.refused.isEmpty()) continue;
        ChainesDeCotes again;
        const QStringList said = catchMessages([&] { again.restoreKeptInputs(QString(), saved); });
        EXPECT_EQ(said, QStringList{c.calculer});
        EXPECT_EQ(again.keptInputs(), saved);
    }
}

TEST(ChainesDeCotesStat, OlderFileOpensWithTheGroupUnusedAndOutOfTheNote) {
    LocaleScope locale("fr_FR");
    ChainesDeCotes older;
    typeExample(older, ",");
    QJsonObject inputs = older.keptInputs();
    for (const QString& key : inputs.keys())
        if (!key.startsWith("TextJ") || key.contains("Requis")) inputs.remove(key);
    ChainesDeCotes w;
    ASSERT_EQ(w.checkKeptInputs(inputs), "");
    w.restoreKeptInputs(QString(), inputs);
    EXPECT_TRUE(w.bringResultsCurrent());
    EXPECT_EQ(text(&w, "TextPpm1"), "");
    EXPECT_EQ(text(&w, "TextCote1Max"), "  0,350");
    auto groups = [&] {
        QStringList titles;
        const torvel::CalcNote note =
            torvel::buildNote(w, torvel::chainesDeCotesNote(), "Note", QString());
        for (const auto& g : note.data) titles << QString::fromStdString(g.title);
        for (const auto& g : note.results)
            for (const auto& row : g.rows)
                titles << QString::fromStdString(row.caption + " " + row.value + " " + row.unit);
        return titles;
    };
    EXPECT_FALSE(groups().join("|").contains("Tolérancement statistique"));
    EXPECT_TRUE(torvel::noteDrawing(w).paint == nullptr);
    // In use, the group, its results with their units and the histogram are in the note.
    set(&w, "TextJminRequis1", "0,22");
    set(&w, "TextJmaxRequis1", "0,34");
    EXPECT_TRUE(w.bringResultsCurrent());
    const QString note = groups().join("|");
    EXPECT_TRUE(note.contains("Tolérancement statistique")) << note.toStdString();
    EXPECT_TRUE(note.contains("Hors tolérance 1 823,7 ppm")) << note.toStdString();
    EXPECT_TRUE(note.contains("Jeu moyen 0,275 mm")) << note.toStdString();
    EXPECT_TRUE(torvel::noteDrawing(w).paint != nullptr);
}

TEST(ChainesDeCotesStat, NotePrintsTheRunItsCountSeedVerdictAndHistogram) {
    LocaleScope locale("fr_FR");
    ChainesDeCotes w;
    typeExample(w, ",");
    cell(&w, 1, 0, 2)->setText(QStringLiteral("Uniforme"));
    set(&w, "TextGraine1", "42");
    set(&w, "TextTirages1", "50000");
    click(&w, "BtCalculer");
    // A note asked for while the run is in flight waits for it.
    ASSERT_TRUE(w.simulationRunning());
    ASSERT_TRUE(w.bringResultsCurrent());
    const torvel::CalcNote note =
        torvel::buildNote(w, torvel::chainesDeCotesNote(), "Cotation Fonctionnelle", QString());
    // The shares are printed as the grid shows them.
    QStringList rows;
    for (const auto& group : note.data)
        for (const auto& row : group.rows)
            if (row.caption == "Cas A")
                rows << QString::fromStdString(row.value + " | " + row.unit);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].endsWith(
        "Uniforme ; 1 ; 92,3 % ; 66,7 % | Classe ; Loi ; Cp ; Part (variance) ; Part (IT)"))
        << rows[0].toStdString();
    const torvel::NoteDrawing drawing = torvel::noteDrawing(w);
    ASSERT_TRUE(drawing.paint != nullptr);
    QTemporaryDir dir;
    const QString path = reportPdfPath(dir, "chaines-stat.pdf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(torvel::writeNotePdf(&file, note, drawing, QString(), QByteArray()));
    file.close();
    const QString printed = pdfText(path).simplified();
    for (const QString& expected :
         {QStringLiteral("Tolérancement statistique"), QStringLiteral("Tirages 50000"),
          QStringLiteral("Graine 42"), QStringLiteral("Uniforme"),
          QStringLiteral("Monte Carlo, 50 000 tirages, graine 42"),
          QStringLiteral("Au pire : jeu de 0,200 à 0,350, hors du jeu requis"),
          QStringLiteral("50 000 tirages, graine 42")})
        EXPECT_TRUE(printed.contains(expected)) << expected.toStdString() << "\n"
                                                << printed.toStdString();
    const QString ppm = QStringLiteral("Hors tolérance %1 ppm IC 95 % %2 ppm")
                            .arg(text(&w, "TextPpm1"), text(&w, "TextIntervalle1"));
    EXPECT_TRUE(printed.contains(ppm)) << ppm.toStdString() << "\n" << printed.toStdString();
}
