#include "RessortCompression.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QScopedValueRollback>
#include <array>
#include <string>

#include "SpringDiagrams.h"
#include "numbers.h"
#include "pictures.h"
#include "twips.h"
#include "ui_text.h"

static void initSpringResources() { Q_INIT_RESOURCE(spring_window); }

using torvel::springs::SpringNoteDrawing;
using torvel::springs::SpringPicture;

namespace {

const QColor kHeldColour(0, 128, 0);
const QColor kNotHeldColour(176, 0, 0);

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kFrameCaption = QStringLiteral("Dimensionnement d'un Ressort de Compression");
const QString kDefaultEndType = QStringLiteral("Rapprochées, meulées, à 180°");
constexpr int kPictureWidth = 4800;  // twips; the drawing is 320 x 240 pixels
constexpr int kPictureHeight = 3600;

// Result boxes draw their panel with the Base colour, but the print-out and its
// restore set the Window colour: keep Base in step so the boxes follow both.
class BaseFollowsWindow : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) {
            auto* box = static_cast<QWidget*>(watched);
            QPalette pal = box->palette();
            const QColor window = pal.color(QPalette::Window);
            // The second change this triggers finds them equal and stops here.
            if (pal.color(QPalette::Base) != window) {
                pal.setColor(QPalette::Base, window);
                box->setPalette(pal);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

// clang-format off
RessortCompression::RessortCompression(QWidget* parent) : StudyWindow({.typeName = QStringLiteral("RessortCompression"),
        .caption = QStringLiteral("Ressort de Compression"), .captionPrefix = QStringLiteral("RessortCompression - Etude "),
        .clientWidth = 11650, .clientHeight = 9400, .frameWidth = 11050, .frameHeight = 22600,
        .frameCaption = kFrameCaption}, parent) {
    // clang-format on
    // ---- Données ----
    QGroupBox* frame5 = addGroup(frame(), QStringLiteral("Frame5"), QStringLiteral("Données"), 150,
                                 300, 5500, 5180);
    QGroupBox* frame4 = addGroup(frame5, QStringLiteral("Frame4"),
                                 QStringLiteral("Caractéristiques du fil"), 120, 240, 5260, 1560);
    addEntry(frame4, "Textd", "d (mm) =", "Diamètre du Fil", "0", 150, 1300, 330, 1500);
    addEntry(frame4, "Textdm", "Dm (mm) =", "Diamètre moyen du ressort", "0", 150, 1300, 720, 1500);
    endType_ = addList(
        frame4, "ComboSpires", "Extrémités :",
        "La forme des spires aux extrémités donne le nombre de spires mortes ( 1.5, 2 ou 3)", 150,
        1300, 1110, 1500, 3600);
    endType_->setEditable(true);
    // A typed end type is used as it stands; it does not join the list.
    endType_->setInsertPolicy(QComboBox::NoInsert);

    // The material: a wire grade, or G, mV and Rm as typed.
    QGroupBox* frame2 = addGroup(frame5, QStringLiteral("Frame2"), QStringLiteral("Matériau"), 120,
                                 1920, 5260, 1900);
    material_ = addList(frame2, "ComboMateriau",
                        "Matériau :", "Nuance du fil (EN 10270), ou G, mV et Rm saisis", 150, 1300,
                        330, 1500, 3600);
    material_->addItem(qs(torvel::springs::kTypedMaterial));
    for (const torvel::springs::WireGrade& grade : torvel::springs::wireGrades())
        material_->addItem(qs(grade.name));
    addEntry(frame2, "TextG", "G (daN/mm2) =", "Module de Coulomb", "", 150, 2250, 720, 2450);
    addEntry(frame2, "TextmV", "mV (10^-6 kg/mm3) =", "Masse Volumique", "", 150, 2250, 1110, 2450);
    rm_ = addEntry(frame2, "TextRm", "Rm (daN/mm2) =", "Résistance minimale à la traction du fil",
                   "", 150, 2250, 1500, 2450);

    QGroupBox* frame3 =
        addGroup(frame5, QStringLiteral("Frame3"), QStringLiteral("Conditions de mise en place"),
                 120, 3940, 5260, 1120);
    addEntry(frame3, "TextF1", "F1 (daN) =", "Effort F1 appliqué", "0", 150, 1150, 330, 1350);
    addEntry(frame3, "TextL1", "L1 (mm) =", "Longueur sous F1", "0", 2700, 1050, 330, 3800);
    addEntry(frame3, "TextF2", "F2 (daN) =", "Effort F2 appliqué", "0", 150, 1150, 720, 1350);
    addEntry(frame3, "TextL2", "L2 (mm) =", "Longueur sous F2", "0", 2700, 1050, 720, 3800);

    // ---- Géométrie: the sketch of the spring, stored with the window ----
    QGroupBox* frame7 = addGroup(frame(), QStringLiteral("Frame7"), QStringLiteral("Géométrie"),
                                 5800, 300, 5100, 5180);
    auto* picture = new QLabel(frame7);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(torvel::pxRect(150, 500, kPictureWidth, kPictureHeight));
    picture->setScaledContents(true);
    picture->setPixmap(storedDrawing());

    // ---- Résultats: three columns, by theme ----
    QGroupBox* frame6 = addGroup(frame(), QStringLiteral("Frame6"), QStringLiteral("Résultats"),
                                 150, 5630, 10750, 2950);
    struct Result {
        const char* name;
        const char* label;
        const char* tip;
    };
    const std::array<std::array<Result, 7>, 3> columns{{
        {{{"TextDd", "D/d =", "Rapport d'enroulement"},
          {"TextDe", "De (mm) =", "Diamètre Extérieur"},
          {"TextDi", "Di (mm) =", "Diamèter Intérieur"},
          {"TextDemax", "Demax (mm) =", "Diamètre extérieur à bloc"},
          {"Textni", "n i  =", "Nombre de spires utiles"},
          {"Textnt", "n t =", "Nombre de spires total"},
          {"Textz", "z (°) =", "Angle d'enroulement"}}},
        {{{"TextL0", "L0 (mm) =", "Longueur à vide"},
          {"TextLb", "Lb (mm) =", "Longueur à bloc"},
          {"Textp0", "p0 (mm) =", "Pas du ressort à l'état libre"},
          {"Textp2", "p2 (mm) =", "Pas du ressort sous F2"},
          {"TextLd", "Ld (mm) =", "Longueur développée"},
          {"TextM", "M (g) =", "Masse du Ressort"},
          {nullptr, nullptr, nullptr}}},
        {{{"TextR", "R (daN/mm) =", "Raideur du ressort"},
          {"TextFb", "Fb (daN) =", "Effort à bloc"},
          {"TextT2", "T2  (daN/mm2) =", "Contrainte sous F2"},
          {"TextTb", "Tb (daN/mm2) =", "Contrainte à bloc"},
          {"TextW", "W =", "Facteur de Correction de Wahl"},
          {"Textfe", "fe (Hz) =", "Fréquence propre du ressort"},
          {nullptr, nullptr, nullptr}}},
    }};
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 7; ++r) {
            const Result& res = columns[static_cast<size_t>(c)][static_cast<size_t>(r)];
            if (res.name)
                addResult(frame6, res.name, res.label, res.tip, 150 + 3600 * c, 330 + 360 * r);
        }

    // ---- Référence and buttons ----
    QGroupBox* frame8 = addGroup(frame(), QStringLiteral("Frame8"), QStringLiteral("Référence"),
                                 150, 8730, 5500, 750);
    addReference(frame8, 150, 300, 5200, 315);
    addCalculer(frame(), 6400, 8880, 1800, 450);
    addImprimer(frame(), 8700, 8880, 1800, 450);

    // ---- Vérifications: below everything, so that the design places stay ----
    QGroupBox* checks =
        addGroup(frame(), QStringLiteral("FrameVerifications"),
                 QStringLiteral("Vérifications (EN 13906-1)"), 150, 9630, 10750, 2950);
    addResult(checks, "Textk", "k =", "Facteur de correction de Bergsträsser", 150, 330, "");
    addResult(checks, "TextTk2", "Tk2 (daN/mm2) =", "Contrainte corrigée sous F2", 3750, 330, "");
    // Wide enough for "Non flambable".
    addResult(checks, "Textsk", "sk (mm) =", "Flèche de flambage théorique", 7150, 330, "", 1550);
    addResult(checks, "TextSa", "Sa (mm) =",
              "Somme minimale des jeux entre spires utiles (× 1,5 sous charge dynamique)", 150, 720,
              "");
    addResult(checks, "TextLn", "Ln (mm) =", "Longueur minimale admissible Lb + Sa", 3750, 720, "");
    // The domain label has room for its four lines.
    for (QLabel* verdict :
         {addLabel(checks, QStringLiteral("LabelBloc"), QString(), 150, 1140, 10400, 255),
          addLabel(checks, QStringLiteral("LabelFlambage"), QString(), 150, 1440, 10400, 255),
          addLabel(checks, QStringLiteral("LabelDomaine"), QString(), 150, 1740, 10400, 1020)}) {
        verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        recoloured_ << verdict;
    }

    addStrengthGroup();

    recoloured_ << frame5 << frame4 << frame2 << frame3 << frame6 << frame7 << frame8 << checks;

    // Load: the end types in their order, the default one shown, and the default material.
    for (std::string_view name : torvel::springs::endTypeNames())
        endType_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    endType_->setCurrentIndex(endType_->findText(kDefaultEndType));
    endType_->setEditText(kDefaultEndType);
    findChild<QLineEdit*>(QStringLiteral("TextG"))->setText(QStringLiteral("7000"));
    findChild<QLineEdit*>(QStringLiteral("TextmV"))->setText(QStringLiteral("7.86"));
    setImageReport({recoloured_, {}, &RessortCompression::printCaption});
    noteDrawing_ = new SpringNoteDrawing(this);
    setNoteDrawing({.painted = noteDrawing_});
    declareMessageLabels({child<QLabel>("LabelBloc"), child<QLabel>("LabelFlambage"),
                          child<QLabel>("LabelDomaine"), child<QLabel>("LabelResistance")});
    declareInputs({"Textd", "Textdm", "TextG", "TextmV", "TextF1", "TextL1", "TextF2", "TextL2",
                   "ComboSpires"});
    // Declared as they open (typed material, Rm empty, static, not peened): what
    // a study file saved before them takes.
    declareInputs({"ComboMateriau", "ComboSollicitation", "CheckGrenaille"});
    declareInputs({"TextRm"}, [this] { return material_->currentIndex() == 0; });
}

// The wire's strength below the checks, then the diagrams.
void RessortCompression::addStrengthGroup() {
    using torvel::springs::kLoadDynamic;
    QGroupBox* group =
        addGroup(frame(), QStringLiteral("FrameResistance"),
                 QStringLiteral("Résistance du fil (EN 13906-1)"), 150, 12730, 10750, 5000);
    loading_ = addList(group, "ComboSollicitation",
                       "Sollicitation :", "Charge statique, ou charge variable entre F1 et F2", 150,
                       1450, 330, 1650, 1750);
    loading_->addItems({qs(torvel::springs::kLoadStatic), qs(kLoadDynamic)});
    peened_ = addList(group, "CheckGrenaille",
                      "Fil grenaillé :", "Fil grenaillé (shot peening) : endurance plus élevée",
                      3650, 2150, 330, 5850, 1100);
    peened_->addItems({qs(torvel::springs::kNotPeened), qs(torvel::springs::kPeened)});
    peened_->setEnabled(false);

    struct Box {
        const char *name, *label, *tip;
        int column, row;
    };
    const Box boxes[] = {
        {"TextTzul", "τzul (daN/mm2) =", "Contrainte admissible sous la charge maximale : 0,5·Rm",
         0, 1},
        {"TextTczul", "τczul (daN/mm2) =", "Contrainte admissible à bloc : 0,56·Rm", 0, 2},
        {"TextS2",
         "Sécurité sous Fmax =", "Coefficient de sécurité τzul / τ sous la charge maximale", 1, 1},
        {"TextSb", "Sécurité à bloc =", "Coefficient de sécurité τczul / τb", 1, 2},
        {"TextTka", "τk1 = τkU (daN/mm2) =",
         "Contrainte inférieure corrigée k·τ sous la plus petite des charges F1, F2", 2, 1},
        {"TextTkm", "τk2 = τkO (daN/mm2) =",
         "Contrainte supérieure corrigée k·τ sous la plus grande des charges F1, F2", 2, 2},
        {"TextTkh", "τkh (daN/mm2) =", "Course de contrainte τk2 − τk1", 2, 3},
        {"TextTse", "τkH (daN/mm2) =",
         "Course admissible à 10^7 cycles, lue au diagramme EN 13906-1 en τkU = τk1", 2, 4},
        {"TextTkO", "τkO adm. (daN/mm2) =",
         "Contrainte supérieure admissible en τkU = τk1, plafonnée à τkO,max", 2, 5},
        {"TextNf", "Sécurité en fatigue =", "nf = τkH / τkh", 2, 6},
    };
    // The fatigue column has the longer captions.
    for (const Box& b : boxes)
        addResult(group, b.name, b.label, b.tip, 150 + 3500 * b.column, 330 + 390 * b.row, "",
                  b.column == 2 ? 900 : 1100, b.column == 2 ? 2400 : 2150);
    // The diagram used, with the diameters its data cover.
    addResult(group, "TextDiagramme", "Diagramme de fatigue :",
              "Diagramme EN 13906-1 lu pour la fatigue et diamètres couverts par ses données", 150,
              330 + 390 * 7, "", 5400, 2350);
    auto* verdict =
        addLabel(group, QStringLiteral("LabelResistance"), QString(), 150, 3450, 10400, 1450);
    verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    verdict->setWordWrap(true);
    recoloured_ << verdict << group;
    // Without a grade or a typed Rm the wire is not checked: a note leaves the group out.
    declareOptionalGroup(group, [this] {
        return material_->currentIndex() != 0 || !rm_->text().trimmed().isEmpty();
    });

    QGroupBox* diagrams = addGroup(frame(), QStringLiteral("FrameDiagrammes"),
                                   QStringLiteral("Diagrammes"), 150, 17880, 10750, 4400);
    characteristic_ = new SpringPicture(SpringPicture::Kind::Characteristic, diagrams);
    characteristic_->setObjectName(QStringLiteral("PictureCaracteristique"));
    characteristic_->setGeometry(torvel::pxRect(150, 300, 5150, 3950));
    goodman_ = new SpringPicture(SpringPicture::Kind::Goodman, diagrams);
    goodman_->setObjectName(QStringLiteral("PictureGoodman"));
    goodman_->setGeometry(torvel::pxRect(5450, 300, 5150, 3950));
    goodman_->hide();
    recoloured_ << diagrams;

    // The wire state matters for fatigue only; the Goodman diagram too, and one
    // drawn under another load is not this study's.
    connect(loading_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        const bool dynamic = text == qs(kLoadDynamic);
        peened_->setEnabled(dynamic);
        goodman_->setVisible(dynamic);
        if (dynamic != study_.dynamic) {
            goodman_->setStudy({});
            noteDrawing_->setStudy({});
        }
    });
    connect(material_, &QComboBox::activated, this, &RessortCompression::ComboMateriau_Click);
    for (const char* name : {"TextG", "TextmV"})
        connect(child<QLineEdit>(name), &QLineEdit::textChanged, this,
                &RessortCompression::materialTyped);
}

