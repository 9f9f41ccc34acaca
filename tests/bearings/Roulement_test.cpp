#include "Roulement.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "bearing_note_read.h"
#include "ui_helpers.h"
#include "ui_text.h"

using namespace testing_ui;
using namespace torvel::bearings;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList items(QWidget* w, const QString& name) {
    QStringList out;
    auto* combo = child<QComboBox>(w, name);
    for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
    return out;
}

// Chooses an item of a list with the keyboard, as a user would; the list's
// click handler runs.
void choose(QWidget* w, const QString& name, const QString& item) {
    auto* combo = child<QComboBox>(w, name);
    const int target = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(target, 0) << item.toStdString();
    combo->setFocus();
    for (int guard = 0; combo->currentIndex() != target && guard < 20; ++guard)
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(combo->currentIndex(), target);
}

QStringList calculer(QWidget* w) {
    return catchMessages([&] { click(w, "BtCalculer"); });
}

QColor base(QWidget* w, const QString& name) {
    return child<QLineEdit>(w, name)->palette().color(QPalette::Base);
}

const QStringList kFactorBoxes = {"Texte", "TextX", "TextY", "TextXo", "TextYo"};
const QStringList kResults = {"TextFaFr", "TextL10", "TextP", "TextPo", "TextL10H"};
const QStringList kRadialAngles = {q("0° (Contact Radial)"),
                                   q("5°"),
                                   q("10°"),
                                   q("15°"),
                                   q("20°"),
                                   q("25°"),
                                   q("30°"),
                                   q("35°"),
                                   q("40°"),
                                   q("45°")};

QStringList texts(QWidget* w, const QStringList& names) {
    QStringList out;
    for (const QString& n : names) out << text(w, n);
    return out;
}

// The worked example: one-row ball bearing at 25°, 99 %, with shocks.
void enterWorkedExample(QWidget* w) {
    set(w, "TextFr", "2000");
    set(w, "TextFa", "1500");
    set(w, "TextCo", "3000");
    set(w, "TextC", "5000");
    set(w, "TextN", "1000");
    choose(w, "ComboAngle", q("25°"));
    choose(w, "ComboFiabilité", "99%");
    choose(w, "ComboFonctionnement", "Avec chocs ( x 2 )");
}

const QStringList kModifiedResults = {
    "Textdm",    "TextNu",   "TextNu1", "TextKappa", "TexteC",
    "Texta1ISO", "TextaISO", "TextLnm", "TextLnmh",  "LabelDureeCorrigee"};

// The modified life's example: radial ball bearing, VG 68 oil at 70 °C.
void enterModifiedLifeExample(QWidget* w) {
    for (const auto& [name, value] : {std::pair{"TextFr", "4000"},
                                      {"TextFa", "3000"},
                                      {"TextCo", "20000"},
                                      {"TextC", "30000"},
                                      {"TextN", "1000"},
                                      {"Textd", "40"},
                                      {"TextDext", "80"},
                                      {"TextCu", "800"},
                                      {"TextNu40", "68"},
                                      {"TextNu100", "8.5"}})
        set(w, name, value);
}

}  // namespace

