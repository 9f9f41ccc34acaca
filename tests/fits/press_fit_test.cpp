// The press-fit engine against published worked examples and against an
// independent general-Lame evaluation (each ring's own boundary conditions and
// the compatibility of the radial displacements), shown as the window shows it.
#include "press_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

using namespace torvel::fits;

namespace {

// μ 0.15 and no torque unless given; steel on steel without roughness is the
// textbooks' elastic case.
PressFitInput joint(double df, double uMin, double uMax, double daA, double diI, double length,
                    PressFitMaterialData hub, PressFitMaterialData shaft, double alpha = 11,
                    double rz = 0, std::optional<double> torque = {}) {
    PressFitInput in;
    in.diameter = df, in.measured = {uMin, uMax}, in.hubOuter = daA, in.shaftBore = diI;
    in.length = length, in.hub = hub, in.shaft = shaft, in.hubExpansion = alpha;
    in.rzHub = in.rzShaft = rz, in.friction = 0.15, in.torque = torque;
    return in;
}

const PressFitMaterialData c45{210000, 0.3, 305}, s235{210000, 0.3, 235};

const std::string kNoTorque =
    "Pas de charge à transmettre (Mt, Fax) : la tenue au glissement n'est pas vérifiée";
const std::string kUncertain =
    "Ajustement incertain : le serrage minimal est nul ou négatif, rien n'est transmis à coup sûr";

// The texts of the check's boxes at standstill, in the window's order, joined
// by '|' (the service's are tested apart).
std::string shown(const PressFitResult& r) {
    std::string out;
    const auto texts = pressFitTexts(r, '.');
    for (size_t i = 0; i < 13; ++i) out += texts[i].second + '|';
    return out.substr(0, out.size() - 1);
}

}  // namespace

// Shigley 3-64 (ISO limits, finite hub), Shigley 5-35 (tube in tube),
// machinecalcs (forces and torque), each figure within its published rounding.
TEST(PressFit, PublishedWorkedExamples) {
    const PressFitMaterialData e207{207000, 0.3, 300}, e200{200000, 0.3, 300};
    const PressFitResult s364 = pressFit(joint(40, 18, 59, 80, 0, 1, e207, e207)),
                         s535 = pressFit(joint(50, 20, 20, 75, 25, 1, e207, e207)),
                         calc = pressFit(joint(50, 40, 40, 80, 0, 40, e200, e200));
    EXPECT_NEAR(s364.pressureMax.value_or(0), 114.5, 0.05);
    EXPECT_NEAR(s535.pressureMax.value_or(0), 19.41, 0.005);
    EXPECT_NEAR(calc.pressInForce.value_or(0), 45900, 50);  // 45.9 kN
    EXPECT_NEAR(calc.torqueMax.value_or(0), 1149, 0.5);
}

