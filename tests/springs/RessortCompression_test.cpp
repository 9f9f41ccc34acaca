#include "RessortCompression.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "spring_engine.h"
#include "spring_strength.h"
#include "ui_helpers.h"
#include "ui_text.h"

using namespace testing_ui;

namespace {

const QStringList kResults = {"TextDd", "TextDe", "TextDi", "Textni", "Textnt",
                              "TextLb", "TextL0", "Textp2", "Textp0", "TextDemax",
                              "TextR",  "TextFb", "TextT2", "TextTb", "Textz",
                              "TextW",  "TextLd", "TextM",  "Textfe"};
const QStringList kEntries = {"Textd",  "Textdm", "TextG",  "TextmV",
                              "TextF1", "TextL1", "TextF2", "TextL2"};
const QString k90 = "Rapprochées, meulées, à 90°";
const QString k180 = "Rapprochées, meulées, à 180°";
const QString kUnground = "Rapprochées, non meulées";
const QString kFrameCaption = "Dimensionnement d'un Ressort de Compression";

QStringList results(QWidget* w) {
    QStringList out;
    for (const QString& name : kResults) out << text(w, name);
    return out;
}

void setEndType(QWidget* w, const QString& value) {
    auto* combo = child<QComboBox>(w, "ComboSpires");
    combo->lineEdit()->clear();
    type(combo->lineEdit(), value, false);
}

QStringList calculate(QWidget* w) {
    return catchMessages([&] { child<QPushButton>(w, "BtCalculer")->click(); });
}

// The worked example: d = 2, Dm = 20, F1 = 10 at L1 = 50, F2 = 20 at L2 = 40.
void enterExample(QWidget* w) {
    set(w, "Textd", "2");
    set(w, "Textdm", "20");
    set(w, "TextF1", "10");
    set(w, "TextL1", "50");
    set(w, "TextF2", "20");
    set(w, "TextL2", "40");
}

QColor background(QWidget* w) { return w->palette().color(QPalette::Window); }

}  // namespace

TEST(RessortCompression, OpensWithItsDesignContents) {
    RessortCompression w;
    EXPECT_EQ(w.objectName(), "RessortCompression");
    EXPECT_EQ(w.windowTitle(), "Ressort de Compression");
    EXPECT_EQ(w.captionPrefix(), "RessortCompression - Etude ");

    const QList<QPair<const char*, const char*>> groups = {
        {"Frame1", "Dimensionnement d'un Ressort de Compression"},
        {"Frame2", "Matériau"},
        {"Frame3", "Conditions de mise en place"},
        {"Frame4", "Caractéristiques du fil"},
        {"Frame5", "Données"},
        {"Frame6", "Résultats"},
        {"Frame7", "Géométrie"},
        {"Frame8", "Référence"}};
    for (const auto& [name, title] : groups)
        EXPECT_EQ(child<QGroupBox>(&w, name)->title(), title) << name;
    EXPECT_EQ(w.findChildren<QGroupBox*>().size(), 11);
    EXPECT_EQ(child<QGroupBox>(&w, "FrameVerifications")->title(), "Vérifications (EN 13906-1)");
    for (const char* inner : {"Frame2", "Frame3", "Frame4"})
        EXPECT_EQ(child<QWidget>(&w, inner)->parentWidget()->objectName(), "Frame5") << inner;
    EXPECT_EQ(child<QWidget>(&w, "TextRef")->parentWidget()->objectName(), "Frame8");

    struct Field {
        const char* group;
        const char* name;
        const char* label;
        const char* tip;
        const char* value;
    };
    const Field fields[] = {
        {"Frame4", "Textd", "d (mm) =", "Diamètre du Fil", "0"},
        {"Frame4", "Textdm", "Dm (mm) =", "Diamètre moyen du ressort", "0"},
        {"Frame2", "TextG", "G (daN/mm2) =", "Module de Coulomb", "7000"},
        {"Frame2", "TextmV", "mV (10^-6 kg/mm3) =", "Masse Volumique", "7.86"},
        {"Frame3", "TextF1", "F1 (daN) =", "Effort F1 appliqué", "0"},
        {"Frame3", "TextL1", "L1 (mm) =", "Longueur sous F1", "0"},
        {"Frame3", "TextF2", "F2 (daN) =", "Effort F2 appliqué", "0"},
        {"Frame3", "TextL2", "L2 (mm) =", "Longueur sous F2", "0"},
        {"Frame6", "TextDd", "D/d =", "Rapport d'enroulement", "0"},
        {"Frame6", "TextDe", "De (mm) =", "Diamètre Extérieur", "0"},
        {"Frame6", "TextDi", "Di (mm) =", "Diamèter Intérieur", "0"},
        {"Frame6", "Textni", "n i  =", "Nombre de spires utiles", "0"},
        {"Frame6", "Textnt", "n t =", "Nombre de spires total", "0"},
        {"Frame6", "TextLb", "Lb (mm) =", "Longueur à bloc", "0"},
        {"Frame6", "TextL0", "L0 (mm) =", "Longueur à vide", "0"},
        {"Frame6", "Textp2", "p2 (mm) =", "Pas du ressort sous F2", "0"},
        {"Frame6", "Textp0", "p0 (mm) =", "Pas du ressort à l'état libre", "0"},
        {"Frame6", "TextDemax", "Demax (mm) =", "Diamètre extérieur à bloc", "0"},
        {"Frame6", "TextR", "R (daN/mm) =", "Raideur du ressort", "0"},
        {"Frame6", "TextFb", "Fb (daN) =", "Effort à bloc", "0"},
        {"Frame6", "TextT2", "T2  (daN/mm2) =", "Contrainte sous F2", "0"},
        {"Frame6", "TextTb", "Tb (daN/mm2) =", "Contrainte à bloc", "0"},
        {"Frame6", "Textz", "z (°) =", "Angle d'enroulement", "0"},
        {"Frame6", "TextW", "W =", "Facteur de Correction de Wahl", "0"},
        {"Frame6", "TextLd", "Ld (mm) =", "Longueur développée", "0"},
        {"Frame6", "TextM", "M (g) =", "Masse du Ressort", "0"},
        {"Frame6", "Textfe", "fe (Hz) =", "Fréquence propre du ressort", "0"},
        {"FrameVerifications", "Textk", "k =", "Facteur de correction de Bergsträsser", ""},
        {"FrameVerifications", "TextTk2", "Tk2 (daN/mm2) =", "Contrainte corrigée sous F2", ""},
        {"FrameVerifications", "Textsk", "sk (mm) =", "Flèche de flambage théorique", ""},
        {"FrameVerifications", "TextSa", "Sa (mm) =",
         "Somme minimale des jeux entre spires utiles (× 1,5 sous charge dynamique)", ""},
        {"FrameVerifications", "TextLn", "Ln (mm) =", "Longueur minimale admissible Lb + Sa", ""},
    };
    for (const Field& f : fields) {
        const QString name = f.name;
        auto* box = child<QLineEdit>(&w, name);
        auto* label = child<QLabel>(&w, "Label" + name.mid(4));
        ASSERT_TRUE(box && label) << f.name;
        EXPECT_EQ(box->parentWidget()->objectName(), f.group) << f.name;
        EXPECT_EQ(box->text(), f.value) << f.name;
        EXPECT_EQ(box->toolTip(), f.tip) << f.name;
        EXPECT_EQ(label->text(), f.label) << f.name;
        EXPECT_EQ(label->buddy(), box) << f.name;
    }
    EXPECT_EQ(text(&w, "TextRef"), "");

    auto* combo = child<QComboBox>(&w, "ComboSpires");
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), k180);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), k90);
    EXPECT_EQ(combo->itemText(1), k180);
    EXPECT_EQ(combo->itemText(2), kUnground);
    EXPECT_EQ(combo->toolTip(),
              "La forme des spires aux extrémités donne le nombre de spires mortes ( 1.5, 2 ou 3)");
    EXPECT_EQ(child<QLabel>(&w, "LabelSpires")->text(), "Extrémités :");
    EXPECT_EQ(child<QLabel>(&w, "LabelSpires")->buddy(), combo);

    EXPECT_EQ(child<QPushButton>(&w, "BtCalculer")->text(), "Calculer");
    EXPECT_EQ(child<QPushButton>(&w, "BtImprimer")->text(), "Imprimer");
    // The sketch is stored with the window: no file of images/ is read for it.
    auto* picture = child<QLabel>(&w, "Picture1");
    EXPECT_EQ(picture->parentWidget()->objectName(), "Frame7");
    EXPECT_EQ(picture->size(), QSize(320, 240));
    const QImage sketch = picture->pixmap().toImage();
    EXPECT_EQ(sketch, RessortCompression::storedDrawing().toImage());
    int inked = 0;
    for (int y = 0; y < sketch.height(); y += 2)
        for (int x = 0; x < sketch.width(); x += 2)
            if (qGray(sketch.pixel(x, y)) < 128) ++inked;
    EXPECT_GT(inked, 500);  // drawn, not a blank box
    // Every control lies inside its group.
    for (QWidget* c : w.frame()->findChildren<QWidget*>()) {
        if (!c->parentWidget() || c->isWindow() || !qobject_cast<QGroupBox*>(c->parentWidget()))
            continue;
        EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry()))
            << c->objectName().toStdString();
    }
}

