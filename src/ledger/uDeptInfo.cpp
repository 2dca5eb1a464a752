#include "ledger/uDeptInfo.h"

#include "data/uClassData.h"
#include "data/uPublic.h"
#include "ledger/uDeptFixedEdit.h"
#include "ledger/uDeptWasteEdit.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Desktop.h"
#include "shell/dbmodule.h"

#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

TfrmDeptInfo* frmDeptInfo = nullptr;

using platform::Application;
using platform::db::DataGrid;
using platform::db::Query;

namespace {

const QString kIncome = QStringLiteral("收入");
const QString kExpense = QStringLiteral("支出");

QLabel* TotalLabel(QWidget* parent, const QString& caption)
{
    auto* label = new QLabel(QStringLiteral("0000"), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    label->setAccessibleName(caption);
    return label;
}

platform::UpperCaseEdit* ReadOnlyEdit(QWidget* parent)
{
    auto* edit = new platform::UpperCaseEdit(parent);
    edit->setReadOnly(true);
    return edit;
}

struct Column {
    const char* field;
    const char* title;
    int width;  // 0: takes the rest of the grid's width
};

void AddColumns(DataGrid* grid, std::initializer_list<Column> columns)
{
    int index = 0;
    for (const Column& column : columns) {
        grid->AddColumn(QString::fromLatin1(column.field), QString::fromUtf8(column.title));
        if (column.width > 0)
            grid->setColumnWidth(index, column.width);
        ++index;
    }
}

// A total as its label shows it (15 significant digits). The balance is taken
// from the totals as shown, so that books that balance read "0" and not the
// binary rounding left over from summing amounts such as 0.1 and 0.2.
double AsShown(double total)
{
    double shown = total;
    platform::TryStrToFloat(platform::FloatToStr(total), shown);
    return shown;
}

QWidget* GridPage(QWidget* totals, DataGrid* grid)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(totals);
    layout->addWidget(grid, 1);
    return page;
}

} // namespace

TfrmDeptInfo::TfrmDeptInfo(QWidget* parent)
    : QWidget(parent), qryDept(new Query(DM->DB, this)), qryFixed(new Query(DM->DB, this)),
      qryWaste(new Query(DM->DB, this)), qrySum(new Query(DM->DB, this))
{
    setWindowTitle(QStringLiteral("社团财务管理"));

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(BuildHeader());
    PC_date = new QTabWidget(Splitter1);
    TabSheet1 = BuildFixedPage();
    TabSheet2 = BuildWastePage();
    PC_date->addTab(TabSheet1, QStringLiteral("固定资产"));
    PC_date->addTab(TabSheet2, QStringLiteral("流水帐"));
    PC_date->setCurrentIndex(1);
    Splitter1->addWidget(PC_date);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(Splitter1);

    BuildMenus();
    ConnectHandlers();
}

QWidget* TfrmDeptInfo::BuildHeader()
{
    GP_dept = new QGroupBox(QStringLiteral("社团基本情况："));
    Edt_name = ReadOnlyEdit(GP_dept);
    Edt_typename = ReadOnlyEdit(GP_dept);
    dtp_found = new platform::DatePicker(GP_dept);
    dtp_found->setEnabled(false);
    Edt_Manager = ReadOnlyEdit(GP_dept);
    Edt_Manager_Tel = ReadOnlyEdit(GP_dept);
    Memo1 = new QPlainTextEdit(GP_dept);
    Memo1->setReadOnly(true);
    // The profile starts at a few lines so the books get the room; the splitter
    // lets the user give the header more.
    Memo1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    Memo1->setMinimumHeight(Memo1->fontMetrics().lineSpacing() * 3 + 12);
    btn_view = new QPushButton(QStringLiteral("财务状况"), GP_dept);
    btn_view->setAutoDefault(false);
    btn_view->setVisible(false);

    auto* grid = new QGridLayout(GP_dept);
    grid->addWidget(platform::CaptionFor(Edt_name, QStringLiteral("社团名称")), 0, 0);
    grid->addWidget(Edt_name, 0, 1);
    grid->addWidget(platform::CaptionFor(Edt_typename, QStringLiteral("类别")), 0, 2);
    grid->addWidget(Edt_typename, 0, 3);
    grid->addWidget(platform::CaptionFor(dtp_found, QStringLiteral("成立时间")), 0, 4);
    grid->addWidget(dtp_found, 0, 5);
    grid->addWidget(platform::CaptionFor(Edt_Manager, QStringLiteral("负责人")), 1, 0);
    grid->addWidget(Edt_Manager, 1, 1);
    grid->addWidget(platform::CaptionFor(Edt_Manager_Tel, QStringLiteral("联系方式")), 1, 2);
    grid->addWidget(Edt_Manager_Tel, 1, 3);
    grid->addWidget(btn_view, 1, 5);
    grid->addWidget(platform::CaptionFor(Memo1, QStringLiteral("社团简介")), 2, 0, Qt::AlignTop);
    grid->addWidget(Memo1, 2, 1, 1, 5);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(2, 1);
    return GP_dept;
}

