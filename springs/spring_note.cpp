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
                "Point le plus chargé : celui de la plus grande des forces F1, F2, qui est aussi "
                "la plus petite des longueurs Lmin = min(L1, L2) ; les vérifications le prennent "
                "quel que soit l'ordre de saisie des deux points.",
                "Flambage entre plateaux parallèles (ν = 0,5, G/E = 0,385) : "
                "sk = L0/(2·(1 − G/E))·[1 − √(1 − (1 − G/E)/(½ + G/E)·(π·Dm/(ν·L0))²)] ; non "
                "flambable si le terme sous la racine est négatif ; risque de flambage si la "
                "flèche sous la charge maximale L0 − Lmin atteint sk.",
                "Longueur minimale admissible (EN 13906-1, 9.9, ressort formé à froid) : "
                "Ln = Lb + Sa, somme minimale des jeux Sa = n·(0,0015·Dm²/d + 0,1·d), × 1,5 sous "
                "sollicitation dynamique. Lmin < Lb : le ressort est à bloc avant la charge "
                "maximale, vérification non satisfaite ; Lb ≤ Lmin < Ln : les spires se touchent, "
                "signalé, résultats conservés.",
                "Domaine de la norme et ressort réalisable : n ≥ 2 spires utiles, 4 ≤ D/d ≤ 20, "
                "pas p0 au plus égal à L0 et L0 au moins égale à Lb ; un ressort hors de ce "
                "domaine est signalé et aucune de ses vérifications n'est donnée comme "
                "satisfaite.",
                "Matériau : pour une nuance, G et mV de sa famille et Rm minimale de la "
                "résistance à la traction selon l'EN 10270-1 (SL, SM, DM, SH, DH), l'EN 10270-2 "
                "(FD, TD, VD) ou l'EN 10270-3 (1.4310, 1.4401), lue dans le tableau de la nuance "
                "au diamètre listé égal à d ou au suivant plus grand ; sinon Rm saisi, signalé "
                "hors de 60 à 360 daN/mm². G ou mV saisi par-dessus une nuance fait du matériau "
                "un matériau saisi, sans la Rm de la nuance : Rm est alors à saisir. Sans Rm, la "
                "résistance du fil n'est pas vérifiée.",
                "Contraintes admissibles de l'EN 13906-1, contraintes non corrigées : à bloc "
                "τczul = 0,56·Rm (ressort formé à froid), comparée à τb = Tb ; sous la charge "
                "maximale, τzul = 0,5·Rm comparée à τ = 8·Dm·Fmax/(π·d³) : cette valeur de 0,5·Rm "
                "est la règle que ce programme applique. Sécurités τzul/τ et τczul/τb.",
                "Fatigue (sollicitation dynamique entre F1 et F2, 10^7 cycles, EN 13906-1, 10.3) : "
                "contraintes corrigées τk1 = k·τ sous la plus petite charge et τk2 = k·τ sous la "
                "plus grande, course τkh = τk2 − τk1 ; course admissible τkH = τkO(τk1) − τk1 "
                "lue en τkU = τk1 sur le diagramme de Goodman de la famille du fil, droite de "
                "τkO,0 (τkU nul) à τkO,max puis plafond τkO,max ; sécurité nf = τkH/τkh, et "
                "τk2 ≤ τkO(τk1) vérifiée.",
                "Diagrammes : points relevés sur les figures de l'EN 13906-1 (relevé publié par "
                "le projet SpringONE), interpolés linéairement en log d entre les diamètres "
                "relevés, jamais extrapolés : DH non grenaillé et grenaillé de 1 à 10 mm ; FDC "
                "(aussi pour TDC) non grenaillé de 1 à 8 mm, grenaillé de 1 à 5 mm ; VDC non "
                "grenaillé de 1 à 5 mm. Un fil grenaillé sans diagramme grenaillé à son diamètre "
                "est vérifié sur le diagramme non grenaillé, et le verdict le dit.",
                "Sans diagramme public (SL, SM, SH, DM, nuances CrV et SiCr, inox, matériau saisi, "
                "diamètre hors des données) : pas de verdict en fatigue ; τk1, τk2 et τkh restent "
                "affichés.",
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
                {"TextSa", "mm"},
                {"TextLn", "mm"},
                {"ComboSollicitation", ""},
                {"CheckGrenaille", ""},
                {"TextTzul", "daN/mm²"},
                {"TextTczul", "daN/mm²"},
                {"TextS2", ""},
                {"TextSb", ""},
                {"TextTka", "daN/mm²"},
                {"TextTkm", "daN/mm²"},
                {"TextTkh", "daN/mm²"},
                {"TextTse", "daN/mm²"},
                {"TextTkO", "daN/mm²"},
                {"TextNf", ""},
                {"TextDiagramme", ""},
            },
    };
    return note;
}

}  // namespace torvel::springs
