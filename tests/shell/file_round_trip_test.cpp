// Every file TORVEL writes opens again as it was: for every study of the
// registry and a set of window states reached as a user reaches them (each
// list item, boxes typed or emptied, grid cells, tiles clicked, diameters out
// of range, optional groups used or not), saving and opening the file in a
// fresh window shows the same texts, list items, tiles, messages and
// out-of-date mark. Results that are out of date are not part of a study: the
// reopened window then shows the same inputs and the same mark.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "MDIForm1.h"
#include "StudyWindow.h"
#include "examples.h"
#include "fits_selection.h"
#include "studies.h"
#include "ui_helpers.h"

using namespace testing_ui;
using torvel::StudyWindow;

namespace {

// One user action: a text typed into a box or a list's line, an item chosen in
// a list, a tile clicked ("clic"), a grid cell typed ("MSFlexGrid1[r,c]",
// "GridStat1[r,c]"), or
// the note exported ("note"), which brings the results up to date first.
struct Step {
    QString name;
    QString value;
};

struct State {
    QString type;
    QString label;
    std::vector<Step> steps;
};

QString colourName(const QColor& c) { return c.name(); }

// What a user sees of the window, by control name. `resultsToo` false leaves
// out the texts and colours of every control that is not an input.
QMap<QString, QString> seen(const StudyWindow* w, bool resultsToo) {
    const QJsonObject kept = w->keptInputs();
    QMap<QString, QString> out;
    for (const QWidget* c : w->findChildren<QWidget*>()) {
        const QString name = c->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        if (qobject_cast<const QComboBox*>(c->parentWidget())) continue;
        const bool compared = resultsToo || kept.contains(name) || c == w->reference();
        QStringList parts{c->isVisibleTo(w) ? "visible" : "caché",
                          c->isEnabled() ? "actif" : "inactif"};
        if (const auto* combo = qobject_cast<const QComboBox*>(c)) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
            parts << combo->currentText() << items.join('/');
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(c)) {
            if (compared)
                parts << edit->text() << colourName(edit->palette().color(QPalette::Text));
        } else if (const auto* label = qobject_cast<const QLabel*>(c)) {
            if (compared) parts << label->text();
            if (compared && !label->text().isEmpty())
                parts << colourName(label->palette().color(QPalette::WindowText));
            if (label->autoFillBackground())  // the tiles: chosen or not
                parts << colourName(label->palette().color(QPalette::Window))
                      << (label->frameShape() == QFrame::NoFrame ? "plat" : "bordé");
        } else if (const auto* grid = qobject_cast<const QTableWidget*>(c)) {
            for (int r = 0; r < grid->rowCount(); ++r)
                for (int col = 0; col < grid->columnCount(); ++col)
                    if (const QTableWidgetItem* item = grid->item(r, col);
                        item && (resultsToo || (item->flags() & Qt::ItemIsEnabled)))
                        parts << item->text();
        } else if (compared && !c->accessibleDescription().isEmpty()) {
            parts << c->accessibleDescription();
        }
        out[name] = parts.join(" | ");
    }
    return out;
}

// The texts a user reads as values, by control name: visible labels and
// read-only boxes that are not empty nor white (a value hidden until the next
// run); those greyed as out of date are marked so.
QMap<QString, QString> valuesSeen(const StudyWindow* w) {
    QMap<QString, QString> out;
    for (const QWidget* c : w->findChildren<QWidget*>()) {
        const QString name = c->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !c->isVisibleTo(w)) continue;
        QString text;
        QColor colour;
        if (const auto* label = qobject_cast<const QLabel*>(c)) {
            text = label->text();
            colour = label->palette().color(QPalette::WindowText);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(c);
                   edit && edit->isReadOnly()) {
            text = edit->text();
            colour = edit->palette().color(QPalette::Text);
        }
        if (text.isEmpty() || colour == QColor(Qt::white)) continue;
        out[name] = (colour == QColor(Qt::gray) ? "grisé " : "") + text + " " + colour.name();
    }
    return out;
}

// Out of date, a window may show fewer values than the one that saved it, never
// others: a value shown as computed in either is shown alike in the other; a
// greyed one is either shown alike or not at all in the reopened window.
QStringList staleDifferences(const QMap<QString, QString>& saved,
                             const QMap<QString, QString>& opened) {
    QStringList out;
    QStringList names = saved.keys();
    for (const QString& n : opened.keys())
        if (!names.contains(n)) names << n;
    for (const QString& n : names) {
        const bool greyedOnly = saved.value(n).startsWith("grisé ") && !opened.contains(n);
        if (saved.value(n) != opened.value(n) && !greyedOnly)
            out << n + " : " + saved.value(n) + " ≠ " + opened.value(n);
    }
    return out;
}

