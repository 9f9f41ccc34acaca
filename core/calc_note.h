#pragma once

// A calculation note as data: the title block, the entries and results in the
// window's groups with their units, the method the study follows and the
// messages the calculation showed. Filled from a study window, written to PDF
// by one renderer. No Qt here.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvel {

struct NoteRow {
    std::string caption;  // as the window labels the value, without the trailing " ="
    std::string value;    // as shown
    std::string unit;     // "" when the value has none
};

struct NoteGroup {
    std::string title;  // the window's group caption
    std::vector<NoteRow> rows;
};

struct CalcNote {
    std::string studyName;  // the study's menu text
    std::string reference;  // "" when the study has none or it is empty
    std::string fileName;   // the study file's name; "" while never saved
    std::string dateTime;   // when the note was made, as shown
    std::string date;       // its day alone, as shown
    // The title block's fields beside the study's name; "" when not filled.
    std::string company;                // the office's "Société"
    std::string logo;                   // the office's logo: the bytes of a PNG or SVG file
    std::string project;                // "Affaire"
    std::string revision;               // "Indice"
    std::string author;                 // who made the study: its own author, else the office's
    std::string checker;                // "Vérifié par"
    std::string version;                // the program version, "1.4.1"
    std::vector<NoteGroup> data;        // "Données"
    std::vector<std::string> method;    // "Méthode", one paragraph a line
    std::vector<NoteGroup> results;     // "Résultats"
    std::vector<std::string> messages;  // as shown, in order; none: "Aucun"
};

// What a window cannot say of itself: the standard and formulas its study
// follows, the unit of each of its boxes, the caption of a value that has no
// label, and the values shown among the data though no input (by control name).
struct NoteDescription {
    using Named = std::vector<std::pair<std::string, std::string>>;
    std::vector<std::string> method;
    Named units;
    Named captions = {};
    std::vector<std::string> entries = {};

    static std::string find(const Named& table, std::string_view control) {
        for (const auto& [name, text] : table)
            if (name == control) return text;
        return {};
    }
    std::string unitOf(std::string_view control) const { return find(units, control); }
    std::string captionOf(std::string_view control) const { return find(captions, control); }
};

}  // namespace torvel
