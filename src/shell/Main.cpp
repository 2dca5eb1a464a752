#include "shell/Main.h"

#include "catalogue/uDeptList.h"
#include "catalogue/uEdit.h"
#include "data/uClassData.h"
#include "data/uPublic.h"
#include "ledger/uDeptInfo.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "shell/ApplicationIcon.h"
#include "shell/dbmodule.h"
#include "shell/uAbout.h"
#include "shell/uLog.h"
#include "subjects/uDicSubject.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

TfrmMain* frmMain = nullptr;

using platform::Application;

namespace {

QIcon StandardIcon(QStyle::StandardPixmap pixmap)
{
    return QApplication::style()->standardIcon(pixmap);
}

// Opens a context menu on a right click without moving the view's selection.
class RightClickMenu : public QObject {
public:
    RightClickMenu(QAbstractItemView* view, QMenu* menu) : QObject(view), m_view(view), m_menu(menu)
    {
        view->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease
            && type != QEvent::MouseButtonDblClick)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        if (type == QEvent::MouseButtonRelease)
            m_menu->popup(m_view->viewport()->mapToGlobal(mouse->position().toPoint()));
        return true;
    }

private:
    QAbstractItemView* m_view;
    QMenu* m_menu;
};

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Varnholt"));
    setWindowIcon(ApplicationIcon());
    CreateMenu();
    CreateToolBar();

    ClientArea = new QMdiArea(this);
    ClientArea->setBackground(palette().brush(QPalette::Dark));
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(CreateLeftPane());
    layout->addWidget(ClientArea, 1);
    setCentralWidget(central);
    ConnectHandlers();
}

void TfrmMain::CreateMenu()
{
    NTestBase = menuBar()->addMenu(QStringLiteral("财务管理"));
    NViewDeptInfo = NTestBase->addAction(StandardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("财务情况浏览"));
    NAddData = NTestBase->addAction(StandardIcon(QStyle::SP_FileDialogNewFolder), QStringLiteral("添加固定资产"));
    N4 = NTestBase->addAction(StandardIcon(QStyle::SP_FileIcon), QStringLiteral("添加流水帐目"));

    // Reports that this program does not offer: the menu stays hidden.
    NTestPaper = menuBar()->addMenu(QStringLiteral("查询统计"));
    NTestPaper->addAction(QStringLiteral("自定条件查询"));
    NTestPaper->addAction(QStringLiteral("本月财务分析"));
    NTestPaper->addAction(QStringLiteral("分类统计"));
    NTestPaper->addSeparator();
    NTestPaper->addAction(QStringLiteral("月报表"));
    NTestPaper->menuAction()->setVisible(false);

    NDictionary = menuBar()->addMenu(QStringLiteral("字典管理"));
    NDic_subject = NDictionary->addAction(StandardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("科目字典"));
    NDept = NDictionary->addAction(StandardIcon(QStyle::SP_DirIcon), QStringLiteral("社团列表"));
    NDictionary->addSeparator()->setVisible(false);
    N13 = NDictionary->addAction(QStringLiteral("用户字典"));
    N13->setVisible(false);

    NSystem = menuBar()->addMenu(QStringLiteral("系统"));
    NSetPassword = NSystem->addAction(StandardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("修改密码"));
    N6 = NSystem->addAction(StandardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("数据备份"));

    NAbout = menuBar()->addAction(QStringLiteral("关于"));
}

