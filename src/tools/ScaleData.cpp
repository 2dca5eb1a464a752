#include "tools/ScaleData.h"

#include "platform/Conversions.h"
#include "platform/Errors.h"

#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

#include <cmath>
#include <vector>

namespace ScaleData {

namespace {

constexpr quint32 kSeed = 20240601;
constexpr int kYears = 20;
const QDate kFirstDay(2005, 1, 1);

const QStringList kTypeWords = {
    QStringLiteral("文化"), QStringLiteral("艺术"), QStringLiteral("体育"), QStringLiteral("学术"),
    QStringLiteral("科技"), QStringLiteral("公益"), QStringLiteral("志愿"), QStringLiteral("音乐"),
    QStringLiteral("舞蹈"), QStringLiteral("戏剧"), QStringLiteral("文学"), QStringLiteral("摄影"),
    QStringLiteral("棋牌"), QStringLiteral("武术"), QStringLiteral("外语"), QStringLiteral("创业"),
    QStringLiteral("环保"), QStringLiteral("心理"), QStringLiteral("法律"), QStringLiteral("经济"),
    QStringLiteral("动漫"), QStringLiteral("电影"), QStringLiteral("书法"), QStringLiteral("美术"),
    QStringLiteral("历史"), QStringLiteral("哲学"), QStringLiteral("天文"), QStringLiteral("计算机"),
    QStringLiteral("机器人"), QStringLiteral("航模"), QStringLiteral("登山"), QStringLiteral("轮滑"),
    QStringLiteral("篮球"), QStringLiteral("足球"), QStringLiteral("羽毛球"), QStringLiteral("乒乓球"),
    QStringLiteral("游泳"), QStringLiteral("辩论"), QStringLiteral("演讲"), QStringLiteral("旅行"),
};

const QStringList kColleges = {
    QStringLiteral("数学学院"), QStringLiteral("物理学院"), QStringLiteral("化学学院"),
    QStringLiteral("生命科学学院"), QStringLiteral("文学院"), QStringLiteral("历史学院"),
    QStringLiteral("哲学系"), QStringLiteral("经济学院"), QStringLiteral("管理学院"),
    QStringLiteral("法学院"), QStringLiteral("医学院"), QStringLiteral("药学院"),
    QStringLiteral("建筑学院"), QStringLiteral("机械学院"), QStringLiteral("电子学院"),
    QStringLiteral("信息学院"), QStringLiteral("软件学院"), QStringLiteral("外国语学院"),
    QStringLiteral("新闻学院"), QStringLiteral("艺术学院"), QStringLiteral("体育学院"),
    QStringLiteral("教育学院"), QStringLiteral("环境学院"), QStringLiteral("材料学院"),
    QStringLiteral("东校区"),
};

const QStringList kAssociationSuffixes = {QStringLiteral("协会"), QStringLiteral("社")};

const QStringList kChineseNumbers = {
    QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"), QStringLiteral("四"),
    QStringLiteral("五"), QStringLiteral("六"), QStringLiteral("七"), QStringLiteral("八"),
    QStringLiteral("九"), QStringLiteral("十"),
};

const QStringList kSurnames = {
    QStringLiteral("王"), QStringLiteral("李"), QStringLiteral("张"), QStringLiteral("刘"),
    QStringLiteral("陈"), QStringLiteral("杨"), QStringLiteral("赵"), QStringLiteral("黄"),
    QStringLiteral("周"), QStringLiteral("吴"), QStringLiteral("徐"), QStringLiteral("孙"),
    QStringLiteral("胡"), QStringLiteral("朱"), QStringLiteral("高"), QStringLiteral("林"),
};

const QStringList kGivenNames = {
    QStringLiteral("伟"), QStringLiteral("芳"), QStringLiteral("娜"), QStringLiteral("敏"),
    QStringLiteral("静"), QStringLiteral("磊"), QStringLiteral("洋"), QStringLiteral("艳"),
    QStringLiteral("勇"), QStringLiteral("杰"), QStringLiteral("娟"), QStringLiteral("涛"),
    QStringLiteral("明"), QStringLiteral("超"), QStringLiteral("秀英"), QStringLiteral("晓东"),
    QStringLiteral("海燕"), QStringLiteral("建国"), QStringLiteral("丽华"), QStringLiteral("志强"),
};

const QStringList kIncomeWords = {
    QStringLiteral("会费"), QStringLiteral("学校拨款"), QStringLiteral("赞助"), QStringLiteral("门票"),
    QStringLiteral("培训"), QStringLiteral("捐赠"), QStringLiteral("义卖"), QStringLiteral("比赛奖金"),
    QStringLiteral("合作"), QStringLiteral("广告"),
};
const QStringList kIncomeEndings = {QStringLiteral("收入"), QStringLiteral("补助")};

const QStringList kExpenseWords = {
    QStringLiteral("活动"), QStringLiteral("器材"), QStringLiteral("办公"), QStringLiteral("交通"),
    QStringLiteral("餐饮"), QStringLiteral("印刷"), QStringLiteral("场地"), QStringLiteral("服装"),
    QStringLiteral("奖品"), QStringLiteral("通讯"), QStringLiteral("培训"), QStringLiteral("宣传"),
    QStringLiteral("住宿"), QStringLiteral("维修"), QStringLiteral("保险"), QStringLiteral("邮寄"),
    QStringLiteral("书籍"), QStringLiteral("演出"), QStringLiteral("比赛"), QStringLiteral("会议"),
};
const QStringList kExpenseEndings = {QStringLiteral("费用"), QStringLiteral("支出")};

const QStringList kAssetNames = {
    QStringLiteral("钢琴"), QStringLiteral("音响设备"), QStringLiteral("投影仪"), QStringLiteral("笔记本电脑"),
    QStringLiteral("打印机"), QStringLiteral("照相机"), QStringLiteral("摄像机"), QStringLiteral("舞台灯光"),
    QStringLiteral("帐篷"), QStringLiteral("比赛用球"), QStringLiteral("球门网"), QStringLiteral("乒乓球台"),
    QStringLiteral("吉他"), QStringLiteral("架子鼓"), QStringLiteral("书架"), QStringLiteral("办公桌"),
    QStringLiteral("折叠椅"), QStringLiteral("无线话筒"), QStringLiteral("望远镜"), QStringLiteral("演出服装"),
};

const QStringList kStatuses = {QStringLiteral("新品"), QStringLiteral("良好"), QStringLiteral("堪用"),
                               QStringLiteral("报废")};

const QStringList kAssetMemos = {
    QString(), QStringLiteral("活动室使用"), QStringLiteral("借出需登记"), QStringLiteral("校团委配发"),
    QStringLiteral("社员捐赠"), QStringLiteral("演出专用"),
};

struct Subject {
    int id;
    QString name;
};

class Generator {
public:
    Generator(QSqlDatabase db, const Size& size) : m_db(db), m_size(size), m_random(kSeed)
    {
        for (int day = 0; day < DaysInRange(); ++day)
            m_days << platform::DateToIso(kFirstDay.addDays(day));
    }

