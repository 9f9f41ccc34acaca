#include "spring_materials.h"

#include <array>

namespace torvel::springs {

namespace {

// Minimum Rm in MPa, rows only where a public source prints them; the full
// EN 10270 tables have more rows. A diameter between two rows takes the next
// larger row, whose Rm is the lower: the check errs on the safe side there.
// Sources, named once here and by short name on each table:
//   SpringONE    melchiorrecaruso/springone, database/database.xlsx (commit 1d69f304)
//   MM-SM        mollificiomodenese.it, "Carbon steel EN 10270-1 SM" table
//   MM-SH/DH     mollificiomodenese.it, UNI EN 10270-1 SH and DH table (to 4.25 mm)
//   Schmidt      metalleschmidt.de "oil tempered steel" (0.50 to 0.80 mm rows)
//   Stahlbecker  stahlbecker.de node/126, 1.4310 NS
//   Cecchi       cecchi.com "composizione materiali", 1.4310 and 1.4401

// EN 10270-1 SL. SpringONE only.
constexpr RmRow kSL[] = {{1.0f, 1720}, {1.5f, 1600}, {2.0f, 1520}, {2.5f, 1460}, {3.0f, 1410},
                         {4.0f, 1320}, {5.0f, 1260}, {6.0f, 1210}, {8.0f, 1120}, {10.0f, 1060}};

// EN 10270-1 SM and DM (same minima). SpringONE and MM-SM agree on every row;
// the 5.0 mm row also in HeliSpring's public DM sample report.
constexpr RmRow kSM[] = {{1.0f, 1980}, {1.5f, 1850}, {2.0f, 1760}, {2.5f, 1690}, {3.0f, 1630},
                         {4.0f, 1530}, {5.0f, 1460}, {6.0f, 1400}, {8.0f, 1310}, {10.0f, 1240}};

// EN 10270-1 SH and DH (same minima). To 4.0 mm SpringONE and MM-SH/DH agree,
// the 2.10 mm row included; from 5.0 mm SpringONE only.
constexpr RmRow kSH[] = {{1.0f, 2230}, {1.5f, 2090}, {2.0f, 1980}, {2.1f, 1970},
                         {2.5f, 1900}, {3.0f, 1840}, {4.0f, 1740}, {5.0f, 1660},
                         {6.0f, 1590}, {8.0f, 1490}, {10.0f, 1410}};

// EN 10270-2. The 0.80 mm rows (from 0.50 mm): SpringONE and Schmidt agree;
// every larger row SpringONE only.
constexpr RmRow kFDC[] = {{0.8f, 1900}, {1.0f, 1860}, {1.5f, 1760}, {2.0f, 1720},
                          {2.5f, 1670}, {3.0f, 1620}, {4.0f, 1550}, {5.0f, 1500},
                          {6.0f, 1460}, {8.0f, 1400}, {10.0f, 1360}};
// TDC and VDC (same minima); no public 0.80 mm row.
constexpr RmRow kVDC[] = {{1.0f, 1850}, {1.5f, 1700}, {2.0f, 1670}, {2.5f, 1630}, {3.0f, 1600},
                          {4.0f, 1550}, {5.0f, 1540}, {6.0f, 1520}, {8.0f, 1420}, {10.0f, 1390}};
constexpr RmRow kFDCrV[] = {{1.0f, 1960}, {1.5f, 1840}, {2.0f, 1790}, {2.5f, 1750}, {3.0f, 1700},
                            {4.0f, 1620}, {5.0f, 1560}, {6.0f, 1520}, {8.0f, 1480}, {10.0f, 1450}};
// TDCrV and VDCrV (same minima).
constexpr RmRow kVDCrV[] = {{1.0f, 1910}, {1.5f, 1820}, {2.0f, 1770}, {2.5f, 1720}, {3.0f, 1670},
                            {4.0f, 1620}, {5.0f, 1570}, {6.0f, 1520}, {8.0f, 1420}, {10.0f, 1390}};
// The 7.0 mm row: SpringONE; HeliSpring's FDSiCr sample shows 1730 there.
constexpr RmRow kFDSiCr[] = {{0.8f, 2100}, {1.0f, 2100}, {1.5f, 2040}, {2.0f, 2000},
                             {2.5f, 1970}, {3.0f, 1930}, {4.0f, 1870}, {5.0f, 1830},
                             {6.0f, 1780}, {7.0f, 1740}, {8.0f, 1710}, {10.0f, 1660}};
// TDSiCr and VDSiCr (same minima).
constexpr RmRow kVDSiCr[] = {{0.8f, 2080}, {1.0f, 2080}, {1.5f, 2060}, {2.0f, 2010},
                             {2.5f, 1960}, {3.0f, 1910}, {4.0f, 1860}, {5.0f, 1810},
                             {6.0f, 1760}, {8.0f, 1710}, {10.0f, 1670}};

// EN 10270-3 1.4310 (X10CrNi18-8) NS: Stahlbecker and Cecchi agree on every row.
constexpr RmRow k14310[] = {{0.20f, 2200}, {0.30f, 2150}, {0.40f, 2100}, {0.50f, 2050},
                            {0.65f, 2000}, {0.80f, 1950}, {1.00f, 1900}, {1.25f, 1850},
                            {1.50f, 1800}, {1.75f, 1750}, {2.00f, 1700}, {2.50f, 1650},
                            {3.00f, 1600}, {3.50f, 1550}, {4.25f, 1500}, {5.00f, 1450},
                            {6.00f, 1400}, {7.00f, 1350}, {8.50f, 1300}, {10.0f, 1250}};

// EN 10270-3 1.4401 (X5CrNiMo17-12-2): Cecchi only. Its excerpt lacks the rows
// between 1.0 and 1.75 mm, which therefore take the 1.75 mm row.
constexpr RmRow k14401[] = {{0.20f, 1725}, {0.30f, 1700}, {0.40f, 1675}, {0.50f, 1650},
                            {0.65f, 1625}, {0.80f, 1600}, {1.00f, 1575}, {1.75f, 1450},
                            {2.00f, 1400}, {2.50f, 1350}, {3.00f, 1300}, {3.50f, 1250},
                            {4.25f, 1225}, {5.00f, 1200}};

// G and density: 81 500 and 79 500 MPa, 7.85 kg/dm³ for EN 10270-1 and -2 (the
// values EN 13906-1 assumes; SpringONE, HeliSpring and zinref.ru agree). For the
// stainless wires the public sources differ (1.4310: 73 000 MPa and 8.0 per
// Cecchi, 70 000 MPa and 7.9 per HeliSpring; 1.4401: 71 000 MPa per Cecchi);
// the values kept are the lower moduli, which give the softer spring.
constexpr float kG1 = 8150, kG2 = 7950, kSteel = 7.85f;

using enum WireDuty;
constexpr std::array<WireGrade, 16> kGrades{{
    {"EN 10270-1 SL", kG1, kSteel, Static, 1.0f, kSL},
    {"EN 10270-1 SM", kG1, kSteel, Static, 1.0f, kSM},
    {"EN 10270-1 DM", kG1, kSteel, Dynamic, 1.0f, kSM},
    {"EN 10270-1 SH", kG1, kSteel, Static, 1.0f, kSH},
    {"EN 10270-1 DH", kG1, kSteel, Dynamic, 1.0f, kSH},
    {"EN 10270-2 FDC", kG2, kSteel, Static, 0.5f, kFDC},
    {"EN 10270-2 TDC", kG2, kSteel, Dynamic, 1.0f, kVDC},
    {"EN 10270-2 VDC", kG2, kSteel, Dynamic, 1.0f, kVDC},
    {"EN 10270-2 FDCrV", kG2, kSteel, Static, 1.0f, kFDCrV},
    {"EN 10270-2 TDCrV", kG2, kSteel, Dynamic, 1.0f, kVDCrV},
    {"EN 10270-2 VDCrV", kG2, kSteel, Dynamic, 1.0f, kVDCrV},
    {"EN 10270-2 FDSiCr", kG2, kSteel, Static, 0.5f, kFDSiCr},
    {"EN 10270-2 TDSiCr", kG2, kSteel, Dynamic, 0.5f, kVDSiCr},
    {"EN 10270-2 VDSiCr", kG2, kSteel, Dynamic, 0.5f, kVDSiCr},
    {"EN 10270-3 1.4310", 7000, 7.9f, Any, 0.2f, k14310},
    {"EN 10270-3 1.4401", 6800, 8.0f, Any, 0.2f, k14401},
}};

}  // namespace

std::span<const WireGrade> wireGrades() { return kGrades; }

const WireGrade* findGrade(std::string_view name) {
    for (const WireGrade& g : kGrades)
        if (g.name == name) return &g;
    return nullptr;
}

std::optional<int> minimumRm(const WireGrade& grade, float d) {
    if (!(d >= grade.dMin)) return std::nullopt;
    for (const RmRow& row : grade.rows)
        if (d <= row.d) return row.RmMin;
    return std::nullopt;
}

}  // namespace torvel::springs
