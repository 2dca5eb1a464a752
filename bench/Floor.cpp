#include "Floor.h"

#include "platform/db/Connection.h"
#include "platform/db/SqlDialect.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

[[noreturn]] void Fail(sqlite3* db, const std::string& what)
{
    throw std::runtime_error(what + ": " + sqlite3_errmsg(db));
}

sqlite3* OpenFile(const QString& filePath)
{
    sqlite3* db = nullptr;
    const QByteArray path = filePath.toUtf8();
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path.toStdString() + ": " + message);
    }
    sqlite3_busy_timeout(db, 5000);
    return db;
}

// Reads every column of the current row into a plain value.
void ReadRow(sqlite3_stmt* statement)
{
    thread_local std::string text;
    const int columns = sqlite3_column_count(statement);
    for (int i = 0; i < columns; ++i) {
        switch (sqlite3_column_type(statement, i)) {
        case SQLITE_INTEGER: {
            sqlite3_int64 value = sqlite3_column_int64(statement, i);
            benchmark::DoNotOptimize(value);
            break;
        }
        case SQLITE_FLOAT: {
            double value = sqlite3_column_double(statement, i);
            benchmark::DoNotOptimize(value);
            break;
        }
        case SQLITE_NULL:
            break;
        default: {
            const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            text.assign(bytes, size_t(sqlite3_column_bytes(statement, i)));
            benchmark::DoNotOptimize(text.data());
            break;
        }
        }
    }
}

} // namespace

// The engine set up as the program's connection sets it up.
Floor::Floor(const QString& filePath) : m_db(OpenFile(filePath))
{
    for (const QString& setting : platform::db::Connection::EngineSettings())
        Exec(setting.toStdString());
}

Floor::~Floor() { sqlite3_close(m_db); }

long Floor::Run(const std::string& statement)
{
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(m_db, statement.c_str(), int(statement.size()), &prepared, nullptr) != SQLITE_OK)
        Fail(m_db, statement);
    long rows = 0;
    int result;
    while ((result = sqlite3_step(prepared)) == SQLITE_ROW) {
        ReadRow(prepared);
        ++rows;
    }
    sqlite3_finalize(prepared);
    if (result != SQLITE_DONE)
        Fail(m_db, statement);
    return rows;
}

void Floor::Exec(const std::string& statements)
{
    if (sqlite3_exec(m_db, statements.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(m_db, statements);
}

void Floor::Connect(const QString& filePath)
{
    Floor floor(filePath);
    floor.Run("SELECT name FROM sqlite_master WHERE type='table'");
}

std::string EngineSql(const QString& statement)
{
    return platform::db::SqlDialect::ToEngine(statement).toStdString();
}