// One row a kind of joint (RzA = RzI = 4): the verdict, then the boxes as the
// window shows them.
TEST(PressFit, CasesAgainstAnIndependentEvaluation) {
    const PressFitMaterialData gjl{110000, 0.26, 125}, alu{70000, 0.33, 250};
    const std::tuple<PressFitInput, std::string, const char*> cases[] = {
        {joint(50, 18, 59, 100, 0, 40, c45, c45, 11, 4, 500), "Assemblage admissible",
         "14.8|55.8|23.3|87.9|549.2|21 969|1.10|82 830|218|203.0|1.50|76.1|4.01"},
        {joint(50, 18, 59, 100, 30, 40, c45, c45, 11, 4, 500),
         "Le couple n'est pas transmis (sécurité 0.77)",
         "14.8|55.8|16.4|61.8|386.3|15 451|0.77|58 254|218|142.7|2.14|167.3|1.82"},
        // Without a torque slipping is not looked at: no green verdict.
        {joint(50, 18, 59, 100, 0, 40, gjl, c45, 10, 4), kNoTorque,
         "14.8|55.8|14.2|53.5|334.5|13 381||50 450|238|123.6|1.01|46.4|6.58"},
        {joint(40, 35, 76, 80, 0, 30, alu, c45, 23.4, 4, 0), kNoTorque,
         "31.8|72.8|25.0|57.1|282.2|14 112||32 306|144|131.9|1.89|49.5|6.16"},
        {joint(25, -41, -7, 50, 0, 30, c45, c45, 11, 4, 100),
         "Ajustement avec jeu : pas de frettage", "||||||||||||"},
        // ø 25 H7/k6: the hub may still yield, so the maximum side is shown.
        {joint(25, -19, 15, 50, 0, 30, c45, c45, 11, 4, 100), kUncertain,
         "|11.8||37.2||||13 137|165|85.8|3.55|32.2|9.47"},
        // ø 10 H7/p6 in a thin hub: uncertain, yielding, and too hot to shrink.
        {joint(10, 0, 24, 20, 0, 10, c45, c45, 11, 4, 10),
         kUncertain + " ; le moyeu plastifie ; montage à plus de 300 °C : refroidir aussi "
                      "l'arbre, ou emmancher à la presse",
         "|20.8||163.8||||7 719|329|378.3|0.81|141.9|2.15"},
        {joint(25, 1, 35, 50, 0, 30, c45, c45, 11, 4, 10),
         "Le serrage minimal est absorbé par l'écrasement des rugosités : pas de frettage",
         "-2.2|31.8||100.2||||35 403|238|231.3|1.32|86.7|3.52"},
        {joint(50, 70, 86, 60, 0, 40, s235, c45, 11, 4, 2000),
         "Le moyeu plastifie ; le couple n'est pas transmis (sécurité 0.50)",
         "66.8|82.8|42.9|53.1|1 009.9|40 398|0.50|50 074|267|301.2|0.78|46.0|6.63"},
    };
    for (const auto& [in, verdict, texts] : cases) {
        const PressFitResult r = pressFit(in);
        const PressFitVerdict v = pressFitVerdict(r, '.');
        EXPECT_EQ(v.text + "|" + shown(r), verdict + "|" + texts);
        EXPECT_EQ(v.tone, verdict == "Assemblage admissible" ? Tone::Held
                          : verdict == kNoTorque             ? Tone::Neutral
                                                             : Tone::NotHeld)
            << texts;
    }
    // ø 10 H7/s6, a quenched and tempered hub: it would be heated to 382 °C.
    const PressFitResult hot =
        pressFit(joint(10, 8, 32, 30, 0, 10, {210000, 0.3, 900}, c45, 11, 4, 5));
    EXPECT_EQ(pressFitVerdict(hot, '.').text + "|" + shown(hot).substr(0, 4),
              "Montage à plus de 300 °C : refroidir aussi l'arbre, ou emmancher à la presse|4.8|");
}