TEST(Roulement, OpensWithItsDesignContents) {
    Roulement w;
    EXPECT_EQ(w.objectName(), "Roulement");
    EXPECT_EQ(w.windowTitle(), q("Elément Roulant"));

    const QStringList groups = {q("Durée de Vie"),
                                q("Type d'élément roulant"),
                                "Angle de Contact",
                                q("Charges Appliquées"),
                                "Charges de Base",
                                "Vitesse",
                                "Fonctionnement ( Coefficient Statique : So )",
                                q("Fiabilité"),
                                "Coefficients",
                                "Charges Equivalentes",
                                q("Durée de Vie"),
                                q("Référence")};
    for (int i = 0; i < groups.size(); ++i)
        EXPECT_EQ(child<QGroupBox>(&w, QStringLiteral("Frame%1").arg(i + 1))->title(), groups[i])
            << i + 1;
    EXPECT_EQ(child<QGroupBox>(&w, "FrameDureeCorrigee")->title(),
              q("Durée de Vie Corrigée (ISO 281:2007)"));
    EXPECT_EQ(w.findChildren<QGroupBox*>().size(), groups.size() + 1);
    EXPECT_EQ(child<QLineEdit>(&w, "TextRef")->parentWidget()->objectName(), "Frame12");

    struct Field {
        const char* box;
        const char* group;
        const char* label;
        const char* tip;
    };
    const Field fields[] = {
        {"TextFr", "Frame4", "Fr (N) =", "ChargeRadiale (N)"},
        {"TextFa", "Frame4", "Fa (N) =", "Charge Axiale (N)"},
        {"TextCo", "Frame5", "Co (N) =", "Charge Statique de Base (N)"},
        {"TextC", "Frame5", "C (N) =", "Charge Dynamique de Base (N)"},
        {"TextN", "Frame6", "V (Tr/min) =", "Vitesse (Tr/min)"},
        {"TextFaFr", "Frame9", "Fa/Fr =", ""},
        {"Texte", "Frame9", "e =", ""},
        {"TextX", "Frame9", "X =", ""},
        {"TextY", "Frame9", "Y =", ""},
        {"TextXo", "Frame9", "Xo =", ""},
        {"TextYo", "Frame9", "Yo =", ""},
        {"TextP", "Frame10", "P (N) =", "Charge Dynamique Equivalente (N)"},
        {"TextPo", "Frame10", "Po.So (N) =", "Charge Statique Equivalente Pondérée (N)"},
        {"TextL10", "Frame11", "L =", "Durée de vie (millions de tours)"},
        {"TextL10H", "Frame11", "L h =", "Durée de vie (Heures)"},
    };
    for (const Field& f : fields) {
        auto* box = child<QLineEdit>(&w, f.box);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "0") << f.box;
        EXPECT_EQ(box->parentWidget()->objectName(), f.group) << f.box;
        QLabel* label = nullptr;
        for (QLabel* l : w.findChildren<QLabel*>())
            if (l->buddy() == box) label = l;
        ASSERT_NE(label, nullptr) << f.box;
        EXPECT_EQ(label->text(), q(f.label)) << f.box;
        EXPECT_EQ(label->toolTip(), q(f.tip)) << f.box;
    }
    EXPECT_EQ(text(&w, "TextRef"), "");

    struct List {
        const char* name;
        const char* group;
        QString shown;
        QStringList items;
    };
    const List lists[] = {
        {"ComboElement", "Frame2", "Roulement", {"Roulement", q("Butée")}},
        {"ComboType",
         "Frame2",
         q("à billes"),
         {q("à billes"), q("à rouleaux"), q("à rotule (billes)"), q("à rotule (rouleaux)")}},
        {"ComboRangées",
         "Frame2",
         q("une rangée ou T"),
         {q("une rangée ou T"), q("deux rangées, X ou O")}},
        {"ComboAngle", "Frame3", q("0° (Contact Radial)"), kRadialAngles},
        {"ComboFonctionnement",
         "Frame7",
         q("Conditions normales, mouvements doux et précis ( x 1 )"),
         {"Sans chocs, faibles mouvements de rotation ( x 0.5 )",
          q("Conditions normales, mouvements doux et précis ( x 1 )"), "Avec chocs ( x 2 )",
          q("Mouvements très doux et très précis ( x 4 )")}},
        {"ComboFiabilité", "Frame8", "90%", {"90%", "95%", "96%", "97%", "98%", "99%"}},
        {"ComboCalcul", "Frame9", "Automatique", {"Automatique", "Manuel"}},
    };
    for (const List& l : lists) {
        auto* combo = child<QComboBox>(&w, q(l.name));
        ASSERT_NE(combo, nullptr);
        EXPECT_TRUE(combo->isEditable()) << l.name;
        EXPECT_EQ(combo->currentText(), l.shown) << l.name;
        EXPECT_EQ(items(&w, q(l.name)), l.items) << l.name;
        EXPECT_EQ(combo->parentWidget()->objectName(), l.group) << l.name;
    }
    EXPECT_EQ(child<QLabel>(&w, "LabelA1")->text(), "a1 =");
    EXPECT_EQ(child<QLabel>(&w, "LabelA1")->toolTip(), q("Coefficient de fiabilité"));
    EXPECT_EQ(child<QLabel>(&w, "LabelA1")->buddy(), w.findChild<QWidget*>(q("ComboFiabilité")));
    EXPECT_EQ(child<QLabel>(&w, "LabelCalcul")->text(), "Mode de Calcul :");
    EXPECT_EQ(child<QPushButton>(&w, "BtCalculer")->text(), "Calculer");
    EXPECT_EQ(child<QPushButton>(&w, "BtImprimer")->text(), "Imprimer");

    // Computed factors on the menu background, results on the button face,
    // entries on the window background.
    const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
    const QColor face = QApplication::palette().color(QPalette::Button);
    const QColor window = QApplication::palette().color(QPalette::Base);
    for (const char* n : {"Texte", "TextX", "TextY", "TextXo", "TextYo", "TextFaFr"})
        EXPECT_EQ(base(&w, n), menu) << n;
    for (const char* n : {"TextP", "TextPo", "TextL10", "TextL10H"})
        EXPECT_EQ(base(&w, n), face) << n;
    for (const char* n : {"TextFr", "TextFa", "TextCo", "TextC", "TextN", "TextRef"})
        EXPECT_EQ(base(&w, n), window) << n;

    // At its design size the window scrolls down to the modified life's group.
    w.ensurePolished();  // what showing it does first
    EXPECT_EQ(w.size(), w.designClientSize());
    EXPECT_TRUE(w.vScroll()->isVisibleTo(&w));
    EXPECT_FALSE(w.hScroll()->isVisibleTo(&w));
    w.vScroll()->setValue(w.vScroll()->maximum());
    auto* group = child<QGroupBox>(&w, "FrameDureeCorrigee");
    EXPECT_LE(group->mapTo(&w, QPoint(0, group->height())).y(), w.height());
}

