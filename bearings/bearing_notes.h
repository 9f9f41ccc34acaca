#pragma once

// What the calculation notes of the three bearing studies take from outside
// their windows: the method each follows and the unit of each box and list.
// No Qt here.

#include "calc_note.h"

namespace torvel::bearings {

const NoteDescription& roulementNote();       // Roulement
const NoteDescription& contactObliqueNote();  // ContactOblique
const NoteDescription& casVariablesNote();    // CasVariables

}  // namespace torvel::bearings
