#pragma once

// Angular-contact study: a pair of bearings A and B in X or in O under two
// radial loads and one axial load on the assembly; gives each bearing's axial
// load and equivalent dynamic load.

#include <QString>

#include "StudyWindow.h"
#include "contact_oblique.h"

class QComboBox;
class QLabel;

class ContactOblique : public torvel::StudyWindow {
    Q_OBJECT
  public:
    explicit ContactOblique(QWidget* parent = nullptr);

    void calculate() override;  // BtCalculer_Click
    void Combo1_Click(const QString& mounting);

    // The report as printed: the boxes' texts as they stand, today's date.
    torvel::ReportLines reportLines() const;

    // Where the images folder is looked for: the application folder unless set.
    void setDrawingFolder(const QString& folder) { drawingFolder_ = folder; }
    const torvel::bearings::ObliqueState& state() const { return state_; }

  private:
    void buildBearing(QWidget* parent, int number, const QString& side, int top);
    // Loads the drawing of `mounting` into Picture1; false when the file cannot be read.
    bool loadDrawing(const QString& mounting, QString* path);

    torvel::bearings::ObliqueState state_;
    QString drawingFolder_;
    QComboBox* combo_ = nullptr;
    QLabel* picture_ = nullptr;
};