QWidget* TfrmDeptInfo::BuildFixedPage()
{
    auto* totals = new QWidget;
    auto* row = new QHBoxLayout(totals);
    row->setContentsMargins(0, 0, 0, 0);
    Label1 = new QLabel(QStringLiteral("资产总计："), totals);
    lab_fixed = TotalLabel(totals, Label1->text());
    row->addWidget(Label1);
    row->addWidget(lab_fixed);
    row->addStretch(1);

    DBGrid1 = new DataGrid;
    DBGrid1->SetQuery(qryFixed);
    AddColumns(DBGrid1, {{"DEPTNAME", "社团名称", 160},
                         {"NAME", "名称", 180},
                         {"BEGIN_USE_DATE", "开始使用时间", 110},
                         {"FIRST_PRICE", "价值", 100},
                         {"STATUS", "状态", 70},
                         {"MEMO1", "说明", 0}});
    return GridPage(totals, DBGrid1);
}

QWidget* TfrmDeptInfo::BuildWastePage()
{
    auto* totals = new QWidget;
    auto* row = new QHBoxLayout(totals);
    row->setContentsMargins(0, 0, 0, 0);
    Label2 = new QLabel(QStringLiteral("收入总计："), totals);
    Lab_Waste_in = TotalLabel(totals, Label2->text());
    Label6 = new QLabel(QStringLiteral("支出总计："), totals);
    Lab_Waste_out = TotalLabel(totals, Label6->text());
    Label3 = new QLabel(QStringLiteral("合计："), totals);
    Lab_Waste = TotalLabel(totals, Label3->text());
    for (QLabel* label : {Label2, Lab_Waste_in, Label6, Lab_Waste_out, Label3, Lab_Waste}) {
        row->addWidget(label);
        if (label == Lab_Waste_in || label == Lab_Waste_out)
            row->addSpacing(24);
    }
    row->addStretch(1);

    DBG = new DataGrid;
    DBG->SetQuery(qryWaste);
    AddColumns(DBG, {{"DEPTNAME", "社团名称", 160},
                     {"DATE", "日期", 110},
                     {"AMOUNT", "金额", 100},
                     {"TYPENAME", "科目名称", 150},
                     {"IN_OUT", "收入/支出", 80},
                     {"MEMO1", "说明", 0}});
    DBG->SetRowColor(&TfrmDeptInfo::WasteRowColor);
    return GridPage(totals, DBG);
}

