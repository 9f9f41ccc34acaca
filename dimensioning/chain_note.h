#pragma once

// What the calculation note of the dimension chains takes from outside its
// window: the method it follows and the unit of each box and result. No Qt here.

#include "calc_note.h"

namespace torvel {

const NoteDescription& chainesDeCotesNote();  // ChainesDeCotes

}  // namespace torvel
