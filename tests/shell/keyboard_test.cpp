// A study run from the keyboard: the main window's shortcuts from inside a
// field, F9, Tab through the entries of every window, the duty-cycle grid as
// a spreadsheet and the deviation boxes of the dimension chains.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>

#include "CasVariables.h"
#include "MDIForm1.h"
#include "StudyWindow.h"
#include "examples.h"
#include "studies.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

// Runs `action` and names the modal dialog it opens ("" for none), closing it.
QString dialogOpenedBy(const std::function<void()>& action) {
    QString seen;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            seen = dialog->windowTitle();
            dialog->reject();
        }
    });
    timer.start();
    action();
    timer.stop();
    return seen;
}

// The control holding the focus, named as a user would point at it: a list's
// own edit line counts as the list.
QString focusedName() {
    QWidget* w = QApplication::focusWidget();
    if (w && qobject_cast<QComboBox*>(w->parentWidget())) w = w->parentWidget();
    return w ? w->objectName() : QString();
}

// The controls a user types into or acts on: the inputs its study file keeps,
// the reference, the buttons; found without the frame's help.
QStringList editableControls(const torvel::StudyWindow* w) {
    QStringList names;
    const QStringList inputs = w->keptInputs().keys();
    for (QWidget* c : w->frame()->findChildren<QWidget*>()) {
        if (!c->isVisibleTo(w) || !c->isEnabled() || !(c->focusPolicy() & Qt::TabFocus)) continue;
        if (auto* edit = qobject_cast<QLineEdit*>(c)) {
            if (!edit->isReadOnly() && (inputs.contains(c->objectName()) || c == w->reference()))
                names << c->objectName();
        } else if (qobject_cast<QComboBox*>(c) || qobject_cast<QAbstractButton*>(c) ||
                   qobject_cast<QTableWidget*>(c) || qobject_cast<QListWidget*>(c)) {
            names << c->objectName();
        }
    }
    names.sort();
    return names;
}

// Presses `key` until the focus comes back where it started; the controls met,
// a control kept over several presses (the grid's cells) counted once.
QStringList walk(Qt::Key key, int limit = 400) {
    const QString start = focusedName();
    QStringList met{start};
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        const QString now = focusedName();
        if (now != met.last()) met << now;
        if (now == start && met.size() > 1) break;
    }
    return met;
}

}  // namespace

