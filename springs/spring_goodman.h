#pragma once

// The EN 13906-1 fatigue diagrams of cold-coiled spring wire (Goodman form,
// 10^7 cycles) kept as the points digitised from them, and their reading at a
// wire diameter. No Qt here.

#include <optional>
#include <span>
#include <string_view>

namespace torvel::springs {

// One wire diameter of a diagram, stresses in MPa as digitised: the upper
// stress τkO at zero lower stress, the cap τkO,max of the upper stress and the
// lower stress τkU where the rising line meets the cap.
struct GoodmanRow {
    float d;  // mm
    float tkO0, tkOmax, tkUcap;
};

struct GoodmanDiagram {
    std::string_view family;           // "DH", "FDC", "VDC"
    bool peened;                       // shot-peened wire
    std::span<const GoodmanRow> rows;  // by increasing d
    std::string_view source;           // where the points come from
};

// A diagram read at one diameter, stresses in daN/mm².
struct GoodmanLine {
    double tkO0 = 0, tkOmax = 0, tkUcap = 0;
    // The permissible upper stress at the lower stress `tkU`: the rising line,
    // then the cap.
    double upper(double tkU) const;
};

std::span<const GoodmanDiagram> goodmanDiagrams();

// The family whose diagrams judge a grade's fatigue (a TD grade takes its FD
// family's); empty for a grade without a public diagram.
std::string_view fatigueFamily(std::string_view gradeName);

const GoodmanDiagram* findDiagram(std::string_view family, bool peened);

// The diagram at `d`: its rows interpolated linearly in log d, a stored row as
// it stands; nullopt below the first row or above the last (never extrapolated).
std::optional<GoodmanLine> readDiagram(const GoodmanDiagram& diagram, float d);

}  // namespace torvel::springs
