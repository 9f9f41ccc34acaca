#pragma once

// Section properties study: pick one of the twelve shapes, see its drawing with
// the dimensions lettered a to d, type them, compute and print the window.

#include <QList>
#include <QPixmap>

#include "StudyWindow.h"
#include "section_engine.h"

class QComboBox;
class QLabel;

class Section : public torvel::StudyWindow {
    Q_OBJECT
  public:
    explicit Section(QWidget* parent = nullptr);

    void calculate() override;  // BtCalculer_Click

    // ComboType_Click: the drawing of the chosen shape, then what it shows.
    void chooseShape(const QString& name);

    // The folder the drawings are read from ("images/" beside the executable).
    static QString imagesFolder();
    static QString printCaption();

    // The drawing shown at opening, compiled into the program.
    static QPixmap storedDrawing();

    // The controls the print-out recolours (besides the window and Frame1).
    const QList<QWidget*>& printRecoloured() const { return recoloured_; }

  private:
    void applyLayout(const torvel::sections::ShapeLayout& layout);

    QComboBox* comboType_ = nullptr;
    QLabel* picture_ = nullptr;
    QString drawing_ = QStringLiteral("stored-drawing");  // the shape drawn, for the note
    QList<QWidget*> recoloured_;  // groups, boxes and labels that take the print background
    torvel::sections::SectionResults results_;
    bool typing_ = false;  // the selector is acting on typed text, not on a choice
};
