#pragma once

// The frame every study window is built on: all content sits in one large group
// box, Frame1, which scrolls inside the window with two bars and a corner box;
// the study reference names the study in the caption; numeric boxes filter
// keystrokes; reports print on one of two frames (window image or text lines).
//
// A study window derives from StudyWindow, builds its controls into frame()
// with the add* helpers (geometry in twips, relative to the parent), declares
// its inputs and its report, overrides calculate() to read its fields once and
// play its engine's outcome back. Tab order and first layout come on polish.

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

#include "fields.h"
#include "outcome.h"
#include "report_lines.h"
#include "study_file.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QScrollBar;

namespace torvel {

class StudyWindow : public QWidget {
    Q_OBJECT
  public:
    struct Design {
        QString typeName;            // objectName of the window, e.g. "ChainesDeCotes"
        QString caption;             // caption at opening
        QString captionPrefix = {};  // caption before " : " and the reference; empty: no reference
        int clientWidth = 0;         // design client area, twips
        int clientHeight = 0;
        int frameWidth = 0;  // Frame1, twips
        int frameHeight = 0;
        QString frameCaption = {};  // caption of Frame1
    };

    explicit StudyWindow(const Design& design, QWidget* parent = nullptr);
    ~StudyWindow() override;

    QGroupBox* frame() const { return frame_; }
    QScrollBar* vScroll() const { return vScroll_; }
    QScrollBar* hScroll() const { return hScroll_; }
    QWidget* coin() const { return coin_; }
    QLineEdit* reference() const { return reference_; }
    QString captionPrefix() const { return design_.captionPrefix; }
    QSize designClientSize() const;
    QSize sizeHint() const override { return designClientSize(); }

    // Places Frame1 and the bars for the current size. Runs on load and on every
    // resize; a step whose value leaves the 16-bit range of the bars ends it silently.
    void layoutFrame();

    // The numeric keystroke filter: "0123456789.," and Backspace pass, Enter keeps
    // the focus, every other typed character is dropped. Pasting is not filtered.
    static void attachNumericFilter(QLineEdit* box);

    // The control the focus moves to when a scroll bar takes it (TextRef by default).
    void setFocusSink(QWidget* sink) { focusSink_ = sink; }

    // Sets the tab order of every focusable control in Frame1 to the visual
    // order: group by group, top to bottom, left to right.
    void orderTabsVisually();
    // What Tab goes through, in that order: the controls a user acts on that
    // are enabled, shown and take the focus from the keyboard. A result box
    // (read-only, or not among the inputs a study file keeps) is left out,
    // though the mouse still selects its text.
    QList<QWidget*> tabStops() const;
    // The text a box, list or label shows ("" for another control).
    static QString shownText(const QWidget* w);
    // The child widgets of `container` in reading order: by rows, then left to right.
    static QList<QWidget*> inReadingOrder(const QWidget* container);

    // What a study file keeps: every declared or kept input as typed or chosen,
    // by control name (a grid as rows of its editable cells), and the window's
    // own state. The reference is apart.
    QJsonObject keptInputs() const;
    // Why `inputs` cannot be put back into this window, "" when they can: no
    // name the window does not keep, each value of the kind of its control, each
    // choice of a list that offers only its items offered, the window's state
    // sound. A kept input missing from `inputs` (a file older than the input)
    // takes its opening value.
    QString checkKeptInputs(const QJsonObject& inputs) const;
    // Puts checked inputs back as a user would choose and type them, the lists
    // first (a list refills the lists after it), the missing ones at their
    // opening values, then computes as "Calculer" does.
    void restoreKeptInputs(const QString& reference, const QJsonObject& inputs);
    // Results shown that no longer match the inputs; results ever written.
    bool resultsOutOfDate() const { return outOfDate_; }
    bool resultsComputed() const { return computed_; }
    // Runs "Calculer" as its button does (nothing for a window without one).
    void calculateAsButton();
    // Whether the results shown belong to the inputs shown. A window that
    // computes as its inputs change, without "Calculer", answers for itself.
    virtual bool resultsCurrent() const { return computed_ && !outOfDate_; }
    // Computes as "Calculer" (or a tile click) would when the results are not
    // current; false when they still are not (a run that stopped).
    virtual bool bringResultsCurrent();
    // What the window says beside its results, as shown: the texts of its
    // message labels (verdicts, limits reached), empty ones left out.
    QStringList shownNotices() const;
    // Whether a group the user may leave empty holds data (true for any other widget).
    bool groupInUse(const QWidget* group) const;
    // What a newly opened window shows in each input a study file keeps: the
    // value an input missing from an older file takes.
    const QJsonObject& openingInputs() const { return opening_; }
    QJsonObject withOpeningValues(const QJsonObject& inputs) const;
    // The messages the last calculation showed, in order, and whether it wrote `w`.
    const QStringList& shownMessages() const { return shownMessages_; }
    // Whether the last run wrote `w`; a window that computes without "Calculer"
    // answers for its own computation.
    virtual bool writtenByLastRun(const QWidget* w) const { return lastWritten_.contains(w); }
    // Whether the value `w` shows belongs to the study as it now stands: shown,
    // used by the calculation (not disabled), and typed into a kept input or
    // computed by the last run. A calculation note prints only such values.
    bool showsCurrentValue(const QWidget* w) const;

