#pragma once

// What the calculation note of the fits study takes from outside its window:
// the method it follows and the unit of each value it shows. No Qt here.

#include "calc_note.h"

namespace torvel::fits {

const NoteDescription& ajustementsNote();  // Ajustements

}  // namespace torvel::fits
