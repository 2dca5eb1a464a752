#include "ProgramFixture.h"

#include "subjects/uDicSubject.h"
#include "subjects/uWasteItemEdit.h"

#include <QTest>

using platform::Icon;

class SubjectDictionary : public ProgramTest {
protected:
    // Shows the dictionary (which lists the subjects) and runs the action in it.
    void InDictionary(const std::function<void()>& action)
    {
        Desktop().OnModal([&](platform::Form&) { action(); });
        frmDicSubject->ShowModal();
    }

    // What the editor showed when it opened, and what the user did in it.
    struct EditorSeen {
        QString name;
        bool income = false;
    };
    EditorSeen* ScriptEditor(const std::function<void()>& userAction)
    {
        Desktop().OnModal([this, userAction](platform::Form&) {
            seen = {frmWasteTypeEdit->Edt_name->text(), frmWasteTypeEdit->rb_in->isChecked()};
            userAction();
        });
        return &seen;
    }

    QStringList Listed() const
    {
        QStringList names;
        for (int i = 0; i < frmDicSubject->lb_subject->count(); ++i)
            names << frmDicSubject->lb_subject->item(i)->text();
        return names;
    }

    void Select(int row) { frmDicSubject->lb_subject->item(row)->setSelected(true); }

    QString Stored(int id, const QString& column)
    {
        return Scalar(QStringLiteral("SELECT %1 FROM T_WASTE_BOOK_TYPE WHERE ID=%2").arg(column).arg(id)).toString();
    }

    EditorSeen seen;
};

TEST_F(SubjectDictionary, ListsTrimmedNamesInStoredOrderWithTheirIds)
{
    const int a = AddSubject(QStringLiteral("  会费 "), QStringLiteral("收入"));
    const int b = AddSubject(QStringLiteral("纸张"), QStringLiteral("支出"));
    InDictionary([&] {
        EXPECT_EQ(Listed(), QStringList({QStringLiteral("会费"), QStringLiteral("纸张")}));
        EXPECT_EQ(frmDicSubject->lb_subject->IdAt(0), a);
        EXPECT_EQ(frmDicSubject->lb_subject->IdAt(1), b);
    });
    EXPECT_EQ(frmDicSubject->windowTitle(), QStringLiteral("科目字典"));
    EXPECT_FALSE(frmDicSubject->lb_subject->isSortingEnabled());
    EXPECT_EQ(frmDicSubject->lb_subject->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(SubjectDictionary, NewSubjectOpensEmptyAsExpenseAndIsStoredAndListedAtOnce)
{
    AddSubject(QStringLiteral("纸张"), QStringLiteral("支出"));
    frmWasteTypeEdit->SetSubject(QStringLiteral("上次"), QStringLiteral("收入"));
    InDictionary([this] {
        ScriptEditor([] {
            QTest::keyClicks(frmWasteTypeEdit->Edt_name, QStringLiteral("club dues"));
            frmWasteTypeEdit->rb_in->setChecked(true);
            frmWasteTypeEdit->btn_OKClick();
        });
        frmDicSubject->btn_newClick();
        EXPECT_EQ(Listed(), QStringList({QStringLiteral("纸张"), QStringLiteral("CLUB DUES")}));
    });
    EXPECT_EQ(seen.name, QString());
    EXPECT_FALSE(seen.income);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT IN_OUT FROM T_WASTE_BOOK_TYPE WHERE NAME='CLUB DUES'")).toString(),
              QStringLiteral("收入"));
}

// The editor opens on the subject's stored kind, so that a new name alone never
// turns an income subject into an expense one (which would change every sum it
// counts in).
TEST_F(SubjectDictionary, ModifyOpensOnTheStoredKindAndKeepsItUnlessChanged)
{
    for (const QString& kind : {QStringLiteral("收入"), QStringLiteral("支出")}) {
        SCOPED_TRACE(kind.toStdString());
        const int id = AddSubject(QStringLiteral("旧名"), kind);
        InDictionary([this] {
            Select(Listed().size() - 1);
            ScriptEditor([] {
                frmWasteTypeEdit->Edt_name->setText(QStringLiteral("新名"));
                frmWasteTypeEdit->btn_OKClick();
            });
            frmDicSubject->btn_modiClick();
            EXPECT_EQ(Listed().last(), QStringLiteral("新名"));
            EXPECT_TRUE(frmDicSubject->lb_subject->selectedItems().isEmpty()) << "the list was read again";
        });
        EXPECT_EQ(seen.name, QStringLiteral("旧名"));
        EXPECT_EQ(seen.income, kind == QStringLiteral("收入"));
        EXPECT_EQ(Stored(id, QStringLiteral("NAME")), QStringLiteral("新名"));
        EXPECT_EQ(Stored(id, QStringLiteral("IN_OUT")), kind);
    }
}

TEST_F(SubjectDictionary, ModifyStoresTheKindChosenAndTheNameAsTheEditorHoldsIt)
{
    const int id = AddSubject(QStringLiteral(" paper "), QStringLiteral("支出"));
    InDictionary([this] {
        Select(0);
        ScriptEditor([] {
            frmWasteTypeEdit->rb_in->setChecked(true);
            frmWasteTypeEdit->btn_OKClick();
        });
        frmDicSubject->btn_modiClick();
    });
    EXPECT_EQ(seen.name, QStringLiteral("PAPER"));
    EXPECT_EQ(Stored(id, QStringLiteral("NAME")), QStringLiteral("PAPER"));
    EXPECT_EQ(Stored(id, QStringLiteral("IN_OUT")), QStringLiteral("收入"));
}

TEST_F(SubjectDictionary, CancelInTheEditorWritesNothingAndLeavesTheListAsItWas)
{
    AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    InDictionary([this] {
        Select(0);
        ScriptEditor([] {
            frmWasteTypeEdit->Edt_name->setText(QStringLiteral("改"));
            frmWasteTypeEdit->btn_CancelClick();
        });
        frmDicSubject->btn_modiClick();
        ScriptEditor([] {
            frmWasteTypeEdit->Edt_name->setText(QStringLiteral("新"));
            frmWasteTypeEdit->btn_CancelClick();
        });
        frmDicSubject->btn_newClick();
        EXPECT_TRUE(frmDicSubject->lb_subject->item(0)->isSelected()) << "the list was not read again";
    });
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM T_WASTE_BOOK_TYPE")).toInt(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT NAME FROM T_WASTE_BOOK_TYPE")).toString(), QStringLiteral("会费"));
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(SubjectDictionary, ModifyWithNothingSelectedDoesNothing)
{
    InDictionary([] { frmDicSubject->btn_modiClick(); });
    AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    InDictionary([] { frmDicSubject->btn_modiClick(); });
    EXPECT_EQ(Desktop().ShownForms().size(), 2u) << "the editor never opened";
    EXPECT_TRUE(Desktop().Boxes().empty());
}