// The controls whose look differs, with both looks.
QStringList differences(const QMap<QString, QString>& saved, const QMap<QString, QString>& opened) {
    QStringList out;
    QStringList names = saved.keys();
    for (const QString& n : opened.keys())
        if (!names.contains(n)) names << n;
    for (const QString& n : names)
        if (saved.value(n) != opened.value(n))
            out << n + " : " + saved.value(n) + " ≠ " + opened.value(n);
    return out;
}

QMap<QString, QString> asTexts(const QJsonObject& o) {
    QMap<QString, QString> out;
    for (auto it = o.begin(); it != o.end(); ++it)
        out[it.key()] = it.value().isString() ? it.value().toString() : QString("[tableau]");
    return out;
}

void apply(StudyWindow* w, const Step& step) {
    if (step.value == "note") return;  // done by the caller, through the main window
    if (const qsizetype open = step.name.indexOf('['); open > 0) {
        const QStringList rc = step.name.mid(open + 1).chopped(1).split(',');
        auto* grid = child<QTableWidget>(w, step.name.left(open));
        grid->item(rc[0].toInt(), rc[1].toInt())->setText(step.value);
        return;
    }
    QWidget* c = child<QWidget>(w, step.name);
    if (auto* combo = qobject_cast<QComboBox*>(c)) {
        const int index = combo->findText(step.value);
        if (index < 0) {  // typed into an editable list
            ASSERT_NE(combo->lineEdit(), nullptr) << step.name.toStdString();
            type(combo->lineEdit(), step.value);
            return;
        }
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
        type(edit, step.value);
    } else {
        QTest::mouseClick(c, Qt::LeftButton);
    }
}

std::vector<Step> exampleOf(const torvel::StudyEntry& entry) {
    std::vector<Step> steps;
    for (const auto& [name, text] : entry.example)
        steps.push_back({QString::fromLatin1(name), QString::fromUtf8(text)});
    return steps;
}

// The states every study goes through: as opened, its example, each item of
// each list, each box emptied or given a large value, every box emptied.
std::vector<State> statesOf(const torvel::StudyEntry& entry) {
    const QString type = QString::fromLatin1(entry.type);
    std::unique_ptr<StudyWindow> w(entry.create());
    tools::fillExample(w.get(), entry);
    const std::vector<Step> example = exampleOf(entry);
    std::vector<State> states{{type, "ouverture", {}}, {type, "exemple", example}};
    std::vector<Step> allEmpty;
    const QJsonObject kept = w->keptInputs();
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        const QString name = it.key();
        auto with = [&](const QString& label, const Step& step) {
            std::vector<Step> steps = example;
            steps.push_back(step);
            states.push_back({type, name + " " + label, steps});
        };
        if (auto* combo = w->findChild<QComboBox*>(name)) {
            for (int i = 0; i < combo->count(); ++i)
                with(QString::number(i), {name, combo->itemText(i)});
            if (combo->isEditable()) with("saisie", {name, "Ma série 2"});
        } else if (auto* edit = w->findChild<QLineEdit*>(name); edit && !edit->isReadOnly()) {
            with("vide", {name, ""});
            with("600", {name, "600"});
            allEmpty.push_back({name, ""});
        } else if (name == "MSFlexGrid1") {
            with("virgule", {"MSFlexGrid1[2,1]", "1800,5"});
            with("vide", {"MSFlexGrid1[1,2]", ""});
        }
    }
    states.push_back({type, "tout vide", allEmpty});
    return states;
}

