#include "MDIForm1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "StudyWindow.h"
#include "accessories.h"
#include "frmAbout.h"
#include "pictures.h"
#include "studies.h"
#include "twips.h"
#include "ui_text.h"

using torvel::px;
using torvel::StudyWindow;

namespace {

// Design client area and the outer sizes the toolbar toggle gives, twips.
constexpr int kClientWidth = 13635;
constexpr int kClientHeight = 10410;
constexpr int kOuterWidth = 13755;
constexpr int kOuterHeightWithBar = 10810;
constexpr int kOuterHeightWithoutBar = 10165;
constexpr int kToolbarHeight = 645;

// Toolbar buttons sit 640 twips apart from the left: the studies that have one,
// in registry order, then the accessories and Quitter.
constexpr int kButtonFirstLeft = 60;
constexpr int kButtonStep = 640;
constexpr int kButtonSide = 580;

// The control with the focus in the active window, whatever it is.
QWidget* focusedControl() { return QApplication::focusWidget(); }

QLineEdit* lineEditOf(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit;
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
    return nullptr;
}

// The current cell of a grid typed into directly (the duty cycle's), when it
// is one a user may change; its fixed cells are not.
QTableWidgetItem* gridCellOf(QWidget* w) {
    auto* grid = qobject_cast<QTableWidget*>(w);
    QTableWidgetItem* cell = grid ? grid->currentItem() : nullptr;
    return cell && (cell->flags() & Qt::ItemIsSelectable) ? cell : nullptr;
}

}  // namespace

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("TORVEL"));
    setWindowIcon(torvel::applicationIcon());
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(mdi_);
    buildFileMenu();
    buildMenus();
    buildToolbar();
    setAcceptDrops(true);
    fileStatus_ = new QLabel(this);
    fileStatus_->setObjectName(QStringLiteral("StatusFichier"));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(fileStatus_, 1);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MDIForm1::refreshFileState);
    refreshFileState();

    resize(px(kClientWidth), px(kClientHeight) + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = geometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    buildKeyboard();
    restorePlacement();
}

