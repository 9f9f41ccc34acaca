#include "section_note.h"

namespace torvel::sections {

// Every entry and result is listed, also those the chosen shape hides: one
// description serves the twelve shapes.
const NoteDescription& sectionNote() {
    static const NoteDescription note{
        .method =
            {
                "Caractéristiques géométriques d'une section plane (géométrie des masses de la "
                "résistance des matériaux, sans norme) ; axes y et z passant par le centre de "
                "gravité G, orientés comme sur le schéma ; dimensions a, b, c, d du schéma.",
                "Aire S ; position de G : yG (et zG pour le profilé L) ; moments quadratiques "
                "IGy = ∫z²·dS et IGz = ∫y²·dS ; moment quadratique polaire IG = IGy + IGz.",
                "Modules de flexion IGy/v et IGz/v, v étant la distance de G à la fibre la plus "
                "éloignée ; rayons de giration r(y) = √(IGy/S) et r(z) = √(IGz/S).",
                "Théorème de Huygens-Steiner : IΔ = IG + S·d², d distance de l'axe Δ à l'axe "
                "parallèle passant par G ; il ramène en G les moments des profilés L, T et U, "
                "décomposés en rectangles.",
                "Axes principaux : Iu, Iv = (IGy + IGz)/2 ± √(((IGy − IGz)/2)² + IGyz²), IGyz "
                "produit quadratique, non nul pour le seul profilé L : "
                "IGyz = a·b·c·(a − c)·(b − c)/(4·(a + b − c)) ; r mini = √(Iv/S). Non calculés "
                "pour le trapèze.",
                "Rectangle plein : S = a·b, IGy = a·b³/12, IGz = b·a³/12, IGy/v = a·b²/6, "
                "IGz/v = b·a²/6. Rectangle creux (évidement c × d) : S = a·b − c·d, "
                "IGy = (b·a³ − d·c³)/12, IGz = (a·b³ − c·d³)/12.",
                "Cylindre plein : S = π·a²/4, IGy = IGz = π·a⁴/64, IGy/v = IGz/v = π·a³/32. "
                "Cylindre creux : S = π·(a² − b²)/4, IGy = IGz = π·(a⁴ − b⁴)/64, "
                "IGy/v = IGz/v = π·(a⁴ − b⁴)/(32·a).",
                "Triangles : S = a·b/2, yG = 2·a/3, IGy = a·b³/48, IGy/v = a·b²/24 ; Triangle "
                "Centre : IGz = b·a³/36 et IGz/v = b·a²/24 ; Triangle Base : IGz = b·a³/12 et "
                "IGz/v = b·a²/12, rapportés à la base (les axes principaux prennent b·a³/36).",
                "Hexagone régulier (côté a, largeur sur plats b = √3·a à 1 % près) : "
                "S = 3·√3·a²/2, IGy = IGz = 0,06014·b⁴, IGy/v = 0,1203·b³, IGz/v = 0,1042·b³.",
                "Trapèze : S = (a + b)·c/2, yG = c·(a + 2·b)/(3·(a + b)), "
                "IGz = c³·((a + b)² + 2·a·b)/(36·(a + b)), IGz/v = IGz/(c − yG). "
                "Ellipse : S = π·a·b, IGy = π·a·b³/4, IGz = π·b·a³/4.",
            },
        .units =
            {
                {"ComboType", ""},
                {"Texta", "mm"},
                {"Textb", "mm"},
                {"Textc", "mm"},
                {"Textd", "mm"},
                {"TextyG", "mm"},
                {"TextzG", "mm"},
                {"TextS", "mm²"},
                {"TextIG", "mm⁴"},
                {"TextIGy", "mm⁴"},
                {"TextIGz", "mm⁴"},
                {"TextIGyv", "mm³"},
                {"TextIGzv", "mm³"},
                {"Textry", "mm"},
                {"Textrz", "mm"},
                {"TextIu", "mm⁴"},
                {"TextIv", "mm⁴"},
                {"Textrmin", "mm"},
            },
    };
    return note;
}

}  // namespace torvel::sections
