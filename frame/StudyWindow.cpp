#include "StudyWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "reports.h"
#include "twips.h"
#include "ui_text.h"

namespace torvel {

namespace {

constexpr int kBar = 255;       // thickness of both scroll bars and side of Coin, twips
constexpr int kFrameTop = 200;  // Frame1 margins before any scrolling
constexpr int kFrameLeft = 300;

// Conversion of a layout value to the bars' 16-bit integers, rounding halves
// to even; nullopt where the value does not fit.
std::optional<int> toInt16(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= std::numeric_limits<short>::min() && r <= std::numeric_limits<short>::max()))
        return std::nullopt;
    return static_cast<int>(r);
}

class NumericFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QString text = torvel::typedText(event);
        // Keys that type nothing, and Enter and the other control keys, pass.
        if (text.isEmpty() || text.at(0).unicode() < 0x20)
            return QObject::eventFilter(watched, event);
        return !torvel::isNumericText(text);
    }
};

}  // namespace

StudyWindow::StudyWindow(const Design& design, QWidget* parent) : QWidget(parent), design_(design) {
    setObjectName(design.typeName);
    setWindowTitle(design.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont designFont = font();
    designFont.setPointSizeF(8.25);
    designFont.setBold(true);
    setFont(designFont);
    setAutoFillBackground(true);

    frame_ = new QGroupBox(design.frameCaption, this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setGeometry(pxRect(kFrameLeft, kFrameTop, design.frameWidth, design.frameHeight));
    frame_->setAutoFillBackground(true);

    vScroll_ = new QScrollBar(Qt::Vertical, this);
    vScroll_->setObjectName(QStringLiteral("VScroll1"));
    hScroll_ = new QScrollBar(Qt::Horizontal, this);
    hScroll_->setObjectName(QStringLiteral("HScroll1"));
    coin_ = new QWidget(this);
    coin_->setObjectName(QStringLiteral("Coin"));
    coin_->setAutoFillBackground(true);
    coin_->resize(pxSize(kBar, kBar));

    for (QScrollBar* bar : {vScroll_, hScroll_}) {
        bar->setRange(0, 0);
        bar->setFocusPolicy(Qt::ClickFocus);
        bar->installEventFilter(this);
    }
    connect(vScroll_, &QScrollBar::valueChanged, this,
            [this](int value) { frame_->move(frame_->x(), px(-value)); });
    connect(hScroll_, &QScrollBar::valueChanged, this,
            [this](int value) { frame_->move(px(-value), frame_->y()); });

    resize(designClientSize());
}

StudyWindow::~StudyWindow() = default;

QSize StudyWindow::designClientSize() const {
    return pxSize(design_.clientWidth, design_.clientHeight);
}

void StudyWindow::layoutFrame() {
    const int W = twips(width());
    const int H = twips(height());
    const int V = kBar;
    const int B = kBar;
    const int frameW = twips(frame_->width());
    const int frameH = twips(frame_->height());
    QWidget* outer = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    const int outerW = twips(outer == this ? frameGeometry().width() : outer->width());
    const int outerH = twips(outer == this ? frameGeometry().height() : outer->height());
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);

    frame_->move(px(kFrameLeft), px(kFrameTop));
    if (frameH < twips(screenSize.height())) vScroll_->hide();
    coin_->hide();
    if (frameW < twips(screenSize.width())) hScroll_->hide();
    if (H - V < frameH) vScroll_->show();
    coin_->show();
    if (W - B < frameW) hScroll_->show();
    coin_->show();

    // Page and line steps, then the maximum; a value outside 16 bits ends the layout.
    auto setBar = [](QScrollBar* bar, double large, double small, double maximum) {
        const auto page = toInt16(large);
        if (!page) return false;
        const auto line = toInt16(small);
        if (!line) return false;
        bar->setPageStep(*page);
        bar->setSingleStep(*line);
        const auto max = toInt16(maximum);
        if (!max) return false;
        bar->setMaximum(std::max(0, *max));
        return true;
    };
    vScroll_->setGeometry(px(W - V), 0, px(V), px(H - V));
    if (!setBar(vScroll_, outerH * 2.0, H, frameH - H + 1.4 * B)) return;
    hScroll_->setGeometry(0, px(H - B), px(W - B), px(B));
    if (!setBar(hScroll_, outerW * 2.0, W, frameW - W + 1.4 * V)) return;

    coin_->move(px(W - kBar), px(H - kBar));
    coin_->raise();
}

void StudyWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutFrame();
}

