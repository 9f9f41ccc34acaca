#include "frmSplash.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "MDIForm1.h"
#include "application.h"
#include "identity.h"
#include "numbers.h"
#include "pictures.h"
#include "twips.h"

using torvel::pxRect;

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(torvel::identity().title);
    resize(torvel::pxSize(7380, 4245));

    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::Box);
    frame_->setGeometry(pxRect(150, 60, 7080, 4080));
    frame_->installEventFilter(this);

    auto* picture = new QLabel(frame_);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(pxRect(240, 600, 2430, 1890));
    picture->setPixmap(torvel::splashPicture(picture->size(), devicePixelRatioF()));

    const torvel::Identity& id = torvel::identity();
    torvel::identityLabel(frame_, "lblTitle", id.title, 32.25, true, pxRect(2900, 700, 4000, 900));
    torvel::identityLabel(frame_, "lblVersion", torvel::versionText(), 12, true,
                          pxRect(2900, 1700, 4000, 400));
    torvel::identityLabel(frame_, "lblResume", QStringLiteral("Utilitaire de Bureau d'études"),
                          9.75, true, pxRect(2900, 2200, 4000, 330));
    torvel::identityLabel(frame_, "lblCompanyProduct", id.company, 8.25, false,
                          pxRect(240, 3600, 6600, 255));
    // Clicks on the labels and the picture count as clicks on the frame.
    for (QLabel* l : frame_->findChildren<QLabel*>())
        l->setAttribute(Qt::WA_TransparentForMouseEvents);

    countdown_ = new QLineEdit(QStringLiteral("2"), this);
    countdown_->setObjectName(QStringLiteral("Text1"));
    countdown_->hide();

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &frmSplash::tick);
    timer_->start();

    main_ = std::make_unique<MDIForm1>();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = geometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

frmSplash::~frmSplash() = default;

void frmSplash::tick() {
    const double left = torvel::leadingNumber(countdown_->text().toStdString()) - 1;
    countdown_->setText(QString::number(left));
    if (countdown_->text() == QLatin1String("0")) handOver();
}

void frmSplash::handOver() {
    // Once the main window is up, the countdown has nothing left to do.
    timer_->stop();
    hide();
    main_->show();
    const QStringList files = std::exchange(filesAtStart_, {});
    for (const QString& file : files) main_->openStudyFile(file);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::MouseButtonPress) {
        handOver();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
