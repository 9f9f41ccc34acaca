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
                "Frettage, quand son groupe est renseigné : DIN 7190-1:2017, domaine élastique. "
                "Moyeu et arbre de même longueur L, cylindres épais de Lamé en contraintes "
                "planes, pression uniforme ; ni effet des bords du moyeu, ni flexion ni charge "
                "radiale extérieure. Propriétés des matériaux à 20 °C.",
                "Serrages mesurés : Umax = es − EI, Umin = ei − ES. Lissage des rugosités "
                "G = 0,4·(RzA + RzI) (DIN 7190-1:2017 ; l'édition 2001 prenait 0,8), serrages "
                "effectifs Ue = U − G.",
                "Pression de contact : p = (Ue / DF) / [((1 + QA²) / (1 − QA²) + νA) / EA + "
                "((1 + QI²) / (1 − QI²) − νI) / EI], QA = DF / DaA, QI = DiI / DF (QI = 0 : "
                "arbre plein).",
                "Au serrage minimal, à l'arrêt à 20 °C, ce que l'assemblage transmet sûrement : "
                "Mt max = p min·π·DF²·L·μ / 2, Fa max = p min·π·DF·L·μ. Un serrage effectif "
                "minimal ≤ 0 ne transmet rien.",
                "Besoin : Freq = KA·√(Fax² + (2·Mt/DF)²), le facteur d'application KA portant sur "
                "le couple et sur l'effort axial ; SR atteinte = π·DF·L·μ·p min service / Freq, "
                "comparée à SR requise ; S moyeu, S arbre et S moyeu n max comparées à SP "
                "requise.",
                "Service : variation du serrage aux températures ϑA et ϑI, au premier ordre, "
                "ΔUϑ = DF·[αI·(ϑI − 20) − αA·(ϑA − 20)] ; perte par la rotation à n max, moyeu et "
                "arbre en disques tournants en contraintes planes, ΔUω = (ω²·DF/16)·{ρA/EA·[(3 + "
                "νA)·DaA² + (1 − νA)·DF²] − ρI/EI·[(3 + νI)·DiI² + (1 − νI)·DF²]}. Serrage minimal "
                "dans l'état le plus défavorable : Ue min + min(0 ; ΔUϑ) − ΔUω ; contraintes au "
                "serrage le plus fort à l'arrêt, Ue max + max(0 ; ΔUϑ) ; contrainte du moyeu à n "
                "max avec la pression réduite et la contrainte centrifuge (3 + "
                "νA)/4·ρA·ω²·[(DaA/2)² "
                "+ (1 − νA)/(3 + νA)·(DF/2)²]. n ouverture : vitesse à laquelle ΔUω atteint le "
                "serrage minimal à la température de service.",
                "Fenêtre de serrage mesuré : Umin requis = SR·Freq / (π·DF·L·μ)·DF·K′ + G + ΔUω − "
                "min(0 ; ΔUϑ), Umax admissible = min(pFA ; pFI) / SP·DF·K′ + G − max(0 ; ΔUϑ), "
                "K′ = CA/EA + CI/EI, pFA = (1 − QA²)·ReA/√3, pFI = 2·ReI/√3 (arbre plein) ou "
                "(1 − QI²)·ReI/√3.",
                "Ajustements possibles : alésages H6, H7 et H8 avec les arbres p à zc d'une "
                "qualité plus fine, les classes offertes au diamètre, dont tout l'intervalle "
                "[Umin ; Umax] tient dans la fenêtre ; les ajustements préférés d'ISO 286-1:2010 "
                "d'abord (H6/p5, H7/p6, r6, s6, t6, u6, x6, H8/s7, u7), puis la plus large "
                "tolérance totale, puis la plus grande marge min(SR atteinte / SR requise ; SP "
                "atteinte / SP requise) ; dix lignes au plus. Sans ajustement dans la fenêtre, "
                "les cinq plus proches avec la borne manquée.",
                "Au serrage maximal : effort d'emmanchement Fe = p max·π·DF·L·μ, avec le même μ "
                "(un emmanchement à froid à la presse glisse plus tôt : environ 0,08 en "
                "acier/acier à sec). μ = 0,15 proposé : frettage acier/acier (DIN 7190-1).",
                "Contrainte équivalente de DIN 7190-1 (cisaillement maximal modifié) : "
                "σv = √3·τmax, contrainte axiale nulle. Moyeu, à l'alésage : σv = √3·p max / "
                "(1 − QA²) ; arbre plein : σv = √3/2·p max ; arbre creux, à son alésage : σv = "
                "√3·p max / (1 − QI²). S = Re / σv ; pour une fonte grise, Re = Rm/2.",
                "Température de frettage du moyeu : T montage = Tamb + (Umax + DF/1000) / "
                "(αA·DF), avec le serrage mesuré et un jeu de montage de DF/1000 ; au-delà de "
                "300 °C (limite du chauffage au four), l'arbre est à refroidir aussi ou "
                "l'assemblage à emmancher à la presse.",
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
                {"TextDaMoyeu", "mm"},
                {"TextDiArbre", "mm"},
                {"TextLongueur", "mm"},
                {"ComboMoyeu", ""},
                {"ComboArbre", ""},
                {"TextEMoyeu", "MPa"},
                {"TextNuMoyeu", ""},
                {"TextReMoyeu", "MPa"},
                {"TextEArbre", "MPa"},
                {"TextNuArbre", ""},
                {"TextReArbre", "MPa"},
                {"TextAlphaMoyeu", "10⁻⁶/K"},
                {"TextRzMoyeu", "µm"},
                {"TextRzArbre", "µm"},
                {"TextFrottement", ""},
                {"TextCouple", "N·m"},
                {"TextTamb", "°C"},
                {"TextRhoMoyeu", "kg/m3"},
                {"TextAlphaArbre", "10⁻⁶/K"},
                {"TextRhoArbre", "kg/m3"},
                {"TextKA", ""},
                {"TextFax", "N"},
                {"TextVitesse", "tr/min"},
                {"TextTempMoyeu", "°C"},
                {"TextTempArbre", "°C"},
                {"TextSR", ""},
                {"TextSP", ""},
                {"TextFreq", "N"},
                {"TextDeltaUTemp", "µm"},
                {"TextDeltaUVitesse", "µm"},
                {"TextNOuverture", "tr/min"},
                {"TextPMinService", "MPa"},
                {"TextContrainteMoyeuVitesse", "MPa"},
                {"TextSecuriteMoyeuVitesse", ""},
                {"TextUminRequis", "µm"},
                {"TextUmaxAdmis", "µm"},
                {"ListAjustementsPossibles", ""},
                {"TextUeMin", "µm"},
                {"TextUeMax", "µm"},
                {"TextPMin", "MPa"},
                {"TextPMax", "MPa"},
                {"TextCoupleMax", "N·m"},
                {"TextEffortAxial", "N"},
                {"TextSecuriteGlissement", ""},
                {"TextEffortEmmanchement", "N"},
                {"TextTempMontage", "°C"},
                {"TextContrainteMoyeu", "MPa"},
                {"TextSecuriteMoyeu", ""},
                {"TextContrainteArbre", "MPa"},
                {"TextSecuriteArbre", ""},
            },
        .captions =
            {
                {"Aj_Ale", "Alésage"},
                {"Af_Ec_Sup_Al", "Écart supérieur de l'alésage"},
                {"Af_Ec_Inf_Al", "Écart inférieur de l'alésage"},
                {"Aj_Arb", "Arbre"},
                {"Af_Ec_Sup_Ar", "Écart supérieur de l'arbre"},
                {"Af_Ec_Inf_Ar", "Écart inférieur de l'arbre"},
                {"TextRhoMoyeu", "ρA (kg/m3)"},
                {"TextRhoArbre", "ρI (kg/m3)"},
            },
        .entries = {"Aj_Ale", "Aj_Arb"},
    };
    return note;
}

}  // namespace torvel::fits
