#include "MDIForm1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "ChainesDeCotes.h"
#include "accessories.h"
#include "studies.h"
#include "twips.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

QAction* item(QWidget* w, const char* name) {
    auto* a = w->findChild<QAction*>(QString::fromUtf8(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

int openCount(MDIForm1& m) { return static_cast<int>(m.mdiArea()->subWindowList().size()); }

}  // namespace

TEST(MDIForm1, MenusAndItemsAsDesigned) {
    MDIForm1 m;
    EXPECT_EQ(m.windowTitle(), "TORVEL");
    QStringList menus;
    for (QAction* a : m.menuBar()->actions()) menus << a->menu()->objectName() + "|" + a->text();
    EXPECT_EQ(menus, QStringList({"MNU_Fichier|&Fichier", "MNUEdition|&Edition",
                                  "MNU_Roulements|&Roulements", "MNU_Cotation|Cotation",
                                  "MNU_Divers|Divers", "Fenêtre|&Fenêtre", "MNU_Outils|?"}));
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {"MNU_Ouvrir", "&Ouvrir une étude…", QKeySequence("Ctrl+O")},
        {"MNU_Enregistrer", "&Enregistrer l'étude", QKeySequence("Ctrl+S")},
        {"MNU_EnregistrerSous", "Enregistrer l'étude &sous…", QKeySequence("Ctrl+Shift+S")},
        {"MNU_NoteDeCalcul", "E&xporter la note de calcul (PDF)…", QKeySequence("Ctrl+E")},
        {"MNU_EffacerRecents", "Effacer la liste", QKeySequence()},
        {"MNU_Couper", "Couper", QKeySequence("Ctrl+X")},
        {"MNU_Copier", "Copier", QKeySequence("Ctrl+C")},
        {"MNU_Coller", "Coller", QKeySequence("Ctrl+V")},
        {"MNU_Quitter", "&Quitter", QKeySequence("Ctrl+Q")},
        {"MNU_ElementRoulant", "Elément Roulant : Roulement, Butée", QKeySequence("F1")},
        {"MNU_ContactsObliques", "Contacts Obliques : Charges Induites", QKeySequence("F2")},
        {"MNU_CasVariables", "Cas Variables", QKeySequence("F3")},
        {"MNU_Ajustements", "Ajustements", QKeySequence("F4")},
        {"MNU_ChaineDeCotes", "Cotation Fonctionnelle", QKeySequence("F5")},
        {"MNU_Section", "Section", QKeySequence("F6")},
        {"MNU_RessortCompression", "Ressort de Compression", QKeySequence("F7")},
        {"MNU_BlocNotes", "Bloc Notes", QKeySequence("F11")},
        {"MNU_Calculatrice", "Calculatrice", QKeySequence("F12")},
        {"MNU_BarreOutils", "Barre d'outils", QKeySequence("Ctrl+F8")},
        {"Cascade", "Cascade", QKeySequence()},
        {"MosaïqueHorizontale", "Mosaïque Horizontale", QKeySequence()},
        {"MosaïqueVerticale", "Mosaïque Verticale", QKeySequence()},
        {"MNU_Close", "Fermer la fenêtre &active", QKeySequence()},
        {"MNU_CloseAll", "Fermer &toutes les fenêtres", QKeySequence()},
        {"MNU_Apropos", "A Propos", QKeySequence()},
    };
    for (const auto& i : items) {
        QAction* a = item(&m, i.name);
        if (!a) continue;
        EXPECT_EQ(a->text(), QString::fromUtf8(i.caption)) << i.name;
        EXPECT_EQ(a->shortcut(), i.shortcut) << i.name;
    }
    for (const char* sep : {"Séparateur1", "Séparateur2", "Séparateur3", "Séparateur4"})
        EXPECT_TRUE(item(&m, sep)->isSeparator()) << sep;
    EXPECT_TRUE(item(&m, "MNU_BarreOutils")->isChecked());
    EXPECT_TRUE(item(&m, "MNU_ChaineDeCotes")->isEnabled());
}

TEST(MDIForm1, ToolbarButtonsWithTooltipsAndPlaces) {
    MDIForm1 m;
    struct Button {
        const char* name;
        int left;
        const char* tooltip;
    };
    const Button buttons[] = {
        {"BT_Roulements", 60, " Elément Roulant : Roulement, Butée"},
        {"BT_Ajustements", 700, " Ajustements"},
        {"BT_Sections", 1340, "Sections"},
        {"BT_RessortCompression", 1980, "Ressort de Compression"},
        {"BT_Calculatrice", 2620, "Calculatrice"},
        {"BT_BlocNotes", 3260, "Bloc Notes"},
        {"BT_Quitter", 3900, "Quitter"},
        {"BT_Ouvrir", 4860, "Ouvrir une étude"},
        {"BT_Enregistrer", 5500, "Enregistrer l'étude"},
        {"BT_NoteDeCalcul", 6140, "Exporter la note de calcul (PDF)"},
    };
    for (const auto& b : buttons) {
        auto* button = child<QToolButton>(&m, b.name);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.tooltip));
        EXPECT_EQ(button->geometry(), torvel::pxRect(b.left, 30, 580, 580)) << b.name;
        EXPECT_FALSE(button->icon().isNull()) << b.name;
        EXPECT_TRUE(button->text().isEmpty() ||
                    button->toolButtonStyle() == Qt::ToolButtonIconOnly);
    }
}

