#pragma once

// The histogram of a chain's clearance from its last simulation: the bins, the
// clearance required with the part out of it shaded, the worst-case limits
// dashed and the normal curve of the samples' mean and σ. Painted, so that it
// is a vector drawing in the calculation note; described in words for
// accessibility.

#include <QFrame>
#include <QString>
#include <optional>
#include <vector>

#include "chain_statistics.h"

class QPainter;

struct ChainHistogramData {
    int chain = 1;
    QString state;  // shown instead of a histogram when there is none
    std::vector<std::uint64_t> bins;
    double low = 0, high = 1;
    std::uint64_t count = 0, seed = 0;
    double mean = 0, sigma = 0;  // of the samples
    std::optional<double> lower, upper;
    double worstMin = 0, worstMax = 0;
    bool hasHistogram() const { return count > 0 && !bins.empty(); }
};

// The data of a finished run, and its description.
ChainHistogramData histogramOf(int chain, const torvel::ChainStatistics& statistics,
                               const torvel::sampling::SimulationResult& result);
QString histogramDescription(const ChainHistogramData& data);
void paintHistogram(QPainter& p, const QRectF& area, const ChainHistogramData& data);

class ChainHistogram : public QFrame {
    Q_OBJECT
  public:
    explicit ChainHistogram(int chain, QWidget* parent = nullptr);
    void setData(const ChainHistogramData& data);
    const ChainHistogramData& data() const { return data_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChainHistogramData data_;
};

// The note's drawing: the histograms of the chains that have one, side by side.
// Never shown.
class ChainNoteHistograms : public QWidget {
    Q_OBJECT
  public:
    explicit ChainNoteHistograms(QWidget* parent = nullptr);
    void setData(const std::vector<ChainHistogramData>& data);
    bool empty() const { return data_.empty(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<ChainHistogramData> data_;
};
