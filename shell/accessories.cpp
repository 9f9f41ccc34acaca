#include "accessories.h"

#include <QProcess>
#include <QStandardPaths>

namespace torvel {

QStringList calculatorCandidates() {
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("galculator"),       QStringLiteral("qalculate-gtk"),
            QStringLiteral("mate-calc"),        QStringLiteral("xcalc")};
}

QStringList textEditorCandidates() {
    return {QStringLiteral("gnome-text-editor"),
            QStringLiteral("gedit"),
            QStringLiteral("kate"),
            QStringLiteral("kwrite"),
            QStringLiteral("mousepad"),
            QStringLiteral("pluma"),
            QStringLiteral("xed"),
            QStringLiteral("featherpad"),
            QStringLiteral("leafpad"),
            QStringLiteral("xedit")};
}

QString findAccessory(const QStringList& candidates) {
    for (const QString& name : candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) return path;
    }
    return {};
}

bool launchAccessory(const QStringList& candidates) {
    const QString path = findAccessory(candidates);
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

}  // namespace torvel