void TfrmMain::CreateToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("工具栏"));
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    const auto button = [this](const QString& caption, const QIcon& icon) {
        auto* tool = new QToolButton(ToolBar1);
        tool->setText(caption);
        tool->setIcon(icon);
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tool->setAutoRaise(true);
        tool->setMinimumWidth(64);
        ToolBar1->addWidget(tool);
        return tool;
    };
    tb_search = button(NViewDeptInfo->text(), NViewDeptInfo->icon());
    ToolBar1->addSeparator();
    ToolBar1->addSeparator();
    tb_Dic_Subject = button(NDic_subject->text(), NDic_subject->icon());
    ToolButton5 = button(NDept->text(), NDept->icon());
    ToolBar1->addSeparator();
    tb_first = button(QStringLiteral("第一条"), StandardIcon(QStyle::SP_MediaSkipBackward));
    tb_prior = button(QStringLiteral("上一条"), StandardIcon(QStyle::SP_MediaSeekBackward));
    tb_next = button(QStringLiteral("下一条"), StandardIcon(QStyle::SP_MediaSeekForward));
    tb_last = button(QStringLiteral("最后条"), StandardIcon(QStyle::SP_MediaSkipForward));
    ToolBar1->addSeparator();
    tb_close = button(QStringLiteral(" 退出 "), StandardIcon(QStyle::SP_DialogCloseButton));

    // A linked button takes its entry's enabled state once, now, and does not
    // follow it later.
    tb_search->setEnabled(NViewDeptInfo->isEnabled());
    tb_Dic_Subject->setEnabled(NDic_subject->isEnabled());
    ToolButton5->setEnabled(NDept->isEnabled());
}

QWidget* TfrmMain::CreateLeftPane()
{
    Panel1 = new QWidget(this);
    Panel1->setFixedWidth(260);
    PC = new QTabWidget(Panel1);
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PC);

    TabSheet1 = new QWidget(PC);
    TreeDept = new QTreeWidget(TabSheet1);
    TreeDept->setHeaderHidden(true);
    TreeDept->setIndentation(19);
    TreeDept->setSortingEnabled(false);
    TreeDept->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeDept->setSelectionBehavior(QAbstractItemView::SelectRows);
    QFont bold = TreeDept->font();
    bold.setBold(true);
    TreeDept->setFont(bold);
    auto* treeLayout = new QVBoxLayout(TabSheet1);
    treeLayout->setContentsMargins(2, 2, 2, 2);
    treeLayout->addWidget(TreeDept);

    pmDept = new QMenu(this);
    NnewDeptType = pmDept->addAction(QStringLiteral("新增社团类型"));
    NModiDeptType = pmDept->addAction(QStringLiteral("修改社团类型"));
    NDeleDeptType = pmDept->addAction(QStringLiteral("删除社团类型"));
    pmDept->addSeparator();
    NnewDept = pmDept->addAction(QStringLiteral("新增社团"));
    NModiDept = pmDept->addAction(QStringLiteral("修改社团"));
    NDeleDept = pmDept->addAction(QStringLiteral("删除社团"));
    new RightClickMenu(TreeDept, pmDept);

    PC->addTab(TabSheet1, QStringLiteral("社团列表"));
    PC->addTab(CreateSearchTab(), QStringLiteral("检索条件设置"));
    PC->setCurrentIndex(0);
    return Panel1;
}

