#pragma once

// Shared pieces of the fuzz harnesses: turning fuzz bytes into the texts a user
// could type, and the checks every engine outcome must pass.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "outcome.h"

namespace fuzz {

// A text as found in an entry box: often a plausible number, sometimes garbage.
inline std::string entryText(FuzzedDataProvider& in) {
    static const char* const kSamples[] = {
        "0",     "0.0",   "",      "1",     "12.5",   "3,5",    "-4",   "1E38",  "3.5E38", "1E39",
        "1e-45", "1D300", "1e400", "abc",   " 12 5 ", "1.2.3",  ".",    "-",     "99%",    "2E-38",
        "100",   "5000",  "1500",  "0.001", "1e-30",  "-1e-30", "7e37", "65535", "32768",  "0.5"};
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return kSamples[in.ConsumeIntegralInRange<size_t>(0, std::size(kSamples) - 1)];
        case 1:
            return std::to_string(in.ConsumeFloatingPoint<double>());
        case 2: {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.9g", in.ConsumeFloatingPoint<double>());
            return buf;
        }
        default:
            return in.ConsumeRandomLengthString(40);
    }
}

// One of the list's own texts, or now and then something else.
inline std::string choice(FuzzedDataProvider& in, const std::vector<std::string_view>& items) {
    if (items.empty() || in.ConsumeIntegralInRange(0, 7) == 0)
        return in.ConsumeRandomLengthString(30);
    return std::string(items[in.ConsumeIntegralInRange<size_t>(0, items.size() - 1)]);
}

[[noreturn]] inline void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "contract broken: %s: [%s]\n", what, detail.c_str());
    std::abort();
}

// A text shown as a number holds digits, blanks, separators and signs only.
inline void checkShownNumber(const std::string& text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == ' ' || c == '.' || c == ',' || c == '-' || c == '+'))
            fail("non-numeric text written", text);
}

// An engine run ends in a message or in written results, all of them numbers.
inline void checkOutcome(const torvel::Outcome& outcome) {
    bool wrote = false;
    for (const auto& step : outcome.steps()) {
        if (step.kind == torvel::Step::Kind::Write) {
            checkShownNumber(step.text);
            wrote = true;
        }
    }
    if (!wrote && outcome.messages().empty()) fail("neither a message nor a result", "");
}

}  // namespace fuzz
