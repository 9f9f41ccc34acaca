#include "Roulement.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "twips.h"
#include "ui_text.h"

using namespace torvel::bearings;
using torvel::fromStd;
using torvel::toStd;

namespace {

// A list's items, from the engine's tables so that both compare the same texts.
QStringList toList(const std::vector<std::string_view>& items) {
    QStringList list;
    for (std::string_view item : items)
        list << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
    return list;
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Shows `text` in an editable list: the matching item when there is one, the
// bare text otherwise.
void setComboText(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        combo->setEditText(text);
}

void fill(QComboBox* combo, const QStringList& items, const QString& text) {
    combo->clear();
    combo->addItems(items);
    setComboText(combo, text);
}

void setBoxColour(QLineEdit* box, const QColor& colour) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, colour);
    box->setPalette(pal);
}

// The system colours the boxes take: computed factors on the menu background,
// results on the button face, typed values on the window background.
QColor menuColour() { return QApplication::palette("QMenu").color(QPalette::Window); }
QColor faceColour() { return QApplication::palette().color(QPalette::Button); }
QColor windowColour() { return QApplication::palette().color(QPalette::Base); }

const QString kOperatingDefault =
    QStringLiteral("Conditions normales, mouvements doux et précis ( x 1 )");

}  // namespace

