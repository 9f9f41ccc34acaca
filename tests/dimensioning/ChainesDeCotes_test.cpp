#include "ChainesDeCotes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "ui_helpers.h"

using namespace testing_ui;

namespace {

QStringList results(QWidget* w, int chain) {
    QStringList out;
    for (const char* n :
         {"TextJeu%1", "TextJeu%1Max", "TextJeu%1min", "TextCote%1Max", "TextCote%1min"})
        out << text(w, QString::fromLatin1(n).arg(chain));
    return out;
}

const QStringList kIdle = {"Jeu Nominal", "Tol Maxi", "Tol mini", " Jeu Maxi", " Jeu mini"};

}  // namespace

TEST(ChainesDeCotes, OpensWithItsDesignContents) {
    ChainesDeCotes w;
    EXPECT_EQ(w.objectName(), "ChainesDeCotes");
    EXPECT_EQ(w.windowTitle(), "Cotation Fonctionnelle");
    int boxes = 0;
    for (int chain : {1, 2})
        for (const char* side : {"TextJe", "TextJi"})
            for (const char* part : {"", "Max", "min"})
                for (char row : QByteArray("ABCDEF")) {
                    const QString name =
                        QStringLiteral("%1%2%3%4").arg(side).arg(chain).arg(part).arg(row);
                    EXPECT_EQ(text(&w, name), "0") << name.toStdString();
                    ++boxes;
                }
    EXPECT_EQ(boxes, 72);
    EXPECT_EQ(results(&w, 1),
              QStringList({"Jeu Nominal", "Tol Maxi", "Tol mini", " Jeu Maxi", " Jeu mini "}));
    EXPECT_EQ(results(&w, 2),
              QStringList({"Jeu Nominal", "Tol Maxi", "Tol mini", " Jeu Maxi ", " Jeu mini "}));
    EXPECT_EQ(text(&w, "TextRef"), "");
    EXPECT_EQ(text(&w, "Text1"), "");
    EXPECT_EQ(child<QGroupBox>(&w, "Frame1")->title(), "Chaîne de cotes");
    EXPECT_EQ(child<QGroupBox>(&w, "Frame2")->title(), "Calcul du Jeu 1");
    EXPECT_EQ(child<QGroupBox>(&w, "Frame3")->title(), "Calcul du Jeu 2");
    EXPECT_EQ(w.findChildren<QGroupBox*>().size(), 13);
    EXPECT_EQ(child<QGroupBox>(&w, "FrameRSS2")->title(), "Jeu statistique (quadratique)");
    EXPECT_EQ(child<QLabel>(&w, "LabelJeu2minRSS")->text(), "Jeu mini :");
    EXPECT_EQ(child<QLabel>(&w, "Labele2A")->text(), "A' =");
    EXPECT_EQ(child<QLabel>(&w, "Labeli1F")->text(), "R =");
    EXPECT_EQ(child<QLabel>(&w, "Labeli1A")->buddy(), w.findChild<QWidget*>("TextJi1A"));
}

TEST(ChainesDeCotes, WorkedExampleInBothLocales) {
    struct Case {
        const char* locale;
        QStringList expected;
    };
    const Case cases[] = {
        {"fr_FR", {" 0,200", " 0,150", " 0,000", "  0,350", "  0,200"}},
        {"en_US", {" 0.200", " 0.150", " 0.000", "  0.350", "  0.200"}},
    };
    for (const auto& c : cases) {
        LocaleScope locale(c.locale);
        ChainesDeCotes w;
        set(&w, "TextJe1A", "50");
        set(&w, "TextJe1MaxA", "0.1");
        set(&w, "TextJi1A", "49.8");
        set(&w, "TextJi1minA", "-0.05");
        // The same chain typed into the second column, rows F and R.
        set(&w, "TextJe2F", "50");
        set(&w, "TextJe2MaxF", "0.1");
        set(&w, "TextJi2F", "49.8");
        set(&w, "TextJi2minF", "-0.05");
        EXPECT_TRUE(catchMessages([&] { click(&w, "BtCalculer"); }).isEmpty());
        EXPECT_EQ(results(&w, 1), c.expected) << c.locale;
        EXPECT_EQ(results(&w, 2), c.expected) << c.locale;
    }
}

