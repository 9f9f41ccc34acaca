// The per-study descriptions of the calculation notes against the windows they
// describe: every control they name exists, every value a window shows has a
// unit, that unit is the one the window writes beside the value, and each
// method names what it follows.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Ajustements.h"
#include "CasVariables.h"
#include "ChainesDeCotes.h"
#include "ContactOblique.h"
#include "RessortCompression.h"
#include "Roulement.h"
#include "Section.h"
#include "bearing_notes.h"
#include "chain_note.h"
#include "fits_note.h"
#include "fits_selection.h"
#include "section_note.h"
#include "spring_note.h"
#include "ui_helpers.h"

namespace {

struct Study {
    const char* type;
    std::function<torvel::StudyWindow*()> create;
    const torvel::NoteDescription& note;
    std::vector<const char*> cites;  // what its method must name
};

const std::vector<Study>& studies() {
    static const std::vector<Study> all = {
        {"Roulement",
         [] { return new Roulement; },
         torvel::bearings::roulementNote(),
         {"ISO 281:1990", "ISO 76:2006", "ISO 281:2007"}},
        {"ContactOblique",
         [] { return new ContactOblique; },
         torvel::bearings::contactObliqueNote(),
         {"ISO 281:2007", "0,5·Fr/Y"}},
        {"CasVariables",
         [] { return new CasVariables; },
         torvel::bearings::casVariablesNote(),
         {"ISO 281:1990"}},
        {"Ajustements",
         [] {
             torvel::fits::resetFitsSelection();
             return new Ajustements;
         },
         torvel::fits::ajustementsNote(),
         {"ISO 286-1:2010", "ISO 286-2:2010"}},
        {"ChainesDeCotes",
         [] { return new ChainesDeCotes; },
         torvel::chainesDeCotesNote(),
         {"NF E 04-008:2013", "quadratique"}},
        {"Section",
         [] { return new Section; },
         torvel::sections::sectionNote(),
         {"Huygens-Steiner", "Axes principaux"}},
        {"RessortCompression",
         [] { return new RessortCompression; },
         torvel::springs::ressortCompressionNote(),
         {"EN 13906-1:2013", "R = G·d⁴/(8·Dm³·n)"}},
    };
    return all;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

bool inReferenceGroup(const QWidget* c) {
    const auto* group = qobject_cast<const QGroupBox*>(c->parentWidget());
    return group && group->title() == QStringLiteral("Référence");
}

// The controls whose values a note shows: every named box or list a user can
// reach in Frame1, and every control a caption labels; the references aside.
QList<QWidget*> valueControls(const torvel::StudyWindow& w) {
    QList<QWidget*> out;
    auto add = [&out](QWidget* c) {
        if (c && !c->objectName().isEmpty() && !inReferenceGroup(c) && !out.contains(c)) out << c;
    };
    for (QWidget* c : w.frame()->findChildren<QWidget*>())
        if ((qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c)) &&
            c->focusPolicy() != Qt::NoFocus)
            add(c);
    for (QLabel* label : w.frame()->findChildren<QLabel*>()) add(label->buddy());
    return out;
}

// The unit a window writes beside a value: in brackets closing its box's
// tooltip ("r ( y ) =" names an axis, its tooltip the unit), else in brackets in
// its caption. Brackets of more than three words or citing a standard
// ("ISO 281:2007", "ASTM D341") say something else.
std::optional<QString> shownUnit(const QLabel& caption, const QWidget& box) {
    static const QRegularExpression closingTip(QStringLiteral(R"(\(([^()]*)\)\s*$)"));
    static const QRegularExpression inCaption(QStringLiteral(R"(\(([^()]*)\))"));
    static const QRegularExpression citation(QStringLiteral(R"(\d{3})"));
    auto unit = [](const QRegularExpressionMatch& m) {
        return m.hasMatch() && !m.captured(1).contains(citation) &&
               m.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts).size() <= 3;
    };
    if (const auto m = closingTip.match(box.toolTip());
        qobject_cast<const QLineEdit*>(&box) && unit(m))
        return m.captured(1);
    if (const auto m = inCaption.match(caption.text()); unit(m)) return m.captured(1);
    return std::nullopt;
}

// One spelling of a unit: "( mm 4 )" as "mm⁴", "Tr/min" as "tr/min".
QString folded(QString unit) {
    unit = unit.toLower().remove(QLatin1Char(' '));
    const std::pair<const char*, const char*> kSpellings[] = {
        {"^-6", "⁻⁶"}, {"mm2", "mm²"}, {"mm3", "mm³"}, {"mm4", "mm⁴"}, {"heures", "h"}};
    for (const auto& [from, to] : kSpellings)
        unit.replace(QString::fromUtf8(from), QString::fromUtf8(to));
    return unit;
}

}  // namespace

TEST(NoteDescriptions, GiveEveryValueOfTheirWindowAKnownUnit) {
    // clang-format off
    const std::set<std::string> known = {
        "", "N", "daN", "mm", "mm²", "mm³", "mm⁴", "µm", "tr/min", "h", "s", "millions de tours",
        "N/mm", "daN/mm", "N/mm²", "daN/mm²", "MPa", "kg", "g", "10⁻⁶ kg/mm³", "Hz", "°C",
        "mm²/s", "°", "%"};
    // clang-format on
    for (const Study& s : studies()) {
        std::unique_ptr<torvel::StudyWindow> w(s.create());
        std::set<std::string> named;
        for (const auto& [name, unit] : s.note.units) {
            EXPECT_TRUE(named.insert(name).second) << s.type << " lists twice " << name;
            EXPECT_NE(w->findChild<QWidget*>(q(name)), nullptr) << s.type << " has no " << name;
            EXPECT_TRUE(known.count(unit)) << s.type << ": " << name << " in " << unit;
        }
        for (const QWidget* c : valueControls(*w))
            EXPECT_TRUE(named.count(c->objectName().toStdString()))
                << s.type << ": no unit for " << c->objectName().toStdString();
    }
}

TEST(NoteDescriptions, AgreeWithTheUnitsTheirWindowShows) {
    int compared = 0;
    for (const Study& s : studies()) {
        std::unique_ptr<torvel::StudyWindow> w(s.create());
        for (const QLabel* caption : w->frame()->findChildren<QLabel*>()) {
            const QWidget* box = caption->buddy();
            if (!box) continue;
            const auto shown = shownUnit(*caption, *box);
            if (!shown) continue;
            const std::string name = box->objectName().toStdString();
            EXPECT_EQ(folded(q(s.note.unitOf(name))), folded(*shown)) << s.type << ": " << name;
            ++compared;
        }
    }
    EXPECT_GE(compared, 60);  // the captions were read, not skipped
}

TEST(NoteDescriptions, NameWhatTheirMethodFollows) {
    for (const Study& s : studies()) {
        EXPECT_GE(s.note.method.size(), 2u) << s.type;
        std::string method;
        for (const std::string& line : s.note.method) {
            EXPECT_FALSE(line.empty()) << s.type;
            method += line + "\n";
        }
        for (const char* cite : s.cites)
            EXPECT_NE(method.find(cite), std::string::npos) << s.type << " does not name " << cite;
    }
}
