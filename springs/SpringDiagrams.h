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
// nothing to show says so in words.
void paintCharacteristic(QPainter& p, const QRectF& area, const SpringStudyState& s);
void paintGoodman(QPainter& p, const QRectF& area, const SpringStudyState& s);
// Whether the Goodman diagram has a line to draw.
bool hasGoodman(const SpringStudyState& s);

class SpringPicture : public QFrame {
    Q_OBJECT
  public:
    enum class Kind { Characteristic, Goodman };
    SpringPicture(Kind kind, QWidget* parent = nullptr);
    // Takes the state of the last calculation, its description with it.
    void setStudy(const SpringStudyState& state);

  protected:
    void paintEvent(QPaintEvent* event) override;

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
