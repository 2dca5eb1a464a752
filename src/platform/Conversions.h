#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The regional settings of the program, fixed in one place: the short date
// format is year-month-day with "-" and the decimal separator is ".".
// Everything that turns dates and numbers into text or back goes through here.
namespace platform {

inline constexpr char kShortDateFormat[] = "yyyy-MM-dd";

// Date to text in the short date format, and back. StrToDate raises a
// ConvertError for a text that is not a date in that format.
QString DateToStr(const QDate& date);
QDate StrToDate(const QString& text);

// The fixed form YYYY-MM-DD, whatever the regional settings.
QString DateToIso(const QDate& date);

// The date-time value zero: 30 December 1899, midnight (what a NULL date reads as).
QDateTime DateTimeZero();

// Floating point to text in the general format: up to 15 significant digits,
// no thousands separator, no trailing zeros, exponent only for very large or
// very small values ("1E20", "1E-5"); zero is "0".
QString FloatToStr(double value);

// Money in reports: rounded to cents, always two decimals, "." as separator,
// no thousands separator ("1234.50", "-0.30"); a value that rounds to zero is "0.00".
QString MoneyToStr(double value);

// The number check of typed numbers: blanks around, an optional sign, digits with
// at most one decimal point, an optional exponent. Returns false for anything
// else, the empty text included.
bool TryStrToFloat(const QString& text, double& value);
bool IsNumber(const QString& text);

// Trims blanks and control characters (every character up to code 32) at both ends.
QString Trim(const QString& text);

} // namespace platform
