#pragma once

// Where the system-information tool is, for the About window. On this platform
// a small layer stands in for the registry: the same keys answer with the first
// system-information tool found on the PATH.

#include <QString>
#include <QStringList>

namespace torvel {

struct KeyValue {
    QString value;
    bool found = false;
};

// Reads one value under the local-machine root. The keys the About window asks
// for answer as the registry would where such a tool is installed.
KeyValue GetKeyValue(const QString& keyPath, const QString& valueName);

QStringList systemInfoCandidates();

}  // namespace torvel
