#include "sysinfo.h"

#include <QStandardPaths>

namespace torvel {

QStringList systemInfoCandidates() {
    return {QStringLiteral("hardinfo"),
            QStringLiteral("hardinfo2"),
            QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"),
            QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager"),
            QStringLiteral("lxtask")};
}

KeyValue GetKeyValue(const QString& keyPath, const QString& valueName) {
    if (keyPath == QLatin1String("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO") &&
        valueName == QLatin1String("PATH")) {
        for (const QString& name : systemInfoCandidates()) {
            const QString path = QStandardPaths::findExecutable(name);
            if (!path.isEmpty()) return {path, true};
        }
    }
    // No other key exists here.
    return {};
}

}  // namespace torvel
