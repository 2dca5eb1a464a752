#include "reports/BookPrint.h"

#include "ledger/uDeptInfo.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "reports/ReportData.h"

using platform::MoneyToStr;

namespace {

// The grid's rows as shown, numbers to the right.
platform::PrintTable GridTable(const platform::db::DataGrid* grid, const QString& caption,
                               const QString& numberTitle)
{
    platform::PrintTable table = platform::TableFromModel(*grid->model());
    table.caption = caption;
    const int numbers = int(table.titles.indexOf(numberTitle));
    if (numbers >= 0)
        table.rightAligned.push_back(numbers);
    return table;
}

QStringList TotalsRow(int columns, const QString& caption, int valueColumn, const QString& value)
{
    QStringList row;
    for (int column = 0; column < columns; ++column)
        row << QString();
    if (columns > 0)
        row[0] = caption;
    if (valueColumn >= 0 && valueColumn < columns)
        row[valueColumn] = value;
    return row;
}

} // namespace

platform::PrintDocument FinanceWindowDocument()
{
    platform::PrintDocument document;
    platform::PrintTable fixed = GridTable(frmDeptInfo->DBGrid1, QStringLiteral("固定资产"), QStringLiteral("价值"));
    platform::PrintTable waste = GridTable(frmDeptInfo->DBG, QStringLiteral("流水帐"), QStringLiteral("金额"));
    const QString printed = QStringLiteral("制表日期：") + platform::DateToStr(platform::Clock::Now().date());
    const int deptId = frmDeptInfo->DeptID.toInt();
    if (deptId <= 0) {
        document.title = QStringLiteral("检索结果");
        document.subtitles << printed;
        document.tables = {fixed, waste};
        return document;
    }

    document.title = QStringLiteral("社团财务帐簿");
    const auto [first, last] = reports::BookPeriod(deptId);
    document.subtitles << QStringLiteral("社团：%1    类别：%2")
                              .arg(frmDeptInfo->Edt_name->text(), frmDeptInfo->Edt_typename->text());
    if (first.isValid())
        document.subtitles << QStringLiteral("期间：%1 至 %2").arg(platform::DateToStr(first), platform::DateToStr(last));
    document.subtitles << printed;

    fixed.totals = TotalsRow(int(fixed.titles.size()), QStringLiteral("资产总计"), fixed.rightAligned.empty() ? -1 : fixed.rightAligned.front(),
                             MoneyToStr(reports::FixedTotal(deptId)));
    const reports::Totals cash = reports::CashTotals(deptId, QDate(), QDate());
    platform::PrintTable totals;
    totals.caption = QStringLiteral("流水帐合计");
    totals.titles = QStringList{QStringLiteral("项目"), QStringLiteral("金额")};
    totals.rightAligned = {1};
    totals.rows = {{QStringLiteral("收入总计"), MoneyToStr(cash.income)},
                   {QStringLiteral("支出总计"), MoneyToStr(cash.expense)}};
    totals.totals = QStringList{QStringLiteral("合计"), MoneyToStr(cash.Balance())};
    document.tables = {fixed, waste, totals};
    return document;
}

QString FinanceWindowFileName()
{
    return frmDeptInfo->DeptID.toInt() > 0 ? QStringLiteral("社团财务帐簿_") + frmDeptInfo->Edt_name->text()
                                           : QStringLiteral("检索结果");
}
