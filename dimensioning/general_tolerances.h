#pragma once

// General tolerances of ISO 2768-1 for linear dimensions, classes f, m, c and v:
// the permitted deviation ± by nominal range. Plain C++, no Qt.

#include <optional>
#include <string_view>

namespace torvel {

// Whether `key` names a class of the table ("f", "m", "c", "v", exact case).
bool isGeneralToleranceClass(std::string_view key);

// The ± deviation (mm) of class `key` at `nominal` (its size, mm); nullopt when
// the class is unknown, the size is outside 0.5 to 4 000 mm, or the class gives
// no value there (f over 2 000 mm, v up to 3 mm).
std::optional<double> generalTolerance(std::string_view key, double nominal);

}  // namespace torvel
