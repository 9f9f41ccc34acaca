#pragma once

// The desktop accessories the main window launches: the first calculator or
// text editor found on the PATH, started detached. None found: nothing happens.

#include <QString>
#include <QStringList>

namespace torvel {

QStringList calculatorCandidates();
QStringList textEditorCandidates();

// The first candidate found on the PATH, or an empty text.
QString findAccessory(const QStringList& candidates);

// Starts the first candidate found, detached; false when none could be started.
bool launchAccessory(const QStringList& candidates);

}  // namespace torvel