bool StudyWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == vScroll_ || watched == hScroll_)) {
        QWidget* sink = focusSink_ ? focusSink_ : reference_;
        if (sink) sink->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (event->type() == QEvent::FocusOut && watched == reference_) updateCaption();
    return QWidget::eventFilter(watched, event);
}

void StudyWindow::updateCaption() {
    setWindowTitle(design_.captionPrefix + QStringLiteral(" : ") + reference_->text());
}

void StudyWindow::attachNumericFilter(QLineEdit* box) {
    box->installEventFilter(new NumericFilter(box));
}

QGroupBox* StudyWindow::addGroup(QWidget* parent, const QString& name, const QString& title,
                                 int left, int top, int width, int height) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(pxRect(left, top, width, height));
    group->setAutoFillBackground(true);
    return group;
}

QLabel* StudyWindow::addLabel(QWidget* parent, const QString& name, const QString& text, int left,
                              int top, int width, int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(pxRect(left, top, width, height));
    return label;
}

QLineEdit* StudyWindow::addEdit(QWidget* parent, const QString& name, const QString& text, int left,
                                int top, int width, int height) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(pxRect(left, top, width, height));
    return edit;
}

QLineEdit* StudyWindow::addLabelledBox(QWidget* parent, const LabelledBox& layout,
                                       QLabel** labelOut) {
    const QString labelName = layout.labelName.isEmpty()
                                  ? QStringLiteral("Label") + layout.name.mid(4)
                                  : layout.labelName;
    QLabel* label = addLabel(parent, labelName, layout.caption, layout.labelLeft, layout.top + 30,
                             layout.labelWidth, layout.labelHeight);
    QLineEdit* box = addEdit(parent, layout.name, layout.text, layout.boxLeft, layout.top,
                             layout.boxWidth, layout.boxHeight);
    label->setBuddy(box);
    if (!layout.tip.isEmpty()) {
        if (layout.tipOn != LabelledBox::Tip::Box) label->setToolTip(layout.tip);
        if (layout.tipOn != LabelledBox::Tip::Label) box->setToolTip(layout.tip);
    }
    if (layout.role == LabelledBox::Role::Entry) attachNumericFilter(box);
    if (layout.role == LabelledBox::Role::Result) box->setReadOnly(true);
    if (labelOut) *labelOut = label;
    return box;
}

QComboBox* StudyWindow::addCaptionedList(QWidget* parent, const CaptionedList& layout,
                                         QLabel** labelOut) {
    QLabel* label = nullptr;
    if (!layout.caption.isEmpty()) {
        // "ComboSpires" is captioned by "LabelSpires": the type prefix, one
        // capitalised word, gives way to "Label".
        qsizetype prefix = 1;
        while (prefix < layout.name.size() && layout.name.at(prefix).isLower()) ++prefix;
        const QString labelName = layout.labelName.isEmpty()
                                      ? QStringLiteral("Label") + layout.name.mid(prefix)
                                      : layout.labelName;
        label = addLabel(parent, labelName, layout.caption, layout.labelLeft, layout.top + 30,
                         layout.labelWidth, layout.labelHeight);
    }
    auto* list = new QComboBox(parent);
    list->setObjectName(layout.name);
    list->setGeometry(pxRect(layout.boxLeft, layout.top, layout.boxWidth, layout.boxHeight));
    if (layout.editable) {
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
    }
    list->addItems(layout.items);
    if (!layout.tip.isEmpty()) list->setToolTip(layout.tip);
    if (label) label->setBuddy(list);
    if (labelOut) *labelOut = label;
    return list;
}

QString StudyWindow::shownText(const QWidget* w) {
    if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    return {};
}

QString StudyWindow::fieldText(const QString& name) const {
    return shownText(findChild<QWidget*>(name));
}

Fields StudyWindow::readFields() const {
    Fields fields;
    for (auto* combo : findChildren<QComboBox*>())
        if (!combo->objectName().isEmpty())
            fields.set(combo->objectName().toStdString(), combo->currentText().toStdString());
    for (auto* edit : findChildren<QLineEdit*>())
        if (!edit->objectName().isEmpty() && !qobject_cast<QComboBox*>(edit->parentWidget()))
            fields.set(edit->objectName().toStdString(), edit->text().toStdString());
    return fields;
}

bool StudyWindow::event(QEvent* event) {
    if (event->type() == QEvent::Polish && !designed_) {
        designed_ = true;
        orderTabsVisually();
        layoutFrame();
        placeOutOfDateLabel();
    }
    return QWidget::event(event);
}

