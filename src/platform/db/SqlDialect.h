#pragma once

#include <QString>

namespace platform::db {

// The program writes its statements in one dialect: names in square brackets
// ([PASSWORD], and [A.AMOUNT] meaning column AMOUNT of alias A), dates between
// "#" signs (#2003-1-5#), texts between single quotes. This turns such a
// statement into the engine's dialect: bracketed names become quoted
// identifiers, dates become ISO date texts ('2003-01-05'). Quoted texts and
// quoted identifiers pass unchanged, whatever they contain. A malformed date or
// an unclosed quote, bracket or "#" raises a DbError.
class SqlDialect {
public:
    static QString ToEngine(const QString& statement);
};

} // namespace platform::db
