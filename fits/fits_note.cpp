#include "fits_note.h"

namespace torvel::fits {

// The window shows its results in labels, not boxes: they are listed too, so
// that the note gives the deviations, limits and clearances with their unit.
const NoteDescription& ajustementsNote() {
    static const NoteDescription note{
        .method =
            {
                "Système ISO de limites et d'ajustements : ISO 286-1:2010 (tolérances normalisées "
                "IT, écarts fondamentaux, règles des alésages) et ISO 286-2:2010 (tableaux des "
                "écarts limites des alésages et des arbres), pour un diamètre nominal D de plus "
                "de 1 mm jusqu'à 500 mm inclus.",
                "Arbres : lettres a à g, écart fondamental es et ei = es − IT ; h : es = 0 ; "
                "lettres j, k et m à zc, écart fondamental ei et es = ei + IT ; js : es = +IT/2, "
                "ei = −IT/2.",
                "Alésages : lettres A à G, EI = −es de l'arbre de même lettre et ES = EI + IT ; "
                "H : EI = 0 ; lettres K à ZC, ES = −ei + Δ (K, M, N jusqu'à la qualité 8, P à ZC "
                "jusqu'à la qualité 7), Δ = ITn − IT(n−1), et EI = ES − IT ; J : ES tabulé ; "
                "JS : ±IT/2.",
                "Limites : alésage maxi = D + ES, alésage mini = D + EI, arbre maxi = D + es, "
                "arbre mini = D + ei.",
                "Jeu maxi = ES − ei, jeu mini = EI − es ; un jeu négatif est un serrage. "
                "Ajustement avec jeu si jeu maxi > 0 et jeu mini ≥ 0, serré si jeu maxi < 0 et "
                "jeu mini ≤ 0, incertain sinon.",
            },
        .units =
            {
                {"Diametre", "mm"},
                {"Aj_Ale", ""},
                {"Af_Ec_Sup_Al", "mm"},
                {"Af_Ec_Inf_Al", "mm"},
                {"Aj_Arb", ""},
                {"Af_Ec_Sup_Ar", "mm"},
                {"Af_Ec_Inf_Ar", "mm"},
                {"Res_Al_Max", "mm"},
                {"Res_Al_Min", "mm"},
                {"Res_Ar_Max", "mm"},
                {"Res_Ar_Min", "mm"},
                {"J_Max", "mm"},
                {"J_Min", "mm"},
                {"ComboAjustementsUsuels", ""},
            },
        .captions =
            {
                {"Aj_Ale", "Alésage"},
                {"Af_Ec_Sup_Al", "Écart supérieur de l'alésage"},
                {"Af_Ec_Inf_Al", "Écart inférieur de l'alésage"},
                {"Aj_Arb", "Arbre"},
                {"Af_Ec_Sup_Ar", "Écart supérieur de l'arbre"},
                {"Af_Ec_Inf_Ar", "Écart inférieur de l'arbre"},
            },
        .entries = {"Aj_Ale", "Aj_Arb"},
    };
    return note;
}

}  // namespace torvel::fits
