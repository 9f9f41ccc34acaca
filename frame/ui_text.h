#pragma once

// Qt side of the number rules and the user's locale: the shown decimal
// separator, dates and times, and the message boxes every window uses.

#include <QString>
#include <string>

class QWidget;
class QLineEdit;

class QEvent;

namespace torvel {

// The decimal separator of the user's locale (QLocale(), which follows the system).
QString decimalSeparator();

// The separator the engines format with: the locale's when it is one printable
// ASCII character, otherwise the point the numbers are typed with.
char engineDecimalSeparator();

// formatNumber with the locale's decimal separator.
QString displayNumber(double value, const char* pattern);

// The leading-number rule applied to a Qt text.
double readNumber(const QString& text);

// True when every character is one the numeric boxes accept: a digit, "." or ",".
bool isNumericText(const QString& text);

// What a key press or an input-method commit would type into a box; empty for a
// shortcut (Ctrl, Alt, Meta), Tab, Backspace, Delete, a key that types nothing,
// and any other event. Enter types "\r".
QString typedText(QEvent* event);

// Today's date and the time now in the locale's short forms.
QString shortDate();
QString shortTime();

// A text shown as typed in a menu item: its "&" is no mnemonic.
inline QString menuItemText(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

inline std::string toStd(const QString& s) { return s.toStdString(); }
inline QString fromStd(const std::string& s) { return QString::fromStdString(s); }

// Modal box titled "Attention" with the warning icon and one OK button.
void showAttention(QWidget* parent, const QString& text);

}  // namespace torvel
