#include "Ajustements.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "fits_selection.h"
#include "iso_fits.h"
#include "twips.h"
#include "ui_helpers.h"

using namespace testing_ui;
using torvel::fits::Side;
using torvel::fits::Tile;
using torvel::fits::ZonePicture;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kTint(181, 189, 214);

const char* const kHoleFields[] = {"Aj_Ale", "Af_Ec_Sup_Al", "Af_Ec_Inf_Al", "Res_Al_Max",
                                   "Res_Al_Min"};
const char* const kShaftFields[] = {"Aj_Arb", "Af_Ec_Sup_Ar", "Af_Ec_Inf_Ar", "Res_Ar_Max",
                                    "Res_Ar_Min"};

QStringList texts(QWidget* w, const char* const (&names)[5]) {
    QStringList out;
    for (const char* n : names) out << text(w, n);
    return out;
}

QStringList clearance(QWidget* w) { return {text(w, "J_Max"), text(w, "J_Min")}; }

QColor colour(QWidget* w, const QString& name) {
    return child<QLabel>(w, name)->palette().color(QPalette::WindowText);
}

QString stripName(Side side, bool grades) {
    return QStringLiteral("Lbl_TB_%1_%2")
        .arg(grades ? "Ql" : "Cl")
        .arg(side == Side::Hole ? "Al" : "Ar");
}

Tile* tile(QWidget* w, Side side, bool grades, int index) {
    return child<Tile>(w, QStringLiteral("%1_%2").arg(stripName(side, grades)).arg(index));
}

Tile* letterTile(QWidget* w, Side side, const char* letter) {
    return tile(w, side, false, torvel::fits::letterTileIndex(side, letter));
}

Tile* gradeTile(QWidget* w, Side side, int grade) {
    return tile(w, side, true, torvel::fits::gradeTileIndex(side, grade));
}

void press(Tile* t) { QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, t->rect().center()); }

void setDiameter(QWidget* w, const QString& value) { type(child<QLineEdit>(w, "Diametre"), value); }

// A value in units of 0.0001 mm written as the window shows it: the shortest
// decimal form, or with exactly four decimals for the clearances.
QString tenThousandths(long long v, bool fourDecimals, QChar separator) {
    const QString sign = v < 0 ? QStringLiteral("-") : QString();
    const long long a = std::llabs(v);
    QString frac = QStringLiteral("%1").arg(a % 10000, 4, 10, QLatin1Char('0'));
    if (!fourDecimals) {
        while (frac.endsWith(QLatin1Char('0'))) frac.chop(1);
        if (frac.isEmpty()) return a == 0 ? QStringLiteral("0") : sign + QString::number(a / 10000);
    }
    return sign + QString::number(a / 10000) + separator + frac;
}

QString zonesText(QWidget* w) { return child<QWidget>(w, "PictureZones")->accessibleDescription(); }

void chooseFit(QWidget* w, const QString& entry) {
    auto* list = child<QComboBox>(w, "ComboAjustementsUsuels");
    const int i = list->findText(entry);
    ASSERT_GT(i, 0) << entry.toStdString();
    list->setCurrentIndex(i);
    emit list->activated(i);
}

// Steps as a user takes them: "ø25" types a diameter, "Al:JS" / "Ar:6" press a
// hole or shaft tile (letter or grade), anything else is chosen in the list.
void play(QWidget* w, const QStringList& steps) {
    for (const QString& step : steps) {
        if (step.startsWith(u'ø')) {
            setDiameter(w, step.mid(1));
        } else if (step.startsWith("Al:") || step.startsWith("Ar:")) {
            const Side side = step.startsWith("Al") ? Side::Hole : Side::Shaft;
            bool grade = false;
            const int g = step.mid(3).toInt(&grade);
            press(grade ? gradeTile(w, side, g) : letterTile(w, side, qPrintable(step.mid(3))));
        } else {
            chooseFit(w, step);
        }
    }
}

class AjustementsTest : public ::testing::Test {
  protected:
    void SetUp() override { torvel::fits::resetFitsSelection(); }
};

}  // namespace

TEST_F(AjustementsTest, OpensWithItsDesignContents) {
    Ajustements w;
    EXPECT_EQ(w.objectName(), "Ajustements");
    EXPECT_EQ(w.windowTitle(), "Ajustements");
    EXPECT_EQ(child<QGroupBox>(&w, "Frame1")->title(), "Ajustements");
    EXPECT_EQ(child<QGroupBox>(&w, "Popup")->title(), "Choix du diamètre");
    EXPECT_EQ(child<QGroupBox>(&w, "Frame2")->title(), "Calcul des jeux");
    EXPECT_EQ(child<QGroupBox>(&w, "Toolbars")->title(), "Choix de l'ajustement");
    EXPECT_EQ(w.findChild<QWidget*>("TextRef"), nullptr);
    EXPECT_TRUE(w.findChildren<QPushButton*>().isEmpty());

    EXPECT_EQ(text(&w, "Diametre"), "2");
    EXPECT_EQ(texts(&w, kHoleFields), QStringList({"H7", "0,01", "0", "2,01", "2"}));
    EXPECT_EQ(texts(&w, kShaftFields), QStringList({"g6", "-0,002", "-0,008", "1,998", "1,992"}));
    EXPECT_EQ(clearance(&w), QStringList({"0,0180", "0,0020"}));
    {
        LocaleScope point("en_US");
        Ajustements en;
        EXPECT_EQ(texts(&en, kHoleFields), QStringList({"H7", "0.01", "0", "2.01", "2"}));
        EXPECT_EQ(clearance(&en), QStringList({"0.0180", "0.0020"}));
    }
    for (const char* n : {"Aj_Ale", "Af_Ec_Sup_Al", "Res_Ar_Min", "J_Max", "J_Min"})
        EXPECT_EQ(colour(&w, n), kBlack) << n;
    for (const char* n : {"Label5", "Label11", "Label6", "Label4", "Label3"})
        EXPECT_EQ(text(&w, n), QString::fromUtf8("\u2300")) << n;
    EXPECT_EQ(child<QLabel>(&w, "Label5")->buddy(), w.findChild<QWidget*>("Diametre"));
    EXPECT_EQ(text(&w, "Label7"), "Alésage maxi :");
    EXPECT_EQ(child<QLabel>(&w, "Label2")->buddy(), w.findChild<QWidget*>("J_Min"));
    EXPECT_EQ(text(&w, "recup_curseur"), "Text1");

    // Tiles: names, texts, which are enabled and which carry the selection.
    struct Strip {
        Side side;
        bool grades;
        int count;
        const char* first;
        const char* last;
        int selected;
        QList<int> disabled;
    };
    const Strip strips[] = {
        {Side::Hole, false, 23, "A", "ZC", 7, {16}},     // T up to 24 mm
        {Side::Hole, true, 13, "6", "18", 1, {11, 12}},  // H offers 6 to 16 at 2 mm
        {Side::Shaft, false, 23, "a", "zc", 6, {16}},    // t
        {Side::Shaft, true, 14, "5", "18", 1, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},  // g5, g6
    };
    for (const Strip& s : strips) {
        const QString name = stripName(s.side, s.grades);
        EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("%1_%2").arg(name).arg(s.count)), nullptr);
        EXPECT_EQ(tile(&w, s.side, s.grades, 0)->text(), s.first);
        EXPECT_EQ(tile(&w, s.side, s.grades, s.count - 1)->text(), s.last);
        for (int i = 0; i < s.count; ++i) {
            Tile* t = tile(&w, s.side, s.grades, i);
            EXPECT_EQ(t->isEnabled(), !s.disabled.contains(i)) << name.toStdString() << i;
            EXPECT_EQ(t->look(), i == s.selected ? Tile::Look::Selected : Tile::Look::Plain)
                << name.toStdString() << i;
            EXPECT_EQ(t->focusPolicy(), Qt::NoFocus);
        }
    }
}