// clang-format off
Roulement::Roulement(QWidget* parent) : StudyWindow({.typeName = QStringLiteral("Roulement"),
        .caption = QStringLiteral("Elément Roulant"), .captionPrefix = QStringLiteral("Elément Roulant - Etude "),
        .clientWidth = 11100, .clientHeight = 9100, .frameWidth = 10500, .frameHeight = 12050,
        .frameCaption = QStringLiteral("Durée de Vie")}, parent) {
    // clang-format on
    QWidget* f = frame();
    const QString roulement = qs(kRoulement);

    QGroupBox* type = addGroup(f, QStringLiteral("Frame2"),
                               QStringLiteral("Type d'élément roulant"), 150, 300, 6000, 1250);
    QComboBox* element = addCombo(type, QStringLiteral("ComboElement"), 150, 330, 2200);
    addCombo(type, QStringLiteral("ComboType"), 2500, 330, 3350);
    addCombo(type, QStringLiteral("ComboRangées"), 2500, 780, 3350);

    QGroupBox* angle = addGroup(f, QStringLiteral("Frame3"), QStringLiteral("Angle de Contact"),
                                6300, 300, 4050, 1250);
    addCombo(angle, QStringLiteral("ComboAngle"), 150, 330, 3000);

    QGroupBox* applied = addGroup(f, QStringLiteral("Frame4"), QStringLiteral("Charges Appliquées"),
                                  150, 1700, 5000, 1250);
    QGroupBox* ratings = addGroup(f, QStringLiteral("Frame5"), QStringLiteral("Charges de Base"),
                                  5350, 1700, 5000, 1250);
    // The four loads are the only boxes that filter keystrokes.
    const struct {
        QGroupBox* group;
        const char *name, *label, *tip;
        int top;
    } loads[] = {
        {applied, "TextFr", "Fr (N) =", "ChargeRadiale (N)", 330},
        {applied, "TextFa", "Fa (N) =", "Charge Axiale (N)", 780},
        {ratings, "TextCo", "Co (N) =", "Charge Statique de Base (N)", 330},
        {ratings, "TextC", "C (N) =", "Charge Dynamique de Base (N)", 780},
    };
    for (const auto& load : loads)
        attachNumericFilter(addField(load.group, QString::fromLatin1(load.name),
                                     QString::fromUtf8(load.label), QString::fromUtf8(load.tip),
                                     150, load.top, 1400, 2000));

    QGroupBox* speed =
        addGroup(f, QStringLiteral("Frame6"), QStringLiteral("Vitesse"), 150, 3100, 3500, 800);
    addField(speed, QStringLiteral("TextN"), QStringLiteral("V (Tr/min) ="),
             QStringLiteral("Vitesse (Tr/min)"), 150, 330, 1400, 1700);

    QGroupBox* operating = addGroup(f, QStringLiteral("Frame7"),
                                    QStringLiteral("Fonctionnement ( Coefficient Statique : So )"),
                                    3800, 3100, 6550, 800);
    addCombo(operating, QStringLiteral("ComboFonctionnement"), 150, 330, 6250);

    QGroupBox* reliability =
        addGroup(f, QStringLiteral("Frame8"), QStringLiteral("Fiabilité"), 150, 4050, 3500, 800);
    QLabel* a1 = addLabel(reliability, QStringLiteral("LabelA1"), QStringLiteral("a1 ="), 150, 360,
                          600, 255);
    a1->setToolTip(QStringLiteral("Coefficient de fiabilité"));
    a1->setBuddy(addCombo(reliability, QStringLiteral("ComboFiabilité"), 800, 330, 1300));

    QGroupBox* factors = addGroup(f, QStringLiteral("Frame9"), QStringLiteral("Coefficients"), 3800,
                                  4050, 6550, 2150);
    QLabel* mode = addLabel(factors, QStringLiteral("LabelCalcul"),
                            QStringLiteral("Mode de Calcul :"), 150, 360, 1700, 255);
    QComboBox* calcul = addCombo(factors, QStringLiteral("ComboCalcul"), 1900, 330, 2000);
    mode->setBuddy(calcul);
    struct Factor {
        const char* name;
        const char* label;
        int left, top;
    };
    const Factor kFactors[] = {
        {"TextFaFr", "Fa/Fr =", 150, 780}, {"Texte", "e =", 3300, 780},
        {"TextX", "X =", 150, 1200},       {"TextY", "Y =", 3300, 1200},
        {"TextXo", "Xo =", 150, 1620},     {"TextYo", "Yo =", 3300, 1620},
    };
    for (const Factor& k : kFactors)
        setBoxColour(addField(factors, QString::fromLatin1(k.name), QString::fromLatin1(k.label),
                              QString(), k.left, k.top, 750, 1400),
                     menuColour());

    QGroupBox* equivalent = addGroup(f, QStringLiteral("Frame10"),
                                     QStringLiteral("Charges Equivalentes"), 150, 6350, 5000, 1250);
    QGroupBox* life = addGroup(f, QStringLiteral("Frame11"), QStringLiteral("Durée de Vie"), 5350,
                               6350, 5000, 1250);
    const QList<QLineEdit*> results = {
        addField(equivalent, QStringLiteral("TextP"), QStringLiteral("P (N) ="),
                 QStringLiteral("Charge Dynamique Equivalente (N)"), 150, 330, 1400, 2000),
        addField(equivalent, QStringLiteral("TextPo"), QStringLiteral("Po.So (N) ="),
                 QStringLiteral("Charge Statique Equivalente Pondérée (N)"), 150, 780, 1400, 2000),
        addField(life, QStringLiteral("TextL10"), QStringLiteral("L ="),
                 QStringLiteral("Durée de vie (millions de tours)"), 150, 330, 1400, 2000),
        addField(life, QStringLiteral("TextL10H"), QStringLiteral("L h ="),
                 QStringLiteral("Durée de vie (Heures)"), 150, 780, 1400, 2000),
    };
    for (QLineEdit* box : results) setBoxColour(box, faceColour());

    QGroupBox* ref =
        addGroup(f, QStringLiteral("Frame12"), QStringLiteral("Référence"), 150, 7750, 5000, 720);
    addReference(ref, 150, 300, 4700, 315);
    addCalculer(f, 5900, 7900, 1800, 500);
    addImprimer(f, 8100, 7900, 1800, 500);
    addModifiedLifeGroup(f);

    // Texts first, then the lists, as at opening.
    fill(element, toList(elementItems()), roulement);
    fill(findChild<QComboBox*>(QStringLiteral("ComboType")), toList(typeItems(kRoulement)),
         qs(kABilles));
    fill(findChild<QComboBox*>(QStringLiteral("ComboAngle")), toList(angleItems(kRoulement)),
         qs(kAngleRadial));
    fill(findChild<QComboBox*>(QStringLiteral("ComboRangées")), toList(rowItems(kRoulement)),
         qs(kUneRangee));
    fill(findChild<QComboBox*>(QStringLiteral("ComboFonctionnement")), toList(operatingItems()),
         kOperatingDefault);
    fill(findChild<QComboBox*>(QStringLiteral("ComboFiabilité")), toList(reliabilityItems()),
         QStringLiteral("90%"));
    fill(calcul, toList(modeItems()), qs(kAutomatique));

    connect(element, &QComboBox::activated, this, [this] { ComboElement_Click(); });
    connect(calcul, &QComboBox::activated, this, [this] { ComboCalcul_Click(); });
    setTextReport({[this] {
                       return bearingReportLines(reportFields(), toStd(torvel::shortDate()),
                                                 torvel::engineDecimalSeparator());
                   },
                   QString::fromUtf8(kMsgPrintFailed), QString::fromUtf8(kMsgReportSpeed)});
    declareInputs({"TextFr", "TextFa", "TextCo", "TextC", "TextN", "ComboElement", "ComboType",
                   "ComboAngle", "ComboRangées", "ComboFonctionnement", "ComboFiabilité",
                   "ComboCalcul", "Textd", "TextDext", "TextCu", "TextNu40", "TextNu100", "TextT",
                   "ComboPollution"});
    // The factors are entries in "Manuel" only; in "Automatique" the run computes them.
    declareInputs({"Texte", "TextX", "TextY", "TextXo", "TextYo"},
                  [this] { return fieldText(QStringLiteral("ComboCalcul")) == qs(kManuel); });
}

