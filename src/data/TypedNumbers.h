#pragma once

#include <QString>

// How typed phone and identification numbers become the stored fields. One rule for every
// place that takes them (the employee editor, the import) so that what one accepts the
// other accepts too; each place words the fault itself.

namespace PhoneRule {

// The phone fields hold 10 characters: the digits of the number, nothing else.
constexpr int kDigits = 10;

enum class Fault {
    None,
    Refused,        // a character other than digits and the separators; `refused` names them
    TooManyDigits,  // more than kDigits digits; `digits` holds them all
};

struct Reading {
    QString digits;   // the typed digits in order; empty for an empty text
    Fault fault = Fault::None;
    QString refused;
};

// Digits may be grouped with blanks, dashes, dots and brackets. A "+" is refused: the field
// has no room for a country code, and dropping the sign would store another number.
Reading read(const QString &typed);

} // namespace PhoneRule

namespace IdentityNumber {

enum class Fault { None, NotNineDigits };

struct Reading {
    qint32 number = 0;
    Fault fault = Fault::None;
};

// Empty reads 0 (none); otherwise nine digits, grouped with dashes or blanks or not at all.
Reading read(const QString &typed);
// 0 as empty, a nine-digit number as "123-45-6789" (leading zeros kept), any other stored value
// as its plain digits.
QString text(qint32 number);

} // namespace IdentityNumber