TEST(RessortCompression, CalculerAtOnceAsksForTheWireDiameter) {
    RessortCompression w;
    const QStringList messages = calculate(&w);
    EXPECT_EQ(messages, QStringList{"Veuillez entrer un diamètre de fil !"});
    EXPECT_EQ(lastBoxLook().title, "Attention");
    EXPECT_EQ(results(&w), QStringList(19, "0"));
}

TEST(RessortCompression, WorkedExampleInBothLocales) {
    struct Case {
        const char* locale;
        QString point;
    };
    const QStringList shown = {"10.000", "22.000",  "18.000",  "1.750",   "3.750",
                               "7.500",  "60.000",  "20.571",  "32.000",  "27.593",
                               "1.000",  "52.500",  "127.324", "334.225", "18.129",
                               "1.145",  "241.363", "5.960",   "959.566"};
    for (const Case& c : {Case{"fr_FR", ","}, Case{"en_US", "."}}) {
        LocaleScope locale(c.locale);
        RessortCompression w;
        enterExample(&w);
        EXPECT_TRUE(calculate(&w).isEmpty()) << c.locale;
        QStringList expected = shown;
        expected.replaceInStrings(".", c.point);
        EXPECT_EQ(results(&w), expected) << c.locale;
    }
}

TEST(RessortCompression, EN13906ChecksBesideTheResults) {
    LocaleScope locale("fr_FR");
    const QString few = "Moins de 2 spires actives : hors du domaine de la norme";
    const QString safe = "Pas de risque de flambage sous la charge maximale F2";
    const QStringList entries = {"Textd", "Textdm", "TextF1", "TextL1", "TextF2", "TextL2"};
    const QStringList checks = {"Textk",  "TextTk2",       "Textsk",    "TextSa",
                                "TextLn", "LabelFlambage", "LabelBloc", "LabelDomaine"};
    const QList<QPair<QStringList, QStringList>> cases = {
        {{"2", "20", "10", "50", "20", "40"},
         {"1,135", "144,530", "Non flambable", "0,875", "8,375", safe,
          "L2 = 40,000 mm ≥ Ln = Lb + Sa = 8,375 mm : jeu entre spires suffisant", few}},
        {{"2", "20", "5", "100", "15", "60"},
         {"1,135", "108,397", "49,972", "3,500", "21,500",
          "Risque de flambage sous la charge maximale F2 : prévoir un guidage",
          "L2 = 60,000 mm ≥ Ln = Lb + Sa = 21,500 mm : jeu entre spires suffisant", ""}},
        {{"1", "25", "10", "50", "20", "40"},
         {"1,052", "1338,870", "Non flambable", "0,058", "2,114", safe,
          "L2 = 40,000 mm ≥ Ln = Lb + Sa = 2,114 mm : jeu entre spires suffisant",
          few + "\nRapport D/d hors de 4 à 20 : hors du domaine de la norme\n" +
              "Pas p0 supérieur à la longueur à vide L0 : ce ressort ne peut pas être enroulé"}},
    };
    RessortCompression w;
    auto shown = [&] {
        QStringList out;
        for (const QString& name : checks) out << text(&w, name);
        return out;
    };
    for (const auto& [typed, expected] : cases) {
        for (int i = 0; i < 6; ++i) set(&w, entries[i], typed[i]);
        EXPECT_TRUE(calculate(&w).isEmpty());
        EXPECT_EQ(shown(), expected) << typed.join(' ').toStdString();
    }
    // Outside what can be wound: said in red, and its buckling line is not green.
    EXPECT_EQ(child<QLabel>(&w, "LabelDomaine")->palette().color(QPalette::WindowText).name(),
              "#b00000");
    EXPECT_EQ(child<QLabel>(&w, "LabelFlambage")->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
    set(&w, "Textdm", "0");  // a stopped run leaves them
    EXPECT_EQ(calculate(&w).size(), 1);
    EXPECT_EQ(shown(), cases[2].second);
}

TEST(RessortCompression, EndTypeListAndTypedEndTypes) {
    LocaleScope locale("en_US");
    RessortCompression w;
    enterExample(&w);
    auto* combo = child<QComboBox>(&w, "ComboSpires");
    struct Case {
        QString endType;
        const char* nt;  // ni = 1.750 plus the dead coils
        const char* message;
    };
    const Case cases[] = {
        {k90, "3.250", nullptr},
        {kUnground, "4.750", nullptr},
        {k180, "3.750", nullptr},
        // An end type that matches none of the names is refused, results kept.
        {"Rapprochées", "3.750", torvel::springs::kMsgEndType},
        {"rapprochées, meulées, à 180°", "3.750", torvel::springs::kMsgEndType},
        {"", "3.750", torvel::springs::kMsgEndType},
        {kUnground, "4.750", nullptr},
    };
    for (const Case& c : cases) {
        setEndType(&w, c.endType);
        EXPECT_EQ(combo->currentText(), c.endType);
        const QStringList messages = calculate(&w);
        EXPECT_EQ(messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList())
            << c.endType.toStdString();
        EXPECT_EQ(text(&w, "Textnt"), c.nt) << c.endType.toStdString();
    }
    // Typed texts never join the list.
    EXPECT_EQ(combo->count(), 3);
    combo->setCurrentIndex(0);
    EXPECT_EQ(combo->currentText(), k90);
}

TEST(RessortCompression, RefusedInputsShowOneMessageAndKeepTheResults) {
    LocaleScope locale("fr_FR");
    struct Case {
        const char* what;
        QList<QPair<const char*, const char*>> entries;
        const char* message;
    };
    const Case cases[] = {
        {"no wire, all empty",
         {{"Textd", ""},
          {"Textdm", ""},
          {"TextG", ""},
          {"TextmV", ""},
          {"TextF1", ""},
          {"TextL1", ""},
          {"TextF2", ""},
          {"TextL2", ""}},
         torvel::springs::kMsgWire},
        {"comma zero", {{"Textd", "0,0"}}, torvel::springs::kMsgWire},
        {"no mean diameter", {{"Textdm", "0"}}, torvel::springs::kMsgMeanDiameter},
        {"no working point",
         {{"TextF1", ""}, {"TextL1", ""}, {"TextF2", ""}, {"TextL2", ""}},
         torvel::springs::kMsgConfiguration},
        {"no length", {{"TextL1", "0"}, {"TextL2", "0"}}, torvel::springs::kMsgConfiguration},
        {"equal forces", {{"TextF1", "20"}}, torvel::springs::kMsgParameters},
        {"equal lengths", {{"TextL1", "40"}}, torvel::springs::kMsgParameters},
        {"density before modulus", {{"TextmV", "0"}, {"TextG", "0"}}, torvel::springs::kMsgDensity},
        {"no modulus", {{"TextG", "abc"}}, torvel::springs::kMsgShearModulus},
        {"wire as thick as the coil", {{"Textdm", "2"}}, torvel::springs::kMsgWireTooThick},
        {"points the wrong way", {{"TextF1", "30"}}, torvel::springs::kMsgRate},
        {"huge wire", {{"Textd", "1E39"}, {"Textdm", "1E40"}}, nullptr},
    };
    for (const Case& c : cases) {
        RessortCompression w;
        enterExample(&w);
        ASSERT_TRUE(calculate(&w).isEmpty());
        const QStringList before = results(&w);
        for (const auto& [name, value] : c.entries) {
            // Typed through the filter: a text that cannot be typed stands as pasted.
            child<QLineEdit>(&w, name)->setText(value);
        }
        const QStringList messages = calculate(&w);
        ASSERT_EQ(messages.size(), 1) << c.what;
        if (c.message) {
            EXPECT_EQ(messages[0], QString::fromUtf8(c.message)) << c.what;
        }
        EXPECT_EQ(lastBoxLook().title, "Attention") << c.what;
        EXPECT_EQ(results(&w), before) << c.what;
    }
}

TEST(RessortCompression, PastedNegativeValueIsRefused) {
    RessortCompression w;
    enterExample(&w);
    ASSERT_TRUE(calculate(&w).isEmpty());
    const QStringList before = results(&w);
    child<QLineEdit>(&w, "TextF1")->setText("-10");
    EXPECT_EQ(calculate(&w), QStringList{QString::fromUtf8(torvel::springs::kMsgNegative)});
    EXPECT_EQ(results(&w), before);
}

TEST(RessortCompression, OnlyF2AndL2GiveFiniteResults) {
    LocaleScope locale("en_US");
    RessortCompression w;
    set(&w, "Textd", "2");
    set(&w, "Textdm", "20");
    set(&w, "TextF2", "20");
    set(&w, "TextL2", "40");
    // The rate is then -F2/L2: refused rather than shown as a negative spring.
    const QStringList messages = calculate(&w);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QString::fromUtf8(torvel::springs::kMsgRate));
    for (const QString& r : results(&w)) EXPECT_EQ(r, "0");
}

