#include "ChainHistogram.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "numbers.h"
#include "ui_text.h"

namespace {

const QColor kBar(0x5b, 0x7d, 0xb1), kOut(0xc0, 0x30, 0x30), kCurve(0x10, 0x20, 0x60);

QString num(double v, const char* pattern = "### ##0.000#") {
    return torvel::fromStd(torvel::formatNumber(v, pattern, torvel::engineDecimalSeparator()))
        .trimmed();
}

}  // namespace

ChainHistogramData histogramOf(int chain, const torvel::ChainStatistics& s,
                               const torvel::sampling::SimulationResult& r) {
    ChainHistogramData d;
    d.chain = chain;
    if (!s.simulation || r.cancelled || r.count == 0) return d;
    d.bins = r.histogram;
    d.low = s.simulation->histogramLow;
    d.high = s.simulation->histogramHigh;
    d.count = r.count;
    d.seed = s.simulation->seed;
    d.mean = r.mean;
    d.sigma = r.sigma;
    d.lower = s.lower;
    d.upper = s.upper;
    d.worstMin = s.worstMin;
    d.worstMax = s.worstMax;
    return d;
}

QString histogramDescription(const ChainHistogramData& d) {
    if (!d.hasHistogram())
        return QStringLiteral("Histogramme du jeu %1 : %2")
            .arg(d.chain)
            .arg(d.state.isEmpty() ? QStringLiteral("aucun") : d.state);
    QString need;
    if (d.lower && d.upper)
        need = QStringLiteral("jeu requis de %1 à %2, la part hors limites ombrée en rouge")
                   .arg(num(*d.lower), num(*d.upper));
    else if (d.lower)
        need = QStringLiteral("jeu mini requis %1, la part au-dessous ombrée en rouge")
                   .arg(num(*d.lower));
    else if (d.upper)
        need = QStringLiteral("jeu maxi requis %1, la part au-dessus ombrée en rouge")
                   .arg(num(*d.upper));
    else
        need = QStringLiteral("aucun jeu requis");
    return QStringLiteral(
               "Histogramme du jeu %1 : %2 tirages (graine %3) en %4 classes de %5 à %6 ; "
               "moyenne %7, écart type %8 ; %9 ; au pire de %10 à %11 (tirets) ; courbe normale "
               "de même moyenne et écart type.")
        .arg(d.chain)
        .arg(num(static_cast<double>(d.count), "### ### ##0"))
        .arg(d.seed)
        .arg(d.bins.size())
        .arg(num(d.low), num(d.high), num(d.mean), num(d.sigma, "0.000 000"), need, num(d.worstMin),
             num(d.worstMax));
}

