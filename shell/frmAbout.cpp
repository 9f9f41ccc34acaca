#include "frmAbout.h"

#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "application.h"
#include "identity.h"
#include "pictures.h"
#include "sysinfo.h"
#include "twips.h"
#include "ui_text.h"

using torvel::pxRect;

frmAbout::frmAbout(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("frmAbout"));
    const torvel::Identity& id = torvel::identity();
    setWindowTitle(QStringLiteral("A propos de ") + id.title);
    setWindowIcon(torvel::applicationIcon());
    setFixedSize(torvel::pxSize(5730, 3900));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(pxRect(240, 240, 720, 720));
    icon->setPixmap(torvel::applicationIcon().pixmap(icon->size()));

    torvel::identityLabel(this, "lblTitle", id.title, 21.75, true, pxRect(1200, 180, 4200, 600));
    torvel::identityLabel(this, "lblVersion", torvel::versionText(), 11.25, true,
                          pxRect(1200, 800, 4200, 330));
    torvel::identityLabel(this, "Label2", QStringLiteral("Utillitaire de Bureau d'études"), 9.75,
                          false, pxRect(1200, 1200, 4200, 300));
    torvel::identityLabel(this, "lblCompanyProduct", id.company, 0, false,
                          pxRect(1200, 1560, 4200, 255));
    torvel::identityLabel(this, "LblDate", torvel::shortDate(), 0, false,
                          pxRect(1200, 1920, 1800, 255));
    time_ = torvel::identityLabel(this, "LblHeure", torvel::shortTime(), 0, false,
                                  pxRect(3120, 1920, 1800, 255));

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(pxRect(120, 2400, 5490, 60));

    auto* ok = new QPushButton(QStringLiteral("Fermer"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(pxRect(4080, 2700, 1440, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    auto* sysInfo = new QPushButton(QStringLiteral("&Info. Système"), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setGeometry(pxRect(4080, 3180, 1440, 375));
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, &frmAbout::tick);
    timer->start();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void frmAbout::tick() { time_->setText(torvel::shortTime()); }

QString frmAbout::unavailableMessage() {
    return QStringLiteral("Les informations du Système n'est pas disponible pour le moment");
}

void frmAbout::StartSysInfo() {
    QString tool;
    torvel::KeyValue v = torvel::GetKeyValue(
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"));
    if (v.found) {
        tool = v.value;
    } else {
        v = torvel::GetKeyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                                QStringLiteral("MSINFO"));
        const QString candidate = v.value + QStringLiteral("/MSINFO32.EXE");
        if (v.found && QFileInfo::exists(candidate)) tool = candidate;
    }
    if (tool.isEmpty() || !QProcess::startDetached(tool, {})) {
        QMessageBox box(QMessageBox::NoIcon, torvel::identity().title, unavailableMessage(),
                        QMessageBox::Ok, this);
        box.exec();
    }
}
