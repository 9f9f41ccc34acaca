#pragma once

// PictureZones of the fits window: the hole and shaft tolerance zones drawn
// against the zero line on one micrometre scale. Painted, so it stays sharp at
// any screen scale.

#include <QFrame>
#include <QList>
#include <QRectF>
#include <QString>

#include "fit_zones.h"

namespace torvel::fits {

class ZonePicture : public QFrame {
    Q_OBJECT
  public:
    explicit ZonePicture(QWidget* parent = nullptr);

    // What to draw next; `zeroCaption` labels the zero line ("ø 25").
    void setZones(const FitZones& zones, const QString& zeroCaption);
    const FitZones& zones() const { return zones_; }

    // Where the current size puts the zero line and a side's filled band
    // (an empty rectangle while that band is not drawn).
    int zeroLineY() const;
    QRectF band(Side side) const;

    // Band fill and outline of a fit kind.
    static QColor outlineColour(FitKind kind);
    static QColor fillColour(FitKind kind);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Column {
        Side side;
        QRectF band;  // the zone's extent on the scale, drawn or not
        qreal upperY = 0;
        qreal lowerY = 0;
    };
    struct Layout {
        int zeroY = 0;
        int headerY = 0;
        QList<Column> columns;
    };
    Layout layout() const;
    QFont nameFont() const;

    FitZones zones_;
    QString zeroCaption_;
    QString upperText_[2];
    QString lowerText_[2];
};

}  // namespace torvel::fits
