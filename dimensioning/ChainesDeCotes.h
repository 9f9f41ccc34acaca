#pragma once

// Functional dimensioning study: two dimension chains side by side, each giving
// the nominal clearance, its deviations, the maximum and minimum clearance in
// the worst case and statistically, and below each chain its statistical
// tolerancing: tolerance classes and laws of its dimensions, the clearance the
// function needs, the part out of it and what drives it, with a histogram from
// a simulation run off the interface thread.

#include <QList>
#include <array>
#include <memory>

#include "StudyWindow.h"
#include "chain_statistics.h"
#include "dimension_chain.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class ChainHistogram;
class ChainNoteHistograms;

class ChainesDeCotes : public torvel::StudyWindow {
    Q_OBJECT
  public:
    explicit ChainesDeCotes(QWidget* parent = nullptr);
    ~ChainesDeCotes() override;

    void calculate() override;  // BtCalculer_Click
    void reset(int chain);      // BT_RAZ1_Click, BT_RAZ2_Click

    static QString printCaption();

    // Results shown are current only once their simulation has ended.
    bool resultsCurrent() const override;
    // Computes when needed, then waits for a simulation still running.
    bool bringResultsCurrent() override;
    bool simulationRunning() const { return job_ != nullptr; }
    // Waits for a running simulation and shows its results.
    void waitForSimulation();

  private:
    struct Job;

    void buildChain(int chain, QGroupBox* group);
    void buildStatistical(int chain, int left);
    void buildTolerancing(int chain, int left, int top);
    void showIdle(int chain);
    torvel::StatEntries statEntries(int chain) const;
    // Shows a grid row when its dimension is in use, and fills its deviation
    // boxes from its class.
    void refreshRow(int chain, int row);
    void showShares(int chain, const torvel::ChainStatistics& statistics);
    void colourVerdict(int chain, const torvel::ChainStatistics& statistics);
    void startSimulation();
    // Drops the run of `chain` in flight, of both chains for 0.
    void cancelSimulation(int chain = 0);
    void finishSimulation(int id);
    void deliver(Job& job);
    void refreshNoteDrawing();

    QList<QWidget*> groups_;  // the group boxes, Frame1 first
    std::array<QTableWidget*, 2> grids_{};
    std::array<ChainHistogram*, 2> histograms_{};
    ChainNoteHistograms* noteHistograms_ = nullptr;
    std::array<torvel::ChainStatistics, 2> statistics_{};
    std::unique_ptr<Job> job_;
    int lastJob_ = 0;
    std::array<bool, 2> interrupted_{};  // a chain's run dropped before its end
    bool resetting_ = false;
};