// Tiles are clicked as a user clicks them: a diameter typed after a click hides
// the values until the next click, out of range or not.
const State kFitsStates[] = {
    {"Ajustements",
     "tuiles",
     {{"Diametre", "50"}, {"Lbl_TB_Cl_Al_7", ""}, {"Lbl_TB_Cl_Ar_13", ""}}},
    {"Ajustements",
     "H6/p5 puis 600",
     {{"Diametre", "50"},
      {"Lbl_TB_Cl_Al_7", ""},
      {"Lbl_TB_Ql_Al_0", ""},
      {"Lbl_TB_Cl_Ar_13", ""},
      {"Lbl_TB_Ql_Ar_0", ""},
      {"Diametre", "600"}}},
    {"Ajustements",
     "H6/p5 puis vide",
     {{"Lbl_TB_Cl_Al_7", ""}, {"Lbl_TB_Cl_Ar_13", ""}, {"Diametre", ""}}},
    {"Ajustements", "H7/f7 puis 40", {{"Lbl_TB_Cl_Ar_5", ""}, {"Diametre", "40"}}},
    {"Ajustements",
     "clic à 600, l'autre côté masqué",
     {{"Lbl_TB_Cl_Al_7", ""}, {"Lbl_TB_Cl_Ar_6", ""}, {"Diametre", "600"}, {"Lbl_TB_Cl_Al_7", ""}}},
    {"Ajustements",
     "T6 à 30 puis 10",
     {{"Diametre", "30"}, {"Lbl_TB_Cl_Al_16", ""}, {"Lbl_TB_Cl_Ar_6", ""}, {"Diametre", "10"}}},
    {"Ajustements",
     "T6 à 10 dans la note",
     {{"Diametre", "30"},
      {"Lbl_TB_Cl_Al_16", ""},
      {"Lbl_TB_Cl_Ar_6", ""},
      {"Diametre", "10"},
      {"", "note"}}},
    // A letter whose band has no grade at the diameter the click brings (T / t
    // up to 24 mm) is no tile to click: the grade is never kept for it.
    {"Ajustements",
     "H18 puis vide, T",
     {{"Diametre", "50"},
      {"Lbl_TB_Cl_Al_7", ""},
      {"Lbl_TB_Ql_Al_12", ""},
      {"Diametre", ""},
      {"Lbl_TB_Cl_Al_16", ""}}},
    {"Ajustements",
     "H18 puis 1, T",
     {{"Diametre", "50"},
      {"Lbl_TB_Cl_Al_7", ""},
      {"Lbl_TB_Ql_Al_12", ""},
      {"Diametre", "1"},
      {"Lbl_TB_Cl_Al_16", ""}}},
    {"Ajustements",
     "h13 puis 0,5, t",
     {{"Diametre", "50"},
      {"Lbl_TB_Cl_Ar_7", ""},
      {"Lbl_TB_Ql_Ar_8", ""},
      {"Diametre", "0,5"},
      {"Lbl_TB_Cl_Ar_16", ""}}},
    {"Ajustements", "vide, T", {{"Diametre", ""}, {"Lbl_TB_Cl_Al_16", ""}}},
    // Both sides hidden at a diameter in range: nothing computed from them shows.
    {"Ajustements",
     "H7/g6 à 50 puis 60",
     {{"Diametre", "50"},
      {"Lbl_TB_Cl_Al_7", ""},
      {"Lbl_TB_Ql_Al_1", ""},
      {"Lbl_TB_Cl_Ar_6", ""},
      {"Lbl_TB_Ql_Ar_1", ""},
      {"Diametre", "60"}}},
    // Back to "2", the text a fresh window opens with: the sides stay hidden.
    {"Ajustements",
     "H7/g6 à 50 puis 2",
     {{"Diametre", "50"}, {"Lbl_TB_Cl_Al_7", ""}, {"Lbl_TB_Cl_Ar_6", ""}, {"Diametre", "2"}}},
    {"Ajustements", "ouverture, 50 puis 2", {{"Diametre", "50"}, {"Diametre", "2"}}},
    {"Ajustements",
     "H seul à 50 puis 2",
     {{"Diametre", "50"}, {"Lbl_TB_Cl_Al_7", ""}, {"Diametre", "2"}}},
    {"Ajustements", "P seul à 50", {{"Diametre", "50"}, {"Lbl_TB_Cl_Al_13", ""}}},
    // One side clicked after the diameter, the hidden one without a class there.
    {"Ajustements",
     "T6 à 30, 10, clic h",
     {{"Diametre", "30"},
      {"Lbl_TB_Cl_Al_16", ""},
      {"Lbl_TB_Cl_Ar_6", ""},
      {"Diametre", "10"},
      {"Lbl_TB_Cl_Ar_7", ""}}},
    {"Ajustements",
     "usuel puis 600, frettage",
     {{"Diametre", "25"},
      {"ComboAjustementsUsuels", "H7/p6 (serré)"},
      {"TextDaMoyeu", "60"},
      {"TextLongueur", "30"},
      {"Diametre", "600"}}},
};

