#pragma once

#include <QString>
#include <optional>

// How the grid orders cell texts when it sorts a column.
namespace GridSort {

// The number a cell text shows, if it is one: an optional sign (also the
// Unicode minus), digits with a decimal point or a decimal comma, an optional
// exponent, and an optional trailing percent sign; thousands separators are
// accepted when both a point and a comma appear ("1,234.5" and "1.234,5").
std::optional<double> number(const QString &text);

// Ascending order of two non-empty texts: numbers before texts, numbers by
// value, texts case-insensitively (then case-sensitively to break ties).
int compare(const QString &a, const QString &b);

} // namespace GridSort
