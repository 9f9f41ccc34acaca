// Study files through the main window, as a user keeps and reopens a study:
// round trips of every study, bad files refused whole, the questions before
// losing changes, failed saves, the recent list and the command line.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <csignal>

#include "MDIForm1.h"
#include "StudyWindow.h"
#include "examples.h"
#include "fits_selection.h"
#include "frmSplash.h"
#include "studies.h"
#include "ui_helpers.h"

using namespace testing_ui;
using torvel::StudyWindow;

namespace {

QString statusText(MDIForm1& m) { return text(&m, "StatusFichier"); }

// Runs `action` answering every box: a question with `answer`, others with OK,
// a save dialog with `file`. Returns each box's title, text and informative
// text, "?" first for a question.
QStringList answering(const std::function<void()>& action, QMessageBox::StandardButton answer,
                      const QString& file = {}) {
    QStringList seen;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        const bool question = box->icon() == QMessageBox::Question;
        seen << (question ? "?" : "") + box->windowTitle() + "|" + box->text() +
                    (box->informativeText().isEmpty() ? "" : "|" + box->informativeText());
        if (question)
            box->button(answer)->click();
        else
            box->done(QMessageBox::Ok);
    });
    timer.start();
    action();
    return seen;
}

// Quitting ends the application's event loop: it runs inside one, so that the
// loops of later boxes still run.
void insideApplicationLoop(const std::function<void()>& act) {
    QTimer::singleShot(0, [&] {
        act();
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
}

StudyWindow* openExample(MDIForm1& m, const char* type) {
    StudyWindow* w = m.openStudy(QString::fromLatin1(type));
    tools::fillExample(w, *torvel::findStudy(type));
    catchMessages([&] { w->calculateAsButton(); });
    return w;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

QJsonObject readJson(const QString& path) {
    return QJsonDocument::fromJson(readBytes(path)).object();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class StudyFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        torvel::fits::resetFitsSelection();
        showActive(&m);
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    MDIForm1 m;
};

class StudyFilesInLocale : public ::testing::TestWithParam<const char*> {};

}  // namespace

// Every study of the registry keeps its example: the same entries and results
// after saving, closing and opening, with no out-of-date mark.
TEST_P(StudyFilesInLocale, EveryStudyComesBackAsSaved) {
    const LocaleScope locale(GetParam());
    QTemporaryDir dir;
    for (const auto& entry : torvel::studyEntries()) {
        SCOPED_TRACE(entry.type);
        torvel::fits::resetFitsSelection();
        MDIForm1 m;
        showActive(&m);
        StudyWindow* w = openExample(m, entry.type);
        if (auto* grid = w->findChild<QTableWidget*>("MSFlexGrid1")) {
            grid->item(2, 1)->setText("1800,5");  // a comma stays a comma
            catchMessages([&] { w->calculateAsButton(); });
        }
        const auto before = shownTexts(w);
        EXPECT_EQ(statusText(m), "Étude non enregistrée");
        const QString file = dir.filePath(QString::fromLatin1(entry.type));
        ASSERT_TRUE(m.saveActiveStudyAs(file));
        EXPECT_EQ(w->windowFilePath(), file + ".torvel");
        EXPECT_EQ(readJson(file + ".torvel")["study"].toString(), entry.type);
        m.closeAll();
        ASSERT_EQ(m.study(entry.type), nullptr);

        EXPECT_EQ(catchMessages([&] { EXPECT_TRUE(m.openStudyFile(file + ".torvel")); }),
                  QStringList());
        StudyWindow* again = m.study(entry.type);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(shownTexts(again), before);
        EXPECT_FALSE(again->resultsOutOfDate());
        EXPECT_FALSE(m.isModified(again));
        EXPECT_EQ(statusText(m), file + ".torvel");
        if (auto* ref = again->reference()) {
            EXPECT_TRUE(again->windowTitle().endsWith(ref->text()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, StudyFilesInLocale, ::testing::Values("fr_FR", "en_US"));

// Tiles clicked one by one come back as clicked; the file holds texts, no results.
TEST_F(StudyFiles, FitsTilesAndTextsOnly) {
    StudyWindow* w = m.openStudy("Ajustements");
    set(w, "Diametre", "40");
    auto* tiles = w->findChild<QLabel*>("Lbl_TB_Cl_Ar_5");  // shaft letter f
    ASSERT_NE(tiles, nullptr);
    catchMessages([&] { QTest::mouseClick(tiles, Qt::LeftButton); });
    const auto before = shownTexts(w);
    ASSERT_TRUE(m.saveActiveStudyAs(path("fits.torvel")));
    const QJsonObject inputs = readJson(path("fits.torvel"))["inputs"].toObject();
    EXPECT_EQ(inputs["Diametre"], "40");
    EXPECT_EQ(inputs["AlesageLettre"], "");
    EXPECT_EQ(inputs["ArbreLettre"].toString() + inputs["ArbreQualite"].toString(),
              text(w, "Aj_Arb"));
    EXPECT_FALSE(inputs.contains("J_Max"));
    m.closeAll();
    torvel::fits::resetFitsSelection();
    ASSERT_TRUE(m.openStudyFile(path("fits.torvel")));
    // The side the file leaves empty shows what a fresh window shows, hidden by
    // the diameter typed.
    EXPECT_EQ(shownTexts(m.study("Ajustements")), before);
}

// A diameter written by hand that the tiles would not take opens with both
// sides chosen and hidden, whatever the file says of them: no value shows as
// computed, the clearances are empty and marked out of date.
TEST_F(StudyFiles, FitsAtAHandWrittenDiameterOutOfRangeShowNoValue) {
    const char* const values[] = {"Af_Ec_Sup_Al", "Af_Ec_Inf_Al", "Res_Al_Max", "Res_Al_Min",
                                  "Af_Ec_Sup_Ar", "Af_Ec_Inf_Ar", "Res_Ar_Max", "Res_Ar_Min",
                                  "Aj_Ale",       "Aj_Arb"};
    StudyWindow* saving = m.openStudy("Ajustements");
    set(saving, "Diametre", "50");
    for (const char* tile :
         {"Lbl_TB_Cl_Al_7", "Lbl_TB_Ql_Al_0", "Lbl_TB_Cl_Ar_13", "Lbl_TB_Ql_Ar_0"})
        catchMessages([&] { QTest::mouseClick(child<QLabel>(saving, tile), Qt::LeftButton); });
    ASSERT_TRUE(m.saveActiveStudyAs(path("h6p5.torvel")));
    const QJsonObject good = readJson(path("h6p5.torvel"));
    ASSERT_EQ(good["inputs"].toObject()["AlesageLettre"].toString() +
                  good["inputs"].toObject()["AlesageQualite"].toString(),
              "H6");
    for (const char* diameter : {"600", "-5", "1e30", "0,5", "", ","}) {
        SCOPED_TRACE(diameter);
        catchMessages([&] { m.closeAll(); });
        QJsonObject root = good;
        QJsonObject inputs = root["inputs"].toObject();
        inputs["Diametre"] = diameter;
        root["inputs"] = inputs;
        writeBytes(path("main.torvel"), QJsonDocument(root).toJson());
        torvel::fits::resetFitsSelection();
        const QStringList said =
            catchMessages([&] { EXPECT_TRUE(m.openStudyFile(path("main.torvel"))); });
        EXPECT_EQ(said, QStringList());
        StudyWindow* w = m.study("Ajustements");
        ASSERT_NE(w, nullptr);
        for (const char* n : values)
            EXPECT_EQ(child<QLabel>(w, n)->palette().color(QPalette::WindowText), QColor(Qt::white))
                << n;
        EXPECT_EQ(text(w, "J_Max"), "");
        EXPECT_EQ(text(w, "J_Min"), "");
        EXPECT_TRUE(child<QLabel>(w, "LabelPerime")->isVisibleTo(w));
        EXPECT_FALSE(w->resultsCurrent());
        EXPECT_EQ(w->keptInputs()["AlesageMasque"], "Oui");
    }
}

// A damaged or foreign file changes nothing: one message naming the file and
// what is wrong, no new window, the open study untouched.
TEST_F(StudyFiles, BadFilesAreRefusedWhole) {
    StudyWindow* roulement = openExample(m, "Roulement");
    ASSERT_TRUE(m.saveActiveStudyAs(path("good.torvel")));
    const QJsonObject good = readJson(path("good.torvel"));
    set(roulement, "TextFr", "4100");
    const auto shown = shownTexts(roulement);

    auto edited = [&](const std::function<void(QJsonObject&)>& change) {
        QJsonObject root = good;
        change(root);
        return QJsonDocument(root).toJson();
    };
    auto input = [](const char* name, const QJsonValue& value) {
        return [=](QJsonObject& root) {
            QJsonObject inputs = root["inputs"].toObject();
            if (value.isUndefined())
                inputs.remove(name);
            else
                inputs[name] = value;
            root["inputs"] = inputs;
        };
    };
    const QByteArray fits = edited([](QJsonObject& root) {
        root["study"] = "Ajustements";
        root["reference"] = "";
        root["inputs"] = QJsonObject{{"Diametre", "25"},     {"ComboAjustementsUsuels", ""},
                                     {"AlesageLettre", "H"}, {"AlesageQualite", "7"},
                                     {"ArbreLettre", ""},    {"ArbreQualite", ""}};
    });
    ASSERT_TRUE(QDir().mkpath(path("dossier.torvel")));
    struct Case {
        const char* name;
        QByteArray bytes;  // empty: the file is not written
        const char* reason;
    };
    const Case cases[] = {
        {"texte.torvel", "ceci n'est pas du JSON", "n'est pas un document JSON valide"},
        {"autre.torvel", R"({"name": "autre", "version": 3})", "ce n'est pas une étude TORVEL"},
        {"futur.torvel", edited([](QJsonObject& r) { r["version"] = 2; }),
         "créé par une version plus récente de TORVEL (format 2) ; étude écrite par TORVEL 1.4.1"},
        {"neuf.torvel", edited([&](QJsonObject& r) {
             r["program"] = "TORVEL 9.0.0";
             input("TextZ", "1")(r);
         }),
         "le champ « TextZ » est inconnu ; étude écrite par TORVEL 9.0.0, plus récent que "
         "TORVEL 1.4.1 : mettez TORVEL à jour"},
        {"version.torvel", edited([](QJsonObject& r) { r["version"] = "1"; }),
         "« version » manque ou n'est pas un numéro de version"},
        {"type.torvel", edited([](QJsonObject& r) { r["study"] = "Turbine"; }),
         "le type d'étude « Turbine » est inconnu"},
        {"sansref.torvel", edited([](QJsonObject& r) { r.remove("reference"); }),
         "« reference » manque ou n'est pas un texte"},
        {"nombre.torvel", edited(input("TextFr", 4000)), "« TextFr » n'est ni un texte"},
        {"tableau.torvel", edited(input("TextFr", QJsonArray{QJsonArray{"1"}})),
         "le champ « TextFr » n'a pas le type attendu"},
        {"inconnu.torvel", edited(input("TextZ", "1")), "le champ « TextZ » est inconnu"},
        {"extra.torvel", edited([](QJsonObject& r) { r["resultats"] = QJsonObject(); }),
         "le champ « resultats » est inconnu"},
        {"cartouche.torvel", edited([](QJsonObject& r) { r["cartouche"] = "A-117"; }),
         "le champ « cartouche » n'est pas une liste de textes nommés"},
        {"indice.torvel", edited([](QJsonObject& r) {
             r["cartouche"] = QJsonObject{{"indice", 2}};
         }),
         "le champ « indice » du cartouche n'est pas un texte"},
        {"visa.torvel", edited([](QJsonObject& r) {
             r["cartouche"] = QJsonObject{{"approuvePar", "X"}};
         }),
         "le champ « approuvePar » du cartouche est inconnu"},
        {"liste.torvel", edited([&](QJsonObject& r) {
             r = QJsonDocument::fromJson(fits).object();
             input("ComboAjustementsUsuels", "H7/z9")(r);
         }),
         "la liste « ComboAjustementsUsuels » ne propose pas « H7/z9 »"},
        {"tuile.torvel", edited([&](QJsonObject& r) {
             r = QJsonDocument::fromJson(fits).object();
             input("AlesageQualite", "4")(r);
         }),
         "l'alésage « H4 » ne désigne pas une classe de tolérance"},
        {"nulle.torvel", edited([&](QJsonObject& r) {
             r = QJsonDocument::fromJson(fits).object();
             input("AlesageLettre", "A")(r);
             input("AlesageQualite", "10")(r);
         }),
         "la classe A10 n'existe à aucun diamètre"},
        {"usuel.torvel", edited([&](QJsonObject& r) {
             r = QJsonDocument::fromJson(fits).object();
             input("AlesageQualite", "6")(r);
             input("ComboAjustementsUsuels", "H7/g6 (jeu)")(r);
         }),
         "le nom d'ajustement usuel « H7/g6 (jeu) » ne correspond pas aux classes"},
        {"lettres.torvel", edited([&](QJsonObject& r) {
             r = QJsonDocument::fromJson(fits).object();
             input("Diametre", "abc")(r);
         }),
         "le diamètre « abc » n'est pas un nombre"},
        {"nan.torvel", edited([&](QJsonObject& r) {
             r = QJsonDocument::fromJson(fits).object();
             input("Diametre", "nan")(r);
         }),
         "le diamètre « nan » n'est pas un nombre"},
        {"masque.torvel", edited([&](QJsonObject& r) {
             r = QJsonDocument::fromJson(fits).object();
             input("ArbreMasque", "peut-être")(r);
         }),
         "le champ « ArbreMasque » ne vaut ni « Oui » ni rien"},
        {"gros.torvel", QByteArray(1024 * 1024 + 1, ' '), "le fichier dépasse 1 Mio"},
        {"dossier.torvel", {}, "c'est un dossier"},
        {"absent.torvel", {}, "le fichier n'existe pas"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.bytes.isEmpty()) writeBytes(path(c.name), c.bytes);
        bool opened = true;
        const QStringList messages = catchMessages([&] { opened = m.openStudyFile(path(c.name)); });
        EXPECT_FALSE(opened);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith("Impossible d'ouvrir l'étude « " + path(c.name) + " »"));
        EXPECT_TRUE(messages[0].contains(QString::fromUtf8(c.reason))) << messages[0].toStdString();
        EXPECT_EQ(lastBoxLook().title, "Attention");
        EXPECT_EQ(m.mdiArea()->subWindowList().size(), 1);
        EXPECT_EQ(shownTexts(roulement), shown);
        EXPECT_EQ(roulement->windowFilePath(), path("good.torvel"));
    }
    if (geteuid() != 0) {  // root reads any file
        writeBytes(path("illisible.torvel"), "{}");
        QFile::setPermissions(path("illisible.torvel"), QFileDevice::Permissions());
        const QStringList messages =
            catchMessages([&] { EXPECT_FALSE(m.openStudyFile(path("illisible.torvel"))); });
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains("le fichier ne peut pas être lu"));
    }
    // An editable list takes back any text, as typed.
    writeBytes(path("libre.torvel"), edited(input("ComboType", "Ma série")));
    answering([&] { EXPECT_TRUE(m.openStudyFile(path("libre.torvel"))); }, QMessageBox::No);
    EXPECT_EQ(text(roulement, "ComboType"), "Ma série");
}

// Only a study that belongs to a file and was changed asks; each answer does
// what it says, and a study never saved never asks.
TEST_F(StudyFiles, ModifiedStudiesAskBeforeTheirChangesAreLost) {
    enum class Action { Close, Quit, OpenOver };
    struct Case {
        Action action;
        QMessageBox::StandardButton answer;
        bool gone;   // the changes left the window (closed or replaced)
        bool saved;  // the file holds the change
    };
    const Case cases[] = {
        {Action::Close, QMessageBox::Cancel, false, false},
        {Action::Close, QMessageBox::No, true, false},
        {Action::Close, QMessageBox::Yes, true, true},
        {Action::Quit, QMessageBox::Cancel, false, false},
        {Action::Quit, QMessageBox::No, true, false},
        {Action::Quit, QMessageBox::Yes, true, true},
        {Action::OpenOver, QMessageBox::Cancel, false, false},
        {Action::OpenOver, QMessageBox::No, true, false},
        {Action::OpenOver, QMessageBox::Yes, true, true},
    };
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(row++);
        MDIForm1 main;
        showActive(&main);
        StudyWindow* w = openExample(main, "Roulement");
        const QString a = path("a.torvel"), b = path("b.torvel");
        ASSERT_TRUE(main.saveActiveStudyAs(b));
        ASSERT_TRUE(main.saveActiveStudyAs(a));
        set(w, "TextFr", "5000");
        EXPECT_TRUE(main.isModified(w));
        EXPECT_EQ(statusText(main), a + " (modifiée)");

        std::function<void()> act;
        if (c.action == Action::Close) act = [&] { main.closeActive(); };
        if (c.action == Action::Quit) act = [&] { insideApplicationLoop([&] { main.quit(); }); };
        if (c.action == Action::OpenOver) act = [&] { main.openStudyFile(b); };
        const QStringList asked = answering(act, c.answer);
        EXPECT_EQ(asked, QStringList{"?Attention|L'étude « a.torvel » a été modifiée.|Enregistrer "
                                     "les modifications ?"});
        EXPECT_EQ(readJson(a)["inputs"].toObject()["TextFr"], c.saved ? "5000" : "4000");
        if (c.action == Action::Close) {
            EXPECT_EQ(main.study("Roulement") == nullptr, c.gone);
        } else if (c.action == Action::OpenOver) {
            EXPECT_EQ(text(w, "TextFr"), c.gone ? "4000" : "5000");
        } else {  // once quitting went on, closing asks no more
            EXPECT_EQ(answering([&] { main.closeAll(); }, QMessageBox::Cancel).isEmpty(), c.gone);
        }
    }

    // A study never saved closes and quits in silence.
    StudyWindow* scratch = openExample(m, "Section");
    set(scratch, "Texta", "50");
    EXPECT_FALSE(m.isModified(scratch));
    EXPECT_EQ(answering([&] { insideApplicationLoop([&] { m.quit(); }); }, QMessageBox::Cancel),
              QStringList());
}

// A study never saved asks before an opened file replaces what was typed in it
// (not when its window is as it opened); "Oui" saves it under a new name first.
TEST_F(StudyFiles, StudiesNeverSavedAskBeforeAFileReplacesThem) {
    openExample(m, "Roulement");
    ASSERT_TRUE(m.saveActiveStudyAs(path("b.torvel")));
    ASSERT_TRUE(m.exportActiveNote(path("note.pdf")));
    struct Case {
        const char* start;  // "new", "typed", "note"
        const char* reference;
        QMessageBox::StandardButton answer;
        const char* asked;  // "" when nothing is asked
        bool replaced;
    };
    const Case cases[] = {
        {"new", "", QMessageBox::Cancel, "", true},
        {"typed", "", QMessageBox::Cancel, "Sans nom", false},
        {"typed", "", QMessageBox::No, "Sans nom", true},
        {"typed", "R1", QMessageBox::Yes, "R1", true},
        {"note", nullptr, QMessageBox::Cancel, "Réducteur 3", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + std::to_string(c.answer));
        MDIForm1 main;
        showActive(&main);
        StudyWindow* w = main.openStudy("Roulement");
        if (QString(c.start) == "note") {
            ASSERT_TRUE(main.openStudyFile(path("note.pdf")));
        } else if (QString(c.start) == "typed") {
            set(w, "TextFr", "5000");
            set(w, "TextRef", c.reference);
        }
        const QStringList asked =
            answering([&] { main.openStudyFile(path("b.torvel")); }, c.answer, path("c"));
        EXPECT_EQ(asked, *c.asked ? QStringList{QStringLiteral("?Attention|L'étude « %1 » a été "
                                                               "modifiée.|Enregistrer les "
                                                               "modifications ?")
                                                    .arg(QString::fromUtf8(c.asked))}
                                  : QStringList());
        EXPECT_EQ(w->windowFilePath(), c.replaced ? path("b.torvel") : QString());
        if (c.answer == QMessageBox::Yes) {
            EXPECT_EQ(readJson(path("c.torvel"))["inputs"].toObject()["TextFr"], "5000");
        }
    }
}

// Opening again the file a changed study belongs to asks whether to go back to
// it; whatever the path through the questions, the window and the disk agree.
TEST_F(StudyFiles, OpeningTheStudysOwnFileAgainAsksToRevert) {
    const QString revert =
        "?Attention|Revenir à la version enregistrée ? Les modifications "
        "seront perdues.";
    struct Case {
        const char* start;  // "saved" then edited, "unchanged", "typed" (never saved)
        bool recent;        // through the recent list, else the dialog's path
        QMessageBox::StandardButton answer;
        QStringList asked;
        const char* shown;  // TextFr afterwards, in the window
        const char* onDisk;
        bool modified;
    };
    const Case cases[] = {
        {"saved", true, QMessageBox::Yes, {revert}, "4000", "4000", false},
        {"saved", false, QMessageBox::Cancel, {revert}, "5000", "4000", true},
        {"unchanged", false, QMessageBox::Cancel, {}, "4000", "4000", false},
        {"typed",
         false,
         QMessageBox::Yes,
         {"?Attention|L'étude « Sans nom » a été modifiée.|Enregistrer les modifications ?",
          "?Attention|Le fichier « b.torvel » existe déjà.\nVoulez-vous le remplacer ?",
          // what opens is what was just saved, computed: only Fr was typed
          "Attention|Veuillez entrer une Charge Statique de Base !"},
         "5000",
         "5000",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + std::to_string(c.answer));
        const QString b = path("b.torvel");
        MDIForm1 main;
        showActive(&main);
        StudyWindow* w = openExample(main, "Roulement");
        ASSERT_TRUE(main.saveActiveStudyAs(b));
        if (QString(c.start) == "typed") {
            main.closeAll();
            w = main.openStudy("Roulement");
            set(w, "TextFr", "5000");
        } else if (QString(c.start) == "saved") {
            set(w, "TextFr", "5000");
        }
        const QStringList asked = answering(
            [&] {
                if (c.recent)
                    main.findChild<QAction*>("MNU_Recent1")->trigger();
                else
                    main.openStudyFile(b);
            },
            c.answer, b);
        EXPECT_EQ(asked, c.asked);
        ASSERT_EQ(main.study("Roulement"), w);
        EXPECT_EQ(text(w, "TextFr"), c.shown);
        EXPECT_EQ(readJson(b)["inputs"].toObject()["TextFr"], c.onDisk);
        EXPECT_EQ(w->windowFilePath(), b);
        EXPECT_EQ(main.isModified(w), c.modified);
    }
}

// "Enregistrer sous" asks before replacing the file it finally writes, and
// never writes onto the file of another open study.
TEST_F(StudyFiles, SavingAsAsksOfTheNameWrittenAndSharesNoFile) {
    openExample(m, "Section");
    ASSERT_TRUE(m.saveActiveStudyAs(path("Arbre 1.5")));
    const QByteArray section = readBytes(path("Arbre 1.5.torvel"));
    openExample(m, "Roulement");
    // Asked of the name written; "Oui" is then refused: the Section's window holds the file.
    const QStringList asked = answering([&] { EXPECT_FALSE(m.saveActiveStudyAsDialog()); },
                                        QMessageBox::Yes, path("Arbre 1.5"));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0],
              "?Attention|Le fichier « Arbre 1.5.torvel » existe déjà.\nVoulez-vous le "
              "remplacer ?");
    EXPECT_EQ(asked[1], "Attention|Impossible d'enregistrer l'étude dans « " +
                            path("Arbre 1.5.torvel") +
                            " » :\nce fichier est l'étude de la fenêtre « Section - Etude  : "
                            "Poutre P1 », encore ouverte");
    EXPECT_EQ(readBytes(path("Arbre 1.5.torvel")), section);
    m.study("Section")->parentWidget()->close();
    EXPECT_TRUE(m.saveActiveStudyAs(path("Arbre 1.5")));
    EXPECT_EQ(readJson(path("Arbre 1.5.torvel"))["study"], "Roulement");
}

// A file older than some inputs opens: each missing input shows what a newly
// opened window shows, the others come from the file. An untouched window
// holds its opening values, so that it never asks.
TEST_F(StudyFiles, OlderFilesOpenWithTheMissingInputsAtTheirOpeningValues) {
    for (const auto& entry : torvel::studyEntries()) {
        torvel::fits::resetFitsSelection();
        std::unique_ptr<StudyWindow> fresh(entry.create());
        EXPECT_EQ(fresh->keptInputs(), fresh->openingInputs()) << entry.type;
    }
    struct Case {
        const char* type;
        QStringList missing;
        const char* shown;  // a box that shows the file's own value
    };
    const Case cases[] = {
        {"Roulement",
         {"Textd", "TextDext", "TextCu", "TextNu40", "TextNu100", "TextT", "ComboPollution"},
         "TextL10"},
        {"ChainesDeCotes", {"Text1"}, "TextJeu1"},
        {"Ajustements", {"ComboAjustementsUsuels", "AlesageLettre", "AlesageQualite"}, "Diametre"},
        {"RessortCompression",
         {"ComboMateriau", "TextRm", "ComboSollicitation", "CheckGrenaille"},
         "TextTb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        torvel::fits::resetFitsSelection();
        MDIForm1 main;
        showActive(&main);
        StudyWindow* w = openExample(main, c.type);
        const auto example = shownTexts(w);
        const QJsonObject opening = w->openingInputs();
        ASSERT_TRUE(main.saveActiveStudyAs(path("old.torvel")));
        QJsonObject root = readJson(path("old.torvel"));
        QJsonObject inputs = root["inputs"].toObject();
        for (const QString& name : c.missing) {
            ASSERT_TRUE(inputs.contains(name)) << name.toStdString();
            inputs.remove(name);
        }
        root["inputs"] = inputs;
        writeBytes(path("old.torvel"), QJsonDocument(root).toJson());
        main.closeAll();
        torvel::fits::resetFitsSelection();
        EXPECT_EQ(catchMessages([&] { EXPECT_TRUE(main.openStudyFile(path("old.torvel"))); }),
                  QStringList());
        StudyWindow* again = main.study(c.type);
        ASSERT_NE(again, nullptr);
        const QJsonObject kept = again->keptInputs();
        for (const QString& name : c.missing)
            EXPECT_EQ(kept[name], opening[name]) << name.toStdString();
        EXPECT_EQ(text(again, c.shown), example[c.shown]);
    }
}

TEST_F(StudyFiles, QuittingAsksOnceForEveryModifiedStudy) {
    for (const char* type : {"Roulement", "Section", "ContactOblique"}) {
        openExample(m, type);
        ASSERT_TRUE(m.saveActiveStudyAs(path(type)));
    }
    set(m.study("Roulement"), "TextFr", "5000");
    set(m.study("Section"), "Texta", "50");
    EXPECT_EQ(
        answering([&] { insideApplicationLoop([&] { m.quit(); }); }, QMessageBox::Cancel),
        QStringList{"?Attention|Les études suivantes ont été modifiées :\n« Roulement.torvel »\n"
                    "« Section.torvel »|Enregistrer les modifications ?"});
}

// A save that fails says why, leaves the study unsaved and an older file whole.
TEST_F(StudyFiles, FailedSavesKeepTheOldFile) {
    openExample(m, "Section");
    ASSERT_TRUE(m.saveActiveStudyAs(path("old.torvel")));
    const QByteArray old = readBytes(path("old.torvel"));
    set(m.study("Section"), "Texta", "50");
    ASSERT_TRUE(QDir().mkpath(path("dossier.torvel")));
    writeBytes(path("fichier"), "x");

    // A file size limit stands for a full disk, even for root.
    auto fullDisk = [&](const std::function<void()>& act) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &small);
        act();
        setrlimit(RLIMIT_FSIZE, &saved);
    };
    struct Case {
        const char* target;
        bool diskFull;
        const char* reason;
    };
    const Case cases[] = {
        {"old.torvel", true, ""},
        {"dossier.torvel", false, "un dossier porte ce nom"},
        {"fichier/dessous.torvel", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        bool saved = true;
        auto save = [&] { saved = m.saveActiveStudyAs(path(c.target)); };
        const QStringList messages = catchMessages([&] { c.diskFull ? fullDisk(save) : save(); });
        EXPECT_FALSE(saved);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith("Impossible d'enregistrer l'étude dans « " +
                                           path(c.target) + " » :\n"));
        EXPECT_TRUE(messages[0].contains(QString::fromUtf8(c.reason)));
        EXPECT_GT(messages[0].size(), messages[0].indexOf(":\n") + 3) << "no system reason";
        EXPECT_EQ(m.study("Section")->windowFilePath(), path("old.torvel"));
        EXPECT_TRUE(m.isModified(m.study("Section")));
    }
    EXPECT_EQ(readBytes(path("old.torvel")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"fichier", "old.torvel"}));  // no temporary left behind

    if (geteuid() != 0) {  // root writes into read-only folders
        ASSERT_TRUE(QDir().mkpath(path("lecture")));
        QFile::setPermissions(path("lecture"), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_EQ(catchMessages([&] { m.saveActiveStudyAs(path("lecture/x")); }).size(), 1);
    }
}