TEST(RessortCompression, EntryBoxesFilterKeystrokes) {
    RessortCompression w;
    showActive(&w);
    for (const QString& name : kEntries) {
        auto* box = child<QLineEdit>(&w, name);
        type(box, "-1,5a2.3.é");
        EXPECT_EQ(box->text(), "1,52.3.") << name.toStdString();
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(box->hasFocus()) << name.toStdString();
    }
    // The reference and the end type take any text.
    type(child<QLineEdit>(&w, "TextRef"), "R-1,a");
    EXPECT_EQ(text(&w, "TextRef"), "R-1,a");
    setEndType(&w, "Autre, 2");
    EXPECT_EQ(child<QComboBox>(&w, "ComboSpires")->currentText(), "Autre, 2");
}

TEST(RessortCompression, DecimalSeparatorOfTheEngine) {
    struct Case {
        const char* locale;
        char point;
    };
    // Arabic uses a non-ASCII separator: the engine then writes a point.
    for (const Case& c :
         {Case{"fr_FR", ','}, Case{"en_US", '.'}, Case{"de_DE", ','}, Case{"ar_EG", '.'}}) {
        LocaleScope locale(c.locale);
        EXPECT_EQ(torvel::engineDecimalSeparator(), c.point) << c.locale;
    }
}