void TfrmDeptInfo::BuildMenus()
{
    pmFixed = new QMenu(this);
    NNewFixed = pmFixed->addAction(QStringLiteral("新增固定资产"));
    NModiFixed = pmFixed->addAction(QStringLiteral("修改固定资产"));
    NDeleFixed = pmFixed->addAction(QStringLiteral("删除固定资产"));
    pmWaste = new QMenu(this);
    nNewWaste = pmWaste->addAction(QStringLiteral("新增流水帐目"));
    nModiWaste = pmWaste->addAction(QStringLiteral("修改流水帐目"));
    nDeleWaste = pmWaste->addAction(QStringLiteral("删除流水帐目"));
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    DBG->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TfrmDeptInfo::ConnectHandlers()
{
    Application::On(btn_view, &QPushButton::clicked, this, [this] { btn_viewClick(); });
    Application::On(DBGrid1, &QWidget::customContextMenuRequested, this,
                    [this] { pmFixed->popup(QCursor::pos()); });
    Application::On(DBG, &QWidget::customContextMenuRequested, this,
                    [this] { pmWaste->popup(QCursor::pos()); });
    Application::On(NNewFixed, &QAction::triggered, this, [this] { NNewFixedClick(); });
    Application::On(NModiFixed, &QAction::triggered, this, [this] { NModiFixedClick(); });
    Application::On(NDeleFixed, &QAction::triggered, this, [this] { NDeleFixedClick(); });
    Application::On(nNewWaste, &QAction::triggered, this, [this] { nNewWasteClick(); });
    Application::On(nModiWaste, &QAction::triggered, this, [this] { nModiWasteClick(); });
    Application::On(nDeleWaste, &QAction::triggered, this, [this] { nDeleWasteClick(); });
}

QColor TfrmDeptInfo::WasteRowColor(const Query& query, int row)
{
    const QVariant inOut = query.ValueAt(row, query.FieldIndex(QStringLiteral("IN_OUT")));
    return inOut.toString() == kIncome ? QColor(224, 239, 238) : QColor(248, 239, 224);
}

bool TfrmDeptInfo::NoDept() const { return DeptID.isEmpty() || DeptID == QLatin1String("-1"); }

QString TfrmDeptInfo::CurrentID(const Query* query)
{
    return query->FieldByName(QStringLiteral("ID")).AsString();
}

void TfrmDeptInfo::ClearDept()
{
    DeptID.clear();
    Edt_name->setText(QString());
    Edt_typename->setText(QString());
    Edt_Manager->setText(QString());
    Edt_Manager_Tel->setText(QString());
    dtp_found->setDateTime(platform::Clock::Now());
    Memo1->clear();
    qryWaste->Close();
    qryFixed->Close();
}

void TfrmDeptInfo::LoadDept()
{
    if (DeptID.isEmpty())
        return;
    OpenQuery(qryDept, QStringLiteral("SELECT A.ID,A.NAME,A.MANAGER,A.MANAGER_TEL,A.BASIC_THING,"
                                      "A.FOUND_DATE,A.MEMO1,B.NAME AS TYPENAME FROM T_DEPT A,T_DEPT B "
                                      "WHERE A.UPID=B.ID AND A.ID=")
                           + DeptID);
    qryDept->First();
    if (qryDept->Eof()) {
        platform::Desktop::Current().MessageBox(QStringLiteral("取出社团信息时发生错误！"),
                                                QStringLiteral("错误"), platform::Icon::Error,
                                                platform::Buttons::Ok);
        return;
    }
    auto field = [this](const char* name) { return qryDept->FieldByName(QString::fromLatin1(name)); };
    Edt_name->setText(field("NAME").AsString());
    Edt_typename->setText(field("TYPENAME").AsString());
    Edt_Manager->setText(field("MANAGER").AsString());
    Edt_Manager_Tel->setText(field("MANAGER_TEL").AsString());
    dtp_found->setDateTime(field("FOUND_DATE").AsDateTime());
    Memo1->setPlainText(field("BASIC_THING").AsString());
    btn_viewClick();
}

double TfrmDeptInfo::WasteTotal(const QString& inOut)
{
    OpenQuery(qrySum, QStringLiteral("SELECT SUM([A.AMOUNT]) FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B "
                                     "WHERE A.TYPEID=B.ID AND A.DEPTID=")
                          + DeptID + QStringLiteral(" AND B.IN_OUT=") + QuotedStr(inOut));
    return qrySum->Fields(0).AsFloat();
}

void TfrmDeptInfo::btn_viewClick()
{
    if (NoDept())
        return;
    OpenQuery(qryFixed, QStringLiteral("SELECT A.ID,A.NAME,A.BEGIN_USE_DATE,A.STATUS,A.FIRST_PRICE,"
                                       "A.NOW_PRICE,A.MEMO1,B.NAME AS DEPTNAME FROM T_FIXED_ASSETS A,"
                                       "T_DEPT B WHERE A.DEPTID=B.ID AND A.DEPTID=")
                            + DeptID);
    OpenQuery(qryWaste, QStringLiteral("SELECT A.ID,A.DATE,A.AMOUNT,B.NAME AS TYPENAME,B.IN_OUT,A.MEMO1,"
                                       "C.NAME AS DEPTNAME FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B,"
                                       "T_DEPT C WHERE A.DEPTID=C.ID AND A.TYPEID=B.ID AND A.DEPTID=")
                            + DeptID);
    OpenQuery(qrySum, QStringLiteral("SELECT SUM(A.FIRST_PRICE) FROM T_FIXED_ASSETS A WHERE A.DEPTID=")
                          + DeptID);
    lab_fixed->setText(qrySum->Fields(0).AsString());
    const double income = WasteTotal(kIncome);
    Lab_Waste_in->setText(platform::FloatToStr(income));
    const double expense = WasteTotal(kExpense);
    Lab_Waste_out->setText(platform::FloatToStr(expense));
    Lab_Waste->setText(platform::FloatToStr(AsShown(income) - AsShown(expense)));
}

void TfrmDeptInfo::NNewFixedClick()
{
    if (NoDept())
        return;
    frmDeptFixedEdit->Edt_DeptName->setText(Edt_name->text());
    frmDeptFixedEdit->ClearFixed();
    if (frmDeptFixedEdit->ShowModal() != platform::mrOk)
        return;
    const TfrmDeptFixedEdit& edit = *frmDeptFixedEdit;
    Account->AddFixedAsset(DeptID, edit.FixedName, edit.FixedStatus, edit.FixedPrice,
                           edit.FixedMemo, edit.FixedDate);
    btn_viewClick();
}

void TfrmDeptInfo::NModiFixedClick()
{
    if (DeptID.isEmpty() || !qryFixed->Active())
        return;
    const QString id = CurrentID(qryFixed);
    if (id.isEmpty())
        return;
    frmDeptFixedEdit->Edt_DeptName->setText(Edt_name->text());
    frmDeptFixedEdit->LoadFixed(id);
    if (frmDeptFixedEdit->ShowModal() != platform::mrOk)
        return;
    const TfrmDeptFixedEdit& edit = *frmDeptFixedEdit;
    Account->ModifyFixedAsset(id, DeptID, edit.FixedName, edit.FixedStatus, edit.FixedPrice,
                              edit.FixedMemo, edit.FixedDate);
    btn_viewClick();
}

void TfrmDeptInfo::NDeleFixedClick()
{
    if (NoDept() || !qryFixed->Active())
        return;
    const QString id = CurrentID(qryFixed);
    if (id.isEmpty())
        return;
    if (!Confirmed(QStringLiteral("确实要删除该固定资产数据吗？")))
        return;
    Account->DeleteFixedAsset(id);
    btn_viewClick();
}

void TfrmDeptInfo::nNewWasteClick()
{
    if (NoDept())
        return;
    OpenQuery(DM->temQry, QStringLiteral("SELECT ID,NAME FROM T_WASTE_BOOK_TYPE "));
    DM->temQry->First();
    if (DM->temQry->Eof()) {
        ShowNotice(QStringLiteral("没有财务科目信息，不能编辑！"));
        return;
    }
    frmDeptWasteEdit->Edt_DeptName->setText(Edt_name->text());
    frmDeptWasteEdit->ClearWaste();
    if (frmDeptWasteEdit->ShowModal() != platform::mrOk)
        return;
    const TfrmDeptWasteEdit& edit = *frmDeptWasteEdit;
    Account->AddWasteEntry(DeptID, edit.WasteDate, edit.WasteTypeID, edit.WasteAmount, edit.WasteMemo);
    btn_viewClick();
}

void TfrmDeptInfo::nModiWasteClick()
{
    if (DeptID.isEmpty() || !qryWaste->Active())
        return;
    const QString id = CurrentID(qryWaste);
    if (id.isEmpty())
        return;
    frmDeptWasteEdit->Edt_DeptName->setText(Edt_name->text());
    frmDeptWasteEdit->LoadWaste(id);
    if (frmDeptWasteEdit->ShowModal() != platform::mrOk)
        return;
    const TfrmDeptWasteEdit& edit = *frmDeptWasteEdit;
    Account->ModifyWasteEntry(id, DeptID, edit.WasteDate, edit.WasteTypeID, edit.WasteAmount,
                              edit.WasteMemo);
    btn_viewClick();
}

void TfrmDeptInfo::nDeleWasteClick()
{
    if (NoDept() || !qryWaste->Active())
        return;
    const QString id = CurrentID(qryWaste);
    if (id.isEmpty())
        return;
    if (!Confirmed(QStringLiteral("确实要删除该财务流水帐数据吗？")))
        return;
    Account->DeleteWasteEntry(id);
    btn_viewClick();
}