// The modified rating life of ISO 281:2007, below the basic life's groups.
void Roulement::addModifiedLifeGroup(QWidget* f) {
    QGroupBox* group =
        addGroup(f, QStringLiteral("FrameDureeCorrigee"),
                 QStringLiteral("Durée de Vie Corrigée (ISO 281:2007)"), 150, 8600, 10200, 3300);
    struct Box {
        const char *name, *label, *tip;
        int column, row;
    };
    const Box kEntries[] = {
        {"Textd", "d (mm) =", "Diamètre d'alésage (mm)", 0, 0},
        {"TextDext", "D (mm) =", "Diamètre extérieur (mm)", 1, 0},
        {"TextCu", "Cu (N) =", "Charge limite de fatigue (N), donnée du fabricant", 2, 0},
        {"TextNu40",
         "ν40 (mm²/s) =", "Viscosité de l'huile à 40 °C (huile de base pour une graisse)", 0, 1},
        {"TextNu100", "ν100 (mm²/s) =", "Viscosité de l'huile à 100 °C", 1, 1},
        {"TextT", "T (°C) =", "Température de fonctionnement", 2, 1},
    };
    const Box kResults[] = {
        {"Textdm", "dm (mm) =", "Diamètre moyen (d + D) / 2 (mm)", 0, 3},
        {"TextNu", "ν (mm²/s) =", "Viscosité à la température de fonctionnement (ASTM D341)", 1, 3},
        {"TextNu1", "ν1 (mm²/s) =", "Viscosité de référence (mm²/s)", 2, 3},
        {"TextKappa", "κ =", "Rapport de viscosité ν / ν1", 0, 4},
        {"TexteC", "eC =",
         "Coefficient de contamination (ISO 281:2007, tableau 13) : valeur basse de la plage du "
         "niveau de propreté, la plus prudente",
         1, 4},
        {"Texta1ISO", "a1 =", "Coefficient de fiabilité (ISO 281:2007)", 2, 4},
        {"TextaISO", "aISO =", "Coefficient de modification de la durée (ISO 281:2007)", 0, 5},
        {"TextLnm", "Lnm =", "Durée de vie corrigée (millions de tours)", 1, 5},
        {"TextLnmh", "Lnm h =", "Durée de vie corrigée (Heures)", 2, 5},
    };
    auto add = [&](const Box& b, LabelledBox::Role role, const QString& text) {
        const int left = 150 + 3350 * b.column;
        return addLabelledBox(group, {.name = QString::fromLatin1(b.name),
                                      .caption = QString::fromUtf8(b.label),
                                      .labelLeft = left,
                                      .labelWidth = 1500,
                                      .boxLeft = left + 1550,
                                      .boxWidth = 1500,
                                      .top = 330 + 420 * b.row,
                                      .tip = QString::fromUtf8(b.tip),
                                      .tipOn = LabelledBox::Tip::Both,
                                      .role = role,
                                      .text = text});
    };
    for (const Box& b : kEntries)
        add(b, LabelledBox::Role::Entry,
            QLatin1String(b.name) == "TextT" ? QStringLiteral("70") : QStringLiteral("0"));
    for (const Box& b : kResults) setBoxColour(add(b, LabelledBox::Role::Result, {}), faceColour());

    // A level outside the list has no eC: the list offers only its items.
    addCaptionedList(group, {.name = QStringLiteral("ComboPollution"),
                             .caption = QStringLiteral("Propreté :"),
                             .labelLeft = 150,
                             .labelWidth = 1500,
                             .boxLeft = 1700,
                             .boxWidth = 3000,
                             .top = 1170,
                             .items = toList(cleanlinessItems())})
        ->setCurrentText(qs(kCleanlinessDefault));

    // Its notes (κ or aISO limited, ν outside the Walther range) are messages of the note,
    // and a group left empty is left out of it.
    declareMessageLabels(
        {addLabel(group, QStringLiteral("LabelDureeCorrigee"), QString(), 150, 2880, 9900, 255)});
    declareOptionalGroup(group,
                         [this] { return modifiedLifeInUse(modifiedLifeEntries(readFields())); });
}

