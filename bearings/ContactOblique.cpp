#include "ContactOblique.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>

#include "bearing_report.h"
#include "twips.h"
#include "ui_text.h"

using torvel::fromStd;
using torvel::toStd;

static void initBearingResources() { Q_INIT_RESOURCE(bearing_window); }
namespace engine = torvel::bearings;

namespace {

constexpr int kBoxHeight = 315;

}  // namespace

// clang-format off
ContactOblique::ContactOblique(QWidget* parent) : StudyWindow({.typeName = QStringLiteral("ContactOblique"),
        .caption = QStringLiteral("Contacts Obliques"), .captionPrefix = QStringLiteral("Contacts Obliques - Etude "),
        .clientWidth = 11600, .clientHeight = 6900, .frameWidth = 11000, .frameHeight = 6400,
        .frameCaption = QStringLiteral("Charges Axiales Induites")}, parent),
      drawingFolder_(QCoreApplication::applicationDirPath()) {
    // clang-format on
    QGroupBox* mounting = addGroup(frame(), QStringLiteral("Frame2"),
                                   QStringLiteral("Type de Montage"), 150, 300, 5100, 3950);
    combo_ = new QComboBox(mounting);
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view item : engine::mountingItems())
        combo_->addItem(fromStd(std::string(item)));
    combo_->setCurrentText(fromStd(std::string(engine::kMontageX)));
    combo_->setGeometry(torvel::pxRect(150, 300, 4800, kBoxHeight));
    connect(combo_, &QComboBox::textActivated, this, &ContactOblique::Combo1_Click);

    picture_ = new QLabel(mounting);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setGeometry(torvel::pxRect(150, 750, 4800, 3000));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setWordWrap(true);
    QString path;
    // No box at opening: the window is not on screen yet, so the picture says it.
    if (!loadDrawing(combo_->currentText(), &path))
        picture_->setText(fromStd(engine::missingDrawingMessage(toStd(path))));

    QGroupBox* axial =
        addGroup(frame(), QStringLiteral("Frame3"),
                 QStringLiteral("Charge Axiale Appliquée sur l'Ensemble"), 150, 4350, 5100, 800);
    addLabelledBox(axial, {.name = QStringLiteral("TextFaE"),
                           .caption = QStringLiteral("Fa ="),
                           .labelLeft = 150,
                           .labelWidth = 500,
                           .boxLeft = 650,
                           .boxWidth = 1800,
                           .top = 350,
                           .tip = QStringLiteral("Charge Axiale Appliquée sur le Roulement A (N)"),
                           .tipOn = LabelledBox::Tip::Both,
                           .role = LabelledBox::Role::Entry});

    QGroupBox* bearingA = addGroup(frame(), QStringLiteral("Frame4"), QStringLiteral("Roulement A"),
                                   5450, 300, 5400, 2550);
    buildBearing(bearingA, 5, QStringLiteral("A"), 300);
    QGroupBox* bearingB = addGroup(frame(), QStringLiteral("Frame9"), QStringLiteral("Roulement B"),
                                   5450, 2950, 5400, 2550);
    buildBearing(bearingB, 10, QStringLiteral("B"), 300);

    QGroupBox* reference = addGroup(frame(), QStringLiteral("Frame14"), QStringLiteral("Référence"),
                                    150, 5250, 5100, 800);
    addReference(reference, 150, 350, 4800, kBoxHeight);

    addCalculer(frame(), 5950, 5700, 1800, 450);
    addImprimer(frame(), 8650, 5700, 1800, 450);
    // The mounting changes the drawing and the report, not the calculation.
    setTextReport({[this] { return std::optional(reportLines()); },
                   QString::fromUtf8(torvel::bearings::kMsgPrintFailed)});
    declareInputs({"TextFaE", "TextFrA", "TextFrB", "TexteA", "TexteB", "TextYA", "TextYB"});
    keepInputs({"Combo1"});
    setNoteDrawing({.svg = [this] {
        static const bool ready = (initBearingResources(), true);
        (void)ready;
        const std::string_view file = engine::mountingDrawing(toStd(combo_->currentText()));
        return file.empty() ? QString()
                            : QStringLiteral(":/bearings/%1.svg")
                                  .arg(QFileInfo(fromStd(std::string(file))).completeBaseName());
    }});
}

