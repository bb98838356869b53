#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cw {

// The results panel shows a value with two decimals, and several steps of a design read
// the value as shown rather than the exact one (the required Wx divides the moment shown, the
// stress divides two shown values, the load width is the one shown). That rounding is part of
// the result, so the design rounds exactly as the panel does: half away from zero on the
// decimal form of the value with `significantDigits` digits (15 for a double, 7 for a single),
// so that 0.615 shows as 0.62 and not as its binary neighbour's 0.61.
double asShown(double value, int significantDigits = 15);

// A value as the panel's general number form shows it: at most 15 significant digits.
double asShownPlain(double value);

// The value of a number in plain ASCII ("-12.5e3"): an underflow reads as zero; an overflow
// or anything but a whole number text is nothing.
std::optional<double> readAsciiDecimal(std::string_view ascii);

// The two-decimal form in plain ASCII ("-12.50"); the window localises the separator.
std::string fixedDecimal(double value, int significantDigits = 15);
// The general form in plain ASCII: at most `significantDigits` digits, exponent "E".
std::string plainDecimal(double value, int significantDigits = 15);

// The relation a shown value bears to its limit: -1 below, 0 equal, 1 above, both as the panel
// shows them (in hundredths).
int compareAsShown(double value, double limit);

}  // namespace cw
