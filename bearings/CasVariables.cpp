#include "CasVariables.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "bearing_life.h"
#include "bearing_report.h"
#include "twips.h"
#include "ui_text.h"

using torvel::fromStd;
using torvel::px;
using torvel::toStd;
namespace engine = torvel::bearings;

namespace {

constexpr int kRows = engine::kDutyCases + 1;
constexpr int kColumns = 4;
constexpr int kRowHeight = 240;
constexpr int kBoxHeight = 315;
constexpr int kLabelHeight = 255;

const char* const kHeaders[kColumns] = {"", "Temps (sec)", "Vitesse (Tr/min)", "Charge (N)"};

}  // namespace

// ---- MSFlexGrid1 ----

CasVariablesGrid::CasVariablesGrid(QWidget* parent) : QTableWidget(kRows, kColumns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(px(kRowHeight));
    horizontalHeader()->setMinimumSectionSize(1);
    setColumnWidth(0, px(350));
    for (int c = 1; c < kColumns; ++c) setColumnWidth(c, px(1500));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);  // Tab is taken in focusNextPrevChild()
    QFont cells = font();
    cells.setBold(false);  // the column titles fit their 1500 twips in the regular weight
    setFont(cells);
    setTextElideMode(Qt::ElideNone);

    // Fixed cells are disabled so that neither keys nor clicks make them current;
    // their colours are set so they read as headers, not as greyed cells.
    const QBrush face = palette().brush(QPalette::Button);
    const QBrush ink = palette().brush(QPalette::ButtonText);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem;
            if (r == 0 || c == 0) {
                item->setText(r == 0 ? QString::fromLatin1(kHeaders[c]) : QString::number(r));
                item->setFlags(Qt::NoItemFlags);
                item->setBackground(face);
                item->setForeground(ink);
                item->setTextAlignment(Qt::AlignCenter);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(r, c, item);
        }
    }
    setCurrentCell(1, 1);
}

QString CasVariablesGrid::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CasVariablesGrid::setCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) cell->setText(text);
}

bool CasVariablesGrid::editableCurrent() const { return currentRow() >= 1 && currentColumn() >= 1; }

void CasVariablesGrid::append(const QString& text) {
    if (editableCurrent())
        setCellText(currentRow(), currentColumn(), cellText(currentRow(), currentColumn()) + text);
}

void CasVariablesGrid::keyPressEvent(QKeyEvent* event) {
    const int row = currentRow(), column = currentColumn();
    switch (event->key()) {
        case Qt::Key_Backspace:
            if (editableCurrent()) {
                QString text = cellText(row, column);
                if (!text.isEmpty()) {
                    // A letter outside the basic plane is two units: remove both.
                    const bool pair = text.size() >= 2 && text.back().isLowSurrogate() &&
                                      text.at(text.size() - 2).isHighSurrogate();
                    text.chop(pair ? 2 : 1);
                    setCellText(row, column, text);
                }
            }
            event->accept();
            return;
        case Qt::Key_Delete:
            if (editableCurrent()) setCellText(row, column, QString());
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The cell holds what was typed: on to the same column of the next case.
            if (editableCurrent() && row < rowCount() - 1) setCurrentCell(row + 1, column);
            event->accept();
            return;
        default:
            break;
    }
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!command && !text.isEmpty()) {
        // Every character from code 29 up is typed into the cell; the other
        // control characters do nothing.
        if (text.at(0).unicode() >= 29) append(text);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);  // moving between cells, copy
}

void CasVariablesGrid::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) append(event->commitString());
    event->accept();
}

bool CasVariablesGrid::focusNextPrevChild(bool next) {
    // Cells in reading order: row by row, the three data columns of each.
    const int columns = columnCount() - 1;
    const int last = (rowCount() - 1) * columns - 1;
    const int at = editableCurrent() ? (currentRow() - 1) * columns + currentColumn() - 1 : -1;
    const int to = at < 0 ? (next ? 0 : last) : at + (next ? 1 : -1);
    if (to < 0 || to > last) return QWidget::focusNextPrevChild(next);  // out of the grid
    setCurrentCell(to / columns + 1, to % columns + 1);
    return true;
}

