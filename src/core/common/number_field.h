#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tav {

// A number field of the game's text files: " 5 " for five, "-5 " for minus five.
QString numberField(long long value);

// Reads a number field with the blanks around it ignored. Anything else on the
// line (letters, a second number, an empty line) is not a number field.
std::optional<long long> parseNumberField(QStringView line);

// The numeric value of the leading number of a text, 0 when there is none:
// blanks before it are skipped, a sign and a decimal fraction are taken.
double num(QStringView text);

// Rounds to the nearest whole number; halves go to the even neighbour.
long long rnd(double value);

// "05" for 5: coordinates, frame numbers and grid headers.
QString twoDigits(int value);

} // namespace tav
