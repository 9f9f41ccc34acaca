#include "ChainesDeCotes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <atomic>
#include <thread>
#include <utility>

#include "ChainHistogram.h"
#include "chain_sampling.h"
#include "numbers.h"
#include "twips.h"
#include "ui_text.h"

namespace {

const char* const kRows = "ABCDEF";
const char* const kInnerLabels = "MNOPQR";

QString resultName(int chain, int index) {
    return torvel::fromStd(torvel::chainResultName(chain, index));
}

QString boxName(bool outer, int chain, const char* part, int row) {
    return torvel::fromStd(torvel::chainBoxName(outer, chain, part, row));
}

QString statName(const char* base, int chain) {
    return torvel::fromStd(torvel::statName(base, chain));
}

// The tolerancing grid: a header row, then one row a dimension (A to F, M to R).
enum Column { ColCote, ColClasse, ColLoi, ColCp, ColVariance, ColIT, ColCount };

// The law is chosen in a list of the three laws.
class LawDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* combo = new QComboBox(parent);
        for (const char* law : torvel::kLawNames) combo->addItem(QString::fromUtf8(law));
        return combo;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data().toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    }
};

QTableWidgetItem* headerCell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::NoItemFlags);
    return item;
}

// Why a study file's tolerancing cannot be put back, "" when it can. A class
// is any text the cell takes: one the nominal cannot have is refused by
// "Calculer", by name, as when it was typed; a law is one of the list's.
QString checkTolerancing(const QJsonObject& inputs) {
    for (int chain = 1; chain <= 2; ++chain) {
        const QJsonArray rows = inputs.value(statName("GridStat", chain)).toArray();
        for (int row = 0; row < 12 && row < rows.size(); ++row) {
            const QJsonArray cells = rows.at(row).toArray();
            const QString cote = torvel::fromStd(torvel::rowLetter(chain, row));
            for (const QJsonValue& value : cells)
                if (!value.isString())
                    return QStringLiteral("une cellule de la cote %1 n'est pas un texte").arg(cote);
            const QString law = cells.at(ColLoi - 1).toString().trimmed();
            if (!torvel::lawNamed(torvel::toStd(law)))
                return QStringLiteral("la loi « %1 » de la cote %2 est inconnue").arg(law, cote);
        }
    }
    return {};
}

}  // namespace

// A simulation in flight: both chains' runs on a thread of their own, which
// uses every core for its blocks.
struct ChainesDeCotes::Job {
    int id = 0;
    std::array<std::atomic<bool>, 2> cancel{};  // each chain's run apart
    std::array<std::optional<torvel::sampling::Simulation>, 2> runs;
    std::array<torvel::sampling::SimulationResult, 2> results;
    std::thread thread;
};

