#include "ui_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
void PrintTo(const QStringList& l, std::ostream* os) {
    *os << "{";
    for (const QString& s : l) *os << '"' << s.toStdString() << "\", ";
    *os << "}";
}

namespace testing_ui {

void showActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    (void)QTest::qWaitForWindowActive(window);
}

namespace {
BoxLook g_lastLook;
}

void type(QWidget* box, const QString& text, bool clearFirst) {
    box->setFocus();
    if (clearFirst) {
        if (auto* edit = qobject_cast<QLineEdit*>(box)) edit->clear();
    }
    for (QChar c : text) {
        if (c.unicode() < 128 && c.unicode() >= 32)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString text(QWidget* parent, const QString& name) {
    if (auto* edit = parent->findChild<QLineEdit*>(name)) return edit->text();
    if (auto* label = parent->findChild<QLabel*>(name)) return label->text();
    if (auto* combo = parent->findChild<QComboBox*>(name)) return combo->currentText();
    ADD_FAILURE() << "no field " << name.toStdString();
    return {};
}

QMap<QString, QString> shownTexts(const QWidget* w) {
    QMap<QString, QString> texts;
    for (auto* e : w->findChildren<QLineEdit*>())
        if (!e->objectName().isEmpty()) texts[e->objectName()] = e->text();
    for (auto* c : w->findChildren<QComboBox*>()) texts[c->objectName()] = c->currentText();
    for (auto* l : w->findChildren<QLabel*>())
        if (!l->objectName().isEmpty()) texts[l->objectName()] = l->text();
    for (auto* g : w->findChildren<QTableWidget*>())
        for (int r = 0; r < g->rowCount(); ++r)
            for (int c = 0; c < g->columnCount(); ++c)
                texts[QStringLiteral("%1[%2,%3]").arg(g->objectName()).arg(r).arg(c)] =
                    g->item(r, c) ? g->item(r, c)->text() : QString();
    return texts;
}

void set(QWidget* parent, const QString& name, const QString& value) {
    if (auto* combo = parent->findChild<QComboBox*>(name); combo && combo->lineEdit())
        type(combo->lineEdit(), value);
    else if (auto* edit = child<QLineEdit>(parent, name))
        type(edit, value);
}

void click(QWidget* parent, const QString& name) {
    if (auto* button = child<QAbstractButton>(parent, name)) button->click();
}

QStringList catchMessages(const std::function<void()>& action) {
    QStringList texts;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            g_lastLook = {box->windowTitle(), box->icon(), static_cast<int>(box->buttons().size())};
            box->done(QMessageBox::Ok);
        }
    });
    timer.start();
    action();
    timer.stop();
    return texts;
}

BoxLook lastBoxLook() { return g_lastLook; }

QStringList answerPrintDialog(const std::function<void()>& action, const QString& pdfPath,
                              int copies) {
    QStringList texts;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
            if (pdfPath.isEmpty()) {
                dialog->reject();
                return;
            }
            QPrinter* printer = dialog->printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfPath);
            printer->setCopyCount(copies);
            // done() skips the dialog's own copy of its widgets into the printer.
            dialog->done(QDialog::Accepted);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts << box->text();
            // A question before printing is answered "Oui".
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->done(QMessageBox::Ok);
        }
    });
    timer.start();
    action();
    timer.stop();
    return texts;
}

QString reportPdfPath(const QTemporaryDir& dir, const QString& name) {
    return qEnvironmentVariableIsSet("TORVEL_KEEP_PDF") ? qEnvironmentVariable("TORVEL_KEEP_PDF")
                                                        : dir.filePath(name);
}

QString pdfText(const QString& pdfPath) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

int pdfPages(const QString& pdfPath) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdfPath});
    p.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

LocaleScope::LocaleScope(const char* name) : previous_(QLocale().name()) {
    QLocale::setDefault(QLocale(QString::fromLatin1(name)));
}

LocaleScope::~LocaleScope() { QLocale::setDefault(QLocale(previous_)); }

}  // namespace testing_ui