// The recent list: newest first, eight at most, a vanished file leaves it.
TEST_F(StudyFiles, RecentStudiesAndTheSaveItems) {
    auto* save = m.findChild<QAction*>("MNU_Enregistrer");
    EXPECT_FALSE(save->isEnabled());
    EXPECT_EQ(statusText(m), "");
    m.findChild<QAction*>("MNU_EffacerRecents")->trigger();
    openExample(m, "Section");
    EXPECT_TRUE(save->isEnabled());
    for (int i = 1; i <= 9; ++i) ASSERT_TRUE(m.saveActiveStudyAs(path(QString::number(i))));
    const QStringList recent = m.recentFiles();
    ASSERT_EQ(recent.size(), 8);
    EXPECT_EQ(recent.first(), path("9.torvel"));
    EXPECT_EQ(recent.last(), path("2.torvel"));
    auto* first = m.findChild<QAction*>("MNU_Recent1");
    EXPECT_EQ(first->text(), "&1 9.torvel");
    ASSERT_TRUE(m.saveActiveStudyAs(path("A&B")));  // "&" shown as typed, no mnemonic
    EXPECT_EQ(m.findChild<QAction*>("MNU_Recent1")->text(), "&1 A&&B.torvel");
    QFile::remove(path("A&B.torvel"));
    catchMessages(
        [&] { m.findChild<QAction*>("MNU_Recent1")->trigger(); });  // and it leaves the list
    first = m.findChild<QAction*>("MNU_Recent1");
    EXPECT_EQ(first->statusTip(), path("9.torvel"));

    QFile::remove(path("9.torvel"));
    const QStringList messages = catchMessages([&] { first->trigger(); });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Le fichier « " + path("9.torvel") +
                               " » n'existe plus.\nIl est retiré de la liste des études récentes.");
    EXPECT_EQ(m.recentFiles().first(), path("8.torvel"));

    m.findChild<QAction*>("MNU_Recent2")->trigger();  // 7.torvel
    EXPECT_EQ(m.study("Section")->windowFilePath(), path("7.torvel"));
    EXPECT_EQ(m.recentFiles().first(), path("7.torvel"));
    m.findChild<QAction*>("MNU_EffacerRecents")->trigger();
    EXPECT_TRUE(m.recentFiles().isEmpty());
    m.closeAll();
    EXPECT_FALSE(save->isEnabled());
}

