#include "tools/DemoData.h"

#include "platform/Errors.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariantList>

namespace DemoData {

namespace {

class Writer {
public:
    explicit Writer(QSqlDatabase db) : m_query(db) {}

    int Insert(const QString& statement, const QVariantList& values)
    {
        m_query.prepare(statement);
        for (const QVariant& value : values)
            m_query.addBindValue(value);
        if (!m_query.exec())
            throw platform::DbError(m_query.lastError().text());
        return m_query.lastInsertId().toInt();
    }

    void Exec(const QString& statement)
    {
        if (!m_query.exec(statement))
            throw platform::DbError(m_query.lastError().text());
    }

private:
    QSqlQuery m_query;
};

void FillWith(Writer& w)
{
    const int culture = w.Insert(QStringLiteral("INSERT INTO T_DEPT (NAME, UPID) VALUES (?, 0)"), {QStringLiteral("文化艺术类")});
    const int sports = w.Insert(QStringLiteral("INSERT INTO T_DEPT (NAME, UPID) VALUES (?, 0)"), {QStringLiteral("体育运动类")});
    w.Insert(QStringLiteral("INSERT INTO T_DEPT (NAME, UPID) VALUES (?, 0)"), {QStringLiteral("学术科技类")});

    const QString deptSql = QStringLiteral(
        "INSERT INTO T_DEPT (NAME, UPID, MANAGER, MANAGER_TEL, BASIC_THING, FOUND_DATE) VALUES (?, ?, ?, ?, ?, ?)");
    const int choir = w.Insert(deptSql, {QStringLiteral("合唱团"), culture, QStringLiteral("王芳"),
                                         QStringLiteral("13800000001"),
                                         QStringLiteral("每周三晚排练，参加校园艺术节演出。"),
                                         QStringLiteral("2001-09-15")});
    const int drama = w.Insert(deptSql, {QStringLiteral("话剧社"), culture, QStringLiteral("李雷"),
                                         QStringLiteral("13800000002"),
                                         QStringLiteral("每学期排演一部大戏。"), QStringLiteral("2003-03-01")});
    const int football = w.Insert(deptSql, {QStringLiteral("足球协会"), sports, QStringLiteral("张伟"),
                                            QStringLiteral("13800000003"),
                                            QStringLiteral("组织院系足球联赛。"), QStringLiteral("1999-10-10")});

    const QString subjectSql = QStringLiteral("INSERT INTO T_WASTE_BOOK_TYPE (NAME, IN_OUT) VALUES (?, ?)");
    const int fees = w.Insert(subjectSql, {QStringLiteral("会费收入"), QStringLiteral("收入")});
    const int grant = w.Insert(subjectSql, {QStringLiteral("学校拨款"), QStringLiteral("收入")});
    const int sponsor = w.Insert(subjectSql, {QStringLiteral("赞助收入"), QStringLiteral("收入")});
    const int events = w.Insert(subjectSql, {QStringLiteral("活动经费"), QStringLiteral("支出")});
    const int equipment = w.Insert(subjectSql, {QStringLiteral("器材购置"), QStringLiteral("支出")});
    const int office = w.Insert(subjectSql, {QStringLiteral("办公用品"), QStringLiteral("支出")});

    const QString fixedSql = QStringLiteral(
        "INSERT INTO T_FIXED_ASSETS (DEPTID, NAME, BEGIN_USE_DATE, STATUS, FIRST_PRICE, MEMO1) VALUES (?, ?, ?, ?, ?, ?)");
    w.Insert(fixedSql, {choir, QStringLiteral("钢琴"), QStringLiteral("2002-03-01"), QStringLiteral("良好"), 12800.0, QStringLiteral("琴房使用")});
    w.Insert(fixedSql, {choir, QStringLiteral("音响设备"), QStringLiteral("2004-05-20"), QStringLiteral("堪用"), 3500.5, QString()});
    w.Insert(fixedSql, {drama, QStringLiteral("舞台灯光"), QStringLiteral("2005-11-02"), QStringLiteral("新品"), 2200.0, QStringLiteral("演出专用")});
    w.Insert(fixedSql, {football, QStringLiteral("比赛用球"), QStringLiteral("2006-04-12"), QStringLiteral("报废"), 450.0, QString()});
    w.Insert(fixedSql, {football, QStringLiteral("球门网"), QStringLiteral("2006-04-12"), QStringLiteral("良好"), 880.0, QString()});

    const QString entrySql = QStringLiteral(
        "INSERT INTO T_WASTE_BOOK (DEPTID, \"DATE\", TYPEID, AMOUNT, MEMO1) VALUES (?, ?, ?, ?, ?)");
    const struct {
        int dept;
        const char* date;
        int subject;
        double amount;
        const char* memo;
    } entries[] = {
        {choir, "2006-09-05", fees, 1200.0, "秋季学期会费"},
        {choir, "2006-09-20", grant, 3000.0, "学校活动拨款"},
        {choir, "2006-10-08", events, 860.5, "艺术节演出服装"},
        {choir, "2006-11-15", office, 120.5, "乐谱复印"},
        {drama, "2006-09-12", fees, 800.0, "新社员会费"},
        {drama, "2006-10-30", sponsor, 1500.0, "书店赞助"},
        {drama, "2006-12-01", events, 2100.0, "年度大戏场租"},
        {football, "2006-09-10", grant, 2000.0, "联赛经费"},
        {football, "2006-09-25", equipment, 1350.0, "新球衣"},
        {football, "2006-10-18", events, 640.0, "裁判补贴"},
    };
    for (const auto& e : entries)
        w.Insert(entrySql, {e.dept, QString::fromLatin1(e.date), e.subject, e.amount, QString::fromUtf8(e.memo)});
}

} // namespace

void Fill(const QString& filePath)
{
    const QString name = QStringLiteral("demo-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(filePath);
        if (!db.open())
            throw platform::DbError(db.lastError().text());
        Writer writer(db);
        writer.Exec(QStringLiteral("BEGIN"));
        FillWith(writer);
        writer.Exec(QStringLiteral("COMMIT"));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace DemoData
