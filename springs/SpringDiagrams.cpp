#include "SpringDiagrams.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <functional>

#include "StudyWindow.h"
#include "numbers.h"
#include "ui_text.h"

namespace torvel::springs {

namespace {

// The colours of a picture; all grey while its results are out of date.
struct Inks {
    QColor line, limit, ink, muted;
};
Inks inks(bool grey) {
    if (grey) return {Qt::gray, Qt::gray, Qt::gray, Qt::lightGray};
    return {QColor(0, 0, 200), QColor(176, 0, 0), Qt::black, Qt::darkGray};
}

// A scale label: as many decimals as the step needs.
QString tickText(double value, double step) {
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict) on the
    // inlined insert that "." + std::string would make.
    std::string pattern(1, '0');
    if (decimals > 0) {
        pattern.push_back('.');
        pattern.append(static_cast<size_t>(decimals), '0');
    }
    return fromStd(formatNumber(value, pattern, engineDecimalSeparator()));
}

// Two axes from zero with round ticks, their titles at the ends; gives the
// mapping of a value pair to the area. The maxima are rounded up to a tick.
class Axes {
  public:
    Axes(QPainter& p, const QRectF& area, double xMax, double yMax, const QString& xTitle,
         const QString& yTitle, const QColor& ink) {
        xStep_ = tickStep(xMax, 5);
        yStep_ = tickStep(yMax, 5);
        xMax_ = std::ceil(xMax / xStep_ - 1e-9) * xStep_;
        yMax_ = std::ceil(yMax / yStep_ - 1e-9) * yStep_;
        const QFontMetricsF fm(p.font());
        const double line = fm.height();
        double labelWidth = fm.horizontalAdvance(yTitle) / 2;
        for (double v = 0; v <= yMax_ + yStep_ / 2; v += yStep_)
            labelWidth = std::max(labelWidth, fm.horizontalAdvance(tickText(v, yStep_)));
        const double right = fm.horizontalAdvance(tickText(xMax_, xStep_)) / 2 + 4;
        plot_ = QRectF(area.left() + labelWidth + 8, area.top() + line * 1.5,
                       area.width() - labelWidth - 8 - right, area.height() - line * 4);

        p.save();
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(plot_.left(), plot_.bottom()), QPointF(plot_.right(), plot_.bottom()));
        p.drawLine(QPointF(plot_.left(), plot_.bottom()), QPointF(plot_.left(), plot_.top()));
        for (double v = 0; v <= xMax_ + xStep_ / 2; v += xStep_) {
            const double x = at(v, 0).x();
            p.drawLine(QPointF(x, plot_.bottom()), QPointF(x, plot_.bottom() + 3));
            p.drawText(QRectF(x - 40, plot_.bottom() + 3, 80, line),
                       Qt::AlignHCenter | Qt::AlignTop, tickText(v, xStep_));
        }
        for (double v = 0; v <= yMax_ + yStep_ / 2; v += yStep_) {
            const double y = at(0, v).y();
            p.drawLine(QPointF(plot_.left() - 3, y), QPointF(plot_.left(), y));
            p.drawText(QRectF(area.left(), y - line / 2, labelWidth + 4, line),
                       Qt::AlignRight | Qt::AlignVCenter, tickText(v, yStep_));
        }
        p.drawText(QRectF(area.left(), plot_.bottom() + line + 2, area.width(), line),
                   Qt::AlignRight | Qt::AlignTop, xTitle);
        p.drawText(QRectF(area.left(), area.top(), area.width(), line),
                   Qt::AlignLeft | Qt::AlignTop, yTitle);
        p.restore();
    }

    QPointF at(double x, double y) const {
        return {plot_.left() + x / xMax_ * plot_.width(),
                plot_.bottom() - y / yMax_ * plot_.height()};
    }
    const QRectF& plot() const { return plot_; }

  private:
    QRectF plot_;
    double xStep_ = 1, yStep_ = 1, xMax_ = 1, yMax_ = 1;
};

