// The press-fit group of Ajustements, driven through its controls: opening
// state, the two worked examples in both locales, what recomputes it, refusals
// and the study file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>

#include "Ajustements.h"
#include "fits_selection.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

const char* const kResults[] = {"TextUeMin",
                                "TextUeMax",
                                "TextPMin",
                                "TextPMax",
                                "TextCoupleMax",
                                "TextEffortAxial",
                                "TextSecuriteGlissement",
                                "TextEffortEmmanchement",
                                "TextTempMontage",
                                "TextContrainteMoyeu",
                                "TextSecuriteMoyeu",
                                "TextContrainteArbre",
                                "TextSecuriteArbre"};

QStringList results(QWidget* w) {
    QStringList out;
    for (const char* n : kResults) out << text(w, n);
    return out;
}

QString verdict(QWidget* w) { return text(w, "LabelPressFit"); }
QColor verdictColour(QWidget* w) {
    return child<QLabel>(w, "LabelPressFit")->palette().color(QPalette::WindowText);
}

void chooseFit(QWidget* w, const QString& diameter, const QString& fit) {
    type(child<QLineEdit>(w, "Diametre"), diameter);
    auto* list = child<QComboBox>(w, "ComboAjustementsUsuels");
    const int i = list->findText(fit);
    ASSERT_GT(i, 0);
    list->setCurrentIndex(i);
    emit list->activated(i);
}

void choose(QWidget* w, const char* list, const QString& item) {
    auto* combo = child<QComboBox>(w, list);
    const int i = combo->findText(item);
    ASSERT_GE(i, 0) << item.toStdString();
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

// Keys of the texts that differ between two snapshots.
QStringList changed(const QMap<QString, QString>& a, const QMap<QString, QString>& b) {
    QStringList keys;
    for (auto it = a.begin(); it != a.end(); ++it)
        if (b.value(it.key()) != it.value()) keys << it.key();
    return keys;
}

class PressFitWindow : public ::testing::Test {
  protected:
    void SetUp() override { torvel::fits::resetFitsSelection(); }
};

}  // namespace

TEST_F(PressFitWindow, OpensEmptyAndSaysNothingUntilUsed) {
    Ajustements w;
    EXPECT_EQ(child<QGroupBox>(&w, "FramePressFit")->title(), "Assemblage fretté (DIN 7190-1)");
    auto* hub = child<QComboBox>(&w, "ComboMoyeu");
    QStringList items;
    for (int i = 0; i < hub->count(); ++i) items << hub->itemText(i);
    EXPECT_EQ(items.join('|'),
              "Acier S235|Acier E295|Acier C45+N|Fonte EN-GJL-250 (Re = Rm/2)|Fonte "
              "EN-GJS-400-15|Aluminium EN AW-6082 T6|Bronze CuSn11P-C|Bronze CuSn12Ni2-C|Matériau "
              "saisi");
    EXPECT_FALSE(hub->isEditable());
    EXPECT_EQ(child<QLabel>(&w, "LabelMoyeu")->buddy(), hub);
    EXPECT_EQ(text(&w, "ComboArbre"), "Acier C45+N");
    const QStringList entries = {"TextDaMoyeu",    "TextDiArbre",    "TextLongueur", "TextEMoyeu",
                                 "TextNuMoyeu",    "TextReMoyeu",    "TextEArbre",   "TextNuArbre",
                                 "TextReArbre",    "TextAlphaMoyeu", "TextRzMoyeu",  "TextRzArbre",
                                 "TextFrottement", "TextCouple",     "TextTamb"};
    QStringList shown;
    for (const QString& n : entries) shown << text(&w, n);
    EXPECT_EQ(shown, QStringList({"", "0", "", "210000", "0.3", "305", "210000", "0.3", "305", "11",
                                  "4", "4", "0.15", "", "20"}));
    EXPECT_EQ(text(&w, "LabelTamb"), "Tamb (°C) =");
    EXPECT_EQ(text(&w, "LabelFrottement"), "μ =");

    // A fit chosen, the group left empty: nothing computed, nothing said.
    chooseFit(&w, "25", "H7/p6 (serré)");
    EXPECT_EQ(results(&w), QStringList(std::size(kResults), QString()));
    EXPECT_EQ(verdict(&w), "");
    EXPECT_FALSE(w.groupInUse(child<QGroupBox>(&w, "FramePressFit")));
    EXPECT_TRUE(w.shownNotices().isEmpty());
    // A bore alone does not use the group; a length does.
    type(child<QLineEdit>(&w, "TextDiArbre"), "10");
    EXPECT_EQ(verdict(&w), "");
    type(child<QLineEdit>(&w, "TextLongueur"), "30");
    EXPECT_TRUE(w.groupInUse(child<QGroupBox>(&w, "FramePressFit")));
    EXPECT_EQ(verdict(&w),
              "DaA : le diamètre extérieur du moyeu doit être supérieur au diamètre "
              "de l'ajustement");
}

