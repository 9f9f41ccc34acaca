#include "ZonePicture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui_text.h"

namespace torvel::fits {

namespace {

constexpr int kMargin = 6;
constexpr int kLabelGap = 5;  // between a band and its deviation labels

int sideIndex(Side side) { return side == Side::Hole ? 0 : 1; }

const std::optional<Zone>& zoneOf(const FitZones& zones, Side side) {
    return side == Side::Hole ? zones.hole : zones.shaft;
}

// A label on the white picture, with a white ground so that the zero line does
// not run through its figures.
void drawLabel(QPainter& p, const QRectF& box, int flags, const QString& text) {
    const QRectF used = p.boundingRect(box, flags, text).adjusted(-1, 0, 1, 0);
    p.fillRect(used, Qt::white);
    p.drawText(box, flags, text);
}

}  // namespace

ZonePicture::ZonePicture(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

QColor ZonePicture::outlineColour(FitKind kind) {
    switch (kind) {
        case FitKind::Clearance:
            return QColor(0, 0, 255);
        case FitKind::Interference:
            return QColor(255, 0, 0);
        case FitKind::Transition:
            break;
    }
    return QColor(0, 0, 0);
}

QColor ZonePicture::fillColour(FitKind kind) {
    // A fifth of the fit colour on white: light enough for black figures.
    const QColor c = outlineColour(kind);
    auto light = [](int v) { return 255 - (255 - v) / 5; };
    return QColor(light(c.red()), light(c.green()), light(c.blue()));
}

void ZonePicture::setZones(const FitZones& zones, const QString& zeroCaption) {
    zones_ = zones;
    zeroCaption_ = zeroCaption;
    const QString separator = decimalSeparator();
    for (Side side : {Side::Hole, Side::Shaft}) {
        const auto& z = zoneOf(zones_, side);
        const int i = sideIndex(side);
        upperText_[i] = z ? fromStd(micronText(z->upper, toStd(separator), "\u2212")) : QString();
        lowerText_[i] = z ? fromStd(micronText(z->lower, toStd(separator), "\u2212")) : QString();
    }
    update();
}

QFont ZonePicture::nameFont() const {
    QFont f = font();
    f.setPointSizeF(9.75);
    f.setBold(true);
    return f;
}

ZonePicture::Layout ZonePicture::layout() const {
    const QRect r = contentsRect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int line = fontMetrics().height();
    Layout l;
    l.headerY = r.top();
    // Room for the class names above the scale and for half a label below it.
    const int top = r.top() + QFontMetrics(nameFont()).height() + line / 2 + 2;
    const int bottom = std::max(top, r.bottom() - line / 2);
    auto y = [&](int halfMicrons) {
        return top + std::round(zones_.position(halfMicrons) * (bottom - top));
    };
    l.zeroY = static_cast<int>(y(0));

    const int bandWidth = std::clamp(r.width() / 6, 20, 110);
    const int gap = bandWidth / 3;
    const int centre = r.center().x();
    for (Side side : {Side::Hole, Side::Shaft}) {
        const auto& z = zoneOf(zones_, side);
        if (!z) continue;
        Column c{side, {}, y(z->upper), y(z->lower)};
        const qreal left = side == Side::Hole ? centre - gap / 2 - bandWidth : centre + gap / 2;
        // A zone too thin for this scale still shows as a line.
        c.band = QRectF(left, c.upperY, bandWidth, std::max(c.lowerY - c.upperY, qreal(2)));
        // The two deviations of a thin zone move apart so that both read.
        if (c.lowerY - c.upperY < line) {
            const qreal mid = (c.upperY + c.lowerY) / 2;
            c.upperY = mid - line / 2.0;
            c.lowerY = mid + line / 2.0;
        }
        const qreal below = c.lowerY + line / 2.0 - (r.bottom() + kMargin);
        if (below > 0) {
            c.upperY -= below;
            c.lowerY -= below;
        }
        l.columns.append(c);
    }
    return l;
}

int ZonePicture::zeroLineY() const { return layout().zeroY; }

QRectF ZonePicture::band(Side side) const {
    if (!zones_.kind) return {};
    for (const Column& c : layout().columns)
        if (c.side == side) return c.band;
    return {};
}

void ZonePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(contentsRect(), Qt::white);
    const Layout l = layout();
    const QRect r = contentsRect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int line = fontMetrics().height();

    // Bands first, then the zero line over them, then the figures.
    if (zones_.kind) {
        for (const Column& c : l.columns) {
            p.fillRect(c.band, fillColour(*zones_.kind));
            p.setPen(QPen(outlineColour(*zones_.kind), 1));
            p.drawRect(c.band.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(r.left(), l.zeroY + 0.5), QPointF(r.right() + 1, l.zeroY + 0.5));
    p.drawText(QRectF(r.left(), l.zeroY - line - 1, r.width(), line),
               Qt::AlignLeft | Qt::AlignBottom, zeroCaption_);

    // Beside their band, outwards; without bands, where the band would be.
    for (const Column& c : l.columns) {
        const int i = sideIndex(c.side);
        const bool hole = c.side == Side::Hole;
        const qreal width = r.width() / 2.0;
        QRectF box(c.band.left(), 0, c.band.width(), line);
        int align = Qt::AlignCenter;
        if (zones_.kind) {
            box = hole ? QRectF(c.band.left() - kLabelGap - width, 0, width, line)
                       : QRectF(c.band.right() + kLabelGap, 0, width, line);
            align = (hole ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        }
        drawLabel(p, box.translated(0, c.upperY - line / 2.0), align, upperText_[i]);
        drawLabel(p, box.translated(0, c.lowerY - line / 2.0), align, lowerText_[i]);
    }
    p.setFont(nameFont());
    const int nameHeight = QFontMetrics(nameFont()).height();
    for (const Column& c : l.columns) {
        const auto& z = zoneOf(zones_, c.side);
        p.drawText(QRectF(c.band.left() - 20, l.headerY, c.band.width() + 40, nameHeight),
                   Qt::AlignCenter, fromStd(z->name));
    }
    drawFrame(&p);
}

}  // namespace torvel::fits
