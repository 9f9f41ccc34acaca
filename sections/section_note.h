#pragma once

// What the calculation note of the section study takes from outside its
// window: the formulas it follows and the unit of each box. No Qt here.

#include "calc_note.h"

namespace torvel::sections {

const NoteDescription& sectionNote();  // Section

}  // namespace torvel::sections