QPushButton* StudyWindow::addButton(QWidget* parent, const QString& name, const QString& text,
                                    int left, int top, int width, int height) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(pxRect(left, top, width, height));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* StudyWindow::addReference(QWidget* parent, int left, int top, int width, int height) {
    reference_ = addEdit(parent, QStringLiteral("TextRef"), QString(), left, top, width, height);
    reference_->installEventFilter(this);
    connect(reference_, &QLineEdit::textChanged, this, &StudyWindow::keptInputsChanged);
    return reference_;
}

QPushButton* StudyWindow::addCalculer(QWidget* parent, int left, int top, int width, int height) {
    calculer_ = addButton(parent, QStringLiteral("BtCalculer"), QStringLiteral("Calculer"), left,
                          top, width, height);
    calculer_->setToolTip(QStringLiteral("Calculer (F9)"));  // the main window's F9
    connect(calculer_, &QPushButton::clicked, this, &StudyWindow::calculateAsButton);
    return calculer_;
}

QPushButton* StudyWindow::addImprimer(QWidget* parent, int left, int top, int width, int height) {
    imprimer_ = addButton(parent, QStringLiteral("BtImprimer"), QStringLiteral("Imprimer"), left,
                          top, width, height);
    connect(imprimer_, &QPushButton::clicked, this, [this] {
        if (confirmOutOfDatePrint()) print();
    });
    return imprimer_;
}

QList<QWidget*> StudyWindow::inReadingOrder(const QWidget* container) {
    QList<QWidget*> children;
    for (QObject* o : container->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow()) children.append(w);
    std::stable_sort(children.begin(), children.end(), [](QWidget* a, QWidget* b) {
        const int rowA = a->y() / px(240), rowB = b->y() / px(240);
        return rowA != rowB ? rowA < rowB : a->x() < b->x();
    });
    return children;
}

void StudyWindow::attention(const QString& text) { showAttention(this, text); }

void StudyWindow::calculateAsButton() {
    if (!calculer_) return;
    shownMessages_.clear();
    lastWritten_.clear();
    calculate();
    if (imageReport_ && inPrintAppearance())
        restoreScreenAppearance(imageReport_->recoloured, imageReport_->hidden);
}

bool StudyWindow::bringResultsCurrent() {
    if (!resultsCurrent()) calculateAsButton();
    return resultsCurrent();
}

QStringList StudyWindow::shownNotices() const {
    QStringList notices;
    for (const QLabel* label : messageLabels_)
        if (label->isVisibleTo(this) && !label->text().trimmed().isEmpty())
            notices << label->text().trimmed();
    return notices;
}

bool StudyWindow::showsCurrentValue(const QWidget* w) const {
    if (!w || !w->isVisibleTo(this) || !w->isEnabledTo(this)) return false;
    // Typed: an input a study file keeps, or the window's own kept state.
    return opening_.contains(w->objectName()) || writtenByLastRun(w);
}

bool StudyWindow::groupInUse(const QWidget* group) const {
    for (const auto& [optional, used] : optionalGroups_)
        if (optional == group) return used();
    return true;
}

void StudyWindow::play(const Outcome& outcome) {
    playing_ = true;
    bool wrote = false, stopped = false;
    for (const Step& step : outcome.steps()) {
        if (step.kind == Step::Kind::Warning || step.kind == Step::Kind::Stop) {
            stopped = stopped || step.kind == Step::Kind::Stop;
            shownMessages_ << fromStd(step.text);
            attention(fromStd(step.text));
            continue;
        }
        QWidget* target = findChild<QWidget*>(fromStd(step.target));
        if (!target) {
            // An engine naming a control the window lacks is a programming fault:
            // the tests fail on this message; the user keeps a working window.
            qCritical("%s: no control named %s", qPrintable(objectName()), step.target.c_str());
            continue;
        }
        if (step.kind == Step::Kind::Write) {
            wrote = true;
            if (!lastWritten_.contains(target)) lastWritten_.append(target);
            if (!results_.contains(target)) results_.append(target);
        }
        if (step.kind == Step::Kind::Focus) {
            target->setFocus(Qt::OtherFocusReason);
        } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
            const QString text = fromStd(step.text);
            const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (index >= 0)
                combo->setCurrentIndex(index);
            else
                combo->setEditText(text);
        } else if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            edit->setText(fromStd(step.text));
        } else if (auto* label = qobject_cast<QLabel*>(target)) {
            label->setText(fromStd(step.text));
        } else {
            target->setProperty("text", fromStd(step.text));
        }
    }
    playing_ = false;
    // A run stopped by a message leaves the results and their mark as they were.
    if (wrote && !stopped) {
        computed_ = true;
        setOutOfDate(false);
    }
}