QAction* MDIForm1::addItem(QMenu* menu, const QString& name, const QString& caption,
                           const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

void MDIForm1::addSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

void MDIForm1::buildMenus() {
    QMenu* edition = menuBar()->addMenu(QStringLiteral("&Edition"));
    edition->setObjectName(QStringLiteral("MNUEdition"));
    connect(addItem(edition, "MNU_Couper", "Couper", QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, &MDIForm1::cut);
    connect(addItem(edition, "MNU_Copier", "Copier", QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &MDIForm1::copy);
    connect(addItem(edition, "MNU_Coller", "Coller", QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, this, &MDIForm1::paste);
    addSeparator(edition, QStringLiteral("Séparateur1"));
    connect(addItem(edition, "MNU_Quitter", "&Quitter", QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &MDIForm1::quit);

    QMenu* roulements = menuBar()->addMenu(QStringLiteral("&Roulements"));
    roulements->setObjectName(QStringLiteral("MNU_Roulements"));
    QMenu* cotation = menuBar()->addMenu(QStringLiteral("Cotation"));
    cotation->setObjectName(QStringLiteral("MNU_Cotation"));
    QMenu* divers = menuBar()->addMenu(QStringLiteral("Divers"));
    divers->setObjectName(QStringLiteral("MNU_Divers"));
    for (const auto& entry : torvel::studyEntries()) {
        QMenu* menu = entry.menu == torvel::StudyMenu::Roulements ? roulements
                      : entry.menu == torvel::StudyMenu::Cotation ? cotation
                                                                  : divers;
        QAction* action = addItem(menu, QString::fromLatin1(entry.menuItem),
                                  QString::fromUtf8(entry.menuText), QKeySequence(entry.key));
        const QString type = QString::fromLatin1(entry.type);
        connect(action, &QAction::triggered, this, [this, type] { openStudy(type); });
    }
    addSeparator(divers, QStringLiteral("Séparateur2"));
    connect(addItem(divers, "MNU_BlocNotes", "Bloc Notes", QKeySequence(Qt::Key_F11)),
            &QAction::triggered, this,
            [] { torvel::launchAccessory(torvel::textEditorCandidates()); });
    connect(addItem(divers, "MNU_Calculatrice", "Calculatrice", QKeySequence(Qt::Key_F12)),
            &QAction::triggered, this,
            [] { torvel::launchAccessory(torvel::calculatorCandidates()); });

    windowMenu_ = menuBar()->addMenu(QStringLiteral("&Fenêtre"));
    windowMenu_->setObjectName(QStringLiteral("Fenêtre"));
    toolbarItem_ = addItem(windowMenu_, "MNU_BarreOutils", "Barre d'outils",
                           QKeySequence(Qt::CTRL | Qt::Key_F8));
    toolbarItem_->setCheckable(true);
    toolbarItem_->setChecked(true);
    // Qt has already turned the check mark when triggered fires: the toolbar follows it.
    connect(toolbarItem_, &QAction::triggered, this, &MDIForm1::applyToolbarItem);
    addSeparator(windowMenu_, QStringLiteral("Séparateur4"));
    connect(addItem(windowMenu_, "Cascade", "Cascade"), &QAction::triggered, this,
            &MDIForm1::cascadeInside);
    connect(addItem(windowMenu_, "MosaïqueHorizontale", "Mosaïque Horizontale"),
            &QAction::triggered, this, [this] {
                // Children stacked one above the other, each the full width.
                const auto windows = mdi_->subWindowList();
                if (windows.isEmpty()) return;
                const QRect area = mdi_->viewport()->rect();
                const int h = area.height() / static_cast<int>(windows.size());
                int y = 0;
                for (QMdiSubWindow* w : windows) {
                    w->showNormal();
                    w->setGeometry(0, y, area.width(), h);
                    y += h;
                }
            });
    connect(addItem(windowMenu_, "MosaïqueVerticale", "Mosaïque Verticale"), &QAction::triggered,
            this, [this] {
                // Children side by side, each the full height.
                const auto windows = mdi_->subWindowList();
                if (windows.isEmpty()) return;
                const QRect area = mdi_->viewport()->rect();
                const int w = area.width() / static_cast<int>(windows.size());
                int x = 0;
                for (QMdiSubWindow* sub : windows) {
                    sub->showNormal();
                    sub->setGeometry(x, 0, w, area.height());
                    x += w;
                }
            });
    addSeparator(windowMenu_, QStringLiteral("Séparateur3"));
    connect(addItem(windowMenu_, "MNU_Close", "Fermer la fenêtre &active"), &QAction::triggered,
            this, &MDIForm1::closeActive);
    connect(addItem(windowMenu_, "MNU_CloseAll", "Fermer &toutes les fenêtres"),
            &QAction::triggered, this, &MDIForm1::closeAll);
    connect(windowMenu_, &QMenu::aboutToShow, this, &MDIForm1::refreshWindowList);

    QMenu* outils = menuBar()->addMenu(QStringLiteral("?"));
    outils->setObjectName(QStringLiteral("MNU_Outils"));
    connect(addItem(outils, "MNU_Apropos", "A Propos"), &QAction::triggered, this,
            &MDIForm1::showAbout);
}

void MDIForm1::buildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, toolbar_);

    struct Button {
        QString name, tooltip;
        const char* icon;
        std::function<void()> clicked;
        int gapBefore = 0;  // twips
    };
    QList<Button> buttons;
    for (const auto& entry : torvel::studyEntries()) {
        if (!entry.button) continue;
        const QString type = QString::fromLatin1(entry.type);
        buttons.append({QString::fromLatin1(entry.button), QString::fromUtf8(entry.buttonTooltip),
                        entry.buttonIcon, [this, type] { openStudy(type); }});
    }
    buttons.append({QStringLiteral("BT_Calculatrice"), QStringLiteral("Calculatrice"),
                    "calculatrice.svg",
                    [] { torvel::launchAccessory(torvel::calculatorCandidates()); }});
    buttons.append({QStringLiteral("BT_BlocNotes"), QStringLiteral("Bloc Notes"), "blocnotes.svg",
                    [] { torvel::launchAccessory(torvel::textEditorCandidates()); }});
    buttons.append({QStringLiteral("BT_Quitter"), QStringLiteral("Quitter"), "quitter.svg",
                    [this] { quit(); }});
    buttons.append({QStringLiteral("BT_Ouvrir"), QStringLiteral("Ouvrir une étude"), "ouvrir.svg",
                    [this] { openStudyDialog(); }, kButtonStep / 2});
    buttons.append({QStringLiteral("BT_Enregistrer"), QStringLiteral("Enregistrer l'étude"),
                    "enregistrer.svg", [this] { saveActiveStudy(); }});
    buttons.append({QStringLiteral("BT_NoteDeCalcul"),
                    QStringLiteral("Exporter la note de calcul (PDF)"), "note.svg",
                    [this] { exportActiveNoteDialog(); }});

    // The buttons sit at fixed places on a strip as tall as the toolbar.
    auto* strip = new QWidget(toolbar_);
    strip->setObjectName(QStringLiteral("Toolbar1Strip"));
    int stripWidth =
        kButtonFirstLeft + static_cast<int>(buttons.size() - 1) * kButtonStep + kButtonSide + 60;
    for (const Button& b : buttons) stripWidth += b.gapBefore;
    strip->setFixedSize(px(stripWidth), px(kToolbarHeight) - 6);
    toolbar_->addWidget(strip);
    int left = kButtonFirstLeft;
    for (const Button& b : buttons) {
        left += b.gapBefore;
        auto* button = new QToolButton(strip);
        button->setObjectName(b.name);
        button->setToolTip(b.tooltip);
        button->setIcon(torvel::toolbarIcon(b.icon));
        button->setIconSize(QSize(px(kButtonSide) - 8, px(kButtonSide) - 8));
        button->setAutoRaise(true);
        button->setGeometry(torvel::pxRect(left, 30, kButtonSide, kButtonSide));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, b.clicked);
        if (b.name == QLatin1String("BT_Enregistrer")) saveButton_ = button;
        if (b.name == QLatin1String("BT_NoteDeCalcul")) noteButton_ = button;
        left += kButtonStep;
    }
}

StudyWindow* MDIForm1::study(const QString& type) const { return studies_.value(type); }

StudyWindow* MDIForm1::openStudy(const QString& type) { return showStudy(type, nullptr); }

// `created`, when given, is a new window of that type to show in place of a new one.
StudyWindow* MDIForm1::showStudy(const QString& type, StudyWindow* created) {
    StudyWindow* window = studies_.value(type);
    if (!window) {
        const auto* entry = torvel::findStudy(type);
        if (!entry) return nullptr;
        window = created ? created : entry->create();
        studies_.insert(type, window);
        QMdiSubWindow* sub = mdi_->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowIcon(windowIcon());
        sub->adjustSize();
        keepInsideArea(sub);
        // Closing a modified study asks first.
        sub->installEventFilter(this);
        connect(window, &StudyWindow::keptInputsChanged, this, &MDIForm1::refreshFileState);
        connect(window, &QObject::destroyed, this, [this, type] {
            savedState_.remove(type);
            refreshFileState();
        });
    }
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    const bool placed = sub->isVisible();
    sub->show();
    window->show();
    if (!placed) keepInsideArea(sub);
    mdi_->setActiveSubWindow(sub);
    sub->raise();
    window->activateWindow();
    // The focus goes to the first control of the study, unless it is already inside.
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !window->isAncestorOf(focused)) {
        const QList<QWidget*> stops = window->tabStops();
        (stops.isEmpty() ? static_cast<QWidget*>(window) : stops.first())
            ->setFocus(Qt::TabFocusReason);
    }
    return window;
}

QMdiSubWindow* MDIForm1::activeChild() const {
    if (QMdiSubWindow* sub = mdi_->activeSubWindow()) return sub;
    if (QMdiSubWindow* sub = mdi_->currentSubWindow()) return sub;
    const auto windows = mdi_->subWindowList(QMdiArea::StackingOrder);
    return windows.isEmpty() ? nullptr : windows.last();
}

void MDIForm1::cut() { transferSelection(true); }

void MDIForm1::copy() { transferSelection(false); }

void MDIForm1::transferSelection(bool cut) {
    QWidget* w = focusedControl();
    if (QLineEdit* edit = lineEditOf(w)) {
        QGuiApplication::clipboard()->clear();
        QGuiApplication::clipboard()->setText(edit->selectedText());
        if (cut && !edit->isReadOnly()) edit->insert(QString());
    } else if (QTableWidgetItem* cell = gridCellOf(w)) {
        QGuiApplication::clipboard()->clear();
        QGuiApplication::clipboard()->setText(cell->text());
        if (cut) cell->setText(QString());
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        cut ? text->cut() : text->copy();
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        cut ? rich->cut() : rich->copy();
    }
}

void MDIForm1::paste() {
    QWidget* w = focusedControl();
    if (QLineEdit* edit = lineEditOf(w)) {
        // Straight into the text: the keystroke filter does not see a paste.
        if (!edit->isReadOnly()) edit->insert(QGuiApplication::clipboard()->text());
    } else if (QTableWidgetItem* cell = gridCellOf(w)) {
        // As typed: the text goes after what the cell holds.
        cell->setText(cell->text() + QGuiApplication::clipboard()->text());
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        text->insertPlainText(QGuiApplication::clipboard()->text());
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        rich->insertPlainText(QGuiApplication::clipboard()->text());
    }
}

void MDIForm1::toggleToolbar() { toolbarItem_->trigger(); }

void MDIForm1::applyToolbarItem() {
    const bool show = toolbarItem_->isChecked();
    toolbar_->setVisible(show);
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) return;
    const QSize frameExtra = frameGeometry().size() - size();
    const QSize outer(px(kOuterWidth), px(show ? kOuterHeightWithBar : kOuterHeightWithoutBar));
    resize(outer - frameExtra);
}