// A grade writes its family's G and density, still editable; its Rm comes from
// its table at "Calculer", so the box is not typed meanwhile.
void RessortCompression::ComboMateriau_Click() {
    const auto* grade = torvel::springs::findGrade(torvel::toStd(material_->currentText()));
    rm_->setReadOnly(grade != nullptr);
    if (!grade) return;
    const QScopedValueRollback filling(fillingMaterial_, true);
    child<QLineEdit>("TextG")->setText(qs(torvel::formatNumber(grade->G, "0", '.')));
    child<QLineEdit>("TextmV")->setText(qs(torvel::formatNumber(grade->mV, "0.0#", '.')));
    rm_->clear();
}

// G or mV typed over a grade's own makes the material the user's: no note may
// name a grade whose values were not used. The grade's Rm, written at the last
// "Calculer", goes with it: the user's material has the Rm the user types.
void RessortCompression::materialTyped() {
    if (fillingMaterial_) return;
    const auto* grade = torvel::springs::findGrade(torvel::toStd(material_->currentText()));
    if (!grade) return;
    auto value = [this](const char* name) {
        return torvel::springs::readInput(torvel::toStd(child<QLineEdit>(name)->text()));
    };
    if (value("TextG") == grade->G && value("TextmV") == grade->mV) return;
    material_->setCurrentIndex(0);
    rm_->setReadOnly(false);
    rm_->clear();
}

