// The main window's study files: the "Fichier" menu, opening and saving, the
// recent list, the questions before losing changes, the status bar, drops.

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>
#include <memory>

#include "MDIForm1.h"
#include "StudyWindow.h"
#include "calc_note.h"
#include "note_builder.h"
#include "note_pdf.h"
#include "studies.h"
#include "study_file.h"
#include "title_block_dialogs.h"
#include "ui_text.h"
#include "version.h"

using torvel::StudyWindow;

namespace {

constexpr int kRecentCount = 8;
constexpr qint64 kNoteMaxBytes = 64 << 20;
const QString kRecentKey = QStringLiteral("etudesRecentes");
const QString kFolderKey = QStringLiteral("dernierDossier");

// One instance for the run: each new one would read the settings file again.
QSettings& settings() {
    static QSettings kept(QStringLiteral("TORVEL"), QStringLiteral("TORVEL"));
    return kept;
}

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

// A calculation note is read to its own limit, a study file to the format's.
bool isPdfFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

QString withSuffix(const QString& path) {
    const QString suffix = QString::fromLatin1(torvel::kStudySuffix);
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

QString typeOf(const StudyWindow* w) { return w->objectName(); }

QString studyName(const StudyWindow* w) {
    const auto* entry = torvel::findStudy(typeOf(w));
    return entry ? QString::fromUtf8(entry->menuText) : typeOf(w);
}

// The name a study's files take by default: its reference, else its menu
// text; a name, not a path, so without folder separators.
QString proposedName(const StudyWindow* w) {
    QString name = w->reference() ? w->reference()->text().trimmed() : QString();
    if (name.isEmpty()) name = studyName(w);
    return name.replace(QLatin1Char('/'), QLatin1Char('-'));
}

torvel::StudyFile studyFileOf(const StudyWindow* w) {
    torvel::StudyFile file;
    file.type = typeOf(w);
    file.program = QStringLiteral("TORVEL %1").arg(QString::fromLatin1(torvel::kVersion));
    file.reference = w->reference() ? w->reference()->text() : QString();
    file.inputs = w->keptInputs();
    file.fields = w->studyFields();
    return file;
}

// A study written out names its author: its own, else this office's.
torvel::StudyFile withAuthor(torvel::StudyFile file) {
    if (file.fields.author.trimmed().isEmpty())
        file.fields.author = torvel::readOfficeFields(settings()).author;
    return file;
}

// What a study holds that a file keeps, to tell whether it was changed.
QJsonObject heldState(const StudyWindow* w) {
    const torvel::StudyFile file = studyFileOf(w);
    return {{QStringLiteral("reference"), file.reference},
            {QStringLiteral("inputs"), file.inputs},
            {QStringLiteral("fields"), torvel::studyFieldsObject(file.fields)}};
}

// What a newly opened window of that study holds.
QJsonObject openingState(const StudyWindow* w) {
    return {{QStringLiteral("reference"), QString()},
            {QStringLiteral("inputs"), w->openingInputs()},
            {QStringLiteral("fields"), torvel::studyFieldsObject({})}};
}

// How a question names a study: its file, else its reference, else "Sans nom".
QString questionName(const StudyWindow* w) {
    if (!w->windowFilePath().isEmpty()) return fileName(w->windowFilePath());
    const QString reference = w->reference() ? w->reference()->text().trimmed() : QString();
    return reference.isEmpty() ? QStringLiteral("Sans nom") : reference;
}

bool askYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Attention"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// Opening again the file a changed study belongs to takes back what it holds.
bool askRevert(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Attention"),
                    QStringLiteral("Revenir à la version enregistrée ? Les modifications seront "
                                   "perdues."),
                    QMessageBox::Yes | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

void MDIForm1::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    file->setObjectName(QStringLiteral("MNU_Fichier"));
    connect(addItem(file, "MNU_Ouvrir", "&Ouvrir une étude…", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &MDIForm1::openStudyDialog);
    saveItem_ = addItem(file, "MNU_Enregistrer", "&Enregistrer l'étude",
                        QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveItem_, &QAction::triggered, this, &MDIForm1::saveActiveStudy);
    saveAsItem_ = addItem(file, "MNU_EnregistrerSous", "Enregistrer l'étude &sous…",
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAsItem_, &QAction::triggered, this, &MDIForm1::saveActiveStudyAsDialog);
    noteItem_ = addItem(file, "MNU_NoteDeCalcul", "E&xporter la note de calcul (PDF)…",
                        QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(noteItem_, &QAction::triggered, this, &MDIForm1::exportActiveNoteDialog);
    propertiesItem_ = addItem(file, "MNU_ProprietesEtude", "&Propriétés de l'étude…");
    connect(propertiesItem_, &QAction::triggered, this, &MDIForm1::editStudyFieldsDialog);
    connect(addItem(file, "MNU_Cartouche", "&Cartouche de la note…"), &QAction::triggered, this,
            &MDIForm1::editOfficeFieldsDialog);
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("Études &récentes"));
    recentMenu_->setObjectName(QStringLiteral("MNU_Recents"));
    refreshRecentMenu();
}

// ---- recent files and the last folder ----

QStringList MDIForm1::recentFiles() const { return settings().value(kRecentKey).toStringList(); }

void MDIForm1::setRecentFiles(const QStringList& files) {
    settings().setValue(kRecentKey, files.mid(0, kRecentCount));
    refreshRecentMenu();
}

void MDIForm1::rememberFile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(full);
    files.prepend(full);
    setRecentFiles(files);
    settings().setValue(kFolderKey, QFileInfo(full).absolutePath());
}

QString MDIForm1::lastFolder() const {
    const QString folder = settings().value(kFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void MDIForm1::refreshRecentMenu() {
    recentMenu_->clear();
    const QStringList files = recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* a = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(torvel::menuItemText(fileName(path))));
        a->setObjectName(QStringLiteral("MNU_Recent%1").arg(i + 1));
        a->setStatusTip(path);
        connect(a, &QAction::triggered, this, [this, path] {
            if (!QFileInfo::exists(path)) {
                torvel::showAttention(
                    this, QStringLiteral("Le fichier « %1 » n'existe plus.\n"
                                         "Il est retiré de la liste des études récentes.")
                              .arg(path));
                QStringList files = recentFiles();
                files.removeAll(path);
                setRecentFiles(files);
                return;
            }
            openStudyFile(path);
        });
    }
    if (!files.isEmpty()) recentMenu_->addSeparator();
    QAction* clear = recentMenu_->addAction(QStringLiteral("Effacer la liste"));
    clear->setObjectName(QStringLiteral("MNU_EffacerRecents"));
    clear->setEnabled(!files.isEmpty());
    connect(clear, &QAction::triggered, this, [this] { setRecentFiles({}); });
}

// ---- state shown ----

StudyWindow* MDIForm1::activeStudy() const {
    QMdiSubWindow* sub = mdi_->activeSubWindow();
    return sub ? qobject_cast<StudyWindow*>(sub->widget()) : nullptr;
}

bool MDIForm1::isModified(const StudyWindow* window) const {
    if (!window || window->windowFilePath().isEmpty()) return false;
    return heldState(window) != savedState_.value(typeOf(window));
}

bool MDIForm1::isTypedSinceOpening(const StudyWindow* window) const {
    return window && window->windowFilePath().isEmpty() &&
           heldState(window) != openingState(window);
}

void MDIForm1::refreshFileState() {
    const StudyWindow* active = activeStudy();
    for (QAction* a : {saveItem_, saveAsItem_, noteItem_, propertiesItem_})
        if (a) a->setEnabled(active != nullptr);
    for (QToolButton* b : {saveButton_, noteButton_})
        if (b) b->setEnabled(active != nullptr);
    if (!fileStatus_) return;
    if (!active)
        fileStatus_->clear();
    else if (active->windowFilePath().isEmpty())
        fileStatus_->setText(QStringLiteral("Étude non enregistrée"));
    else
        fileStatus_->setText(QDir::toNativeSeparators(active->windowFilePath()) +
                             (isModified(active) ? QStringLiteral(" (modifiée)") : QString()));
}

// ---- opening ----

void MDIForm1::openStudyDialog() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Ouvrir une étude"), lastFolder(),
        QStringLiteral("Études TORVEL (*%1 *.pdf)").arg(QString::fromLatin1(torvel::kStudySuffix)));
    if (!path.isEmpty()) openStudyFile(path);
}