TEST(MDIForm1, OneInstancePerStudyKeepingItsEntries) {
    MDIForm1 m;
    showActive(&m);
    item(&m, "MNU_ChaineDeCotes")->trigger();
    auto* first = m.study("ChainesDeCotes");
    ASSERT_NE(first, nullptr);
    type(child<QLineEdit>(first, "TextJe1A"), "42");
    item(&m, "MNU_ChaineDeCotes")->trigger();
    EXPECT_EQ(openCount(m), 1);
    EXPECT_EQ(m.study("ChainesDeCotes"), first);
    EXPECT_EQ(child<QLineEdit>(first, "TextJe1A")->text(), "42");
    EXPECT_EQ(first->size(), first->designClientSize());

    // Closed, it comes back from its design defaults.
    item(&m, "MNU_Close")->trigger();
    EXPECT_EQ(openCount(m), 0);
    EXPECT_EQ(m.study("ChainesDeCotes"), nullptr);
    item(&m, "MNU_ChaineDeCotes")->trigger();
    ASSERT_NE(m.study("ChainesDeCotes"), nullptr);
    EXPECT_EQ(child<QLineEdit>(m.study("ChainesDeCotes"), "TextJe1A")->text(), "0");
}

TEST(MDIForm1, CloseCommandsWithAndWithoutWindows) {
    MDIForm1 m;
    showActive(&m);
    EXPECT_TRUE(catchMessages([&] {
                    item(&m, "MNU_CloseAll")->trigger();
                    item(&m, "MNU_Close")->trigger();
                }).isEmpty());
    m.openStudy("ChainesDeCotes");
    EXPECT_EQ(openCount(m), 1);
    item(&m, "MNU_CloseAll")->trigger();
    EXPECT_EQ(openCount(m), 0);
}

TEST(MDIForm1, WindowMenuListsOpenStudies) {
    MDIForm1 m;
    showActive(&m);
    m.openStudy("ChainesDeCotes")->setWindowTitle("Cotation Fonctionnelle - Etude : A&B");
    auto* menu = m.findChild<QMenu*>("Fenêtre");
    emit menu->aboutToShow();
    QStringList listed;
    for (QAction* a : menu->actions())
        if (a->text().contains("Cotation Fonctionnelle")) listed << a->text();
    // "&" shown as typed, no mnemonic.
    EXPECT_EQ(listed, QStringList{"&1 Cotation Fonctionnelle - Etude : A&&B"});
    for (const char* arrange : {"Cascade", "MosaïqueHorizontale", "MosaïqueVerticale"})
        item(&m, arrange)->trigger();
    EXPECT_EQ(openCount(m), 1);
}

