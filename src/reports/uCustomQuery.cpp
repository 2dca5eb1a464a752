#include "reports/uCustomQuery.h"

#include "data/uPublic.h"
#include "ledger/uDeptInfo.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "reports/uReport.h"
#include "shell/Main.h"

#include <QGridLayout>
#include <QHBoxLayout>

QPointer<TfrmCustomQuery> frmCustomQuery;

using platform::Application;

namespace {

const int kRangeFixed = 1;
const int kRangeWaste = 2;

bool CheckNumber(QLineEdit* edit)
{
    if (platform::IsNumber(edit->text()))
        return true;
    platform::Desktop::Current().MessageBox(QStringLiteral("数量填写不正确！"), QStringLiteral("提示"),
                                            platform::Icon::Warning, platform::Buttons::Ok);
    edit->setFocus();
    return false;
}

} // namespace

QString ContainsPattern(const QString& text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

TfrmCustomQuery::TfrmCustomQuery(QWidget* parent)
    : Form(parent), cbo_range(new QComboBox(this)), cbo_dept(new platform::IdComboBox(this)),
      cbo_subject(new platform::IdComboBox(this)), Edt_memo(new QLineEdit(this)),
      cb_Money(new QCheckBox(this)), Edt_low(new platform::UpperCaseEdit(this)),
      Edt_Hight(new platform::UpperCaseEdit(this)), cb_date(new QCheckBox(this)),
      DTP_begin(new platform::DatePicker(this)), DTP_End(new platform::DatePicker(this)),
      btn_search(new QPushButton(QStringLiteral("查  询"), this)),
      btn_cancel(new QPushButton(QStringLiteral("取  消"), this))
{
    setWindowTitle(QStringLiteral("自定条件查询"));
    cbo_range->addItems({QStringLiteral("全部"), QStringLiteral("固定资产"), QStringLiteral("流水帐")});
    const QDateTime now = platform::Clock::Now();
    DTP_begin->setDateTime(QDateTime(QDate(now.date().year(), now.date().month(), 1), now.time()));
    DTP_End->setDateTime(now);
    cbo_subject->setToolTip(QStringLiteral("选定科目时只查询流水帐"));
    Edt_memo->setToolTip(QStringLiteral("说明中含有此文字的固定资产和流水帐目"));

    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const QString& caption, QWidget* field) {
        grid->addWidget(platform::CaptionFor(field, caption, this), row, 0);
        grid->addWidget(field, row++, 1, 1, 4);
    };
    auto addRange = [&](const QString& caption, QCheckBox* check, QWidget* from, QWidget* to) {
        grid->addWidget(platform::CaptionFor(check, caption, this), row, 0);
        grid->addWidget(check, row, 1);
        grid->addWidget(platform::CaptionFor(from, QStringLiteral("从："), this), row, 2);
        grid->addWidget(from, row, 3);
        ++row;
        grid->addWidget(platform::CaptionFor(to, QStringLiteral("到："), this), row, 2);
        grid->addWidget(to, row++, 3);
    };
    addRow(QStringLiteral("检索范围"), cbo_range);
    addRow(QStringLiteral("社团限定"), cbo_dept);
    addRow(QStringLiteral("科目"), cbo_subject);
    addRow(QStringLiteral("说明包含"), Edt_memo);
    addRange(QStringLiteral("金额范围"), cb_Money, Edt_low, Edt_Hight);
    addRange(QStringLiteral("日期范围"), cb_date, DTP_begin, DTP_End);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_search);
    buttons->addWidget(btn_cancel);
    btn_search->setAutoDefault(false);
    btn_cancel->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    Application::On(btn_search, &QPushButton::clicked, this, [this] { btn_searchClick(); });
    Application::On(btn_cancel, &QPushButton::clicked, this,
                    [this] { SetModalResult(platform::mrCancel); });
}

void TfrmCustomQuery::FormShow()
{
    FillDeptListWithAll(cbo_dept);
    FillIdNameListWithAll(cbo_subject, QStringLiteral("SELECT ID,NAME FROM T_WASTE_BOOK_TYPE"), QStringLiteral("全部科目"));
}

QString TfrmCustomQuery::Conditions(const QString& dateColumn, const QString& amountColumn) const
{
    QString conditions;
    if (cbo_dept->currentIndex() > 0)
        conditions += QStringLiteral(" AND A.DEPTID=%1").arg(cbo_dept->SelectedId());
    if (!platform::Trim(Edt_memo->text()).isEmpty())
        conditions += QStringLiteral(" AND A.MEMO1 LIKE %1 ESCAPE '\\'").arg(QuotedStr(ContainsPattern(Edt_memo->text())));
    if (cb_Money->isChecked())
        conditions += QStringLiteral(" AND (%1 BETWEEN %2 AND %3) ").arg(amountColumn, Edt_low->text(), Edt_Hight->text());
    if (cb_date->isChecked())
        conditions += QStringLiteral(" AND (%1 BETWEEN #%2# AND #%3#) ")
                          .arg(dateColumn, platform::DateToIso(DTP_begin->date()), platform::DateToIso(DTP_End->date()));
    return conditions;
}

QString TfrmCustomQuery::FixedStatement() const
{
    if (cbo_range->currentIndex() == kRangeWaste || cbo_subject->currentIndex() > 0)
        return QString();
    return QStringLiteral("SELECT A.ID,A.NAME,A.BEGIN_USE_DATE,A.STATUS,A.FIRST_PRICE,A.NOW_PRICE,A.MEMO1,"
                          "B.NAME AS DEPTNAME FROM T_FIXED_ASSETS A,T_DEPT B WHERE A.DEPTID=B.ID ")
           + Conditions(QStringLiteral("A.BEGIN_USE_DATE"), QStringLiteral("A.FIRST_PRICE"));
}

QString TfrmCustomQuery::WasteStatement() const
{
    if (cbo_range->currentIndex() == kRangeFixed)
        return QString();
    QString statement = QStringLiteral("SELECT A.ID,A.DATE,A.AMOUNT,B.NAME AS TYPENAME,B.IN_OUT,A.MEMO1,"
                                       "C.NAME AS DEPTNAME FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B,T_DEPT C "
                                       "WHERE A.DEPTID=C.ID AND A.TYPEID=B.ID ");
    if (cbo_subject->currentIndex() > 0)
        statement += QStringLiteral(" AND A.TYPEID=%1").arg(cbo_subject->SelectedId());
    return statement + Conditions(QStringLiteral("A.DATE"), QStringLiteral("A.AMOUNT"));
}

// Checks the bounds first, so that a refused input leaves the grids as they
// were; then puts the finance window into search mode (the search tab) and
// fills its grids.
void TfrmCustomQuery::btn_searchClick()
{
    if (cb_Money->isChecked() && !(CheckNumber(Edt_low) && CheckNumber(Edt_Hight)))
        return;
    const QString fixedStatement = FixedStatement();
    const QString wasteStatement = WasteStatement();

    frmMain->PC->setCurrentIndex(1);
    frmDeptInfo->GP_dept->hide();
    frmDeptInfo->ClearDept();
    frmDeptInfo->qryFixed->Close();
    frmDeptInfo->qryWaste->Close();
    if (!fixedStatement.isEmpty())
        OpenQuery(frmDeptInfo->qryFixed, fixedStatement);
    if (!wasteStatement.isEmpty())
        OpenQuery(frmDeptInfo->qryWaste, wasteStatement);
    frmDeptInfo->PC_date->setCurrentIndex(wasteStatement.isEmpty() ? 0 : 1);
    SetModalResult(platform::mrOk);
}
