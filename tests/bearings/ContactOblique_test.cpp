#include "ContactOblique.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "bearing_report.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

const char* const kInputs[] = {"TextFaE", "TextFrA", "TextFrB", "TexteA",
                               "TexteB",  "TextYA",  "TextYB"};
const char* const kOutputs[] = {"TextPA", "TextPB", "TextFaA", "TextFaB"};

QStringList outputs(QWidget* w) {
    QStringList out;
    for (const char* name : kOutputs) out << text(w, name);
    return out;
}

// Ka, Fr_A, Fr_B, e_A, e_B, Y_A, Y_B, typed into their boxes.
struct Entries {
    QString faE, frA, frB, eA = "0.37", eB = "0.37", yA = "1.6", yB = "1.6";
};

void enter(QWidget* w, const Entries& e) {
    const QString values[] = {e.faE, e.frA, e.frB, e.eA, e.eB, e.yA, e.yB};
    for (int i = 0; i < 7; ++i) type(child<QLineEdit>(w, kInputs[i]), values[i]);
}

QStringList calculate(QWidget* w) {
    return catchMessages([&] { child<QPushButton>(w, "BtCalculer")->click(); });
}

// Chooses a mounting from the list with the keyboard, as a click on an item does.
void chooseMounting(QWidget* w, int index) {
    auto* combo = child<QComboBox>(w, "Combo1");
    combo->setFocus();
    while (combo->currentIndex() < index) QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index) QTest::keyClick(combo, Qt::Key_Up);
}

QImage shownDrawing(QWidget* w) {
    return child<QLabel>(w, "Picture1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage fileDrawing(const char* file) {
    return QImage(QCoreApplication::applicationDirPath() + "/images/" + file)
        .convertToFormat(QImage::Format_RGB32);
}

QStringList lineTexts(const torvel::ReportLines& lines) {
    QStringList out;
    for (const auto& l : lines) out << QString::fromStdString(l.text);
    return out;
}

}  // namespace

TEST(ContactOblique, OpensWithItsDesignContents) {
    ContactOblique w;
    EXPECT_EQ(w.objectName(), "ContactOblique");
    EXPECT_EQ(w.windowTitle(), "Contacts Obliques");
    const QList<QPair<const char*, const char*>> groups = {
        {"Frame1", "Charges Axiales Induites"},
        {"Frame2", "Type de Montage"},
        {"Frame3", "Charge Axiale Appliquée sur l'Ensemble"},
        {"Frame4", "Roulement A"},
        {"Frame5", "Charge Radiale Appliquée"},
        {"Frame6", "Coefficients"},
        {"Frame7", "Charge Axiale Induite"},
        {"Frame8", "Charge Equivalente"},
        {"Frame9", "Roulement B"},
        {"Frame10", "Charge Radiale Appliquée"},
        {"Frame11", "Coefficients"},
        {"Frame12", "Charge Axiale Induite"},
        {"Frame13", "Charge Equivalente"},
        {"Frame14", "Référence"},
    };
    for (const auto& [name, title] : groups)
        EXPECT_EQ(child<QGroupBox>(&w, name)->title(), title) << name;
    EXPECT_EQ(w.findChildren<QGroupBox*>().size(), groups.size());
    EXPECT_EQ(child<QLineEdit>(&w, "TextFrA")->parentWidget()->objectName(), "Frame5");
    EXPECT_EQ(child<QLineEdit>(&w, "TextPB")->parentWidget()->objectName(), "Frame13");

    struct Field {
        const char* box;
        const char* label;
        const char* caption;
        const char* tip;
    };
    const Field fields[] = {
        {"TextFaE", "LabelFaE", "Fa =", "Charge Axiale Appliquée sur le Roulement A (N)"},
        {"TextFrA", "LabelFrA", "Fr =", "Charge Radiale Appliquée sur le Roulement A (N)"},
        {"TexteA", "LabeleA", "e =", ""},
        {"TextYA", "LabelYA", "Y =", ""},
        {"TextFaA", "LabelFaA", "Fa =", "Charge Radiale Induite sur le Roulement A (N)"},
        {"TextPA", "LabelPA", "P =", "Charge Dynamique Equivalente du Roulement A (N)"},
        {"TextFrB", "LabelFrB", "Fr =", "Charge Radiale Appliquée sur le Roulement B (N)"},
        {"TexteB", "LabeleB", "e =", ""},
        {"TextYB", "LabelYB", "Y =", ""},
        {"TextFaB", "LabelFaB", "Fa =", "Charge Radiale Induite sur le Roulement B (N)"},
        {"TextPB", "LabelPB", "P =", "Charge Dynamique Equivalente du Roulement A (N)"},
    };
    for (const auto& f : fields) {
        auto* box = child<QLineEdit>(&w, f.box);
        auto* label = child<QLabel>(&w, f.label);
        EXPECT_EQ(box->text(), "0") << f.box;
        EXPECT_EQ(label->text(), f.caption) << f.box;
        EXPECT_EQ(label->buddy(), box) << f.box;
        EXPECT_EQ(box->toolTip(), f.tip) << f.box;
        EXPECT_EQ(label->toolTip(), f.tip) << f.box;
    }
    EXPECT_EQ(text(&w, "TextRef"), "");
    auto* combo = child<QComboBox>(&w, "Combo1");
    EXPECT_EQ(combo->currentText(), "Montage en X");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "Montage en X");
    EXPECT_EQ(combo->itemText(1), "Montage en O");
    EXPECT_EQ(child<QPushButton>(&w, "BtCalculer")->text(), "Calculer");
    EXPECT_EQ(child<QPushButton>(&w, "BtImprimer")->text(), "Imprimer");

    auto* picture = child<QLabel>(&w, "Picture1");
    EXPECT_EQ(picture->size(), QSize(320, 200));  // 4800 × 3000 twips
    ASSERT_FALSE(fileDrawing("Montage-X.bmp").isNull()) << "the build renders the drawings";
    EXPECT_EQ(shownDrawing(&w), fileDrawing("Montage-X.bmp"));
}