bool MDIForm1::openStudyFile(const QString& path) {
    auto refuse = [this, &path](const QString& reason) {
        torvel::showAttention(this, QStringLiteral("Impossible d'ouvrir l'étude « %1 » :\n%2.")
                                        .arg(QDir::toNativeSeparators(path), reason));
        return false;
    };
    // A calculation note carries its study, whatever its name; the study then
    // belongs to no file.
    const bool fromNote = isPdfFile(path);
    // Read, checked on the study's window before anything changes; a new window
    // is dropped unseen when the file does not fit it.
    std::unique_ptr<StudyWindow> created;
    auto read = [&](QString* reason) -> std::optional<torvel::StudyFile> {
        const auto bytes = torvel::readSmallFile(
            path, reason, fromNote ? kNoteMaxBytes : torvel::kStudyFileMaxBytes);
        if (!bytes) return std::nullopt;
        std::optional<torvel::StudyFile> file;
        if (fromNote) {
            // Read in a child process, at most two seconds.
            QApplication::setOverrideCursor(Qt::WaitCursor);
            const auto embedded = torvel::embeddedStudy(*bytes, reason);
            QApplication::restoreOverrideCursor();
            if (!embedded) return std::nullopt;
            file = torvel::parseStudyFile(*embedded, reason);
        } else {
            file = torvel::parseStudyFile(*bytes, reason);
        }
        if (!file) return std::nullopt;
        // A file a later version wrote says so, so that its user updates rather
        // than suspects a damaged file.
        const QString writer = torvel::writtenByNote(file->program);
        const auto* entry = torvel::findStudy(file->type);
        if (!entry) {
            *reason =
                QStringLiteral("le type d'étude « %1 » est inconnu%2").arg(file->type, writer);
            return std::nullopt;
        }
        StudyWindow* window = study(file->type);
        if (!window) {
            if (!created || typeOf(created.get()) != file->type) created.reset(entry->create());
            window = created.get();
        }
        *reason = window->checkKeptInputs(file->inputs);
        if (reason->isEmpty() && !file->reference.isEmpty() &&
            (!window->reference() || file->reference.size() > window->reference()->maxLength()))
            *reason = QStringLiteral("la référence ne convient pas à cette étude");
        if (!reason->isEmpty()) {
            *reason += writer;
            return std::nullopt;
        }
        return file;
    };
    QString reason;
    std::optional<torvel::StudyFile> file = read(&reason);
    if (!file) return refuse(reason);

    if (StudyWindow* existing = study(file->type)) {
        const bool ownFile = !fromNote && !existing->windowFilePath().isEmpty() &&
                             QFileInfo(existing->windowFilePath()) == QFileInfo(path);
        if (ownFile ? isModified(existing) && !askRevert(this) : !settleChanges({existing}, true))
            return false;
        // The question may have saved the study, into this very file: what opens
        // is what the disk holds now.
        file = read(&reason);
        if (!file) return refuse(reason);
    }

    StudyWindow* window = showStudy(file->type, study(file->type) ? nullptr : created.release());
    window->restoreKeptInputs(file->reference, file->inputs);
    window->setStudyFields(file->fields);
    const QString full = QFileInfo(path).absoluteFilePath();
    window->setWindowFilePath(fromNote ? QString() : full);
    if (fromNote)
        savedState_.remove(file->type);
    else
        savedState_.insert(file->type, heldState(window));
    rememberFile(full);
    refreshFileState();
    return true;
}