QComboBox* RessortCompression::addList(QGroupBox* group, const char* name, const char* label,
                                       const char* tip, int labelLeft, int labelWidth, int top,
                                       int boxLeft, int boxWidth) {
    QLabel* caption = nullptr;
    QComboBox* list = addCaptionedList(group,
                                       {.name = QString::fromLatin1(name),
                                        .caption = QString::fromUtf8(label),
                                        .labelLeft = labelLeft,
                                        .labelWidth = labelWidth,
                                        .boxLeft = boxLeft,
                                        .boxWidth = boxWidth,
                                        .top = top,
                                        .tip = QString::fromUtf8(tip)},
                                       &caption);
    recoloured_ << caption;
    return list;
}

// Green when every check a label stands for was made and holds, red when one
// fails, the usual colour otherwise. A stopped run leaves them, and their grey,
// as they were.
void RessortCompression::showVerdicts() {
    if (resultsOutOfDate()) return;
    using torvel::springs::Judgement;
    auto colour = [](QLabel* label, Judgement judged) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, label->text().isEmpty() || judged == Judgement::None ||
                                                   judged == Judgement::Unjudged
                                               ? QApplication::palette().color(QPalette::WindowText)
                                           : judged == Judgement::Held ? kHeldColour
                                                                       : kNotHeldColour);
        label->setPalette(pal);
    };
    colour(child<QLabel>("LabelFlambage"), study_.buckling);
    colour(child<QLabel>("LabelBloc"), study_.block);
    colour(child<QLabel>("LabelDomaine"), study_.domain);
    colour(child<QLabel>("LabelResistance"), study_.resistance);
    characteristic_->setStudy(study_);
    goodman_->setStudy(study_);
    noteDrawing_->setStudy(study_);
}

