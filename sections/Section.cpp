#include "Section.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "pictures.h"
#include "twips.h"
#include "ui_text.h"

static void initSectionResources() { Q_INIT_RESOURCE(section_window); }

namespace sections = torvel::sections;

namespace {

constexpr int kPictureWidth = 4200;  // twips; the drawings are 280 x 240 pixels
constexpr int kPictureHeight = 3600;

// One result row: box, label, caption and the unit shown as tooltip.
struct ResultRow {
    const char* box;
    const char* label;
    const char* caption;
    const char* unit;
    bool blank = false;  // empty until the first calculation, instead of "0"
};

struct ResultGroup {
    const char* name;
    const char* title;
    int top;
    QList<ResultRow> rows;
};

// The result groups inside Frame2 "Résultats", top to bottom (twips).
const QList<ResultGroup>& resultGroups() {
    static const QList<ResultGroup> groups = {
        {"Frame3",
         "Position du barycentre G",
         300,
         {{"TextyG", "LabelyG", "yG =", "( mm )"}, {"TextzG", "LabelzG", "zG =", "( mm )"}}},
        {"Frame4", "Aire de la Section", 1500, {{"TextS", "LabelS", "S =", "( mm 2 )"}}},
        {"Frame5", "Moment Quadratique Polaire", 2340, {{"TextIG", "LabelIG", "IG =", "( mm 4 )"}}},
        {"Frame6",
         "Moment Quadratique",
         3180,
         {{"TextIGy", "LabelIGy", "IGy =", "( mm 4 )"},
          {"TextIGz", "LabelIGz", "IGz =", "( mm 4 )"}}},
        {"Frame7",
         "Module de Flexion",
         4380,
         {{"TextIGyv", "LabelIGyv", "IGy/v =", "( mm 3 )"},
          {"TextIGzv", "LabelIGzv", "IGz/v =", "( mm 3 )"}}},
        {"Frame11",
         "Rayon de Giration",
         5580,
         {{"Textry", "Labelry", "r ( y ) =", "( mm )"},
          {"Textrz", "Labelrz", "r ( z ) =", "( mm )"}}},
    };
    return groups;
}

}  // namespace

