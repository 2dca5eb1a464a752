#include "catalogue/uDeptList.h"

#include "data/uPublic.h"
#include "shell/dbmodule.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QVBoxLayout>

TfrmDeptList* frmDeptList = nullptr;

namespace {
const QSize kWindowSize(860, 480);
} // namespace

TfrmDeptList::TfrmDeptList(QWidget* parent)
    : Form(parent), Label1(new QLabel(QStringLiteral("社团信息列表： "))),
      DBGrid1(new platform::db::DataGrid(this)), qryDept(new platform::db::Query(DM->DB, this))
{
    setWindowTitle(QStringLiteral("社团信息列表："));

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    QFont labelFont = Label1->font();
    labelFont.setBold(true);
    labelFont.setPointSizeF(labelFont.pointSizeF() * 1.2);
    Label1->setFont(labelFont);
    Label1->setStyleSheet(QStringLiteral("QLabel { color: #000080; }"));
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(10, 8, 10, 8);
    panelLayout->addWidget(Label1);

    DBGrid1->SetQuery(qryDept);
    DBGrid1->AddColumn(QStringLiteral("typename"), QStringLiteral("类型名称"));
    DBGrid1->AddColumn(QStringLiteral("name"), QStringLiteral("社团名称"));
    DBGrid1->AddColumn(QStringLiteral("found_date"), QStringLiteral("成立时间"));
    DBGrid1->AddColumn(QStringLiteral("Manager"), QStringLiteral("负责人"));
    DBGrid1->AddColumn(QStringLiteral("manager_tel"), QStringLiteral("负责人联系电话"));
    DBGrid1->AddColumn(QStringLiteral("basic_thing"), QStringLiteral("社团基本情况"));
    QFont titleFont = DBGrid1->horizontalHeader()->font();
    titleFont.setBold(true);
    DBGrid1->horizontalHeader()->setFont(titleFont);
    const int widths[] = {110, 150, 100, 90, 130};
    for (int column = 0; column < int(std::size(widths)); ++column)
        DBGrid1->setColumnWidth(column, widths[column]);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(DBGrid1);

    // Centred on the desktop rather than on the main window.
    setFixedSize(kWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmDeptList::FormShow()
{
    OpenQuery(qryDept, QStringLiteral("SELECT A.ID,A.NAME,A.MANAGER,A.MANAGER_TEL,A.BASIC_THING,"
                                      "A.FOUND_DATE,A.MEMO1,B.NAME AS TYPENAME FROM T_DEPT A,"
                                      "T_DEPT B WHERE A.UPID=B.ID ORDER BY B.NAME "));
}
