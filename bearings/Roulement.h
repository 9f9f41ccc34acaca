#pragma once

// Rating life of one rolling bearing or thrust bearing: loads, ratings, speed
// and selections in, load factors, equivalent loads and life out, the modified
// rating life of ISO 281:2007 when its group is filled, and the text report.

#include "StudyWindow.h"
#include "bearing_life.h"
#include "bearing_report.h"

class QComboBox;
class QLineEdit;

class Roulement : public torvel::StudyWindow {
    Q_OBJECT
  public:
    explicit Roulement(QWidget* parent = nullptr);

    void calculate() override;  // BtCalculer_Click

    void ComboElement_Click();
    void ComboCalcul_Click();

    // What the calculation and the report read, as the fields stand.
    torvel::bearings::BearingEntries entries() const;
    torvel::bearings::BearingReportFields reportFields() const;

  private:
    QComboBox* addCombo(QWidget* parent, const QString& name, int left, int top, int width);
    QLineEdit* addField(QWidget* parent, const QString& name, const QString& label,
                        const QString& tip, int left, int top, int labelWidth, int boxWidth);
    QList<QLineEdit*> factorBoxes() const;
    void addModifiedLifeGroup(QWidget* frame);

    torvel::bearings::BearingState state_;  // working values kept between runs
};