// Each wrong entry is refused by its name, and nothing is half computed.
TEST(PressFit, WrongEntriesAreRefusedByName) {
#define SET(change) [](PressFitInput& in) { in.change; }
    const std::pair<void (*)(PressFitInput&), std::string> cases[] = {
        {SET(hubOuter = 50),
         "DaA : le diamètre extérieur du moyeu doit être supérieur au diamètre de l'ajustement"},
        {SET(shaftBore = 50),
         "DiI : l'alésage de l'arbre doit être inférieur au diamètre de l'ajustement (0 pour un "
         "arbre plein)"},
        {SET(length = 0), "L : la longueur de l'assemblage doit être supérieure à 0"},
        {SET(hub.e = 0), "EA : le module d'élasticité du moyeu doit être supérieur à 0"},
        {SET(hub.nu = 0.5),
         "νA : le coefficient de Poisson du moyeu doit être positif ou nul et inférieur à un demi"},
        {SET(hub.re = 0), "ReA : la limite d'élasticité du moyeu doit être supérieure à 0"},
        {SET(shaft.e = -210000), "EI : le module d'élasticité de l'arbre doit être supérieur à 0"},
        {SET(shaft.nu = 0.7),
         "νI : le coefficient de Poisson de l'arbre doit être positif ou nul et inférieur à un "
         "demi"},
        {SET(shaft.re = 0), "ReI : la limite d'élasticité de l'arbre doit être supérieure à 0"},
        {SET(hubExpansion = 0),
         "αA : le coefficient de dilatation du moyeu doit être supérieur à 0"},
        {SET(rzHub = -1), "RzA : la rugosité de l'alésage du moyeu ne peut être négative"},
        {SET(rzShaft = -1), "RzI : la rugosité de l'arbre ne peut être négative"},
        {SET(friction = 0),
         "μ : le coefficient de frottement doit être supérieur à 0 et au plus égal à 1"},
        {SET(friction = 1.01),
         "μ : le coefficient de frottement doit être supérieur à 0 et au plus égal à 1"},
        {SET(roomTemperature = -273.16),
         "Tamb : la température ne peut être inférieure au zéro absolu"},
        {SET(torque = -5), "Mt : le couple à transmettre ne peut être négatif"},
        {SET(roomTemperature = -HUGE_VAL), "Tamb : la valeur sort des limites du calcul"},
        {SET(applicationFactor = 0.9), "KA : le facteur d'application doit être au moins égal à 1"},
        {SET(axialForce = -1), "Fax : l'effort axial ne peut être négatif"},
        {SET(slipRequired = 0.5),
         "SR : la sécurité au glissement requise doit être au moins égale à 1"},
        {SET(yieldRequired = 0),
         "SP : la sécurité à la plastification requise doit être au moins égale à 1"},
        {SET(hubTemperature = -300), "ϑA : la température ne peut être inférieure au zéro absolu"},
        {SET(shaftTemperature = -274),
         "ϑI : la température ne peut être inférieure au zéro absolu"},
        {SET(shaftExpansion = 0),
         "αI : le coefficient de dilatation de l'arbre doit être supérieur à 0"},
        {SET(speed = -1), "n max : la vitesse ne peut être négative"},
        {SET(hubDensity = 0), "ρA : la masse volumique du moyeu doit être supérieure à 0"},
        {SET(shaftDensity = -7850), "ρI : la masse volumique de l'arbre doit être supérieure à 0"},
        // Beyond what a joint can be, each entry by its name.
        {SET(speed = 1e300), "n max : la vitesse ne peut dépasser 200 000 tr/min"},
        {SET(speed = 200001), "n max : la vitesse ne peut dépasser 200 000 tr/min"},
        {SET(applicationFactor = 1e30), "KA : le facteur d'application ne peut dépasser 10"},
        {SET(slipRequired = 1e30), "SR : la sécurité au glissement requise ne peut dépasser 10"},
        {SET(yieldRequired = 10.01),
         "SP : la sécurité à la plastification requise ne peut dépasser 10"},
        {SET(hubDensity = 1e300), "ρA : la masse volumique du moyeu ne peut dépasser 30 000 kg/m3"},
        {SET(shaftDensity = 30001),
         "ρI : la masse volumique de l'arbre ne peut dépasser 30 000 kg/m3"},
        {SET(hubTemperature = 1e300), "ϑA : la température ne peut dépasser 1 000 °C"},
        {SET(shaftTemperature = 1000.5), "ϑI : la température ne peut dépasser 1 000 °C"},
        {SET(roomTemperature = 1001), "Tamb : la température ne peut dépasser 1 000 °C"},
        // A clearance fit holds nothing, but its load and service are weighed.
        {SET(measured.min = -41; in.measured.max = -7; in.torque = 1e308),
         "Les données conduisent à des valeurs hors des limites du calcul"},
        {SET(measured.min = -41; in.measured.max = -7; in.hub.e = 1e-320),
         "Les données conduisent à des valeurs hors des limites du calcul"},
        {SET(hub.e = in.shaft.e = 1e-320),
         "Les données conduisent à des valeurs hors des limites du calcul"},
    };
#undef SET
    for (const auto& [change, message] : cases) {
        PressFitInput in = joint(50, 18, 59, 100, 0, 40, c45, c45);
        change(in);
        const PressFitResult r = pressFit(in);
        const PressFitVerdict v = pressFitVerdict(r, '.');
        EXPECT_EQ(v.text + (v.admissible() ? " (admissible)|" : "|") + shown(r),
                  message + "|" + std::string(12, '|'));
    }
    // The boundaries themselves are accepted: a solid shaft, ν = 0, no roughness.
    for (const PressFitInput& in : {joint(50, 18, 59, 50.001, 0, 40, {210000, 0, 305}, c45),
                                    [] {
                                        PressFitInput j = joint(50, 18, 59, 100, 0, 40, c45, c45);
                                        j.friction = 1, j.roomTemperature = -273.15;
                                        return j;
                                    }(),
                                    [] {
                                        PressFitInput j = joint(50, 18, 59, 100, 0, 40, c45, c45);
                                        j.applicationFactor = j.slipRequired = j.yieldRequired = 10;
                                        j.hubDensity = j.shaftDensity = 30000, j.speed = 200000;
                                        j.roomTemperature = 1000, j.hubTemperature = 1000;
                                        j.shaftTemperature = 1000;
                                        return j;
                                    }()})
        EXPECT_EQ(pressFit(in).refusal, "");
}