TEST(RessortCompression, PrintsTheWindowOnePagePerCopyAndRestores) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    const QString pdf = reportPdfPath(dir, "ressort.pdf");
    RessortCompression w;
    w.show();
    enterExample(&w);
    set(&w, "TextRef", "Ressort A7");
    ASSERT_TRUE(calculate(&w).isEmpty());
    const QStringList before = results(&w);

    EXPECT_TRUE(answerPrintDialog([&] { child<QPushButton>(&w, "BtImprimer")->click(); }, pdf, 2)
                    .isEmpty());
    EXPECT_EQ(pdfPages(pdf), 2);
    const QString printed = pdfText(pdf);
    EXPECT_EQ(printed.count("Calcul de Ressort de Compression établi le "), 2)
        << printed.toStdString();
    EXPECT_FALSE(printed.contains(kFrameCaption));
    for (const char* shown : {"Ressort A7", "334,225", "241,363", "Tb (daN/mm2) =", "Géométrie",
                              "Résultats", "Rapprochées, meulées, à 180°",
                              "Vérifications (EN 13906-1)", "144,530", "Non flambable", "8,375"})
        EXPECT_TRUE(printed.contains(QString::fromUtf8(shown))) << shown;
    // The buttons are hidden on the page.
    EXPECT_FALSE(printed.contains("Calculer"));
    EXPECT_FALSE(printed.contains("Imprimer"));

    EXPECT_EQ(w.frame()->title(), kFrameCaption);
    for (const char* b : {"BtCalculer", "BtImprimer", "Coin"})
        EXPECT_TRUE(child<QWidget>(&w, b)->isVisible()) << b;
    const QColor face = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(background(&w), face);
    EXPECT_EQ(background(w.frame()), face);
    for (QWidget* c : w.printRecoloured())
        EXPECT_EQ(background(c), face) << c->objectName().toStdString();
    for (const QString& name : kResults)
        EXPECT_EQ(child<QLineEdit>(&w, name)->palette().color(QPalette::Base), face)
            << name.toStdString();
    EXPECT_EQ(results(&w), before);
}

TEST(RessortCompression, PrintRecoloursTheListedControlsOnly) {
    RessortCompression w;
    QStringList names;
    for (QWidget* c : w.printRecoloured()) names << c->objectName();
    QStringList expected = {
        "Frame2",          "Frame3",          "Frame4",        "Frame5",
        "Frame6",          "Frame7",          "Frame8",        "FrameVerifications",
        "FrameResistance", "FrameDiagrammes", "LabelSpires",   "LabelFlambage",
        "LabelDomaine",    "LabelResistance", "LabelMateriau", "LabelSollicitation",
        "LabelGrenaille",  "LabelRm",         "LabelBloc",     "TextDiagramme",
        "LabelDiagramme"};
    for (const QString& e : kEntries) expected << "Label" + e.mid(4);
    for (const QString& r :
         kResults + QStringList{"Textk", "TextTk2", "Textsk", "TextSa", "TextLn", "TextTzul",
                                "TextTczul", "TextS2", "TextSb", "TextTka", "TextTkm", "TextTkh",
                                "TextTse", "TextTkO", "TextNf"})
        expected << r << "Label" + r.mid(4);
    names.sort();
    expected.sort();
    EXPECT_EQ(names, expected);

    // A result box shows the print background on its panel, an entry box keeps its own.
    const QColor paper = QApplication::palette().color(QPalette::HighlightedText);
    const QColor entryBase = child<QLineEdit>(&w, "Textd")->palette().color(QPalette::Base);
    for (QWidget* c : QList<QWidget*>{w.frame(), child<QWidget>(&w, "TextR")}) {
        QPalette pal = c->palette();
        pal.setColor(QPalette::Window, paper);
        c->setPalette(pal);
    }
    EXPECT_EQ(child<QLineEdit>(&w, "TextR")->palette().color(QPalette::Base), paper);
    EXPECT_EQ(child<QLineEdit>(&w, "Textd")->palette().color(QPalette::Base), entryBase);
}