void MDIForm1::closeActive() {
    if (QMdiSubWindow* sub = activeChild(); sub && sub->close()) delete sub;
}

void MDIForm1::closeAll() {
    for (int i = 0; i < 50; ++i) {
        QMdiSubWindow* sub = activeChild();
        // A study whose question was answered "Annuler" stays, and so do the others.
        if (!sub || !sub->close()) break;
        delete sub;
    }
}

void MDIForm1::quit() {
    if (!quitting_ && !settleChanges(openStudies())) return;
    quitting_ = true;
    QCoreApplication::exit(0);
}

void MDIForm1::refreshWindowList() {
    for (QAction* a : windowListActions_) {
        windowMenu_->removeAction(a);
        delete a;
    }
    windowListActions_.clear();
    const auto windows = mdi_->subWindowList();
    if (windows.isEmpty()) return;
    windowListActions_.append(windowMenu_->addSeparator());
    QMdiSubWindow* active = activeChild();
    int n = 1;
    for (QMdiSubWindow* sub : windows) {
        QAction* a = windowMenu_->addAction(
            QStringLiteral("&%1 %2").arg(n++).arg(torvel::menuItemText(sub->windowTitle())));
        a->setCheckable(true);
        a->setChecked(sub == active);
        connect(a, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
        windowListActions_.append(a);
    }
}

frmAbout* MDIForm1::showAbout() {
    if (!about_) {
        about_ = new frmAbout;
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
    return about_;
}

MDIForm1::~MDIForm1() {
    // The studies and the area outlive this class's part while QWidget deletes
    // its children: nothing they signal may reach it.
    mdi_->disconnect(this);
    for (const auto& w : studies_)
        if (w) w->disconnect(this);
    delete about_;
}
