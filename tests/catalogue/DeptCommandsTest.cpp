#include "CatalogueFixture.h"

#include "ledger/uDeptInfo.h"
#include "platform/Conversions.h"

#include <QTest>

using platform::Icon;
using Command = void (TfrmMain::*)();

class DeptCommands : public CatalogueTest {
protected:
    int BookCount(int dept)
    {
        return Scalar(QStringLiteral("SELECT (SELECT COUNT(*) FROM T_FIXED_ASSETS WHERE DEPTID=%1)"
                                     " + (SELECT COUNT(*) FROM T_WASTE_BOOK WHERE DEPTID=%1)")
                          .arg(dept))
            .toInt();
    }
};

TEST_F(DeptCommands, CommandsOnTheWrongNodeOrWithoutSelectionDoNothing)
{
    const struct {
        const char* name;
        Command command;
    } selectionCommands[] = {
        {"rename type", &TfrmMain::NModiDeptTypeClick},
        {"delete type", &TfrmMain::NDeleDeptTypeClick},
        {"change association", &TfrmMain::NModiDeptClick},
        {"delete association", &TfrmMain::NDeleDeptClick},
    };
    const auto expectNothing = [&](const QString& situation, const QString& before) {
        EXPECT_TRUE(Desktop().Boxes().empty()) << situation.toStdString();
        EXPECT_TRUE(Desktop().ShownForms().empty()) << situation.toStdString();
        EXPECT_EQ(Catalogue(), before) << situation.toStdString();
    };

    for (const auto& c : selectionCommands) {
        (frmMain->*c.command)();
        expectNothing(QStringLiteral("empty tree, ") + QLatin1String(c.name), Catalogue());
    }

    const int type = AddType(QStringLiteral("文化类"));
    AddDept(QStringLiteral("合唱团"), type);
    ShowTree();
    const QString before = Catalogue();
    for (const auto& c : selectionCommands) {
        frmMain->TreeDept->setCurrentItem(nullptr);
        (frmMain->*c.command)();
        expectNothing(QStringLiteral("no selection, ") + QLatin1String(c.name), before);
    }
    const struct {
        const char* node;
        Command command;
    } wrongKind[] = {
        {"合唱团", &TfrmMain::NModiDeptTypeClick},
        {"合唱团", &TfrmMain::NDeleDeptTypeClick},
        {"文化类", &TfrmMain::NModiDeptClick},
        {"文化类", &TfrmMain::NDeleDeptClick},
    };
    for (const auto& c : wrongKind) {
        Select(QString::fromUtf8(c.node));
        (frmMain->*c.command)();
        expectNothing(QStringLiteral("wrong node ") + QString::fromUtf8(c.node), before);
    }
}

