#pragma once

// The main window: a multiple-document frame with the menus and the toolbar
// that open the study windows, arrange and close them, forward Cut/Copy/Paste to
// the focused field, launch the accessories and end the program.

#include <QHash>
#include <QJsonObject>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QToolButton;
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

    // Study files. Opening fills the study's window as a user would and computes;
    // the window then belongs to the file. Both show the menus' messages and say
    // whether they succeeded.
    bool openStudyFile(const QString& path);
    bool saveActiveStudyAs(const QString& path);
    // "Enregistrer": to the study's file, else as "Enregistrer sous".
    bool saveActiveStudy();
    void openStudyDialog();
    bool saveActiveStudyAsDialog();
    // "Exporter la note de calcul": computes first when the results are not
    // current, and writes nothing when that run stops.
    bool exportActiveNote(const QString& path);
    bool exportActiveNoteDialog();
    // "Cartouche de la note…": the office's fields of every note's title block;
    // "Propriétés de l'étude…": the active study's own. True when changed.
    bool editOfficeFieldsDialog();
    bool editStudyFieldsDialog();
    torvel::StudyWindow* activeStudy() const;
    // Belongs to a file and changed since it was opened or saved.
    bool isModified(const torvel::StudyWindow* window) const;
    // Belongs to no file and holds entries other than a newly opened window's.
    bool isTypedSinceOpening(const torvel::StudyWindow* window) const;
    QStringList recentFiles() const;

    // F9: "Calculer" of the active study, as its button (nothing without one).
    void calculateActive();
    // "Cascade", each child window kept wholly inside the area.
    void cascadeInside();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window's place on the screen is kept as it changes.
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The keyboard: F9, and the main window's shortcuts taken before a field's
    // own use of the same keys (Ctrl+E is "end of line" in a line edit).
    void buildKeyboard();
    // The size, place and maximised state of the last run, inside the screen.
    void restorePlacement();
    void savePlacement();
    // A child window larger than the area is shrunk (its frame scrolls) and
    // moved so that all of it shows.
    void keepInsideArea(QMdiSubWindow* sub);

    void buildFileMenu();
    void refreshRecentMenu();
    void setRecentFiles(const QStringList& files);
    void rememberFile(const QString& path);
    QString lastFolder() const;
    void refreshFileState();
    torvel::StudyWindow* showStudy(const QString& type, torvel::StudyWindow* created);
    bool saveStudy(torvel::StudyWindow* window, const QString& path);
    bool saveStudyAsDialog(torvel::StudyWindow* window);
    // Asks about the modified studies among `windows` (and, when a file is
    // about to replace them, the studies never saved that hold typed entries):
    // true to go on (saved or discarded), false when the user cancels or a save fails.
    bool settleChanges(const QList<torvel::StudyWindow*>& windows, bool neverSavedToo = false);
    // The open studies in the order they were opened.
    QList<torvel::StudyWindow*> openStudies() const;

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
    // Study files: what each study held when last opened or saved, by type.
    QHash<QString, QJsonObject> savedState_;
    QAction* saveItem_ = nullptr;
    QAction* saveAsItem_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    QAction* noteItem_ = nullptr;
    QAction* propertiesItem_ = nullptr;
    QToolButton* noteButton_ = nullptr;
    QLabel* fileStatus_ = nullptr;
    bool quitting_ = false;
    bool placementRestored_ = false;
};
