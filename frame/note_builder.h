#pragma once

// The calculation note of a study window, built from what the window declares:
// its groups and their captioned values, which are inputs, the messages of its
// last calculation and its drawing. The study's description adds the method,
// the units and the captions of values that have no label.

#include <QString>

#include "calc_note.h"
#include "note_pdf.h"

namespace torvel {

class StudyWindow;

CalcNote buildNote(const StudyWindow& window, const NoteDescription& description,
                   const QString& studyName, const QString& fileName);

NoteDrawing noteDrawing(const StudyWindow& window);

}  // namespace torvel