TEST(RessortCompression, CalculerRestoresAWindowLeftInPrintAppearance) {
    RessortCompression w;
    w.show();
    const QColor paper = QApplication::palette().color(QPalette::HighlightedText);
    QList<QWidget*> all = w.printRecoloured();
    all << w.frame();
    for (QWidget* c : all) {
        QPalette pal = c->palette();
        pal.setColor(QPalette::Window, paper);
        c->setPalette(pal);
    }
    child<QWidget>(&w, "BtImprimer")->hide();
    child<QWidget>(&w, "BtCalculer")->hide();
    // The button itself, hidden as the print left it.
    EXPECT_EQ(catchMessages([&] { child<QPushButton>(&w, "BtCalculer")->click(); }).size(),
              1);  // no wire diameter yet
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (QWidget* c : all) EXPECT_EQ(background(c), face) << c->objectName().toStdString();
    EXPECT_TRUE(child<QWidget>(&w, "BtImprimer")->isVisible());
    EXPECT_TRUE(child<QWidget>(&w, "BtCalculer")->isVisible());
}

TEST(RessortCompression, CancelledPrintPrintsNothingAndRestores) {
    QTemporaryDir dir;
    RessortCompression w;
    w.show();
    EXPECT_TRUE(answerPrintDialog([&] { child<QPushButton>(&w, "BtImprimer")->click(); }, QString())
                    .isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(child<QWidget>(&w, "BtCalculer")->isVisible());
    EXPECT_TRUE(child<QWidget>(&w, "Coin")->isVisible());
    EXPECT_EQ(w.frame()->title(), kFrameCaption);
}

TEST(RessortCompression, PrintCaptionCarriesDateAndTime) {
    LocaleScope locale("fr_FR");
    const QString caption = RessortCompression::printCaption();
    EXPECT_TRUE(caption.startsWith("Calcul de Ressort de Compression établi le "));
    EXPECT_TRUE(caption.contains(QDate::currentDate().toString("dd/MM/yyyy")));
    EXPECT_TRUE(caption.contains(QRegularExpression(" à \\d\\d:\\d\\d:\\d\\d$")));
}

namespace {

// Chooses an item as a user does: the list acts on activated().
void choose(QWidget* w, const QString& list, const QString& item) {
    auto* combo = child<QComboBox>(w, list);
    combo->setCurrentIndex(combo->findText(item));
    emit combo->activated(combo->currentIndex());
}

const QString kTypedItem = "Matériau saisi (G, mV, Rm)";

QStringList strength(QWidget* w) {
    QStringList out;
    for (const char* name : {"TextRm", "TextTzul", "TextTczul", "TextS2", "TextSb", "TextTka",
                             "TextTkm", "TextTkh", "TextTse", "TextTkO", "TextNf"})
        out << text(w, name);
    return out;
}

}  // namespace

// The material list in its order; a grade writes its family's G and density
// and leaves Rm to its table; the typed item lets Rm be typed again.
TEST(RessortCompression, MaterialListWritesTheFamilyValues) {
    RessortCompression w;
    auto* material = child<QComboBox>(&w, "ComboMateriau");
    QStringList items;
    for (int i = 0; i < material->count(); ++i) items << material->itemText(i);
    EXPECT_EQ(items.join(", "),
              "Matériau saisi (G, mV, Rm), EN 10270-1 SL, EN 10270-1 SM, EN 10270-1 DM, "
              "EN 10270-1 SH, EN 10270-1 DH, EN 10270-2 FDC, EN 10270-2 TDC, EN 10270-2 VDC, "
              "EN 10270-2 FDCrV, EN 10270-2 TDCrV, EN 10270-2 VDCrV, EN 10270-2 FDSiCr, "
              "EN 10270-2 TDSiCr, EN 10270-2 VDSiCr, EN 10270-3 1.4310, EN 10270-3 1.4401");
    // What a file older than the list opens with.
    EXPECT_EQ(w.openingInputs()["ComboMateriau"].toString(), kTypedItem);
    set(&w, "TextRm", "180");
    // Item|G mV Rm, "lu" while Rm is the table's.
    for (const QString row : {"EN 10270-1 SL|8150 7.85 lu", "EN 10270-2 VDSiCr|7950 7.85 lu",
                              "EN 10270-3 1.4310|7000 7.9 lu", "EN 10270-3 1.4401|6800 8.0 lu",
                              "Matériau saisi (G, mV, Rm)|6800 8.0 "}) {
        choose(&w, "ComboMateriau", row.section('|', 0, 0));
        auto* Rm = child<QLineEdit>(&w, "TextRm");
        EXPECT_EQ(text(&w, "TextG") + " " + text(&w, "TextmV") + Rm->text() +
                      (Rm->isReadOnly() ? " lu" : " "),
                  row.section('|', 1));
    }
}

// A grade's Rm, the permissible stresses, safety factors, fatigue, verdicts and
// their colours through the controls, in both locales; the Goodman diagram
// and the wire state only under "Dynamique"; Rm emptied, no check.
TEST(RessortCompression, WireStrengthThroughTheControlsInBothLocales) {
    const QString notHeld =
        "Sous la charge maximale F2 : τ > τzul, le fil ne tient pas (risque de tassement)\n"
        "À bloc : τb > τczul, le ressort ne doit pas être comprimé à bloc";
    const QString fatigue =
        notHeld +
        "\nFatigue (10^7 cycles, diagramme EN 13906-1 DH %1 (données de 1 à 10 mm)) : "
        "τkh > τkH et τk2 > τkO, nf < 1, tenue non assurée ; τk2 dépasse le plafond "
        "τkO,max du diagramme|#b00000|Goodman grenaille";
    const QString held =
        "Sous la charge maximale F2 : τ ≤ τzul, le fil tient\n"
        "À bloc : τb ≤ τczul, le ressort peut être comprimé à bloc|#008000|";
    // τk1 = k·T1, τk2 = k·T2, then τkH and τkO read at d = 2 on the diagram.
    const QString dh = "198.0|99.000|110.880|0.778|0.335|", dyn = dh + "72.265|144.530|72.265|";
    // Choices (list, item, ...; "TextRm" typed), then strength() with a point,
    // the verdict, its colour and what shows under "Dynamique".
    const std::pair<QStringList, QString> steps[] = {
        {{"ComboMateriau", "EN 10270-1 DH"}, dh + "||||||" + notHeld + "|#b00000|"},
        {{"ComboSollicitation", "Dynamique"},
         dyn + "26.394|98.659|0.365|" + fatigue.arg("non grenaillé")},
        {{"CheckGrenaille", "Oui"}, dyn + "27.243|99.508|0.377|" + fatigue.arg("grenaillé")},
        {{"ComboSollicitation", "Statique"}, dh + "||||||" + notHeld + "|#b00000|"},
        // 700 daN/mm² is no spring wire's Rm: warned, and computed with.
        {{"ComboMateriau", kTypedItem, "TextRm", "700"},
         "700|350.000|392.000|2.749|1.186|||||||" + held},
        {{"TextRm", ""}, "||||||||||||#000000|"},
    };
    for (const char* locale : {"fr_FR", "en_US"}) {
        LocaleScope scope(locale);
        SCOPED_TRACE(locale);
        const QString point = QString(locale) == "fr_FR" ? "," : ".";
        RessortCompression w;
        enterExample(&w);
        for (const auto& [choices, shown] : steps) {
            for (int i = 0; i < choices.size(); i += 2)
                choices[i] == "TextRm" ? set(&w, choices[i], choices[i + 1])
                                       : choose(&w, choices[i], choices[i + 1]);
            EXPECT_EQ(calculate(&w).size(), choices.contains("700") ? 1 : 0);
            auto* verdict = child<QLabel>(&w, "LabelResistance");
            EXPECT_EQ(strength(&w).join('|') + "|" + verdict->text() + "|" +
                          verdict->palette().color(QPalette::WindowText).name() + "|" +
                          (child<QWidget>(&w, "PictureGoodman")->isVisibleTo(&w) ? "Goodman" : "") +
                          (child<QComboBox>(&w, "CheckGrenaille")->isEnabled() ? " grenaille" : ""),
                      QString(shown).replace(".", point));
        }
        // Fb comes from the G of EN 10270-1 the grade wrote.
        EXPECT_TRUE(child<QWidget>(&w, "PictureCaracteristique")
                        ->accessibleDescription()
                        .contains("Fb = 51" + point + "925 daN"));
    }
}

namespace {

struct IssueCase {
    const char* what;
    QStringList entries;  // d, Dm, F1, L1, F2, L2
    const char *load, *peened;
    // Expected: TextNf (empty: none), the lines of LabelResistance (each a
    // start), LabelBloc's start and the colours of LabelResistance and LabelBloc.
    const char* nf;
    QStringList resistance;
    const char* block;
    const char *resistanceColour, *blockColour;
};

void enter(QWidget* w, const QStringList& values) {
    const char* names[] = {"Textd", "Textdm", "TextF1", "TextL1", "TextF2", "TextL2"};
    for (int i = 0; i < 6; ++i) set(w, names[i], values[i]);
}

}  // namespace

// The cases that passed a false verdict, through the window in both locales:
// fatigue by EN 13906-1's diagrams (safety about 0.5 where Zimmerli's line said
// "illimitée"), a spring beyond block, coils touching below Ln, the points
// swapped (the same verdict).
TEST(RessortCompression, FalseVerdictsOfBeforeAreSoundInBothLocales) {
    const QString block = "À bloc : τb ≤ τczul, le ressort peut être comprimé à bloc";
    const IssueCase cases[] = {
        {"DH 9.9 peened",
         {"9.9", "50", "140", "89", "520", "70"},
         "Dynamique",
         "Oui",
         "0.522",
         {"Sous la charge maximale F2 : τ ≤ τzul, le fil tient", "À bloc : τb > τczul",
          "Fatigue (10^7 cycles, diagramme EN 13906-1 DH grenaillé (données de 1 à 10 mm)) : "
          "τkh > τkH et τk2 > τkO, nf < 1, tenue non assurée"},
         "L2 = 70.000 mm ≥ Ln",
         "#b00000",
         "#008000"},
        {"DH 3 peened, above the cap",
         {"3", "27", "24", "63.8", "36", "39.8"},
         "Dynamique",
         "Oui",
         "0.620",
         {"Sous la charge maximale F2 : τ ≤ τzul, le fil tient", block,
          "Fatigue (10^7 cycles, diagramme EN 13906-1 DH grenaillé (données de 1 à 10 mm)) : "
          "τkh > τkH et τk2 > τkO, nf < 1, tenue non assurée ; τk2 dépasse le plafond τkO,max du "
          "diagramme"},
         "L2 = 39.800 mm ≥ Ln",
         "#b00000",
         "#008000"},
        {"beyond block",
         {"2", "16", "5", "40", "15", "10"},
         "Statique",
         "Non",
         "",
         {"Sous la charge maximale, le ressort est à bloc avant d'atteindre F2 : L2 = 10.000 mm < "
          "Lb = 27.877 mm",
          "À bloc : τb ≤ τczul, le fil supporte la mise à bloc, mais F2 n'est jamais atteint"},
         "Sous la charge maximale, le ressort est à bloc avant d'atteindre F2 : L2 = 10.000 mm < "
         "Lb = 27.877 mm",
         "#b00000",
         "#b00000"},
        {"beyond block, dynamic",
         {"2", "16", "5", "40", "15", "10"},
         "Dynamique",
         "Non",
         "",
         {"Sous la charge maximale, le ressort est à bloc avant d'atteindre F2 : L2 = 10.000 mm < "
          "Lb = 27.877 mm",
          "À bloc : τb ≤ τczul, le fil supporte la mise à bloc",
          "Fatigue (10^7 cycles, diagramme EN 13906-1 DH non grenaillé (données de 1 à 10 mm)) : "
          "non évaluée, le ressort est à bloc avant d'atteindre F2"},
         "Sous la charge maximale, le ressort est à bloc avant d'atteindre F2",
         "#b00000",
         "#b00000"},
        {"beyond block, cannot be wound (L0 < Lb)",
         {"2", "16", "1", "40", "3", "10"},
         "Dynamique",
         "Non",
         "",
         {"Sous la charge maximale, le ressort est à bloc avant d'atteindre F2 : L2 = 10.000 mm < "
          "Lb = ",
          "À bloc : τb ≤ τczul, le fil supporte la mise à bloc",
          "Fatigue (10^7 cycles, diagramme EN 13906-1 DH non grenaillé (données de 1 à 10 mm)) : "
          "non évaluée, le ressort est à bloc avant d'atteindre F2"},
         "Sous la charge maximale, le ressort est à bloc avant d'atteindre F2",
         "#b00000",
         "#b00000"},
        {"coils touching",
         {"2", "12", "10", "30", "21.76", "20.2"},
         "Statique",
         "Non",
         "",
         {"Sous la charge maximale F2 : τ ≤ τzul, le fil tient", block},
         "Les spires se touchent avant L2 : L2 = 20.200 mm < Ln = Lb + Sa = 22.143 mm",
         "#008000",
         "#b00000"},
        {"heavier point typed first",
         {"2", "20", "21", "30", "7", "58"},
         "Statique",
         "Non",
         "",
         {"Sous la charge maximale F1 : τ > τzul, le fil ne tient pas (risque de tassement)",
          "À bloc : τb > τczul"},
         "L1 = 30.000 mm ≥ Ln",
         "#b00000",
         "#008000"},
        {"the same, lighter point first",
         {"2", "20", "7", "58", "21", "30"},
         "Statique",
         "Non",
         "",
         {"Sous la charge maximale F2 : τ > τzul, le fil ne tient pas (risque de tassement)",
          "À bloc : τb > τczul"},
         "L2 = 30.000 mm ≥ Ln",
         "#b00000",
         "#008000"},
    };
    for (const char* locale : {"fr_FR", "en_US"}) {
        LocaleScope scope(locale);
        const QString point = QString(locale) == "fr_FR" ? "," : ".";
        for (const IssueCase& c : cases) {
            SCOPED_TRACE(std::string(locale) + " " + c.what);
            RessortCompression w;
            choose(&w, "ComboMateriau", "EN 10270-1 DH");
            choose(&w, "ComboSollicitation", c.load);
            choose(&w, "CheckGrenaille", c.peened);
            QStringList typed = c.entries;
            enter(&w, typed.replaceInStrings(".", point == "," ? "." : "."));
            EXPECT_TRUE(calculate(&w).isEmpty());
            EXPECT_EQ(text(&w, "TextNf"), QString(c.nf).replace(".", point));
            auto* resistance = child<QLabel>(&w, "LabelResistance");
            const QStringList lines = resistance->text().split('\n');
            ASSERT_EQ(lines.size(), c.resistance.size()) << resistance->text().toStdString();
            for (int i = 0; i < lines.size(); ++i)
                EXPECT_TRUE(lines[i].startsWith(QString(c.resistance[i]).replace(".", point)))
                    << lines[i].toStdString();
            EXPECT_FALSE(resistance->text().contains("tient") &&
                         QString(c.what).startsWith("beyond block"));
            // A force never reached has no safety, in the boxes or the picture.
            EXPECT_EQ(text(&w, "TextS2").isEmpty(), lines[0].contains("à bloc avant"));
            EXPECT_EQ(
                child<QWidget>(&w, "PictureGoodman")->accessibleDescription().contains("nf = "),
                *c.nf != 0);
            auto* bloc = child<QLabel>(&w, "LabelBloc");
            EXPECT_TRUE(bloc->text().startsWith(QString(c.block).replace(".", point)))
                << bloc->text().toStdString();
            EXPECT_EQ(resistance->palette().color(QPalette::WindowText).name(), c.resistanceColour);
            EXPECT_EQ(bloc->palette().color(QPalette::WindowText).name(), c.blockColour);
        }
    }
}

// Typing over G or mV after choosing a grade makes the material the user's,
// without the grade's Rm of the last run (a grade's Rm at another d would be
// taken as typed); the grade's own values, however written, keep the grade.
TEST(RessortCompression, TypingOverAGradeValueMakesTheMaterialTyped) {
    LocaleScope locale("en_US");
    RessortCompression w;
    auto* material = child<QComboBox>(&w, "ComboMateriau");
    const struct {
        const char* box;
        const char* value;
        const char* material;
        bool pasted;
    } cases[] = {
        {"TextG", "8150.0", "EN 10270-1 DH", true},
        {"TextmV", "7.850", "EN 10270-1 DH", true},
        {"TextG", "8150", "Matériau saisi (G, mV, Rm)", false},
        {"TextG", "8000", "Matériau saisi (G, mV, Rm)", false},
        {"TextmV", "7.9", "Matériau saisi (G, mV, Rm)", false},
    };
    enterExample(&w);
    for (const auto& c : cases) {
        choose(&w, "ComboMateriau", "EN 10270-1 DH");
        ASSERT_TRUE(calculate(&w).isEmpty());
        EXPECT_EQ(text(&w, "TextG") + " " + text(&w, "TextmV") + " " + text(&w, "TextRm"),
                  "8150 7.85 198.0");
        // Pasted whole: retyping a grade's value key by key passes through others.
        if (c.pasted)
            child<QLineEdit>(&w, c.box)->setText(c.value);
        else
            type(child<QLineEdit>(&w, c.box), c.value);
        const bool grade = QString(c.material) == "EN 10270-1 DH";
        EXPECT_EQ(material->currentText(), c.material) << c.box << " " << c.value;
        EXPECT_EQ(child<QLineEdit>(&w, "TextRm")->isReadOnly(), grade);
        EXPECT_EQ(text(&w, "TextRm"), grade ? "198.0" : "");
    }
    // Not typed, Rm checks nothing at another d.
    set(&w, "Textd", "2.5");
    EXPECT_TRUE(calculate(&w).isEmpty());
    EXPECT_EQ(strength(&w).join("") + text(&w, "LabelResistance"), "");
    // The typed values are what the calculation and the note then use.
    set(&w, "Textd", "2");
    set(&w, "TextRm", "198");
    EXPECT_TRUE(calculate(&w).isEmpty());
    EXPECT_EQ(material->currentText(), kTypedItem);
    EXPECT_EQ(text(&w, "TextG") + " " + text(&w, "TextmV"), "8150 7.9");
}

namespace {

// Pixels that are neither black, white nor grey: the picture's colours.
int colouredPixels(QWidget* picture) {
    const QImage image = picture->grab().toImage();
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - c.green()) > 24 || std::abs(c.green() - c.blue()) > 24)
                ++coloured;
        }
    return coloured;
}

}  // namespace