QComboBox* Roulement::addCombo(QWidget* parent, const QString& name, int left, int top, int width) {
    // A typed text stays a text: it never joins the list.
    return addCaptionedList(
        parent, {.name = name, .boxLeft = left, .boxWidth = width, .top = top, .editable = true});
}

QLineEdit* Roulement::addField(QWidget* parent, const QString& name, const QString& label,
                               const QString& tip, int left, int top, int labelWidth,
                               int boxWidth) {
    return addLabelledBox(parent, {.name = name,
                                   .caption = label,
                                   .labelLeft = left,
                                   .labelWidth = labelWidth,
                                   .boxLeft = left + labelWidth + 50,
                                   .boxWidth = boxWidth,
                                   .top = top,
                                   .tip = tip});
}

QList<QLineEdit*> Roulement::factorBoxes() const {
    QList<QLineEdit*> boxes;
    for (const char* name : {"Texte", "TextX", "TextY", "TextXo", "TextYo"})
        boxes << findChild<QLineEdit*>(QString::fromLatin1(name));
    return boxes;
}

BearingEntries Roulement::entries() const { return bearingEntries(readFields()); }

BearingReportFields Roulement::reportFields() const {
    torvel::Fields fields = readFields();
    // readFields() takes boxes and lists; the report also prints the group's note.
    fields.set("LabelDureeCorrigee", toStd(fieldText(QStringLiteral("LabelDureeCorrigee"))));
    return bearingReportFields(fields);
}

void Roulement::ComboElement_Click() {
    const QString element = fieldText(QStringLiteral("ComboElement"));
    if (element != qs(kRoulement) && element != qs(kButee)) return;
    const bool thrust = element == qs(kButee);
    const std::string_view kind = thrust ? kButee : kRoulement;
    fill(findChild<QComboBox*>(QStringLiteral("ComboType")), toList(typeItems(kind)), qs(kABilles));
    fill(findChild<QComboBox*>(QStringLiteral("ComboAngle")), toList(angleItems(kind)),
         qs(thrust ? kAngleAxial : kAngleRadial));
    fill(findChild<QComboBox*>(QStringLiteral("ComboRangées")), toList(rowItems(kind)),
         qs(thrust ? kSimpleEffet : kUneRangee));
}

void Roulement::ComboCalcul_Click() {
    const QString mode = fieldText(QStringLiteral("ComboCalcul"));
    if (mode == qs(kAutomatique)) {
        for (QLineEdit* box : factorBoxes()) setBoxColour(box, menuColour());
    } else if (mode == qs(kManuel)) {
        for (QLineEdit* box : factorBoxes()) {
            setBoxColour(box, windowColour());
            box->setText(QStringLiteral("0"));
        }
    }
}

void Roulement::calculate() {
    playWithReruns(
        [this] { return calculateBearing(state_, entries(), torvel::engineDecimalSeparator()); });
}
