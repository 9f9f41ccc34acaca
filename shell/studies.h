#pragma once

// The study registry: one line per study window, from which the main window
// builds its menus and toolbar and the tools and tests find every study.
// Adding a study is its own folder and one line in studies.cpp.

#include <Qt>
#include <span>
#include <utility>
#include <vector>

class QString;

namespace torvel {

class StudyWindow;
struct NoteDescription;

enum class StudyMenu { Roulements, Cotation, Divers };

struct StudyEntry {
    const char* type;  // window type, also its objectName
    StudyWindow* (*create)();
    StudyMenu menu;
    const char* menuItem;  // objectName of the menu item
    const char* menuText;
    Qt::Key key;
    const char* button = nullptr;  // toolbar button objectName; none when null
    const char* buttonTooltip = nullptr;
    const char* buttonIcon = nullptr;  // file under :/icons
    const char* captionPrefix = "";    // before " : " and the reference; empty: no reference
    // Values that compute without a message, for the tools: control, text.
    std::vector<std::pair<const char*, const char*>> example = {};
    const char* screenshot = "";  // file name under docs/screenshots
    // Method and units of its calculation note.
    const NoteDescription& (*note)() = nullptr;
};

std::span<const StudyEntry> studyEntries();
const StudyEntry* findStudy(const QString& type);

}  // namespace torvel
