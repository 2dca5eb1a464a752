#include "shell/Main.h"

#include "platform/Application.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QSplitter>

TfrmMain* frmMain = nullptr;

namespace {
QToolButton* ToolButton(QToolBar* bar, const QString& caption)
{
    auto* button = new QToolButton(bar);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->addWidget(button);
    return button;
}
} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Varnholt"));
    NTestBase = menuBar()->addMenu(QStringLiteral("财务管理"));
    NViewDeptInfo = NTestBase->addAction(QStringLiteral("财务情况浏览"));
    NAddData = NTestBase->addAction(QStringLiteral("添加固定资产"));
    N4 = NTestBase->addAction(QStringLiteral("添加流水帐目"));
    NDictionary = menuBar()->addMenu(QStringLiteral("字典管理"));
    NDic_subject = NDictionary->addAction(QStringLiteral("科目字典"));
    NDept = NDictionary->addAction(QStringLiteral("社团列表"));
    N13 = NDictionary->addAction(QStringLiteral("用户字典"));
    N13->setVisible(false);
    NSystem = menuBar()->addMenu(QStringLiteral("系统"));
    NSetPassword = NSystem->addAction(QStringLiteral("修改密码"));
    N6 = NSystem->addAction(QStringLiteral("数据备份"));
    NTestPaper = new QMenu(QStringLiteral("查询统计"), this);
    NAbout = menuBar()->addAction(QStringLiteral("关于"));

    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    tb_search = ToolButton(ToolBar1, QStringLiteral("财务情况浏览"));
    tb_Dic_Subject = ToolButton(ToolBar1, QStringLiteral("科目字典"));
    ToolButton5 = ToolButton(ToolBar1, QStringLiteral("社团列表"));
    tb_first = ToolButton(ToolBar1, QStringLiteral("第一条"));
    tb_prior = ToolButton(ToolBar1, QStringLiteral("上一条"));
    tb_next = ToolButton(ToolBar1, QStringLiteral("下一条"));
    tb_last = ToolButton(ToolBar1, QStringLiteral("最后条"));
    tb_close = ToolButton(ToolBar1, QStringLiteral(" 退出 "));

    Panel1 = new QWidget(this);
    PC = new QTabWidget(Panel1);
    TabSheet1 = new QWidget(PC);
    TabSheet2 = new QWidget(PC);
    PC->addTab(TabSheet1, QStringLiteral("社团列表"));
    PC->addTab(TabSheet2, QStringLiteral("检索条件设置"));
    TreeDept = new QTreeWidget(TabSheet1);
    TreeDept->setHeaderHidden(true);
    pmDept = new QMenu(this);
    NnewDeptType = pmDept->addAction(QStringLiteral("新增社团类型"));
    NModiDeptType = pmDept->addAction(QStringLiteral("修改社团类型"));
    NDeleDeptType = pmDept->addAction(QStringLiteral("删除社团类型"));
    pmDept->addSeparator();
    NnewDept = pmDept->addAction(QStringLiteral("新增社团"));
    NModiDept = pmDept->addAction(QStringLiteral("修改社团"));
    NDeleDept = pmDept->addAction(QStringLiteral("删除社团"));

    cbo_range = new QComboBox(TabSheet2);
    cbo_range->addItems({QStringLiteral("全部"), QStringLiteral("固定资产"), QStringLiteral("流水帐")});
    cbo_dept = new platform::IdComboBox(TabSheet2);
    cbo_dept->setEditable(true);
    cb_Money = new QCheckBox(TabSheet2);
    Edt_low = new platform::UpperCaseEdit(TabSheet2);
    Edt_Hight = new platform::UpperCaseEdit(TabSheet2);
    cb_date = new QCheckBox(TabSheet2);
    DTP_begin = new platform::DatePicker(TabSheet2);
    DTP_End = new platform::DatePicker(TabSheet2);
    btn_search = new QPushButton(QStringLiteral("查  询"), TabSheet2);

    ClientArea = new QMdiArea(this);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(Panel1);
    splitter->addWidget(ClientArea);
    setCentralWidget(splitter);
    platform::Application::On(N6, &QAction::triggered, this, [this] { N6Click(); });
}

void TfrmMain::showEvent(QShowEvent* event) { QMainWindow::showEvent(event); }
void TfrmMain::closeEvent(QCloseEvent* event) { event->accept(); }

void TfrmMain::FormShow() {}
bool TfrmMain::FormCloseQuery() { return true; }
void TfrmMain::SetEditRights(bool) {}
void TfrmMain::NViewDeptInfoClick() {}
void TfrmMain::NAddDataClick() {}
void TfrmMain::N4Click() {}
void TfrmMain::NDic_subjectClick() {}
void TfrmMain::NDeptClick() {}
void TfrmMain::NSetPasswordClick() {}
void TfrmMain::NAboutClick() {}
void TfrmMain::tb_firstClick() {}
void TfrmMain::tb_priorClick() {}
void TfrmMain::tb_nextClick() {}
void TfrmMain::tb_lastClick() {}
void TfrmMain::tb_closeClick() {}