// clang-format off
ChainesDeCotes::ChainesDeCotes(QWidget* parent) : StudyWindow({.typeName = QStringLiteral("ChainesDeCotes"),
        .caption = QStringLiteral("Cotation Fonctionnelle"), .captionPrefix = QStringLiteral("Cotation Fonctionnelle - Etude "),
        .clientWidth = 11370, .clientHeight = 7605, .frameWidth = 13000, .frameHeight = 19000,
        .frameCaption = QStringLiteral("Chaîne de cotes")}, parent) {
    // clang-format on
    groups_ << frame();
    QGroupBox* frame2 = addGroup(frame(), QStringLiteral("Frame2"),
                                 QStringLiteral("Calcul du Jeu 1"), 150, 300, 6250, 7400);
    QGroupBox* frame3 = addGroup(frame(), QStringLiteral("Frame3"),
                                 QStringLiteral("Calcul du Jeu 2"), 6600, 300, 6250, 7400);
    groups_ << frame2 << frame3;
    buildChain(1, frame2);
    buildChain(2, frame3);
    buildStatistical(1, 150);
    buildStatistical(2, 6600);
    buildTolerancing(1, 150, 9550);
    buildTolerancing(2, 6600, 9550);

    addCalculer(frame(), 3800, 8000, 1800, 500);
    addImprimer(frame(), 7400, 8000, 1800, 500);
    setImageReport({groups_,
                    {findChild<QWidget*>(QStringLiteral("BT_RAZ1")),
                     findChild<QWidget*>(QStringLiteral("BT_RAZ2"))},
                    &ChainesDeCotes::printCaption});
    QStringList inputs;
    for (int chain = 1; chain <= 2; ++chain)
        for (bool outer : {true, false})
            for (const char* part : {"", "Max", "min"})
                for (int row = 0; row < 6; ++row) inputs << boxName(outer, chain, part, row);
    declareInputs(inputs);
    // A chain with no dimension is not part of the study: its note leaves it out.
    for (int chain = 1; chain <= 2; ++chain) {
        auto used = [this, chain] {
            for (bool outer : {true, false})
                for (const char* part : {"", "Max", "min"})
                    for (int row = 0; row < 6; ++row)
                        if (torvel::readNumber(fieldText(boxName(outer, chain, part, row))) != 0)
                            return true;
            return false;
        };
        declareOptionalGroup(chain == 1 ? frame2 : frame3, used);
        declareOptionalGroup(findChild<QGroupBox*>(QStringLiteral("FrameRSS%1").arg(chain)), used);
    }
    // The second chain's free note is the study's as much as its reference.
    keepInputs({QStringLiteral("Text1")});
    QStringList tolerancing;
    for (int chain = 1; chain <= 2; ++chain)
        for (const char* base :
             {"GridStat", "TextJminRequis", "TextJmaxRequis", "TextTirages", "TextGraine"})
            tolerancing << statName(base, chain);
    declareInputs(tolerancing);
    // A new run, or any change to what it reads, drops a simulation in flight;
    // a chain's RAZ drops only that chain's.
    auto edited = [this] {
        if (!resetting_) cancelSimulation();
    };
    for (const QString& name : inputs + tolerancing) {
        if (auto* grid = findChild<QTableWidget*>(name))
            connect(grid, &QTableWidget::itemChanged, this, edited);
        else if (auto* edit = findChild<QLineEdit*>(name))
            connect(edit, &QLineEdit::textChanged, this, edited);
    }
    for (int chain = 1; chain <= 2; ++chain) {
        QGroupBox* group = findChild<QGroupBox*>(statName("FrameStat", chain));
        declareOptionalGroup(group, [this, chain] {
            return torvel::statisticsInUse(statEntries(chain),
                                           torvel::chainFromFields(readFields(), chain));
        });
        declareMessageLabels({findChild<QLabel*>(statName("LabelStat", chain))});
    }
    noteHistograms_ = new ChainNoteHistograms(this);
    refreshNoteDrawing();
    // A study file's grid is checked cell by cell: a law or a class it cannot
    // take is refused by name before anything changes.
    setKeptState({.save = [] { return QJsonObject(); },
                  .check = [](const QJsonObject& inputs) { return checkTolerancing(inputs); },
                  .restore = {}});
}

ChainesDeCotes::~ChainesDeCotes() {
    if (!job_) return;
    for (auto& cancel : job_->cancel) cancel = true;
    job_->thread.join();
}