void say(QPainter& p, const QRectF& area, const QString& text, const Inks& c) {
    p.save();
    p.setPen(c.muted);
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
    p.restore();
}

void dot(QPainter& p, const QPointF& at, const QColor& colour, const QString& label,
         const QColor& ink) {
    p.save();
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    p.drawEllipse(at, 3, 3);
    p.setPen(ink);
    p.drawText(at + QPointF(5, -4), label);
    p.restore();
}

QString daN(double v) { return fromStd(formatNumber(v, "0.000", engineDecimalSeparator())); }

}  // namespace

bool hasGoodman(const SpringStudyState& s) {
    return s.strength && s.strength->fatigue && s.strength->fatigue->diagram;
}

void paintCharacteristic(QPainter& p, const QRectF& area, const SpringStudyState& s, bool grey) {
    const Inks c = inks(grey);
    const SpringResults& r = s.spring.results;
    const SpringInputs& in = s.inputs;
    if (!s.computed) {
        say(p, area, QStringLiteral("Caractéristique tracée après le calcul"), c);
        return;
    }
    const double xMax = std::max({static_cast<double>(r.L0), double(in.L1), double(in.L2)});
    const double yMax = std::max({static_cast<double>(r.Fb), double(in.F1), double(in.F2)});
    if (!(xMax > 0) || !(yMax > 0) || !std::isfinite(xMax) || !std::isfinite(yMax)) {
        say(p, area, QStringLiteral("Caractéristique non représentable"), c);
        return;
    }
    const Axes axes(p, area, xMax * 1.05, yMax * 1.1, QStringLiteral("L (mm)"),
                    QStringLiteral("F (daN)"), c.ink);
    p.save();
    p.setClipRect(axes.plot().adjusted(-4, -4, 4, 4));
    p.setPen(QPen(c.line, 1.5));
    p.drawLine(axes.at(r.L0, 0), axes.at(r.Lb, r.Fb));
    p.restore();
    dot(p, axes.at(r.L0, 0), c.line, QStringLiteral("L0"), c.ink);
    dot(p, axes.at(r.Lb, r.Fb), c.limit, QStringLiteral("Lb, Fb"), c.ink);
    dot(p, axes.at(in.L1, in.F1), c.ink, QStringLiteral("F1"), c.ink);
    dot(p, axes.at(in.L2, in.F2), c.ink, QStringLiteral("F2"), c.ink);
}

// The EN 13906-1 diagram: lower stress τkU across, upper stress τkO up; the
// 10^7-cycle line rising from τkO,0 to its cap, the 45° line where τkO = τkU,
// and the working point (τk1, τk2) above its lower stress.
void paintGoodman(QPainter& p, const QRectF& area, const SpringStudyState& s, bool grey) {
    const Inks c = inks(grey);
    const SpringFatigue* f = s.strength && s.strength->fatigue ? &*s.strength->fatigue : nullptr;
    if (!s.computed || !s.dynamic) {
        say(p, area,
            QStringLiteral("Diagramme de fatigue tracé après le calcul sous charge dynamique"), c);
        return;
    }
    if (!f) {
        say(p, area, QStringLiteral("Diagramme de fatigue : résistance du fil non vérifiée"), c);
        return;
    }
    if (!f->diagram) {
        say(p, area, fromStd(goodmanDescription(s, engineDecimalSeparator())), c);
        return;
    }
    const GoodmanLine& g = f->line;
    const double top = std::max(g.tkOmax, double(f->tk2));
    const Axes axes(p, area, std::max(top, double(f->tk1)) * 1.05, top * 1.12,
                    QStringLiteral("τkU (daN/mm²)"), QStringLiteral("τkO (daN/mm²)"), c.ink);
    p.save();
    p.setClipRect(axes.plot().adjusted(-4, -4, 4, 4));
    p.setPen(QPen(c.muted, 1, Qt::DashLine));
    p.drawLine(axes.at(0, 0), axes.at(top * 1.12, top * 1.12));
    p.setPen(QPen(c.limit, 1.5));
    const QPointF line[] = {axes.at(0, g.tkO0), axes.at(g.tkUcap, g.tkOmax),
                            axes.at(g.tkOmax, g.tkOmax)};
    p.drawPolyline(line, 3);
    // The stroke of the working point, from its lower stress on the 45° line.
    p.setPen(QPen(c.line, 1.5));
    p.drawLine(axes.at(f->tk1, f->tk1), axes.at(f->tk1, f->tk2));
    p.restore();
    p.save();
    p.setPen(c.ink);
    p.drawText(axes.at(0, g.tkO0) + QPointF(4, -3), QStringLiteral("τkO,0"));
    p.drawText(axes.at(g.tkUcap, g.tkOmax) + QPointF(0, -4), QStringLiteral("τkO,max"));
    // The caption sits under the 45° line, where no line runs.
    const QRectF plot = axes.plot();
    const double lineHeight = QFontMetricsF(p.font()).height();
    const QString caption = fromStd(goodmanCaption(s, engineDecimalSeparator()));
    const qsizetype split = caption.indexOf(QStringLiteral(" : "));
    p.drawText(
        QRectF(plot.left(), plot.bottom() - 2.2 * lineHeight, plot.width() - 4, 2.2 * lineHeight),
        Qt::AlignRight | Qt::AlignBottom,
        split < 0 ? caption : caption.left(split) + QLatin1Char('\n') + caption.mid(split + 3));
    p.restore();
    dot(p, axes.at(f->tk1, f->tk2), c.line,
        f->nf ? QStringLiteral("nf = ") + daN(*f->nf) : QString(), c.ink);
}