TEST(MDIForm1, ToolbarToggleFollowsTheCheckMarkAndSizesOnlyANormalWindow) {
    MDIForm1 m;
    showActive(&m);
    QAction* toggle = item(&m, "MNU_BarreOutils");
    auto* bar = child<QToolBar>(&m, "Toolbar1");
    toggle->trigger();
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(m.frameGeometry().size(), torvel::pxSize(13755, 10165));
    toggle->trigger();
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(m.frameGeometry().size(), torvel::pxSize(13755, 10810));

    m.showMaximized();
    QApplication::processEvents();
    const QSize maximised = m.size();
    toggle->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(m.size(), maximised);
}

TEST(MDIForm1, ClipboardCommandsWorkOnTheFocusedFieldAndPasteIsNotFiltered) {
    MDIForm1 m;
    showActive(&m);
    auto* study = m.openStudy("ChainesDeCotes");
    auto* box = child<QLineEdit>(study, "TextJe1A");
    box->setFocus();
    box->setText("123.5");
    box->setSelection(0, 3);
    item(&m, "MNU_Copier")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "123");
    item(&m, "MNU_Couper")->trigger();
    EXPECT_EQ(box->text(), ".5");
    QApplication::clipboard()->setText("-7,25");
    box->selectAll();
    item(&m, "MNU_Coller")->trigger();
    EXPECT_EQ(box->text(), "-7,25");
    // Nothing focused that holds text: nothing happens, nothing is reported.
    child<QToolBar>(&m, "Toolbar1")->setFocus();
    m.setFocus();
    EXPECT_TRUE(catchMessages([&] { item(&m, "MNU_Coller")->trigger(); }).isEmpty());
}

TEST(Accessories, FirstCandidateOnThePathOrNothing) {
    QTemporaryDir dir;
    const QString oldPath = qEnvironmentVariable("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());
    EXPECT_TRUE(torvel::findAccessory(torvel::calculatorCandidates()).isEmpty());
    EXPECT_FALSE(torvel::launchAccessory(torvel::calculatorCandidates()));

    const QString marker = dir.filePath("started");
    QFile stub(dir.filePath("galculator"));
    ASSERT_TRUE(stub.open(QIODevice::WriteOnly));
    stub.write(QStringLiteral("#!/bin/sh\n/usr/bin/touch '%1'\n").arg(marker).toLocal8Bit());
    stub.close();
    stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(torvel::findAccessory(torvel::calculatorCandidates()), dir.filePath("galculator"));
    EXPECT_TRUE(torvel::launchAccessory(torvel::calculatorCandidates()));
    for (int i = 0; i < 100 && !QFile::exists(marker); ++i) QTest::qWait(20);
    EXPECT_TRUE(QFile::exists(marker));
    qputenv("PATH", oldPath.toLocal8Bit());
}

TEST(MDIForm1, EveryStudyNamesItsReferenceInItsCaption) {
    MDIForm1 m;
    showActive(&m);
    for (const auto& c : torvel::studyEntries()) {
        if (!*c.captionPrefix) continue;  // a study without reference keeps its caption
        auto* w = m.openStudy(c.type);
        ASSERT_NE(w, nullptr) << c.type;
        const QString opening = w->windowTitle();
        auto* ref = child<QLineEdit>(w, "TextRef");
        // Leaving the box empty gives a caption that ends in " : ".
        ref->setFocus();
        w->vScroll()->setFocus(Qt::MouseFocusReason);  // the bar hands the focus back to TextRef
        EXPECT_EQ(QApplication::focusWidget(), ref) << c.type;
        m.mdiArea()->setFocus();
        const QString prefix = QString::fromUtf8(c.captionPrefix);
        EXPECT_EQ(w->windowTitle(), prefix + " : ") << c.type;
        type(ref, "Réf 12é");
        m.mdiArea()->setFocus();
        EXPECT_EQ(w->windowTitle(), prefix + " : Réf 12é") << c.type;
        m.closeAll();
        // Reopened, the study starts again from its design caption.
        EXPECT_EQ(m.openStudy(c.type)->windowTitle(), opening) << c.type;
        m.closeAll();
    }
}