TEST(Keyboard, MainWindowShortcutsWorkFromAField) {
    auto dialogOf = [](const char* keys) {
        return std::function<QString(MDIForm1&)>([keys](MDIForm1& m) {
            return dialogOpenedBy([&] { QTest::keySequence(m.focusWidget(), QKeySequence(keys)); });
        });
    };
    // Each from the first number box of the bearing study, the cursor in it.
    const struct {
        const char* what;
        QKeySequence keys;
        std::function<QString(MDIForm1&)> result;
        QString expected;
    } cases[] = {
        {"Ctrl+E exports the note", QKeySequence("Ctrl+E"), dialogOf("Ctrl+E"),
         "Exporter la note de calcul"},
        {"Ctrl+S saves", QKeySequence("Ctrl+S"), dialogOf("Ctrl+S"), "Enregistrer l'étude"},
        {"Ctrl+Shift+S saves as", QKeySequence("Ctrl+Shift+S"), dialogOf("Ctrl+Shift+S"),
         "Enregistrer l'étude"},
        {"Ctrl+O opens", QKeySequence("Ctrl+O"), dialogOf("Ctrl+O"), "Ouvrir une étude"},
        {"F9 computes", QKeySequence("F9"),
         [](MDIForm1& m) {
             QTest::keyClick(m.focusWidget(), Qt::Key_F9);
             return QString(m.study("Roulement")->resultsComputed() ? "computed" : "not");
         },
         "computed"},
        {"F3 opens a study", QKeySequence("F3"),
         [](MDIForm1& m) {
             QTest::keyClick(m.focusWidget(), Qt::Key_F3);
             return m.activeStudy() ? m.activeStudy()->objectName() : QString();
         },
         "CasVariables"},
        {"Ctrl+F8 hides the toolbar", QKeySequence("Ctrl+F8"),
         [](MDIForm1& m) {
             QTest::keySequence(m.focusWidget(), QKeySequence("Ctrl+F8"));
             return QString(m.findChild<QToolBar*>("Toolbar1")->isVisible() ? "shown" : "hidden");
         },
         "hidden"},
        // A line edit takes Ctrl+E for itself under some desktops' key schemes,
        // and Ctrl+Z under all: a main window's shortcut on it still runs.
        {"a key the field takes for itself", QKeySequence::Undo,
         [](MDIForm1& m) {
             auto* action = new QAction(&m);
             action->setShortcut(QKeySequence::Undo);
             m.addAction(action);
             int runs = 0;
             QObject::connect(action, &QAction::triggered, [&runs] { ++runs; });
             auto* box = qobject_cast<QLineEdit*>(m.focusWidget());
             box->insert("5");
             QTest::keySequence(box, QKeySequence::Undo);
             box->undo();
             return QString::number(runs);
         },
         "1"},
        {"Ctrl+C copies the selection", QKeySequence("Ctrl+C"),
         [](MDIForm1& m) {
             auto* box = qobject_cast<QLineEdit*>(m.focusWidget());
             box->setSelection(0, 2);
             QTest::keySequence(box, QKeySequence("Ctrl+C"));
             return QGuiApplication::clipboard()->text();
         },
         "40"},
        {"Ctrl+V pastes", QKeySequence("Ctrl+V"),
         [](MDIForm1& m) {
             QGuiApplication::clipboard()->setText("12");
             auto* box = qobject_cast<QLineEdit*>(m.focusWidget());
             box->selectAll();
             QTest::keySequence(box, QKeySequence("Ctrl+V"));
             return box->text();
         },
         "12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MDIForm1 m;
        showActive(&m);
        torvel::StudyWindow* w = m.openStudy("Roulement");
        tools::fillExample(w, *torvel::findStudy("Roulement"));
        auto* box = child<QLineEdit>(w, "TextFr");
        box->setFocus();
        box->setCursorPosition(1);
        EXPECT_EQ(c.result(m), c.expected);
        if (c.keys != QKeySequence("Ctrl+V")) {
            EXPECT_EQ(box->text(), "4000");
        }
        m.findChild<QToolBar*>("Toolbar1")->setVisible(true);
        QGuiApplication::clipboard()->clear();
        m.closeAll();
    }
}

TEST(Keyboard, TabGoesThroughTheEntriesOfEveryWindowInReadingOrder) {
    // Controls that follow one another in each window's order.
    const QMap<QString, QStringList> runs = {
        {"Roulement", {"TextFr", "TextFa"}},
        {"ContactOblique", {"TextFrA", "TexteA", "TextYA"}},
        {"CasVariables", {"TextRef", "Combo1", "TextC"}},
        {"Ajustements", {"Diametre", "ComboAjustementsUsuels", "TextDaMoyeu"}},
        {"ChainesDeCotes",
         {"TextJe1A", "TextJe1MaxA", "TextJe1minA", "TextJe1B", "TextJe1MaxB", "TextJe1minB"}},
        {"Section", {"Texta", "Textb"}},
        {"RessortCompression", {"Textd", "Textdm"}},
    };
    MDIForm1 m;
    showActive(&m);
    for (const auto& entry : torvel::studyEntries()) {
        const QString type = QString::fromLatin1(entry.type);
        SCOPED_TRACE(entry.type);
        torvel::StudyWindow* w = m.openStudy(type);
        ASSERT_NE(w, nullptr);
        QStringList stops;
        for (QWidget* s : w->tabStops()) stops << s->objectName();
        ASSERT_FALSE(stops.isEmpty());
        w->tabStops().first()->setFocus();
        QStringList forward = walk(Qt::Key_Tab);
        ASSERT_EQ(forward.last(), forward.first()) << forward.join(' ').toStdString();
        forward.removeLast();
        // Every entry once, and nothing else: no result box.
        QStringList met = forward;
        met.sort();
        EXPECT_EQ(met, editableControls(w));
        EXPECT_EQ(forward, stops);
        // Shift+Tab goes the same way back.
        QStringList backward = walk(Qt::Key_Backtab);
        backward.removeLast();
        std::reverse(backward.begin() + 1, backward.end());
        EXPECT_EQ(backward, forward);
        const QStringList run = runs.value(type);
        const qsizetype at = forward.indexOf(run.value(0));
        ASSERT_GE(at, 0);
        EXPECT_EQ(forward.mid(at, run.size()), run);
        m.closeAll();
    }
}

TEST(Keyboard, TabFollowsABoxMadeReadOnlyOrEditableAgain) {
    MDIForm1 m;
    showActive(&m);
    torvel::StudyWindow* w = m.openStudy("RessortCompression");
    auto* material = child<QComboBox>(w, "ComboMateriau");
    // A grade gives Rm from its table, the first item has it typed.
    for (const int item : {1, 0, 1, 0}) {
        material->setCurrentIndex(item);
        emit material->activated(item);
        w->orderTabsVisually();  // as on opening, with the box as it is now
        material->setFocus();
        const bool typed = item == 0;
        SCOPED_TRACE(material->currentText().toStdString());
        EXPECT_EQ(walk(Qt::Key_Tab).contains("TextRm"), typed);
        EXPECT_EQ(walk(Qt::Key_Backtab).contains("TextRm"), typed);
    }
    m.closeAll();
}

TEST(Keyboard, DutyCycleGridIsTypedAsASpreadsheet) {
    // Keys pressed from the first cell, with text typed between them.
    const struct {
        const char* what;
        QList<QVariant> keys;  // a Qt::Key, or a text to type
        QPoint cell;           // row, column of the current cell
        const char* focus;     // where the focus ends
    } cases[] = {
        {"Tab to the next column", {int(Qt::Key_Tab)}, {1, 2}, "MSFlexGrid1"},
        {"Tab past a row's end",
         {int(Qt::Key_Tab), int(Qt::Key_Tab), int(Qt::Key_Tab)},
         {2, 1},
         "MSFlexGrid1"},
        {"Shift+Tab back over a row's start",
         {int(Qt::Key_Return), int(Qt::Key_Backtab)},
         {1, 3},
         "MSFlexGrid1"},
        {"Enter moves down", {"3600", int(Qt::Key_Return)}, {2, 1}, "MSFlexGrid1"},
        {"Shift+Tab from the first cell leaves the grid",
         {int(Qt::Key_Backtab)},
         {1, 1},
         "ComboDisposition"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MDIForm1 m;
        showActive(&m);
        auto* grid = child<CasVariablesGrid>(m.openStudy("CasVariables"), "MSFlexGrid1");
        grid->setFocus(Qt::TabFocusReason);
        for (const QVariant& k : c.keys) {
            if (k.typeId() == QMetaType::QString)
                type(grid, k.toString(), false);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(k.toInt()));
        }
        EXPECT_EQ(QPoint(grid->currentRow(), grid->currentColumn()), c.cell);
        EXPECT_EQ(focusedName(), c.focus);
        m.closeAll();
    }
}

TEST(Keyboard, DutyCasesTypedWithTabLandInTheGridAndLeaveAfterTheLastCell) {
    MDIForm1 m;
    showActive(&m);
    torvel::StudyWindow* w = m.openStudy("CasVariables");
    auto* grid = child<CasVariablesGrid>(w, "MSFlexGrid1");
    // Reached by Tab from the control before it, the grid starts at its first cell.
    child<QLineEdit>(w, "TextRef")->setFocus();
    grid->setCurrentCell(5, 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(focusedName(), "MSFlexGrid1");
    EXPECT_EQ(QPoint(grid->currentRow(), grid->currentColumn()), QPoint(20, 3));
    QTest::keyClick(grid, Qt::Key_Tab);
    const QString after = focusedName();
    EXPECT_NE(after, "MSFlexGrid1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    grid->setCurrentCell(1, 1);
    for (const char* value : {"4000", "1500", "2000", "1800", "1000", "3500"}) {
        type(grid, value, false);
        QTest::keyClick(grid, Qt::Key_Tab);
    }
    EXPECT_EQ(grid->cellText(1, 1), "4000");
    EXPECT_EQ(grid->cellText(2, 3), "3500");
    EXPECT_EQ(text(w, "Combo1"), "Roulement ou Butée à Billes");
    EXPECT_EQ(text(w, "ComboFiabilité"), "90%");
    // 60 cells: after the last one the focus moves on.
    grid->setCurrentCell(1, 1);
    for (int i = 0; i < 59; ++i) QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(QPoint(grid->currentRow(), grid->currentColumn()), QPoint(20, 3));
    EXPECT_TRUE(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(focusedName(), after);
    m.closeAll();
}

TEST(Keyboard, ClipboardKeysWorkOnTheCurrentCellOfTheGrid) {
    const struct {
        const char* keys;
        const char* cell;       // (1,1) holds "3600" before
        const char* clipboard;  // "12" before
    } cases[] = {
        {"Ctrl+C", "3600", "3600"},
        {"Ctrl+X", "", "3600"},
        {"Ctrl+V", "360012", "12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        MDIForm1 m;
        showActive(&m);
        auto* grid = child<CasVariablesGrid>(m.openStudy("CasVariables"), "MSFlexGrid1");
        grid->setFocus();
        grid->setCurrentCell(1, 1);
        type(grid, "3600", false);
        QGuiApplication::clipboard()->setText("12");
        QTest::keySequence(grid, QKeySequence(c.keys));
        EXPECT_EQ(grid->cellText(1, 1), c.cell);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.clipboard);
        // A case number is not the user's to change.
        grid->setCurrentCell(1, 0);
        QTest::keySequence(grid, QKeySequence("Ctrl+V"));
        EXPECT_EQ(grid->cellText(1, 0), "1");
        m.closeAll();
    }
}

TEST(Keyboard, DeviationBoxesOfTheChainsAreNamed) {
    MDIForm1 m;
    torvel::StudyWindow* w = m.openStudy("ChainesDeCotes");
    const struct {
        const char* box;
        const char* role;
    } cases[] = {
        {"TextJe1MaxA", "écart supérieur"}, {"TextJe1minA", "écart inférieur"},
        {"TextJi1MaxF", "écart supérieur"}, {"TextJi2minC", "écart inférieur"},
        {"TextJe2MaxD", "écart supérieur"},
    };
    for (const auto& c : cases) {
        auto* box = child<QLineEdit>(w, c.box);
        EXPECT_EQ(box->accessibleName(), QString::fromUtf8(c.role)) << c.box;
        EXPECT_EQ(box->toolTip(), QString::fromUtf8(c.role)) << c.box;
    }
    EXPECT_EQ(child<QWidget>(w, "BtCalculer")->toolTip(), "Calculer (F9)");
    m.closeAll();
}
