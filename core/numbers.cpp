#include "numbers.h"

#include <locale.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace torvel {

namespace {

// The C library reads and prints numbers in the process's LC_NUMERIC, which Qt
// takes from the desktop: on a French desktop strtod("1.5") gives 1 and printf
// writes "1,5". Number texts here always use ".", so these calls run in "C".
class ClassicNumbers {
  public:
    ClassicNumbers() : previous_(uselocale(classic())) {}
    ~ClassicNumbers() { uselocale(previous_); }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

  private:
    static locale_t classic() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
        return c;
    }
    locale_t previous_;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Exact decimal expansion of |value| with `decimals` digits after the point,
// rounded half away from zero. Returns the integer digits and the decimal digits.
void roundedDigits(double value, int decimals, std::string& intDigits, std::string& decDigits) {
    // glibc prints the exact binary value when asked for enough digits. Forty
    // digits past the kept ones decide the rounding unless they all print as
    // zeros (an exact half, or a carry from further down): then 1100 fraction
    // digits, which cover every double, settle it.
    constexpr int guardDigits = 40;
    constexpr int exactDigits = 1100;
    const ClassicNumbers classic;
    std::vector<char> buf(exactDigits + 400);
    std::snprintf(buf.data(), buf.size(), "%.*f", decimals + guardDigits, std::fabs(value));
    std::string s(buf.data());
    const auto tail = s.find_first_not_of('0', s.size() - guardDigits + 1);
    if (tail == std::string::npos) {
        std::snprintf(buf.data(), buf.size(), "%.*f", exactDigits, std::fabs(value));
        s = buf.data();
    }
    const auto point = s.find('.');
    intDigits = s.substr(0, point);
    std::string frac = s.substr(point + 1);
    const bool up = frac[static_cast<size_t>(decimals)] >= '5';
    decDigits = frac.substr(0, static_cast<size_t>(decimals));
    if (up) {
        std::string all = intDigits + decDigits;
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0 && all[static_cast<size_t>(i)] == '9') {
            all[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0)
            all.insert(all.begin(), '1');
        else
            ++all[static_cast<size_t>(i)];
        intDigits = all.substr(0, all.size() - static_cast<size_t>(decimals));
        decDigits = all.substr(all.size() - static_cast<size_t>(decimals));
    }
    // Drop leading zeros of the integer part: "0" means no significant digit.
    const auto first = intDigits.find_first_not_of('0');
    intDigits = first == std::string::npos ? std::string() : intDigits.substr(first);
}

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

}  // namespace

bool holdsNumber(std::string_view text) {
    std::string s;
    for (char c : text)
        if (!isBlank(c)) s.push_back(c);
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    auto digit = [&s](size_t k) { return k < s.size() && isDigit(s[k]); };
    return digit(i) || (i < s.size() && (s[i] == '.' || s[i] == ',') && digit(i + 1));
}

double leadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) s.push_back(c);

    size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
    bool anyDigit = false;
    while (i < s.size() && isDigit(s[i])) {
        number.push_back(s[i++]);
        anyDigit = true;
    }
    // A French user types a comma: whichever of "," and "." comes first is the
    // decimal separator, and the next one of either ends the number.
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        number.push_back('.');
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            number.push_back(s[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
        const size_t digitsStart = exponent.size();
        while (j < s.size() && isDigit(s[j])) exponent.push_back(s[j++]);
        if (exponent.size() > digitsStart) number += exponent;
    }
    return plainNumber(number);
}

double plainNumber(const std::string& text) {
    const ClassicNumbers classic;
    return std::strtod(text.c_str(), nullptr);
}

std::string formatNumber(double value, std::string_view pattern, char decimalSeparator) {
    if (!std::isfinite(value)) return {};

    const auto point = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, point);
    const std::string_view decPattern =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);

    int decimals = 0;
    int optionalTail = 0;  // trailing '#' decimals, shown only when not zero
    for (char c : decPattern) {
        if (c == '0') {
            ++decimals;
            optionalTail = 0;
        } else if (c == '#') {
            ++decimals;
            ++optionalTail;
        }
    }

    std::string intDigits, decDigits;
    roundedDigits(value, decimals, intDigits, decDigits);
    const bool negative =
        value < 0 && (!intDigits.empty() || decDigits.find_first_not_of('0') != std::string::npos);

    // Leave out the trailing optional decimals that are zero.
    int shownDecimals = decimals;
    for (int k = 0; k < optionalTail; ++k) {
        if (decDigits[static_cast<size_t>(shownDecimals - 1)] != '0') break;
        --shownDecimals;
    }

    // Integer part: fill the placeholders from the right.
    int slots = 0;
    for (char c : intPattern)
        if (isPlaceholder(c)) ++slots;
    std::string intText;
    {
        int remaining = static_cast<int>(intDigits.size());
        int slotIndex = 0;  // counted from the right
        std::string reversed;
        for (auto it = intPattern.rbegin(); it != intPattern.rend(); ++it) {
            const char c = *it;
            if (!isPlaceholder(c)) {
                reversed.push_back(c);
                continue;
            }
            ++slotIndex;
            if (slotIndex == slots && remaining > 1) {
                // Leftmost position takes every surplus digit.
                for (int k = remaining - 1; k >= 0; --k)
                    reversed.push_back(intDigits[static_cast<size_t>(k)]);
                remaining = 0;
            } else if (remaining > 0) {
                reversed.push_back(intDigits[static_cast<size_t>(--remaining)]);
            } else if (c == '0') {
                reversed.push_back('0');
            }
        }
        intText.assign(reversed.rbegin(), reversed.rend());
        if (slots == 0 && remaining > 0) intText = intDigits + intText;
    }

    std::string out = intText;
    if (point != std::string_view::npos) {
        std::string decText;
        int used = 0;
        for (char c : decPattern) {
            if (isPlaceholder(c)) {
                if (used < shownDecimals) decText.push_back(decDigits[static_cast<size_t>(used)]);
                ++used;
            } else if (used < shownDecimals) {
                decText.push_back(c);
            }
        }
        // The separator shows when the pattern has decimals to print or none at all
        // was optional; with every decimal dropped it goes too.
        if (shownDecimals > 0 || decimals == 0) out += decimalSeparator;
        out += decText;
    }
    if (negative) out.insert(out.begin(), '-');
    return out;
}

bool fitsInFloat(double value) { return std::isfinite(value) && std::fabs(value) <= FLT_MAX; }

}  // namespace torvel