TEST_F(SubjectDictionary, EditorRefusesOnlyTheEmptyName)
{
    frmWasteTypeEdit->SetSubject(QString(), QStringLiteral("支出"));
    frmWasteTypeEdit->SubjectName = QStringLiteral("before");
    Desktop().OnModal([](platform::Form&) { frmWasteTypeEdit->btn_OKClick(); });
    EXPECT_EQ(frmWasteTypeEdit->ShowModal(), platform::mrCancel) << "the editor stays open";
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].text, QStringLiteral("不能输入空值！"));
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Desktop().Boxes()[0].icon, Icon::Warning);
    EXPECT_EQ(frmWasteTypeEdit->SubjectName, QStringLiteral("before"));

    frmWasteTypeEdit->SetSubject(QStringLiteral("  "), QStringLiteral("收入"));
    Desktop().OnModal([](platform::Form&) { frmWasteTypeEdit->btn_OKClick(); });
    EXPECT_EQ(frmWasteTypeEdit->ShowModal(), platform::mrOk);
    EXPECT_EQ(frmWasteTypeEdit->SubjectName, QStringLiteral("  "));
    EXPECT_EQ(frmWasteTypeEdit->SubjectInOut, QStringLiteral("收入"));
}

TEST_F(SubjectDictionary, EditorSelectsIncomeOnlyForExactlyTheIncomeKind)
{
    const struct {
        QString kind;
        bool income;
    } cases[] = {{QStringLiteral("收入"), true}, {QStringLiteral("支出"), false},
                 {QStringLiteral(" 收入"), false}, {QString(), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind.toStdString());
        frmWasteTypeEdit->SetSubject(QStringLiteral("x"), c.kind);
        EXPECT_EQ(frmWasteTypeEdit->rb_in->isChecked(), c.income);
        EXPECT_NE(frmWasteTypeEdit->rb_in->isChecked(), frmWasteTypeEdit->rb_out->isChecked());
    }
    EXPECT_EQ(frmWasteTypeEdit->windowTitle(), QStringLiteral("财务科目编辑："));
    EXPECT_EQ(frmWasteTypeEdit->Edt_name->accessibleName(), QStringLiteral("科目名称"));
}

// Worked from the keyboard on a shown window: arrow to a subject, Tab to "修改",
// Enter opens the editor on it; "离开" closes the dictionary.
TEST_F(SubjectDictionary, DictionaryCanBeWorkedFromTheKeyboard)
{
    AddSubject(QStringLiteral("纸张"), QStringLiteral("支出"));
    AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    frmDicSubject->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmDicSubject));
    ASSERT_EQ(QApplication::focusWidget(), frmDicSubject->lb_subject);
    QTest::keyClick(frmDicSubject->lb_subject, Qt::Key_Down);
    ASSERT_TRUE(frmDicSubject->lb_subject->item(1)->isSelected());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), frmDicSubject->btn_modi);

    ScriptEditor([] { frmWasteTypeEdit->btn_CancelClick(); });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(seen.name, QStringLiteral("会费"));
    EXPECT_TRUE(seen.income);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), frmDicSubject->btn_close);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(frmDicSubject->isVisible());
}

// Filled in from the keyboard: add to the name, Tab to the kinds, arrow to the other one,
// Tab to OK, Enter.
TEST_F(SubjectDictionary, EditorCanBeFilledFromTheKeyboard)
{
    frmWasteTypeEdit->SetSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    frmWasteTypeEdit->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmWasteTypeEdit));
    ASSERT_EQ(QApplication::focusWidget(), frmWasteTypeEdit->Edt_name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), frmWasteTypeEdit->rb_in);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(frmWasteTypeEdit->rb_out->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), frmWasteTypeEdit->btn_OK);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_EQ(frmWasteTypeEdit->ModalResult(), platform::mrOk);
    EXPECT_EQ(frmWasteTypeEdit->SubjectName, QStringLiteral("会费X"));
    EXPECT_EQ(frmWasteTypeEdit->SubjectInOut, QStringLiteral("支出"));
}
