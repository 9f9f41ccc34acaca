#pragma once

// The start-up window: shows the product identity, loads the main window
// hidden and hands over to it at the second tick of its countdown, or at once
// when clicked.

#include <QStringList>
#include <QWidget>
#include <memory>

class QFrame;
class QLineEdit;
class QTimer;
class MDIForm1;

class frmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

    MDIForm1* mainWindow() const { return main_.get(); }
    // Study files to open once the main window is up (the command line).
    void openAtStart(const QStringList& files) { filesAtStart_ = files; }
    QTimer* timer() const { return timer_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void tick();      // Timer1_Timer
    void handOver();  // hide the splash, show the main window

    std::unique_ptr<MDIForm1> main_;
    QFrame* frame_ = nullptr;
    QLineEdit* countdown_ = nullptr;
    QTimer* timer_ = nullptr;
    QStringList filesAtStart_;
};