// The chains' tolerancing: a class the nominal cannot take, laws without
// spread, a simulation in flight (it runs again once the file is open).
const State kChainStates[] = {
    {"ChainesDeCotes", "h7 à 600", {{"TextJe1A", "600"}, {"GridStat1[1,1]", "h7"}}},
    {"ChainesDeCotes",
     "h7 à 25, Cp",
     {{"TextJe1A", "25"}, {"GridStat1[1,1]", "h7"}, {"GridStat1[1,3]", "1.33"}}},
    {"ChainesDeCotes",
     "uniforme sans dispersion",
     {{"TextJe1A", "25"},
      {"TextJi1A", "24.9"},
      {"GridStat1[1,2]", "Uniforme"},
      {"TextJminRequis1", "0.05"},
      {"TextJmaxRequis1", "0.2"}}},
    {"ChainesDeCotes",
     "uniforme, simulation",
     {{"TextJe1A", "50"},
      {"TextJe1MaxA", "0.1"},
      {"TextJi1A", "49.8"},
      {"TextJi1minA", "-0.05"},
      {"GridStat1[1,2]", "Uniforme"},
      {"TextJminRequis1", "0.22"},
      {"TextTirages1", "20000"}}},
};

class FileRoundTrip : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(FileRoundTrip, EveryStateOfEveryStudyOpensAgainAsSaved) {
    const LocaleScope locale(GetParam());
    QTemporaryDir dir;
    std::vector<State> states(std::begin(kFitsStates), std::end(kFitsStates));
    states.insert(states.end(), std::begin(kChainStates), std::end(kChainStates));
    for (const auto& entry : torvel::studyEntries()) {
        torvel::fits::resetFitsSelection();
        const auto own = statesOf(entry);
        states.insert(states.end(), own.begin(), own.end());
    }
    MDIForm1 m;
    showActive(&m);
    const QString file = dir.filePath("etude.torvel");
    const QString note = dir.filePath("note.pdf");
    for (const State& state : states) {
        SCOPED_TRACE((state.type + " / " + state.label).toStdString());
        catchMessages([&] { m.closeAll(); });
        ASSERT_EQ(m.mdiArea()->subWindowList().size(), 0);
        torvel::fits::resetFitsSelection();
        StudyWindow* w = m.openStudy(state.type);
        ASSERT_NE(w, nullptr);
        bool viaNote = false;
        catchMessages([&] {
            for (const Step& step : state.steps) apply(w, step);
        });
        QStringList said;
        if (!state.steps.empty() && state.steps.back().value == "note") {
            viaNote = true;
            said = catchMessages([&] { ASSERT_TRUE(m.exportActiveNote(note)); });
        } else {
            // A run that corrects its inputs is run again, as a user would, until
            // the window shows what its inputs compute.
            for (int run = 0; run < 3; ++run) {
                const QJsonObject typed = w->keptInputs();
                said = catchMessages([&] { w->calculateAsButton(); });
                if (w->keptInputs() == typed) break;
            }
        }
        const bool current = w->resultsCurrent();
        const auto before = seen(w, current);
        const auto valuesBefore = valuesSeen(w);
        const QStringList notices = w->shownMessages();
        const QJsonObject inputs = w->keptInputs();
        ASSERT_TRUE(m.saveActiveStudyAs(file));
        catchMessages([&] { m.closeAll(); });
        ASSERT_EQ(m.mdiArea()->subWindowList().size(), 0);

        bool opened = false;
        const QStringList reopening =
            catchMessages([&] { opened = m.openStudyFile(viaNote ? note : file); });
        ASSERT_TRUE(opened) << reopening.join(" / ").toStdString();
        StudyWindow* again = m.study(state.type);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(reopening, said);
        EXPECT_EQ(differences(asTexts(inputs), asTexts(again->keptInputs())), QStringList());
        EXPECT_EQ(again->keptInputs(), inputs);
        EXPECT_EQ(again->resultsCurrent(), current);
        EXPECT_EQ(again->shownMessages(), notices);
        EXPECT_EQ(differences(before, seen(again, current)), QStringList());
        if (!current) {
            EXPECT_EQ(staleDifferences(valuesBefore, valuesSeen(again)), QStringList());
        }
        if (!viaNote) {
            EXPECT_FALSE(m.isModified(again));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, FileRoundTrip, ::testing::Values("fr_FR", "en_US"));