// clang-format off
Section::Section(QWidget* parent) : StudyWindow({.typeName = QStringLiteral("Section"),
        .caption = QStringLiteral("Section"), .captionPrefix = QStringLiteral("Section - Etude "),
        .clientWidth = 11280, .clientHeight = 8700, .frameWidth = 10400, .frameHeight = 9540,
        .frameCaption = QStringLiteral("Calcul de Section")}, parent) {
    // clang-format on
    QList<QWidget*> groups, boxes, labels;

    QGroupBox* frame10 = addGroup(frame(), QStringLiteral("Frame10"), QStringLiteral("Référence"),
                                  150, 300, 4700, 720);
    addReference(frame10, 120, 300, 4460, 315);

    QGroupBox* frame9 = addGroup(frame(), QStringLiteral("Frame9"),
                                 QStringLiteral("Choix de la Section"), 150, 1140, 4700, 4560);
    QLabel* labelType =
        addLabel(frame9, QStringLiteral("LabelType"), QStringLiteral("Type :"), 240, 345, 700, 255);
    comboType_ = new QComboBox(frame9);
    comboType_->setObjectName(QStringLiteral("ComboType"));
    comboType_->setGeometry(torvel::pxRect(960, 300, 3000, 315));
    // Our own line edit, so that these handlers run around the selector's own
    // reaction to Enter and to the end of an edit: a name typed in full must not
    // count as a choice.
    auto* comboText = new QLineEdit(comboType_);
    for (auto signal : {&QLineEdit::returnPressed, &QLineEdit::editingFinished})
        connect(comboText, signal, this, [this] { typing_ = true; });
    comboType_->setLineEdit(comboText);
    for (auto signal : {&QLineEdit::returnPressed, &QLineEdit::editingFinished})
        connect(comboText, signal, this, [this] { typing_ = false; });
    comboType_->setInsertPolicy(QComboBox::NoInsert);
    comboType_->setCompleter(nullptr);  // names match exactly, as typed
    comboType_->setMaxVisibleItems(12);
    labelType->setBuddy(comboType_);
    connect(comboType_, &QComboBox::activated, this, [this](int index) {
        if (!typing_) chooseShape(comboType_->itemText(index));
    });

    picture_ = new QLabel(frame9);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture_->setLineWidth(1);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setGeometry(torvel::pxRect(235, 765, kPictureWidth + 30, kPictureHeight + 30));

    QGroupBox* frame8 = addGroup(frame(), QStringLiteral("Frame8"), QStringLiteral("Données"), 150,
                                 5820, 4700, 1200);
    const char* const letters = "abcd";
    for (int i = 0; i < 4; ++i) {
        const QChar letter = QChar::fromLatin1(letters[i]);
        const int left = i % 2 == 0 ? 120 : 2400;
        const int top = i < 2 ? 300 : 720;
        QLabel* label = addLabel(frame8, QStringLiteral("Label%1").arg(letter),
                                 QStringLiteral("%1 (mm) =").arg(letter), left, top + 30, 950, 255);
        QLineEdit* box = addEdit(frame8, QStringLiteral("Text%1").arg(letter), QStringLiteral("0"),
                                 left + 960, top, 1150, 315);
        label->setBuddy(box);
        attachNumericFilter(box);
        boxes << box;
        labels << label;
    }

    QGroupBox* frame2 = addGroup(frame(), QStringLiteral("Frame2"), QStringLiteral("Résultats"),
                                 5000, 300, 5250, 6780);
    groups << frame2;
    QList<QWidget*> resultBoxes, resultLabels;
    auto addRows = [&](QGroupBox* group, const QList<ResultRow>& rows) {
        int top = 300;
        for (const ResultRow& r : rows) {
            QLabel* label = addLabel(group, QString::fromLatin1(r.label),
                                     QString::fromUtf8(r.caption), 240, top + 30, 1000, 255);
            QLineEdit* box =
                addEdit(group, QString::fromLatin1(r.box),
                        r.blank ? QString() : QStringLiteral("0"), 1320, top, 3000, 315);
            box->setToolTip(QString::fromLatin1(r.unit));
            box->setReadOnly(true);
            label->setBuddy(box);
            resultBoxes << box;
            resultLabels << label;
            top += 360;
        }
    };
    for (const ResultGroup& g : resultGroups()) {
        QGroupBox* group =
            addGroup(frame2, QString::fromLatin1(g.name), QString::fromUtf8(g.title), 120, g.top,
                     5010, 300 + 360 * static_cast<int>(g.rows.size()) + 60);
        groups << group;
        addRows(group, g.rows);
    }
    // Principal axes: in Frame1 below the buttons, so that the design places stay;
    // aligned with the result groups of Frame2. Empty until computed.
    QGroupBox* axes = addGroup(frame(), QStringLiteral("FrameAxesPrincipaux"),
                               QStringLiteral("Axes Principaux"), 5120, 7900, 5010, 1440);
    addRows(axes, {{"TextIu", "LabelIu", "Iu =", "( mm 4 )", true},
                   {"TextIv", "LabelIv", "Iv =", "( mm 4 )", true},
                   {"Textrmin", "Labelrmin", "r mini =", "( mm )", true}});
    groups << frame8 << frame9 << frame10 << axes;
    boxes << resultBoxes;
    labels << resultLabels << labelType;
    recoloured_ << groups << boxes << labels;

    addCalculer(frame(), 2800, 7260, 1800, 500);
    addImprimer(frame(), 5800, 7260, 1800, 500);

    // Form_Load: the first shape, the drawing stored with the window, its fields.
    comboType_->setEditText(QStringLiteral("Rectangle Plein"));
    picture_->setPixmap(storedDrawing());
    applyLayout(*sections::shapeLayout("Rectangle Plein"));
    for (std::string_view name : sections::shapeNames())
        comboType_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    comboType_->setEditText(QStringLiteral("Rectangle Plein"));
    setImageReport({recoloured_, {}, &Section::printCaption});
    declareInputs({"ComboType", "Texta", "Textb", "Textc", "Textd"});
    setNoteDrawing({.svg = [this] { return QStringLiteral(":/sections/%1.svg").arg(drawing_); }});
}

QString Section::imagesFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/");
}

QPixmap Section::storedDrawing() {
    static const bool ready = (initSectionResources(), true);
    (void)ready;
    return torvel::svgPicture(QStringLiteral(":/sections/stored-drawing.svg"),
                              QSize(torvel::px(kPictureWidth), torvel::px(kPictureHeight)));
}

void Section::applyLayout(const sections::ShapeLayout& layout) {
    for (const auto& [name, shown] : layout.visible)
        if (QWidget* w = findChild<QWidget*>(QString::fromStdString(name))) w->setVisible(shown);
}

void Section::chooseShape(const QString& name) {
    const auto layout = sections::shapeLayout(name.toStdString());
    if (!layout) return;  // only list items are chosen; nothing to show for another text
    const QString file = imagesFolder() + QString::fromStdString(layout->picture);
    QPixmap drawing;
    const bool loaded = drawing.load(file);
    if (loaded) picture_->setPixmap(drawing);
    drawing_ = QFileInfo(file).completeBaseName();
    applyLayout(*layout);
    if (!loaded)
        attention(QStringLiteral("Le dessin de la section est introuvable ou illisible :\n%1")
                      .arg(QDir::toNativeSeparators(file)));
}

void Section::calculate() {
    const torvel::Fields fields = readFields();
    play(sections::calculateSectionWithAxes(results_, sections::sectionEntries(fields),
                                            torvel::engineDecimalSeparator()));
}

QString Section::printCaption() {
    return QStringLiteral("Calcul de Section établi le %1 à %2")
        .arg(torvel::shortDate(), torvel::shortTime());
}
