// Entry of the window tests: one QApplication on the offscreen platform, then
// GoogleTest. Two guards turn silent faults into failures of the running test:
// a critical message (a write to a control that does not exist, for one), and a
// modal box that stays open because no test expected it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QtMessageHandler defaultHandler = nullptr;

void failOnCritical(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg) ADD_FAILURE() << "critical message: " << message.toStdString();
    defaultHandler(type, context, message);
}

// Closes a modal box that has been open for kLimit ticks and fails the test.
class ModalWatchdog : public QObject {
  public:
    static constexpr int kTickMs = 500;
    static constexpr int kLimit = 10;

    explicit ModalWatchdog(QObject* parent) : QObject(parent) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &ModalWatchdog::tick);
        timer->start(kTickMs);
    }

  private:
    void tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal != seen_) {
            seen_ = modal;
            ticks_ = 0;
            return;
        }
        if (++ticks_ < kLimit) return;
        QString text = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            text += QStringLiteral(": ") + box->text();
        ADD_FAILURE() << "a modal box stayed open: " << text.toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        seen_ = nullptr;
        ticks_ = 0;
    }

    QPointer<QWidget> seen_;
    int ticks_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The recent studies and the last folder go to a folder of the run's own,
    // never to the user's settings.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    defaultHandler = qInstallMessageHandler(failOnCritical);
    new ModalWatchdog(&app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
