// The press-fit group of Ajustements: what the fit shown holds as a shrink or
// press fit (DIN 7190-1), recomputed whenever the fit or one of its entries
// changes. Left empty (no hub diameter, no length), it computes and says nothing.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopedValueRollback>

#include "Ajustements.h"
#include "numbers.h"
#include "press_fit.h"
#include "press_fit_design.h"
#include "twips.h"
#include "ui_text.h"

using torvel::fits::fitsSelection;
using torvel::fits::Side;

namespace {

struct Box {
    const char* name;
    const char* caption;
    const char* tip;
    int column, row;        // columns 0 to 2, or 3 and 4 for two wide ones
    const char* text = "";  // opening text of an entry
};

// Entries above, results below, three columns.
const Box kEntries[] = {
    {"TextDaMoyeu", "DaA (mm) =", "Diamètre extérieur du moyeu", 0, 0},
    {"TextDiArbre", "DiI (mm) =", "Alésage de l'arbre ; 0 pour un arbre plein", 1, 0, "0"},
    {"TextLongueur", "L (mm) =", "Longueur de l'assemblage", 2, 0},
    {"TextEMoyeu", "EA (MPa) =", "Module d'élasticité du moyeu", 0, 2},
    {"TextNuMoyeu", "νA =", "Coefficient de Poisson du moyeu", 1, 2},
    {"TextReMoyeu", "ReA (MPa) =", "Limite d'élasticité du moyeu", 2, 2},
    {"TextEArbre", "EI (MPa) =", "Module d'élasticité de l'arbre", 0, 3},
    {"TextNuArbre", "νI =", "Coefficient de Poisson de l'arbre", 1, 3},
    {"TextReArbre", "ReI (MPa) =", "Limite d'élasticité de l'arbre", 2, 3},
    {"TextAlphaMoyeu",
     "αA (10⁻⁶/K) =", "Coefficient de dilatation du moyeu, au chauffage et en service", 0, 4},
    {"TextRhoMoyeu", "ρ (kg/m3)", "Masse volumique du moyeu", 1, 4},
    {"TextRzMoyeu", "RzA (µm) =", "Profondeur moyenne de rugosité de l'alésage du moyeu", 2, 4,
     "4"},
    {"TextAlphaArbre", "αI (10^-6/K)", "Coefficient de dilatation de l'arbre en service", 0, 5},
    {"TextRhoArbre", "ρ (kg/m3)", "Masse volumique de l'arbre", 1, 5},
    {"TextRzArbre", "RzI (µm) =", "Profondeur moyenne de rugosité de l'arbre", 2, 5, "4"},
    {"TextFrottement", "μ =",
     "Coefficient d'adhérence : 0,15 pour un frettage acier/acier (DIN 7190-1), environ 0,08 "
     "pour un emmanchement à la presse à sec",
     0, 6, "0.15"},
    {"TextTamb", "Tamb (°C) =", "Température ambiante au montage", 1, 6, "20"},
    {"TextKA", "KA", "Facteur d'application : multiplie le couple et l'effort axial", 2, 6, "1"},
    {"TextCouple", "Mt (N·m) =", "Couple à transmettre ; vide : aucun", 0, 7},
    {"TextFax", "Fax (N)", "Effort axial à transmettre ; vide : aucun", 1, 7},
    {"TextVitesse", "n max (tr/min)", "Vitesse de rotation maximale ; vide : à l'arrêt", 2, 7},
    {"TextTempMoyeu", "ϑA (°C)", "Température du moyeu en service ; vide : Tamb", 0, 8},
    {"TextTempArbre", "ϑI (°C)", "Température de l'arbre en service ; vide : Tamb", 1, 8},
    {"TextSR", "SR requise", "Sécurité au glissement demandée", 0, 9, "1.5"},
    {"TextSP", "SP requise", "Sécurité à la plastification demandée, au moyeu comme à l'arbre", 1,
     9, "1.2"},
};

const Box kResults[] = {
    {"TextUeMin", "Ue min (µm) =", "Serrage effectif minimal, lissage des rugosités déduit", 0, 10},
    {"TextPMin", "p min (MPa) =", "Pression de contact au serrage minimal, à l'arrêt à 20 °C", 1,
     10},
    {"TextCoupleMax", "Mt max (N·m) =", "Couple transmissible au serrage minimal, à 20 °C", 2, 10},
    {"TextUeMax", "Ue max (µm) =", "Serrage effectif maximal, lissage des rugosités déduit", 0, 11},
    {"TextPMax", "p max (MPa) =", "Pression de contact au serrage maximal, au montage", 1, 11},
    {"TextEffortAxial", "Fa max (N) =", "Effort axial transmissible au serrage minimal, à 20 °C", 2,
     11},
    {"TextEffortEmmanchement", "Fe (N) =", "Effort d'emmanchement au serrage maximal", 0, 12},
    {"TextTempMontage", "T montage (°C) =",
     "Température du moyeu pour le frettage, jeu de montage DF/1000 compris", 1, 12},
    {"TextFreq", "Freq (N) =", "Charge à transmettre : KA·√(Fax² + (2·Mt/DF)²)", 2, 12},
    {"TextDeltaUTemp", "ΔUϑ (µm) =",
     "Variation du serrage aux températures de service ; positive, c'est un gain", 0, 13},
    {"TextDeltaUVitesse", "ΔUω (µm) =", "Perte de serrage par la force centrifuge à n max", 1, 13},
    {"TextNOuverture", "n ouverture (tr/min)",
     "Vitesse à laquelle l'assemblage s'ouvre au serrage minimal", 4, 14},
    {"TextPMinService", "p min service (MPa) =",
     "Pression de contact au serrage minimal dans l'état de service le plus défavorable", 3, 14},
    {"TextSecuriteGlissement", "SR atteinte =",
     "Sécurité au glissement dans l'état de service le plus défavorable : π·DF·L·μ·p / Freq", 2,
     13},
    {"TextContrainteMoyeu", "σv moyeu (MPa) =",
     "Contrainte équivalente √3·τmax à l'alésage du moyeu, au serrage maximal à l'arrêt", 3, 15},
    {"TextSecuriteMoyeu", "S moyeu =", "ReA / σv moyeu", 4, 15},
    {"TextContrainteMoyeuVitesse", "σv moyeu n max (MPa) =",
     "Contrainte équivalente à l'alésage du moyeu à n max, force centrifuge comprise", 3, 16},
    {"TextSecuriteMoyeuVitesse", "S moyeu n max =", "ReA / σv moyeu n max", 4, 16},
    {"TextContrainteArbre", "σv arbre (MPa) =",
     "Contrainte équivalente √3·τmax de l'arbre, à son alésage s'il est creux, au serrage "
     "maximal",
     3, 17},
    {"TextSecuriteArbre", "S arbre =", "ReI / σv arbre", 4, 17},
    {"TextUminRequis", "Umin requis (µm)",
     "Serrage mesuré minimal qui transmet Freq avec SR dans l'état de service le plus "
     "défavorable (lissage et pertes en service compris)",
     3, 20},
    {"TextUmaxAdmis", "Umax admissible (µm)",
     "Serrage mesuré maximal qui garde le moyeu et l'arbre sous Re/SP, lissage compris", 4, 20},
};

int rowTop(int row) { return 330 + 420 * row + (row >= 10 ? 120 : 0); }

// The boxes a material fills, per side.
QStringList materialBoxes(Side side) {
    if (side == Side::Hole)
        return {QStringLiteral("TextEMoyeu"), QStringLiteral("TextNuMoyeu"),
                QStringLiteral("TextReMoyeu"), QStringLiteral("TextAlphaMoyeu"),
                QStringLiteral("TextRhoMoyeu")};
    return {QStringLiteral("TextEArbre"), QStringLiteral("TextNuArbre"),
            QStringLiteral("TextReArbre"), QStringLiteral("TextAlphaArbre"),
            QStringLiteral("TextRhoArbre")};
}

QList<double> materialValues(const torvel::fits::PressFitMaterial& m) {
    return {m.e, m.nu, m.re, m.alpha, m.rho};
}

QString comboName(Side side) {
    return side == Side::Hole ? QStringLiteral("ComboMoyeu") : QStringLiteral("ComboArbre");
}

}  // namespace