    // The indexes are dropped and built again after the rows are in: building
    // an index once is much faster than keeping it sorted row by row.
    void Run()
    {
        Exec(QStringLiteral("PRAGMA cache_size=-262144"));
        Exec(QStringLiteral("BEGIN"));
        const QStringList indexes = DropIndexes();
        const std::vector<int> types = WriteTypes();
        m_associations = WriteAssociations(types);
        WriteSubjects();
        WriteAssets();
        WriteEntries();
        for (const QString& index : indexes)
            Exec(index);
        Exec(QStringLiteral("COMMIT"));
    }

private:
    static int DaysInRange() { return int(kFirstDay.daysTo(kFirstDay.addYears(kYears))); }

    int Pick(int count) { return int(m_random.bounded(quint32(count))); }
    const QString& PickFrom(const QStringList& list) { return list.at(Pick(int(list.size()))); }

    // An association index skewed towards the first ones: the first association
    // gets about ten times the average, the last ones a fraction of it.
    int PickAssociation()
    {
        const double u = m_random.generateDouble();
        return qMin(int(m_associations.size()) - 1, int(double(m_associations.size()) * std::pow(u, 1.5)));
    }

    QString PickDate() { return m_days.at(Pick(int(m_days.size()))); }

    // An amount in yuan with cents, from 0.01 to 5,000.00.
    double PickAmount() { return double(m_random.bounded(1, 500001)) / 100.0; }