void ChainesDeCotes::buildChain(int chain, QGroupBox* group) {
    const QString n = QString::number(chain);
    QGroupBox* ref = addGroup(group, QStringLiteral("FrameRef%1").arg(chain),
                              QStringLiteral("Référence"), 120, 240, 4600, 720);
    if (chain == 1)
        addReference(ref, 120, 300, 4360, 315);
    else
        addEdit(ref, QStringLiteral("Text1"), QString(), 120, 300, 4360, 315);
    QPushButton* raz = addButton(group, QStringLiteral("BT_RAZ%1").arg(chain),
                                 QStringLiteral("RAZ"), 4900, 380, 1200, 420);
    connect(raz, &QPushButton::clicked, this, [this, chain] { reset(chain); });

    const QString prime = chain == 2 ? QStringLiteral("'") : QString();
    for (const bool outer : {true, false}) {
        QGroupBox* side = addGroup(
            group, QStringLiteral("Frame%1%2").arg(outer ? "Ext" : "Int").arg(chain),
            outer ? QStringLiteral("Cotes Extérieures") : QStringLiteral("Cotes Intérieures"),
            outer ? 120 : 3180, 1080, 2950, 5400);
        groups_ << side;
        for (int row = 0; row < 6; ++row) {
            const int y = 600 + 840 * row;
            const QChar letter = QChar::fromLatin1(outer ? kRows[row] : kInnerLabels[row]);
            QLabel* label =
                addLabel(side,
                         QStringLiteral("Label%1%2%3")
                             .arg(outer ? "e" : "i")
                             .arg(n)
                             .arg(QChar::fromLatin1(kRows[row])),
                         QStringLiteral("%1%2 =").arg(letter).arg(prime), 100, y + 30, 480, 255);
            QLineEdit* nominal = addEdit(side, boxName(outer, chain, "", row), QStringLiteral("0"),
                                         580, y, 1150, 315);
            QLineEdit* upper = addEdit(side, boxName(outer, chain, "Max", row), QStringLiteral("0"),
                                       1820, y - 240, 1000, 315);
            QLineEdit* lower = addEdit(side, boxName(outer, chain, "min", row), QStringLiteral("0"),
                                       1820, y + 120, 1000, 315);
            // The two boxes have no caption of their own: their role is named.
            for (auto [box, role] :
                 {std::pair{upper, "écart supérieur"}, std::pair{lower, "écart inférieur"}}) {
                box->setAccessibleName(QString::fromUtf8(role));
                box->setToolTip(QString::fromUtf8(role));
            }
            label->setBuddy(nominal);
        }
    }

    QLabel* jeu = addLabel(group, QStringLiteral("LabelJeu%1").arg(chain),
                           QStringLiteral("Jeu %1 =").arg(chain), 120, 6880, 900, 255);
    const int x[] = {1000, 2500, 2500, 4250, 4250};
    const int y[] = {6880, 6640, 7000, 6640, 7000};
    for (int i = 0; i < 5; ++i) {
        QLabel* result = addLabel(group, resultName(chain, i),
                                  QString::fromUtf8(torvel::kChainIdle[i]), x[i], y[i], 1450, 255);
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (i == 0) jeu->setBuddy(result);
    }
    addLabel(group, QStringLiteral("LabelEgal%1Max").arg(chain), QStringLiteral("="), 3980, 6640,
             200, 255);
    addLabel(group, QStringLiteral("LabelEgal%1min").arg(chain), QStringLiteral("="), 3980, 7000,
             200, 255);
    // Design captions differ from the idle ones by a trailing space.
    if (chain == 2) findChild<QLabel*>(resultName(2, 3))->setText(QStringLiteral(" Jeu Maxi "));
    findChild<QLabel*>(resultName(chain, 4))->setText(QStringLiteral(" Jeu mini "));
    groups_ << ref;
}

// Below its chain, under the buttons, so that the chains keep their design places.
void ChainesDeCotes::buildStatistical(int chain, int left) {
    QGroupBox* group =
        addGroup(frame(), QStringLiteral("FrameRSS%1").arg(chain),
                 QStringLiteral("Jeu statistique (quadratique)"), left, 8650, 6250, 780);
    groups_ << group;
    const struct {
        int index;
        const char* caption;
        int left;
    } rows[] = {{5, "Jeu Maxi :", 120}, {6, "Jeu mini :", 3180}};
    for (const auto& row : rows) {
        const QString name = resultName(chain, row.index);
        QLabel* label = addLabel(group, QStringLiteral("Label") + name.mid(4),
                                 QString::fromUtf8(row.caption), row.left, 360, 1000, 255);
        QLabel* result = addLabel(group, name, QString(), row.left + 1050, 360, 1450, 255);
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setBuddy(result);
    }
}