TEST_F(PressFitWindow, WorkedExamplesInBothLocales) {
    struct Example {
        const char *diameter, *fit, *hubOuter, *length, *torque;
        QStringList results;  // with "." for the decimal separator
        const char* verdict;
        QColor colour;
    };
    const Example examples[] = {
        {"25",
         "H7/p6 (serré)",
         "50",
         "30",
         "",
         {"-2.2", "31.8", "", "100.2", "", "", "", "35 403", "238", "231.3", "1.32", "86.7",
          "3.52"},
         "Le serrage minimal est absorbé par l'écrasement des rugosités : pas de frettage",
         QColor(255, 0, 0)},
        {"50",
         "H7/s6 (serré)",
         "100",
         "40",
         "500",
         {"14.8", "55.8", "23.3", "87.9", "549.2", "21 969", "1.10", "82 830", "218", "203.0",
          "1.50", "76.1", "4.01"},
         "Assemblage admissible",
         QColor(0, 128, 0)},
    };
    for (const char* locale : {"fr_FR", "en_US"}) {
        LocaleScope scope(locale);
        const bool fr = QByteArray(locale) == "fr_FR";
        for (const Example& e : examples) {
            torvel::fits::resetFitsSelection();
            Ajustements w;
            QStringList messages = catchMessages([&] {
                type(child<QLineEdit>(&w, "TextDaMoyeu"), e.hubOuter);
                type(child<QLineEdit>(&w, "TextLongueur"), e.length);
                type(child<QLineEdit>(&w, "TextCouple"), e.torque);
                EXPECT_EQ(verdict(&w),
                          "Aucun ajustement affiché : choisissez-en un (tuiles ou ajustements "
                          "usuels) pour calculer l'assemblage.");
                chooseFit(&w, e.diameter, e.fit);
            });
            EXPECT_TRUE(messages.isEmpty());
            QStringList expected = e.results;
            if (fr) expected.replaceInStrings(".", ",");
            EXPECT_EQ(results(&w), expected) << locale << " " << e.fit;
            EXPECT_EQ(verdict(&w), e.verdict) << locale;
            EXPECT_EQ(verdictColour(&w), e.colour) << e.fit;
            EXPECT_EQ(w.shownNotices(), QStringList({e.verdict}));
            if (qEnvironmentVariableIsSet("TORVEL_SHOW"))
                child<QWidget>(&w, "FramePressFit")
                    ->grab()
                    .save(qEnvironmentVariable("TORVEL_SHOW"));
        }
    }
}

TEST_F(PressFitWindow, FollowsTheFitTheMaterialsAndTheEntries) {
    Ajustements w;
    type(child<QLineEdit>(&w, "TextDaMoyeu"), "100");
    type(child<QLineEdit>(&w, "TextLongueur"), "40");
    chooseFit(&w, "50", "H7/s6 (serré)");
    EXPECT_EQ(text(&w, "TextPMax"), "87,9");

    // A diameter change hides the fit: the group waits for the next click.
    type(child<QLineEdit>(&w, "Diametre"), "40");
    EXPECT_EQ(text(&w, "TextPMax"), "");
    EXPECT_TRUE(verdict(&w).startsWith("Aucun ajustement affiché"));
    chooseFit(&w, "40", "H7/u6 (serré)");
    EXPECT_EQ(text(&w, "TextUeMax"), "72,8");

    // A material fills its boxes; a value typed over them makes it the user's own.
    choose(&w, "ComboMoyeu", "Aluminium EN AW-6082 T6");
    QStringList hub;
    for (const char* n : {"TextEMoyeu", "TextNuMoyeu", "TextReMoyeu", "TextAlphaMoyeu"})
        hub << text(&w, n);
    EXPECT_EQ(hub, QStringList({"70000", "0.33", "250", "23.4"}));
    type(child<QLineEdit>(&w, "TextDaMoyeu"), "80");
    EXPECT_EQ(text(&w, "TextPMax"), "57,1");
    EXPECT_EQ(text(&w, "TextTempMontage"), "144");
    type(child<QLineEdit>(&w, "TextEMoyeu"), "72000");
    EXPECT_EQ(text(&w, "ComboMoyeu"), "Matériau saisi");
    EXPECT_EQ(text(&w, "TextEMoyeu"), "72000");
    // Choosing "Matériau saisi" leaves the boxes; the shaft's list is its own.
    choose(&w, "ComboMoyeu", "Matériau saisi");
    EXPECT_EQ(text(&w, "TextReMoyeu"), "250");
    EXPECT_EQ(text(&w, "ComboArbre"), "Acier C45+N");
    choose(&w, "ComboArbre", "Fonte EN-GJS-400-15");
    EXPECT_EQ(text(&w, "TextEArbre"), "169000");
    EXPECT_EQ(text(&w, "TextAlphaMoyeu"), "23.4");  // the shaft's α is not asked
    // Pasting the table's own value keeps the material.
    child<QLineEdit>(&w, "TextNuArbre")->setText("0.280");
    EXPECT_EQ(text(&w, "ComboArbre"), "Fonte EN-GJS-400-15");

    // Emptied again, the group says nothing.
    type(child<QLineEdit>(&w, "TextDaMoyeu"), "");
    type(child<QLineEdit>(&w, "TextLongueur"), "");
    EXPECT_EQ(results(&w), QStringList(std::size(kResults), QString()));
    EXPECT_EQ(verdict(&w), "");
}

