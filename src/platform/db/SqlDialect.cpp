#include "platform/db/SqlDialect.h"

#include "platform/Errors.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>

namespace platform::db {

namespace {

[[noreturn]] void Fail(const QString& why, const QString& statement)
{
    throw DbError(QStringLiteral("%1: %2").arg(why, statement));
}

// Index of the character that closes the token opened at `open`, or -1. A quote
// doubled inside a quoted text or identifier stands for itself.
qsizetype ClosingIndex(const QString& s, qsizetype open, QChar close, bool doubledEscapes)
{
    for (qsizetype i = open + 1; i < s.size(); ++i) {
        if (s.at(i) != close)
            continue;
        if (doubledEscapes && i + 1 < s.size() && s.at(i + 1) == close) {
            ++i;
            continue;
        }
        return i;
    }
    return -1;
}

QString QuotedIdentifier(const QString& name)
{
    QStringList parts = name.split(QLatin1Char('.'));
    for (QString& part : parts)
        part = QLatin1Char('"') + part.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    return parts.join(QLatin1Char('.'));
}

QString IsoDateLiteral(const QString& text, const QString& statement)
{
    static const QRegularExpression form(QStringLiteral(
        "^\\s*(\\d{1,4})[-/](\\d{1,2})[-/](\\d{1,2})(?:\\s+(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?)?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        Fail(QStringLiteral("Syntax error in date '#%1#'").arg(text), statement);
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid())
        Fail(QStringLiteral("Invalid date '#%1#'").arg(text), statement);
    QString iso = date.toString(Qt::ISODate);
    if (!m.captured(4).isEmpty()) {
        const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (!time.isValid())
            Fail(QStringLiteral("Invalid time '#%1#'").arg(text), statement);
        if (time != QTime(0, 0))
            iso += QLatin1Char(' ') + time.toString(QStringLiteral("HH:mm:ss"));
    }
    return QLatin1Char('\'') + iso + QLatin1Char('\'');
}

} // namespace

QString SqlDialect::ToEngine(const QString& statement)
{
    QString out;
    out.reserve(statement.size() + 16);
    qsizetype i = 0;
    while (i < statement.size()) {
        const QChar c = statement.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = ClosingIndex(statement, i, c, true);
            if (end < 0)
                Fail(QStringLiteral("Unclosed quotation mark"), statement);
            out += QStringView(statement).mid(i, end - i + 1);
            i = end + 1;
        } else if (c == QLatin1Char('[')) {
            const qsizetype end = ClosingIndex(statement, i, QLatin1Char(']'), false);
            if (end < 0)
                Fail(QStringLiteral("Unclosed bracket"), statement);
            out += QuotedIdentifier(statement.mid(i + 1, end - i - 1));
            i = end + 1;
        } else if (c == QLatin1Char('#')) {
            const qsizetype end = ClosingIndex(statement, i, QLatin1Char('#'), false);
            if (end < 0)
                Fail(QStringLiteral("Unclosed date literal"), statement);
            out += IsoDateLiteral(statement.mid(i + 1, end - i - 1), statement);
            i = end + 1;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace platform::db