TEST(Roulement, ModifiedLifeGroupOpensEmpty) {
    Roulement w;
    showActive(&w);
    EXPECT_EQ(texts(&w, {"Textd", "TextDext", "TextCu", "TextNu40", "TextNu100", "TextT"}),
              (QStringList{"0", "0", "0", "0", "0", "70"}));
    EXPECT_EQ(texts(&w, kModifiedResults), QStringList(kModifiedResults.size(), QString()));
    EXPECT_TRUE(child<QLineEdit>(&w, "TextLnm")->isReadOnly());
    type(child<QLineEdit>(&w, "TextNu40"), q("6a8,5é"));  // the numeric filter
    EXPECT_EQ(text(&w, "TextNu40"), "68,5");
    EXPECT_EQ(text(&w, "LabelNu40"), q("ν40 (mm²/s) ="));
    EXPECT_TRUE(child<QLineEdit>(&w, "TexteC")->toolTip().contains("prudente"));
    auto* pollution = child<QComboBox>(&w, "ComboPollution");
    EXPECT_FALSE(pollution->isEditable());
    EXPECT_EQ(items(&w, "ComboPollution"),
              (QStringList{q("Propreté extrême"), q("Haute propreté"), q("Propreté normale"),
                           q("Contamination légère"), "Contamination typique",
                           q("Contamination sévère"), q("Contamination très sévère")}));
    EXPECT_EQ(pollution->currentText(), q("Propreté normale"));
}

