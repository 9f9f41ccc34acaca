#pragma once

// Conversion of entry texts to numbers and of numbers to display texts, shared by
// every engine and window. No Qt here: the decimal separator is a parameter.

#include <string>
#include <string_view>

namespace torvel {

// Reads the number a text starts with, the way every entry box is read:
// blanks (space, tab, CR, LF) are ignored wherever they stand, then an optional
// sign, digits, an optional decimal separator ("." or ",", whichever comes
// first) and digits, an optional exponent (E or D, sign, digits). Reading stops
// at the first character that cannot continue the number; no number at all
// reads as 0.
// A value too large for a double comes back as +/-infinity: callers that must
// stay finite check it.
double leadingNumber(std::string_view text);

// Whether that rule finds a number in `text` at all ("" and "abc" read as 0
// without holding one).
bool holdsNumber(std::string_view text);

// strtod on a text that uses "." as its point, whatever the process's C locale.
double plainNumber(const std::string& text);

// Formats a value with a pattern such as "### ##0.000#":
//   '0' a digit always shown, '#' a digit shown only when significant; integer
//   digits fill the positions from the right and surplus digits go to the
//   leftmost one; every other character is printed as is (a space always shows);
//   the pattern's '.' prints as decimalSeparator; decimals are rounded half away
//   from zero on the exact binary value and trailing zero '#' decimals are left
//   out; a negative value gets a minus sign in front of the whole text (but a
//   value that rounds to zero never shows "-0").
// A non-finite value gives an empty text: callers never let one through.
std::string formatNumber(double value, std::string_view pattern, char decimalSeparator);

// Single-precision storage: the value rounded to float, or nullopt-like false
// when it leaves the float range. Engines keep their numbers this way.
bool fitsInFloat(double value);

}  // namespace torvel