void paintHistogram(QPainter& p, const QRectF& area, const ChainHistogramData& d) {
    p.save();
    p.setPen(Qt::black);
    if (!d.hasHistogram()) {
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                   d.state.isEmpty() ? QStringLiteral("Pas d'histogramme") : d.state);
        p.restore();
        return;
    }
    const QFontMetricsF fm(p.font());
    const QRectF plot = area.adjusted(4, fm.height() + 4, -4, -(fm.height() + 6));
    const double span = d.high - d.low;
    auto xOf = [&](double v) { return plot.left() + (v - d.low) / span * plot.width(); };
    const double width = span / static_cast<double>(d.bins.size());
    const double peakCurve = d.sigma > 0 ? static_cast<double>(d.count) * width /
                                               (d.sigma * std::sqrt(2 * std::numbers::pi))
                                         : 0;
    const double top = std::max<double>(
        peakCurve, static_cast<double>(*std::max_element(d.bins.begin(), d.bins.end())));
    auto yOf = [&](double v) { return plot.bottom() - v / (top * 1.08) * plot.height(); };

    // The part out of the need, shaded behind the bars.
    const QColor shade(0xf4, 0xc7, 0xc7);
    if (d.lower && *d.lower > d.low)
        p.fillRect(QRectF(QPointF(plot.left(), plot.top()),
                          QPointF(std::min(xOf(*d.lower), plot.right()), plot.bottom())),
                   shade);
    if (d.upper && *d.upper < d.high)
        p.fillRect(
            QRectF(QPointF(std::max(xOf(*d.upper), plot.left()), plot.top()), plot.bottomRight()),
            shade);
    for (size_t i = 0; i < d.bins.size(); ++i) {
        const double a = d.low + static_cast<double>(i) * width, b = a + width;
        const bool out = (d.lower && b <= *d.lower) || (d.upper && a >= *d.upper);
        const QRectF bar(QPointF(xOf(a), yOf(static_cast<double>(d.bins[i]))),
                         QPointF(xOf(b), plot.bottom()));
        p.fillRect(bar, out ? kOut : kBar);
    }
    if (d.sigma > 0) {
        QPainterPath curve;
        for (int i = 0; i <= 200; ++i) {
            const double x = d.low + span * i / 200.0;
            const double z = (x - d.mean) / d.sigma;
            const QPointF pt(xOf(x), yOf(peakCurve * std::exp(-0.5 * z * z)));
            i == 0 ? curve.moveTo(pt) : curve.lineTo(pt);
        }
        p.setPen(QPen(kCurve, 1.5));
        p.drawPath(curve);
    }
    auto vertical = [&](double v, const QPen& pen, const QString& label, bool above) {
        if (v < d.low || v > d.high) return;
        p.setPen(pen);
        p.drawLine(QPointF(xOf(v), plot.top()), QPointF(xOf(v), plot.bottom()));
        p.setPen(Qt::black);
        const QPointF at(xOf(v) + 2, above ? plot.top() - 3 : plot.bottom() + fm.ascent() + 2);
        p.drawText(at, label);
    };
    QPen dashed(Qt::black, 1, Qt::DashLine);
    vertical(d.worstMin, dashed, num(d.worstMin), false);
    vertical(d.worstMax, dashed, num(d.worstMax), false);
    QPen limit(kOut, 2);
    if (d.lower) vertical(*d.lower, limit, num(*d.lower), true);
    if (d.upper) vertical(*d.upper, limit, num(*d.upper), true);
    p.setPen(Qt::black);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawText(QRectF(area.left(), area.top(), area.width(), fm.height()), Qt::AlignRight,
               QStringLiteral("%1 tirages, graine %2")
                   .arg(num(static_cast<double>(d.count), "### ### ##0"))
                   .arg(d.seed));
    p.restore();
}

ChainHistogram::ChainHistogram(int chain, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    data_.chain = chain;
    setData(data_);
}

void ChainHistogram::setData(const ChainHistogramData& data) {
    data_ = data;
    setAccessibleName(QStringLiteral("Histogramme du jeu %1").arg(data_.chain));
    setAccessibleDescription(histogramDescription(data_));
    update();
}

void ChainHistogram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(contentsRect(), Qt::white);
    paintHistogram(p, QRectF(contentsRect()).adjusted(6, 4, -6, -4), data_);
    drawFrame(&p);
}

namespace {
constexpr int kPanelWidth = 400, kPanelHeight = 220, kGap = 16;
}

ChainNoteHistograms::ChainNoteHistograms(QWidget* parent) : QWidget(parent) {
    hide();
    setData({});
}

void ChainNoteHistograms::setData(const std::vector<ChainHistogramData>& data) {
    data_.clear();
    QStringList descriptions;
    for (const ChainHistogramData& d : data)
        if (d.hasHistogram()) {
            data_.push_back(d);
            descriptions << histogramDescription(d);
        }
    const int n = std::max<int>(1, static_cast<int>(data_.size()));
    resize(n * kPanelWidth + (n - 1) * kGap, kPanelHeight);
    setAccessibleDescription(descriptions.join(QLatin1Char(' ')));
}

void ChainNoteHistograms::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    for (size_t i = 0; i < data_.size(); ++i) {
        const QRectF panel(static_cast<double>(i) * (kPanelWidth + kGap), 0, kPanelWidth,
                           kPanelHeight);
        p.drawText(QRectF(panel.left(), panel.top(), panel.width(), 16), Qt::AlignLeft,
                   QStringLiteral("Jeu %1").arg(data_[i].chain));
        paintHistogram(p, panel.adjusted(2, 2, -2, -2), data_[i]);
    }
}