void ChainesDeCotes::showIdle(int chain) {
    for (int i = 0; i < 7; ++i)
        findChild<QLabel*>(resultName(chain, i))
            ->setText(i < 5 ? QString::fromUtf8(torvel::kChainIdle[i]) : QString());
}

// Below the chain's quadratic result: the need, the run's size, the grid of
// the dimensions, the results and the histogram.
void ChainesDeCotes::buildTolerancing(int chain, int left, int top) {
    QGroupBox* group = addGroup(frame(), statName("FrameStat", chain),
                                QStringLiteral("Tolérancement statistique"), left, top, 6250, 9300);
    groups_ << group;
    auto entry = [&](const char* base, const char* caption, const QString& text, int x, int y) {
        addLabelledBox(group, {.name = statName(base, chain),
                               .caption = QString::fromUtf8(caption),
                               .labelLeft = x,
                               .labelWidth = 1500,
                               .boxLeft = x + 1530,
                               .boxWidth = 1300,
                               .top = y,
                               .text = text});
    };
    entry("TextJminRequis", "Jeu mini requis", QString(), 120, 300);
    entry("TextJmaxRequis", "Jeu maxi requis", QString(), 3180, 300);
    entry("TextTirages", "Tirages", QString::fromUtf8(torvel::kDefaultCount), 120, 700);
    entry("TextGraine", "Graine", QString::fromUtf8(torvel::kDefaultSeed), 3180, 700);

    auto* grid = new QTableWidget(13, ColCount, group);
    grid->setObjectName(statName("GridStat", chain));
    grid->setGeometry(torvel::pxRect(120, 1100, 6010, 3250));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(torvel::px(240));
    grid->setItemDelegateForColumn(ColLoi, new LawDelegate(grid));
    // Results and captions are read-only cells drawn in the text colour.
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     palette.color(QPalette::Active, QPalette::Text));
    grid->setPalette(palette);
    const int widths[] = {500, 800, 1250, 550, 1550, 1050};
    const char* const titles[] = {"Cote", "Classe", "Loi", "Cp", "Part (variance)", "Part (IT)"};
    for (int c = 0; c < ColCount; ++c) {
        grid->setColumnWidth(c, torvel::px(widths[c]));
        grid->setItem(0, c, headerCell(QString::fromUtf8(titles[c])));
    }
    for (int row = 0; row < 12; ++row) {
        grid->setItem(row + 1, ColCote, headerCell(torvel::fromStd(torvel::rowLetter(chain, row))));
        grid->setItem(row + 1, ColClasse, new QTableWidgetItem(QString()));
        grid->setItem(row + 1, ColLoi,
                      new QTableWidgetItem(QString::fromUtf8(torvel::kLawNames[0])));
        grid->setItem(row + 1, ColCp, new QTableWidgetItem(QStringLiteral("1")));
        grid->setItem(row + 1, ColVariance, headerCell(QString()));
        grid->setItem(row + 1, ColIT, headerCell(QString()));
        grid->setRowHidden(row + 1, true);
        QLineEdit* nominal = findChild<QLineEdit*>(boxName(row < 6, chain, "", row % 6));
        connect(nominal, &QLineEdit::textChanged, this,
                [this, chain, row] { refreshRow(chain, row); });
    }
    connect(grid, &QTableWidget::itemChanged, this, [this, chain](QTableWidgetItem* item) {
        if (item->column() == ColClasse && item->row() > 0) refreshRow(chain, item->row() - 1);
    });
    grids_[static_cast<size_t>(chain - 1)] = grid;

    QLabel* verdict =
        addLabel(group, statName("LabelStat", chain), QString(), 120, 4450, 6010, 480);
    verdict->setWordWrap(true);
    verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto result = [&](const char* base, const char* caption, int x, int y, int labelWidth,
                      int width) {
        QLabel* label = addLabel(group, QStringLiteral("Label") + statName(base, chain).mid(4),
                                 QString::fromUtf8(caption), x, y, labelWidth, 255);
        QLabel* value =
            addLabel(group, statName(base, chain), QString(), x + labelWidth, y, width, 255);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setBuddy(value);
    };
    result("TextMoyenne", "Jeu moyen :", 120, 5000, 1500, 1400);
    result("TextSigma", "Écart type σ :", 3180, 5000, 1500, 1400);
    result("TextCp", "Cp :", 120, 5330, 1500, 1400);
    result("TextCpk", "Cpk :", 3180, 5330, 1500, 1400);
    result("TextPpm", "Hors tolérance (ppm) :", 120, 5660, 2350, 1150);
    result("TextIntervalle", "IC 95 % :", 3650, 5660, 950, 1550);
    result("TextMethode", "Méthode :", 120, 5990, 1100, 4900);

    auto* histogram = new ChainHistogram(chain, group);
    histogram->setObjectName(statName("PictureHisto", chain));
    histogram->setGeometry(torvel::pxRect(120, 6350, 6010, 2800));
    histograms_[static_cast<size_t>(chain - 1)] = histogram;
}

