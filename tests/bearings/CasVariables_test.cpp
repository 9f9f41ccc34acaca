#include "CasVariables.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>

#include "bearing_note_read.h"
#include "bearing_report.h"
#include "twips.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

const char* const kOutputs[] = {"TextN", "TextT", "TextP", "TextL10", "TextL10H"};

QStringList outputs(QWidget* w) {
    QStringList out;
    for (const char* name : kOutputs) out << text(w, name);
    return out;
}

CasVariablesGrid* grid(QWidget* w) {
    return static_cast<CasVariablesGrid*>(child<QTableWidget>(w, "MSFlexGrid1"));
}

// Types a cell's text on the grid as the user does: choose the cell, empty it, key the text in.
void typeCell(QWidget* w, int row, int column, const QString& value) {
    CasVariablesGrid* g = grid(w);
    g->setCurrentCell(row, column);
    QTest::keyClick(g, Qt::Key_Delete);
    type(g, value, false);
}

// Cases as rows of (t, N, P) texts from row 1.
void enterCases(QWidget* w, const QList<QStringList>& rows) {
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 3; ++c) typeCell(w, r + 1, c + 1, rows[r][c]);
}

QStringList calculate(QWidget* w) {
    return catchMessages([&] { child<QPushButton>(w, "BtCalculer")->click(); });
}

void setCombo(QWidget* w, const char* name, const QString& value) {
    child<QComboBox>(w, name)->setCurrentText(value);
}

QStringList lineTexts(const torvel::ReportLines& lines) {
    QStringList out;
    for (const auto& l : lines) out << QString::fromStdString(l.text);
    return out;
}

const QList<QStringList> kTwoCases = {{"100", "1000", "2000"}, {"100", "3000", "1000"}};

// The modified life's example: a gearbox's three cases on a 40 × 80 bearing, VG 68 at 70 °C.
const QList<QStringList> kGearbox = {
    {"3600", "1500", "2000"}, {"1800", "1000", "3500"}, {"600", "500", "5000"}};
const QList<QStringList> kGearboxWithStop = {
    {"3600", "1500", "2000"}, {"1800", "1000", "3500"}, {"900", "", ""}, {"600", "500", "5000"}};

// The cases, C and the group's example, then `more` ("name=value;..."), as typed.
void enterModifiedLife(QWidget* w, const QList<QStringList>& cases, const QString& more = {}) {
    enterCases(w, cases);
    const QString all = "TextC=30000;Textd=40;TextDext=80;TextCu=800;TextNu40=68;TextNu100=8.5;";
    for (const QString& t : (all + more).split(';', Qt::SkipEmptyParts))
        set(w, t.section('=', 0, 0), t.section('=', 1));
}

// The modified life's boxes that show a text, as "name=text;" in the boxes' order.
QString modifiedShown(QWidget* w) {
    QString out;
    for (const std::string& name : torvel::bearings::dutyModifiedTargets())
        if (const QString t = text(w, QString::fromStdString(name)); !t.isEmpty())
            out += QString::fromStdString(name) + "=" + t + ";";
    return out;
}

const QList<QStringList> kTwoCasesNoSpeed = {{"100", "", "2000"}, {"100", "", "1000"}};

}  // namespace