SpringPicture::SpringPicture(Kind kind, QWidget* parent) : QFrame(parent), kind_(kind) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setStudy(state_);
}

void SpringPicture::setStudy(const SpringStudyState& state) {
    state_ = state;
    const char sep = engineDecimalSeparator();
    setText(fromStd(kind_ == Kind::Characteristic ? characteristicDescription(state_, sep)
                                                  : goodmanDescription(state_, sep)));
    update();
}

void SpringPicture::setText(const QString& description) { setAccessibleDescription(description); }

// The frame greys its results through their palette: a picture follows.
void SpringPicture::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) update();
    QFrame::changeEvent(event);
}

bool SpringPicture::greyed() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* study = qobject_cast<const StudyWindow*>(w)) return study->resultsOutOfDate();
    return false;
}

void SpringPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(contentsRect(), Qt::white);
    const QRectF area = QRectF(contentsRect()).adjusted(6, 6, -6, -6);
    if (kind_ == Kind::Characteristic)
        paintCharacteristic(p, area, state_, greyed());
    else
        paintGoodman(p, area, state_, greyed());
    drawFrame(&p);
}

namespace {
constexpr int kPanelWidth = 320, kPanelHeight = 240, kGap = 16;
}

SpringNoteDrawing::SpringNoteDrawing(QWidget* parent) : QWidget(parent) {
    hide();
    setStudy(state_);
}

int SpringNoteDrawing::panels() const { return hasGoodman(state_) ? 3 : 2; }

void SpringNoteDrawing::setStudy(const SpringStudyState& state) {
    state_ = state;
    resize(panels() * kPanelWidth + (panels() - 1) * kGap, kPanelHeight);
    QString description = fromStd(characteristicDescription(state_, engineDecimalSeparator()));
    if (hasGoodman(state_))
        description +=
            QLatin1Char(' ') + fromStd(goodmanDescription(state_, engineDecimalSeparator()));
    setAccessibleDescription(description);
}

void SpringNoteDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    auto panel = [](int i) {
        return QRectF(i * (kPanelWidth + kGap), 0, kPanelWidth, kPanelHeight);
    };
    QSvgRenderer sketch(QStringLiteral(":/springs/ressort.svg"));
    if (sketch.isValid()) sketch.render(&p, panel(0));
    paintCharacteristic(p, panel(1).adjusted(4, 4, -4, -4), state_, false);
    if (panels() == 3) paintGoodman(p, panel(2).adjusted(4, 4, -4, -4), state_, false);
}

}  // namespace torvel::springs