    // The study's drawing for its calculation note: an SVG file (a resource),
    // or a widget of the window that paints itself; none when both are empty.
    struct NoteDrawingSource {
        std::function<QString()> svg = {};
        QWidget* painted = nullptr;
    };
    const NoteDrawingSource& noteDrawingSource() const { return noteDrawing_; }

    // The project, revision, checker and author of the study, for its note's
    // title block; kept by its file like its inputs.
    const StudyFields& studyFields() const { return studyFields_; }
    void setStudyFields(const StudyFields& fields);

  signals:
    // An input a study file keeps, the reference or a study field has changed.
    void keptInputsChanged();

  protected:
    // Controls at twip positions relative to their parent.
    QGroupBox* addGroup(QWidget* parent, const QString& name, const QString& title, int left,
                        int top, int width, int height);
    QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                     int width, int height);
    QLineEdit* addEdit(QWidget* parent, const QString& name, const QString& text, int left, int top,
                       int width, int height);
    QPushButton* addButton(QWidget* parent, const QString& name, const QString& text, int left,
                           int top, int width, int height);
    // A caption and its box: the label is the box's buddy, named "Label" and
    // the box's name after "Text" unless `labelName` says otherwise. The tip goes
    // on the label, the box or both; an entry gets the numeric keystroke filter,
    // a result is read-only.
    struct LabelledBox {
        QString name;
        QString caption;
        int labelLeft = 0, labelWidth = 0, boxLeft = 0, boxWidth = 0, top = 0;
        QString tip = {};
        enum class Tip { Label, Box, Both } tipOn = Tip::Label;
        enum class Role { Entry, Result, Free } role = Role::Free;
        QString text = QStringLiteral("0");
        QString labelName = {};
        int labelHeight = 255, boxHeight = 315;
    };
    QLineEdit* addLabelledBox(QWidget* parent, const LabelledBox& layout, QLabel** label = nullptr);
    // A list and its caption, placed as a labelled box: the label is the list's
    // buddy, named "Label" and the list's name after its type prefix ("Combo",
    // "Check") unless `labelName` says otherwise; none without a caption. The tip
    // goes on the list. An editable list takes any typed text, which never joins its items.
    struct CaptionedList {
        QString name;
        QString caption = {};
        QString labelName = {};
        int labelLeft = 0, labelWidth = 0, boxLeft = 0, boxWidth = 0, top = 0;
        QString tip = {};
        QStringList items = {};
        bool editable = false;
        int labelHeight = 255, boxHeight = 315;
    };
    QComboBox* addCaptionedList(QWidget* parent, const CaptionedList& layout,
                                QLabel** label = nullptr);
    // The text a named box, list or label of the window shows ("" for none).
    QString fieldText(const QString& name) const;
    // Every named box and list of the window, read once.
    Fields readFields() const;

    // TextRef: the study reference, whose loss of focus updates the caption.
    QLineEdit* addReference(QWidget* parent, int left, int top, int width, int height);
    // BtCalculer and BtImprimer, wired to calculate() and print().
    QPushButton* addCalculer(QWidget* parent, int left, int top, int width, int height);
    QPushButton* addImprimer(QWidget* parent, int left, int top, int width, int height);

    virtual void calculate() {}
    // Prints the report declared with setImageReport() or setTextReport().
    virtual void print();

    // Plays an engine outcome back in order: writes results and corrected
    // inputs into the named controls, moves the focus, shows warnings and stops.
    void play(const Outcome& outcome);
    // Runs and plays `run` again while its outcome asks for a rerun (bounded).
    void playWithReruns(const std::function<Outcome()>& run);

    // The controls the calculation reads. Once a run has written its results, a
    // change to one of them (typed, pasted, chosen, or written by the window
    // itself) greys the results and shows LabelPerime until the next run that
    // writes its results; "Imprimer" then asks first. Writes made while an
    // outcome is played back do not count, nor changes while `readNow` (when
    // given) says the calculation does not read those controls.
    void declareInputs(const QStringList& names, const std::function<bool()>& readNow = {});
    // For a window without "Calculer": its own results shown out of date, grey,
    // with LabelPerime at `place` (twips, in `parent`), until it computes them.
    void addOutOfDateMark(QWidget* parent, const QRect& place);
    void showResultsOutOfDate(const QList<QWidget*>& results, bool outOfDate);
    // For a window without "Calculer": what its last computation said.
    void setShownMessages(const QStringList& messages) { shownMessages_ = messages; }
    void attention(const QString& text);