TEST(CasVariables, OpensWithItsDesignContents) {
    CasVariables w;
    EXPECT_EQ(w.objectName(), "CasVariables");
    EXPECT_EQ(w.windowTitle(), "Cas Variables");
    const QList<QPair<const char*, const char*>> groups = {
        {"Frame1", "Durée de Vie d'un Element Roulant soumis à des Cas Variables"},
        {"Frame2", "Cas à Paramètres Constants"},
        {"Frame3", "Référence"},
        {"Frame4", "Type d'élément"},
        {"Frame5", "Charges de Base"},
        {"Frame6", "Valeurs Appliquées à l'Ensemble"},
        {"Frame7", "Durée de Vie de l'Ensemble"},
        {"Frame8", "Fiabilité"},
        {"Frame9", "Durée de Vie"},
        {"FrameDureeCorrigee", "Durée de Vie Corrigée (ISO 281:2007)"},
    };
    for (const auto& [name, title] : groups)
        EXPECT_EQ(child<QGroupBox>(&w, name)->title(), title) << name;
    EXPECT_EQ(w.findChildren<QGroupBox*>().size(), groups.size());

    struct Field {
        const char* box;
        const char* label;
        const char* caption;
        const char* tip;
        bool input;
    };
    const Field fields[] = {
        {"TextN", "LabelN", "N =", "Vitesse Moyenne (Tr/min)", false},
        {"TextT", "LabelT", "T =", "Temps Total en secondes", false},
        {"TextP", "LabelP", "P =", "Charge Dynamique Equivalente (N)", false},
        {"TextC", "LabelC", "C  =", "Charge Dynamique de Base (N)", true},
        {"TextL10", "LabelL10", "L =", "Durée de vie (millions de tours)", false},
        {"TextL10H", "LabelL10H", "L h =", "Durée de vie (Heures)", false},
    };
    for (const auto& f : fields) {
        auto* box = child<QLineEdit>(&w, f.box);
        auto* label = child<QLabel>(&w, f.label);
        EXPECT_EQ(box->text(), "0") << f.box;
        EXPECT_EQ(label->text(), f.caption) << f.box;
        EXPECT_EQ(label->buddy(), box) << f.box;
        EXPECT_EQ(box->toolTip(), f.tip) << f.box;
        EXPECT_EQ(box->isReadOnly(), !f.input) << f.box;
    }
    EXPECT_EQ(text(&w, "TextRef"), "");

    auto* element = child<QComboBox>(&w, "Combo1");
    EXPECT_EQ(element->currentText(), "Roulement ou Butée à Billes");
    ASSERT_EQ(element->count(), 2);
    EXPECT_EQ(element->itemText(1), "Roulement ou Butée à Rouleaux");
    auto* reliability = child<QComboBox>(&w, "ComboFiabilité");
    EXPECT_EQ(reliability->currentText(), "90%");
    QStringList items;
    for (int i = 0; i < reliability->count(); ++i) items << reliability->itemText(i);
    EXPECT_EQ(items, QStringList({"90%", "95%", "96%", "97%", "98%", "99%"}));

    CasVariablesGrid* g = grid(&w);
    ASSERT_EQ(g->rowCount(), 21);
    ASSERT_EQ(g->columnCount(), 4);
    EXPECT_EQ(g->cellText(0, 1), "Temps (sec)");
    EXPECT_EQ(g->cellText(0, 2), "Vitesse (Tr/min)");
    EXPECT_EQ(g->cellText(0, 3), "Charge (N)");
    for (int r = 1; r <= 20; ++r) {
        EXPECT_EQ(g->cellText(r, 0), QString::number(r));
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(g->cellText(r, c), "") << r << "," << c;
    }
    EXPECT_EQ(g->columnWidth(0), torvel::px(350));
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(g->columnWidth(c), torvel::px(1500));
    EXPECT_EQ(g->currentRow(), 1);
    EXPECT_EQ(g->currentColumn(), 1);
}