TEST(Roulement, ElementClickRebuildsTheDependentLists) {
    LocaleScope locale("fr_FR");
    Roulement w;
    w.show();
    set(&w, "TextFr", "1000");
    set(&w, "TextCo", "5000");
    set(&w, "TextC", "9000");
    calculer(&w);
    choose(&w, "ComboType", q("à rotule (rouleaux)"));
    choose(&w, "ComboRangées", q("deux rangées, X ou O"));
    const QStringList results = texts(&w, kResults + kFactorBoxes);

    struct Case {
        QString element;
        QString type, angle, rows;
        QStringList types, angles, rowItems;
    };
    const Case cases[] = {
        {q("Butée"),
         q("à billes"),
         q("90° (Contact Axial)"),
         "simple effet",
         {q("à billes"), q("à rouleaux")},
         {q("45°"), q("50°"), q("55°"), q("60°"), q("65°"), q("70°"), q("75°"), q("80°"), q("85°"),
          q("90° (Contact Axial)")},
         {"simple effet", "double effet"}},
        {"Roulement",
         q("à billes"),
         q("0° (Contact Radial)"),
         q("une rangée ou T"),
         {q("à billes"), q("à rouleaux"), q("à rotule (billes)"), q("à rotule (rouleaux)")},
         kRadialAngles,
         {q("une rangée ou T"), q("deux rangées, X ou O")}},
    };
    for (const Case& c : cases) {
        choose(&w, "ComboElement", c.element);
        EXPECT_EQ(text(&w, "ComboType"), c.type) << c.element.toStdString();
        EXPECT_EQ(text(&w, "ComboAngle"), c.angle);
        EXPECT_EQ(text(&w, q("ComboRangées")), c.rows);
        EXPECT_EQ(items(&w, "ComboType"), c.types);
        EXPECT_EQ(items(&w, "ComboAngle"), c.angles);
        EXPECT_EQ(items(&w, q("ComboRangées")), c.rowItems);
        // Inputs, factors and results are left as they are.
        EXPECT_EQ(texts(&w, kResults + kFactorBoxes), results);
        EXPECT_EQ(text(&w, "TextFr"), "1000");
    }

    // A typed element that matches no entry changes nothing, even when confirmed.
    choose(&w, "ComboAngle", q("30°"));
    auto* element = child<QComboBox>(&w, "ComboElement");
    set(&w, "ComboElement", "Palier");
    QTest::keyClick(element->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(element->currentText(), "Palier");
    EXPECT_EQ(element->count(), 2);  // a typed text never joins the list
    EXPECT_EQ(text(&w, "ComboAngle"), q("30°"));
    EXPECT_EQ(items(&w, "ComboAngle"), kRadialAngles);
}

TEST(Roulement, UnmatchedSelectionKeepsThePreviousFactors) {
    LocaleScope locale("fr_FR");
    Roulement w;
    w.show();
    set(&w, "TextFr", "1000");
    set(&w, "TextFa", "1000");
    set(&w, "TextCo", "5000");
    set(&w, "TextC", "20000");
    set(&w, "ComboAngle", q("31°"));
    // Nothing matched yet: the factors are still zero, so P = 0.
    EXPECT_EQ(calculer(&w), QStringList{q(kMsgImpossible)});
    EXPECT_EQ(texts(&w, kFactorBoxes), (QStringList{"0,00", "0,00", "0,00", "0,00", "0,00"}));

    choose(&w, "ComboAngle", q("30°"));
    EXPECT_TRUE(calculer(&w).isEmpty());
    EXPECT_EQ(texts(&w, kFactorBoxes), (QStringList{"0,80", "0,39", "0,76", "0,50", "0,33"}));
    // Fa/Fr now under e, but "31°" selects no row: the 30° factors stay.
    set(&w, "ComboAngle", q("31°"));
    set(&w, "TextFa", "500");
    EXPECT_TRUE(calculer(&w).isEmpty());
    EXPECT_EQ(texts(&w, kFactorBoxes), (QStringList{"0,80", "0,39", "0,76", "0,50", "0,33"}));
    EXPECT_EQ(text(&w, "TextP"), "770,00");
}

TEST(Roulement, ManuelAndAutomatiqueModes) {
    LocaleScope locale("fr_FR");
    Roulement w;
    w.show();
    set(&w, "TextFr", "1000");
    set(&w, "TextCo", "5000");
    set(&w, "TextC", "20000");
    EXPECT_EQ(calculer(&w), QStringList{q(kMsgELimit)});
    EXPECT_EQ(text(&w, "Texte"), "0,19");
    const QStringList before = texts(&w, kResults);

    choose(&w, "ComboCalcul", "Manuel");
    const QColor window = QApplication::palette().color(QPalette::Base);
    for (const QString& n : kFactorBoxes) {
        EXPECT_EQ(text(&w, n), "0") << n.toStdString();
        EXPECT_EQ(base(&w, n), window) << n.toStdString();
    }
    EXPECT_EQ(text(&w, "TextFaFr"), before[0]);  // not a factor box
    // All five at "0": one warning, then P = 0 stops with the results as they were.
    EXPECT_EQ(calculer(&w), (QStringList{q(kMsgCoefficients), q(kMsgImpossible)}));
    EXPECT_EQ(lastBoxLook().title, "Attention");
    EXPECT_EQ(texts(&w, kResults), before);

    // Typed factors are read by the leading-number rule ("." always the point) and stay as typed.
    set(&w, "Texte", "0.3");
    set(&w, "TextX", "1");
    set(&w, "TextY", "1.5");
    set(&w, "TextXo", "0.5");
    set(&w, "TextYo", "0.7,9");
    set(&w, "TextFa", "200");
    EXPECT_TRUE(calculer(&w).isEmpty());
    EXPECT_EQ(texts(&w, kFactorBoxes), (QStringList{"0.3", "1", "1.5", "0.5", "0.7,9"}));
    EXPECT_EQ(text(&w, "TextP"), "1300,00");   // 1·1000 + 1.5·200
    EXPECT_EQ(text(&w, "TextPo"), "1000,00");  // 0.5·1000 + 0.7·200 = 640, raised to Fr
    EXPECT_EQ(text(&w, "TextFaFr"), "0,20");

    // Back to Automatique: the typed factors stay until the next Calculer overwrites them.
    choose(&w, "ComboCalcul", "Automatique");
    const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
    for (const QString& n : kFactorBoxes) EXPECT_EQ(base(&w, n), menu) << n.toStdString();
    EXPECT_EQ(text(&w, "TextY"), "1.5");
    // x = 200/5000 puts e = 0.235 inside its bounds: no warning this time.
    EXPECT_TRUE(calculer(&w).isEmpty());
    EXPECT_EQ(texts(&w, kFactorBoxes), (QStringList{"0,24", "1,00", "0,00", "0,60", "0,50"}));

    // A mode text that matches no entry changes neither colours nor texts.
    set(&w, "ComboCalcul", "Semi");
    QTest::keyClick(child<QComboBox>(&w, "ComboCalcul")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(text(&w, "TextY"), "0,00");
    EXPECT_EQ(base(&w, "TextY"), menu);
}

TEST(Roulement, KeystrokeFilterOnTheFourLoadBoxesOnly) {
    Roulement w;
    showActive(&w);
    struct Case {
        const char* box;
        bool filtered;
    };
    const Case cases[] = {{"TextFr", true}, {"TextFa", true},  {"TextCo", true}, {"TextC", true},
                          {"TextN", false}, {"Texte", false},  {"TextX", false}, {"TextYo", false},
                          {"TextP", false}, {"TextRef", false}};
    for (const Case& c : cases) {
        auto* box = child<QLineEdit>(&w, c.box);
        type(box, q("-1,2a.3é 4"));
        EXPECT_EQ(box->text(), c.filtered ? "1,2.34" : q("-1,2a.3é 4")) << c.box;
        if (c.filtered) {
            // Backspace passes; Enter keeps the focus in the box.
            QTest::keyClick(box, Qt::Key_Backspace);
            EXPECT_EQ(box->text(), "1,2.3");
            QTest::keyClick(box, Qt::Key_Return);
            EXPECT_TRUE(box->hasFocus()) << c.box;
        }
    }
    // "1.2.3" passes the filter and reads as 1.2.
    set(&w, "TextFr", "1.2.3");
    EXPECT_EQ(text(&w, "TextFr"), "1.2.3");
}

TEST(Roulement, WorkedExampleInAFrenchAndAPointLocale) {
    struct Case {
        const char* locale;
        QStringList factors, results;
    };
    const Case cases[] = {
        {"fr_FR",
         {"0,68", "0,41", "0,87", "0,50", "0,38"},
         {"0,75", "2,735 599", "2125,00", "4000,00", "45,59"}},
        {"en_US",
         {"0.68", "0.41", "0.87", "0.50", "0.38"},
         {"0.75", "2.735 599", "2125.00", "4000.00", "45.59"}},
    };
    for (const Case& c : cases) {
        LocaleScope locale(c.locale);
        Roulement w;
        w.show();
        enterWorkedExample(&w);
        EXPECT_EQ(calculer(&w), QStringList{q(kMsgPoSo)}) << c.locale;
        EXPECT_EQ(lastBoxLook().title, "Attention");
        EXPECT_EQ(lastBoxLook().icon, static_cast<int>(QMessageBox::Warning));
        EXPECT_EQ(texts(&w, kFactorBoxes), c.factors) << c.locale;
        EXPECT_EQ(texts(&w, kResults), c.results) << c.locale;
    }
}

TEST(Roulement, TypedCommasAndTwoRowDeepGrooveBearings) {
    LocaleScope locale("fr_FR");
    struct Case {
        const char *rows, *fr, *fa, *co, *c;
        QStringList shown;  // Texte, TextY, TextP, TextL10
    };
    const Case cases[] = {
        // The comma passes the keystroke filter: the run uses 12.5 N.
        {"une rangée ou T",
         "12,5",
         "0",
         "1000",
         "1000",
         {"0,19", "0,00", "12,50", "512000,000 000"}},
        // Two rows at 0°: Fa/Co, not 2·Fa/Co, enters the curve of e.
        {"deux rangées, X ou O",
         "2000",
         "1000",
         "20000",
         "30000",
         {"0,25", "1,73", "2854,18", "1161,231 201"}},
    };
    for (const Case& c : cases) {
        Roulement w;
        showActive(&w);
        choose(&w, "ComboRangées", q(c.rows));
        for (const auto& [name, value] : {std::pair{"TextFr", c.fr},
                                          {"TextFa", c.fa},
                                          {"TextCo", c.co},
                                          {"TextC", c.c},
                                          {"TextN", "1000"}})
            type(child<QLineEdit>(&w, name), q(value));
        calculer(&w);
        EXPECT_EQ(texts(&w, {"Texte", "TextY", "TextP", "TextL10"}), c.shown) << c.fr;
    }
}

TEST(Roulement, StopsLeaveTheResultsAsTheyWere) {
    LocaleScope locale("fr_FR");
    Roulement w;
    w.show();
    enterWorkedExample(&w);
    calculer(&w);
    const QStringList results = texts(&w, kResults);
    struct Case {
        const char* box;
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {"TextFr", "", kMsgRadialLoad},
        {"TextCo", "0.0", kMsgStaticRating},
        {"TextC", ".", kMsgDynamicRating},
        {"TextC", "1E39", kMsgImpossible},  // out of single precision
    };
    for (const Case& c : cases) {
        const QString kept = text(&w, c.box);
        child<QLineEdit>(&w, c.box)->setText(c.value);  // pasted: the filter would refuse "E"
        EXPECT_EQ(calculer(&w), QStringList{q(c.message)}) << c.box << " " << c.value;
        EXPECT_EQ(texts(&w, kResults), results) << c.box << " " << c.value;
        set(&w, c.box, kept);
    }
    // Huge C/P overflows the life: one stop, no inf on screen.
    child<QLineEdit>(&w, "TextC")->setText("3E38");
    set(&w, "TextFr", "0.001");
    set(&w, "TextFa", "0");
    const QStringList messages = calculer(&w);
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.back(), q(kMsgImpossible));
    EXPECT_EQ(texts(&w, kResults), results);
}

TEST(Roulement, RequestsSetTheirFieldAndRunAgain) {
    LocaleScope locale("fr_FR");
    struct Case {
        const char* what;
        const char* element;
        const char* type;
        const char* rows;
        const char* angle;
        const char* fr;
        const char* fa;
        QStringList messages;
        QList<QPair<QString, QString>> after;  // field texts once the click is over
    };
    const Case cases[] = {
        {"radial roller at 0 with an axial load",
         "Roulement",
         "à rouleaux",
         "une rangée ou T",
         "0° (Contact Radial)",
         "1000",
         "10",
         {q(kMsgRadialRoller)},
         {{"TextFa", "0"}, {"TextP", "1000,00"}, {"TextX", "1,00"}, {"TextFaFr", "0,00"}}},
        {"self-aligning at 0",
         "Roulement",
         "à rotule (billes)",
         "une rangée ou T",
         "0° (Contact Radial)",
         "1000",
         "10",
         {q(kMsgSelfAligning)},
         {{"ComboAngle", q("5°")}, {"TextFa", "10"}, {"Texte", "0,13"}, {"TextFaFr", "0,01"}}},
        {"thrust ball at 90 with a radial load",
         "Butée",
         "à billes",
         "double effet",
         "90° (Contact Axial)",
         "5",
         "100",
         {q(kMsgAxialBall)},
         {{"TextFr", "0"},
          {"TextP", "0.00"},
          {"TextL10H", "0.00"},
          {"TextL10", "0"},
          {"TextPo", "0"}}},
        {"thrust roller at 90 with a radial load",
         "Butée",
         "à rouleaux",
         "simple effet",
         "90° (Contact Axial)",
         "5",
         "100",
         {q(kMsgAxialRoller)},
         {{"TextFr", "0"}, {"TextP", "0"}, {"TextL10H", "0"}, {"Texte", "0"}}},
    };
    for (const Case& c : cases) {
        Roulement w;
        w.show();
        choose(&w, "ComboElement", q(c.element));
        choose(&w, "ComboType", q(c.type));
        choose(&w, q("ComboRangées"), q(c.rows));
        choose(&w, "ComboAngle", q(c.angle));
        set(&w, "TextFr", c.fr);
        set(&w, "TextFa", c.fa);
        set(&w, "TextCo", "50000");
        set(&w, "TextC", "20000");
        EXPECT_EQ(calculer(&w), c.messages) << c.what;
        for (const auto& [name, value] : c.after)
            EXPECT_EQ(text(&w, name), value) << c.what << " " << name.toStdString();
        // The field set removes the cause: the next click computes quietly.
        const QStringList again = calculer(&w);
        EXPECT_TRUE(again.isEmpty()) << c.what << ": " << again.join('|').toStdString();
    }
}

TEST(Roulement, ThrustBallAt45ShowsTheNoteFirst) {
    Roulement w;
    w.show();
    choose(&w, "ComboElement", q("Butée"));
    choose(&w, "ComboAngle", q("45°"));
    set(&w, "TextFr", "1000");
    set(&w, "TextFa", "1000");
    set(&w, "TextCo", "100");
    set(&w, "TextC", "100");
    const QStringList messages = calculer(&w);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], q(kMsgThrust45));
    EXPECT_EQ(messages[1], q(kMsgSimpleEffet) + "\n" + q(kMsgRatioAbove) + "2.27");
}

