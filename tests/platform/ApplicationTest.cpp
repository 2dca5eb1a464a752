#include "platform/Application.h"
#include "platform/Errors.h"
#include "platform/Form.h"
#include "platform/ScriptedDesktop.h"

#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class ThrowingShowForm : public Form {
public:
    int shows = 0;

protected:
    void FormShow() override
    {
        ++shows;
        throw Error(QStringLiteral("show failed"));
    }
};

class ScriptedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto desktop = std::make_unique<ScriptedDesktop>();
        scripted = desktop.get();
        Desktop::Install(std::move(desktop));
        Application::SetTitle(QStringLiteral("Varnholt"));
    }
    void TearDown() override { Desktop::Install(std::make_unique<QtDesktop>()); }
    ScriptedDesktop* scripted = nullptr;
};

} // namespace

TEST_F(ScriptedTest, ThrowingHandlerGivesExactlyOneErrorBoxAndTheLoopGoesOn)
{
    QPushButton button;
    int after = 0;
    Application::On(&button, &QPushButton::clicked, &button,
                    [] { throw DbError(QStringLiteral("no such table: T_X")); });
    Application::On(&button, &QPushButton::clicked, &button, [&] { ++after; });
    button.click();
    ASSERT_EQ(scripted->Boxes().size(), 1u);
    EXPECT_EQ(scripted->Boxes()[0].text, QStringLiteral("no such table: T_X"));
    EXPECT_EQ(scripted->Boxes()[0].caption, QStringLiteral("Varnholt"));
    EXPECT_EQ(scripted->Boxes()[0].icon, Icon::Error);
    EXPECT_EQ(after, 1);
}

TEST_F(ScriptedTest, ThrowingShowHandlerIsReportedAndTheFormStillOpens)
{
    ThrowingShowForm form;
    bool actionRan = false;
    scripted->OnModal([&](Form& f) {
        actionRan = true;
        f.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_TRUE(actionRan);
    EXPECT_EQ(form.shows, 1);
    ASSERT_EQ(scripted->Boxes().size(), 1u);
    EXPECT_EQ(scripted->Boxes()[0].text, QStringLiteral("show failed"));
}

TEST_F(ScriptedTest, ModalFormWithoutActionIsCancelledAndAnswersFollowTheScript)
{
    Form form;
    EXPECT_EQ(form.ShowModal(), mrCancel);
    scripted->Answer(mrNo);
    EXPECT_EQ(scripted->MessageBox(QStringLiteral("a\rb"), QStringLiteral("提示"), Icon::Question, Buttons::YesNo), mrNo);
    EXPECT_EQ(scripted->MessageBox(QStringLiteral("c"), QStringLiteral("提示"), Icon::Question, Buttons::YesNo), mrYes);
    EXPECT_EQ(scripted->Boxes()[0].text, QStringLiteral("a\rb"));
}

TEST(QtDesktopTest, RealShowEventRunsTheShowHandlerUnderTheGuard)
{
    auto scripted = std::make_unique<ScriptedDesktop>();
    ScriptedDesktop* boxes = scripted.get();
    Desktop::Install(std::move(scripted));
    ThrowingShowForm form;
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.shows, 1);
    EXPECT_EQ(boxes->Boxes().size(), 1u);
    form.hide();
    Desktop::Install(std::make_unique<QtDesktop>());
}

TEST(ApplicationTerminate, IsQueuedUntilTheLoopRuns)
{
    Application::ResetTerminated();
    Application::Terminate();
    EXPECT_TRUE(Application::Terminated());
    Application::ResetTerminated();
}
