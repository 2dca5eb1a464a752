#include "FileDatabase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <gtest/gtest.h>

#include <functional>

namespace {
void WithDatabase(const QString& file, const std::function<void(QSqlDatabase&)>& use)
{
    const QString name = QStringLiteral("file-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open())
            use(db);
        else
            ADD_FAILURE() << "cannot open " << file.toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
} // namespace

QVariant ScalarIn(const QString& file, const QString& statement)
{
    QVariant value;
    WithDatabase(file, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (query.exec(statement) && query.next())
            value = query.value(0);
        else
            ADD_FAILURE() << statement.toStdString() << ": " << query.lastError().text().toStdString();
    });
    return value;
}

void ExecIn(const QString& file, const QString& statement)
{
    WithDatabase(file, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(statement))
            << statement.toStdString() << ": " << query.lastError().text().toStdString();
    });
}

void BreakIndex(const QString& file)
{
    WithDatabase(file, [](QSqlDatabase& db) {
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA writable_schema=ON")));
        ASSERT_TRUE(query.exec(QStringLiteral(
            "UPDATE sqlite_master SET sql='CREATE INDEX IX_WASTE_AMOUNT ON T_WASTE_BOOK (MEMO1)'"
            " WHERE name='IX_WASTE_AMOUNT'")))
            << query.lastError().text().toStdString();
    });
}

void Truncate(const QString& file)
{
    QFile f(file);
    ASSERT_TRUE(f.resize(f.size() / 2));
}

QByteArray Contents(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& file, const QByteArray& contents)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contents);
}
