#include "ProgramFixture.h"

#include "data/uPublic.h"
#include "ledger/uDeptInfo.h"
#include "shell/Main.h"

#include <QSet>
#include <QTreeWidget>

namespace {

// The tree as indented captions, one line per node, in display order.
QStringList Shape(QTreeWidget* tree)
{
    QStringList lines;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
            ++depth;
        lines << QString(depth * 2, QLatin1Char(' ')) + (*it)->text(0);
    }
    return lines;
}

int NodeCount(QTreeWidget* tree)
{
    int count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        ++count;
    return count;
}

} // namespace

class DeptTree : public ProgramTest {
protected:
    QTreeWidget* Tree() { return frmMain->TreeDept; }

    QTreeWidgetItem* Node(const QString& caption)
    {
        const auto found = Tree()->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    void Click(QTreeWidgetItem* node)
    {
        Tree()->setCurrentItem(node);
        frmMain->TreeDeptClick();
    }
};

TEST_F(DeptTree, TypesAndTheirAssociationsInTheOrderReturned)
{
    const int sport = AddType(QStringLiteral("体育类"));
    const int culture = AddType(QStringLiteral("文化类"));
    const int sport2 = AddType(QStringLiteral("体育类"));
    AddType(QStringLiteral("空类"));
    AddDept(QStringLiteral("合唱团"), culture);
    AddDept(QStringLiteral("篮球社"), sport);
    AddDept(QStringLiteral("足球社"), sport2);
    const int drama = AddDept(QStringLiteral(" 话剧社 "), culture);
    AddDept(QStringLiteral("无类社"), 999);
    Sql(QStringLiteral("INSERT INTO T_DEPT (NAME, UPID) VALUES ('无上级', NULL)"));

    frmMain->LoadDeptTree();

    EXPECT_EQ(Shape(Tree()), QStringList({"体育类", "  篮球社", "文化类", "  合唱团", "   话剧社 ",
                                          "体育类", "  足球社", "空类"}));
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
        EXPECT_TRUE((*it)->childCount() == 0 || (*it)->isExpanded()) << (*it)->text(0).toStdString();

    const pTreeRec* type = TreeRecOf(Tree()->topLevelItem(1));
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->ID, QString::number(culture));
    EXPECT_EQ(type->UpID, QStringLiteral("0"));
    EXPECT_TRUE(type->Root);
    const pTreeRec* association = TreeRecOf(Tree()->topLevelItem(1)->child(1));
    ASSERT_NE(association, nullptr);
    EXPECT_EQ(association->ID, QString::number(drama));
    EXPECT_EQ(association->Name, QStringLiteral(" 话剧社 "));
    EXPECT_EQ(association->UpID, QString::number(culture));
    EXPECT_FALSE(association->Root);
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(DeptTree, BuildFollowsTheStatementsOrderAndAnyDepth)
{
    const int a = AddType(QStringLiteral("甲类"));
    const int b = AddType(QStringLiteral("乙类"));
    const int x = AddDept(QStringLiteral("甲一"), a);
    AddDept(QStringLiteral("甲二"), a);
    AddDept(QStringLiteral("乙一"), b);
    AddDept(QStringLiteral("甲一下"), x);

    QTreeWidget tree;
    BuildDeptTree(QStringLiteral("SELECT ID,NAME,UPID,0 AS ROOT FROM T_DEPT ORDER BY ID DESC"), &tree);
    EXPECT_EQ(Shape(&tree), QStringList({"乙类", "  乙一", "甲类", "  甲二", "  甲一", "    甲一下"}));
    FreeTreeData(&tree);
}

TEST_F(DeptTree, RootColumnMakesTopLevelRecordsAndEveryRecordIsPlacedOnce)
{
    const int type = AddType(QStringLiteral("类"));
    AddDept(QStringLiteral("社"), type);
    const int base = pTreeRec::Live();

    QTreeWidget tree;
    // Every row is marked top-level, so the association is reached both as a
    // top-level record and as its type's child.
    BuildDeptTree(QStringLiteral("SELECT ID,NAME,UPID,1 AS Root FROM T_DEPT"), &tree);

    EXPECT_EQ(Shape(&tree), QStringList({"类", "  社"}));
    QSet<const pTreeRec*> records;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        records.insert(TreeRecOf(*it));
    EXPECT_EQ(records.size(), 2);
    EXPECT_EQ(pTreeRec::Live(), base + 2);
    FreeTreeData(&tree);
    EXPECT_EQ(pTreeRec::Live(), base);
}

TEST_F(DeptTree, EmptyCatalogueGivesAnEmptyTreeAndResetsTheFinanceWindow)
{
    frmDeptInfo->DeptID = QStringLiteral("5");
    frmDeptInfo->Edt_name->setText(QStringLiteral("旧"));

    frmMain->LoadDeptTree();

    EXPECT_EQ(Tree()->topLevelItemCount(), 0);
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());
    EXPECT_TRUE(frmDeptInfo->Edt_name->text().isEmpty());
    EXPECT_TRUE(Desktop().Boxes().empty());
    frmMain->TreeDeptClick();
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());
}