void Ajustements::buildPressFit() {
    pressFit_ = addGroup(frame(), QStringLiteral("FramePressFit"),
                         QStringLiteral("Assemblage fretté (DIN 7190-1)"), 150, 7950, 9000, 12600);
    auto add = [this](const Box& b, LabelledBox::Role role) {
        // Columns 3 and 4: two wide columns for the longer captions.
        const bool wide = b.column >= 3;
        const int left = wide ? 150 + 4400 * (b.column - 3) : 150 + 2950 * b.column;
        const int labelWidth = wide ? 2400 : 1750;
        QLineEdit* box = addLabelledBox(pressFit_, {.name = QString::fromLatin1(b.name),
                                                    .caption = QString::fromUtf8(b.caption),
                                                    .labelLeft = left,
                                                    .labelWidth = labelWidth,
                                                    .boxLeft = left + labelWidth,
                                                    .boxWidth = 1050,
                                                    .top = rowTop(b.row),
                                                    .tip = QString::fromUtf8(b.tip),
                                                    .tipOn = LabelledBox::Tip::Both,
                                                    .role = role,
                                                    .text = QString::fromLatin1(b.text)});
        return box;
    };
    for (const Box& b : kEntries) add(b, LabelledBox::Role::Entry);
    // The two densities share the caption "ρ (kg/m3)": the note names them by
    // their side (its own captions, as for αA and αI), so their labels are not
    // the boxes' captions there.
    for (const char* name : {"TextRhoMoyeu", "TextRhoArbre"}) {
        auto* box = findChild<QLineEdit*>(QLatin1String(name));
        for (QLabel* label : pressFit_->findChildren<QLabel*>())
            if (label->buddy() == box) label->setBuddy(nullptr);
        box->setAccessibleName(box->toolTip());
    }
    // Results on the button face, as in the other studies.
    for (const Box& b : kResults) {
        QLineEdit* box = add(b, LabelledBox::Role::Result);
        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
        box->setPalette(pal);
    }

    const auto& materials = torvel::fits::pressFitMaterials();
    for (Side side : {Side::Hole, Side::Shaft}) {
        const bool hub = side == Side::Hole;
        const int left = hub ? 150 : 4550;
        QComboBox* list = addCaptionedList(
            pressFit_, {.name = comboName(side),
                        .caption = hub ? QStringLiteral("Moyeu :") : QStringLiteral("Arbre :"),
                        .labelLeft = left,
                        .labelWidth = 900,
                        .boxLeft = left + 900,
                        .boxWidth = 3300,
                        .top = rowTop(1)});
        for (const auto& m : materials) list->addItem(torvel::fromStd(std::string(m.name)));
        list->addItem(torvel::fromStd(std::string(torvel::fits::kTypedMaterial)));
        connect(list, &QComboBox::activated, this, [this, side] { pressFitMaterialChosen(side); });
        for (const QString& name : materialBoxes(side))
            connect(findChild<QLineEdit*>(name), &QLineEdit::textChanged, this,
                    [this, side] { pressFitMaterialTyped(side); });
        // Steel C45+N on both sides at opening.
        list->setCurrentIndex(list->findText(QStringLiteral("Acier C45+N")));
        pressFitMaterialChosen(side);
    }

    pressFitVerdict_ = addLabel(pressFit_, QStringLiteral("LabelPressFit"), QString(), 150,
                                rowTop(18) + 30, 8700, 510);
    pressFitVerdict_->setWordWrap(true);
    pressFitVerdict_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The design: the fits of the catalogue that carry the need, best first.
    QLabel* caption =
        addLabel(pressFit_, QStringLiteral("LabelListeAjustements"),
                 QStringLiteral("Ajustements possibles :"), 150, rowTop(21), 3000, 255);
    candidateList_ = new QListWidget(pressFit_);
    candidateList_->setObjectName(QStringLiteral("ListAjustementsPossibles"));
    candidateList_->setGeometry(torvel::pxRect(150, rowTop(21) + 300, 8700, 2250));
    candidateList_->setToolTip(QStringLiteral(
        "Ajustements ISO 286 dont tout l'intervalle [Umin ; Umax] tient dans la fenêtre : "
        "préférés ISO 286-1 d'abord, puis la plus large tolérance, puis la plus grande marge. "
        "Un clic choisit l'ajustement."));
    caption->setBuddy(candidateList_);
    connect(candidateList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { candidateChosen(candidateList_->row(item)); });
    connect(candidateList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { candidateChosen(candidateList_->row(item)); });
    candidateSummary_ = addLabel(pressFit_, QStringLiteral("LabelAjustementsPossibles"), QString(),
                                 150, rowTop(21) + 2600, 8700, 510);
    candidateSummary_->setWordWrap(true);
    candidateSummary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// After the opening texts and items are in place: they are what an older study
// file without these entries opens with.
void Ajustements::declarePressFit() {
    QStringList names = {comboName(Side::Hole), comboName(Side::Shaft)};
    for (const Box& b : kEntries) names << QString::fromLatin1(b.name);
    // Declared before the group recomputes on them: the frame greys the
    // results first, and a run that writes them brings them back.
    declareInputs(names, [this] { return pressFitUsed(); });
    for (const Box& b : kEntries)
        connect(findChild<QLineEdit*>(QString::fromLatin1(b.name)), &QLineEdit::textChanged, this,
                [this] { computePressFit(); });
    declareOptionalGroup(pressFit_, [this] { return pressFitUsed(); });
    declareMessageLabels({pressFitVerdict_, candidateSummary_});
}

bool Ajustements::pressFitUsed() const { return torvel::fits::pressFitUsed(readFields()); }

// Both classes shown with their table entries, computed for the diameter shown.
bool Ajustements::pressFitHasFit() const {
    for (Side side : {Side::Hole, Side::Shaft}) {
        const auto& s = fitsSelection().side(side);
        const SideFields& f = side == Side::Hole ? hole_ : shaft_;
        if (!fitComputed_ || !f.shown || s.Classe.empty() || !s.EcartsTrouves) return false;
    }
    return true;
}

void Ajustements::pressFitMaterialChosen(Side side) {
    const int index = findChild<QComboBox*>(comboName(side))->currentIndex();
    const auto& materials = torvel::fits::pressFitMaterials();
    if (index < 0 || index >= static_cast<int>(materials.size())) return;  // typed: kept
    {
        const QScopedValueRollback filling(fillingMaterial_, true);
        const QStringList boxes = materialBoxes(side);
        const QList<double> values = materialValues(materials[static_cast<size_t>(index)]);
        for (qsizetype i = 0; i < boxes.size(); ++i)
            findChild<QLineEdit*>(boxes[i])->setText(QString::number(values[i]));
    }
    computePressFit();
}

// A value typed over a material's own makes the material the user's: the note
// must not name a steel whose values were changed.
void Ajustements::pressFitMaterialTyped(Side side) {
    if (fillingMaterial_) return;
    auto* list = findChild<QComboBox*>(comboName(side));
    const auto& materials = torvel::fits::pressFitMaterials();
    const int index = list->currentIndex();
    if (index < 0 || index >= static_cast<int>(materials.size())) return;
    const QStringList boxes = materialBoxes(side);
    const QList<double> values = materialValues(materials[static_cast<size_t>(index)]);
    for (qsizetype i = 0; i < boxes.size(); ++i)
        if (torvel::readNumber(fieldText(boxes[i])) != values[i]) {
            list->setCurrentIndex(list->count() - 1);
            return;
        }
}

// A study file names a material of the list only with that material's values
// (a value typed over it makes it "Matériau saisi"): one whose boxes added
// since (αI, ρ) hold other values was written before them, and they take the
// values of the material it names.
void Ajustements::restorePressFitMaterials(const QJsonObject& inputs) {
    static const QStringList kAdded = {QStringLiteral("TextAlphaArbre"),
                                       QStringLiteral("TextRhoMoyeu"),
                                       QStringLiteral("TextRhoArbre")};
    const auto& materials = torvel::fits::pressFitMaterials();
    for (Side side : {Side::Hole, Side::Shaft}) {
        auto* list = findChild<QComboBox*>(comboName(side));
        const int named = list->findText(inputs.value(comboName(side)).toString());
        if (named < 0 || named >= static_cast<int>(materials.size()) ||
            list->currentIndex() == named)
            continue;
        const QStringList boxes = materialBoxes(side);
        const QList<double> values = materialValues(materials[static_cast<size_t>(named)]);
        bool itsOwn = true;
        for (qsizetype i = 0; i < boxes.size(); ++i)
            if (!kAdded.contains(boxes[i]) && torvel::readNumber(fieldText(boxes[i])) != values[i])
                itsOwn = false;
        if (!itsOwn) continue;
        list->setCurrentIndex(named);
        pressFitMaterialChosen(side);
    }
}

void Ajustements::computePressFit() {
    if (!pressFitVerdict_ || fillingMaterial_) return;
    std::optional<torvel::fits::ShownFit> fit;
    if (pressFitHasFit())
        fit = torvel::fits::ShownFit{fitsSelection().Diametre_Nom,
                                     torvel::fits::measuredInterference(fitsSelection().Al.Ecarts,
                                                                        fitsSelection().Ar.Ecarts)};
    // The design needs no fit: the diameter typed, when the tiles would take it.
    std::optional<double> diameter;
    if (torvel::fits::checkDiameter(fitsSelection().Diametre_Nom).accepted)
        diameter = fitsSelection().Diametre_Nom;
    auto run =
        torvel::fits::runPressFit(readFields(), diameter, fit, torvel::engineDecimalSeparator());
    if (run.outcome.stopped()) {
        // Said in place, without a message box at each keystroke; the results
        // stay as they were, greyed since an entry changed.
        pressFitRefusal_ = torvel::fromStd(run.outcome.steps().back().text);
        setTextColour(pressFitVerdict_, QColor(255, 0, 0));
        pressFitVerdict_->setText(pressFitRefusal_);
        // The design belongs to the entries before: it goes, and the list can
        // be chosen from again once they hold.
        for (const char* name : {"TextUminRequis", "TextUmaxAdmis"})
            findChild<QLineEdit*>(QLatin1String(name))->clear();
        candidateSummary_->clear();
        {
            const QSignalBlocker quiet(candidateList_);
            candidateList_->clear();
        }
        candidates_.clear();
        candidateList_->setEnabled(false);
        return;
    }
    pressFitRefusal_.clear();
    candidateList_->setEnabled(true);
    play(run.outcome);
    markClearances();
    using torvel::fits::Tone;
    setTextColour(pressFitVerdict_, run.tone == Tone::Held      ? QColor(0, 128, 0)
                                    : run.tone == Tone::NotHeld ? QColor(255, 0, 0)
                                                                : QColor(0, 0, 0));
    showCandidates(std::move(run.candidateLines), std::move(run.candidates));
}

// The list is filled again only when its lines change: choosing one of them
// computes again with the same lines, and only the mark moves.
void Ajustements::showCandidates(std::vector<std::string> lines,
                                 std::vector<torvel::fits::FitCandidate> fits) {
    QStringList texts;
    for (const std::string& l : lines) texts << torvel::fromStd(l);
    QStringList shown;
    for (int i = 0; i < candidateList_->count(); ++i) shown << candidateList_->item(i)->text();
    const QSignalBlocker quiet(candidateList_);
    if (texts != shown) {
        candidateList_->clear();
        candidateList_->addItems(texts);
    }
    candidates_ = std::move(fits);
    // The fit shown, when it is one of them, is marked.
    int current = -1;
    for (size_t i = 0; i < candidates_.size(); ++i) {
        const auto& c = candidates_[i];
        const auto& al = fitsSelection().Al;
        const auto& ar = fitsSelection().Ar;
        if (pressFitHasFit() && al.Classe == c.holeLetter + std::to_string(c.holeGrade) &&
            ar.Classe == c.shaftLetter + std::to_string(c.shaftGrade))
            current = static_cast<int>(i);
    }
    candidateList_->setCurrentRow(current);
}

// A line chosen selects its fit as the four tile clicks would.
void Ajustements::candidateChosen(int row) {
    if (row < 0 || row >= static_cast<int>(candidates_.size())) return;
    const auto c = candidates_[static_cast<size_t>(row)];
    chooseClasses(c.holeLetter, c.holeGrade, c.shaftLetter, c.shaftGrade);
    candidateList_->setFocus(Qt::OtherFocusReason);
}

// The group's results belong to its entries unless an entry was refused.
bool Ajustements::pressFitCurrent() {
    if (pressFitRefusal_.isEmpty()) return true;
    computePressFit();
    if (pressFitRefusal_.isEmpty()) return true;
    attention(pressFitRefusal_);
    return false;
}