// The Goodman picture draws the EN diagram of the wire and says what it shows;
// after an entry changes both pictures are greyed with the results, and a
// change of "Sollicitation" leaves no Goodman panel of an earlier run.
TEST(RessortCompression, DiagramsFollowTheResults) {
    LocaleScope locale("fr_FR");
    RessortCompression w;
    w.show();
    enterExample(&w);
    choose(&w, "ComboMateriau", "EN 10270-1 DH");
    choose(&w, "ComboSollicitation", "Dynamique");
    choose(&w, "CheckGrenaille", "Oui");
    ASSERT_TRUE(calculate(&w).isEmpty());
    auto* goodman = child<QWidget>(&w, "PictureGoodman");
    auto* characteristic = child<QWidget>(&w, "PictureCaracteristique");
    EXPECT_EQ(goodman->accessibleDescription(),
              "Diagramme de Goodman EN 13906-1, 10^7 cycles : DH grenaillé, d = 2 mm, τkU en "
              "abscisse et τkO en ordonnée : droite de τkO = 54,137 daN/mm² pour τkU nul au "
              "plafond τkO,max = 99,508 daN/mm² atteint à τkU = 61,536 daN/mm², droite à 45° ; "
              "point de fonctionnement τk1 = 72,265 daN/mm², τk2 = 144,530 daN/mm² ; "
              "τkH = 27,243 daN/mm² ; nf = 0,377.");
    EXPECT_GT(colouredPixels(goodman), 100);
    EXPECT_GT(colouredPixels(characteristic), 100);
    // The note draws it too, beside the sketch and the characteristic.
    QWidget* note = w.noteDrawingSource().painted;
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->width(), 3 * 320 + 2 * 16);
    EXPECT_TRUE(note->accessibleDescription().endsWith(goodman->accessibleDescription()));

    set(&w, "Textd", "2.1");
    for (QWidget* picture : {goodman, characteristic}) {
        EXPECT_EQ(colouredPixels(picture), 0) << picture->objectName().toStdString();
    }
    ASSERT_TRUE(calculate(&w).isEmpty());
    EXPECT_GT(colouredPixels(goodman), 100);
    EXPECT_TRUE(goodman->accessibleDescription().contains("d = 2,1 mm"));

    choose(&w, "ComboSollicitation", "Statique");
    choose(&w, "ComboSollicitation", "Dynamique");
    EXPECT_EQ(goodman->accessibleDescription(), "Diagramme de Goodman : pas encore calculé.");
    EXPECT_EQ(colouredPixels(goodman), 0);
}

