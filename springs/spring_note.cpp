#include "spring_note.h"

namespace torvel::springs {

// The window works in daN, daN/mm² and grams, as its captions say: the units
// follow the values shown, not the SI units.
const NoteDescription& ressortCompressionNote() {
    static const NoteDescription note{
        .method =
            {
                "Ressort hélicoïdal de compression en fil rond, calculé selon l'EN 13906-1:2013 à "
                "partir de deux points de fonctionnement (F1, L1) et (F2, L2) ; efforts en daN, "
                "contraintes en daN/mm² (1 daN/mm² = 10 MPa).",
                "Raideur R = (F2 − F1)/(L1 − L2) ; spires utiles n tirées de "
                "R = G·d⁴/(8·Dm³·n) ; spires totales nt = n + nm, nm = 1,5, 2 ou 3 spires mortes "
                "selon les extrémités.",
                "Géométrie : w = D/d = Dm/d, De = Dm + d, Di = Dm − d ; longueur à vide "
                "L0 = L2 + F2/R ; longueur à bloc Lb = nt·d ; pas p0 = (L0 − nm·d)/n et "
                "p2 = (L2 − nm·d)/n ; Demax = ½·√(4·Dm² + p0² − d²) + d.",
                "Angle d'enroulement z = arctan(p2/(π·Dm)) ; longueur développée "
                "Ld = (n/cos z + 2)·π·Dm ; masse M = π·d²/4·Ld·ρ, ρ masse volumique mV.",
                "Effort à bloc Fb = R·(L0 − Lb) ; contraintes de torsion non corrigées "
                "T2 = 8·Dm·F2/(π·d³) et Tb = 8·Dm·Fb/(π·d³) ; facteur de Wahl "
                "W = (4·w − 1)/(4·w − 4) + 0,615/w.",
                "Fréquence propre, ressort tenu entre deux plateaux parallèles : fe = ½·√(R/m), "
                "m masse des spires utiles π·d²/4·π·Dm·n·ρ, R en N/m et m en kg.",
                "Vérifications de l'EN 13906-1 : facteur de correction de Bergsträsser "
                "k = (w + 0,5)/(w − 0,75) ; contrainte corrigée sous F2 Tk2 = k·T2.",
                "Flambage entre plateaux parallèles (ν = 0,5, G/E = 0,385) : "
                "sk = L0/(2·(1 − G/E))·[1 − √(1 − (1 − G/E)/(½ + G/E)·(π·Dm/(ν·L0))²)] ; non "
                "flambable si le terme sous la racine est négatif ; risque de flambage si "
                "L0 − L2 ≥ sk.",
                "Domaine de la norme : n ≥ 2 spires utiles et 4 ≤ D/d ≤ 20 ; un ressort hors de "
                "ce domaine est signalé.",
                "Matériau : pour une nuance, G et mV de sa famille et Rm minimale de la "
                "résistance à la traction selon l'EN 10270-1 (SL, SM, DM, SH, DH), l'EN 10270-2 "
                "(FD, TD, VD) ou l'EN 10270-3 (1.4310, 1.4401), lue dans le tableau de la nuance "
                "au diamètre listé égal à d ou au suivant plus grand ; sinon Rm saisi. Sans Rm, la "
                "résistance du fil n'est pas vérifiée.",
                "Contraintes admissibles de l'EN 13906-1, contraintes non corrigées : à bloc "
                "τczul = 0,56·Rm (ressort formé à froid), comparée à τb = Tb ; à la longueur de "
                "travail L2, τzul = 0,5·Rm comparée à τ2 = T2 : cette valeur de 0,5·Rm est la "
                "règle "
                "que ce programme applique. Sécurités τzul/τ2 et τczul/τb.",
                "Fatigue (sollicitation dynamique entre F1 et F2, 10^7 cycles) : contraintes "
                "corrigées par k, τka = k·(τ2 − τ1)/2 et τkm = k·(τ2 + τ1)/2 ; droite de Goodman "
                "par les données d'endurance de Zimmerli pour un fil de moins de 10 mm (non "
                "grenaillé Ssa = 241 MPa, Ssm = 379 MPa ; grenaillé 398 et 534 MPa), "
                "Ssu = 0,67·Rm, Sse = Ssa/(1 − Ssm/Ssu) ; sécurité nf = 1/(τka/Sse + τkm/Ssu).",
            },
        .units =
            {
                {"Textd", "mm"},
                {"Textdm", "mm"},
                {"ComboSpires", ""},
                {"TextG", "daN/mm²"},
                {"TextmV", "10⁻⁶ kg/mm³"},
                {"ComboMateriau", ""},
                {"TextRm", "daN/mm²"},
                {"TextF1", "daN"},
                {"TextL1", "mm"},
                {"TextF2", "daN"},
                {"TextL2", "mm"},
                {"TextDd", ""},
                {"TextDe", "mm"},
                {"TextDi", "mm"},
                {"TextDemax", "mm"},
                {"Textni", ""},
                {"Textnt", ""},
                {"Textz", "°"},
                {"TextL0", "mm"},
                {"TextLb", "mm"},
                {"Textp0", "mm"},
                {"Textp2", "mm"},
                {"TextLd", "mm"},
                {"TextM", "g"},
                {"TextR", "daN/mm"},
                {"TextFb", "daN"},
                {"TextT2", "daN/mm²"},
                {"TextTb", "daN/mm²"},
                {"TextW", ""},
                {"Textfe", "Hz"},
                {"Textk", ""},
                {"TextTk2", "daN/mm²"},
                {"Textsk", "mm"},
                {"ComboSollicitation", ""},
                {"CheckGrenaille", ""},
                {"TextTzul", "daN/mm²"},
                {"TextTczul", "daN/mm²"},
                {"TextS2", ""},
                {"TextSb", ""},
                {"TextTka", "daN/mm²"},
                {"TextTkm", "daN/mm²"},
                {"TextTse", "daN/mm²"},
                {"TextNf", ""},
            },
    };
    return note;
}

}  // namespace torvel::springs