TEST_F(DeptTree, ClickingAnAssociationLoadsItAndATypeChangesNothing)
{
    const int type = AddType(QStringLiteral("文化类"));
    const int choir = AddDept(QStringLiteral("合唱团"), type);
    const int subject = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    AddEntry(choir, subject, 12.5, QStringLiteral("2004-01-01"));
    frmMain->LoadDeptTree();

    frmMain->TreeDeptClick();  // nothing selected yet
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());
    Tree()->setCurrentItem(Node(QStringLiteral("合唱团")), 0, QItemSelectionModel::NoUpdate);
    frmMain->TreeDeptClick();  // current but not selected
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());

    Click(Node(QStringLiteral("合唱团")));
    EXPECT_EQ(frmDeptInfo->DeptID, QString::number(choir));
    EXPECT_EQ(frmDeptInfo->Edt_name->text(), QStringLiteral("合唱团"));
    EXPECT_EQ(frmDeptInfo->DBG->RowCount(), 1);
    EXPECT_EQ(frmDeptInfo->Lab_Waste_in->text(), QStringLiteral("12.5"));

    Click(Node(QStringLiteral("文化类")));
    EXPECT_EQ(frmDeptInfo->DeptID, QString::number(choir));
    EXPECT_EQ(frmDeptInfo->Edt_name->text(), QStringLiteral("合唱团"));
    EXPECT_EQ(frmDeptInfo->DBG->RowCount(), 1);
    EXPECT_TRUE(Desktop().Boxes().empty());

    frmMain->LoadDeptTree();
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());
    EXPECT_EQ(frmDeptInfo->DBG->RowCount(), 0);
    EXPECT_EQ(frmDeptInfo->Lab_Waste_in->text(), QStringLiteral("12.5"));
    EXPECT_TRUE(Tree()->selectedItems().isEmpty());
}

TEST_F(DeptTree, RebuildingReleasesEveryRecordOfThePreviousTree)
{
    const int type = AddType(QStringLiteral("类"));
    AddDept(QStringLiteral("甲"), type);
    AddDept(QStringLiteral("乙"), type);
    AddDept(QStringLiteral("无类"), 999);
    const int base = pTreeRec::Live();

    frmMain->LoadDeptTree();
    EXPECT_EQ(pTreeRec::Live(), base + 3);  // the orphan's record went with the build
    frmMain->LoadDeptTree();
    EXPECT_EQ(pTreeRec::Live(), base + 3);
    EXPECT_EQ(NodeCount(Tree()), 3);
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
        EXPECT_NE(TreeRecOf(*it), nullptr);

    FreeTreeData(Tree());
    EXPECT_EQ(pTreeRec::Live(), base);
    EXPECT_EQ(NodeCount(Tree()), 3);
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
        EXPECT_EQ(TreeRecOf(*it), nullptr);
    FreeTreeData(Tree());  // a second release finds nothing to release
    EXPECT_EQ(pTreeRec::Live(), base);
}

TEST_F(DeptTree, LargeCatalogueBuildsCompletely)
{
    Sql(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<100)"
                       " INSERT INTO T_DEPT (NAME, UPID) SELECT '类' || i, 0 FROM n"));
    Sql(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<9900)"
                       " INSERT INTO T_DEPT (NAME, UPID) SELECT '社' || i, i % 100 + 1 FROM n"));

    frmMain->LoadDeptTree();

    ASSERT_EQ(Tree()->topLevelItemCount(), 100);
    EXPECT_EQ(NodeCount(Tree()), 10000);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(Tree()->topLevelItem(i)->childCount(), 99) << i;
    const QTreeWidgetItem* first = Tree()->topLevelItem(0);
    EXPECT_EQ(first->text(0), QStringLiteral("类1"));
    EXPECT_EQ(first->child(0)->text(0), QStringLiteral("社100"));
    EXPECT_EQ(first->child(98)->text(0), QStringLiteral("社9900"));
    EXPECT_EQ(Tree()->topLevelItem(99)->child(0)->text(0), QStringLiteral("社99"));
}