TEST_F(AjustementsTest, WorkedExamplesInBothLocales) {
    for (const char* locale : {"fr_FR", "en_US"}) {
        LocaleScope scope(locale);
        const bool fr = QString::fromLatin1(locale) == "fr_FR";
        auto d = [fr](QString s) { return fr ? s.replace('.', ',') : s; };
        auto dl = [&](const QStringList& l) {
            QStringList out;
            for (const QString& s : l) out << d(s);
            return out;
        };
        torvel::fits::resetFitsSelection();
        {
            Ajustements w;
            // One side alone: its values, no clearance yet.
            EXPECT_TRUE(catchMessages([&] { press(gradeTile(&w, Side::Hole, 7)); }).isEmpty());
            EXPECT_EQ(texts(&w, kHoleFields), dl({"H7", "0.01", "0", "2.01", "2"})) << locale;
            EXPECT_EQ(clearance(&w), QStringList({"", ""})) << locale;
            press(gradeTile(&w, Side::Shaft, 6));
            EXPECT_EQ(texts(&w, kShaftFields), dl({"g6", "-0.002", "-0.008", "1.998", "1.992"}))
                << locale;
            EXPECT_EQ(clearance(&w), dl({"0.0180", "0.0020"})) << locale;
            EXPECT_EQ(colour(&w, "J_Max"), kBlue);
            EXPECT_EQ(colour(&w, "J_Min"), kBlue);
            // The letter tile takes the lowest grade H offers at 2 mm.
            press(letterTile(&w, Side::Hole, "H"));
            EXPECT_EQ(texts(&w, kHoleFields), dl({"H6", "0.006", "0", "2.006", "2"})) << locale;
            EXPECT_EQ(gradeTile(&w, Side::Hole, 6)->look(), Tile::Look::Marked);
            EXPECT_EQ(gradeTile(&w, Side::Hole, 7)->look(), Tile::Look::Plain);
        }
        struct Fit {
            const char* diameter;
            const char* shaftLetter;
            QStringList hole, shaft, clearance;
            QColor colour;
        };
        const Fit fits[] = {
            {"25",
             "p",
             {"H7", "0.021", "0", "25.021", "25"},
             {"p6", "0.035", "0.022", "25.035", "25.022"},
             {"-0.0010", "-0.0350"},
             kRed},
            {"40",
             "k",
             {"H7", "0.025", "0", "40.025", "40"},
             {"k6", "0.018", "0.002", "40.018", "40.002"},
             {"0.0230", "-0.0180"},
             kBlack},
            {"40",
             "h",
             {"H7", "0.025", "0", "40.025", "40"},
             {"h6", "0", "-0.016", "40", "39.984"},
             {"0.0410", "0.0000"},
             kBlue},
            {"2",  // the maximum clearance is exactly 0: neither red nor blue
             "r",
             {"H7", "0.01", "0", "2.01", "2"},
             {"r6", "0.016", "0.01", "2.016", "2.01"},
             {"0.0000", "-0.0160"},
             kBlack},
            {"18",
             "s",
             {"H7", "0.018", "0", "18.018", "18"},
             {"s6", "0.039", "0.028", "18.039", "18.028"},
             {"-0.0100", "-0.0390"},
             kRed},
        };
        for (const Fit& f : fits) {
            torvel::fits::resetFitsSelection();
            Ajustements w;
            setDiameter(&w, f.diameter);
            press(letterTile(&w, Side::Hole, "H"));
            press(gradeTile(&w, Side::Hole, 7));
            press(letterTile(&w, Side::Shaft, f.shaftLetter));
            press(gradeTile(&w, Side::Shaft, 6));
            EXPECT_EQ(texts(&w, kHoleFields), dl(f.hole)) << locale << " " << f.shaftLetter;
            EXPECT_EQ(texts(&w, kShaftFields), dl(f.shaft)) << locale << " " << f.shaftLetter;
            EXPECT_EQ(clearance(&w), dl(f.clearance)) << locale << " " << f.shaftLetter;
            EXPECT_EQ(colour(&w, "J_Max"), f.colour) << f.shaftLetter;
            EXPECT_EQ(colour(&w, "J_Min"), f.colour) << f.shaftLetter;
        }
    }
}

TEST_F(AjustementsTest, DiameterChangeHidesResultsAndFollowsTheLetterTiles) {
    Ajustements w;
    press(gradeTile(&w, Side::Hole, 7));
    press(gradeTile(&w, Side::Shaft, 6));
    setDiameter(&w, "30");
    for (const auto* names : {&kHoleFields, &kShaftFields})
        for (const char* n : *names) EXPECT_EQ(colour(&w, n), kWhite) << n;
    // The clearances of the previous diameter stay, marked out of date.
    EXPECT_EQ(clearance(&w), QStringList({"0,0180", "0,0020"}));
    for (const char* n : {"J_Max", "J_Min"}) EXPECT_EQ(colour(&w, n), QColor(Qt::gray)) << n;
    EXPECT_TRUE(child<QLabel>(&w, "LabelPerime")->isVisibleTo(&w));
    EXPECT_EQ(text(&w, "Af_Ec_Sup_Al"), "0,01");  // nothing recomputed
    EXPECT_TRUE(letterTile(&w, Side::Hole, "T")->isEnabled());
    EXPECT_TRUE(letterTile(&w, Side::Shaft, "t")->isEnabled());

    press(letterTile(&w, Side::Hole, "T"));
    EXPECT_EQ(texts(&w, kHoleFields), QStringList({"T6", "-0,037", "-0,05", "29,963", "29,95"}));
    for (const char* n : kHoleFields) EXPECT_EQ(colour(&w, n), kBlack) << n;
    for (const char* n : kShaftFields) EXPECT_EQ(colour(&w, n), kWhite) << n;
    EXPECT_EQ(texts(&w, kShaftFields), QStringList({"g6", "-0,007", "-0,02", "29,993", "29,98"}));
    EXPECT_EQ(clearance(&w), QStringList({"-0,0170", "-0,0430"}));
    EXPECT_EQ(colour(&w, "J_Max"), kRed);
    EXPECT_FALSE(child<QLabel>(&w, "LabelPerime")->isVisibleTo(&w));

    struct Case {
        const char* diameter;
        bool tEnabled;
    };
    // Out of range, the tiles follow the diameter the next click brings: 2 or 500.
    for (const Case& c : {Case{"24", false}, Case{"24.5", true}, Case{"1", false}, Case{"", false},
                          Case{"0.5", false}, Case{"1.5", false}, Case{"600", true}}) {
        setDiameter(&w, c.diameter);
        EXPECT_EQ(letterTile(&w, Side::Hole, "T")->isEnabled(), c.tEnabled) << c.diameter;
        EXPECT_EQ(letterTile(&w, Side::Shaft, "t")->isEnabled(), c.tEnabled) << c.diameter;
    }
}

TEST_F(AjustementsTest, KeyFilterKeepsDigitsAndSeparatorsOnly) {
    Ajustements w;
    QLineEdit* box = child<QLineEdit>(&w, "Diametre");
    struct Case {
        QString typed, expected;
    };
    const Case cases[] = {
        {"12", "12"}, {"1,5", "1,5"}, {"a-3e.5", "3.5"}, {"1.2.3", "1.2.3"}, {"é7", "7"}, {"x", ""},
    };
    for (const Case& c : cases) {
        type(box, c.typed);
        EXPECT_EQ(box->text(), c.expected) << c.typed.toStdString();
    }
    type(box, "25");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "2");
    QTest::keyClick(box, 'z');
    EXPECT_EQ(box->text(), "2");
    // A refused key in an empty box reads the diameter again as 0.
    type(box, "");
    torvel::fits::fitsSelection().Diametre_Nom = 7;
    QTest::keyClick(box, 'z');
    EXPECT_EQ(torvel::fits::fitsSelection().Diametre_Nom, 0.0);
    EXPECT_FALSE(letterTile(&w, Side::Hole, "T")->isEnabled());
    // "30.2.3" reads as 30.2 by the leading-number rule, which the tiles then follow.
    type(box, "30.2.3");
    EXPECT_TRUE(letterTile(&w, Side::Hole, "T")->isEnabled());
}