TEST(Roulement, NegativePastedLoadStopsAndFocusesFr) {
    Roulement w;
    showActive(&w);
    choose(&w, "ComboAngle", q("20°"));
    set(&w, "TextCo", "100");
    set(&w, "TextC", "100");
    child<QLineEdit>(&w, "TextFr")->setText("-1000");  // pasted: the filter does not see it
    child<QLineEdit>(&w, "TextCo")->setFocus();
    EXPECT_EQ(calculer(&w), QStringList{q(kMsgImpossible)});
    EXPECT_EQ(w.focusWidget(), child<QLineEdit>(&w, "TextFr"));
    EXPECT_EQ(text(&w, "TextL10"), "0");
}

TEST(Roulement, ReportLinesComeFromTheFieldsAsShown) {
    struct Case {
        const char* mode;
        const char* speed;
        bool speedLines;
        bool factorsFirst;  // the factor block before "> Résultats"
    };
    const Case cases[] = {
        {"Automatique", "1000", true, false},
        {"Automatique", "0", false, false},
        {"Manuel", "1500,5", true, true},
        {"Manuel", "0.0", false, true},
    };
    for (const Case& c : cases) {
        LocaleScope locale("fr_FR");
        Roulement w;
        w.show();
        enterWorkedExample(&w);
        set(&w, "TextRef", "R-12");
        calculer(&w);
        choose(&w, "ComboCalcul", q(c.mode));
        set(&w, "TextN", c.speed);
        const auto lines =
            bearingReportLines(w.reportFields(), "01/02/2024", torvel::engineDecimalSeparator());
        ASSERT_TRUE(lines.has_value()) << c.mode << " " << c.speed;
        QStringList all;
        for (const auto& l : *lines) all << QString::fromStdString(l.text);
        EXPECT_TRUE(all.contains(q("Référence : R-12")));
        EXPECT_TRUE(
            all.contains(q("- Type d'élément roulant : Roulement à billes à une rangée ou T")));
        EXPECT_TRUE(all.contains(q("- Angle de contact : 25°")));
        EXPECT_TRUE(all.contains("  Avec chocs ( x 2 )"));
        EXPECT_TRUE(all.contains(q("- Fiabilité ( Facteur de correction de la durée ) : 99%")));
        EXPECT_TRUE(all.contains("  Charge Radiale : 2000 N"));
        EXPECT_TRUE(all.contains("  Charge Axiale : 1500 N"));
        EXPECT_TRUE(all.contains("  Charge Statique de Base : 3000 N"));
        EXPECT_TRUE(all.contains("  Charge Dynamique de Base : 5000 N"));
        EXPECT_TRUE(all.contains("  Charge Statique Equivalente (Po x So) : Po' = 4000,00 N"));
        EXPECT_TRUE(all.contains("  Charge Dynamique Equivalente : P = 2125,00 N"));
        EXPECT_TRUE(all.contains("  L = 2,735 599 millions de Tours"));
        EXPECT_EQ(
            all.contains(q("- Vitesse (constante) : %1 Tr/min").arg(QString::fromLatin1(c.speed))),
            c.speedLines)
            << c.speed;
        EXPECT_EQ(all.contains("  Lh = 45,59 Heures"), c.speedLines) << c.speed;
        const qsizetype coefficients = all.indexOf("- Coefficients");
        const qsizetype results = all.indexOf(q("> Résultats"));
        ASSERT_GE(coefficients, 0);
        EXPECT_EQ(coefficients < results, c.factorsFirst) << c.mode;
        // In Manuel the boxes were reset to "0" by the mode click.
        const QString e = c.factorsFirst ? "0" : "0,68";
        EXPECT_EQ(all.mid(coefficients + 1, 6),
                  (QStringList{"  Fa / Fr = 0,75", "  e = " + e,
                               "  Xo = " + (c.factorsFirst ? "0" : QString("0,50")),
                               "  Yo = " + (c.factorsFirst ? "0" : QString("0,38")),
                               "  X = " + (c.factorsFirst ? "0" : QString("0,41")),
                               "  Y = " + (c.factorsFirst ? "0" : QString("0,87"))}));
    }
}