// ---- results out of date ----

void StudyWindow::onInputChange(const QString& name, const std::function<void()>& changed) {
    QWidget* input = findChild<QWidget*>(name);
    if (auto* combo = qobject_cast<QComboBox*>(input))
        connect(combo, &QComboBox::currentTextChanged, this, changed);
    else if (auto* edit = qobject_cast<QLineEdit*>(input))
        connect(edit, &QLineEdit::textChanged, this, changed);
    else if (auto* grid = qobject_cast<QTableWidget*>(input))
        connect(grid, &QTableWidget::itemChanged, this, changed);
    else
        qCritical("%s: no input named %s", qPrintable(objectName()), qPrintable(name));
}

void StudyWindow::declareInputs(const QStringList& names, const std::function<bool()>& readNow) {
    keepInputs(names);
    for (const QString& name : names)
        onInputChange(name, [this, readNow] { inputChanged(readNow); });
    if (!outOfDateLabel_ && calculer_) {
        outOfDateLabel_ =
            new QLabel(QStringLiteral("Résultats à recalculer"), calculer_->parentWidget());
        outOfDateLabel_->setObjectName(QStringLiteral("LabelPerime"));
        outOfDateLabel_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
        outOfDateLabel_->setAlignment(Qt::AlignCenter);
        outOfDateLabel_->hide();
    }
}

void StudyWindow::addOutOfDateMark(QWidget* parent, const QRect& place) {
    if (outOfDateLabel_) return;
    outOfDateLabel_ = new QLabel(QStringLiteral("Résultats à recalculer"), parent);
    outOfDateLabel_->setObjectName(QStringLiteral("LabelPerime"));
    outOfDateLabel_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    outOfDateLabel_->setWordWrap(true);
    outOfDateLabel_->setGeometry(pxRect(place.x(), place.y(), place.width(), place.height()));
    outOfDateLabel_->hide();
}

void StudyWindow::showResultsOutOfDate(const QList<QWidget*>& results, bool outOfDate) {
    for (QWidget* w : results)
        if (!results_.contains(w)) results_.append(w);
    setOutOfDate(outOfDate);
}

void StudyWindow::inputChanged(const std::function<bool()>& readNow) {
    if (computed_ && !playing_ && (!readNow || readNow())) setOutOfDate(true);
}

void StudyWindow::setOutOfDate(bool outOfDate) {
    if (outOfDate == outOfDate_) return;
    outOfDate_ = outOfDate;
    showResultsGrey(outOfDate);
    if (outOfDateLabel_) outOfDateLabel_->setVisible(outOfDate);
}

void StudyWindow::showResultsGrey(bool grey) {
    static const char* const kSaved = "torvelTextColours";
    for (QWidget* w : results_) {
        QPalette pal = w->palette();
        if (grey) {
            w->setProperty(
                kSaved, QVariantList{pal.color(QPalette::Text), pal.color(QPalette::WindowText)});
            pal.setColor(QPalette::Text, Qt::gray);
            pal.setColor(QPalette::WindowText, Qt::gray);
        } else {
            const QVariantList saved = w->property(kSaved).toList();
            if (saved.size() != 2) continue;
            pal.setColor(QPalette::Text, saved[0].value<QColor>());
            pal.setColor(QPalette::WindowText, saved[1].value<QColor>());
            w->setProperty(kSaved, QVariant());
        }
        w->setPalette(pal);
    }
}

// Under the buttons where Frame1 leaves room, else above them.
void StudyWindow::placeOutOfDateLabel() {
    if (!outOfDateLabel_ || !calculer_) return;
    QRect buttons = calculer_->geometry();
    if (imprimer_ && imprimer_->parentWidget() == calculer_->parentWidget())
        buttons = buttons.united(imprimer_->geometry());
    const int height = px(255);
    const QWidget* parent = calculer_->parentWidget();
    auto isFree = [&](const QRect& r) {
        if (!parent->rect().contains(r)) return false;
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w != outOfDateLabel_ && !w->isWindow() && w->geometry().intersects(r))
                return false;
        }
        return true;
    };
    const QRect below(buttons.left(), buttons.bottom() + px(15), buttons.width(), height);
    const QRect above(buttons.left(), buttons.top() - px(15) - height, buttons.width(), height);
    outOfDateLabel_->setGeometry(isFree(below) || !isFree(above) ? below : above);
}

