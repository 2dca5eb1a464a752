#pragma once

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include "platform/db/Snapshot.h"

namespace platform::db {

class Connection;

// One value of a result row, readable in the forms the program needs. A NULL
// reads as the empty text, 0, or the date-time value zero.
class Field {
public:
    explicit Field(QVariant value = QVariant()) : m_value(std::move(value)) {}
    bool IsNull() const { return m_value.isNull(); }
    QString AsString() const;
    double AsFloat() const;
    int AsInteger() const;
    QDateTime AsDateTime() const;
    const QVariant& Value() const { return m_value; }

private:
    QVariant m_value;
};

// A statement and, once opened, a snapshot of its result with a static cursor.
// Opening leaves the cursor on the first row, or past the end when there is no
// row. Fields are found by name without regard to case. Engine errors, and reads
// of a closed result, raise a DbError.
class Query : public QObject {
    Q_OBJECT
public:
    explicit Query(Connection* connection, QObject* parent = nullptr);

    Connection* GetConnection() const { return m_connection; }
    QString SQL() const { return m_sql; }
    // Replaces the statement; closes an open result first.
    void SetSQL(const QString& statement);

    void Open();
    void ExecSQL();
    void Close();
    bool Active() const { return m_active; }

    void First();
    void Prior();
    void Next();
    void Last();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    bool IsEmpty() const { return RecordCount() == 0; }
    int RecordCount() const { return m_active ? m_rowCount : 0; }
    // Index of the current row, -1 when there is none.
    int RecNo() const { return m_active && m_rowCount > 0 ? m_row : -1; }
    void MoveTo(int row);

    int FieldCount() const { return int(m_columns.size()); }
    QString FieldName(int column) const { return m_columns.value(column); }
    // Column index of a field name, without regard to case; -1 if there is none.
    int FieldIndex(const QString& name) const;
    Field FieldByName(const QString& name) const;
    Field Fields(int column) const;
    // The value at any row of the snapshot (for grids).
    QVariant ValueAt(int row, int column) const;

signals:
    // The result was opened or closed: everything shown from it is stale.
    void ResultChanged();
    // The current row moved.
    void CurrentRowChanged(int row);

protected:
    void RequireActive() const;

private:
    void SetRow(int row, bool eof, bool bof);

    Connection* m_connection;
    QString m_sql;
    bool m_active = false;
    QStringList m_columns;
    Snapshot m_snapshot;
    int m_rowCount = 0;
    int m_row = 0;
    bool m_eof = true;
    bool m_bof = true;
};

// A whole table opened as a snapshot, which can be searched with Locate.
class Table : public Query {
    Q_OBJECT
public:
    Table(Connection* connection, const QString& tableName, QObject* parent = nullptr);
    QString TableName() const { return m_tableName; }

    // Moves to the first row whose fields (names separated by ";") equal the
    // values, comparing whole texts without regard to case. False if none does.
    bool Locate(const QString& fieldNames, const QStringList& values);

private:
    QString m_tableName;
};

} // namespace platform::db