// ---- saving ----

bool MDIForm1::saveStudy(StudyWindow* window, const QString& path) {
    const torvel::StudyFile file = withAuthor(studyFileOf(window));
    QString reason;
    // Two windows never share one file: each would overwrite the other's study.
    for (const StudyWindow* other : openStudies())
        if (other != window && !other->windowFilePath().isEmpty() &&
            QFileInfo(other->windowFilePath()) == QFileInfo(path))
            reason = QStringLiteral("ce fichier est l'étude de la fenêtre « %1 », encore ouverte")
                         .arg(other->windowTitle());
    if (!reason.isEmpty() ||
        !torvel::writeFileAtomically(path, torvel::studyFileBytes(file), &reason)) {
        torvel::showAttention(this,
                              QStringLiteral("Impossible d'enregistrer l'étude dans « %1 » :\n%2")
                                  .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    const QString full = QFileInfo(path).absoluteFilePath();
    window->setWindowFilePath(full);
    window->setStudyFields(file.fields);
    savedState_.insert(file.type, heldState(window));
    rememberFile(full);
    refreshFileState();
    return true;
}

bool MDIForm1::saveActiveStudyAs(const QString& path) {
    StudyWindow* window = activeStudy();
    return window && saveStudy(window, withSuffix(path));
}

bool MDIForm1::saveActiveStudy() {
    StudyWindow* window = activeStudy();
    if (!window) return false;
    if (window->windowFilePath().isEmpty()) return saveStudyAsDialog(window);
    return saveStudy(window, window->windowFilePath());
}

bool MDIForm1::saveActiveStudyAsDialog() {
    StudyWindow* window = activeStudy();
    return window && saveStudyAsDialog(window);
}

bool MDIForm1::saveStudyAsDialog(StudyWindow* window) {
    const QString name = proposedName(window);
    const QString start = window->windowFilePath().isEmpty()
                              ? QDir(lastFolder()).filePath(withSuffix(name))
                              : window->windowFilePath();
    QFileDialog dialog(
        this, QStringLiteral("Enregistrer l'étude"), start,
        QStringLiteral("Études TORVEL (*%1)").arg(QString::fromLatin1(torvel::kStudySuffix)));
    dialog.setObjectName(QStringLiteral("DialogEnregistrer"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(torvel::kStudySuffix).mid(1));
    // The name finally written may differ from the one typed ("Arbre 1.5" takes
    // ".torvel"): the question about replacing a file is asked of that name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString path = withSuffix(dialog.selectedFiles().first());
    if (QFileInfo::exists(path) &&
        !askYesNo(this, QStringLiteral("Le fichier « %1 » existe déjà.\nVoulez-vous le remplacer ?")
                            .arg(fileName(path))))
        return false;
    return saveStudy(window, path);
}

// ---- calculation notes ----

bool MDIForm1::exportActiveNoteDialog() {
    StudyWindow* window = activeStudy();
    if (!window) return false;
    const QString name = proposedName(window);
    QFileDialog dialog(this, QStringLiteral("Exporter la note de calcul"),
                       QDir(lastFolder()).filePath(name + QStringLiteral(" - note de calcul.pdf")),
                       QStringLiteral("Notes de calcul PDF (*.pdf)"));
    dialog.setObjectName(QStringLiteral("DialogNoteDeCalcul"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return exportActiveNote(dialog.selectedFiles().first());
}

bool MDIForm1::exportActiveNote(const QString& path) {
    StudyWindow* window = activeStudy();
    if (!window) return false;
    // The note always matches its data: results never computed or out of date
    // are computed first, and a run that stops writes no note.
    if (!window->bringResultsCurrent()) return false;
    const auto* entry = torvel::findStudy(typeOf(window));
    static const torvel::NoteDescription none;
    const torvel::NoteDescription& description = entry && entry->note ? entry->note() : none;
    const QString studyFile = window->windowFilePath();
    torvel::CalcNote note =
        torvel::buildNote(*window, description, studyName(window), fileName(studyFile));
    const torvel::OfficeFields office = torvel::readOfficeFields(settings());
    note.company = office.company.toStdString();
    if (note.author.empty()) note.author = office.author.toStdString();
    if (!office.logo.isEmpty()) {
        // A logo that cannot be used is said; the note is made without it.
        QString why;
        note.logo = torvel::readLogo(office.logo, &why).toStdString();
        if (note.logo.empty())
            torvel::showAttention(this,
                                  QStringLiteral("Le logo « %1 » ne peut pas être utilisé :\n%2.\n"
                                                 "La note est faite sans logo.")
                                      .arg(QDir::toNativeSeparators(office.logo), why));
    }

    const QString attachment =
        studyFile.isEmpty() ? proposedName(window) : QFileInfo(studyFile).completeBaseName();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QString reason = QStringLiteral("la note n'a pas pu être composée");
    if (!torvel::writeNotePdf(&pdf, note, torvel::noteDrawing(*window),
                              attachment + QString::fromLatin1(torvel::kStudySuffix),
                              torvel::studyFileBytes(withAuthor(studyFileOf(window)))) ||
        !torvel::writeFileAtomically(path, pdf.data(), &reason)) {
        torvel::showAttention(this,
                              QStringLiteral("Impossible d'écrire la note de calcul « %1 » :\n%2")
                                  .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    settings().setValue(kFolderKey, QFileInfo(path).absolutePath());
    return true;
}

// ---- the note's title block ----

bool MDIForm1::editOfficeFieldsDialog() { return torvel::editOfficeFields(this, settings()); }

bool MDIForm1::editStudyFieldsDialog() {
    StudyWindow* window = activeStudy();
    if (!window) return false;
    torvel::StudyFields fields = window->studyFields();
    if (!torvel::editStudyFields(this, fields, torvel::readOfficeFields(settings()).author))
        return false;
    window->setStudyFields(fields);
    return true;
}

// ---- questions before losing changes ----

bool MDIForm1::settleChanges(const QList<StudyWindow*>& windows, bool neverSavedToo) {
    QList<StudyWindow*> modified;
    for (StudyWindow* w : windows)
        if (isModified(w) || (neverSavedToo && isTypedSinceOpening(w))) modified << w;
    if (modified.isEmpty()) return true;
    QString text;
    if (modified.size() == 1) {
        text = QStringLiteral("L'étude « %1 » a été modifiée.").arg(questionName(modified.first()));
    } else {
        text = QStringLiteral("Les études suivantes ont été modifiées :");
        for (const StudyWindow* w : modified)
            text += QStringLiteral("\n« %1 »").arg(questionName(w));
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Attention"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setInformativeText(QStringLiteral("Enregistrer les modifications ?"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
    box.setDefaultButton(QMessageBox::Yes);
    const int answer = box.exec();
    if (answer == QMessageBox::No) return true;
    if (answer != QMessageBox::Yes) return false;
    for (StudyWindow* w : modified)
        if (w->windowFilePath().isEmpty() ? !saveStudyAsDialog(w)
                                          : !saveStudy(w, w->windowFilePath()))
            return false;
    return true;
}

QList<StudyWindow*> MDIForm1::openStudies() const {
    QList<StudyWindow*> open;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (auto* w = qobject_cast<StudyWindow*>(sub->widget())) open << w;
    return open;
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && !quitting_) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(watched)) {
            auto* window = qobject_cast<StudyWindow*>(sub->widget());
            if (window && !settleChanges({window})) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (!quitting_) {
        if (!settleChanges(openStudies())) {
            event->ignore();
            return;
        }
        quitting_ = true;
    }
    event->accept();
}

// ---- files dropped on the window ----

void MDIForm1::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
}

void MDIForm1::dropEvent(QDropEvent* event) {
    const auto urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl& url : urls)
        if (url.isLocalFile()) openStudyFile(url.toLocalFile());
}