TEST(Roulement, PrintsTheReportReadBackFromPdf) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    const QString pdf = reportPdfPath(dir, "roulement.pdf");
    Roulement w;
    w.show();
    enterWorkedExample(&w);
    set(&w, "TextRef", q("Réducteur 3"));
    calculer(&w);
    // One job whatever the copy count: two copies print what one copy prints.
    const QString single = dir.filePath("single.pdf");
    EXPECT_TRUE(answerPrintDialog([&] { click(&w, "BtImprimer"); }, single, 1).isEmpty());
    EXPECT_TRUE(answerPrintDialog([&] { click(&w, "BtImprimer"); }, pdf, 2).isEmpty());
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_EQ(pdfPages(single), 1);
    const QString printed = pdfText(pdf);
    for (const QString& expected :
         {q("Eléments Roulants : Estimation de la durée de vie"), q("Référence : Réducteur 3"),
          q("> Données"), q("- Type d'élément roulant : Roulement à billes à une rangée ou T"),
          q("- Angle de contact : 25°"), q("- Vitesse (constante) : 1000 Tr/min"), q("> Résultats"),
          QString("Fa / Fr = 0,75"), QString("Po' = 4000,00 N"),
          QString("L = 2,735 599 millions de Tours"), QString("Lh = 45,59 Heures")})
        EXPECT_TRUE(printed.contains(expected)) << expected.toStdString() << "\n"
                                                << printed.toStdString();
    EXPECT_LT(printed.indexOf(q("> Résultats")), printed.indexOf("- Coefficients"));
}