// One bearing's four groups, numbered from `number`: applied radial load,
// coefficients, induced axial load, equivalent load.
void ContactOblique::buildBearing(QWidget* parent, int number, const QString& side, int top) {
    auto group = [&](int offset, const QString& title, int left, int groupTop, int height) {
        const int width = left < 2000 ? 2700 : 2300;
        return addGroup(parent, QStringLiteral("Frame%1").arg(number + offset), title, left,
                        groupTop, width, height);
    };
    auto field = [&](QWidget* g, const QString& symbol, const QString& caption, const QString& tip,
                     int fieldTop, bool input) {
        addLabelledBox(g, {.name = QStringLiteral("Text%1%2").arg(symbol, side),
                           .caption = caption,
                           .labelLeft = 150,
                           .labelWidth = 450,
                           .boxLeft = 650,
                           .boxWidth = 1600,
                           .top = fieldTop,
                           .tip = tip,
                           .tipOn = LabelledBox::Tip::Both,
                           .role = input ? LabelledBox::Role::Entry : LabelledBox::Role::Result});
    };

    // The tooltips stand as designed, also where they name bearing A on B's
    // equivalent load or call the induced axial load radial.
    QGroupBox* radial = group(0, QStringLiteral("Charge Radiale Appliquée"), 150, top, 1150);
    field(radial, QStringLiteral("Fr"), QStringLiteral("Fr ="),
          QStringLiteral("Charge Radiale Appliquée sur le Roulement %1 (N)").arg(side), 500, true);
    QGroupBox* factors = group(1, QStringLiteral("Coefficients"), 2950, top, 1150);
    field(factors, QStringLiteral("e"), QStringLiteral("e ="), QString(), 300, true);
    field(factors, QStringLiteral("Y"), QStringLiteral("Y ="), QString(), 700, true);
    QGroupBox* induced = group(2, QStringLiteral("Charge Axiale Induite"), 150, top + 1250, 800);
    field(induced, QStringLiteral("Fa"), QStringLiteral("Fa ="),
          QStringLiteral("Charge Radiale Induite sur le Roulement %1 (N)").arg(side), 350, false);
    QGroupBox* equivalent = group(3, QStringLiteral("Charge Equivalente"), 2950, top + 1250, 800);
    field(equivalent, QStringLiteral("P"), QStringLiteral("P ="),
          QStringLiteral("Charge Dynamique Equivalente du Roulement A (N)"), 350, false);
}

bool ContactOblique::loadDrawing(const QString& mounting, QString* path) {
    const std::string_view file = engine::mountingDrawing(toStd(mounting));
    if (file.empty()) return true;  // not a mounting of the list: the drawing stays
    *path = drawingFolder_ + QLatin1Char('/') + fromStd(std::string(file));
    QPixmap drawing;
    if (!drawing.load(*path)) return false;
    picture_->setPixmap(drawing);
    return true;
}

void ContactOblique::Combo1_Click(const QString& mounting) {
    QString path;
    if (!loadDrawing(mounting, &path))
        attention(fromStd(engine::missingDrawingMessage(toStd(path))));
}

void ContactOblique::calculate() {
    play(engine::calculateOblique(state_, engine::obliqueEntries(readFields()),
                                  torvel::engineDecimalSeparator()));
}

torvel::ReportLines ContactOblique::reportLines() const {
    return engine::obliqueReportLines(engine::obliqueReportFields(readFields()),
                                      toStd(torvel::shortDate()));
}