TEST(ContactOblique, WorkedExamplesInBothLocales) {
    struct Case {
        const char* what;
        Entries in;
        QStringList fr, en;  // TextPA, TextPB, TextFaA, TextFaB
    };
    const Case cases[] = {
        {"KA = KB, e_A·Fr_A = Fa_A",
         {"0", "1000", "1000", "0.3125"},
         {"1000,00", "1000,00", "312,50", "312,50"},
         {"1000.00", "1000.00", "312.50", "312.50"}},
        {"KA = KB, e_A·Fr_A < Fa_A",
         {"0", "1000", "1000", "0.3"},
         {"900,00", "1000,00", "312,50", "312,50"},
         {"900.00", "1000.00", "312.50", "312.50"}},
        {"Ka = 500",
         {"500", "1000", "1000"},
         {"1700,00", "1000,00", "812,50", "312,50"},
         {"1700.00", "1000.00", "812.50", "312.50"}},
        {"only Ka",
         {"500", "0", "0"},
         {"800,00", "0,00", "500,00", "0,00"},
         {"800.00", "0.00", "500.00", "0.00"}},
        {"KA > KB, Fr_B·e_B = Fa_B",
         {"100", "4000", "1000", "0.37", "1.15"},
         {"4000,00", "1000,00", "1250,00", "1150,00"},
         {"4000.00", "1000.00", "1250.00", "1150.00"}},
        {"KA > KB, Fr_B·e_B < Fa_B",
         {"100", "4000", "1000", "0.37", "1.149"},
         {"4000,00", "2240,00", "1250,00", "1150,00"},
         {"4000.00", "2240.00", "1250.00", "1150.00"}},
        {"1000.5.5 reads as 1000.5: KA > KB by a hair",
         {"0", "1000.5.5", "1000", "0.3125"},
         {"1000,50", "1000,00", "312,66", "312,66"},
         {"1000.50", "1000.00", "312.66", "312.66"}},
    };
    for (const auto& c : cases) {
        for (const char* locale : {"fr_FR", "en_US"}) {
            LocaleScope scope(locale);
            ContactOblique w;
            enter(&w, c.in);
            EXPECT_TRUE(calculate(&w).isEmpty()) << c.what;
            EXPECT_EQ(outputs(&w), QString(locale) == "fr_FR" ? c.fr : c.en)
                << c.what << " " << locale;
        }
    }
}

TEST(ContactOblique, LocaleWithAWideSeparatorShowsAPoint) {
    LocaleScope scope("ar_EG");
    ContactOblique w;
    enter(&w, {"500", "1000", "1000"});
    calculate(&w);
    EXPECT_EQ(text(&w, "TextPA"), "1700.00");
}

