#include "ProgramFixture.h"

#include "data/Schema.h"
#include "data/uClassData.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "shell/Program.h"
#include "shell/uLog.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

void DatabaseTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    Schema::CreateDatabase(m_dir.filePath(QStringLiteral("DB.mdb")), QStringLiteral("ADMIN"),
                           QStringLiteral("admin"), QStringLiteral("1"));
    auto desktop = std::make_unique<platform::ScriptedDesktop>();
    m_desktop = desktop.get();
    platform::Desktop::Install(std::move(desktop));
    platform::Application::SetTitle(QStringLiteral("Varnholt"));
    platform::Application::ResetTerminated();

    m_connectionName = QStringLiteral("fixture-") + QUuid::createUuid().toString();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(m_dir.filePath(QStringLiteral("DB.mdb")));
    ASSERT_TRUE(db.open());
}

void DatabaseTest::TearDown()
{
    QSqlDatabase::database(m_connectionName).close();
    QSqlDatabase::removeDatabase(m_connectionName);
    platform::Desktop::Install(std::make_unique<platform::QtDesktop>());
    platform::Clock::Reset();
    QDir::setCurrent(m_previousDir);
}

void DatabaseTest::Sql(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName));
    ASSERT_TRUE(query.exec(statement)) << statement.toStdString() << ": "
                                       << query.lastError().text().toStdString();
}

QVariant DatabaseTest::Scalar(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName));
    if (!query.exec(statement) || !query.next()) {
        ADD_FAILURE() << statement.toStdString() << ": " << query.lastError().text().toStdString();
        return QVariant();
    }
    return query.value(0);
}

int DatabaseTest::Insert(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName));
    if (!query.exec(statement)) {
        ADD_FAILURE() << statement.toStdString() << ": " << query.lastError().text().toStdString();
        return -1;
    }
    return query.lastInsertId().toInt();
}

int DatabaseTest::AddType(const QString& name)
{
    return Insert(QStringLiteral("INSERT INTO T_DEPT (NAME, UPID) VALUES ('%1', 0)").arg(name));
}

int DatabaseTest::AddDept(const QString& name, int typeId, const QString& foundDate)
{
    return Insert(QStringLiteral("INSERT INTO T_DEPT (NAME, UPID, MANAGER, MANAGER_TEL, BASIC_THING, FOUND_DATE)"
                                 " VALUES ('%1', %2, 'MGR', 'TEL', 'PROFILE', '%3')")
                      .arg(name)
                      .arg(typeId)
                      .arg(foundDate));
}

int DatabaseTest::AddSubject(const QString& name, const QString& inOut)
{
    return Insert(QStringLiteral("INSERT INTO T_WASTE_BOOK_TYPE (NAME, IN_OUT) VALUES ('%1', '%2')")
                      .arg(name, inOut));
}

int DatabaseTest::AddFixed(int deptId, const QString& name, double value, const QString& date,
                           const QString& status)
{
    return Insert(QStringLiteral("INSERT INTO T_FIXED_ASSETS (DEPTID, NAME, BEGIN_USE_DATE, STATUS, FIRST_PRICE, MEMO1)"
                                 " VALUES (%1, '%2', '%3', '%4', %5, '')")
                      .arg(deptId)
                      .arg(name, date, status)
                      .arg(value, 0, 'g', 15));
}

int DatabaseTest::AddEntry(int deptId, int subjectId, double amount, const QString& date,
                           const QString& memo)
{
    return Insert(QStringLiteral("INSERT INTO T_WASTE_BOOK (DEPTID, \"DATE\", TYPEID, AMOUNT, MEMO1)"
                                 " VALUES (%1, '%2', %3, %4, '%5')")
                      .arg(deptId)
                      .arg(date)
                      .arg(subjectId)
                      .arg(amount, 0, 'g', 15)
                      .arg(memo));
}

void ProgramTest::SetUp()
{
    DatabaseTest::SetUp();
    CurUserID.clear();
    CurUserRight.clear();
    CreateInstances();
    FinanceItem = new TFinanceItem;
    Account = new TAccount;
}

void ProgramTest::TearDown()
{
    DestroyInstances();
    DatabaseTest::TearDown();
}
