#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>

namespace platform::db {

// The one connection to the database file. It takes a connection string of
// "key=value" settings separated by ";"; "Data Source" names the file,
// resolved against the current directory when connecting. The file is opened
// read-write and never created: a missing file, a file that is not a database or
// one without the required tables fails to connect. Any use while not connected
// tries to connect again.
class Connection : public QObject {
    Q_OBJECT
public:
    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    void SetConnectionString(const QString& text);
    QString ConnectionString() const { return m_connectionString; }
    // The value of one setting of the connection string ("" if absent).
    QString Setting(const QString& key) const;

    // Tables that must exist for a file to count as one of our databases.
    void SetRequiredTables(const QStringList& tables) { m_requiredTables = tables; }

    void Open();
    void Close();
    bool Connected() const { return m_connected; }
    void EnsureConnected();
    // Absolute path of the database file of the current or last connection.
    QString FilePath() const { return m_filePath; }

    bool InTransaction() const { return m_inTransaction; }
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();

    // The connected engine database; connects first if needed.
    QSqlDatabase Database();

    // The engine settings made on every connection.
    static QStringList EngineSettings();

private:
    void CheckRequiredTables(QSqlDatabase& db) const;

    QString m_name;
    QString m_connectionString;
    QStringList m_requiredTables;
    QString m_filePath;
    bool m_connected = false;
    bool m_inTransaction = false;
};

} // namespace platform::db