torvel::StatEntries ChainesDeCotes::statEntries(int chain) const {
    torvel::StatEntries e;
    const QTableWidget* grid = grids_[static_cast<size_t>(chain - 1)];
    for (int row = 0; row < 12; ++row) {
        auto cell = [&](int c) { return torvel::toStd(grid->item(row + 1, c)->text()); };
        e.rows[static_cast<size_t>(row)] = {cell(ColClasse), cell(ColLoi), cell(ColCp)};
    }
    e.minRequired = torvel::toStd(fieldText(statName("TextJminRequis", chain)));
    e.maxRequired = torvel::toStd(fieldText(statName("TextJmaxRequis", chain)));
    e.count = torvel::toStd(fieldText(statName("TextTirages", chain)));
    e.seed = torvel::toStd(fieldText(statName("TextGraine", chain)));
    return e;
}

void ChainesDeCotes::refreshRow(int chain, int row) {
    QTableWidget* grid = grids_[static_cast<size_t>(chain - 1)];
    if (!grid) return;
    const bool outer = row < 6;
    const double nominal =
        torvel::leadingNumber(torvel::toStd(fieldText(boxName(outer, chain, "", row % 6))));
    const bool used = nominal != 0;
    grid->setRowHidden(row + 1, !used);
    const QString tolClass = grid->item(row + 1, ColClasse)->text().trimmed();
    const bool classed = used && !tolClass.isEmpty();
    QLineEdit* upper = findChild<QLineEdit*>(boxName(outer, chain, "Max", row % 6));
    QLineEdit* lower = findChild<QLineEdit*>(boxName(outer, chain, "min", row % 6));
    for (QLineEdit* box : {upper, lower}) box->setReadOnly(classed);
    if (!classed) return;
    // A class that does not exist there is refused by "Calculer", by name.
    if (const auto d = torvel::classDeviations(torvel::toStd(tolClass), nominal)) {
        const char sep = torvel::engineDecimalSeparator();
        upper->setText(torvel::fromStd(torvel::deviationText(d->upper, sep)));
        lower->setText(torvel::fromStd(torvel::deviationText(d->lower, sep)));
    }
}

void ChainesDeCotes::showShares(int chain, const torvel::ChainStatistics& s) {
    QTableWidget* grid = grids_[static_cast<size_t>(chain - 1)];
    const QSignalBlocker quiet(grid);  // results, not entries
    const char sep = torvel::engineDecimalSeparator();
    for (int row = 0; row < 12; ++row) {
        const auto& link = s.links[static_cast<size_t>(row)];
        const bool shown = s.computed && link.used;
        grid->item(row + 1, ColVariance)
            ->setText(shown ? torvel::fromStd(torvel::shareText(link.varianceShare, sep))
                            : QString());
        grid->item(row + 1, ColIT)
            ->setText(shown ? torvel::fromStd(torvel::shareText(link.toleranceShare, sep))
                            : QString());
    }
    grid->viewport()->update();
}

