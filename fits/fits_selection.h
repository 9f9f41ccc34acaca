#pragma once

// Selection state of the fits study. It belongs to the module, not to the
// window: it lives for the whole run, so closing and reopening Ajustements
// keeps it (the window's load puts the letters, grades and diameter back to
// their initial values, but not the class keys nor the deviations).

#include <string>

#include "iso_fits.h"

namespace torvel::fits {

struct SideSelection {
    std::string Lettre;          // Lettre_Al / Lettre_Ar
    std::string Qualite;         // Qualite_Al / Qualite_Ar, decimal digits
    std::string Classe;          // Classe_Al / Classe_Ar, empty until a tile of the side is clicked
    int Sel_Cl = 0;              // selected letter tile
    int Sel_Ql = 0;              // highlighted grade tile
    Deviations Ecarts;           // Ec_Sup / Ec_Inf of the last lookup that found an entry
    bool EcartsTrouves = false;  // the last lookup found an entry for Classe
};

struct FitsSelection {
    double Diametre_Nom = 2.0;
    SideSelection Al{"H", "7", "", 7, 1, {}, false};
    SideSelection Ar{"g", "6", "", 6, 1, {}, false};

    SideSelection& side(Side s) { return s == Side::Hole ? Al : Ar; }
};

// The one state of the run.
inline FitsSelection& fitsSelection() {
    static FitsSelection state;
    return state;
}

// Back to the state of a fresh run (tests start from there).
inline void resetFitsSelection() { fitsSelection() = FitsSelection{}; }

}  // namespace torvel::fits