// "Enregistrer" on a study never saved asks for a name: the reference in the
// last folder used, ".torvel" added when left out.
TEST_F(StudyFiles, SavingANewStudyProposesItsReference) {
    openExample(m, "Roulement");
    ASSERT_TRUE(m.saveActiveStudyAs(path("premier")));  // sets the last folder
    m.closeAll();
    openExample(m, "Roulement");
    QString proposed;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        proposed = dialog->selectedFiles().value(0);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Études TORVEL (*.torvel)"});
        dialog->selectFile(path("Réducteur 3 bis"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    timer.start();
    m.findChild<QAction*>("MNU_Enregistrer")->trigger();
    timer.stop();
    EXPECT_EQ(proposed, path("Réducteur 3.torvel"));
    EXPECT_EQ(m.study("Roulement")->windowFilePath(), path("Réducteur 3 bis.torvel"));
    EXPECT_TRUE(QFile::exists(path("Réducteur 3 bis.torvel")));
}

// "torvel a.torvel b.torvel": both open once the main window is up; files
// dropped on the main window open too.
TEST_F(StudyFiles, CommandLineAndDropsOpenEachFile) {
    openExample(m, "Roulement");
    ASSERT_TRUE(m.saveActiveStudyAs(path("a")));
    openExample(m, "RessortCompression");
    ASSERT_TRUE(m.saveActiveStudyAs(path("b")));
    frmSplash splash;
    splash.openAtStart({path("a.torvel"), path("b.torvel")});
    splash.show();
    catchMessages([&] { QTest::mouseClick(child<QWidget>(&splash, "lblTitle"), Qt::LeftButton); });
    MDIForm1* main = splash.mainWindow();
    ASSERT_NE(main->study("Roulement"), nullptr);
    EXPECT_EQ(main->study("Roulement")->windowFilePath(), path("a.torvel"));
    EXPECT_EQ(main->study("RessortCompression")->windowFilePath(), path("b.torvel"));
    EXPECT_EQ(text(main->study("RessortCompression"), "TextR"),
              text(m.study("RessortCompression"), "TextR"));

    m.closeAll();
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(path("a.torvel")), QUrl::fromLocalFile(path("b.torvel"))});
    QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    catchMessages([&] { static_cast<QObject*>(&m)->event(&drop); });
    ASSERT_NE(m.study("Roulement"), nullptr);
    EXPECT_EQ(m.study("RessortCompression")->windowFilePath(), path("b.torvel"));
}
