#pragma once

// Duty-cycle study: up to 20 cases of constant duration, speed and load typed
// into a grid, reduced to one equivalent load and mean speed, then the rating
// life for the chosen element type and reliability, and the modified rating
// life of ISO 281:2007 case by case when its group is filled.

#include <QTableWidget>

#include "StudyWindow.h"
#include "duty_cycle.h"

class QComboBox;

// MSFlexGrid1: 21 × 4 cells, row 0 and column 0 fixed (headers, case numbers).
// There is no edit box: keys typed on the grid change the current cell's text.
// As in a spreadsheet, Tab and Shift+Tab go from cell to cell along the rows and
// leave the grid past its last (first) cell, Enter moves down a row.
class CasVariablesGrid : public QTableWidget {
  public:
    explicit CasVariablesGrid(QWidget* parent = nullptr);

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

  private:
    bool editableCurrent() const;
    void append(const QString& text);
};

class CasVariables : public torvel::StudyWindow {
    Q_OBJECT
  public:
    explicit CasVariables(QWidget* parent = nullptr);

    void calculate() override;  // BtCalculer_Click

    // The report as printed: the grid read again, the boxes' texts, today's date.
    torvel::ReportLines reportLines() const;
    const torvel::bearings::DutyState& state() const { return state_; }

  private:
    torvel::bearings::DutyGrid readGrid() const;
    void addModifiedLifeGroup();

    torvel::bearings::DutyState state_;
    CasVariablesGrid* grid_ = nullptr;
    QComboBox* element_ = nullptr;
    QComboBox* reliability_ = nullptr;
};
