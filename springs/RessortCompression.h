#pragma once

// Compression spring study: wire, material, end type and two working points in,
// the nineteen results of the design calculation and its EN 13906-1 checks out;
// prints the window image.

#include <QList>
#include <QPixmap>

#include "StudyWindow.h"
#include "spring_engine.h"

class QComboBox;
class QGroupBox;
class QLineEdit;

class RessortCompression : public torvel::StudyWindow {
    Q_OBJECT
  public:
    explicit RessortCompression(QWidget* parent = nullptr);

    void calculate() override;  // BtCalculer_Click

    // The sketch of the group "Géométrie", compiled into the program.
    static QPixmap storedDrawing();

    // Caption of Frame1 on the print-out, dated now.
    static QString printCaption();

    // The controls the print-out recolours (besides the window and Frame1).
    const QList<QWidget*>& printRecoloured() const { return recoloured_; }

  private:
    QLineEdit* addEntry(QGroupBox* group, const char* name, const char* label, const char* tip,
                        const char* value, int labelLeft, int labelWidth, int top, int boxLeft);
    // `value`: "0" for the design results; the checks stay empty until computed.
    void addResult(QGroupBox* group, const char* name, const char* label, const char* tip, int left,
                   int top, const char* value = "0", int boxWidth = 1300);

    torvel::springs::SpringState state_;  // dead coils and results of the last calculation
    QComboBox* endType_ = nullptr;
    QList<QWidget*> recoloured_;
};
