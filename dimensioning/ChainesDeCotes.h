#pragma once

// Functional dimensioning study: two dimension chains side by side, each giving
// the nominal clearance, its deviations, the maximum and minimum clearance in
// the worst case and statistically.

#include <QList>

#include "StudyWindow.h"
#include "dimension_chain.h"

class QGroupBox;
class QLabel;
class QLineEdit;

class ChainesDeCotes : public torvel::StudyWindow {
    Q_OBJECT
  public:
    explicit ChainesDeCotes(QWidget* parent = nullptr);

    void calculate() override;  // BtCalculer_Click
    void reset(int chain);      // BT_RAZ1_Click, BT_RAZ2_Click

    static QString printCaption();

  private:
    void buildChain(int chain, QGroupBox* group);
    void buildStatistical(int chain, int left);
    void showIdle(int chain);

    QList<QWidget*> groups_;  // the eleven group boxes, Frame1 first
};
