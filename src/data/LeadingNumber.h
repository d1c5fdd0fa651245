#pragma once

#include <QString>

// Numbers read from the start of a text, each by its own rule. A text that does not start with
// a number reads 0.

// Blanks (space, tab, line ends) are skipped anywhere, then an optional sign, digits with at most
// one decimal point and an optional exponent (E or D); reading stops at the first character
// that cannot continue the number. "1 2.5x" reads 12.5, "800.555.1234" reads 800.555.
double LeadingNumberSkippingBlanks(const QString &text);

// After blanks, an optional minus (no plus) and the digits that follow it, as a 32-bit integer;
// 0 when there are no digits or the number does not fit. "-12ab" reads -12, "+5" reads 0.
qint32 LeadingMinusAndDigits(const QString &text);