TEST_F(AjustementsTest, RangeCheckCorrectsTheDiameterBeforeTheClick) {
    struct Case {
        const char* typed;
        const char* corrected;  // empty: accepted as typed
        bool shaftLetter;       // click the shaft letter g instead of the hole grade 7
        QStringList fields;     // of the clicked side
    };
    const Case cases[] = {
        {"600", "500", false, {"H7", "0.063", "0", "500.063", "500"}},
        {"500.1", "500", false, {"H7", "0.063", "0", "500.063", "500"}},
        {"500", "", false, {"H7", "0.063", "0", "500.063", "500"}},
        {"1", "2", false, {"H7", "0.01", "0", "2.01", "2"}},
        {"", "2", false, {"H7", "0.01", "0", "2.01", "2"}},
        {"0.5", "2", false, {"H7", "0.01", "0", "2.01", "2"}},
        {"1e999", "500", false, {"H7", "0.063", "0", "500.063", "500"}},
        {"600", "500", true, {"g5", "-0.02", "-0.047", "499.98", "499.953"}},
        {"1", "2", true, {"g5", "-0.002", "-0.006", "1.998", "1.994"}},
    };
    for (const char* locale : {"fr_FR", "en_US"}) {
        LocaleScope scope(locale);
        const bool fr = QByteArray(locale) == "fr_FR";
        for (const Case& c : cases) {
            torvel::fits::resetFitsSelection();
            Ajustements w;
            setDiameter(&w, c.typed);
            if (QByteArray(c.typed) == "1e999")  // pasted, the filter would not let the e through
                child<QLineEdit>(&w, "Diametre")->setText(c.typed);
            const QStringList messages = catchMessages([&] {
                press(c.shaftLetter ? letterTile(&w, Side::Shaft, "g")
                                    : gradeTile(&w, Side::Hole, 7));
            });
            if (*c.corrected) {
                EXPECT_EQ(
                    messages,
                    QStringList({"Le diamètre doit être supérieur à 1 et inférieur ou égal à 500"}))
                    << c.typed;
                EXPECT_EQ(lastBoxLook().title, "Torvel");
                EXPECT_EQ(lastBoxLook().icon, QMessageBox::Warning);
                EXPECT_EQ(lastBoxLook().buttons, 1);
                EXPECT_EQ(text(&w, "Diametre"), c.corrected) << c.typed;
            } else {
                EXPECT_TRUE(messages.isEmpty()) << c.typed;
                EXPECT_EQ(text(&w, "Diametre"), c.typed);
            }
            QStringList expected = c.fields;
            if (fr) expected.replaceInStrings(QStringLiteral("."), QStringLiteral(","));
            const auto& names = c.shaftLetter ? kShaftFields : kHoleFields;
            EXPECT_EQ(texts(&w, names), expected) << locale << " " << c.typed;
            // What the click computed is shown, also after a correction.
            for (const char* n : names) EXPECT_EQ(colour(&w, n), kBlack) << c.typed << " " << n;
        }
    }
}