bool StudyWindow::confirmOutOfDatePrint() {
    if (!outOfDate_) return true;
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Attention"),
        QStringLiteral("Les résultats affichés ne correspondent plus aux données saisies.\n"
                       "Imprimer quand même ?"),
        QMessageBox::Yes | QMessageBox::No, this);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void StudyWindow::playWithReruns(const std::function<Outcome()>& run) {
    // The inputs a run corrects remove the cause of its rerun, so one rerun is
    // enough; the bound only guards against a loop.
    constexpr int kMaxReruns = 2;
    for (int round = 0; round <= kMaxReruns; ++round) {
        const Outcome outcome = run();
        play(outcome);
        if (!outcome.rerunRequested()) break;
    }
}

// ---- printing ----

QPrinter* StudyWindow::choosePrinter(int* copies) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), this);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    *copies = std::max(1, printer->copyCount());
    // The report makes its own copies: the printer must not repeat them.
    printer->setCopyCount(1);
    return printer.release();
}

bool StudyWindow::inPrintAppearance() const {
    return frame_->palette().color(QPalette::Window) ==
           QApplication::palette().color(QPalette::HighlightedText);
}

void StudyWindow::restoreScreenAppearance(const QList<QWidget*>& recoloured,
                                          const QList<QWidget*>& hidden) {
    const QColor face = QApplication::palette().color(QPalette::Button);
    QList<QWidget*> all = recoloured;
    all << this << frame_;
    for (QWidget* w : all) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, face);
        w->setPalette(pal);
    }
    for (QWidget* w : hidden) w->show();
    if (calculer_) calculer_->show();
    if (imprimer_) imprimer_->show();
    coin_->show();
    frame_->setTitle(design_.frameCaption);
}

void StudyWindow::print() {
    if (imageReport_) printWindowImage(*imageReport_);
    if (!textReport_) return;
    bool built = true;
    const bool printed = printTextReport([&] {
        auto lines = textReport_->build();
        built = lines.has_value();
        return lines;
    });
    if (!built && !textReport_->unbuiltMessage.isEmpty())
        attention(textReport_->unbuiltMessage);
    else if (!printed)
        attention(textReport_->failureMessage);
}

void StudyWindow::printWindowImage(const ImageReport& report) {
    int copies = 1;
    std::unique_ptr<QPrinter> printer(choosePrinter(&copies));
    if (!printer) {
        restoreScreenAppearance(report.recoloured, report.hidden);
        return;
    }
    preparePrinter(*printer, frame_->width() > frame_->height());
    printer->setResolution(frame_->logicalDpiX());

    const QColor paper = QApplication::palette().color(QPalette::HighlightedText);
    QList<QWidget*> recoloured = report.recoloured;
    recoloured << this << frame_;
    QList<QWidget*> hidden = report.hidden;
    hidden << calculer_ << imprimer_ << coin_;
    hidden.removeAll(nullptr);

    // The grey of out-of-date results is a screen aid; the print asked first.
    if (outOfDate_) {
        showResultsGrey(false);
        outOfDateLabel_->hide();
    }
    QPainter painter;
    if (painter.begin(printer.get())) {
        for (int copy = 1; copy <= copies; ++copy) {
            for (QWidget* w : recoloured) {
                QPalette pal = w->palette();
                pal.setColor(QPalette::Window, paper);
                w->setPalette(pal);
            }
            for (QWidget* w : hidden) w->hide();
            frame_->setTitle(report.printCaption ? report.printCaption() : design_.frameCaption);
            if (copy > 1 && !printer->newPage()) break;
            paintWidgetPage(painter, *printer, frame_);
        }
        painter.end();
    }
    if (outOfDate_) {
        showResultsGrey(true);
        outOfDateLabel_->show();
    }
    restoreScreenAppearance(report.recoloured, report.hidden);
}

bool StudyWindow::printTextReport(const std::function<std::optional<ReportLines>()>& build) {
    int copies = 1;
    std::unique_ptr<QPrinter> printer(choosePrinter(&copies));
    if (!printer) return true;
    const std::optional<ReportLines> lines = build();
    if (!lines) return false;
    preparePrinter(*printer, false);
    return paintReportLines(*printer, *lines);
}

}  // namespace torvel
