#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "MDIForm1.h"
#include "frmAbout.h"
#include "frmSplash.h"
#include "identity.h"
#include "sysinfo.h"
#include "ui_helpers.h"

using namespace testing_ui;

TEST(Splash, ShowsIdentityThenTheMainWindowAfterTwoTicks) {
    frmSplash splash;
    splash.show();
    EXPECT_EQ(child<QLabel>(&splash, "lblTitle")->text(), "Torvel");
    EXPECT_EQ(child<QLabel>(&splash, "lblVersion")->text(),
              QStringLiteral("Version ") + torvel::kVersion);
    EXPECT_EQ(child<QLabel>(&splash, "lblResume")->text(), "Utilitaire de Bureau d'études");
    EXPECT_EQ(child<QLabel>(&splash, "lblCompanyProduct")->text(), "");
    EXPECT_FALSE(child<QLabel>(&splash, "Picture1")->pixmap().isNull());
    auto* countdown = child<QLineEdit>(&splash, "Text1");
    EXPECT_EQ(countdown->text(), "2");
    EXPECT_TRUE(countdown->isHidden());
    ASSERT_NE(splash.mainWindow(), nullptr);
    EXPECT_FALSE(splash.mainWindow()->isVisible());
    EXPECT_EQ(splash.timer()->interval(), 500);

    QElapsedTimer clock;
    clock.start();
    // Two ticks of 500 ms: never before about one second (the wait allows for a loaded machine).
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.mainWindow()->isVisible(); }, 5000));
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(countdown->text(), "0");
    // Nothing further happens on later ticks.
    QTest::qWait(1100);
    EXPECT_EQ(countdown->text(), "0");
    EXPECT_TRUE(splash.mainWindow()->isVisible());
}

TEST(Splash, ClickHandsOverAtOnce) {
    frmSplash splash;
    showActive(&splash);
    QTest::mouseClick(child<QWidget>(&splash, "lblTitle"), Qt::LeftButton);
    EXPECT_TRUE(splash.mainWindow()->isVisible());
    EXPECT_FALSE(splash.isVisible());
    QTest::qWait(1200);
    EXPECT_EQ(child<QLineEdit>(&splash, "Text1")->text(), "2");
}

TEST(About, TextsAndLiveClock) {
    LocaleScope locale("fr_FR");
    MDIForm1 m;
    frmAbout* about = m.showAbout();
    EXPECT_EQ(m.showAbout(), about);  // one instance
    EXPECT_EQ(about->windowTitle(), "A propos de Torvel");
    EXPECT_EQ(child<QLabel>(about, "lblTitle")->text(), "Torvel");
    EXPECT_EQ(child<QLabel>(about, "lblVersion")->text(),
              QStringLiteral("Version ") + torvel::kVersion);
    EXPECT_EQ(child<QLabel>(about, "Label2")->text(), "Utillitaire de Bureau d'études");
    EXPECT_EQ(child<QPushButton>(about, "cmdOK")->text(), "Fermer");
    EXPECT_EQ(child<QPushButton>(about, "cmdSysInfo")->text(), "&Info. Système");
    EXPECT_FALSE(child<QLabel>(about, "picIcon")->pixmap().isNull());
    auto* date = child<QLabel>(about, "LblDate");
    auto* time = child<QLabel>(about, "LblHeure");
    EXPECT_EQ(date->text(), QDate::currentDate().toString("dd/MM/yyyy"));
    const QString first = time->text();
    EXPECT_TRUE(QTest::qWaitFor([&] { return time->text() != first; }, 2500));
    EXPECT_EQ(date->text(), QDate::currentDate().toString("dd/MM/yyyy"));
    child<QPushButton>(about, "cmdOK")->click();
    QApplication::processEvents();
}

TEST(About, SystemInformationToolOrTheMessage) {
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir dir;
    qputenv("PATH", dir.path().toLocal8Bit());
    frmAbout about;
    about.show();
    EXPECT_FALSE(torvel::GetKeyValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH").found);
    const QStringList messages =
        catchMessages([&] { child<QPushButton>(&about, "cmdSysInfo")->click(); });
    EXPECT_EQ(messages,
              QStringList({"Les informations du Système n'est pas disponible pour le moment"}));
    EXPECT_EQ(lastBoxLook().title, "Torvel");
    EXPECT_EQ(lastBoxLook().buttons, 1);

    const QString marker = dir.filePath("started");
    QFile stub(dir.filePath("hardinfo"));
    ASSERT_TRUE(stub.open(QIODevice::WriteOnly));
    stub.write(QStringLiteral("#!/bin/sh\n/usr/bin/touch '%1'\n").arg(marker).toLocal8Bit());
    stub.close();
    stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const auto key = torvel::GetKeyValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    EXPECT_TRUE(key.found);
    EXPECT_EQ(key.value, dir.filePath("hardinfo"));
    EXPECT_TRUE(
        catchMessages([&] { child<QPushButton>(&about, "cmdSysInfo")->click(); }).isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 3000));
    qputenv("PATH", oldPath);
}
