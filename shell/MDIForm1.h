#pragma once

// The main window: a multiple-document frame with the menus and the toolbar
// that open the study windows, arrange and close them, forward Cut/Copy/Paste to
// the focused field, launch the accessories and end the program.

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace torvel {
class StudyWindow;
}

class frmAbout;

class MDIForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit MDIForm1(QWidget* parent = nullptr);
    ~MDIForm1() override;

    QMdiArea* mdiArea() const { return mdi_; }
    // Opens the study window of that type (one instance at most) and returns it,
    // or nullptr when that study is not available.
    torvel::StudyWindow* openStudy(const QString& type);
    torvel::StudyWindow* study(const QString& type) const;

    void cut();
    void copy();
    void paste();
    void toggleToolbar();
    void closeActive();
    void closeAll();
    void quit();

    // "A Propos": the About window, one instance, shown again if open.
    frmAbout* showAbout();

  private:
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                     const QKeySequence& shortcut = {});
    void addSeparator(QMenu* menu, const QString& name);
    void buildMenus();
    void buildToolbar();
    // Cut or Copy on the focused field.
    void transferSelection(bool cut);
    void refreshWindowList();
    void applyToolbarItem();
    QMdiSubWindow* activeChild() const;

    QMdiArea* mdi_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QAction* toolbarItem_ = nullptr;
    QList<QAction*> windowListActions_;
    QHash<QString, QPointer<torvel::StudyWindow>> studies_;
    QPointer<frmAbout> about_;
};