TEST(CasVariables, GridKeysChangeTheCurrentCell) {
    using Keys = std::function<void(QWidget*)>;
    auto key = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        return Keys([k, m](QWidget* g) { QTest::keyClick(g, k, m); });
    };
    auto typed = [](const QString& s) { return Keys([s](QWidget* g) { type(g, s, false); }); };
    auto character = [](ushort code) {
        return Keys([code](QWidget* g) {
            QTest::sendKeyEvent(QTest::Click, g, Qt::Key_unknown, QString(QChar(code)),
                                Qt::NoModifier);
        });
    };
    struct Case {
        const char* what;
        QList<Keys> keys;
        QString expected;
    };
    const Case cases[] = {
        {"typing appends", {typed("12"), typed("a")}, "12a"},
        {"no character refused", {typed("-1,5 é€x")}, "-1,5 é€x"},
        {"Enter adds nothing to the cell", {typed("1"), key(Qt::Key_Return)}, "1"},
        {"Backspace removes the last character", {typed("123"), key(Qt::Key_Backspace)}, "12"},
        {"Backspace on an empty cell",
         {key(Qt::Key_Backspace), key(Qt::Key_Backspace), typed("7")},
         "7"},
        {"Backspace removes a whole letter",
         {typed("4"), typed(QString::fromUtf8("𝜋")), key(Qt::Key_Backspace)},
         "4"},
        {"Delete empties", {typed("123"), key(Qt::Key_Delete)}, ""},
        {"Delete then typing", {typed("9"), key(Qt::Key_Delete), typed("8")}, "8"},
        {"code 29 and above are typed",
         {character(29), character(31), character(32)},
         QString("\x1d\x1f ")},
        {"other control characters are ignored",
         {character(28), character(27), character(1), key(Qt::Key_Escape)},
         ""},
        {"shortcuts type nothing", {typed("5"), key(Qt::Key_A, Qt::ControlModifier)}, "5"},
    };
    for (const auto& c : cases) {
        CasVariables w;
        showActive(&w);
        CasVariablesGrid* g = grid(&w);
        g->setFocus();
        for (const auto& k : c.keys) k(g);
        EXPECT_EQ(g->cellText(1, 1), c.expected) << c.what;
        for (int r = 0; r <= 20; ++r)
            for (int col = 0; col <= 3; ++col)
                if ((r != 1 || col != 1) && r > 0 && col > 0) {
                    EXPECT_EQ(g->cellText(r, col), "") << c.what;
                }
        EXPECT_EQ(g->cellText(0, 1), "Temps (sec)") << c.what;
        EXPECT_EQ(g->cellText(1, 0), "1") << c.what;
    }
}

