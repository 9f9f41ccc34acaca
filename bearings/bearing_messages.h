#pragma once

// The message texts the three bearing studies share, each written once.

namespace torvel::bearings {

inline constexpr const char* kMsgDynamicRating = "Veuillez entrer une Charge Dynamique de Base !";
inline constexpr const char* kMsgCoefficients = "Veuillez entrer tous les coefficients !";
inline constexpr const char* kMsgImpossible =
    "Calcul impossible : Veuillez vérifier tous les paramètres !";
inline constexpr const char* kMsgPLarge =
    "P > 0.5 x C : Il est préférable de consulter un fabricant de roulements";

}  // namespace torvel::bearings