    void Exec(const QString& statement)
    {
        QSqlQuery query(m_db);
        if (!query.exec(statement))
            throw platform::DbError(query.lastError().text());
    }

    QSqlQuery Prepare(const QString& statement)
    {
        QSqlQuery query(m_db);
        if (!query.prepare(statement))
            throw platform::DbError(query.lastError().text());
        return query;
    }

    static void Run(QSqlQuery& query)
    {
        if (!query.exec())
            throw platform::DbError(query.lastError().text());
    }

    // Drops every index made by a statement and returns those statements.
    QStringList DropIndexes()
    {
        QSqlQuery query(m_db);
        if (!query.exec(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type='index' AND sql IS NOT NULL")))
            throw platform::DbError(query.lastError().text());
        QStringList names;
        QStringList statements;
        while (query.next()) {
            names << query.value(0).toString();
            statements << query.value(1).toString();
        }
        query.finish();
        for (const QString& name : names)
            Exec(QStringLiteral("DROP INDEX \"%1\"").arg(name));
        return statements;
    }

    std::vector<int> WriteTypes()
    {
        QSqlQuery insert = Prepare(QStringLiteral("INSERT INTO T_DEPT (NAME, UPID) VALUES (?, 0)"));
        std::vector<int> ids;
        for (int i = 0; i < m_size.types; ++i) {
            QString name = kTypeWords.at(i % kTypeWords.size()) + QStringLiteral("类");
            if (i >= kTypeWords.size())
                name += QStringLiteral("（%1）").arg(i / kTypeWords.size() + 1);
            insert.bindValue(0, name);
            Run(insert);
            ids.push_back(insert.lastInsertId().toInt());
        }
        return ids;
    }

    QString AssociationName(int typeIndex, int indexInType) const
    {
        const int perRound = int(kColleges.size() * kAssociationSuffixes.size());
        QString name = kColleges.at(indexInType % kColleges.size())
                       + kTypeWords.at(typeIndex % kTypeWords.size())
                       + kAssociationSuffixes.at((indexInType / kColleges.size()) % kAssociationSuffixes.size());
        if (indexInType >= perRound)
            name += kChineseNumbers.at((indexInType / perRound) % kChineseNumbers.size());
        return name;
    }

    QString PersonName() { return PickFrom(kSurnames) + PickFrom(kGivenNames); }

    QString Telephone()
    {
        return QStringLiteral("1%1%2").arg(3 + Pick(6)).arg(m_random.bounded(100000000u, 999999999u));
    }

    std::vector<int> WriteAssociations(const std::vector<int>& types)
    {
        QSqlQuery insert = Prepare(QStringLiteral(
            "INSERT INTO T_DEPT (NAME, UPID, MANAGER, MANAGER_TEL, BASIC_THING, FOUND_DATE)"
            " VALUES (?, ?, ?, ?, ?, ?)"));
        std::vector<int> ids;
        if (types.empty())
            return ids;
        for (int i = 0; i < m_size.associations; ++i) {
            const int typeIndex = i % int(types.size());
            const QString name = AssociationName(typeIndex, i / int(types.size()));
            insert.bindValue(0, name);
            insert.bindValue(1, types.at(size_t(typeIndex)));
            insert.bindValue(2, PersonName());
            insert.bindValue(3, Telephone());
            const QDate founded = QDate(1980, 1, 1).addDays(Pick(14600));
            insert.bindValue(4, QStringLiteral("%1成立于%2年，定期举办%3活动，欢迎各院系同学加入。")
                                    .arg(name)
                                    .arg(founded.year())
                                    .arg(kTypeWords.at(typeIndex % kTypeWords.size())));
            insert.bindValue(5, platform::DateToIso(founded));
            Run(insert);
            ids.push_back(insert.lastInsertId().toInt());
        }
        return ids;
    }

    // Subjects alternate: one income subject for every two expense subjects.
    void WriteSubjects()
    {
        QSqlQuery insert = Prepare(QStringLiteral("INSERT INTO T_WASTE_BOOK_TYPE (NAME, IN_OUT) VALUES (?, ?)"));
        int income = 0;
        int expense = 0;
        for (int i = 0; i < m_size.subjects; ++i) {
            const bool isIncome = i % 3 == 0;
            int& n = isIncome ? income : expense;
            const QStringList& words = isIncome ? kIncomeWords : kExpenseWords;
            const QStringList& endings = isIncome ? kIncomeEndings : kExpenseEndings;
            QString name = words.at(n % words.size()) + endings.at((n / words.size()) % endings.size());
            if (n >= words.size() * endings.size())
                name += kChineseNumbers.at((n / (words.size() * endings.size())) % kChineseNumbers.size());
            ++n;
            insert.bindValue(0, name);
            insert.bindValue(1, isIncome ? QStringLiteral("收入") : QStringLiteral("支出"));
            Run(insert);
            m_subjects.push_back({insert.lastInsertId().toInt(), name});
        }
    }

    void WriteAssets()
    {
        if (m_associations.empty())
            return;
        QSqlQuery insert = Prepare(QStringLiteral(
            "INSERT INTO T_FIXED_ASSETS (DEPTID, NAME, BEGIN_USE_DATE, STATUS, FIRST_PRICE, MEMO1)"
            " VALUES (?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < m_size.assets; ++i) {
            insert.bindValue(0, m_associations.at(size_t(PickAssociation())));
            insert.bindValue(1, PickFrom(kAssetNames));
            insert.bindValue(2, PickDate());
            insert.bindValue(3, PickFrom(kStatuses));
            insert.bindValue(4, PickAmount());
            insert.bindValue(5, PickFrom(kAssetMemos));
            Run(insert);
        }
    }

    // Remarks name the subject and the month, or are empty for one entry in ten.
    void WriteEntries()
    {
        if (m_associations.empty() || m_subjects.empty())
            return;
        QSqlQuery insert = Prepare(QStringLiteral(
            "INSERT INTO T_WASTE_BOOK (DEPTID, \"DATE\", TYPEID, AMOUNT, MEMO1) VALUES (?, ?, ?, ?, ?)"));
        for (int i = 0; i < m_size.entries; ++i) {
            const Subject& subject = m_subjects.at(size_t(Pick(int(m_subjects.size()))));
            const QString date = PickDate();
            insert.bindValue(0, m_associations.at(size_t(PickAssociation())));
            insert.bindValue(1, date);
            insert.bindValue(2, subject.id);
            insert.bindValue(3, PickAmount());
            insert.bindValue(4, Pick(10) == 0 ? QString()
                                              : subject.name + QStringLiteral("（%1月）").arg(date.mid(5, 2).toInt()));
            Run(insert);
        }
    }

    QSqlDatabase m_db;
    Size m_size;
    QRandomGenerator m_random;
    QStringList m_days;
    std::vector<int> m_associations;
    std::vector<Subject> m_subjects;
};

} // namespace

std::optional<Size> StandardSize(const QString& letter)
{
    if (letter.compare(QLatin1String("S"), Qt::CaseInsensitive) == 0)
        return Size{10, 50, 5000, 20000, 60};
    if (letter.compare(QLatin1String("M"), Qt::CaseInsensitive) == 0)
        return Size{20, 500, 20000, 200000, 60};
    if (letter.compare(QLatin1String("L"), Qt::CaseInsensitive) == 0)
        return Size{40, 2000, 100000, 1000000, 60};
    return std::nullopt;
}

Size CatalogueOnly(int rows)
{
    const int types = qMax(1, rows / 50);
    return Size{types, rows - types, 0, 0, 0};
}

void Fill(const QString& filePath, const Size& size)
{
    const QString name = QStringLiteral("scale-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(filePath);
        try {
            if (!db.open())
                throw platform::DbError(db.lastError().text());
            Generator(db, size).Run();
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace ScaleData
