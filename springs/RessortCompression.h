#pragma once

// Compression spring study: wire, material, end type and two working points in,
// the nineteen results of the design calculation and its EN 13906-1 checks out;
// prints the window image.

#include <QList>
#include <QPixmap>

#include "StudyWindow.h"
#include "spring_engine.h"
#include "spring_strength.h"

namespace torvel::springs {
class SpringNoteDrawing;
class SpringPicture;
}  // namespace torvel::springs

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
    void addStrengthGroup();
    void ComboMateriau_Click();
    void materialTyped();
    void showVerdicts();
    template <class T>
    T* child(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }
    // A list and its caption; the caption is the box's buddy and is recoloured on print.
    QComboBox* addList(QGroupBox* group, const char* name, const char* label, const char* tip,
                       int labelLeft, int labelWidth, int top, int boxLeft, int boxWidth);
    QLineEdit* addEntry(QGroupBox* group, const char* name, const char* label, const char* tip,
                        const char* value, int labelLeft, int labelWidth, int top, int boxLeft);
    // `value`: "0" for the design results; the checks stay empty until computed.
    void addResult(QGroupBox* group, const char* name, const char* label, const char* tip, int left,
                   int top, const char* value = "0", int boxWidth = 1300, int labelWidth = 1950);

    // Dead coils, results, verdicts and strength of the last calculation.
    torvel::springs::SpringStudyState study_;
    QComboBox* endType_ = nullptr;
    QComboBox* material_ = nullptr;
    QComboBox* loading_ = nullptr;
    QComboBox* peened_ = nullptr;
    QLineEdit* rm_ = nullptr;
    bool fillingMaterial_ = false;  // a grade writing its own G and mV
    torvel::springs::SpringPicture* characteristic_ = nullptr;
    torvel::springs::SpringPicture* goodman_ = nullptr;
    torvel::springs::SpringNoteDrawing* noteDrawing_ = nullptr;
    QList<QWidget*> recoloured_;
};
