#pragma once

// What the calculation note of the compression spring takes from outside its
// window: the standard and formulas it follows and the unit of each box.
// No Qt here.

#include "calc_note.h"

namespace torvel::springs {

const NoteDescription& ressortCompressionNote();  // RessortCompression

}  // namespace torvel::springs