// Messages through the window: a wire outside the grade's table computes the
// spring without Rm; a bad typed Rm stops and keeps the results.
TEST(RessortCompression, MaterialMessagesThroughTheWindow) {
    LocaleScope locale("fr_FR");
    RessortCompression w;
    enterExample(&w);
    choose(&w, "ComboMateriau", "EN 10270-1 SL");
    set(&w, "Textd", "0,5");
    set(&w, "Textdm", "5");
    EXPECT_EQ(calculate(&w),
              QStringList{"Le diamètre de fil d = 0,5 mm sort du tableau de Rm de la nuance "
                          "EN 10270-1 SL (1,0 à 10,0 mm) :\nla résistance du fil n'est pas "
                          "vérifiée. Pour la vérifier, choisissez « Matériau saisi (G, mV, Rm) » "
                          "et entrez Rm."});
    EXPECT_EQ(text(&w, "TextDd") + strength(&w).join('|'), "10,000||||||||||");

    set(&w, "Textd", "2");
    set(&w, "Textdm", "20");
    EXPECT_TRUE(calculate(&w).isEmpty());
    const QStringList before = strength(&w);
    choose(&w, "ComboMateriau", kTypedItem);
    set(&w, "TextRm", "0");
    EXPECT_EQ(calculate(&w), QStringList{QString::fromUtf8(torvel::springs::kMsgRm)});
    EXPECT_EQ(strength(&w).mid(1), before.mid(1));
    // Stopped while out of date: the verdict stays grey with the results.
    EXPECT_EQ(child<QLabel>(&w, "LabelResistance")->palette().color(QPalette::WindowText),
              QColor(Qt::gray));
}
