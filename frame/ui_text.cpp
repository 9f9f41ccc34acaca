#include "ui_text.h"

#include <QDate>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QTime>
#include <algorithm>

#include "numbers.h"

namespace torvel {

QString decimalSeparator() { return QLocale().decimalPoint(); }

char engineDecimalSeparator() {
    const QString point = decimalSeparator();
    if (point.size() == 1 && point.at(0).unicode() > 0x20 && point.at(0).unicode() < 0x7f)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

QString displayNumber(double value, const char* pattern) {
    // Format with a neutral marker, then put in the locale's separator, which
    // need not be a single byte.
    QString text = QString::fromStdString(formatNumber(value, pattern, '\x01'));
    text.replace(QChar('\x01'), decimalSeparator());
    return text;
}

double readNumber(const QString& text) { return leadingNumber(text.toStdString()); }

QString typedText(QEvent* event) {
    if (event->type() == QEvent::InputMethod)
        return static_cast<QInputMethodEvent*>(event)->commitString();
    if (event->type() != QEvent::KeyPress) return {};
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            return {};
        default:
            break;
    }
    const QString text = key->text();
    if (!text.isEmpty() && text.at(0).unicode() == 0x7f) return {};  // Delete on some layouts
    return text;
}

bool isNumericText(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == u'.' || c == u',' || (c >= u'0' && c <= u'9'); });
}

QString shortDate() { return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat); }
QString shortTime() {
    // The locale's time with seconds, without the time zone the long form adds.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale().toString(QTime::currentTime(), format.trimmed());
}

void showAttention(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Attention"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

}  // namespace torvel