TEST(ContactOblique, LiteralZeroChecksStopAndKeepResults) {
    LocaleScope scope("fr_FR");
    const QString load = "Veuillez entrer une Charge !";
    const QString factors = "Veuillez entrer tous les coefficients !";
    struct Case {
        const char* box;
        const char* value;  // set as the box's text (pasted, past the filter)
        QString message;    // empty: the calculation runs
    };
    const Case cases[] = {
        {"TextFaE", "0", ""},  // Fr_A and Fr_B still 1000
        {"TexteA", "0", factors}, {"TexteB", "0", factors},   {"TextYA", "0", factors},
        {"TextYB", "0", factors}, {"TextYA", "0.0", factors},  // reads as 0: would divide by zero
        {"TextYB", "", factors},  {"TexteA", "abc", factors}, {"TextYA", "00", factors},
        {"TexteA", "0.37", ""},
    };
    for (const auto& c : cases) {
        ContactOblique w;
        enter(&w, {"0", "1000", "1000", "0.3125"});
        calculate(&w);
        const QStringList before = outputs(&w);
        child<QLineEdit>(&w, c.box)->setText(c.value);
        type(child<QLineEdit>(&w, "TextFrA"), "2000");
        const QStringList messages = calculate(&w);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages.isEmpty()) << c.box << "=" << c.value;
            EXPECT_NE(outputs(&w), before) << c.box << "=" << c.value;
        } else {
            EXPECT_EQ(messages, QStringList{c.message}) << c.box << "=" << c.value;
            EXPECT_EQ(lastBoxLook().title, "Attention");
            EXPECT_EQ(outputs(&w), before) << c.box << "=" << c.value;
        }
    }

    // The load check compares the three texts with "0" literally.
    struct LoadCase {
        Entries in;
        bool stops;
    };
    const LoadCase loads[] = {
        {{"0", "0", "0"}, true},
        {{"0.0", "0", "0"}, false},
        {{"0", "", "0"}, false},
        {{"0", "0", "00"}, false},
    };
    for (const auto& c : loads) {
        ContactOblique w;
        enter(&w, c.in);
        const QStringList messages = calculate(&w);
        EXPECT_EQ(messages, c.stops ? QStringList{load} : QStringList{}) << c.in.faE.toStdString();
        if (c.stops) {
            EXPECT_EQ(outputs(&w), QStringList({"0", "0", "0", "0"}));
        }
    }
    // The load message comes before the coefficients one.
    ContactOblique w;
    EXPECT_EQ(calculate(&w), QStringList{load});
}

TEST(ContactOblique, NumericFilterOnTheSevenEntries) {
    ContactOblique w;
    for (const char* name : kInputs) {
        type(child<QLineEdit>(&w, name), "-1,5e+2.5 x");
        EXPECT_EQ(text(&w, name), "1,52.5") << name;
    }
    type(child<QLineEdit>(&w, "TextRef"), "Arbre-12, é");
    EXPECT_EQ(text(&w, "TextRef"), "Arbre-12, é");
    for (const char* name : kOutputs) EXPECT_TRUE(child<QLineEdit>(&w, name)->isReadOnly()) << name;
}

TEST(ContactOblique, MountingChangesTheDrawingNotTheResults) {
    LocaleScope scope("fr_FR");
    ContactOblique w;
    showActive(&w);
    enter(&w, {"500", "1000", "1000"});
    calculate(&w);
    const QStringList results = outputs(&w);

    chooseMounting(&w, 1);
    EXPECT_EQ(child<QComboBox>(&w, "Combo1")->currentText(), "Montage en O");
    EXPECT_EQ(shownDrawing(&w), fileDrawing("Montage-O.bmp"));
    EXPECT_NE(shownDrawing(&w), fileDrawing("Montage-X.bmp"));
    EXPECT_EQ(outputs(&w), results);
    EXPECT_TRUE(lineTexts(w.reportLines()).contains("- Montage en O"));

    chooseMounting(&w, 0);
    EXPECT_EQ(shownDrawing(&w), fileDrawing("Montage-X.bmp"));

    // A text of neither item keeps the drawing; the report prints it as typed.
    w.Combo1_Click("Montage en Y");
    EXPECT_EQ(shownDrawing(&w), fileDrawing("Montage-X.bmp"));
}

TEST(ContactOblique, MissingDrawingIsReportedAndTheOldOneKept) {
    QTemporaryDir empty;
    ContactOblique w;
    showActive(&w);
    const QImage before = shownDrawing(&w);
    w.setDrawingFolder(empty.path());
    const QStringList messages = catchMessages([&] { chooseMounting(&w, 1); });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(empty.path() + "/images/Montage-O.bmp"))
        << messages[0].toStdString();
    EXPECT_EQ(lastBoxLook().title, "Attention");
    EXPECT_EQ(shownDrawing(&w), before);
}

