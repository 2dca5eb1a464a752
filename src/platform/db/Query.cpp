#include "platform/db/Query.h"

#include "platform/Conversions.h"
#include "platform/Errors.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlDialect.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace platform::db {

namespace {
QString EngineMessage(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

const QVariant& NullValue()
{
    static const QVariant null;
    return null;
}

// The engine's own handle behind a Qt connection.
sqlite3* EngineHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DbError(QStringLiteral("The connection is not an SQLite database."));
    return *static_cast<sqlite3* const*>(handle.constData());
}

// One prepared statement, finalized when it goes out of scope.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql) : m_db(db)
    {
        const QByteArray text = sql.toUtf8();
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &m_statement, &tail) != SQLITE_OK)
            Fail();
        if (!QByteArray(tail).trimmed().isEmpty())
            throw DbError(QStringLiteral("Unable to execute multiple statements at a time"));
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* Get() const { return m_statement; }
    [[noreturn]] void Fail() const { throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db))); }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace

QString Field::AsString() const
{
    if (m_value.isNull())
        return QString();
    switch (m_value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return FloatToStr(m_value.toDouble());
    default:
        return m_value.toString();
    }
}

double Field::AsFloat() const
{
    if (m_value.isNull())
        return 0;
    bool ok = false;
    const double value = m_value.toDouble(&ok);
    if (!ok)
        throw ConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(m_value.toString()));
    return value;
}

int Field::AsInteger() const
{
    if (m_value.isNull())
        return 0;
    bool ok = false;
    const int value = m_value.toInt(&ok);
    if (!ok)
        throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(m_value.toString()));
    return value;
}

QDateTime Field::AsDateTime() const
{
    if (m_value.isNull())
        return DateTimeZero();
    const QString text = m_value.toString().trimmed();
    QDateTime value = QDateTime::fromString(text, Qt::ISODate);
    if (!value.isValid())
        value = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!value.isValid())
        value = QDateTime(QDate::fromString(text, QStringLiteral("yyyy-M-d")), QTime(0, 0));
    if (!value.isValid())
        throw ConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    return value;
}

Query::Query(Connection* connection, QObject* parent) : QObject(parent), m_connection(connection) {}

void Query::SetSQL(const QString& statement)
{
    Close();
    m_sql = statement;
}

// The result is read straight from the engine: reading a large result through
// the generic row interface costs several times what the engine itself takes.
void Query::Open()
{
    Close();
    const QString engineSql = SqlDialect::ToEngine(m_sql);
    Statement statement(EngineHandle(m_connection->Database()), engineSql);
    sqlite3_stmt* prepared = statement.Get();
    const int columnCount = sqlite3_column_count(prepared);
    if (columnCount == 0)
        throw DbError(QStringLiteral("The statement does not return a result set."));

    QStringList columns;
    for (int i = 0; i < columnCount; ++i)
        columns << QString::fromUtf8(sqlite3_column_name(prepared, i)).remove(QLatin1Char('"'));
    Snapshot snapshot(columnCount);
    int step;
    while ((step = sqlite3_step(prepared)) == SQLITE_ROW)
        snapshot.AddRow(prepared);
    if (step != SQLITE_DONE)
        statement.Fail();

    m_columns = std::move(columns);
    m_snapshot = std::move(snapshot);
    m_rowCount = m_snapshot.Rows();
    m_active = true;
    m_row = 0;
    m_eof = m_rowCount == 0;
    m_bof = true;
    emit ResultChanged();
    emit CurrentRowChanged(RecNo());
}

void Query::ExecSQL()
{
    Close();
    const QString engineSql = SqlDialect::ToEngine(m_sql);
    QSqlQuery query(m_connection->Database());
    if (!query.exec(engineSql))
        throw DbError(EngineMessage(query.lastError()));
}

void Query::Close()
{
    if (!m_active)
        return;
    m_active = false;
    m_columns.clear();
    m_snapshot = Snapshot();
    m_rowCount = 0;
    m_row = 0;
    m_eof = m_bof = true;
    emit ResultChanged();
}

void Query::RequireActive() const
{
    if (!m_active)
        throw DbError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void Query::SetRow(int row, bool eof, bool bof)
{
    const bool moved = row != m_row;
    m_row = row;
    m_eof = eof;
    m_bof = bof;
    if (moved)
        emit CurrentRowChanged(m_row);
}

void Query::First()
{
    RequireActive();
    SetRow(0, m_rowCount == 0, true);
}

void Query::Last()
{
    RequireActive();
    SetRow(qMax(0, m_rowCount - 1), true, m_rowCount == 0);
}

void Query::Next()
{
    RequireActive();
    if (m_row + 1 < m_rowCount)
        SetRow(m_row + 1, false, false);
    else
        m_eof = true;
}

void Query::Prior()
{
    RequireActive();
    if (m_row > 0)
        SetRow(m_row - 1, false, false);
    else
        m_bof = true;
}

void Query::MoveTo(int row)
{
    RequireActive();
    if (row < 0 || row >= m_rowCount)
        return;
    SetRow(row, false, false);
}

int Query::FieldIndex(const QString& name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Field Query::FieldByName(const QString& name) const
{
    RequireActive();
    const int column = FieldIndex(name);
    if (column < 0)
        throw DbError(QStringLiteral("Field '%1' not found").arg(name));
    return Fields(column);
}

Field Query::Fields(int column) const
{
    RequireActive();
    if (column < 0 || column >= m_columns.size())
        throw DbError(QStringLiteral("Field index out of range: %1").arg(column));
    return Field(m_rowCount > 0 ? ValueAt(m_row, column) : NullValue());
}

QVariant Query::ValueAt(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columns.size())
        return NullValue();
    return m_snapshot.Value(row, column);
}

Table::Table(Connection* connection, const QString& tableName, QObject* parent)
    : Query(connection, parent), m_tableName(tableName)
{
    SetSQL(QStringLiteral("SELECT * FROM ") + tableName);
}

bool Table::Locate(const QString& fieldNames, const QStringList& values)
{
    RequireActive();
    const QStringList names = fieldNames.split(QLatin1Char(';'));
    QList<int> columns;
    for (const QString& name : names) {
        const int column = FieldIndex(name.trimmed());
        if (column < 0)
            throw DbError(QStringLiteral("Field '%1' not found").arg(name));
        columns << column;
    }
    for (int row = 0; row < RecordCount(); ++row) {
        bool match = true;
        for (int i = 0; i < columns.size() && match; ++i)
            match = Field(ValueAt(row, columns[i])).AsString().compare(values.value(i), Qt::CaseInsensitive) == 0;
        if (match) {
            MoveTo(row);
            return true;
        }
    }
    return false;
}

} // namespace platform::db