QLineEdit* RessortCompression::addEntry(QGroupBox* group, const char* name, const char* label,
                                        const char* tip, const char* value, int labelLeft,
                                        int labelWidth, int top, int boxLeft) {
    QLabel* caption = nullptr;
    QLineEdit* box = addLabelledBox(group,
                                    {.name = QString::fromLatin1(name),
                                     .caption = QString::fromUtf8(label),
                                     .labelLeft = labelLeft,
                                     .labelWidth = labelWidth,
                                     .boxLeft = boxLeft,
                                     .boxWidth = 1100,
                                     .top = top,
                                     .tip = QString::fromUtf8(tip),
                                     .tipOn = LabelledBox::Tip::Box,
                                     .role = LabelledBox::Role::Entry,
                                     .text = QString::fromUtf8(value)},
                                    &caption);
    recoloured_ << caption;
    return box;
}

void RessortCompression::addResult(QGroupBox* group, const char* name, const char* label,
                                   const char* tip, int left, int top, const char* value,
                                   int boxWidth, int labelWidth) {
    QLabel* caption = nullptr;
    QLineEdit* box = addLabelledBox(group,
                                    {.name = QString::fromLatin1(name),
                                     .caption = QString::fromUtf8(label),
                                     .labelLeft = left,
                                     .labelWidth = labelWidth,
                                     .boxLeft = left + labelWidth + 50,
                                     .boxWidth = boxWidth,
                                     .top = top,
                                     .tip = QString::fromUtf8(tip),
                                     .tipOn = LabelledBox::Tip::Box,
                                     .role = LabelledBox::Role::Result,
                                     .text = QString::fromLatin1(value)},
                                    &caption);
    // Results are read and copied, not typed; their background is the window's.
    box->installEventFilter(new BaseFollowsWindow(box));
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    box->setPalette(pal);
    recoloured_ << caption << box;
}

void RessortCompression::calculate() {
    const torvel::Fields fields = readFields();
    play(torvel::springs::calculateSpringStudy(study_, torvel::springs::springEntries(fields),
                                               torvel::springs::strengthEntries(fields),
                                               torvel::engineDecimalSeparator()));
    showVerdicts();
}

QPixmap RessortCompression::storedDrawing() {
    static const bool ready = (initSpringResources(), true);
    (void)ready;
    return torvel::svgPicture(QStringLiteral(":/springs/ressort.svg"),
                              QSize(torvel::px(kPictureWidth), torvel::px(kPictureHeight)));
}

QString RessortCompression::printCaption() {
    return QStringLiteral("Calcul de Ressort de Compression établi le %1 à %2")
        .arg(torvel::shortDate(), torvel::shortTime());
}
