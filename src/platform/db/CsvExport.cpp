#include "platform/db/CsvExport.h"

#include "platform/Conversions.h"
#include "platform/Errors.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QDateTime>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace platform::db {

namespace {

QString Text(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return DateToStr(value.toDate());
    case QMetaType::QDateTime: {
        const QDateTime dateTime = value.toDateTime();
        return dateTime.time() == QTime(0, 0)
                   ? DateToStr(dateTime.date())
                   : DateToStr(dateTime.date()) + dateTime.toString(QStringLiteral(" HH:mm:ss"));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return FloatToStr(value.toDouble());
    default:
        return value.toString();
    }
}

QString Field(const QString& text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void AppendRecord(QString& out, const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields)
        quoted << Field(field);
    out += quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

} // namespace

QByteArray CsvFromModel(const QAbstractItemModel& model)
{
    QString out;
    const int columns = model.columnCount();
    QStringList titles;
    for (int column = 0; column < columns; ++column)
        titles << Text(model.headerData(column, Qt::Horizontal, Qt::DisplayRole));
    AppendRecord(out, titles);
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < columns; ++column)
            fields << Text(model.data(model.index(row, column), Qt::DisplayRole));
        AppendRecord(out, fields);
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

void ExportCsv(const QAbstractItemModel& model, const QString& filePath)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(CsvFromModel(model)) < 0 || !file.commit())
        throw Error(QStringLiteral("无法写入文件 %1：%2").arg(filePath, file.errorString()));
}

} // namespace platform::db