void ChainesDeCotes::colourVerdict(int chain, const torvel::ChainStatistics& s) {
    using Verdict = torvel::ChainStatistics::Verdict;
    QLabel* label = findChild<QLabel*>(statName("LabelStat", chain));
    if (!s.computed || s.worstCase == Verdict::NoLimit)
        label->setStyleSheet(QString());
    else
        label->setStyleSheet(s.worstCase == Verdict::Holds
                                 ? QStringLiteral("color: #007000; font-weight: bold;")
                                 : QStringLiteral("color: #c00000; font-weight: bold;"));
}

void ChainesDeCotes::calculate() {
    cancelSimulation();
    const torvel::Fields fields = readFields();
    const std::array<torvel::Chain, 2> chains = {torvel::chainFromFields(fields, 1),
                                                 torvel::chainFromFields(fields, 2)};
    const torvel::ChainStudy study = torvel::calculateChainStudy(
        chains, {statEntries(1), statEntries(2)}, torvel::engineDecimalSeparator());
    play(study.outcome);
    if (study.outcome.stopped()) return;
    interrupted_ = {};
    statistics_ = study.statistics;
    for (int chain = 1; chain <= 2; ++chain) {
        const auto& s = statistics_[static_cast<size_t>(chain - 1)];
        showShares(chain, s);
        colourVerdict(chain, s);
        ChainHistogramData idle;
        idle.chain = chain;
        idle.state = s.simulation ? QString::fromUtf8(torvel::kRunning)
                     : s.computed ? QStringLiteral("Le jeu ne varie pas : pas d'histogramme.")
                                  : QStringLiteral("Tolérancement statistique non utilisé.");
        histograms_[static_cast<size_t>(chain - 1)]->setData(idle);
    }
    refreshNoteDrawing();
    startSimulation();
}

void ChainesDeCotes::startSimulation() {
    if (!statistics_[0].simulation && !statistics_[1].simulation) return;
    job_ = std::make_unique<Job>();
    Job* job = job_.get();
    job->id = ++lastJob_;
    for (size_t i = 0; i < 2; ++i) job->runs[i] = statistics_[i].simulation;
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    job->thread = std::thread([this, job, threads] {
        for (size_t i = 0; i < 2; ++i)
            if (job->runs[i] && !job->cancel[i])
                job->results[i] =
                    torvel::sampling::simulate(*job->runs[i], threads, &job->cancel[i]);
        if (job->cancel[0] && job->cancel[1]) return;
        const int id = job->id;
        QMetaObject::invokeMethod(
            this, [this, id] { finishSimulation(id); }, Qt::QueuedConnection);
    });
}

void ChainesDeCotes::cancelSimulation(int chain) {
    if (!job_) return;
    std::array<bool, 2> dropped{};
    bool left = false;
    for (size_t i = 0; i < 2; ++i) {
        const bool running = job_->runs[i] && !job_->cancel[i];
        if (chain == 0 || static_cast<int>(i) == chain - 1) {
            dropped[i] = running;
            job_->cancel[i] = true;
        } else {
            left = left || running;
        }
    }
    if (!left) {
        job_->thread.join();
        job_.reset();
    }
    // A dropped run leaves its chain's results unfinished: they are computed
    // again before they are printed.
    for (size_t i = 0; i < 2; ++i) {
        if (!dropped[i]) continue;
        interrupted_[i] = true;
        QLabel* ppm = findChild<QLabel*>(statName("TextPpm", static_cast<int>(i) + 1));
        if (ppm->text() == QString::fromUtf8(torvel::kRunning)) ppm->clear();
        ChainHistogram* histogram = histograms_[i];
        if (histogram->data().hasHistogram() ||
            histogram->data().state != QString::fromUtf8(torvel::kRunning))
            continue;
        ChainHistogramData data = histogram->data();
        data.state = QStringLiteral("Simulation interrompue : relancer « Calculer ».");
        histogram->setData(data);
    }
    refreshNoteDrawing();
}