TEST(CasVariables, GridCursorStaysOffTheFixedCells) {
    CasVariables w;
    showActive(&w);
    CasVariablesGrid* g = grid(&w);
    g->setFocus();
    auto at = [&] { return QPoint(g->currentRow(), g->currentColumn()); };
    QTest::keyClick(g, Qt::Key_Up);
    QTest::keyClick(g, Qt::Key_Left);
    EXPECT_EQ(at(), QPoint(1, 1));
    QTest::keyClick(g, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(at(), QPoint(1, 1));
    QTest::keyClick(g, Qt::Key_Right);
    QTest::keyClick(g, Qt::Key_Down);
    EXPECT_EQ(at(), QPoint(2, 2));
    type(g, "42", false);
    EXPECT_EQ(g->cellText(2, 2), "42");
    QTest::keyClick(g, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(at(), QPoint(20, 3));
    QTest::keyClick(g, Qt::Key_Down);
    QTest::keyClick(g, Qt::Key_Right);
    EXPECT_EQ(at(), QPoint(20, 3));

    // A click on a header or a case number leaves the current cell where it was.
    for (QPoint fixed : {QPoint(0, 2), QPoint(5, 0)}) {
        const QRect cell = g->visualItemRect(g->item(fixed.x(), fixed.y()));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(at(), QPoint(20, 3));
    }
    const QRect cell = g->visualItemRect(g->item(3, 1));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(at(), QPoint(3, 1));
    type(g, "7", false);
    EXPECT_EQ(g->cellText(3, 1), "7");
}

TEST(CasVariables, WorkedExamplesInBothLocales) {
    struct Case {
        const char* what;
        QList<QStringList> rows;
        const char* element;
        const char* reliability;
        QStringList fr, en;  // TextN, TextT, TextP, TextL10, TextL10H
        const char* rating = "10000";
    };
    const Case cases[] = {
        {"speeds given: P ≈ 1401",
         kTwoCases,
         "Roulement ou Butée à Billes",
         "90%",
         {"2 000,00", " 200,00", "1 401,02", "363,636 383", "3030,30"},
         {"2 000.00", " 200.00", "1 401.02", "363.636 383", "3030.30"}},
        {"constant speed: P ≈ 1651",
         kTwoCasesNoSpeed,
         "Roulement ou Butée à Billes",
         "90%",
         {"0", " 200,00", "1 650,96", "222,222 229", "0"},
         {"0", " 200.00", "1 650.96", "222.222 229", "0"}},
        {"rollers at 95%",
         kTwoCases,
         "Roulement ou Butée à Rouleaux",
         "95%",
         {"2 000,00", " 200,00", "1 426,78", "408,505 768", "3404,21"},
         {"2 000.00", " 200.00", "1 426.78", "408.505 768", "3404.21"}},
        {"12a reads as 12, rows after the first zero ignored",
         {{"12a", "1000", "1000"}, {"", "1000", "1000"}, {"50", "1000", "1000"}},
         "Roulement ou Butée à Billes",
         "90%",
         {"1 000,00", " 12,00", "1 000,00", "1000,000 000", "16666,67"},
         {"1 000.00", " 12.00", "1 000.00", "1000.000 000", "16666.67"}},
        {"a decimal comma in a cell",
         {{"2,5", "1000", "1000"}},
         "Roulement ou Butée à Billes",
         "90%",
         {"1 000,00", " 2,50", "1 000,00", "1000,000 000", "16666,67"},
         {"1 000.00", " 2.50", "1 000.00", "1000.000 000", "16666.67"}},
        {"a standstill counts in the total time only",
         {{"100", "1000", "1000"}, {"50,0", "0", "0"}, {"100", "1000", "3000"}},
         "Roulement ou Butée à Billes",
         "90%",
         {" 800,00", " 250,00", "2 410,14", "571,428 528", "11904,76"},
         {" 800.00", " 250.00", "2 410.14", "571.428 528", "11904.76"},
         "20000"},
    };
    for (const auto& c : cases) {
        for (const char* locale : {"fr_FR", "en_US"}) {
            LocaleScope scope(locale);
            CasVariables w;
            enterCases(&w, c.rows);
            setCombo(&w, "Combo1", c.element);
            setCombo(&w, "ComboFiabilité", c.reliability);
            type(child<QLineEdit>(&w, "TextC"), c.rating);
            EXPECT_TRUE(calculate(&w).isEmpty()) << c.what;
            EXPECT_EQ(outputs(&w), QString(locale) == "fr_FR" ? c.fr : c.en)
                << c.what << " " << locale;
        }
    }
}

TEST(CasVariables, MessagesInOrderAndWhatAStopLeaves) {
    LocaleScope scope("fr_FR");
    const QString rating = "Veuillez entrer une Charge Dynamique de Base !";
    const QString zero = "Calcul impossible : La Charge Dynamique Equivalente est nulle !";
    const QString large = "P > 0.5 x C : Il est préférable de consulter un fabricant de roulements";

    // Empty first row after a calculation: T and P shown as zero, TextN as it was.
    for (const auto& [c, message] : {std::pair{"0", rating}, std::pair{"10000", zero}}) {
        CasVariables w;
        enterCases(&w, kTwoCases);
        type(child<QLineEdit>(&w, "TextC"), "10000");
        calculate(&w);
        const QStringList before = outputs(&w);
        for (int col = 1; col <= 3; ++col) typeCell(&w, 1, col, "");
        type(child<QLineEdit>(&w, "TextC"), c);
        EXPECT_EQ(calculate(&w), QStringList{message}) << c;
        EXPECT_EQ(lastBoxLook().title, "Attention");
        EXPECT_EQ(outputs(&w), QStringList({before[0], " 0,00", " 0,00", before[3], before[4]}))
            << c;
    }

    // The rating message comes first, after T and P are shown.
    {
        CasVariables w;
        enterCases(&w, kTwoCases);
        EXPECT_EQ(calculate(&w), QStringList{rating});
        EXPECT_EQ(outputs(&w), QStringList({"2 000,00", " 200,00", "1 401,02", "0", "0"}));
    }

    // P > 0.5·C warns and goes on; P = 0.5·C does not.
    for (const auto& [c, warned] : {std::pair{"2800", true}, std::pair{"2804", false}}) {
        CasVariables w;
        enterCases(&w, {{"10", "100", "1401"}});
        type(child<QLineEdit>(&w, "TextC"), c);
        EXPECT_EQ(calculate(&w), warned ? QStringList{large} : QStringList{}) << c;
        EXPECT_NE(text(&w, "TextL10"), "0") << c;
    }
    {
        CasVariables w;
        enterCases(&w, {{"10", "100", "1000"}});
        type(child<QLineEdit>(&w, "TextC"), "2000");
        EXPECT_TRUE(calculate(&w).isEmpty());  // exactly half: no warning
    }
}

TEST(CasVariables, FaultsShowOneMessageAndNothingNonFinite) {
    LocaleScope scope("fr_FR");
    const QString cases = QString::fromUtf8(torvel::bearings::kMsgDutyCasesInvalid);
    const QString impossible = QString::fromUtf8(torvel::bearings::kMsgDutyImpossible);
    struct Case {
        const char* what;
        QList<QStringList> rows;
        const char* element;
        const char* c;
        QString message;
    };
    const Case faults[] = {
        {"negative load to 10/3",
         {{"100", "1000", "-2000"}},
         "Roulement ou Butée à Rouleaux",
         "10000",
         cases},
        {"durations cancel",
         {{"100", "", "2000"}, {"-100", "", "10"}},
         "Roulement ou Butée à Billes",
         "10000",
         cases},
        {"load beyond single",
         {{"100", "1000", "1E39"}},
         "Roulement ou Butée à Billes",
         "10000",
         cases},
        {"load cubed overflows",
         {{"100", "1000", "1E30"}},
         "Roulement ou Butée à Billes",
         "10000",
         cases},
        {"life overflows",
         {{"1", "1", "1E-10"}},
         "Roulement ou Butée à Billes",
         "3E38",
         impossible},
        {"no element type yet", {{"100", "1000", "2000"}}, "Autre", "10000", impossible},
    };
    for (const auto& f : faults) {
        CasVariables w;
        enterCases(&w, f.rows);
        setCombo(&w, "Combo1", f.element);
        child<QLineEdit>(&w, "TextC")->setText(f.c);
        const QStringList messages = calculate(&w);
        EXPECT_EQ(messages, QStringList{f.message}) << f.what;
        for (const QString& shown : outputs(&w)) {
            EXPECT_FALSE(shown.contains("inf", Qt::CaseInsensitive)) << f.what;
            EXPECT_FALSE(shown.contains("nan", Qt::CaseInsensitive)) << f.what;
        }
        if (f.message == cases) {
            EXPECT_EQ(outputs(&w), QStringList({"0", "0", "0", "0", "0"})) << f.what;
        }
    }

    // A typed element text keeps the exponent of the last recognised one.
    CasVariables w;
    enterCases(&w, kTwoCases);
    type(child<QLineEdit>(&w, "TextC"), "10000");
    calculate(&w);
    setCombo(&w, "Combo1", "Roulement ou Butée à Aiguilles");
    EXPECT_TRUE(calculate(&w).isEmpty());
    EXPECT_FLOAT_EQ(w.state().p, 3.0f);
}

TEST(CasVariables, TwentyRowsAndTheReportsCaseLines) {
    LocaleScope scope("fr_FR");
    CasVariables w;
    QList<QStringList> rows;
    for (int i = 0; i < 20; ++i) rows << QStringList{"10", "1000", "1000"};
    enterCases(&w, rows);
    type(child<QLineEdit>(&w, "TextC"), "10000");
    EXPECT_TRUE(calculate(&w).isEmpty());
    EXPECT_EQ(text(&w, "TextT"), " 200,00");
    EXPECT_EQ(text(&w, "TextN"), "1 000,00");
    EXPECT_EQ(text(&w, "TextP"), "1 000,00");

    const QStringList lines = lineTexts(w.reportLines());
    const int first = lines.indexOf("Cas           Durée           Vitesse             Charge") + 2;
    ASSERT_GT(first, 1);
    EXPECT_EQ(lines[first - 1], "");
    EXPECT_EQ(lines[first], "  1             10,00           1000,00            1 000,00 ");
    EXPECT_EQ(lines[first + 8], "  9             10,00           1000,00            1 000,00 ");
    EXPECT_EQ(lines[first + 9], " 10            10,00           1000,00            1 000,00  ");
    EXPECT_EQ(lines[first + 19], " 20            10,00           1000,00            1 000,00  ");
    EXPECT_EQ(lines[first + 20], "");
    EXPECT_EQ(lines[first + 21], "> Résultats");
}

TEST(CasVariables, ReportWithAndWithoutSpeeds) {
    LocaleScope scope("fr_FR");
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    for (bool speeds : {true, false}) {
        CasVariables w;
        type(child<QLineEdit>(&w, "TextRef"), "Broyeur");
        enterCases(&w, speeds ? kTwoCases : kTwoCasesNoSpeed);
        setCombo(&w, "ComboFiabilité", "99%");
        type(child<QLineEdit>(&w, "TextC"), "10000");
        calculate(&w);
        // Cells edited after the calculation are read again; the speed lines
        // follow the last calculation.
        typeCell(&w, 3, 1, "5");
        typeCell(&w, 3, 2, "700");
        typeCell(&w, 3, 3, "300");
        QStringList expected = {
            "Durée de Vie d'un élement roulant soumis à des Charges et Vitesses Variables",
            QString(67, '_'),
            "",
            "",
            "Référence : Broyeur",
            "Date : " + date,
            "",
            "",
            "> Données",
            "",
            "- Roulement ou Butée à Billes",
            "  Fiabilité ( Facteur de correction de la durée ) : 99%",
            "",
            "Cas           Durée           Vitesse             Charge",
            "",
        };
        if (speeds) {
            expected << "  1            100,00           1000,00            2 000,00 "
                     << "  2            100,00           3000,00            1 000,00 "
                     << "  3              5,00            700,00              300,00 ";
        } else {
            expected << "  1            100,00                              2 000,00 "
                     << "  2            100,00                              1 000,00 "
                     << "  3              5,00                                300,00 ";
        }
        expected << ""
                 << "> Résultats"
                 << ""
                 << "  Durée Totale        : T =  200,00 secondes";
        if (speeds) expected << "  Vitesse Moyenne    : N = 2 000,00 Tr/min";
        expected << (speeds ? "  Charge Dynamique Equivalente : P = 1 401,02 N"
                            : "  Charge Dynamique Equivalente : P = 1 650,96 N")
                 << ""
                 << "- Durée de Vie"
                 << ""
                 << (speeds ? "  L = 76,363 632 millions de Tours"
                            : "  L = 46,666 664 millions de Tours");
        if (speeds) expected << "  Lh = 636,36 Heures";
        expected << "";
        EXPECT_EQ(lineTexts(w.reportLines()), expected) << speeds;
        const auto lines = w.reportLines();
        EXPECT_TRUE(lines[13].bold);
        EXPECT_FALSE(lines[15].bold);
    }
}

TEST(CasVariables, PrintsTheReportToAPdf) {
    LocaleScope scope("fr_FR");
    QTemporaryDir dir;
    for (bool speeds : {true, false}) {
        const QString pdf = dir.filePath(speeds ? "speeds.pdf" : "nospeeds.pdf");
        CasVariables w;
        showActive(&w);
        type(child<QLineEdit>(&w, "TextRef"), "Convoyeur 2");
        enterCases(&w, speeds ? kTwoCases : kTwoCasesNoSpeed);
        type(child<QLineEdit>(&w, "TextC"), "10000");
        calculate(&w);
        EXPECT_TRUE(
            answerPrintDialog([&] { child<QPushButton>(&w, "BtImprimer")->click(); }, pdf, 3)
                .isEmpty());
        EXPECT_EQ(pdfPages(pdf), 1);
        const QString printed = pdfText(pdf).simplified();
        for (const char* line :
             {"Durée de Vie d'un élement roulant soumis à des Charges et Vitesses Variables",
              "Référence : Convoyeur 2", "Cas Durée Vitesse Charge",
              "Durée Totale : T = 200,00 secondes", "- Roulement ou Butée à Billes",
              "Fiabilité ( Facteur de correction de la durée ) : 90%"})
            EXPECT_TRUE(printed.contains(QString::fromUtf8(line))) << line << "\n"
                                                                   << printed.toStdString();
        EXPECT_EQ(printed.contains("1 100,00 1000,00 2 000,00"), speeds) << printed.toStdString();
        EXPECT_EQ(printed.contains("1 100,00 2 000,00"), !speeds) << printed.toStdString();
        EXPECT_EQ(printed.contains("Vitesse Moyenne : N = 2 000,00 Tr/min"), speeds);
        EXPECT_EQ(printed.contains("Lh = 3030,30 Heures"), speeds);
        EXPECT_TRUE(printed.contains(speeds ? "L = 363,636 383 millions de Tours"
                                            : "L = 222,222 229 millions de Tours"));
    }
    CasVariables w;
    EXPECT_TRUE(answerPrintDialog([&] { child<QPushButton>(&w, "BtImprimer")->click(); }, QString())
                    .isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).size() == 2);
    // A printer that cannot be opened is said, not passed over.
    EXPECT_EQ(answerPrintDialog([&] { child<QPushButton>(&w, "BtImprimer")->click(); },
                                dir.filePath("missing-folder/cases.pdf")),
              QStringList{QString::fromUtf8(torvel::bearings::kMsgPrintFailed)});
}

TEST(CasVariables, SweepEndsInOneStopOrFiniteResults) {
    LocaleScope scope("en_US");
    const QStringList values = {"",     "0",    "1E-30", "-5",   "0.5",  "100",
                                "1000", "1E10", "1E20",  "3E38", "1E39", "x"};
    const QStringList elements = {"Roulement ou Butée à Billes", "Roulement ou Butée à Rouleaux"};
    auto* random = QRandomGenerator::global();
    CasVariables w;
    for (int run = 0; run < 150; ++run) {
        const int filled = random->bounded(1, 21);
        for (int r = 1; r <= 20; ++r)
            for (int c = 1; c <= 3; ++c)
                grid(&w)->setCellText(
                    r, c, r <= filled ? values[random->bounded(values.size())] : QString());
        setCombo(&w, "Combo1", elements[random->bounded(2)]);
        child<QLineEdit>(&w, "TextC")->setText(values[random->bounded(values.size())]);
        const QStringList messages = calculate(&w);
        EXPECT_LE(messages.size(), 2);  // the P warning, then at most one stop
        for (const QString& shown : outputs(&w)) {
            bool ok = false;
            const double v = QString(shown).remove(' ').toDouble(&ok);
            EXPECT_TRUE(ok && std::isfinite(v)) << shown.toStdString();
        }
    }
}

// Case by case against the independent evaluation (make_duty_modified_cases.py),
// to the displayed text: a standstill changes Lnmh, not Lnm; no case turning
// gives no life and says why; a wrong entry is refused, the basic life given.
// The note prints the group's message and leaves the group out when empty.
TEST(CasVariables, ModifiedLifeCaseByCaseInBothLocales) {
    const QString gearbox =  // the third turning case is case %1
        "TextKappa1=1,321;TextaISO1=9,458;TextLnm1=31922,015 658;TextKappa2=1,078;TextaISO2=3,086;"
        "TextLnm2=1943,378 821;TextKappa%1=0,593;TextaISO%1=0,662;TextLnm%1=143,023 308;"
        "TextLnm=2348,929 137;TextLnmh=%2;";
    const QString noSpeed = "Aucun cas ne tourne : la durée corrigée demande une vitesse";
    const QList<QStringList> standing = {{"100", "", "2000"}, {"100", "0", "1000"}};
    struct Case {
        const char *what, *typed;  // typed after the example
        QList<QStringList> cases;
        QString message, shown;  // refused; TextL10H, which Lnmh follows, then the group's boxes
        bool used;
    };
    const Case cases[] = {
        {"ball, radial", "", kGearbox, "", "17102,14;" + gearbox.arg(3).arg("31319,06"), true},
        {"a standstill as third case", "", kGearboxWithStop, "",
         "19667,46;" + gearbox.arg(4).arg("36016,91"), true},
        {"every case at a standstill", "", standing, "", "0;LabelDureeCorrigee=" + noSpeed + ";",
         true},
        {"empty T", "TextTemperature=", kGearbox, torvel::bearings::kMsgModifiedTemperature,
         "17102,14;", true},
        {"group left empty", "Textd=;TextDext=0;TextCu=;TextNu40=0;TextNu100=0", kGearbox, "",
         "17102,14;", false},
    };
    for (const Case& c : cases) {
        for (const char* locale : {"fr_FR", "en_US"}) {
            LocaleScope scope(locale);
            CasVariables w;
            enterModifiedLife(&w, c.cases, c.typed);
            EXPECT_EQ(calculate(&w).join('|'), c.message) << c.what;
            EXPECT_EQ(text(&w, "TextL10H") + ";" + modifiedShown(&w),
                      QString(c.shown).replace(',', QString(locale) == "fr_FR" ? ',' : '.'))
                << c.what << " " << locale;
            const NoteRead note = readNote(w, torvel::bearings::casVariablesNote());
            EXPECT_EQ(note.messages.join('|'),
                      c.message + (c.shown.contains(noSpeed) ? noSpeed : ""))
                << c.what;
            EXPECT_EQ(note.groups.join('|').contains("Corrigée"), c.used) << c.what;
        }
    }
}

// The report: the case table as before, then the group's entries, each case's
// κ, aISO and Lnm (a standstill named), Lnm and Lnmh; the note reads each case
// back, captioned by case.
TEST(CasVariables, ReportListsEachCaseThenTheCombinedLife) {
    LocaleScope scope("fr_FR");
    CasVariables w;
    enterModifiedLife(&w, kGearboxWithStop);
    setCombo(&w, "ComboDisposition", "Axial (butée)");
    setCombo(&w, "Combo1", "Roulement ou Butée à Rouleaux");
    setCombo(&w, "ComboPollution", "Haute propreté");
    setCombo(&w, "ComboFiabilité", "95%");
    calculate(&w);
    const QStringList lines = lineTexts(w.reportLines());
    const int at = lines.indexOf("  Lh = 25375,67 Heures");
    ASSERT_GT(at, 0) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.mid(at + 1).join('|'),
              "|> Durée de Vie Corrigée (ISO 281:2007)||- Lubrification et propreté|  Diamètre "
              "d'alésage : d = 40 mm|  Diamètre extérieur : D = 80 mm|  Charge limite de fatigue : "
              "Cu = 800 N|  Viscosité à 40 °C : ν40 = 68 mm²/s|  Viscosité à 100 °C : ν100 = 8.5 "
              "mm²/s|  Température de fonctionnement : T = 70 °C|  Propreté : Haute propreté|  "
              "Disposition : Axial (butée)||- Résultats|  Cas 1 : κ = 1,321 ; aISO = 0,431 ; Lnm = "
              "2296,204 352 millions de Tours|  Cas 2 : κ = 1,078 ; aISO = 0,298 ; Lnm = 245,613 "
              "850 millions de Tours|  Cas 3 : à l'arrêt|  Cas 4 : κ = 0,593 ; aISO = 0,177 ; Lnm "
              "= 44,397 781 millions de Tours|  Lnm = 456,277 138 millions de Tours|  Lnmh = "
              "6996,25 Heures|");
    EXPECT_TRUE(w.reportLines()[static_cast<size_t>(at) + 2].bold);
    const QStringList noted = readNote(w, torvel::bearings::casVariablesNote()).results;
    EXPECT_TRUE(noted.contains("Lnm (cas 4) 44,397 781 millions de tours"))
        << noted.join('\n').toStdString();
    EXPECT_TRUE(noted.filter("(cas 3)").isEmpty());  // a standstill has no modified life

    // No case turning: the note says why, no life is printed.
    for (int row = 1; row <= 4; ++row) typeCell(&w, row, 2, "");
    calculate(&w);
    EXPECT_EQ(lineTexts(w.reportLines()).last(4).join('|'),
              "|- Résultats|  Note : Aucun cas ne tourne : la durée corrigée demande une vitesse|");
}

// A study file keeps the group; one written before the group existed opens
// with the group as a new window shows it, left empty, the basic life computed.
TEST(CasVariables, OlderStudyFileOpensWithTheGroupEmpty) {
    LocaleScope scope("fr_FR");
    CasVariables filled;
    enterModifiedLife(&filled, kGearbox);
    QJsonObject older = filled.keptInputs();
    for (const char* name : {"Textd", "TextDext", "TextCu", "TextNu40", "TextNu100",
                             "TextTemperature", "ComboPollution", "ComboDisposition"})
        EXPECT_FALSE(older.take(name).isUndefined()) << name;
    CasVariables old;
    ASSERT_EQ(old.checkKeptInputs(older), "");
    EXPECT_TRUE(catchMessages([&] { old.restoreKeptInputs("Convoyeur", older); }).isEmpty());
    EXPECT_EQ(
        text(&old, "TextL10H") + ";" + text(&old, "TextTemperature") + ";" + modifiedShown(&old),
        "17102,14;70;");
    EXPECT_FALSE(old.groupInUse(child<QGroupBox>(&old, "FrameDureeCorrigee")));
}