    // Inputs a study file keeps though the calculation does not read them.
    // Declared once the controls show their opening texts and items.
    void keepInputs(const QStringList& names);
    // Labels that judge or warn beside the results (a verdict, a limit reached):
    // what they show is among the messages of the calculation note.
    void declareMessageLabels(const QList<QLabel*>& labels) { messageLabels_ << labels; }
    // A group the user may leave empty (an optional calculation): `used` says
    // when it holds data; left empty, the note leaves it out.
    void declareOptionalGroup(QGroupBox* group, std::function<bool()> used) {
        optionalGroups_.append({group, std::move(used)});
    }
    // A window's state that is not in its boxes and lists (the fits tiles):
    // named texts given to a study file, checked and put back in place of the
    // calculation. The window calls keptStateChanged() when it changes.
    struct KeptState {
        std::function<QJsonObject()> save;
        std::function<QString(const QJsonObject&)> check;
        std::function<void(const QJsonObject&)> restore;
    };
    void setKeptState(KeptState state);
    void setNoteDrawing(NoteDrawingSource source) { noteDrawing_ = std::move(source); }
    void keptStateChanged() { emit keptInputsChanged(); }

    // Window-image report: for each copy chosen in the print dialog, recolour
    // the window, Frame1 and `recoloured` with the print background, hide the
    // window's buttons (BtCalculer, BtImprimer, `hidden`) and Coin, give Frame1
    // the caption made by `printCaption` and print Frame1's image on one page.
    // The screen appearance comes back afterwards, also on cancel or error.
    struct ImageReport {
        QList<QWidget*> recoloured;
        QList<QWidget*> hidden;
        std::function<QString()> printCaption;
    };
    // A window printed as an image declares it once; "Imprimer" then prints it
    // and "Calculer" brings back the screen appearance if a print left it.
    void setImageReport(ImageReport report) { imageReport_ = std::move(report); }
    void printWindowImage(const ImageReport& report);
    bool inPrintAppearance() const;
    void restoreScreenAppearance(const QList<QWidget*>& recoloured, const QList<QWidget*>& hidden);

    // Text report: one job whatever the copy count, lines drawn by the shared
    // painter routine. `build` runs after the dialog is confirmed; if it gives
    // nothing, no page is printed and false is returned.
    bool printTextReport(const std::function<std::optional<ReportLines>()>& build);

    // A window printed as a text report declares it once: `build` runs after the
    // print dialog; when it gives nothing, `unbuiltMessage` is shown (if any) and
    // nothing prints; when the printer fails, `failureMessage`.
    struct TextReport {
        std::function<std::optional<ReportLines>()> build;
        QString failureMessage;
        QString unbuiltMessage = {};
    };
    void setTextReport(TextReport report) { textReport_ = std::move(report); }

    void resizeEvent(QResizeEvent* event) override;
    // Before the window is first shown: the tab order follows the visual order
    // and Frame1 takes its place, without each window asking.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and Shift+Tab move through tabStops() as they are now (a box turned
    // read-only or a group shown later is taken into account); a child window
    // cycles through its own stops, an embedded one hands on at either end.
    bool focusNextPrevChild(bool next) override;

  private:
    void updateCaption();
    void onInputChange(const QString& name, const std::function<void()>& changed);
    void inputChanged(const std::function<bool()>& readNow);
    void setOutOfDate(bool outOfDate);
    void showResultsGrey(bool grey);
    void placeOutOfDateLabel();
    bool confirmOutOfDatePrint();
    QPrinter* choosePrinter(int* copies);

    Design design_;
    QGroupBox* frame_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    QScrollBar* hScroll_ = nullptr;
    QWidget* coin_ = nullptr;
    QLineEdit* reference_ = nullptr;
    QWidget* focusSink_ = nullptr;
    QPushButton* calculer_ = nullptr;
    QPushButton* imprimer_ = nullptr;
    bool designed_ = false;
    // Results out of date: the controls the runs wrote, and their text colours.
    bool playing_ = false;
    bool computed_ = false;
    bool outOfDate_ = false;
    QList<QWidget*> results_;
    QLabel* outOfDateLabel_ = nullptr;
    std::optional<ImageReport> imageReport_;
    std::optional<TextReport> textReport_;
    // Study files: the inputs in their declared order, the window's own state.
    QStringList kept_;
    std::optional<KeptState> keptState_;
    QStringList shownMessages_;
    QList<const QWidget*> lastWritten_;
    NoteDrawingSource noteDrawing_;
    QJsonObject opening_;
    QList<QLabel*> messageLabels_;
    QList<QPair<QGroupBox*, std::function<bool()>>> optionalGroups_;
    StudyFields studyFields_;
};

}  // namespace torvel