TEST(Roulement, UnreadableSpeedPrintsNothingAndSaysSo) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    for (const char* speed : {"", "abc", "1 500", "12.5.1"}) {
        const QString pdf =
            dir.filePath(QStringLiteral("speed-%1.pdf").arg(QString::fromLatin1(speed).size()));
        Roulement w;
        w.show();
        set(&w, "TextN", speed);
        EXPECT_EQ(answerPrintDialog([&] { click(&w, "BtImprimer"); }, pdf),
                  QStringList{q(kMsgReportSpeed)})
            << speed;
        EXPECT_FALSE(QFile::exists(pdf) && QFile(pdf).size() > 0) << speed;
    }
    // A cancelled dialog prints nothing and says nothing, even with a bad speed.
    Roulement w;
    w.show();
    set(&w, "TextN", "abc");
    EXPECT_TRUE(answerPrintDialog([&] { click(&w, "BtImprimer"); }, QString()).isEmpty());
    // With a readable speed, a printer that cannot be opened is said, not passed over.
    set(&w, "TextN", "1500");
    EXPECT_EQ(answerPrintDialog([&] { click(&w, "BtImprimer"); },
                                dir.filePath("missing-folder/roulement.pdf")),
              QStringList{q(kMsgPrintFailed)});
}

TEST(Roulement, ModifiedLifeExampleInAFrenchAndAPointLocale) {
    struct Case {
        const char* locale;
        QString p;
        QStringList results;
    };
    const Case cases[] = {
        {"fr_FR",
         "6270,70",
         {"60,00", "19,81", "18,37", "1,078", "0,50", "1,00", "1,525", "166,937 180", "2782,29",
          ""}},
        {"en_US",
         "6270.70",
         {"60.00", "19.81", "18.37", "1.078", "0.50", "1.00", "1.525", "166.937 180", "2782.29",
          ""}},
    };
    for (const Case& c : cases) {
        LocaleScope locale(c.locale);
        Roulement w;
        w.show();
        enterModifiedLifeExample(&w);
        EXPECT_TRUE(calculer(&w).isEmpty()) << c.locale;
        EXPECT_EQ(text(&w, "TextP"), c.p) << c.locale;
        EXPECT_EQ(texts(&w, kModifiedResults), c.results) << c.locale;
    }
    // The group's entries are inputs: a change marks the results out of date.
    Roulement w;
    w.show();
    enterModifiedLifeExample(&w);
    calculer(&w);
    child<QComboBox>(&w, "ComboPollution")->setCurrentIndex(0);
    EXPECT_TRUE(child<QLabel>(&w, "LabelPerime")->isVisibleTo(&w));
}