void CasVariablesGrid::focusInEvent(QFocusEvent* event) {
    // Reached by Tab, the grid starts at its first cell; by Shift+Tab, at its last.
    if (event->reason() == Qt::TabFocusReason) setCurrentCell(1, 1);
    if (event->reason() == Qt::BacktabFocusReason)
        setCurrentCell(rowCount() - 1, columnCount() - 1);
    QTableWidget::focusInEvent(event);
}

QModelIndex CasVariablesGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid()) return next;
    return model()->index(std::max(1, next.row()), std::max(1, next.column()));
}

// ---- the window ----

// clang-format off
CasVariables::CasVariables(QWidget* parent) : StudyWindow({.typeName = QStringLiteral("CasVariables"),
        .caption = QStringLiteral("Cas Variables"), .captionPrefix = QStringLiteral("Cas Variables - Etude "),
        .clientWidth = 11550, .clientHeight = 7500, .frameWidth = 10950, .frameHeight = 14700,
        .frameCaption = QStringLiteral(
                       "Durée de Vie d'un Element Roulant soumis à des Cas Variables")}, parent) {
    // clang-format on
    const int gridHeight = kRows * kRowHeight + 60;
    QGroupBox* cases =
        addGroup(frame(), QStringLiteral("Frame2"), QStringLiteral("Cas à Paramètres Constants"),
                 150, 300, 5250, gridHeight + 500);
    grid_ = new CasVariablesGrid(cases);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setGeometry(torvel::pxRect(150, 330, 350 + 3 * 1500 + 60, gridHeight));
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QGroupBox* reference = addGroup(frame(), QStringLiteral("Frame3"), QStringLiteral("Référence"),
                                    5550, 300, 5250, 750);
    addReference(reference, 150, 330, 4950, kBoxHeight);

    QGroupBox* kind = addGroup(frame(), QStringLiteral("Frame4"), QStringLiteral("Type d'élément"),
                               5550, 1150, 5250, 750);
    element_ = new QComboBox(kind);
    element_->setObjectName(QStringLiteral("Combo1"));
    for (std::string_view item : engine::dutyElementItems())
        element_->addItem(fromStd(std::string(item)));
    element_->setGeometry(torvel::pxRect(150, 330, 4950, kBoxHeight));

    auto field = [&](QWidget* group, const QString& name, const QString& caption,
                     const QString& tip, int left, int top, bool input) {
        addLabelledBox(group, {.name = name,
                               .caption = caption,
                               .labelLeft = left,
                               .labelWidth = 550,
                               .boxLeft = left + 550,
                               .boxWidth = 1750,
                               .top = top,
                               .tip = tip,
                               .tipOn = LabelledBox::Tip::Both,
                               .role = input ? LabelledBox::Role::Entry : LabelledBox::Role::Result,
                               .labelHeight = kLabelHeight});
    };

    QGroupBox* rating = addGroup(frame(), QStringLiteral("Frame5"),
                                 QStringLiteral("Charges de Base"), 5550, 2000, 5250, 750);
    field(rating, QStringLiteral("TextC"), QStringLiteral("C  ="),
          QStringLiteral("Charge Dynamique de Base (N)"), 150, 330, true);

    QGroupBox* applied =
        addGroup(frame(), QStringLiteral("Frame6"),
                 QStringLiteral("Valeurs Appliquées à l'Ensemble"), 5550, 2850, 5250, 1150);
    field(applied, QStringLiteral("TextN"), QStringLiteral("N ="),
          QStringLiteral("Vitesse Moyenne (Tr/min)"), 150, 330, false);
    field(applied, QStringLiteral("TextT"), QStringLiteral("T ="),
          QStringLiteral("Temps Total en secondes"), 2650, 330, false);
    field(applied, QStringLiteral("TextP"), QStringLiteral("P ="),
          QStringLiteral("Charge Dynamique Equivalente (N)"), 150, 730, false);

    QGroupBox* life =
        addGroup(frame(), QStringLiteral("Frame7"), QStringLiteral("Durée de Vie de l'Ensemble"),
                 5550, 4100, 5250, 2000);
    QGroupBox* reliability =
        addGroup(life, QStringLiteral("Frame8"), QStringLiteral("Fiabilité"), 150, 300, 2000, 750);
    reliability_ = new QComboBox(reliability);
    reliability_->setObjectName(QStringLiteral("ComboFiabilité"));
    for (std::string_view item : engine::reliabilityItems())
        reliability_->addItem(fromStd(std::string(item)));
    reliability_->setGeometry(torvel::pxRect(150, 330, 1700, kBoxHeight));
    QGroupBox* lives = addGroup(life, QStringLiteral("Frame9"), QStringLiteral("Durée de Vie"), 150,
                                1100, 4950, 750);
    field(lives, QStringLiteral("TextL10"), QStringLiteral("L ="),
          QStringLiteral("Durée de vie (millions de tours)"), 100, 330, false);
    field(lives, QStringLiteral("TextL10H"), QStringLiteral("L h ="),
          QStringLiteral("Durée de vie (Heures)"), 2500, 330, false);

    // The lists take typed texts too; a text of neither list leaves the
    // exponent or the factor as the engine last had it.
    for (QComboBox* combo : {element_, reliability_}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCurrentIndex(0);
    }

    addCalculer(frame(), 1100, 6350, 1800, 450);
    addImprimer(frame(), 3400, 6350, 1800, 450);
    addModifiedLifeGroup();
    setTextReport({[this] { return std::optional(reportLines()); },
                   QString::fromUtf8(torvel::bearings::kMsgPrintFailed)});
    // Every control shows its opening text by now: an older file lacking the
    // modified life's entries opens with the group as a new window shows it.
    declareInputs({"MSFlexGrid1", "Combo1", "TextC", "ComboFiabilité", "Textd", "TextDext",
                   "TextCu", "TextNu40", "TextNu100", "TextTemperature", "ComboPollution",
                   "ComboDisposition"});
}

