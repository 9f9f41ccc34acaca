#pragma once

// A text report as data: the lines in order, each bold or not. Built by plain
// functions, drawn on the printer by one shared routine. No Qt here.

#include <string>
#include <vector>

namespace torvel {

struct ReportLine {
    std::string text;  // empty: a blank line
    bool bold = false;
};

using ReportLines = std::vector<ReportLine>;

// The header every text report starts with: title, rule, reference and date,
// then the first section title. `date` is the short date of the day, in the
// user's locale, supplied by the window.
inline ReportLines textReportHeader(const std::string& title, const std::string& reference,
                                    const std::string& date, const std::string& firstSection) {
    return {
        {title, true},
        {std::string(67, '_'), true},
        {"", true},
        {"", false},
        {"Référence : " + reference, true},
        {"Date : " + date, true},
        {"", false},
        {"", false},
        {firstSection, true},
    };
}

}  // namespace torvel