void ChainesDeCotes::finishSimulation(int id) {
    if (!job_ || job_->id != id) return;
    waitForSimulation();
}

void ChainesDeCotes::waitForSimulation() {
    if (!job_) return;
    job_->thread.join();
    const std::unique_ptr<Job> job = std::move(job_);
    deliver(*job);
}

void ChainesDeCotes::deliver(Job& job) {
    for (int chain = 1; chain <= 2; ++chain) {
        const auto i = static_cast<size_t>(chain - 1);
        if (!job.runs[i] || job.cancel[i]) continue;
        play(torvel::simulationOutcome(chain, statistics_[i], job.results[i],
                                       torvel::engineDecimalSeparator()));
        histograms_[i]->setData(histogramOf(chain, statistics_[i], job.results[i]));
    }
    refreshNoteDrawing();
}

void ChainesDeCotes::refreshNoteDrawing() {
    std::vector<ChainHistogramData> data;
    for (ChainHistogram* h : histograms_) data.push_back(h->data());
    noteHistograms_->setData(data);
    setNoteDrawing({.painted = noteHistograms_->empty() ? nullptr : noteHistograms_});
}

bool ChainesDeCotes::resultsCurrent() const {
    return StudyWindow::resultsCurrent() && !job_ && !interrupted_[0] && !interrupted_[1];
}

bool ChainesDeCotes::bringResultsCurrent() {
    if (!StudyWindow::resultsCurrent() || interrupted_[0] || interrupted_[1]) calculateAsButton();
    waitForSimulation();
    return resultsCurrent();
}

void ChainesDeCotes::reset(int chain) {
    cancelSimulation(chain);
    const QScopedValueRollback quiet(resetting_, true);
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        const QString name = box->objectName();
        if (name.startsWith(QStringLiteral("TextJe%1").arg(chain)) ||
            name.startsWith(QStringLiteral("TextJi%1").arg(chain)))
            box->setText(QStringLiteral("0"));
    }
    // The chain's tolerancing starts again too.
    QTableWidget* grid = grids_[static_cast<size_t>(chain - 1)];
    for (int row = 0; row < 12; ++row) {
        grid->item(row + 1, ColClasse)->setText(QString());
        grid->item(row + 1, ColLoi)->setText(QString::fromUtf8(torvel::kLawNames[0]));
        grid->item(row + 1, ColCp)->setText(QStringLiteral("1"));
    }
    findChild<QLineEdit*>(statName("TextJminRequis", chain))->clear();
    findChild<QLineEdit*>(statName("TextJmaxRequis", chain))->clear();
    findChild<QLineEdit*>(statName("TextTirages", chain))
        ->setText(QString::fromUtf8(torvel::kDefaultCount));
    findChild<QLineEdit*>(statName("TextGraine", chain))
        ->setText(QString::fromUtf8(torvel::kDefaultSeed));
    statistics_[static_cast<size_t>(chain - 1)] = {};
    for (const char* base : {"LabelStat", "TextMoyenne", "TextSigma", "TextCp", "TextCpk",
                             "TextPpm", "TextIntervalle", "TextMethode"})
        findChild<QLabel*>(statName(base, chain))->clear();
    showShares(chain, {});
    colourVerdict(chain, {});
    ChainHistogramData idle;
    idle.chain = chain;
    histograms_[static_cast<size_t>(chain - 1)]->setData(idle);
    refreshNoteDrawing();
    showIdle(chain);
    interrupted_[static_cast<size_t>(chain - 1)] = false;  // nothing left to compute
}

QString ChainesDeCotes::printCaption() {
    return QStringLiteral("Chaîne de cotes établie le %1 à %2")
        .arg(torvel::shortDate(), torvel::shortTime());
}
