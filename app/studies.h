#pragma once

// The seven study windows the main window opens, in one table. A study whose
// window is not built has no factory: its menu item and button stay disabled.

#include <QString>

#include <array>

namespace torvel {

class StudyWindow;

struct StudyEntry {
    const char* type;  // window type, also its objectName
    StudyWindow* (*create)();
};

const std::array<StudyEntry, 7>& studyEntries();
const StudyEntry* findStudy(const QString& type);

}  // namespace torvel
