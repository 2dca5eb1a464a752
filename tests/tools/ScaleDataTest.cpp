#include "FileDatabase.h"
#include "ProgramFixture.h"

#include "data/Schema.h"
#include "tools/ScaleData.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {

const ScaleData::Size kSmall{3, 12, 40, 500, 9};

QString Fresh(const QString& dir, const QString& name)
{
    const QString file = QDir(dir).filePath(name);
    Schema::CreateDatabase(file, QStringLiteral("ADMIN"), QStringLiteral("admin"), QStringLiteral("1"));
    ScaleData::Fill(file, kSmall);
    return file;
}

// Every row of the four tables the generator writes, as text.
QStringList Dump(const QString& file)
{
    const QString name = QUuid::createUuid().toString();
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.open();
        for (const char* table : {"T_DEPT", "T_WASTE_BOOK_TYPE", "T_FIXED_ASSETS", "T_WASTE_BOOK"}) {
            QSqlQuery query(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(QLatin1String(table)), db);
            while (query.next()) {
                QStringList cells;
                for (int i = 0; i < query.record().count(); ++i)
                    cells << query.value(i).toString();
                rows << cells.join(QLatin1Char('|'));
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

int Count(const QString& file, const QString& statement) { return ScalarIn(file, statement).toInt(); }

class ScaleDataTest : public DatabaseTest {};

TEST_F(ScaleDataTest, TheSameSizeGivesTheSameBooks)
{
    const QStringList first = Dump(Fresh(Dir(), QStringLiteral("a.mdb")));
    EXPECT_EQ(first.size(), kSmall.types + kSmall.associations + kSmall.subjects + kSmall.assets + kSmall.entries);
    EXPECT_EQ(first, Dump(Fresh(Dir(), QStringLiteral("b.mdb"))));
}

TEST_F(ScaleDataTest, BooksHaveTheirSizeAndEveryReferenceHolds)
{
    const QString file = Fresh(Dir(), QStringLiteral("books.mdb"));
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_DEPT WHERE UPID=0")), kSmall.types);
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_DEPT A, T_DEPT B WHERE A.UPID=B.ID AND B.UPID=0")),
              kSmall.associations);
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_FIXED_ASSETS A, T_DEPT B WHERE A.DEPTID=B.ID AND B.UPID>0")),
              kSmall.assets);
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_WASTE_BOOK A, T_DEPT B, T_WASTE_BOOK_TYPE C"
                                         " WHERE A.DEPTID=B.ID AND B.UPID>0 AND A.TYPEID=C.ID")),
              kSmall.entries);
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(DISTINCT IN_OUT) FROM T_WASTE_BOOK_TYPE"
                                         " WHERE IN_OUT IN ('收入','支出')")),
              2);
    // Amounts in yuan with cents, dates within the twenty years, names in Chinese.
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_WASTE_BOOK WHERE ABS(AMOUNT*100 - ROUND(AMOUNT*100)) > 1e-6"
                                         " OR AMOUNT <= 0 OR \"DATE\" NOT BETWEEN '2005-01-01' AND '2024-12-31'")),
              0);
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_DEPT WHERE LENGTH(CAST(NAME AS BLOB)) = LENGTH(NAME)")), 0);
    EXPECT_EQ(Count(file, QStringLiteral("SELECT COUNT(*) FROM T_FIXED_ASSETS"
                                         " WHERE STATUS NOT IN ('新品','良好','堪用','报废')")),
              0);
}

TEST(ScaleDataSizes, StandardSizesAndTheCatalogue)
{
    const auto large = ScaleData::StandardSize(QStringLiteral("l"));
    ASSERT_TRUE(large);
    EXPECT_EQ(large->types, 40);
    EXPECT_EQ(large->associations, 2000);
    EXPECT_EQ(large->assets, 100000);
    EXPECT_EQ(large->entries, 1000000);
    EXPECT_EQ(large->subjects, 60);
    EXPECT_EQ(ScaleData::StandardSize(QStringLiteral("S"))->entries, 20000);
    EXPECT_EQ(ScaleData::StandardSize(QStringLiteral("M"))->associations, 500);
    EXPECT_FALSE(ScaleData::StandardSize(QStringLiteral("XL")));
    const ScaleData::Size catalogue = ScaleData::CatalogueOnly(10000);
    EXPECT_EQ(catalogue.types + catalogue.associations, 10000);
    EXPECT_EQ(catalogue.entries, 0);
}

} // namespace
