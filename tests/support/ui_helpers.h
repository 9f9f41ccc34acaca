#pragma once

// Helpers for driving windows as a user would: typing, catching modal boxes,
// answering the print dialog and reading a printed PDF back.

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <ostream>

class QWidget;
class QLineEdit;
class QTemporaryDir;

// Lets GoogleTest print Qt texts in its failure messages.
QT_BEGIN_NAMESPACE
void PrintTo(const QString& s, std::ostream* os);
void PrintTo(const QStringList& l, std::ostream* os);
QT_END_NAMESPACE

namespace testing_ui {

// Shows the window and makes it the active one, so that focus moves as for a user.
void showActive(QWidget* window);

// Finds a child by objectName and type; fails the test when missing.
template <class T>
T* child(QWidget* parent, const QString& name);

// The text a field shows: a box, a label or the current text of a list.
QString text(QWidget* parent, const QString& name);

// Types `value` into the named box, or into the edit line of an editable list.
void set(QWidget* parent, const QString& name, const QString& value);

// Every text a study shows, by control name: its named boxes, lists and
// labels, and its grid cells ("MSFlexGrid1[r,c]").
QMap<QString, QString> shownTexts(const QWidget* window);

// Clicks the named button.
void click(QWidget* parent, const QString& name);

// Replaces the box's text by typing `text` key by key (non-ASCII letters too).
void type(QWidget* box, const QString& text, bool clearFirst = true);

// Runs `action`; every message box that opens meanwhile is read and closed with
// OK. Returns their texts in order.
QStringList catchMessages(const std::function<void()>& action);

// The title and icon of the last box caught, for checks on its look.
struct BoxLook {
    QString title;
    int icon = 0;
    int buttons = 0;
};
BoxLook lastBoxLook();

// Runs `action`, answering the print dialog: with `pdfPath` empty it cancels,
// otherwise it points the printer at that PDF with `copies` copies and confirms.
// Message boxes raised meanwhile are caught and returned; a question says "Oui".
QStringList answerPrintDialog(const std::function<void()>& action, const QString& pdfPath,
                              int copies = 1);

// Where a test prints its report: in `dir`, or at $TORVEL_KEEP_PDF to look at it.
QString reportPdfPath(const QTemporaryDir& dir, const QString& name);

// Text of a PDF read back with pdftotext (ligatures folded), and its page count.
QString pdfText(const QString& pdfPath);
int pdfPages(const QString& pdfPath);

// Sets QLocale's default (what the windows read) for the life of the object.
class LocaleScope {
  public:
    explicit LocaleScope(const char* name);
    ~LocaleScope();

  private:
    QString previous_;
};

}  // namespace testing_ui

#include <gtest/gtest.h>

#include <QWidget>

template <class T>
T* testing_ui::child(QWidget* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
    return found;
}
