#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "Ajustements.h"
#include "MDIForm1.h"
#include "fits_selection.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

QString label(QWidget* w, const char* name) { return child<QLabel>(w, name)->text(); }

void press(QWidget* w, const char* tile) {
    auto* t = child<QWidget>(w, tile);
    QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, t->rect().center());
}

}  // namespace

TEST(AjustementsInTheShell, F4OpensTheStudyAndTheClassesOutliveTheWindow) {
    torvel::fits::resetFitsSelection();
    MDIForm1 m;
    showActive(&m);
    QTest::keyClick(&m, Qt::Key_F4);
    auto* w = qobject_cast<Ajustements*>(m.study("Ajustements"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(m.mdiArea()->activeSubWindow()->widget(), w);
    press(w, "Lbl_TB_Ql_Al_1");  // H7
    press(w, "Lbl_TB_Ql_Ar_1");  // g6
    EXPECT_EQ(label(w, "J_Max"), "0,0180");
    EXPECT_EQ(label(w, "J_Min"), "0,0020");

    m.findChild<QAction*>("MNU_Close")->trigger();
    ASSERT_EQ(m.study("Ajustements"), nullptr);
    QTest::keyClick(&m, Qt::Key_F4);
    w = qobject_cast<Ajustements*>(m.study("Ajustements"));
    ASSERT_NE(w, nullptr);
    press(w, "Lbl_TB_Ql_Al_2");  // H8: the shaft class chosen before still counts
    EXPECT_EQ(label(w, "Aj_Ale"), "H8");
    EXPECT_EQ(label(w, "J_Max"), "0,0220");
    EXPECT_TRUE(child<QWidget>(w, "recup_curseur")->hasFocus());
}
