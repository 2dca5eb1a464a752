#include "platform/Conversions.h"

#include "platform/Errors.h"

#include <QRegularExpression>

#include <cmath>

namespace platform {

QString DateToStr(const QDate& date) { return date.toString(QLatin1String(kShortDateFormat)); }

QDate StrToDate(const QString& text)
{
    const QDate date = QDate::fromString(Trim(text), QStringLiteral("yyyy-M-d"));
    if (!date.isValid())
        throw ConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    return date;
}

QString DateToIso(const QDate& date) { return date.toString(Qt::ISODate); }

QDateTime DateTimeZero() { return QDateTime(QDate(1899, 12, 30), QTime(0, 0)); }

QString FloatToStr(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NAN")
                                 : (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    // %g switches to an exponent below 1E-4; the general format keeps the plain
    // form down to 1E-5 and above that uses it only beyond 15 digits.
    QString text = QString::number(value, 'g', 15);
    const int e = text.indexOf(QLatin1Char('e'));
    if (e < 0)
        return text;
    QString mantissa = text.left(e);
    int exponent = text.mid(e + 1).toInt();
    return mantissa + QLatin1Char('E') + QString::number(exponent);
}

QString MoneyToStr(double value)
{
    // Rounded as the 15-digit text shows it, so 2.675 (stored as 2.67499...)
    // gives 2.68, half away from zero, like the figure the user reads elsewhere.
    const double cents = std::round(QString::number(value * 100.0, 'g', 15).toDouble());
    return QString::number(cents == 0.0 ? 0.0 : cents / 100.0, 'f', 2);
}

bool TryStrToFloat(const QString& text, double& value)
{
    static const QRegularExpression number(
        QStringLiteral("^[ ]*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?[ ]*$"));
    if (!number.match(text).hasMatch())
        return false;
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok;
}

bool IsNumber(const QString& text)
{
    double ignored = 0;
    return TryStrToFloat(text, ignored);
}

QString Trim(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

} // namespace platform
