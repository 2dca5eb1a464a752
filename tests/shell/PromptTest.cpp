#include "ProgramFixture.h"

#include "catalogue/uEdit.h"

class Prompt : public ProgramTest {};

TEST_F(Prompt, LooksAsDescribedAndRefusalPutsTheFocusBackInTheField)
{
    TfrmEdit& e = *frmEdit;
    EXPECT_EQ(e.windowTitle(), QStringLiteral("内容编辑"));
    EXPECT_EQ(e.Label1->text(), QStringLiteral("请输入编辑内容："));
    EXPECT_EQ(e.Edt_content->accessibleName(), e.Label1->text());
    EXPECT_EQ(e.Edt_content->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(e.btn_OK->text(), QStringLiteral("O K"));
    EXPECT_EQ(e.btn_Cancel->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(e.btn_OK->autoDefault() || e.btn_Cancel->autoDefault());

    e.SetContent(QStringLiteral("文化类"));
    EXPECT_EQ(e.Edt_content->text(), QStringLiteral("文化类"));
    e.PrepareModal();
    e.Edt_content->clear();
    e.btn_OK->click();
    ASSERT_EQ(Desktop().Boxes().size(), 1u);
    EXPECT_EQ(Desktop().Boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(e.focusWidget(), e.Edt_content);
    EXPECT_EQ(e.Content, QStringLiteral("文化类"));
}
