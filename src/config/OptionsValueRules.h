#pragma once

#include <QStringView>

#include <array>
#include <optional>

// Which texts the option pages' controls take as values.
namespace OptionsValueRules {

// A whole decimal number: an optional sign and digits, blanks around them ignored. Fractions and
// numbers beyond 32 bits are not whole numbers.
std::optional<int> integer(QStringView text);

// Minutes as the game takes them: digits with at most one decimal point, either side of it
// optional (`2`, `1.75`, `.30`, `3.`). No sign, no exponent.
std::optional<double> minutes(QStringView text);

// A colour as `con_color` holds it: three whole numbers from 0 to 255 separated by blanks.
std::optional<std::array<int, 3>> rgb(QStringView text);

} // namespace OptionsValueRules
