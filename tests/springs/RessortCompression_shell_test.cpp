#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "MDIForm1.h"
#include "RessortCompression.h"
#include "ui_helpers.h"

using namespace testing_ui;

// From the main window: F7 opens the study, which computes and prints.
TEST(RessortCompressionShell, F7OpensComputesAndPrints) {
    LocaleScope locale("fr_FR");
    QTemporaryDir dir;
    MDIForm1 m;
    showActive(&m);
    QTest::keyClick(&m, Qt::Key_F7);
    auto* w = qobject_cast<RessortCompression*>(m.study("RessortCompression"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(m.mdiArea()->activeSubWindow()->widget(), w);
    EXPECT_EQ(child<QLineEdit>(w, "TextG")->text(), "7000");

    for (const auto& [name, value] : {std::pair{"Textd", "2"},
                                      {"Textdm", "20"},
                                      {"TextF1", "10"},
                                      {"TextL1", "50"},
                                      {"TextF2", "20"},
                                      {"TextL2", "40"}})
        type(child<QLineEdit>(w, name), value);
    EXPECT_TRUE(catchMessages([&] { child<QPushButton>(w, "BtCalculer")->click(); }).isEmpty());
    EXPECT_EQ(child<QLineEdit>(w, "TextTb")->text(), "334,225");

    const QString pdf = dir.filePath("ressort.pdf");
    EXPECT_TRUE(
        answerPrintDialog([&] { child<QPushButton>(w, "BtImprimer")->click(); }, pdf).isEmpty());
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_TRUE(pdfText(pdf).contains("334,225"));

    // Opening it again keeps the one instance with its entries.
    QTest::keyClick(&m, Qt::Key_F7);
    EXPECT_EQ(m.study("RessortCompression"), w);
    EXPECT_EQ(child<QLineEdit>(w, "Textd")->text(), "2");
}
