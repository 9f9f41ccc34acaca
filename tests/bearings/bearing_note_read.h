#pragma once

// A bearing window's calculation note, read without a PDF: the titles of its
// data groups, its results as "caption value unit", its messages as printed.

#include "StudyWindow.h"
#include "bearing_notes.h"
#include "note_builder.h"

struct NoteRead {
    QStringList groups, results, messages;
};

inline NoteRead readNote(const torvel::StudyWindow& w, const torvel::NoteDescription& d) {
    const torvel::CalcNote note = torvel::buildNote(w, d, "Note", QString());
    NoteRead r;
    for (const auto& g : note.data) r.groups << QString::fromStdString(g.title);
    for (const auto& g : note.results)
        for (const auto& row : g.rows)
            r.results << QString::fromStdString(row.caption + " " + row.value + " " + row.unit);
    for (const auto& m : note.messages) r.messages << QString::fromStdString(m);
    return r;
}
