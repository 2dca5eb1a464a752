#include "ProgramFixture.h"

#include "platform/DatabaseLock.h"
#include "shell/DataSafety.h"
#include "tools/Maintenance.h"

#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>

#include <iostream>
#include <map>
#include <set>

namespace {

const int kKills = 40;

// What the writer has reported as stored for good, line by line.
class Committed {
public:
    void AddDept(int dept) { m_depts.insert(dept); }

    void Apply(const QString& line)
    {
        const QStringList part = line.split(QLatin1Char(' '));
        const QString op = part.value(0);
        const int key = part.value(1).toInt();
        ++m_writes;
        if (op == QLatin1String("D")) {
            m_depts.insert(key);
        } else if (op == QLatin1String("E")) {
            m_entries[key].insert(part.value(2));
        } else if (op == QLatin1String("A")) {
            m_assets[key].insert(part.value(2));
        } else if (op == QLatin1String("M")) {
            m_amounts[key] = {part.value(2).toInt(), part.value(3).toLongLong()};
        } else if (op == QLatin1String("X")) {
            Forget(key);
            ++m_deletes;
        } else {
            ADD_FAILURE() << "writer said: " << line.toStdString();
        }
    }

    // Compares the database with everything reported so far. The one write that
    // was under way at the kill may have committed without being reported: an
    // association may therefore be gone without its deletion reported, once.
    void Verify(QSqlDatabase& db)
    {
        const std::set<int> depts = Ints(db, QStringLiteral("SELECT ID FROM T_DEPT WHERE UPID>0"));
        const std::set<QString> entries = Keys(db, QStringLiteral("SELECT DEPTID || ' ' || MEMO1 FROM T_WASTE_BOOK"));
        const std::set<QString> assets = Keys(db, QStringLiteral("SELECT DEPTID || ' ' || NAME FROM T_FIXED_ASSETS"));
        const std::map<int, qint64> amounts = Amounts(db);

        int unreportedDeletes = 0;
        for (int dept : std::set<int>(m_depts)) {
            if (depts.count(dept))
                continue;
            ++unreportedDeletes;
            Forget(dept);
        }
        EXPECT_LE(unreportedDeletes, 1);
        for (int dept : m_deleted)
            EXPECT_EQ(depts.count(dept), 0u) << "deleted association " << dept << " is back";
        for (const auto& [dept, memos] : m_entries)
            for (const QString& memo : memos)
                EXPECT_EQ(entries.count(QStringLiteral("%1 %2").arg(dept).arg(memo)), 1u)
                    << "committed entry missing: " << memo.toStdString();
        for (const auto& [dept, names] : m_assets)
            for (const QString& name : names)
                EXPECT_EQ(assets.count(QStringLiteral("%1 %2").arg(dept).arg(name)), 1u)
                    << "committed asset missing: " << name.toStdString();
        for (const auto& [entry, change] : m_amounts) {
            const auto stored = amounts.find(entry);
            ASSERT_NE(stored, amounts.end()) << "changed entry missing: " << entry;
            EXPECT_GE(stored->second, change.second) << "committed change lost on entry " << entry;
        }
    }

    int Writes() const { return m_writes; }
    int Deletes() const { return m_deletes; }

private:
    void Forget(int dept)
    {
        m_depts.erase(dept);
        m_entries.erase(dept);
        m_assets.erase(dept);
        for (auto it = m_amounts.begin(); it != m_amounts.end();)
            it = it->second.first == dept ? m_amounts.erase(it) : std::next(it);
        m_deleted.insert(dept);
    }

