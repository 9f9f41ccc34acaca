#pragma once

// The application's identity, shown by the splash and About windows.

#include <QString>

#include "version.h"

namespace torvel {

struct Identity {
    QString title;
    int major;
    int minor;
    int revision;
    QString company;
};

inline const Identity& identity() {
    static const Identity id{QStringLiteral("Torvel"), kVersionMajor, kVersionMinor, kVersionPatch,
                             QString()};
    return id;
}

// "Version 1.4.1" for the version 1.4.1
inline QString versionText() {
    const Identity& id = identity();
    return QStringLiteral("Version %1.%2.%3").arg(id.major).arg(id.minor).arg(id.revision);
}

}  // namespace torvel