TEST(Roulement, ModifiedLifeRefusedCheckEmptiesOnlyItsGroup) {
    LocaleScope locale("fr_FR");
    Roulement w;
    w.show();
    enterModifiedLifeExample(&w);
    calculer(&w);
    ASSERT_EQ(text(&w, "TextLnm"), "166,937 180");
    set(&w, "TextDext", "30");
    set(&w, "TextC", "12000");  // P > C/2: the basic life's warning comes first
    EXPECT_EQ(calculer(&w), (QStringList{q(kMsgPLarge), q(kMsgModifiedOuter)}));
    EXPECT_EQ(text(&w, "TextP"), "6270,70");
    EXPECT_EQ(text(&w, "TextC"), "12000");
    EXPECT_FALSE(text(&w, "TextL10").isEmpty());
    EXPECT_EQ(texts(&w, kModifiedResults), QStringList(kModifiedResults.size(), QString()));
    EXPECT_FALSE(child<QLabel>(&w, "LabelPerime")->isVisibleTo(&w));
}

TEST(Roulement, ModifiedLifePrintedAfterTheLifeLines) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    const QString pdf = reportPdfPath(dir, "roulement-corrigee.pdf");
    Roulement w;
    w.show();
    enterModifiedLifeExample(&w);
    calculer(&w);
    EXPECT_TRUE(answerPrintDialog([&] { click(&w, "BtImprimer"); }, pdf).isEmpty());
    // pdftotext's text is NFKC-folded: "²" reads "2".
    const QString printed = pdfText(pdf);
    qsizetype at = printed.indexOf("Lh = 1825,00 Heures");
    ASSERT_GE(at, 0) << printed.toStdString();
    for (const char* expected :
         {"> Durée de Vie Corrigée (ISO 281:2007)", "Diamètre d'alésage : d = 40 mm",
          "Diamètre extérieur : D = 80 mm", "Charge limite de fatigue : Cu = 800 N",
          "Viscosité à 40 °C : ν40 = 68 mm2/s", "Viscosité à 100 °C : ν100 = 8.5 mm2/s",
          "Température de fonctionnement : T = 70 °C", "Propreté : Propreté normale",
          "dm = 60,00 mm", "ν = 19,81 mm2/s", "ν1 = 18,37 mm2/s", "κ = 1,078", "eC = 0,50",
          "a1 = 1,00", "aISO = 1,525", "Lnm = 166,937 180 millions de Tours",
          "Lnmh = 2782,29 Heures"}) {
        const qsizetype next = printed.indexOf(q(expected), at);
        EXPECT_GT(next, at) << expected << "\n" << printed.toStdString();
        if (next > at) at = next;
    }
    EXPECT_FALSE(printed.contains("Note :"));
}

// The group is optional and its notes are messages of the window, printed in
// the note: left empty it is not in use and left out of the note; in use, an
// empty T is refused rather than read as 0 °C, and a viscosity outside the
// Walther range is said beside the results.
TEST(Roulement, ModifiedLifeInUseNoticesAndNote) {
    LocaleScope locale("fr_FR");
    Roulement w;
    w.show();
    enterModifiedLifeExample(&w);
    struct Step {
        const char *what, *typed, *message, *lnm, *notice;  // typed: name=value ...
        bool used;
    };
    const Step steps[] = {
        {"group left empty", "Textd=0 TextDext= TextCu=0 TextNu40=0 TextNu100=0", nullptr, "",
         nullptr, false},
        {"empty T refused", "Textd=40 TextDext=80 TextCu=800 TextNu40=68 TextNu100=8.5 TextT=",
         kMsgModifiedTemperature, "", nullptr, true},
        {"thin oil, hot: outside Walther, then κ < 0.1", "TextNu40=10 TextNu100=2.6 TextT=150",
         kMsgKappaLow, "", kNoteWalther, true},
        {"thick oil, cool: κ limited", "TextNu40=460 TextNu100=31 TextT=40 TextN=500", nullptr,
         "381,325 710", kNoteKappaCapped, true},
    };
    for (const Step& s : steps) {
        for (const QString& typed : QString(s.typed).split(' '))
            set(&w, typed.section('=', 0, 0), typed.section('=', 1));
        // The message (refused or a warning), the notice, then the basic life, always given.
        const QStringList shown = {calculer(&w).join('|'), w.shownNotices().join('|'),
                                   text(&w, "TextL10"), text(&w, "TextLnm")};
        EXPECT_EQ(shown, QStringList({q(s.message), q(s.notice), "109,500 282", s.lnm})) << s.what;
        const NoteRead note = readNote(w, roulementNote());
        EXPECT_EQ(note.messages.join(""), shown[0] + shown[1]) << s.what;
        EXPECT_EQ(note.groups.join('|').contains(q("Corrigée")), s.used) << s.what;
    }
}