TEST(ChainesDeCotes, ShowsIdleCaptionsOnlyWhenAllThreeSumsAreZero) {
    LocaleScope locale("fr_FR");
    struct Case {
        const char* what;
        QList<QPair<const char*, const char*>> entries;
        QStringList expected;
    };
    const Case cases[] = {
        {"all zero", {}, kIdle},
        {"sums cancel", {{"TextJe1A", "10"}, {"TextJi1A", "10"}}, kIdle},
        {"only deviations",
         {{"TextJe1MaxB", "0.02"}, {"TextJi1minC", "-0.01"}},
         {" 0,000", " 0,030", " 0,000", "  0,030", "  0,000"}},
        {"decimal comma",
         {{"TextJe1A", "12,5"}, {"TextJe1MaxA", "0,05"}, {"TextJi1minA", "-0,05"}},
         {" 12,500", " 0,100", " 0,000", "  12,600", "  12,500"}},
        {"point decimal",
         {{"TextJe1A", "12.5"}},
         {" 12,500", " 0,000", " 0,000", "  12,500", "  12,500"}},
        {"thousands",
         {{"TextJe1A", "1234.5"}},
         {"1 234,500", " 0,000", " 0,000", " 1 234,500", " 1 234,500"}},
        {"interference",
         {{"TextJe1A", "20"}, {"TextJi1A", "25"}, {"TextJi1MaxA", "0.1"}},
         {"- 5,000", " 0,000", "- 0,100", "-  5,000", "-  5,100"}},
        {"fourth decimal",
         {{"TextJe1A", "1.2345"}},
         {" 1,2345", " 0,000", " 0,000", "  1,2345", "  1,2345"}},
        {"a long chain keeps its thousandths",
         {{"TextJe1A", "379.25"},
          {"TextJe1MaxA", "0.05"},
          {"TextJe1B", "2367.41"},
          {"TextJe1MaxB", "0.05"},
          {"TextJi1A", "1719.61"},
          {"TextJi1minA", "-0.05"},
          {"TextJi1B", "1026.66"},
          {"TextJi1minB", "-0.05"}},
         {" 0,390", " 0,200", " 0,000", "  0,590", "  0,390"}},
        {"letters read as zero", {{"TextJe1A", "abc"}, {"TextJe1B", ""}}, kIdle},
    };
    for (const auto& c : cases) {
        ChainesDeCotes w;
        for (const auto& [name, value] : c.entries) set(&w, name, value);
        click(&w, "BtCalculer");
        EXPECT_EQ(results(&w, 1), c.expected) << c.what;
    }
}

TEST(ChainesDeCotes, StatisticalClearancesBesideTheWorstCase) {
    const QList<QPair<const char*, const char*>> example = {
        {"TextJe1A", "50"},       {"TextJe1MaxA", "0.1"}, {"TextJi1A", "20"},
        {"TextJi1minA", "-0.05"}, {"TextJi1B", "29.8"},   {"TextJi1MaxB", "0.02"},
        {"TextJi1minB", "-0.02"}};
    struct Case {
        const char* locale;
        QList<QPair<const char*, const char*>> entries;
        QStringList shown;  // TextCote1Max, TextCote1min, TextJeu1MaxRSS, TextJeu1minRSS
    };
    const Case cases[] = {
        {"fr_FR", example, {"  0,370", "  0,180", "  0,3344", "  0,2156"}},
        {"en_US", example, {"  0.370", "  0.180", "  0.3344", "  0.2156"}},
        // Reversed deviations cancel the sums: idle, whatever their spread.
        {"fr_FR",
         {{"TextJe1MaxA", "0.1"}, {"TextJi1minA", "0.1"}},
         {" Jeu Maxi", " Jeu mini", "", ""}},
    };
    for (const auto& c : cases) {
        LocaleScope locale(c.locale);
        ChainesDeCotes w;
        for (const auto& [name, value] : c.entries) set(&w, name, value);
        click(&w, "BtCalculer");
        EXPECT_EQ(results(&w, 1).mid(3) << text(&w, "TextJeu1MaxRSS") << text(&w, "TextJeu1minRSS"),
                  c.shown);
        EXPECT_EQ(text(&w, "TextJeu2MaxRSS"), "");
    }
}

TEST(ChainesDeCotes, ResetTouchesOnlyItsOwnChain) {
    LocaleScope locale("fr_FR");
    ChainesDeCotes w;
    set(&w, "TextRef", "R1");
    set(&w, "Text1", "note");
    set(&w, "TextJe1A", "5");
    set(&w, "TextJe2A", "7");
    set(&w, "TextJi2minF", "0.5");
    click(&w, "BtCalculer");
    const QStringList chain1 = results(&w, 1);
    click(&w, "BT_RAZ2");
    EXPECT_EQ(results(&w, 2), kIdle);
    EXPECT_TRUE(text(&w, "TextJeu2minRSS").isEmpty() && !text(&w, "TextJeu1minRSS").isEmpty());
    EXPECT_EQ(text(&w, "TextJe2A"), "0");
    EXPECT_EQ(text(&w, "TextJi2minF"), "0");
    EXPECT_EQ(results(&w, 1), chain1);
    EXPECT_EQ(text(&w, "TextJe1A"), "5");
    EXPECT_EQ(text(&w, "TextRef"), "R1");
    EXPECT_EQ(text(&w, "Text1"), "note");
    click(&w, "BT_RAZ1");
    EXPECT_EQ(results(&w, 1), kIdle);
    EXPECT_EQ(text(&w, "TextJe1A"), "0");
}

