// Writes to DB.mdb in the current directory through the program's record
// writers, as fast as it can, until it is killed. It holds the database lock as
// the program does and prints "READY" once it has it. After each write has
// returned, one line says what is now stored for good:
//   D <dept> <name>            association added
//   E <dept> <memo>            cash-flow entry added
//   A <dept> <name>            fixed asset added
//   M <entry> <dept> <amount>  entry's amount changed (amounts only grow)
//   X <dept>                   association deleted with both its books
// A write that reports a failure prints "FAILED <message>" and ends the writer.
// Argument: a run label that makes the names of this run unique.
#include "data/uClassData.h"
#include "data/uPublic.h"
#include "platform/DatabaseLock.h"
#include "platform/ScriptedDesktop.h"
#include "platform/db/Query.h"
#include "shell/DataSafety.h"
#include "shell/dbmodule.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Entry {
    int id;
    int dept;
    QString memo;
};

void Say(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

std::vector<QVariant> Column(const QString& statement, int column = 0)
{
    std::vector<QVariant> values;
    if (OpenQuery(DM->temQry, statement))
        for (DM->temQry->First(); !DM->temQry->Eof(); DM->temQry->Next())
            values.push_back(DM->temQry->Fields(column).Value());
    return values;
}

int IdOf(const QString& statement) { return Column(statement).at(0).toInt(); }

class Writer {
public:
    explicit Writer(QString run) : m_run(std::move(run))
    {
        m_type = QString::number(IdOf(QStringLiteral("SELECT ID FROM T_DEPT WHERE UPID=0")));
        m_subject = QString::number(IdOf(QStringLiteral("SELECT ID FROM T_WASTE_BOOK_TYPE")));
        for (const QVariant& id : Column(QStringLiteral("SELECT ID FROM T_DEPT WHERE UPID>0")))
            m_depts.push_back(id.toInt());
        OpenQuery(DM->temQry, QStringLiteral("SELECT ID, DEPTID, MEMO1 FROM T_WASTE_BOOK"));
        for (DM->temQry->First(); !DM->temQry->Eof(); DM->temQry->Next())
            m_entries.push_back({DM->temQry->Fields(0).AsInteger(), DM->temQry->Fields(1).AsInteger(),
                                 DM->temQry->Fields(2).AsString()});
        m_amount = Column(QStringLiteral("SELECT MAX(AMOUNT) FROM T_WASTE_BOOK")).at(0).toLongLong();
    }

    void WriteOne()
    {
        const int choice = int(m_random.bounded(100));
        ++m_count;
        if (m_depts.size() < 3 || choice < 12)
            AddDept();
        else if (choice < 55)
            AddEntry();
        else if (choice < 72)
            AddAsset();
        else if (choice < 90 && !m_entries.empty())
            ModifyEntry();
        else
            DeleteDept();
    }

private:
    QString Name(const char* kind) const
    {
        return QStringLiteral("%1-%2-%3").arg(m_run, QLatin1String(kind)).arg(m_count);
    }
    QString AnyDept() { return QString::number(m_depts[m_random.bounded(int(m_depts.size()))]); }

    void AddDept()
    {
        const QString name = Name("D");
        FinanceItem->AddDept(name, m_type, QStringLiteral("负责人"), QStringLiteral("电话"),
                             QStringLiteral("简介"), QStringLiteral("2003-01-01"));
        const int id = IdOf(QStringLiteral("SELECT ID FROM T_DEPT WHERE NAME='%1'").arg(name));
        m_depts.push_back(id);
        Say(QStringLiteral("D %1 %2").arg(id).arg(name));
    }

    void AddEntry()
    {
        const QString dept = AnyDept();
        const QString memo = Name("E");
        Account->AddWasteEntry(dept, QStringLiteral("2024-03-05"), m_subject, QStringLiteral("1"), memo);
        const int id = IdOf(QStringLiteral("SELECT ID FROM T_WASTE_BOOK WHERE MEMO1='%1'").arg(memo));
        m_entries.push_back({id, dept.toInt(), memo});
        Say(QStringLiteral("E %1 %2").arg(dept, memo));
    }

    void AddAsset()
    {
        const QString dept = AnyDept();
        const QString name = Name("A");
        Account->AddFixedAsset(dept, name, QStringLiteral("良好"), QStringLiteral("10"),
                               QString(), QStringLiteral("2024-03-05"));
        Say(QStringLiteral("A %1 %2").arg(dept, name));
    }

    void ModifyEntry()
    {
        const Entry& entry = m_entries[m_random.bounded(int(m_entries.size()))];
        const QString amount = QString::number(++m_amount);
        Account->ModifyWasteEntry(QString::number(entry.id), QString::number(entry.dept),
                                  QStringLiteral("2024-03-06"), m_subject, amount, entry.memo);
        Say(QStringLiteral("M %1 %2 %3").arg(entry.id).arg(entry.dept).arg(amount));
    }

    void DeleteDept()
    {
        const QString dept = AnyDept();
        FinanceItem->DeleteDept(dept);
        const int id = dept.toInt();
        m_depts.erase(std::remove(m_depts.begin(), m_depts.end(), id), m_depts.end());
        m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                       [id](const Entry& e) { return e.dept == id; }),
                        m_entries.end());
        Say(QStringLiteral("X %1").arg(dept));
    }

    QString m_run;
    QString m_type;
    QString m_subject;
    std::vector<int> m_depts;
    std::vector<Entry> m_entries;
    qint64 m_amount = 0;
    int m_count = 0;
    QRandomGenerator m_random{QRandomGenerator::securelySeeded()};
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    auto owned = std::make_unique<platform::ScriptedDesktop>();
    platform::ScriptedDesktop& desktop = *owned;
    platform::Desktop::Install(std::move(owned));

    platform::DatabaseLock lock(DatabaseFilePath());
    if (!lock.TryLock()) {
        Say(QStringLiteral("FAILED the database is locked"));
        return 3;
    }
    DM = new TDM;
    if (!DM->DB->Connected()) {
        Say(QStringLiteral("FAILED no connection"));
        return 3;
    }
    FinanceItem = new TFinanceItem;
    Account = new TAccount;
    Writer writer(app.arguments().value(1));
    Say(QStringLiteral("READY"));
    while (desktop.Boxes().empty())
        writer.WriteOne();
    Say(QStringLiteral("FAILED ") + desktop.Boxes().front().text);
    return 4;
}
