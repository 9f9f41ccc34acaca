#include "SpringDiagrams.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <functional>

#include "numbers.h"
#include "ui_text.h"

namespace torvel::springs {

namespace {

const QColor kLineColour(0, 0, 200);
const QColor kLimitColour(176, 0, 0);

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
         const QString& yTitle) {
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
        p.setPen(QPen(Qt::black, 1));
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

void say(QPainter& p, const QRectF& area, const QString& text) {
    p.save();
    p.setPen(Qt::darkGray);
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
    p.restore();
}

void dot(QPainter& p, const QPointF& at, const QColor& colour, const QString& label) {
    p.save();
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    p.drawEllipse(at, 3, 3);
    p.setPen(Qt::black);
    p.drawText(at + QPointF(5, -4), label);
    p.restore();
}

QString daN(double v) { return fromStd(formatNumber(v, "0.000", engineDecimalSeparator())); }

}  // namespace

bool hasGoodman(const SpringStudyState& s) {
    return s.strength && s.strength->fatigue && s.strength->fatigue->Sse;
}

void paintCharacteristic(QPainter& p, const QRectF& area, const SpringStudyState& s) {
    const SpringResults& r = s.spring.results;
    const SpringInputs& in = s.inputs;
    if (!s.computed) {
        say(p, area, QStringLiteral("Caractéristique tracée après le calcul"));
        return;
    }
    const double xMax = std::max({static_cast<double>(r.L0), double(in.L1), double(in.L2)});
    const double yMax = std::max({static_cast<double>(r.Fb), double(in.F1), double(in.F2)});
    if (!(xMax > 0) || !(yMax > 0) || !std::isfinite(xMax) || !std::isfinite(yMax)) {
        say(p, area, QStringLiteral("Caractéristique non représentable"));
        return;
    }
    const Axes axes(p, area, xMax * 1.05, yMax * 1.1, QStringLiteral("L (mm)"),
                    QStringLiteral("F (daN)"));
    p.save();
    p.setClipRect(axes.plot().adjusted(-4, -4, 4, 4));
    p.setPen(QPen(kLineColour, 1.5));
    p.drawLine(axes.at(r.L0, 0), axes.at(r.Lb, r.Fb));
    p.restore();
    dot(p, axes.at(r.L0, 0), kLineColour, QStringLiteral("L0"));
    dot(p, axes.at(r.Lb, r.Fb), kLimitColour, QStringLiteral("Lb, Fb"));
    dot(p, axes.at(in.L1, in.F1), Qt::black, QStringLiteral("F1"));
    dot(p, axes.at(in.L2, in.F2), Qt::black, QStringLiteral("F2"));
}

void paintGoodman(QPainter& p, const QRectF& area, const SpringStudyState& s) {
    if (!hasGoodman(s)) {
        say(p, area, QStringLiteral("Diagramme de Goodman : tenue en fatigue non évaluée"));
        return;
    }
    const SpringFatigue& f = *s.strength->fatigue;
    const double Sse = *f.Sse, Ssu = *f.Ssu;
    const Axes axes(p, area, std::max(Ssu, double(f.tkm)) * 1.05,
                    std::max(Sse, double(f.tka)) * 1.15, QStringLiteral("τkm (daN/mm²)"),
                    QStringLiteral("τka (daN/mm²)"));
    p.save();
    p.setClipRect(axes.plot().adjusted(-4, -4, 4, 4));
    p.setPen(QPen(kLimitColour, 1.5));
    p.drawLine(axes.at(0, Sse), axes.at(Ssu, 0));
    if (f.nf) {
        // The load line meets the Goodman line at nf times the working point.
        p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
        p.drawLine(axes.at(0, 0), axes.at(*f.nf * f.tkm, *f.nf * f.tka));
    }
    p.restore();
    p.drawText(axes.at(0, Sse) + QPointF(4, -3), QStringLiteral("Sse"));
    p.drawText(axes.at(Ssu, 0) + QPointF(-22, -4), QStringLiteral("Ssu"));
    dot(p, axes.at(f.tkm, f.tka), kLineColour,
        f.nf ? QStringLiteral("nf = ") + daN(*f.nf) : QString());
}

SpringPicture::SpringPicture(Kind kind, QWidget* parent) : QFrame(parent), kind_(kind) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setStudy(state_);
}

void SpringPicture::setStudy(const SpringStudyState& state) {
    state_ = state;
    const char sep = engineDecimalSeparator();
    setAccessibleDescription(fromStd(kind_ == Kind::Characteristic
                                         ? characteristicDescription(state_, sep)
                                         : goodmanDescription(state_, sep)));
    update();
}

void SpringPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(contentsRect(), Qt::white);
    const QRectF area = QRectF(contentsRect()).adjusted(6, 6, -6, -6);
    if (kind_ == Kind::Characteristic)
        paintCharacteristic(p, area, state_);
    else
        paintGoodman(p, area, state_);
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
    paintCharacteristic(p, panel(1).adjusted(4, 4, -4, -4), state_);
    if (panels() == 3) paintGoodman(p, panel(2).adjusted(4, 4, -4, -4), state_);
}

}  // namespace torvel::springs
