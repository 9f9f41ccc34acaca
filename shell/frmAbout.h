#pragma once

// The About window: identity, the date it was opened, a live clock, and the
// system-information tool.

#include <QWidget>

class QLabel;
class QTimer;

class frmAbout : public QWidget {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

    void StartSysInfo();  // cmdSysInfo_Click

    static QString unavailableMessage();

  private:
    void tick();  // Timer1_Timer

    QLabel* time_ = nullptr;
};
