// The per-study descriptions of the calculation notes against the windows they
// describe: every control they name exists, every value a window shows has a
// unit, and that unit is the one the window writes beside the value.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "StudyWindow.h"
#include "calc_note.h"
#include "fits_selection.h"
#include "studies.h"
#include "ui_helpers.h"

namespace {

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
        "mm²/s", "°", "%", "N·m", "10⁻⁶/K", "ppm", "kg/m3"};
    // clang-format on
    for (const auto& s : torvel::studyEntries()) {
        torvel::fits::resetFitsSelection();
        std::unique_ptr<torvel::StudyWindow> w(s.create());
        std::set<std::string> named;
        for (const auto& [name, unit] : s.note().units) {
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
    for (const auto& s : torvel::studyEntries()) {
        torvel::fits::resetFitsSelection();
        std::unique_ptr<torvel::StudyWindow> w(s.create());
        for (const QLabel* caption : w->frame()->findChildren<QLabel*>()) {
            const QWidget* box = caption->buddy();
            if (!box) continue;
            const auto shown = shownUnit(*caption, *box);
            if (!shown) continue;
            const std::string name = box->objectName().toStdString();
            EXPECT_EQ(folded(q(s.note().unitOf(name))), folded(*shown)) << s.type << ": " << name;
            ++compared;
        }
    }
    EXPECT_GE(compared, 60);  // the captions were read, not skipped
}
