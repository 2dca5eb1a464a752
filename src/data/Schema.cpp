#include "data/Schema.h"

#include "platform/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace Schema {

namespace {

// Keys are numbered by the database and never reused (AUTOINCREMENT). Dates are
// stored as ISO texts, so BETWEEN compares them correctly.
const char* const kStatements[] = {
    "CREATE TABLE T_DEPT (ID INTEGER PRIMARY KEY AUTOINCREMENT, NAME TEXT, UPID INTEGER,"
    " MANAGER TEXT, MANAGER_TEL TEXT, BASIC_THING TEXT, FOUND_DATE DATE, MEMO1 TEXT)",
    "CREATE TABLE T_FIXED_ASSETS (ID INTEGER PRIMARY KEY AUTOINCREMENT, DEPTID INTEGER,"
    " NAME TEXT, BEGIN_USE_DATE DATE, STATUS TEXT, FIRST_PRICE REAL, NOW_PRICE REAL, MEMO1 TEXT)",
    "CREATE TABLE T_WASTE_BOOK (ID INTEGER PRIMARY KEY AUTOINCREMENT, DEPTID INTEGER,"
    " \"DATE\" DATE, TYPEID INTEGER, AMOUNT REAL, MEMO1 TEXT)",
    "CREATE TABLE T_WASTE_BOOK_TYPE (ID INTEGER PRIMARY KEY AUTOINCREMENT, NAME TEXT, IN_OUT TEXT)",
    "CREATE TABLE T_user (ID INTEGER PRIMARY KEY AUTOINCREMENT, NAME TEXT, PASSWORD TEXT,"
    " \"RIGHT\" TEXT)",
    "CREATE INDEX IX_DEPT_UPID ON T_DEPT (UPID)",
    "CREATE INDEX IX_FIXED_DEPT ON T_FIXED_ASSETS (DEPTID)",
    "CREATE INDEX IX_FIXED_DATE ON T_FIXED_ASSETS (BEGIN_USE_DATE)",
    "CREATE INDEX IX_FIXED_PRICE ON T_FIXED_ASSETS (FIRST_PRICE)",
    "CREATE INDEX IX_WASTE_DEPT ON T_WASTE_BOOK (DEPTID, TYPEID)",
    "CREATE INDEX IX_WASTE_DATE ON T_WASTE_BOOK (\"DATE\")",
    "CREATE INDEX IX_WASTE_AMOUNT ON T_WASTE_BOOK (AMOUNT)",
    "CREATE INDEX IX_WASTE_TYPE ON T_WASTE_BOOK (TYPEID)",
    // The reports sum amounts by period, for all associations or one; these
    // hold every column such a sum reads, so it never visits the rows.
    "CREATE INDEX IX_WASTE_DATE_SUM ON T_WASTE_BOOK (\"DATE\", DEPTID, TYPEID, AMOUNT)",
    "CREATE INDEX IX_WASTE_DEPT_SUM ON T_WASTE_BOOK (DEPTID, \"DATE\", TYPEID, AMOUNT)",
};

void Exec(QSqlQuery& query, const QString& statement)
{
    if (!query.exec(statement))
        throw platform::DbError(query.lastError().text());
}

} // namespace

QStringList TableNames()
{
    return {QStringLiteral("T_DEPT"), QStringLiteral("T_FIXED_ASSETS"),
            QStringLiteral("T_WASTE_BOOK"), QStringLiteral("T_WASTE_BOOK_TYPE"),
            QStringLiteral("T_user")};
}

void CreateDatabase(const QString& filePath, const QString& userName,
                    const QString& password, const QString& right)
{
    if (QFileInfo::exists(filePath))
        throw platform::Error(QStringLiteral("%1 exists already; it is left as it is.").arg(filePath));
    const QString name = QStringLiteral("schema-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(filePath);
        try {
            if (!db.open())
                throw platform::DbError(db.lastError().text());
            QSqlQuery query(db);
            Exec(query, QStringLiteral("BEGIN"));
            for (const char* statement : kStatements)
                Exec(query, QString::fromUtf8(statement));
            query.prepare(QStringLiteral("INSERT INTO T_user (NAME, PASSWORD, \"RIGHT\") VALUES (?, ?, ?)"));
            query.addBindValue(userName);
            query.addBindValue(password);
            query.addBindValue(right);
            if (!query.exec())
                throw platform::DbError(query.lastError().text());
            Exec(query, QStringLiteral("COMMIT"));
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            QFile::remove(filePath);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace Schema