TEST_F(AjustementsTest, EveryEnabledGradeMatchesTheTables) {
    LocaleScope scope("en_US");
    Ajustements w;
    const double diameters[] = {2,  3,  5.5, 6,   10.5, 14,  24,  25,  30,
                                50, 65, 100, 118, 150,  190, 250, 400, 500};
    int checked = 0;
    for (Side side : {Side::Hole, Side::Shaft}) {
        const Side other = side == Side::Hole ? Side::Shaft : Side::Hole;
        // A class on the other side first, so that every click also gives a clearance.
        press(letterTile(&w, other, other == Side::Hole ? "H" : "g"));
        press(gradeTile(&w, other, other == Side::Hole ? 7 : 6));
        const auto otherKey = torvel::fits::classKey(other, other == Side::Hole ? "H" : "g",
                                                     other == Side::Hole ? 7 : 6);
        const auto* mine = side == Side::Hole ? &kHoleFields : &kShaftFields;
        const auto& letters = torvel::fits::letters(side);
        for (double d : diameters) {
            setDiameter(&w, QString::number(d));
            const auto otherHalf = torvel::fits::deviationsHalfMicrons(other, otherKey, d);
            ASSERT_TRUE(otherHalf);
            for (size_t li = 0; li < letters.size(); ++li) {
                Tile* lt = tile(&w, side, false, static_cast<int>(li));
                const auto offer = torvel::fits::offeredGrades(side, letters[li], d);
                ASSERT_TRUE(offer);
                EXPECT_EQ(lt->isEnabled(), !offer->grades.empty()) << letters[li] << " " << d;
                if (!lt->isEnabled()) continue;
                press(lt);
                for (int gi = 0; gi < torvel::fits::gradeTileCount(side); ++gi) {
                    Tile* gt = tile(&w, side, true, gi);
                    const int grade = torvel::fits::gradeOfTile(side, gi);
                    EXPECT_EQ(gt->isEnabled(), offer->tileEnabled[static_cast<size_t>(gi)]);
                    if (!gt->isEnabled()) continue;
                    press(gt);
                    const std::string key = torvel::fits::classKey(side, letters[li], grade);
                    const auto half = torvel::fits::deviationsHalfMicrons(side, key, d);
                    ASSERT_TRUE(half) << key << " at " << d;
                    const long long base = std::llround(d * 10000);
                    const QStringList expected = {
                        QString::fromStdString(key), tenThousandths(half->upper * 5LL, false, '.'),
                        tenThousandths(half->lower * 5LL, false, '.'),
                        tenThousandths(base + half->upper * 5LL, false, '.'),
                        tenThousandths(base + half->lower * 5LL, false, '.')};
                    EXPECT_EQ(texts(&w, *mine), expected) << key << " at " << d;
                    const auto& hole = side == Side::Hole ? *half : *otherHalf;
                    const auto& shaft = side == Side::Hole ? *otherHalf : *half;
                    const long long jMax = (hole.upper - shaft.lower) * 5LL;
                    const long long jMin = (hole.lower - shaft.upper) * 5LL;
                    EXPECT_EQ(clearance(&w), QStringList({tenThousandths(jMax, true, '.'),
                                                          tenThousandths(jMin, true, '.')}))
                        << key << " at " << d;
                    const QColor fit = jMax < 0 && jMin <= 0   ? kRed
                                       : jMax > 0 && jMin >= 0 ? kBlue
                                                               : kBlack;
                    EXPECT_EQ(colour(&w, "J_Max"), fit) << key << " at " << d;
                    EXPECT_EQ(colour(&w, "J_Min"), fit) << key << " at " << d;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 2000);
}

TEST_F(AjustementsTest, GradeTilesFollowTheDiameterAndAClassWithoutEntryShowsNoValues) {
    Ajustements w;
    setDiameter(&w, "8");
    press(gradeTile(&w, Side::Hole, 17));
    press(gradeTile(&w, Side::Shaft, 6));
    EXPECT_EQ(texts(&w, kHoleFields), QStringList({"H17", "1,5", "0", "9,5", "8"}));
    EXPECT_EQ(clearance(&w), QStringList({"1,5140", "0,0050"}));

    // H17 is not offered up to 6 mm: the tile greys, the selection stays.
    setDiameter(&w, "5");
    EXPECT_FALSE(gradeTile(&w, Side::Hole, 17)->isEnabled());
    EXPECT_EQ(gradeTile(&w, Side::Hole, 17)->look(), Tile::Look::Selected);
    EXPECT_TRUE(gradeTile(&w, Side::Hole, 16)->isEnabled());
    press(gradeTile(&w, Side::Shaft, 6));
    EXPECT_EQ(texts(&w, kHoleFields), QStringList({"H17", "", "", "", ""}));
    EXPECT_EQ(texts(&w, kShaftFields), QStringList({"g6", "-0,004", "-0,012", "4,996", "4,988"}));
    EXPECT_EQ(clearance(&w), QStringList({"", ""}));

    // Back over 6 mm the grade is offered again.
    setDiameter(&w, "7");
    EXPECT_TRUE(gradeTile(&w, Side::Hole, 17)->isEnabled());
    press(gradeTile(&w, Side::Shaft, 6));
    EXPECT_EQ(texts(&w, kHoleFields), QStringList({"H17", "1,5", "0", "8,5", "7"}));
    EXPECT_EQ(clearance(&w), QStringList({"1,5140", "0,0050"}));

    // T chosen at 30, then a diameter where T offers nothing.
    setDiameter(&w, "30");
    press(letterTile(&w, Side::Hole, "T"));
    setDiameter(&w, "20");
    EXPECT_FALSE(letterTile(&w, Side::Hole, "T")->isEnabled());
    for (int g = 6; g <= 18; ++g) EXPECT_FALSE(gradeTile(&w, Side::Hole, g)->isEnabled()) << g;
    press(gradeTile(&w, Side::Shaft, 5));
    EXPECT_EQ(texts(&w, kHoleFields), QStringList({"T6", "", "", "", ""}));
    EXPECT_EQ(clearance(&w), QStringList({"", ""}));
}

TEST_F(AjustementsTest, StarredClassesAndInertTiles) {
    Ajustements w;
    setDiameter(&w, "50");
    press(letterTile(&w, Side::Hole, "E"));
    press(gradeTile(&w, Side::Hole, 11));
    EXPECT_EQ(text(&w, "Aj_Ale"), "E11*");
    press(letterTile(&w, Side::Shaft, "c"));
    press(gradeTile(&w, Side::Shaft, 12));
    EXPECT_EQ(text(&w, "Aj_Arb"), "c12*");
    EXPECT_NE(text(&w, "Af_Ec_Sup_Ar"), "");

    // A disabled tile does nothing.
    const QStringList before = texts(&w, kShaftFields);
    ASSERT_FALSE(gradeTile(&w, Side::Shaft, 13)->isEnabled());
    press(gradeTile(&w, Side::Shaft, 13));
    EXPECT_EQ(texts(&w, kShaftFields), before);
    EXPECT_EQ(gradeTile(&w, Side::Shaft, 13)->look(), Tile::Look::Plain);
}

TEST_F(AjustementsTest, SelectionStateSurvivesCloseAndReopen) {
    auto w = std::make_unique<Ajustements>();
    setDiameter(w.get(), "25");
    press(gradeTile(w.get(), Side::Hole, 8));
    press(letterTile(w.get(), Side::Shaft, "f"));
    EXPECT_EQ(text(w.get(), "Aj_Arb"), "f6");
    w.reset();

    // The load shows H7 / g6 at 2 again...
    w = std::make_unique<Ajustements>();
    EXPECT_EQ(text(w.get(), "Diametre"), "2");
    EXPECT_EQ(texts(w.get(), kHoleFields), QStringList({"H7", "0,01", "0", "2,01", "2"}));
    EXPECT_EQ(texts(w.get(), kShaftFields),
              QStringList({"g6", "-0,002", "-0,008", "1,998", "1,992"}));
    EXPECT_EQ(letterTile(w.get(), Side::Shaft, "g")->look(), Tile::Look::Selected);
    EXPECT_EQ(letterTile(w.get(), Side::Shaft, "f")->look(), Tile::Look::Plain);
    EXPECT_EQ(gradeTile(w.get(), Side::Hole, 8)->look(), Tile::Look::Plain);
    // ...but both sides have been chosen in this run: one click gives the clearance,
    // computed with the class the window shows (g6, not the f6 of before).
    press(gradeTile(w.get(), Side::Hole, 8));
    EXPECT_EQ(texts(w.get(), kShaftFields),
              QStringList({"g6", "-0,002", "-0,008", "1,998", "1,992"}));
    EXPECT_EQ(clearance(w.get()), QStringList({"0,0220", "0,0020"}));
    w.reset();

    // A fresh run waits for both sides.
    torvel::fits::resetFitsSelection();
    w = std::make_unique<Ajustements>();
    press(gradeTile(w.get(), Side::Hole, 8));
    EXPECT_EQ(clearance(w.get()), QStringList({"", ""}));
}

TEST_F(AjustementsTest, HoverTintsAndRestoresTiles) {
    Ajustements w;
    auto enter = [](Tile* t) {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(t, &e);
    };
    auto leave = [](Tile* t) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(t, &e);
    };
    auto background = [](Tile* t) { return t->palette().color(QPalette::Window); };
    Tile* a = letterTile(&w, Side::Hole, "A");
    Tile* b = letterTile(&w, Side::Hole, "B");
    Tile* h = letterTile(&w, Side::Hole, "H");
    EXPECT_EQ(background(a), kWhite);
    EXPECT_EQ(a->frameShape(), QFrame::NoFrame);

    enter(a);
    EXPECT_EQ(a->look(), Tile::Look::Hovered);
    EXPECT_EQ(background(a), kTint);
    EXPECT_EQ(a->frameShape(), QFrame::NoFrame);
    enter(b);  // no leave in between: the previous tile still returns to white
    EXPECT_EQ(a->look(), Tile::Look::Plain);
    EXPECT_EQ(b->look(), Tile::Look::Hovered);
    leave(b);
    EXPECT_EQ(b->look(), Tile::Look::Plain);
    EXPECT_EQ(background(b), kWhite);

    // The selected tile keeps its look.
    enter(h);
    leave(h);
    EXPECT_EQ(h->look(), Tile::Look::Selected);
    EXPECT_EQ(background(h), kTint);
    EXPECT_EQ(h->frameShape(), QFrame::Panel);
    EXPECT_EQ(h->frameShadow(), QFrame::Sunken);

    // Disabled tiles do not react.
    Tile* g18 = gradeTile(&w, Side::Hole, 18);
    ASSERT_FALSE(g18->isEnabled());
    enter(g18);
    EXPECT_EQ(g18->look(), Tile::Look::Plain);

    // Strips are independent; a click selects the hovered tile.
    Tile* p = letterTile(&w, Side::Shaft, "p");
    enter(a);
    enter(p);
    EXPECT_EQ(a->look(), Tile::Look::Hovered);
    press(p);
    EXPECT_EQ(p->look(), Tile::Look::Selected);
    leave(p);
    EXPECT_EQ(p->look(), Tile::Look::Selected);
    EXPECT_EQ(letterTile(&w, Side::Shaft, "g")->look(), Tile::Look::Plain);
    EXPECT_EQ(gradeTile(&w, Side::Shaft, 5)->look(), Tile::Look::Marked);
    EXPECT_EQ(gradeTile(&w, Side::Shaft, 5)->frameShape(), QFrame::Box);
}

TEST_F(AjustementsTest, FocusEndsInRecupCurseur) {
    Ajustements w;
    showActive(&w);
    QWidget* sink = child<QWidget>(&w, "recup_curseur");
    QLineEdit* box = child<QLineEdit>(&w, "Diametre");
    Tile* clicks[] = {letterTile(&w, Side::Hole, "K"), gradeTile(&w, Side::Hole, 7),
                      letterTile(&w, Side::Shaft, "m"), gradeTile(&w, Side::Shaft, 6)};
    for (Tile* t : clicks) {
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
        press(t);
        EXPECT_TRUE(sink->hasFocus()) << t->objectName().toStdString();
        EXPECT_EQ(child<QLineEdit>(&w, "recup_curseur")->cursorPosition(), 0);
    }
    if (qEnvironmentVariableIsSet("TORVEL_SHOW"))
        w.grab().save(qEnvironmentVariable("TORVEL_SHOW"));
    w.resize(torvel::px(5000), torvel::px(3000));  // both bars show
    for (QScrollBar* bar : {w.vScroll(), w.hScroll()}) {
        ASSERT_TRUE(bar->isVisible());
        box->setFocus();
        bar->setFocus(Qt::MouseFocusReason);
        EXPECT_TRUE(sink->hasFocus());
    }
}

TEST_F(AjustementsTest, TabGoesFromTheDiameterToTheListButNeverToRecupCurseur) {
    QWidget host;
    auto* w = new Ajustements(&host);
    auto* after = new QLineEdit(&host);  // the next control of the surrounding window
    after->move(0, w->sizeHint().height());
    showActive(&host);
    QLineEdit* box = child<QLineEdit>(w, "Diametre");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab);
    auto* list = child<QComboBox>(w, "ComboAjustementsUsuels");
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(box->text(), "2");
    // Browsing the list from the keyboard applies each fit and keeps the focus.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(text(w, "Aj_Ale"), "H11");
    EXPECT_EQ(text(w, "Aj_Arb"), "c11");
    EXPECT_TRUE(list->hasFocus());
    // On to the press-fit group, through it, and out of the window.
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_TRUE(child<QWidget>(w, "TextDaMoyeu")->hasFocus());
    for (int i = 0; i < 60 && !after->hasFocus(); ++i) {
        EXPECT_FALSE(child<QWidget>(w, "recup_curseur")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_TRUE(after->hasFocus());
}

TEST_F(AjustementsTest, ZoneDescriptionStatesWhatTheWindowShows) {
    struct Case {
        QStringList steps;
        const char* description;  // with "." for the decimal separator
    };
    const Case cases[] = {
        {{"ø2", "H7/g6 (jeu)"},
         "Alésage H7 : +10 / 0 µm ; arbre g6 : -2 / -8 µm ; ajustement avec jeu"},
        {{"ø25", "H7/p6 (serré)"},
         "Alésage H7 : +21 / 0 µm ; arbre p6 : +35 / +22 µm ; ajustement serré"},
        {{"ø40", "H7/k6 (incertain)"},
         "Alésage H7 : +25 / 0 µm ; arbre k6 : +18 / +2 µm ; ajustement incertain"},
        // Known as an interference fit, a transition by its clearances at 2 mm.
        {{"ø2", "H7/p6 (serré)"},
         "Alésage H7 : +10 / 0 µm ; arbre p6 : +12 / +6 µm ; ajustement incertain"},
        {{"ø2", "Al:JS", "Al:9"}, "Alésage JS9 : +12.5 / -12.5 µm"},
        // A side without a table entry, and a side hidden by a diameter change, are left out.
        {{"ø8", "Al:17", "ø5", "Ar:6"}, "Arbre g6 : -4 / -12 µm"},
        {{"H7/g6 (jeu)", "ø30", "Ar:6"}, "Arbre g6 : -7 / -20 µm"},
        {{"H7/g6 (jeu)", "ø30"}, ""},
        {{}, ""},
    };
    for (const char* locale : {"fr_FR", "en_US"}) {
        LocaleScope scope(locale);
        for (const Case& c : cases) {
            torvel::fits::resetFitsSelection();
            Ajustements w;
            play(&w, c.steps);
            QString expected = QString::fromUtf8(c.description);
            if (QByteArray(locale) == "fr_FR") expected.replace('.', ',');
            EXPECT_EQ(zonesText(&w), expected) << locale << " " << c.steps.join(' ').toStdString();
        }
    }
}

TEST_F(AjustementsTest, AUsualFitIsItsFourTileClicks) {
    Ajustements w;
    auto* list = child<QComboBox>(&w, "ComboAjustementsUsuels");
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    EXPECT_EQ(entries.join('|'),
              "|H11/c11 (jeu)|H9/d9 (jeu)|H8/f7 (jeu)|H7/g6 (jeu)|H7/h6 (jeu)|H7/k6 (incertain)"
              "|H7/n6 (incertain)|H7/p6 (serré)|H7/s6 (serré)|H7/u6 (serré)|C11/h11 (jeu)"
              "|D9/h9 (jeu)|F8/h7 (jeu)|G7/h6 (jeu)|K7/h6 (incertain)|N7/h6 (incertain)"
              "|P7/h6 (serré)|S7/h6 (serré)|U7/h6 (serré)");
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(child<QLabel>(&w, "Label12")->text(), "Ajustements usuels :");
    EXPECT_EQ(child<QLabel>(&w, "Label12")->buddy(), list);
    EXPECT_EQ(child<QGroupBox>(&w, "FrameZones")->title(), "Zones de tolérance");

    // What a window shows after the steps, the range message included.
    auto outcome = [](const QStringList& steps) {
        torvel::fits::resetFitsSelection();
        Ajustements a;
        QStringList seen = catchMessages([&] { play(&a, steps); });
        seen << text(&a, "Diametre") << texts(&a, kHoleFields) << texts(&a, kShaftFields)
             << clearance(&a) << colour(&a, "J_Max").name() << colour(&a, "Af_Ec_Sup_Ar").name()
             << zonesText(&a);
        for (Side side : {Side::Hole, Side::Shaft})
            seen << QString::number(a.letterStrip(side)->selected())
                 << QString::number(a.gradeStrip(side)->selected());
        return seen;
    };
    for (int i = 1; i < entries.size(); ++i) {
        const QStringList classes = entries[i].section(' ', 0, 0).split('/');
        const QString hole = classes[0].left(1), shaft = classes[1].left(1);
        const QStringList tiles = {"Al:" + hole, "Al:" + classes[0].mid(1), "Ar:" + shaft,
                                   "Ar:" + classes[1].mid(1)};
        for (const char* d : {"ø600", "ø18"})
            EXPECT_EQ(outcome({d, entries[i]}), outcome(QStringList{d} + tiles))
                << d << " " << entries[i].toStdString();
    }

    // A tile of the user's own takes the list back to its empty entry.
    chooseFit(&w, "H7/k6 (incertain)");
    EXPECT_EQ(list->currentIndex(), 6);
    press(gradeTile(&w, Side::Shaft, 6));
    EXPECT_EQ(list->currentIndex(), 0);
}

TEST_F(AjustementsTest, HoleBandOfH7StandsOnTheZeroLine) {
    Ajustements w;
    showActive(&w);
    auto* picture = child<ZonePicture>(&w, "PictureZones");
    chooseFit(&w, "H7/p6 (serré)");  // at 2 mm: a transition, grey however the list names it
    const QRectF band = picture->band(Side::Hole);
    const int zero = picture->zeroLineY();
    ASSERT_FALSE(band.isEmpty());
    EXPECT_NEAR(band.bottom(), zero, 0.5);
    const QImage image = picture->grab().toImage();
    const int x = static_cast<int>(band.center().x());
    EXPECT_EQ(image.pixelColor(x, (zero + static_cast<int>(band.top())) / 2),
              ZonePicture::fillColour(torvel::fits::FitKind::Transition));
    EXPECT_EQ(image.pixelColor(x, zero + 3), kWhite);

    setDiameter(&w, "3");  // results hidden: the zero line alone
    EXPECT_TRUE(picture->band(Side::Hole).isEmpty());
    EXPECT_EQ(picture->grab().toImage().pixelColor(x, (zero + static_cast<int>(band.top())) / 2),
              kWhite);
}

namespace {

// The press-fit group's result boxes in the window's order, then its verdict.
const char kPressFit[] =
    "TextUeMin TextUeMax TextPMin TextPMax TextCoupleMax TextEffortAxial TextSecuriteGlissement "
    "TextEffortEmmanchement TextTempMontage TextContrainteMoyeu TextSecuriteMoyeu "
    "TextContrainteArbre TextSecuriteArbre LabelPressFit";

// The named boxes' texts joined by '|': the press fit's unless told.
QString boxes(QWidget* w, const char* names = kPressFit) {
    QStringList out;
    for (const QString& n : QString(names).split(' ')) out << text(w, n);
    return out.join('|');
}

// "Box=text" types into a box, "Box:=text" pastes; anything else is a step of play().
void enter(QWidget* w, const QStringList& entries) {
    for (const QString& e : entries) {
        if (e.startsWith("Combo") && e.contains(':')) {
            auto* list = child<QComboBox>(w, e.section(':', 0, 0));
            const int i = list->findText(e.section(':', 1));
            ASSERT_GE(i, 0) << e.toStdString();
            list->setCurrentIndex(i);
            emit list->activated(i);
        } else if (e.contains(":="))  // pasted at once, past the key filter
            child<QLineEdit>(w, e.section(":=", 0, 0))->setText(e.section(":=", 1));
        else if (e.contains('='))
            set(w, e.section('=', 0, 0), e.section('=', 1));
        else
            play(w, {e});
    }
}

}  // namespace

TEST_F(AjustementsTest, PressFitWorkedExamplesInBothLocales) {
    const std::pair<QStringList, const char*> examples[] = {
        {{"TextDaMoyeu=50", "TextLongueur=30", "ø25", "H7/p6 (serré)"},
         "-2.2|31.8||100.2||||35 403|238|231.3|1.32|86.7|3.52|Le serrage minimal est absorbé par "
         "l'écrasement des rugosités : pas de frettage"},
        {{"TextDaMoyeu=100", "TextLongueur=40", "TextCouple=500", "TextSR=1", "ø50",
          "H7/s6 (serré)"},
         "14.8|55.8|23.3|87.9|549.2|21 969|1.10|82 830|218|203.0|1.50|76.1|4.01|Assemblage "
         "admissible"},
        // A transition fit: nothing surely held, but the hub may still yield.
        {{"TextDaMoyeu=50", "TextLongueur=30", "TextCouple=100", "ø25", "H7/k6 (incertain)"},
         "|11.8||37.2||||13 137|165|85.8|3.55|32.2|9.47|Ajustement incertain : le serrage "
         "minimal est nul ou négatif, rien n'est transmis à coup sûr"},
        {{"TextDaMoyeu=50", "TextLongueur=30", "TextCouple=100", "ø25", "H7/g6 (jeu)"},
         "|||||||||||||Ajustement avec jeu : pas de frettage"},
        {{"TextDaMoyeu=100", "TextLongueur=40", "ø50", "H7/s6 (serré)"},
         "14.8|55.8|23.3|87.9|549.2|21 969||82 830|218|203.0|1.50|76.1|4.01|Pas de charge à "
         "transmettre (Mt, Fax) : la tenue au glissement n'est pas vérifiée"},
    };
    for (const char* locale : {"fr_FR", "en_US"}) {
        LocaleScope scope(locale);
        for (const auto& [entries, shown] : examples) {
            torvel::fits::resetFitsSelection();
            Ajustements w;
            EXPECT_EQ(catchMessages([&] { enter(&w, entries); }), QStringList());
            EXPECT_EQ(boxes(&w), QString(shown).replace('.', *locale == 'f' ? ',' : '.'));
            const QString verdict = text(&w, "LabelPressFit");
            EXPECT_EQ(colour(&w, "LabelPressFit"), verdict == "Assemblage admissible"
                                                       ? QColor(0, 128, 0)
                                                   : verdict.startsWith("Pas de charge") ? kBlack
                                                                                         : kRed)
                << verdict.toStdString();
            EXPECT_EQ(w.shownNotices().value(0), verdict);
        }
    }
}

// The group follows the fit shown. A wrong entry is named in place, without a
// message box: the results stay, greyed as out of date, until the entries hold.
TEST_F(AjustementsTest, PressFitFollowsTheFitAndRefusesAWrongEntryInPlace) {
    Ajustements w;
    enter(&w, {"ø50", "H7/s6 (serré)", "TextDaMoyeu=100", "TextLongueur=40", "TextCouple=100"});
    EXPECT_EQ(text(&w, "TextPMax"), "87,9");
    auto grey = [&w] {
        return child<QLineEdit>(&w, "TextPMax")->palette().color(QPalette::Text) == Qt::gray;
    };
    auto computed = shownTexts(&w);
    const std::pair<const char*, const char*> refusals[] = {
        {"TextNuMoyeu=0,5",
         "νA : le coefficient de Poisson du moyeu doit être positif ou nul et inférieur à un "
         "demi"},
        {"TextNuMoyeu=x", "νA : une valeur numérique est attendue"},
        {"TextFrottement=1,2",
         "μ : le coefficient de frottement doit être supérieur à 0 et au plus égal à 1"},
        {"TextTamb=-300", "Tamb : la température ne peut être inférieure au zéro absolu"},
        {"TextTamb=", "Tamb : une valeur numérique est attendue"},
        {"TextKA=1e30", "KA : le facteur d'application ne peut dépasser 10"},
        {"TextRhoMoyeu=1e300", "ρA : la masse volumique du moyeu ne peut dépasser 30 000 kg/m3"},
        {"TextTempMoyeu=1e300", "ϑA : la température ne peut dépasser 1 000 °C"},
        {"TextVitesse=1e200", "n max : la vitesse ne peut dépasser 200 000 tr/min"},
        // Held at 20 °C, but no window can be computed.
        {"TextLongueur=1e-320", "Les données conduisent à des valeurs hors des limites du calcul"},
    };
    for (const auto& [entry, message] : refusals) {
        auto expected = computed;
        const QString name = QString(entry).section('=', 0, 0);
        expected[name] = QString(entry).section('=', 1);
        if (name == "TextNuMoyeu" || name == "TextRhoMoyeu")
            expected["ComboMoyeu"] = "Matériau saisi";
        expected["LabelPressFit"] = message;
        // The design belonged to the entries before: it goes.
        for (const char* design : {"TextUminRequis", "TextUmaxAdmis", "LabelAjustementsPossibles"})
            expected[design] = "";
        // Pasted at once, so that no part of it is computed on the way.
        auto* box = child<QLineEdit>(&w, name);
        EXPECT_EQ(catchMessages([&] { box->setText(QString(entry).section('=', 1)); }),
                  QStringList())
            << entry;
        EXPECT_EQ(shownTexts(&w), expected) << entry;
        EXPECT_TRUE(grey()) << entry;
        EXPECT_FALSE(w.resultsCurrent()) << entry;
        EXPECT_FALSE(child<QListWidget>(&w, "ListAjustementsPossibles")->isEnabled()) << entry;
        EXPECT_EQ(child<QListWidget>(&w, "ListAjustementsPossibles")->count(), 0) << entry;
        EXPECT_EQ(colour(&w, "LabelPressFit"), kRed);
        // Put right again: computed afresh, no longer grey.
        box->setText(computed[name]);
        computed["ComboMoyeu"] = expected["ComboMoyeu"];
        EXPECT_FALSE(grey()) << entry;
        EXPECT_TRUE(w.resultsCurrent()) << entry;
        EXPECT_TRUE(child<QListWidget>(&w, "ListAjustementsPossibles")->isEnabled()) << entry;
    }
    // A note asked while an entry is refused says why and is not written.
    enter(&w, {"TextFrottement=0"});
    EXPECT_EQ(catchMessages([&] { EXPECT_FALSE(w.bringResultsCurrent()); }),
              QStringList({"μ : le coefficient de frottement doit être supérieur à 0 et au plus "
                           "égal à 1"}));
    // A diameter change hides the fit: the group waits for the next one.
    enter(&w, {"TextFrottement=0,15", "ø40"});
    EXPECT_EQ(boxes(&w), QString(13, '|') +
                             "Aucun ajustement affiché : choisissez-en un (tuiles, ajustements "
                             "usuels ou possibles) pour calculer l'assemblage.");
}

// A file written before the group existed opens with it at its opening values,
// saying nothing.
TEST_F(AjustementsTest, PressFitGroupOfAnOlderFileOpensEmpty) {
    const QJsonObject older{{"Diametre", "25"},     {"ComboAjustementsUsuels", "H7/p6 (serré)"},
                            {"AlesageLettre", "H"}, {"AlesageQualite", "7"},
                            {"ArbreLettre", "p"},   {"ArbreQualite", "6"}};
    Ajustements w;
    ASSERT_EQ(w.checkKeptInputs(older), "");
    w.restoreKeptInputs(QString(), older);
    EXPECT_EQ(boxes(&w, "J_Max TextDaMoyeu TextFrottement ComboMoyeu LabelPressFit"),
              "-0,0010||0.15|Acier C45+N|");
}

namespace {

// Lines of a list as shown.
QStringList listLines(QWidget* w, const char* name = "ListAjustementsPossibles") {
    QStringList out;
    auto* list = child<QListWidget>(w, name);
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

const char* const kChoose =
    "Aucun ajustement affiché : choisissez-en un (tuiles, ajustements usuels ou possibles) pour "
    "calculer l'assemblage.";

// Decimal points between digits written with the locale's separator.
QString inLocale(QString text, const char* locale) {
    if (*locale == 'f') text.replace(QRegularExpression("(\\d)\\.(\\d)"), "\\1,\\2");
    return text;
}

void clickLine(QWidget* w, int row) {
    auto* list = child<QListWidget>(w, "ListAjustementsPossibles");
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

}  // namespace

// From the need and the service to the window of interferences and the fits of
// the catalogue inside it (or the nearest misses), as an independent evaluation
// of the notes' formulas over the public ISO 286 values gives them.
TEST_F(AjustementsTest, PressFitDesignWindowAndListInBothLocales) {
    struct Row {
        QStringList entries;
        const char* window;  // Umin requis|Umax admissible
        QStringList lines;
        const char* summary;
        const char* verdict = kChoose;
    };
    const char* const kOut = "Les données conduisent à des valeurs hors des limites du calcul";
    const Row rows[] = {
        {{"TextDaMoyeu=100", "TextLongueur=50", "TextCouple=600", "TextFax=5000", "TextKA=1,25",
          "TextVitesse=3000", "ø50"},
         "28.4|73.1",
         {"H7/t6 : U 29.0 à 70.0 µm ; SR 1.54 ; SP 1.25 (préféré ISO 286-1)",
          "H6/t5 : U 38.0 à 65.0 µm ; SR 2.08 ; SP 1.36"},
         "2 ajustements tiennent dans la fenêtre [28.4 ; 73.1] µm ; le premier de la liste est "
         "conseillé : H7/t6."},
        {{"TextDaMoyeu=140", "TextLongueur=60", "TextEMoyeu=215000", "TextReMoyeu=250",
          "TextRzMoyeu=12,5", "TextRzArbre=12,5", "TextFrottement=0,09", "TextCouple=800",
          "TextFax=2500", "TextKA=1,25", "TextSR=1,4", "TextSP=1", "TextVitesse=500", "ø70"},
         "39.6|104.6",
         {"H7/t6 : U 45.0 à 94.0 µm ; SR 1.65 ; SP 1.13 (préféré ISO 286-1)",
          "H6/t5 : U 56.0 à 88.0 µm ; SR 2.17 ; SP 1.21",
          "H6/s5 : U 40.0 à 72.0 µm ; SR 1.42 ; SP 1.53"},
         "3 ajustements tiennent dans la fenêtre [39.6 ; 104.6] µm ; le premier de la liste est "
         "conseillé : H7/t6."},
        {{"ComboMoyeu:Aluminium EN AW-6082 T6", "TextAlphaMoyeu=23", "TextDaMoyeu=80",
          "TextLongueur=40", "TextCouple=150", "TextTempMoyeu=100", "TextTempArbre=100", "ø40"},
         "60.6|118.2",
         {"H7/x6 : U 55.0 à 96.0 µm ; Umin trop faible de 5.6 µm (préféré ISO 286-1)",
          "H7/z6 : U 87.0 à 128.0 µm ; Umax trop fort de 9.8 µm",
          "H6/u5 : U 44.0 à 71.0 µm ; Umin trop faible de 16.6 µm",
          "H8/z7 : U 73.0 à 137.0 µm ; Umax trop fort de 18.8 µm",
          "H8/x7 : U 41.0 à 105.0 µm ; Umin trop faible de 19.6 µm"},
         "Aucun ajustement ISO ne tient dans la fenêtre [60.6 ; 118.2] µm ; les plus proches sont "
         "listés. Allonger l'assemblage, épaissir le moyeu ou prendre une qualité plus fine."},
        {{"TextDaMoyeu=60", "TextLongueur=30", "TextCouple=1500", "TextKA=1,5", "ø50"},
         "300.8|73.1",
         {"H6/u5 : U 54.0 à 81.0 µm ; Umin trop faible de 246.8 µm ; Umax trop fort de 7.9 µm",
          "H6/t5 : U 38.0 à 65.0 µm ; Umin trop faible de 262.8 µm",
          "H7/u6 : U 45.0 à 86.0 µm ; Umin trop faible de 255.8 µm ; Umax trop fort de 12.9 µm "
          "(préféré ISO 286-1)",
          "H7/x6 : U 72.0 à 113.0 µm ; Umin trop faible de 228.8 µm ; Umax trop fort de 39.9 µm "
          "(préféré ISO 286-1)",
          "H7/t6 : U 29.0 à 70.0 µm ; Umin trop faible de 271.8 µm (préféré ISO 286-1)"},
         "Aucun serrage ne convient : Umin requis (300.8 µm) dépasse Umax admissible (73.1 µm). "
         "Allonger l'assemblage, épaissir le moyeu ou prendre un matériau plus résistant."},
        {{"ComboMoyeu:Fonte EN-GJL-250 (Re = Rm/2)", "TextDaMoyeu=90", "TextDiArbre=20",
          "TextLongueur=60", "TextRzMoyeu=3", "TextRzArbre=3", "TextFrottement=0,12",
          "TextCouple=300", "TextFax=2000", "TextKA=1,2", "TextVitesse=6000", "TextTempMoyeu=70",
          "TextTempArbre=50", "ø40"},
         "37.9|45.7",
         {"H6/s5 : U 27.0 à 54.0 µm ; Umin trop faible de 10.9 µm ; Umax trop fort de 8.3 µm",
          "H6/t5 : U 32.0 à 59.0 µm ; Umin trop faible de 5.9 µm ; Umax trop fort de 13.3 µm",
          "H6/r5 : U 18.0 à 45.0 µm ; Umin trop faible de 19.9 µm",
          "H6/u5 : U 44.0 à 71.0 µm ; Umax trop fort de 25.3 µm",
          "H6/p5 : U 10.0 à 37.0 µm ; Umin trop faible de 27.9 µm (préféré ISO 286-1)"},
         "Aucun ajustement ISO ne tient dans la fenêtre [37.9 ; 45.7] µm ; les plus proches sont "
         "listés. Allonger l'assemblage, épaissir le moyeu ou prendre une qualité plus fine."},
        // No load, no design.
        {{"TextDaMoyeu=100", "TextLongueur=40", "ø50"},
         "|",
         {},
         "Couple ou effort axial à transmettre non saisi : pas de choix d'ajustement"},
        // Data the window cannot be computed from: a stop, and no design, with a
        // clearance fit shown or none.
        {{"TextDaMoyeu=100", "TextLongueur:=1e-320", "TextCouple=100", "ø50"}, "|", {}, "", kOut},
        {{"TextDaMoyeu=100", "TextLongueur:=1e-320", "TextCouple=100", "ø50", "H7/g6 (jeu)"},
         "|",
         {},
         "",
         kOut},
        {{"TextDaMoyeu=100", "TextLongueur=40", "TextCouple=100", "TextEMoyeu:=1e-320", "ø50"},
         "|",
         {},
         "",
         kOut},
        {{"TextDaMoyeu=100", "TextLongueur=40", "TextCouple=1000000", "TextKA:=1e306", "ø50"},
         "|",
         {},
         "",
         "KA : le facteur d'application ne peut dépasser 10"},
    };
    for (const char* locale : {"fr_FR", "en_US"}) {
        LocaleScope scope(locale);
        for (const Row& row : rows) {
            torvel::fits::resetFitsSelection();
            Ajustements w;
            EXPECT_EQ(catchMessages([&] { enter(&w, row.entries); }), QStringList());
            EXPECT_EQ(boxes(&w, "TextUminRequis TextUmaxAdmis"), inLocale(row.window, locale));
            QStringList lines;
            for (const QString& l : row.lines) lines << inLocale(l, locale);
            EXPECT_EQ(listLines(&w), lines) << row.window;
            EXPECT_EQ(text(&w, "LabelAjustementsPossibles"), inLocale(row.summary, locale));
            EXPECT_EQ(text(&w, "LabelPressFit"), row.verdict) << row.window;
            // No fit shown yet: the check waits for one.
            EXPECT_EQ(text(&w, "TextSecuriteGlissement"), "");
        }
    }
}

// A line of the list selects its fit exactly as its four tile clicks would:
// the notes' own example, H7/t6 with SR 1.54 at 3000 tr/min and the hub's 1.26.
TEST_F(AjustementsTest, APossibleFitIsChosenAsItsTilesWouldBe) {
    const QStringList need = {"TextDaMoyeu=100",
                              "TextLongueur=50",
                              "TextCouple=600",
                              "TextFax=5000",
                              "TextKA=1,25",
                              "TextVitesse=3000",
                              "ø50"};
    Ajustements w;
    enter(&w, need);
    EXPECT_EQ(catchMessages([&] { clickLine(&w, 0); }), QStringList());
    EXPECT_EQ(boxes(&w, "Aj_Ale Aj_Arb J_Max J_Min ComboAjustementsUsuels"),
              "H7|t6|-0,0290|-0,0700|");
    EXPECT_EQ(boxes(&w,
                    "TextFreq TextSecuriteGlissement TextSecuriteMoyeu "
                    "TextSecuriteMoyeuVitesse TextSecuriteArbre LabelPressFit"),
              "30 644|1,54|1,26|1,25|3,35|Assemblage admissible");
    EXPECT_EQ(colour(&w, "LabelPressFit"), QColor(0, 128, 0));
    EXPECT_EQ(child<QListWidget>(&w, "ListAjustementsPossibles")->currentRow(), 0);
    const auto chosen = shownTexts(&w);

    torvel::fits::resetFitsSelection();
    Ajustements tiles;
    enter(&tiles, need);
    play(&tiles, {"Al:H", "Al:7", "Ar:t", "Ar:6"});
    EXPECT_EQ(shownTexts(&tiles), chosen);
    EXPECT_EQ(child<QListWidget>(&tiles, "ListAjustementsPossibles")->currentRow(), 0);
}

// ø 40 H7/u6 in an aluminium hub (α 23) on a steel shaft (α 11): of the 31.8 µm
// left after smoothing, 0.48 µm go by kelvin, so the grip is lost past
// 20 + 31.8 / 0.48 = 86.25 °C.
TEST_F(AjustementsTest, SteelShaftInAnAluminiumHubLosesItsGripWhenHot) {
    Ajustements w;
    enter(&w, {"ComboMoyeu:Aluminium EN AW-6082 T6", "TextAlphaMoyeu=23", "TextDaMoyeu=80",
               "TextLongueur=40", "TextCouple=100", "ø40", "Al:H", "Al:7", "Ar:u", "Ar:6"});
    const std::pair<const char*, const char*> rows[] = {
        {"", "0,0|25,0|3,76|Assemblage admissible"},
        {"86", "-31,7|0,1|0,01|À 86 °C, le couple n'est pas transmis (sécurité 0,01)"},
        {"87", "-32,2|||À 87 °C le serrage minimal est perdu"},
        {"100", "-38,4|||À 100 °C le serrage minimal est perdu"},
    };
    for (const auto& [temperature, shown] : rows) {
        enter(&w, {QStringLiteral("TextTempMoyeu=") + temperature,
                   QStringLiteral("TextTempArbre=") + temperature});
        EXPECT_EQ(boxes(&w, "TextDeltaUTemp TextPMinService TextSecuriteGlissement LabelPressFit"),
                  shown);
    }
}

// A study saved before the need and the service existed opens with the results
// it had; its verdict now weighs them against SR 1.5 and SP 1.2.
TEST_F(AjustementsTest, AnOlderPressFitFileOpensWithItsResults) {
    const QJsonObject older{{"Diametre", "50"},
                            {"ComboAjustementsUsuels", "H7/s6 (serré)"},
                            {"AlesageLettre", "H"},
                            {"AlesageQualite", "7"},
                            {"ArbreLettre", "s"},
                            {"ArbreQualite", "6"},
                            {"ComboMoyeu", "Acier C45+N"},
                            {"ComboArbre", "Acier C45+N"},
                            {"TextDaMoyeu", "100"},
                            {"TextDiArbre", "0"},
                            {"TextLongueur", "40"},
                            {"TextEMoyeu", "210000"},
                            {"TextNuMoyeu", "0.3"},
                            {"TextReMoyeu", "305"},
                            {"TextEArbre", "210000"},
                            {"TextNuArbre", "0.3"},
                            {"TextReArbre", "305"},
                            {"TextAlphaMoyeu", "11"},
                            {"TextRzMoyeu", "4"},
                            {"TextRzArbre", "4"},
                            {"TextFrottement", "0.15"},
                            {"TextCouple", "500"},
                            {"TextTamb", "20"}};
    Ajustements w;
    ASSERT_EQ(w.checkKeptInputs(older), "");
    w.restoreKeptInputs(QString(), older);
    EXPECT_EQ(boxes(&w),
              "14,8|55,8|23,3|87,9|549,2|21 969|1,10|82 830|218|203,0|1,50|76,1|4,01|La sécurité "
              "au glissement (1,10) est inférieure à SR requise (1,50)");
    EXPECT_EQ(boxes(&w, "TextKA TextSR TextSP TextFax TextVitesse TextTempMoyeu ComboMoyeu"),
              "1|1.5|1.2||||Acier C45+N");
    // A material of the list gives the boxes the file did not have.
    QJsonObject bronze = older;
    bronze["ComboMoyeu"] = "Bronze CuSn11P-C", bronze["TextEMoyeu"] = "100000";
    bronze["TextNuMoyeu"] = "0.34", bronze["TextReMoyeu"] = "130", bronze["TextAlphaMoyeu"] = "18";
    bronze["ComboArbre"] = "Aluminium EN AW-6082 T6", bronze["TextEArbre"] = "70000";
    bronze["TextNuArbre"] = "0.33", bronze["TextReArbre"] = "250";
    ASSERT_EQ(w.checkKeptInputs(bronze), "");
    w.restoreKeptInputs(QString(), bronze);
    EXPECT_EQ(boxes(&w, "ComboMoyeu TextRhoMoyeu ComboArbre TextAlphaArbre TextRhoArbre"),
              "Bronze CuSn11P-C|8800|Aluminium EN AW-6082 T6|23.4|2700");
}
