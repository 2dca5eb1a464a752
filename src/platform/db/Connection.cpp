#include "platform/db/Connection.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace platform::db {

namespace {
QString EngineMessage(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}
} // namespace

// Every commit reaches the disk before it returns. The file is read through a
// memory map: the books' rows lie scattered over the file, and reading them
// page by page through system calls costs more than the rest of the query.
QStringList Connection::EngineSettings()
{
    return {QStringLiteral("PRAGMA synchronous=FULL"), QStringLiteral("PRAGMA mmap_size=1073741824")};
}

Connection::Connection(QObject* parent) : QObject(parent)
{
    static std::atomic<int> counter{0};
    m_name = QStringLiteral("varnholt-%1").arg(++counter);
}

Connection::~Connection() { Close(); }

void Connection::SetConnectionString(const QString& text) { m_connectionString = text; }

QString Connection::Setting(const QString& key) const
{
    for (const QString& part : m_connectionString.split(QLatin1Char(';'))) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq > 0 && part.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1).trimmed();
    }
    return QString();
}

void Connection::Open()
{
    if (m_connected)
        return;
    const QString source = Setting(QStringLiteral("Data Source"));
    if (source.isEmpty())
        throw DbError(QStringLiteral("No data source in the connection string"));
    m_filePath = QDir::current().absoluteFilePath(source);
    if (!QFileInfo(m_filePath).isFile())
        throw DbError(QStringLiteral("Could not find file '%1'.").arg(m_filePath));

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(QUrl::fromLocalFile(m_filePath).toString(QUrl::FullyEncoded)
                           + QStringLiteral("?mode=rw"));
        try {
            if (!db.open())
                throw DbError(EngineMessage(db.lastError()));
            QSqlQuery pragma(db);
            for (const QString& setting : EngineSettings()) {
                if (!pragma.exec(setting))
                    throw DbError(EngineMessage(pragma.lastError()));
            }
            CheckRequiredTables(db);
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw;
        }
    }
    m_connected = true;
    m_inTransaction = false;
}

void Connection::CheckRequiredTables(QSqlDatabase& db) const
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'")))
        throw DbError(EngineMessage(query.lastError()));
    QStringList present;
    while (query.next())
        present << query.value(0).toString();
    for (const QString& table : m_requiredTables) {
        if (!present.contains(table, Qt::CaseInsensitive))
            throw DbError(QStringLiteral("The database has no table '%1'.").arg(table));
    }
}

void Connection::Close()
{
    if (!m_connected)
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_connected = false;
    m_inTransaction = false;
}

void Connection::EnsureConnected()
{
    if (!m_connected)
        Open();
}

QSqlDatabase Connection::Database()
{
    EnsureConnected();
    return QSqlDatabase::database(m_name, false);
}

void Connection::BeginTrans()
{
    QSqlDatabase db = Database();
    if (!db.transaction())
        throw DbError(EngineMessage(db.lastError()));
    m_inTransaction = true;
}

void Connection::CommitTrans()
{
    QSqlDatabase db = Database();
    if (!db.commit())
        throw DbError(EngineMessage(db.lastError()));
    m_inTransaction = false;
}

void Connection::RollbackTrans()
{
    QSqlDatabase db = Database();
    m_inTransaction = false;
    if (!db.rollback())
        throw DbError(EngineMessage(db.lastError()));
}

} // namespace platform::db