TEST_F(DeptCommands, TypeWithAssociationsIsNotDeleted)
{
    const int type = AddType(QStringLiteral("文化类"));
    AddDept(QStringLiteral("合唱团"), type);
    ShowTree();
    const QString before = Catalogue();
    Select(QStringLiteral("文化类"));
    frmMain->NDeleDeptTypeClick();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("该类型含有社团信息，不能删除！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Warning);
    EXPECT_EQ(Desktop().Boxes()[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(Catalogue(), before);
}

TEST_F(DeptCommands, TypeWithoutAssociationsIsDeletedOnlyAfterYes)
{
    const int culture = AddType(QStringLiteral("文化类"));
    const int sports = AddType(QStringLiteral("体育类"));
    AddDept(QStringLiteral("合唱团"), culture);
    ShowTree();
    Select(QStringLiteral("体育类"));

    Desktop().Answer(platform::mrNo);
    frmMain->NDeleDeptTypeClick();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("确实要删除该社团类型吗？"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Question);
    EXPECT_EQ(Desktop().Boxes()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_DEPT WHERE ID=%1").arg(sports)).toInt(), 1);

    Desktop().Answer(platform::mrYes);
    frmMain->NDeleDeptTypeClick();
    EXPECT_EQ(Desktop().Boxes().size(), 2u);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_DEPT WHERE ID=%1").arg(sports)).toInt(), 0);
    EXPECT_EQ(Node(QStringLiteral("体育类")), nullptr);
    EXPECT_NE(Node(QStringLiteral("合唱团")), nullptr);
}

TEST_F(DeptCommands, TypeNamesAreStoredAsTypedQuotesIncluded)
{
    QString preset = QStringLiteral("unset");
    Desktop().OnModal([&](platform::Form& form) {
        auto& prompt = static_cast<TfrmEdit&>(form);
        preset = prompt.Edt_content->text();
        prompt.Content = QStringLiteral("O'Neil 协会");
        prompt.SetModalResult(platform::mrOk);
    });
    frmMain->NnewDeptTypeClick();
    EXPECT_TRUE(preset.isEmpty());
    EXPECT_TRUE(Desktop().Boxes().empty());
    const int type = Scalar(QStringLiteral("SELECT ID FROM T_DEPT WHERE NAME='O''Neil 协会' AND UPID=0")).toInt();
    ASSERT_GT(type, 0);

    Select(QStringLiteral("O'Neil 协会"));
    Desktop().OnModal([&](platform::Form& form) {
        auto& prompt = static_cast<TfrmEdit&>(form);
        preset = prompt.Edt_content->text();
        prompt.Content = QStringLiteral("O'Brien's");
        prompt.SetModalResult(platform::mrOk);
    });
    frmMain->NModiDeptTypeClick();
    EXPECT_EQ(preset, QStringLiteral("O'Neil 协会"));
    EXPECT_EQ(Stored(QStringLiteral("NAME"), type), QStringLiteral("O'Brien's"));
    EXPECT_NE(Node(QStringLiteral("O'Brien's")), nullptr);
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(DeptCommands, NewAssociationWithoutTypesIsRefused)
{
    frmMain->NnewDeptClick();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("没有社团类型信息，不能编辑！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Warning);
    EXPECT_TRUE(Desktop().ShownForms().empty());
    EXPECT_TRUE(Catalogue().isEmpty());
}

TEST_F(DeptCommands, NewAssociationStartsEmptyAndStoresWhatWasEntered)
{
    const int culture = AddType(QStringLiteral("文化类"));
    const int sports = AddType(QStringLiteral("体育类"));
    const int choir = AddDept(QStringLiteral("合唱团"), sports, QStringLiteral("1999-09-09"));
    ShowTree();
    // An earlier use of the editor leaves nothing behind.
    Select(QStringLiteral("合唱团"));
    frmMain->NModiDeptClick();

    OnModalOk<TfrmDeptEdit>([&](TfrmDeptEdit& edit) {
        EXPECT_TRUE(edit.Edt_name->text().isEmpty());
        EXPECT_TRUE(edit.Edt_Manager->text().isEmpty());
        EXPECT_TRUE(edit.Edt_Manager_Tel->text().isEmpty());
        EXPECT_TRUE(edit.Memo1->toPlainText().isEmpty());
        EXPECT_EQ(edit.cbo_DeptType->count(), 2);
        EXPECT_EQ(edit.cbo_DeptType->currentIndex(), 0);
        EXPECT_EQ(edit.cbo_DeptType->SelectedId(), culture);
        EXPECT_EQ(edit.dtp_found->date(), QDate(2003, 1, 1));

        QTest::keyClicks(edit.Edt_name, QStringLiteral("o'neil chess"));
        QTest::keyClicks(edit.Edt_Manager, QStringLiteral("wang li"));
        QTest::keyClicks(edit.Edt_Manager_Tel, QStringLiteral("ext 12a"));
        edit.Memo1->setPlainText(QStringLiteral("每周 meeting"));
        edit.cbo_DeptType->SelectId(sports);
        edit.dtp_found->setDate(QDate(2003, 12, 14));
        EXPECT_EQ(edit.Edt_name->text(), QStringLiteral("O'NEIL CHESS"));
    });
    frmMain->NnewDeptClick();

    EXPECT_TRUE(Desktop().Boxes().empty());
    const int chess = Scalar(QStringLiteral("SELECT MAX(ID) FROM T_DEPT")).toInt();
    ASSERT_NE(chess, choir);
    EXPECT_EQ(Stored(QStringLiteral("NAME"), chess), QStringLiteral("O'NEIL CHESS"));
    EXPECT_EQ(Stored(QStringLiteral("UPID"), chess), QString::number(sports));
    EXPECT_EQ(Stored(QStringLiteral("MANAGER"), chess), QStringLiteral("WANG LI"));
    EXPECT_EQ(Stored(QStringLiteral("MANAGER_TEL"), chess), QStringLiteral("EXT 12A"));
    EXPECT_EQ(Stored(QStringLiteral("BASIC_THING"), chess), QStringLiteral("每周 meeting"));
    EXPECT_EQ(Stored(QStringLiteral("FOUND_DATE"), chess), QStringLiteral("2003-12-14"));
    EXPECT_NE(Node(QStringLiteral("O'NEIL CHESS")), nullptr);
}

TEST_F(DeptCommands, EmptyNameIsRefusedWhileOtherFieldsMayStayEmpty)
{
    const int type = AddType(QStringLiteral("文化类"));
    Desktop().OnModal([&](platform::Form& form) {
        auto& edit = static_cast<TfrmDeptEdit&>(form);
        edit.btn_OKClick();
        EXPECT_EQ(edit.ModalResult(), platform::mrNone);
        ASSERT_EQ(Desktop().Boxes().size(), 1u);
        EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("不能输入空值！"));
        EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
        EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Warning);
        edit.Edt_name->setText(QStringLiteral(" "));
        edit.btn_OKClick();
    });
    frmMain->NnewDeptClick();
    EXPECT_EQ(Desktop().Boxes().size(), 1u);
    const int dept = Scalar(QStringLiteral("SELECT MAX(ID) FROM T_DEPT")).toInt();
    EXPECT_NE(dept, type);
    EXPECT_EQ(Stored(QStringLiteral("NAME"), dept), QStringLiteral(" "));
    EXPECT_TRUE(Stored(QStringLiteral("MANAGER"), dept).isEmpty());
}

TEST_F(DeptCommands, ChangingAnAssociationShowsItsStoredValuesAndThenTheChange)
{
    const int culture = AddType(QStringLiteral("文化类"));
    const int sports = AddType(QStringLiteral("体育类"));
    const int choir = Insert(QStringLiteral(
        "INSERT INTO T_DEPT (NAME, UPID, MANAGER, MANAGER_TEL, BASIC_THING, FOUND_DATE)"
        " VALUES ('合唱团', %1, '张三', '13800001111', '第一行\n第二行', '2001-05-04')").arg(sports));
    ShowTree();
    Select(QStringLiteral("合唱团"));

    OnModalOk<TfrmDeptEdit>([&](TfrmDeptEdit& edit) {
        EXPECT_EQ(edit.Edt_name->text(), QStringLiteral("合唱团"));
        EXPECT_EQ(edit.cbo_DeptType->SelectedId(), sports);
        EXPECT_EQ(edit.Edt_Manager->text(), QStringLiteral("张三"));
        EXPECT_EQ(edit.Edt_Manager_Tel->text(), QStringLiteral("13800001111"));
        EXPECT_EQ(edit.Memo1->toPlainText(), QStringLiteral("第一行\n第二行"));
        EXPECT_EQ(edit.dtp_found->date(), QDate(2001, 5, 4));
        edit.Edt_name->setText(QStringLiteral("O'Neil 合唱团"));
        edit.cbo_DeptType->SelectId(culture);
        edit.dtp_found->setDate(QDate(2003, 12, 14));
    });
    frmMain->NModiDeptClick();

    EXPECT_TRUE(Desktop().Boxes().empty());
    EXPECT_EQ(Stored(QStringLiteral("NAME"), choir), QStringLiteral("O'NEIL 合唱团"));
    EXPECT_EQ(Stored(QStringLiteral("UPID"), choir), QString::number(culture));
    EXPECT_EQ(Stored(QStringLiteral("FOUND_DATE"), choir), QStringLiteral("2003-12-14"));
    EXPECT_EQ(Stored(QStringLiteral("BASIC_THING"), choir), QStringLiteral("第一行\n第二行"));
    EXPECT_EQ(frmDeptInfo->DeptID, QString::number(choir));
    EXPECT_EQ(frmDeptInfo->Edt_name->text(), QStringLiteral("O'NEIL 合唱团"));
    ASSERT_NE(Node(QStringLiteral("O'NEIL 合唱团")), nullptr);
    EXPECT_EQ(Node(QStringLiteral("O'NEIL 合唱团"))->parent(), Node(QStringLiteral("文化类")));

    // Opened again, the editor shows the change as stored.
    Select(QStringLiteral("O'NEIL 合唱团"));
    Desktop().OnModal([&](platform::Form& form) {
        auto& edit = static_cast<TfrmDeptEdit&>(form);
        EXPECT_EQ(edit.Edt_name->text(), QStringLiteral("O'NEIL 合唱团"));
        EXPECT_EQ(edit.dtp_found->date(), QDate(2003, 12, 14));
        EXPECT_EQ(edit.cbo_DeptType->SelectedId(), culture);
    });
    frmMain->NModiDeptClick();
}

TEST_F(DeptCommands, AssociationWhoseTypeIsGoneCannotBeConfirmedWithoutAType)
{
    const int culture = AddType(QStringLiteral("文化类"));
    const int sports = AddType(QStringLiteral("体育类"));
    const int choir = AddDept(QStringLiteral("合唱团"), sports);
    ShowTree();
    Sql(QStringLiteral("DELETE FROM T_DEPT WHERE ID=%1").arg(sports));
    const QString before = Catalogue();
    Select(QStringLiteral("合唱团"));

    Desktop().OnModal([&](platform::Form& form) {
        auto& edit = static_cast<TfrmDeptEdit&>(form);
        EXPECT_EQ(edit.cbo_DeptType->count(), 1);
        EXPECT_EQ(edit.cbo_DeptType->currentIndex(), -1);
        edit.btn_OKClick();
        EXPECT_EQ(edit.ModalResult(), platform::mrNone);
        ASSERT_EQ(Desktop().Boxes().size(), 1u);
        EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("请选择社团类别！"));
        EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
        EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Warning);
        EXPECT_EQ(edit.DeptTypeID, QString::number(sports));
        edit.btn_CancelClick();
    });
    frmMain->NModiDeptClick();
    EXPECT_EQ(Catalogue(), before);

    // Picking an existing type lets the association be kept after all.
    Desktop().OnModal([&](platform::Form& form) {
        auto& edit = static_cast<TfrmDeptEdit&>(form);
        edit.cbo_DeptType->SelectId(culture);
        edit.btn_OKClick();
    });
    frmMain->NModiDeptClick();
    EXPECT_EQ(Stored(QStringLiteral("UPID"), choir), QString::number(culture));
}

TEST_F(DeptCommands, CancelOrNoWritesNothingAndKeepsTheView)
{
    const int culture = AddType(QStringLiteral("文化类"));
    AddType(QStringLiteral("体育类"));
    const int choir = AddDept(QStringLiteral("合唱团"), culture);
    ShowTree();
    const QString before = Catalogue();
    const struct {
        const char* name;
        const char* node;
        Command command;
        bool asksYesNo;
    } cases[] = {
        {"new type", "文化类", &TfrmMain::NnewDeptTypeClick, false},
        {"rename type", "文化类", &TfrmMain::NModiDeptTypeClick, false},
        {"delete type", "体育类", &TfrmMain::NDeleDeptTypeClick, true},
        {"new association", "合唱团", &TfrmMain::NnewDeptClick, false},
        {"change association", "合唱团", &TfrmMain::NModiDeptClick, false},
        {"delete association", "合唱团", &TfrmMain::NDeleDeptClick, true},
    };
    for (const auto& c : cases) {
        Desktop().Clear();
        frmDeptInfo->DeptID = QString::number(choir);
        Select(QString::fromUtf8(c.node));
        if (c.asksYesNo) {
            Desktop().Answer(platform::mrNo);
        } else {
            // The user edits, then cancels.
            Desktop().OnModal([](platform::Form& form) {
                if (auto* prompt = qobject_cast<TfrmEdit*>(&form)) {
                    prompt->Edt_content->setText(QStringLiteral("changed"));
                    prompt->SetModalResult(platform::mrCancel);
                } else {
                    auto& edit = static_cast<TfrmDeptEdit&>(form);
                    edit.Edt_name->setText(QStringLiteral("CHANGED"));
                    edit.btn_CancelClick();
                }
            });
        }
        (frmMain->*c.command)();
        EXPECT_EQ(Catalogue(), before) << c.name;
        EXPECT_EQ(Desktop().Boxes().size(), c.asksYesNo ? 1u : 0u) << c.name;
        EXPECT_EQ(frmMain->TreeDept->currentItem(), Node(QString::fromUtf8(c.node))) << c.name;
        EXPECT_EQ(frmDeptInfo->DeptID, QString::number(choir)) << c.name;
    }
}

TEST_F(DeptCommands, DeletingAnAssociationRemovesItsBooksAndEmptiesTheFinanceWindow)
{
    const int type = AddType(QStringLiteral("文化类"));
    const int subject = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    const int choir = AddDept(QStringLiteral("O''Neil 合唱团"), type);
    const int chess = AddDept(QStringLiteral("棋社"), type);
    for (int dept : {choir, chess}) {
        AddFixed(dept, QStringLiteral("钢琴"), 1200, QStringLiteral("2003-03-01"));
        AddEntry(dept, subject, 50, QStringLiteral("2003-04-01"));
    }
    ShowTree();
    Select(QStringLiteral("O'Neil 合唱团"));
    frmMain->TreeDeptClick();
    ASSERT_EQ(frmDeptInfo->Edt_name->text(), QStringLiteral("O'NEIL 合唱团"));

    frmMain->NDeleDeptClick();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text,
              QStringLiteral("确实要删除该社团吗？\r该社团所有财务数据也将清除！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Question);
    EXPECT_EQ(Desktop().Boxes()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_DEPT WHERE ID=%1").arg(choir)).toInt(), 0);
    EXPECT_EQ(BookCount(choir), 0);
    EXPECT_EQ(BookCount(chess), 2);
    EXPECT_EQ(Node(QStringLiteral("O'Neil 合唱团")), nullptr);
    EXPECT_TRUE(frmDeptInfo->DeptID.isEmpty());
    EXPECT_TRUE(frmDeptInfo->Edt_name->text().isEmpty());
}

TEST_F(DeptCommands, FailedDeletionKeepsTheAssociationWithItsBooks)
{
    const int type = AddType(QStringLiteral("文化类"));
    const int subject = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    const int choir = AddDept(QStringLiteral("合唱团"), type);
    AddFixed(choir, QStringLiteral("钢琴"), 1200, QStringLiteral("2003-03-01"));
    AddEntry(choir, subject, 50, QStringLiteral("2003-04-01"));
    ShowTree();
    Select(QStringLiteral("合唱团"));
    // The association row itself cannot be deleted, after its books were.
    Sql(QStringLiteral("CREATE TRIGGER KEEP_DEPT BEFORE DELETE ON T_DEPT BEGIN SELECT RAISE(ABORT, 'kept'); END"));

    frmMain->NDeleDeptClick();
    ASSERT_EQ(Desktop().Boxes().size(), 2u);
    EXPECT_EQ(Desktop().Boxes()[1].text, QStringLiteral("删除社团信息时产生错误！"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_DEPT WHERE ID=%1").arg(choir)).toInt(), 1);
    EXPECT_EQ(BookCount(choir), 2);
    EXPECT_NE(Node(QStringLiteral("合唱团")), nullptr);
}