QWidget* TfrmMain::CreateSearchTab()
{
    TabSheet2 = new QWidget(PC);
    cbo_range = new QComboBox(TabSheet2);
    cbo_range->addItems({QStringLiteral("全部"), QStringLiteral("固定资产"), QStringLiteral("流水帐")});
    cbo_dept = new platform::IdComboBox(TabSheet2);
    cbo_dept->setEditable(true);
    cbo_dept->setInsertPolicy(QComboBox::NoInsert);
    cb_Money = new QCheckBox(TabSheet2);
    Edt_low = new platform::UpperCaseEdit(TabSheet2);
    Edt_Hight = new platform::UpperCaseEdit(TabSheet2);
    cb_date = new QCheckBox(TabSheet2);
    DTP_begin = new platform::DatePicker(TabSheet2);
    DTP_End = new platform::DatePicker(TabSheet2);
    btn_search = new QPushButton(StandardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("查  询"), TabSheet2);
    btn_search->setAutoDefault(false);

    auto* form = new QFormLayout(TabSheet2);
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(platform::CaptionFor(cbo_range, QStringLiteral("检索范围"), TabSheet2), cbo_range);
    form->addRow(platform::CaptionFor(cbo_dept, QStringLiteral("社团限定"), TabSheet2), cbo_dept);
    form->addRow(platform::CaptionFor(cb_Money, QStringLiteral("金额范围"), TabSheet2), cb_Money);
    form->addRow(platform::CaptionFor(Edt_low, QStringLiteral("从："), TabSheet2), Edt_low);
    form->addRow(platform::CaptionFor(Edt_Hight, QStringLiteral("到："), TabSheet2), Edt_Hight);
    form->addRow(platform::CaptionFor(cb_date, QStringLiteral("日期范围"), TabSheet2), cb_date);
    form->addRow(platform::CaptionFor(DTP_begin, QStringLiteral("从："), TabSheet2), DTP_begin);
    form->addRow(platform::CaptionFor(DTP_End, QStringLiteral("到："), TabSheet2), DTP_End);
    form->addRow(btn_search);
    platform::SetTabOrder({cbo_range, cbo_dept, cb_Money, Edt_low, Edt_Hight, cb_date, DTP_begin, DTP_End, btn_search});
    return TabSheet2;
}