TEST(ContactOblique, ReportLinesForBothMountings) {
    LocaleScope scope("fr_FR");
    for (int mounting : {0, 1}) {
        ContactOblique w;
        showActive(&w);
        type(child<QLineEdit>(&w, "TextRef"), "Réducteur 7");
        enter(&w, {"500", "1000", "1200", "0.37", "0.4", "1.6", "1.5"});
        calculate(&w);
        chooseMounting(&w, mounting);
        const QStringList lines = lineTexts(w.reportLines());
        const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        const QStringList expected = {
            "Roulements à Contacts Obliques : Charges Induites",
            QString(67, '_'),
            "",
            "",
            "Référence : Réducteur 7",
            "Date : " + date,
            "",
            "",
            "> Données",
            "",
            mounting == 0 ? "- Montage en X" : "- Montage en O",
            "",
            "- Roulement A",
            "  e = 0.37",
            "  Y = 1.6",
            "  Charge Radiale Appliquée : Fr = 1000 N",
            "  Charge Axiale Appliquée : Fa = 500 N",
            "",
            "- Roulement B",
            "  e = 0.4",
            "  Y = 1.5",
            "  Charge Radiale Appliquée : Fr = 1200 N",
            "",
            "",
            "> Résultats",
            "",
            "- Roulement A",
            "  Charge Axiale Induite : Fa' = 900,00 N",
            "  Charge Dynamique Equivalente : P = 1840,00 N",
            "",
            "- Roulement B",
            "  Charge Axiale Induite : Fa' = 400,00 N",
            "  Charge Dynamique Equivalente : P = 1200,00 N",
            "",
        };
        EXPECT_EQ(lines, expected);
    }
}

TEST(ContactOblique, PrintsTheReportToAPdf) {
    LocaleScope scope("fr_FR");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("oblique.pdf");
    ContactOblique w;
    showActive(&w);
    type(child<QLineEdit>(&w, "TextRef"), "Palier 3");
    enter(&w, {"500", "1000", "1000"});
    calculate(&w);
    chooseMounting(&w, 1);
    EXPECT_TRUE(answerPrintDialog([&] { child<QPushButton>(&w, "BtImprimer")->click(); }, pdf, 2)
                    .isEmpty());
    EXPECT_EQ(pdfPages(pdf), 1);  // one job whatever the copy count
    const QString printed = pdfText(pdf).simplified();
    for (const char* line :
         {"Roulements à Contacts Obliques : Charges Induites", "Référence : Palier 3", "> Données",
          "- Montage en O", "Charge Axiale Appliquée : Fa = 500 N",
          "Charge Axiale Induite : Fa' = 812,50 N", "Charge Dynamique Equivalente : P = 1700,00 N",
          "> Résultats"})
        EXPECT_TRUE(printed.contains(QString::fromUtf8(line))) << line << "\n"
                                                               << printed.toStdString();
    EXPECT_TRUE(printed.contains("Date : " +
                                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)));

    const QString cancelled = dir.filePath("cancelled.pdf");
    EXPECT_TRUE(answerPrintDialog([&] { child<QPushButton>(&w, "BtImprimer")->click(); }, QString())
                    .isEmpty());
    EXPECT_FALSE(QFile::exists(cancelled));
    // A printer that cannot be opened is said, not passed over.
    EXPECT_EQ(answerPrintDialog([&] { child<QPushButton>(&w, "BtImprimer")->click(); },
                                dir.filePath("missing-folder/oblique.pdf")),
              QStringList{QString::fromUtf8(torvel::bearings::kMsgPrintFailed)});
}

TEST(ContactOblique, SweepEndsInOneMessageOrFiniteResults) {
    LocaleScope scope("en_US");
    const QStringList values = {"0",   "0.0",  "",     "1E-30",  "0.37",
                                "1.6", "1000", "1E20", "3.4E38", "1E39"};
    auto* random = QRandomGenerator::global();
    ContactOblique w;
    for (int run = 0; run < 300; ++run) {
        for (const char* name : kInputs)
            child<QLineEdit>(&w, name)->setText(values[random->bounded(values.size())]);
        const QStringList before = outputs(&w);
        const QStringList messages = calculate(&w);
        if (!messages.isEmpty()) {
            EXPECT_EQ(messages.size(), 1);
            EXPECT_EQ(outputs(&w), before);
            continue;
        }
        for (const QString& shown : outputs(&w)) {
            bool ok = false;
            const double v = shown.toDouble(&ok);
            EXPECT_TRUE(ok && std::isfinite(v)) << shown.toStdString();
        }
    }
}
