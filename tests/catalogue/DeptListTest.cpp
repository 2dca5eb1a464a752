#include "CatalogueFixture.h"

#include "catalogue/uDeptList.h"

class DeptList : public CatalogueTest {
protected:
    QStringList Rows() const
    {
        QStringList rows;
        const auto* grid = frmDeptList->DBGrid1;
        for (int row = 0; row < grid->RowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 6; ++column)
                cells << grid->CellText(row, column);
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }
};

TEST_F(DeptList, ListsEveryAssociationWithItsTypeOrderedByTypeName)
{
    const int sports = AddType(QStringLiteral("B 体育类"));
    const int culture = AddType(QStringLiteral("A 文化类"));
    AddDept(QStringLiteral("篮球队"), sports, QStringLiteral("2002-09-01"));
    AddDept(QStringLiteral("O''Neil 合唱团"), culture, QStringLiteral("2003-12-14"));
    AddDept(QStringLiteral("孤儿社"), 999);

    frmDeptList->ShowModal();
    EXPECT_TRUE(Desktop().Boxes().empty());
    const QStringList titles = {QStringLiteral("类型名称"), QStringLiteral("社团名称"),
                                QStringLiteral("成立时间"), QStringLiteral("负责人"),
                                QStringLiteral("负责人联系电话"), QStringLiteral("社团基本情况")};
    for (int column = 0; column < titles.size(); ++column)
        EXPECT_EQ(frmDeptList->DBGrid1->ColumnTitle(column), titles[column]);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("A 文化类|O'Neil 合唱团|2003-12-14|MGR|TEL|PROFILE"),
                                   QStringLiteral("B 体育类|篮球队|2002-09-01|MGR|TEL|PROFILE")}));

    // Every showing reads the catalogue again.
    AddDept(QStringLiteral("棋社"), culture);
    frmDeptList->ShowModal();
    ASSERT_EQ(frmDeptList->DBGrid1->RowCount(), 3);
    EXPECT_EQ(frmDeptList->DBGrid1->CellText(2, 0), QStringLiteral("B 体育类"));
}