    static std::set<int> Ints(QSqlDatabase& db, const QString& statement)
    {
        std::set<int> values;
        QSqlQuery query(statement, db);
        while (query.next())
            values.insert(query.value(0).toInt());
        return values;
    }
    static std::set<QString> Keys(QSqlDatabase& db, const QString& statement)
    {
        std::set<QString> values;
        QSqlQuery query(statement, db);
        while (query.next())
            values.insert(query.value(0).toString());
        return values;
    }
    static std::map<int, qint64> Amounts(QSqlDatabase& db)
    {
        std::map<int, qint64> values;
        QSqlQuery query(QStringLiteral("SELECT ID, AMOUNT FROM T_WASTE_BOOK"), db);
        while (query.next())
            values[query.value(0).toInt()] = query.value(1).toLongLong();
        return values;
    }

    std::set<int> m_depts;
    std::set<int> m_deleted;
    std::map<int, std::set<QString>> m_entries;
    std::map<int, std::set<QString>> m_assets;
    std::map<int, std::pair<int, qint64>> m_amounts;  // entry -> (association, amount)
    int m_writes = 0;
    int m_deletes = 0;
};

class CrashTest : public DatabaseTest {
protected:
    // Starts the writer and waits until it holds the lock; false if it did not.
    bool StartWriter(QProcess& writer, int run)
    {
        writer.setWorkingDirectory(Dir());
        writer.start(QStringLiteral(CRASH_WRITER), {QStringLiteral("R%1").arg(run)});
        while (!m_output.contains("READY\n")) {
            if (!writer.waitForReadyRead(10000))
                return false;
            m_output += writer.readAllStandardOutput();
        }
        m_output.remove(0, m_output.indexOf("READY\n") + 6);
        return true;
    }

    // The complete lines the writer printed; a line cut by the kill was not
    // reported.
    QStringList ReportedLines(QProcess& writer)
    {
        m_output += writer.readAllStandardOutput();
        QStringList lines = QString::fromUtf8(m_output).split(QLatin1Char('\n'));
        lines.removeLast();
        m_output.clear();
        return lines;
    }

    void VerifyDatabase(Committed& committed)
    {
        const Maintenance::CheckResult check = Maintenance::Check(DatabaseFilePath());
        EXPECT_TRUE(check.damage.isEmpty()) << check.damage.join('\n').toStdString();
        EXPECT_TRUE(check.orphans.isEmpty()) << check.orphans.join('\n').toStdString();
        const QString name = QStringLiteral("verify-") + QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(DatabaseFilePath());
            ASSERT_TRUE(db.open());
            committed.Verify(db);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    QByteArray m_output;
};

// The writer is killed at random moments; after each kill the file must be
// sound, every association deletion all or nothing, and every write reported
// as committed still there. A lock left by the killed writer is stale.
TEST_F(CrashTest, KilledWriterLeavesASoundDatabaseWithEveryCommittedWrite)
{
    AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    Committed committed;
    committed.AddDept(AddDept(QStringLiteral("书法社"), AddType(QStringLiteral("文化类"))));
    int killedInTransaction = 0;

    for (int run = 0; run < kKills; ++run) {
        SCOPED_TRACE(run);
        QProcess writer;
        ASSERT_TRUE(StartWriter(writer, run)) << writer.readAllStandardError().toStdString();
        platform::DatabaseLock second(DatabaseFilePath());
        EXPECT_FALSE(second.TryLock());
        EXPECT_TRUE(second.InUse());

        QThread::msleep(QRandomGenerator::global()->bounded(20, 300));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit)
            << writer.readAllStandardError().toStdString();
        for (const QString& line : ReportedLines(writer))
            committed.Apply(line);
        if (QFileInfo(DatabaseFilePath() + QStringLiteral("-journal")).size() > 0)
            ++killedInTransaction;

        EXPECT_TRUE(second.TryLock()) << "the killed writer's lock is not recognised as stale";
        second.Unlock();
        VerifyDatabase(committed);
        if (HasFatalFailure())
            return;
    }
    std::cout << "kills survived: " << kKills << ", of them inside a transaction: " << killedInTransaction
              << "; committed writes checked: " << committed.Writes()
              << " (association deletions: " << committed.Deletes() << ")\n";
    EXPECT_GT(committed.Writes(), kKills);
}

} // namespace
