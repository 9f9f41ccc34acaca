#include "bearing_notes.h"

#include <iterator>

#include "duty_cycle.h"

namespace torvel::bearings {

// Units as the boxes show their values; a list whose items carry their own unit
// ("25°", "95%") takes none, so that a note does not print it twice.

namespace {

// The modified life's method, the same engine in Roulement and CasVariables.
std::vector<std::string> withModifiedLifeMethod(std::vector<std::string> lines) {
    const char* const kShared[] = {
        "Diamètre moyen dm = (d + D)/2 ; viscosité ν à la température T par la relation "
        "de Walther (ASTM D341) passant par (40 °C, ν40) et (100 °C, ν100) : "
        "log log(ν + 0,7) = A − B·log(T + 273,15) ; au-dessous de 2 mm²/s, hors du domaine "
        "de la relation, la valeur extrapolée est signalée.",
        "Viscosité de référence : ν1 = 45000·n^−0,83·dm^−0,5 pour n < 1000 tr/min, "
        "ν1 = 4500·n^−0,5·dm^−0,5 pour n ≥ 1000 tr/min ; κ = ν/ν1, méthode non "
        "applicable pour κ < 0,1, calcul avec κ = 4 pour κ > 4.",
        "Facteur de pollution eC : valeur basse de la plage du tableau 13 de "
        "l'ISO 281:2007, pour dm < 100 mm / dm ≥ 100 mm : propreté extrême 1 / 1, haute "
        "propreté 0,6 / 0,8, propreté normale 0,5 / 0,6, contamination légère 0,3 / 0,4, "
        "typique 0,1 / 0,2, sévère et très sévère 0 / 0.",
        "Facteur aISO, x = eC·Cu/P (x/3 pour une butée à billes, x/2,5 pour une butée à "
        "rouleaux) : billes aISO = 0,1·[1 − (2,5671 − b/κ^g)^0,83·x^(1/3)]^−9,3 ; "
        "rouleaux aISO = 0,1·[1 − (1,5859 − b/κ^g)·x^0,4]^−9,185 ; pour les billes, un "
        "terme (2,5671 − b/κ^g) négatif compte pour 0 ; aISO ≤ 50.",
        "Constantes (b ; g) pour 0,1 ≤ κ < 0,4, 0,4 ≤ κ < 1 et 1 ≤ κ ≤ 4 : billes "
        "(2,2649 ; 0,054381), (1,9987 ; 0,19087), (1,9987 ; 0,071739) ; rouleaux "
        "(1,3993 ; 0,054381), (1,2348 ; 0,19087), (1,2348 ; 0,071739).",
    };
    lines.insert(lines.end(), std::begin(kShared), std::end(kShared));
    return lines;
}

}  // namespace

const NoteDescription& roulementNote() {
    static const NoteDescription note{
        .method = withModifiedLifeMethod({
            "Facteurs X, Y et e des roulements radiaux et des butées selon les tableaux de "
            "l'ISO 281, charge statique équivalente selon l'ISO 76:2006, durée de base L "
            "avec le facteur de fiabilité a1 de l'ISO 281:1990, durée corrigée Lnm selon "
            "l'ISO 281:2007.",
            "Charge dynamique équivalente : P = X·Fr + Y·Fa ; X et Y selon le type, l'angle "
            "de contact α, le nombre de rangées i et la position de Fa/Fr par rapport à e "
            "(mode « Automatique »), ou saisis (mode « Manuel »).",
            "Roulements à billes de 0° à 15° : e et Y suivent la charge axiale relative "
            "i·Fa/Co (i = 1 à contact radial), e étant borné aux valeurs extrêmes des "
            "tableaux ; de 20° à 45° : e, X et Y constants par angle.",
            "Roulements à rouleaux et à rotule de 5° à 45° : e = 1,5·tan α ; une rangée : "
            "X = 1 et Y = 0 pour Fa/Fr ≤ e, X = 0,4 et Y = 0,4·cot α au-delà ; deux rangées : "
            "X = 1 et Y = 0,45·cot α (0,42·cot α à rotule) pour Fa/Fr ≤ e, X = 0,67 et "
            "Y = 0,67·cot α (0,65 et 0,65·cot α à rotule) au-delà. Rouleaux à 0° : X = 1, "
            "Y = 0, sans charge axiale.",
            "Butées de 45° à 85° : facteurs des tableaux de l'ISO 281 pour les butées à "
            "billes ; butées à rouleaux : e = 1,5·tan α, X = tan α et Y = 1 pour Fa/Fr > e, "
            "X = 1,5·tan α et Y = 0,67 en double effet pour Fa/Fr ≤ e. Une butée à simple "
            "effet exige Fa/Fr > e, et Fa/Fr ≥ tan α/0,44 (aussi en double effet pour les "
            "rouleaux). À 90° : X = 0, Y = 1, Fr nulle.",
            "Charge statique équivalente (ISO 76) : Po = Xo·Fr + Yo·Fa, au moins égale à Fr "
            "pour un roulement et à Fa pour une butée ; butées : Xo = 2,3·tan α, Yo = 1. "
            "La charge pondérée Po·So est comparée à Co, So = 0,5 (sans chocs), 1 (conditions "
            "normales), 2 (avec chocs) ou 4 (mouvements très doux et très précis).",
            "Durée de base : L10 = (C/P)^p et L = a1·L10 en millions de tours, p = 3 (billes) "
            "ou 10/3 (rouleaux) ; a1 (ISO 281:1990) = 1 (90 %), 0,62 (95 %), 0,53 (96 %), "
            "0,44 (97 %), 0,33 (98 %), 0,21 (99 %).",
            "Durée en heures : Lh = L·10⁶/(60·N), N en tr/min. Avertissements si P > 0,5·C "
            "ou si Po·So > Co.",
            "Durée corrigée (ISO 281:2007), facultative, calculée dès que d, D, Cu, ν40 ou "
            "ν100 est saisi : Lnm = a1·aISO·L10 en millions de tours, Lnmh = Lnm·10⁶/(60·N) ; "
            "a1 = 1 (90 %), 0,64 (95 %), 0,55 (96 %), 0,47 (97 %), 0,37 (98 %), 0,25 (99 %). "
            "Elle exige D > d > 0, Cu > 0, ν40 > ν100 ≥ 2, 0 ≤ T ≤ 150 °C et N > 0.",
        }),
        .units =
            {
                {"ComboElement", ""},
                {"ComboType", ""},
                {"ComboRangées", ""},
                {"ComboAngle", ""},
                {"TextFr", "N"},
                {"TextFa", "N"},
                {"TextCo", "N"},
                {"TextC", "N"},
                {"TextN", "tr/min"},
                {"ComboFonctionnement", ""},
                {"ComboFiabilité", ""},
                {"ComboCalcul", ""},
                {"TextFaFr", ""},
                {"Texte", ""},
                {"TextX", ""},
                {"TextY", ""},
                {"TextXo", ""},
                {"TextYo", ""},
                {"TextP", "N"},
                {"TextPo", "N"},
                {"TextL10", "millions de tours"},
                {"TextL10H", "h"},
                {"Textd", "mm"},
                {"TextDext", "mm"},
                {"TextCu", "N"},
                {"TextNu40", "mm²/s"},
                {"TextNu100", "mm²/s"},
                {"TextT", "°C"},
                {"ComboPollution", ""},
                {"Textdm", "mm"},
                {"TextNu", "mm²/s"},
                {"TextNu1", "mm²/s"},
                {"TextKappa", ""},
                {"TexteC", ""},
                {"Texta1ISO", ""},
                {"TextaISO", ""},
                {"TextLnm", "millions de tours"},
                {"TextLnmh", "h"},
            },
        .captions =
            {
                {"ComboElement", "Élément roulant"},
                {"ComboType", "Type"},
                {"ComboRangées", "Rangées"},
                {"ComboAngle", "Angle de contact"},
                {"ComboFonctionnement", "Conditions de fonctionnement"},
            },
    };
    return note;
}

const NoteDescription& contactObliqueNote() {
    static const NoteDescription note{
        .method =
            {
                "Deux roulements à contact oblique ou à rouleaux coniques A et B, montés en X ou "
                "en O, chargés radialement par FrA et FrB ; l'ensemble reçoit la charge axiale "
                "extérieure Ka (saisie Fa), portée par le roulement A. Facteurs e et Y du "
                "fabricant ; charges équivalentes selon l'ISO 281:2007. Le montage fixe le schéma, "
                "pas le calcul.",
                "Charges axiales induites : Fa induite = 0,5·Fr/Y pour chaque roulement ; on "
                "compare KA = 0,5·FrA/YA et KB = 0,5·FrB/YB + Ka.",
                "Si KA > KB : FaA = 0,5·FrA/YA et FaB = 0,5·FrA/YA − Ka ; sinon : "
                "FaA = 0,5·FrB/YB + Ka et FaB = 0,5·FrB/YB.",
                "Charge dynamique équivalente : P = Fr pour le roulement qui ne porte que sa "
                "charge induite ; pour l'autre, P = Fr si Fa ≤ e·Fr, sinon P = 0,4·Fr + Y·Fa.",
            },
        .units =
            {
                {"Combo1", ""},
                {"TextFaE", "N"},
                {"TextFrA", "N"},
                {"TexteA", ""},
                {"TextYA", ""},
                {"TextFaA", "N"},
                {"TextPA", "N"},
                {"TextFrB", "N"},
                {"TexteB", ""},
                {"TextYB", ""},
                {"TextFaB", "N"},
                {"TextPB", "N"},
            },
        .captions = {{"Combo1", "Montage"}},
    };
    return note;
}

const NoteDescription& casVariablesNote() {
    static const NoteDescription note = [] {
        NoteDescription d{
            .method = withModifiedLifeMethod({
                "Durée de vie d'un roulement ou d'une butée sous un cycle de 1 à 20 cas de durée "
                "ti (s), vitesse Ni (tr/min) et charge dynamique équivalente Pi (N) constantes, "
                "jusqu'à la première durée nulle : charge équivalente moyenne par cumul des "
                "dommages (Palmgren-Miner) et durée de base selon l'ISO 281:1990.",
                "Avec vitesses : T = Σ ti, vitesse moyenne N = Σ ti·Ni / T, "
                "P = (Σ Pi^p·ti·Ni / Σ ti·Ni)^(1/p) ; un cas sans vitesse est un arrêt, compté "
                "dans T seulement.",
                "Sans vitesse : P = (Σ Pi^p·ti / T)^(1/p), et la durée en heures n'est pas "
                "calculée.",
                "Durée : L = a1·(C/P)^p en millions de tours, p = 3 (billes) ou 10/3 (rouleaux), "
                "a1 = 1 (90 %), 0,62 (95 %), 0,53 (96 %), 0,44 (97 %), 0,33 (98 %), 0,21 (99 %) ; "
                "Lh = L·10⁶/(60·N). Avertissement si P > 0,5·C.",
                "Durée corrigée (ISO 281:2007), facultative, calculée dès que d, D, Cu, ν40 ou "
                "ν100 est saisi ; elle exige D > d > 0, Cu > 0, ν40 > ν100 ≥ 2, 0 ≤ T ≤ 150 °C et "
                "un cas qui tourne. Pour chaque cas j qui tourne : κj = ν/ν1(Nj, dm), aISOj avec "
                "x = eC·Cu/Pj, Lnm,j = a1·aISOj·(C/Pj)^p ; a1 = 1 (90 %), 0,64 (95 %), 0,55 (96 "
                "%), "
                "0,47 (97 %), 0,37 (98 %), 0,25 (99 %).",
                "Durée corrigée du cycle : Lnm = 1 / Σ (Uj / Lnm,j), Uj = tj·Nj / Σ t·N la part "
                "des tours du cas j ; un arrêt ne fait aucun tour, un cas sans charge n'use pas. "
                "Lnmh = Lnm·10⁶/(60·N), N la vitesse moyenne. Sans durée corrigée si un cas a "
                "κ < 0,1.",
            }),
            .units =
                {
                    {"Combo1", ""},
                    {"TextC", "N"},
                    {"TextN", "tr/min"},
                    {"TextT", "s"},
                    {"TextP", "N"},
                    {"ComboFiabilité", ""},
                    {"TextL10", "millions de tours"},
                    {"TextL10H", "h"},
                    {"Textd", "mm"},
                    {"TextDext", "mm"},
                    {"TextCu", "N"},
                    {"TextNu40", "mm²/s"},
                    {"TextNu100", "mm²/s"},
                    {"TextTemperature", "°C"},
                    {"ComboPollution", ""},
                    {"ComboDisposition", ""},
                    {"TextLnm", "millions de tours"},
                    {"TextLnmh", "h"},
                },
            .captions = {{"Combo1", "Élément roulant"}, {"ComboFiabilité", "Fiabilité"}},
        };
        // Each case's boxes have no label of their own: the note names them by case.
        const char* const kCaptions[] = {"κ", "aISO", "Lnm"};
        const char* const kUnits[] = {"", "", "millions de tours"};
        for (int j = 1; j <= kDutyCases; ++j)
            for (size_t k = 0; k < 3; ++k) {
                const std::string name = dutyPhaseTarget(kDutyPhaseBoxes[k], j);
                d.units.push_back({name, kUnits[k]});
                d.captions.push_back({name, kCaptions[k] + (" (cas " + std::to_string(j) + ")")});
            }
        return d;
    }();
    return note;
}

}  // namespace torvel::bearings
