#include "RessortCompression.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <array>
#include <string>

#include "pictures.h"
#include "twips.h"
#include "ui_text.h"

static void initSpringResources() { Q_INIT_RESOURCE(spring_window); }

namespace {

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
        .clientWidth = 11650, .clientHeight = 9400, .frameWidth = 11050, .frameHeight = 10650,
        .frameCaption = kFrameCaption}, parent) {
    // clang-format on
    // ---- Données ----
    QGroupBox* frame5 = addGroup(frame(), QStringLiteral("Frame5"), QStringLiteral("Données"), 150,
                                 300, 5500, 4400);
    QGroupBox* frame4 = addGroup(frame5, QStringLiteral("Frame4"),
                                 QStringLiteral("Caractéristiques du fil"), 120, 240, 5260, 1560);
    addEntry(frame4, "Textd", "d (mm) =", "Diamètre du Fil", "0", 150, 1300, 330, 1500);
    addEntry(frame4, "Textdm", "Dm (mm) =", "Diamètre moyen du ressort", "0", 150, 1300, 720, 1500);
    QLabel* labelSpires = addLabel(frame4, QStringLiteral("LabelSpires"),
                                   QStringLiteral("Extrémités :"), 150, 1140, 1300, 255);
    endType_ = new QComboBox(frame4);
    endType_->setObjectName(QStringLiteral("ComboSpires"));
    endType_->setGeometry(torvel::pxRect(1500, 1110, 3600, 315));
    endType_->setEditable(true);
    // A typed end type is used as it stands; it does not join the list.
    endType_->setInsertPolicy(QComboBox::NoInsert);
    endType_->setToolTip(QStringLiteral(
        "La forme des spires aux extrémités donne le nombre de spires mortes ( 1.5, 2 ou 3)"));
    labelSpires->setBuddy(endType_);
    recoloured_ << labelSpires;

    QGroupBox* frame2 = addGroup(frame5, QStringLiteral("Frame2"), QStringLiteral("Matériau"), 120,
                                 1920, 5260, 1120);
    addEntry(frame2, "TextG", "G (daN/mm2) =", "Module de Coulomb", "", 150, 2250, 330, 2450);
    addEntry(frame2, "TextmV", "mV (10^-6 kg/mm3) =", "Masse Volumique", "", 150, 2250, 720, 2450);

    QGroupBox* frame3 =
        addGroup(frame5, QStringLiteral("Frame3"), QStringLiteral("Conditions de mise en place"),
                 120, 3160, 5260, 1120);
    addEntry(frame3, "TextF1", "F1 (daN) =", "Effort F1 appliqué", "0", 150, 1150, 330, 1350);
    addEntry(frame3, "TextL1", "L1 (mm) =", "Longueur sous F1", "0", 2700, 1050, 330, 3800);
    addEntry(frame3, "TextF2", "F2 (daN) =", "Effort F2 appliqué", "0", 150, 1150, 720, 1350);
    addEntry(frame3, "TextL2", "L2 (mm) =", "Longueur sous F2", "0", 2700, 1050, 720, 3800);

    // ---- Géométrie: the sketch of the spring, stored with the window ----
    QGroupBox* frame7 = addGroup(frame(), QStringLiteral("Frame7"), QStringLiteral("Géométrie"),
                                 5800, 300, 5100, 4400);
    auto* picture = new QLabel(frame7);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(torvel::pxRect(150, 500, kPictureWidth, kPictureHeight));
    picture->setScaledContents(true);
    picture->setPixmap(storedDrawing());

    // ---- Résultats: three columns, by theme ----
    QGroupBox* frame6 = addGroup(frame(), QStringLiteral("Frame6"), QStringLiteral("Résultats"),
                                 150, 4850, 10750, 2950);
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
                                 150, 7950, 5500, 750);
    addReference(frame8, 150, 300, 5200, 315);
    addCalculer(frame(), 6400, 8100, 1800, 450);
    addImprimer(frame(), 8700, 8100, 1800, 450);

    // ---- Vérifications: below everything, so that the design places stay ----
    QGroupBox* checks =
        addGroup(frame(), QStringLiteral("FrameVerifications"),
                 QStringLiteral("Vérifications (EN 13906-1)"), 150, 8850, 10750, 1650);
    addResult(checks, "Textk", "k =", "Facteur de correction de Bergsträsser", 150, 330, "");
    addResult(checks, "TextTk2", "Tk2 (daN/mm2) =", "Contrainte corrigée sous F2", 3750, 330, "");
    // Wide enough for "Non flambable".
    addResult(checks, "Textsk", "sk (mm) =", "Flèche de flambage théorique", 7150, 330, "", 1550);
    // The domain label has room for its two lines.
    for (QLabel* verdict :
         {addLabel(checks, QStringLiteral("LabelFlambage"), QString(), 150, 750, 10400, 255),
          addLabel(checks, QStringLiteral("LabelDomaine"), QString(), 150, 1050, 10400, 510)}) {
        verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        recoloured_ << verdict;
    }

    recoloured_ << frame5 << frame4 << frame2 << frame3 << frame6 << frame7 << frame8 << checks;

    // Load: the end types in their order, the default one shown, and the default material.
    for (std::string_view name : torvel::springs::endTypeNames())
        endType_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    endType_->setCurrentIndex(endType_->findText(kDefaultEndType));
    endType_->setEditText(kDefaultEndType);
    findChild<QLineEdit*>(QStringLiteral("TextG"))->setText(QStringLiteral("7000"));
    findChild<QLineEdit*>(QStringLiteral("TextmV"))->setText(QStringLiteral("7.86"));
    setImageReport({recoloured_, {}, &RessortCompression::printCaption});
    setNoteDrawing({.svg = [] { return QStringLiteral(":/springs/ressort.svg"); }});
    declareInputs({"Textd", "Textdm", "TextG", "TextmV", "TextF1", "TextL1", "TextF2", "TextL2",
                   "ComboSpires"});
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
                                   int boxWidth) {
    QLabel* caption = nullptr;
    QLineEdit* box = addLabelledBox(group,
                                    {.name = QString::fromLatin1(name),
                                     .caption = QString::fromUtf8(label),
                                     .labelLeft = left,
                                     .labelWidth = 1950,
                                     .boxLeft = left + 2000,
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
    play(torvel::springs::calculateSpringWithChecks(state_, torvel::springs::springEntries(fields),
                                                    torvel::engineDecimalSeparator()));
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