TEST(ChainesDeCotes, OutOfRangeEntryShowsOneMessageAndKeepsResults) {
    LocaleScope locale("fr_FR");
    ChainesDeCotes w;
    set(&w, "TextJe1A", "2");
    click(&w, "BtCalculer");
    const QStringList before1 = results(&w, 1), before2 = results(&w, 2);
    for (const char* huge : {"1E39", "-1D400"}) {
        set(&w, "TextJe2C", huge);
        const QStringList messages = catchMessages([&] { click(&w, "BtCalculer"); });
        ASSERT_EQ(messages.size(), 1) << huge;
        EXPECT_TRUE(messages[0].startsWith("Calcul impossible")) << huge;
        EXPECT_EQ(lastBoxLook().title, "Attention");
        EXPECT_EQ(results(&w, 1), before1);
        EXPECT_EQ(results(&w, 2), before2);
    }
    EXPECT_EQ(text(&w, "TextJeu1MaxRSS"), "  2,000");
    set(&w, "TextJe2C", "3E38");
    set(&w, "TextJe2D", "3E38");
    EXPECT_EQ(catchMessages([&] { click(&w, "BtCalculer"); }).size(), 1);
    EXPECT_EQ(results(&w, 1), before1);
}

TEST(ChainesDeCotes, PrintsOnePagePerCopyAndComesBackToScreen) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    const QString pdf = reportPdfPath(dir, "chaines.pdf");
    ChainesDeCotes w;
    w.show();
    set(&w, "TextJe1A", "50");
    set(&w, "TextJe1MaxA", "0.1");
    set(&w, "TextJi1A", "49.8");
    set(&w, "TextJi1minA", "-0.05");
    set(&w, "Text1", "Note libre");
    click(&w, "BtCalculer");
    const QStringList before = results(&w, 1);

    EXPECT_TRUE(answerPrintDialog([&] { click(&w, "BtImprimer"); }, pdf, 3).isEmpty());
    EXPECT_EQ(pdfPages(pdf), 3);
    const QString printed = pdfText(pdf);
    EXPECT_EQ(printed.count("Chaîne de cotes établie le "), 3) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Note libre"));
    EXPECT_TRUE(printed.contains("0,350"));
    EXPECT_TRUE(printed.contains("0,3309") && printed.contains("Jeu statistique (quadratique)"));
    EXPECT_TRUE(printed.contains("Jeu Nominal"));  // chain 2 never computed

    EXPECT_EQ(child<QGroupBox>(&w, "Frame1")->title(), "Chaîne de cotes");
    for (const char* b : {"BtCalculer", "BtImprimer", "BT_RAZ1", "BT_RAZ2", "Coin"})
        EXPECT_TRUE(child<QWidget>(&w, b)->isVisible()) << b;
    EXPECT_EQ(child<QGroupBox>(&w, "Frame1")->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(results(&w, 1), before);
}

TEST(ChainesDeCotes, CancelledPrintPrintsNothingAndRestores) {
    QTemporaryDir dir;
    ChainesDeCotes w;
    w.show();
    EXPECT_TRUE(answerPrintDialog([&] { click(&w, "BtImprimer"); }, QString()).isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(child<QWidget>(&w, "BtCalculer")->isVisible());
    EXPECT_EQ(child<QGroupBox>(&w, "Frame1")->title(), "Chaîne de cotes");
}

TEST(ChainesDeCotes, PrintCaptionCarriesDateAndTime) {
    LocaleScope locale("fr_FR");
    const QString caption = ChainesDeCotes::printCaption();
    EXPECT_TRUE(caption.startsWith("Chaîne de cotes établie le "));
    EXPECT_TRUE(caption.contains(QDate::currentDate().toString("dd/MM/yyyy")));
    EXPECT_TRUE(caption.contains(" à "));
    EXPECT_TRUE(caption.contains(QRegularExpression(" à \\d\\d:\\d\\d:\\d\\d$")));
}