void TfrmMain::ConnectHandlers()
{
    const auto on = [this](QAction* action, void (TfrmMain::*handler)()) {
        Application::On(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    on(NViewDeptInfo, &TfrmMain::NViewDeptInfoClick);
    on(NAddData, &TfrmMain::NAddDataClick);
    on(N4, &TfrmMain::N4Click);
    on(NDic_subject, &TfrmMain::NDic_subjectClick);
    on(NDept, &TfrmMain::NDeptClick);
    on(NSetPassword, &TfrmMain::NSetPasswordClick);
    on(N6, &TfrmMain::N6Click);
    on(NAbout, &TfrmMain::NAboutClick);
    on(NnewDeptType, &TfrmMain::NnewDeptTypeClick);
    on(NModiDeptType, &TfrmMain::NModiDeptTypeClick);
    on(NDeleDeptType, &TfrmMain::NDeleDeptTypeClick);
    on(NnewDept, &TfrmMain::NnewDeptClick);
    on(NModiDept, &TfrmMain::NModiDeptClick);
    on(NDeleDept, &TfrmMain::NDeleDeptClick);

    // A button linked to an entry runs the entry's command while the entry itself
    // is enabled, whatever the menu above it.
    const auto link = [this](QToolButton* button, QAction* action) {
        Application::On(button, &QToolButton::clicked, this, [action] {
            if (action->isEnabled())
                action->trigger();
        });
    };
    link(tb_search, NViewDeptInfo);
    link(tb_Dic_Subject, NDic_subject);
    link(ToolButton5, NDept);
    const auto click = [this](QAbstractButton* button, void (TfrmMain::*handler)()) {
        Application::On(button, &QAbstractButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    click(tb_first, &TfrmMain::tb_firstClick);
    click(tb_prior, &TfrmMain::tb_priorClick);
    click(tb_next, &TfrmMain::tb_nextClick);
    click(tb_last, &TfrmMain::tb_lastClick);
    click(tb_close, &TfrmMain::tb_closeClick);
    click(btn_search, &TfrmMain::btn_searchClick);

    Application::On(TreeDept, &QTreeWidget::itemClicked, this, [this] { TreeDeptClick(); });
    Application::On(PC, &QTabWidget::currentChanged, this, [this] { PCChange(); });
}

void TfrmMain::setVisible(bool visible)
{
    if (visible && !m_firstShowingDone) {
        m_firstShowingDone = true;
        Application::Guard([this] { FormShow(); });
        if (Application::Terminated())
            return;
    }
    QMainWindow::setVisible(visible);
}

void TfrmMain::FormShow()
{
    if (frmLog->ShowModal() != platform::mrOk) {
        Application::Terminate();
        return;
    }
    if (CurUserRight == QLatin1String("2"))
        SetEditRights(false);
    FinanceItem = new TFinanceItem;
    Account = new TAccount;
    cbo_range->setCurrentIndex(0);
    DTP_begin->setDateTime(platform::Clock::Now().addDays(-6));
    DTP_End->setDateTime(platform::Clock::Now());
    LoadDeptTree();
    frmDeptInfo->show();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (Application::Terminated() || FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TfrmMain::FormCloseQuery()
{
    return platform::Desktop::Current().MessageBox(QStringLiteral("系统将退出，确认所有的工作都已经保存！"),
                                                   QStringLiteral("提示"), platform::Icon::Question,
                                                   platform::Buttons::YesNo)
           == platform::mrYes;
}

void TfrmMain::SetEditRights(bool enable)
{
    const QList<QAction*> actions = {frmDeptInfo->NNewFixed, frmDeptInfo->NModiFixed, frmDeptInfo->NDeleFixed,
                                     frmDeptInfo->nNewWaste, frmDeptInfo->nModiWaste, frmDeptInfo->nDeleWaste,
                                     NnewDeptType,           NModiDeptType,           NDeleDeptType,
                                     NnewDept,               NModiDept,               NDeleDept,
                                     NTestBase->menuAction(), NDictionary->menuAction(), NSystem->menuAction()};
    for (QAction* action : actions)
        action->setEnabled(enable);
    tb_Dic_Subject->setEnabled(enable);
}

void TfrmMain::NViewDeptInfoClick()
{
    if (!frmDeptInfo->DeptID.isEmpty())
        frmDeptInfo->btn_viewClick();
}

void TfrmMain::NAddDataClick() { frmDeptInfo->NNewFixedClick(); }
void TfrmMain::N4Click() { frmDeptInfo->nNewWasteClick(); }
void TfrmMain::NDic_subjectClick() { frmDicSubject->ShowModal(); }
void TfrmMain::NDeptClick() { frmDeptList->ShowModal(); }
void TfrmMain::NAboutClick() { frmAboutBox->ShowModal(); }

void TfrmMain::NSetPasswordClick()
{
    frmEdit->SetContent(QString());
    platform::SetPasswordChar(frmEdit->Edt_content, true);
    // The prompt is unmasked again however the change ends.
    struct Unmask {
        ~Unmask() { platform::SetPasswordChar(frmEdit->Edt_content, false); }
    } unmask;
    if (frmEdit->ShowModal() != platform::mrOk)
        return;
    const QString statement = QStringLiteral("UPDATE T_USER SET [PASSWORD]=") + QuotedStr(frmEdit->Content)
                              + QStringLiteral(" WHERE ID=") + CurUserID;
    if (ExecQuery(DM->temQry, statement))
        platform::Desktop::Current().MessageBox(QStringLiteral("系统使用密码修改成功！"), QStringLiteral("提示"),
                                                platform::Icon::Information, platform::Buttons::Ok);
}

void TfrmMain::MoveRecord(void (platform::db::Query::*step)())
{
    platform::db::Query* query = nullptr;
    switch (frmDeptInfo->PC_date->currentIndex()) {
    case 0: query = frmDeptInfo->qryFixed; break;
    case 1: query = frmDeptInfo->qryWaste; break;
    default: return;
    }
    if (query->Active())
        (query->*step)();
}

void TfrmMain::tb_firstClick() { MoveRecord(&platform::db::Query::First); }
void TfrmMain::tb_priorClick() { MoveRecord(&platform::db::Query::Prior); }
void TfrmMain::tb_nextClick() { MoveRecord(&platform::db::Query::Next); }
void TfrmMain::tb_lastClick() { MoveRecord(&platform::db::Query::Last); }
void TfrmMain::tb_closeClick() { close(); }
