#pragma once

// The spring's diagrams, drawn from the last calculation: its characteristic
// (force against length) and, under a dynamic load, the Goodman diagram of its
// working point. Painted, so that they stay sharp on screen and are vectors in
// the calculation note.

#include <QFrame>
#include <QWidget>

#include "spring_strength.h"

class QPainter;

namespace torvel::springs {

// Each picture paints into `area` with the painter's font; a picture with
// nothing to show says so in words; `grey` draws it out of date.
void paintCharacteristic(QPainter& p, const QRectF& area, const SpringStudyState& s, bool grey);
void paintGoodman(QPainter& p, const QRectF& area, const SpringStudyState& s, bool grey);
// Whether the Goodman diagram has a line to draw: an EN 13906-1 diagram was read.
bool hasGoodman(const SpringStudyState& s);

// A picture is a result: the calculation writes its description as its text,
// and the frame greys it with the other results when an entry changes.
class SpringPicture : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
  public:
    enum class Kind { Characteristic, Goodman };
    SpringPicture(Kind kind, QWidget* parent = nullptr);
    // Takes the state of the last calculation, its description with it.
    void setStudy(const SpringStudyState& state);
    QString text() const { return accessibleDescription(); }
    void setText(const QString& description);
    // Drawn grey: the results it shows are out of date.
    bool greyed() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    Kind kind_;
    SpringStudyState state_;
};

// The note's drawing: the window's sketch, the characteristic and, when the
// fatigue was evaluated, the Goodman diagram, side by side. Never shown.
class SpringNoteDrawing : public QWidget {
    Q_OBJECT
  public:
    explicit SpringNoteDrawing(QWidget* parent = nullptr);
    void setStudy(const SpringStudyState& state);
    int panels() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SpringStudyState state_;
};

}  // namespace torvel::springs