// A wrong entry is named in the label; no box opens and nothing else changes.
TEST_F(PressFitWindow, WrongEntriesAreNamedInTheLabelOnly) {
    struct Case {
        const char *box, *typed, *message;
    };
    const Case cases[] = {
        {"TextDaMoyeu", "50",
         "DaA : le diamètre extérieur du moyeu doit être supérieur au diamètre de l'ajustement"},
        {"TextDiArbre", "50",
         "DiI : l'alésage de l'arbre doit être inférieur au diamètre de l'ajustement (0 pour un "
         "arbre plein)"},
        {"TextLongueur", "0", "L : la longueur de l'assemblage doit être supérieure à 0"},
        {"TextEArbre", "", "EI : le module d'élasticité de l'arbre doit être supérieur à 0"},
        {"TextNuMoyeu", "0,5",
         "νA : le coefficient de Poisson du moyeu doit être positif ou nul et inférieur à un demi"},
        {"TextFrottement", "0", "μ : le coefficient de frottement doit être supérieur à 0"},
    };
    for (const Case& c : cases) {
        torvel::fits::resetFitsSelection();
        Ajustements w;
        type(child<QLineEdit>(&w, "TextDaMoyeu"), "100");
        type(child<QLineEdit>(&w, "TextLongueur"), "40");
        chooseFit(&w, "50", "H7/s6 (serré)");
        const auto before = shownTexts(&w);
        const QStringList boxes =
            catchMessages([&] { type(child<QLineEdit>(&w, c.box), c.typed); });
        EXPECT_TRUE(boxes.isEmpty()) << c.box;
        EXPECT_EQ(verdict(&w), c.message);
        EXPECT_EQ(verdictColour(&w), QColor(255, 0, 0));
        EXPECT_EQ(results(&w), QStringList(std::size(kResults), QString())) << c.box;
        // A value typed over a material's makes it the user's own: its list says so.
        QStringList expected = {c.box, "LabelPressFit", "ComboMoyeu", "ComboArbre"};
        for (const char* n : kResults) expected << n;
        for (const QString& key : changed(before, shownTexts(&w)))
            EXPECT_TRUE(expected.contains(key)) << c.box << " changed " << key.toStdString();
    }
}

TEST_F(PressFitWindow, StudyFileKeepsTheEntries) {
    QJsonObject kept;
    QMap<QString, QString> shown;
    {
        Ajustements w;
        chooseFit(&w, "50", "H7/s6 (serré)");
        type(child<QLineEdit>(&w, "TextDaMoyeu"), "90");
        type(child<QLineEdit>(&w, "TextLongueur"), "35");
        choose(&w, "ComboMoyeu", "Fonte EN-GJL-250 (Re = Rm/2)");
        type(child<QLineEdit>(&w, "TextReArbre"), "400");
        type(child<QLineEdit>(&w, "TextCouple"), "300");
        kept = w.keptInputs();
        shown = shownTexts(&w);
    }
    for (const char* name : {"TextDaMoyeu", "ComboMoyeu", "ComboArbre", "TextReArbre", "TextTamb"})
        EXPECT_TRUE(kept.contains(name)) << name;
    EXPECT_EQ(kept.value("ComboArbre").toString(), "Matériau saisi");
    EXPECT_FALSE(kept.contains("TextPMax"));

    torvel::fits::resetFitsSelection();
    Ajustements again;
    ASSERT_EQ(again.checkKeptInputs(kept), "");
    again.restoreKeptInputs(QString(), kept);
    EXPECT_EQ(shownTexts(&again), shown);
    EXPECT_EQ(text(&again, "TextReArbre"), "400");
    EXPECT_EQ(text(&again, "TextReMoyeu"), "125");
}

// An older fits file, written before the group existed, opens with the group
// at its opening values: empty, saying nothing.
TEST_F(PressFitWindow, AnOlderFileOpensWithTheGroupEmpty) {
    const QJsonObject older{{"Diametre", "25"},     {"ComboAjustementsUsuels", "H7/p6 (serré)"},
                            {"AlesageLettre", "H"}, {"AlesageQualite", "7"},
                            {"ArbreLettre", "p"},   {"ArbreQualite", "6"}};
    Ajustements w;
    ASSERT_EQ(w.checkKeptInputs(older), "");
    w.restoreKeptInputs(QString(), older);
    EXPECT_EQ(text(&w, "J_Max"), "-0,0010");
    EXPECT_EQ(text(&w, "TextDaMoyeu"), "");
    EXPECT_EQ(text(&w, "TextFrottement"), "0.15");
    EXPECT_EQ(text(&w, "ComboMoyeu"), "Acier C45+N");
    EXPECT_EQ(verdict(&w), "");
}