// The modified rating life of ISO 281:2007 below the basic life: the bearing,
// its oil and cleanliness on the left, each case's κ, aISO and Lnm on the
// right beside the case table's order, then the combined life.
void CasVariables::addModifiedLifeGroup() {
    QGroupBox* group =
        addGroup(frame(), QStringLiteral("FrameDureeCorrigee"),
                 QStringLiteral("Durée de Vie Corrigée (ISO 281:2007)"), 150, 6950, 10650, 7600);
    auto box = [&](const char* name, const char* caption, const char* tip, int left, int top,
                   int labelWidth, int boxWidth, bool entry, const QString& text) {
        return addLabelledBox(group,
                              {.name = QString::fromLatin1(name),
                               .caption = QString::fromUtf8(caption),
                               .labelLeft = left,
                               .labelWidth = labelWidth,
                               .boxLeft = left + labelWidth + 50,
                               .boxWidth = boxWidth,
                               .top = top,
                               .tip = QString::fromUtf8(tip),
                               .tipOn = LabelledBox::Tip::Both,
                               .role = entry ? LabelledBox::Role::Entry : LabelledBox::Role::Result,
                               .text = text});
    };
    // The same entries as in Roulement; T is TextTemperature here, TextT being the total time.
    const struct {
        const char *name, *caption, *tip, *text;
    } kEntries[] = {
        {"Textd", "d (mm) =", "Diamètre d'alésage (mm)", "0"},
        {"TextDext", "D (mm) =", "Diamètre extérieur (mm)", "0"},
        {"TextCu", "Cu (N) =", "Charge limite de fatigue (N), donnée du fabricant", "0"},
        {"TextNu40",
         "ν40 (mm²/s) =", "Viscosité de l'huile à 40 °C (huile de base pour une graisse)", "0"},
        {"TextNu100", "ν100 (mm²/s) =", "Viscosité de l'huile à 100 °C", "0"},
        {"TextTemperature", "T (°C) =", "Température de fonctionnement", "70"},
    };
    int top = 330;
    for (const auto& e : kEntries) {
        box(e.name, e.caption, e.tip, 150, top, 1500, 1400, true, QString::fromLatin1(e.text));
        top += 420;
    }
    // Lists that offer only their items: a level or a disposition outside them has no factor.
    auto list = [&](const char* name, const char* labelName, const char* caption,
                    const std::vector<std::string_view>& items, std::string_view current) {
        QStringList texts;
        for (std::string_view item : items) texts << fromStd(std::string(item));
        addCaptionedList(group, {.name = QString::fromLatin1(name),
                                 .caption = QString::fromUtf8(caption),
                                 .labelName = QString::fromLatin1(labelName),
                                 .labelLeft = 150,
                                 .labelWidth = 1250,
                                 .boxLeft = 1450,
                                 .boxWidth = 2800,
                                 .top = top,
                                 .items = texts,
                                 .labelHeight = kLabelHeight,
                                 .boxHeight = kBoxHeight})
            ->setCurrentText(fromStd(std::string(current)));
        top += 420;
    };
    list("ComboPollution", "LabelPollution", "Propreté :", engine::cleanlinessItems(),
         engine::kCleanlinessDefault);
    list("ComboDisposition", "LabelDisposition", "Disposition :", engine::dispositionItems(),
         engine::kDispositionRadial);

    // One row a case, the columns captioned above; the note names each box by its case.
    const QColor face = palette().color(QPalette::Button);
    constexpr int kLeft[] = {5300, 6700, 8100}, kWidth[] = {1300, 1300, 2400};
    const char* const kColumns[] = {"κ", "aISO", "Lnm (millions de tours)"};
    const char* const kTips[] = {"Rapport de viscosité ν / ν1 du cas %1",
                                 "Coefficient de modification de la durée du cas %1",
                                 "Durée de vie corrigée du cas %1 (millions de tours)"};
    addLabel(group, QStringLiteral("LabelCasCorrigee"), QStringLiteral("Cas"), 4700, 330, 500,
             kLabelHeight);
    for (size_t k = 0; k < 3; ++k)
        addLabel(group, QStringLiteral("LabelColonneCorrigee%1").arg(k + 1),
                 QString::fromUtf8(kColumns[k]), kLeft[k], 330, kWidth[k], kLabelHeight);
    for (int j = 1; j <= engine::kDutyCases; ++j) {
        const int rowTop = 630 + 270 * (j - 1);
        addLabel(group, QStringLiteral("LabelCasCorrigee%1").arg(j), QString::number(j), 4700,
                 rowTop, 500, kLabelHeight);
        for (size_t k = 0; k < 3; ++k) {
            QLineEdit* e =
                addEdit(group, fromStd(engine::dutyPhaseTarget(engine::kDutyPhaseBoxes[k], j)),
                        QString(), kLeft[k], rowTop, kWidth[k], kLabelHeight);
            e->setReadOnly(true);
            e->setToolTip(QString::fromUtf8(kTips[k]).arg(j));
            QPalette pal = e->palette();
            pal.setColor(QPalette::Base, face);
            e->setPalette(pal);
        }
    }
    box("TextLnm", "Lnm =", "Durée de vie corrigée (millions de tours)", 4700, 6200, 700, 1750,
        false, QString());
    box("TextLnmh", "Lnm h =", "Durée de vie corrigée (Heures)", 7900, 6200, 950, 1650, false,
        QString());

    // Up to three lines: a note names the cases it concerns.
    QLabel* note =
        addLabel(group, QStringLiteral("LabelDureeCorrigee"), QString(), 150, 6650, 10350, 765);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    declareMessageLabels({note});
    declareOptionalGroup(group, [this] {
        return engine::modifiedLifeInUse(
            engine::modifiedLifeEntries(readFields(), "TextTemperature"));
    });
}

engine::DutyGrid CasVariables::readGrid() const {
    engine::DutyGrid cells;
    for (int i = 0; i < engine::kDutyCases; ++i)
        for (int c = 0; c < 3; ++c)
            cells[static_cast<size_t>(i)][static_cast<size_t>(c)] =
                toStd(grid_->cellText(i + 1, c + 1));
    return cells;
}

void CasVariables::calculate() {
    play(engine::calculateDuty(state_, engine::dutyEntries(readFields(), readGrid()),
                               torvel::engineDecimalSeparator()));
}

torvel::ReportLines CasVariables::reportLines() const {
    torvel::Fields fields = readFields();
    // readFields() takes boxes and lists; the report also prints the group's note.
    fields.set("LabelDureeCorrigee", toStd(fieldText(QStringLiteral("LabelDureeCorrigee"))));
    return engine::dutyReportLines(engine::dutyReportFields(fields, readGrid()), state_,
                                   toStd(torvel::shortDate()), torvel::engineDecimalSeparator());
}
