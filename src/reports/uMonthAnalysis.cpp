#include "reports/uMonthAnalysis.h"

#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "reports/ReportData.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

QPointer<TfrmMonthAnalysis> frmMonthAnalysis;

using platform::DateToStr;
using platform::MoneyToStr;

namespace {

QDate MonthEnd(const QDate& first) { return first.addMonths(1).addDays(-1); }

QString Period(const QDate& first)
{
    return QStringLiteral("%1 至 %2").arg(DateToStr(first), DateToStr(MonthEnd(first)));
}

// Income and expense of each association, side by side.
QChart* DeptChart(const std::vector<reports::DeptTotal>& depts, const QString& title)
{
    auto* income = new QBarSet(QStringLiteral("收入"));
    auto* expense = new QBarSet(QStringLiteral("支出"));
    QStringList categories;
    double low = 0;
    double high = 0;
    for (const reports::DeptTotal& dept : depts) {
        income->append(dept.totals.income);
        expense->append(dept.totals.expense);
        QString label = dept.name;
        while (categories.contains(label))
            label += QLatin1Char(' ');
        categories << label;
        low = std::min({low, dept.totals.income, dept.totals.expense});
        high = std::max({high, dept.totals.income, dept.totals.expense});
    }
    auto* bars = new QBarSeries;
    bars->append(income);
    bars->append(expense);
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->addSeries(bars);
    auto* axisX = new QBarCategoryAxis;
    axisX->append(categories);
    AttachAxes(chart, axisX, MoneyAxis(low, high));
    return chart;
}

} // namespace

TfrmMonthAnalysis::TfrmMonthAnalysis(QWidget* parent)
    : TfrmReport(QStringLiteral("本月财务分析"), parent), lab_period(new QLabel(this))
{
    btn_query->setText(QStringLiteral("刷  新"));
    AddCriterion(QStringLiteral("本月："), lab_period);
    m_comparison = AddTable(QStringLiteral("本月与上月对比"));
    m_depts = AddTable(QStringLiteral("各社团本月收支"), true);
    m_largest = AddTable(QStringLiteral("本月金额最大的%1笔收支").arg(kLargestCount));
}

void TfrmMonthAnalysis::Refresh()
{
    const QDate today = platform::Clock::Now().date();
    m_month = QDate(today.year(), today.month(), 1);
    const QDate previous = m_month.addMonths(-1);
    lab_period->setText(Period(m_month));

    const reports::Totals now = reports::CashTotals(0, m_month, MonthEnd(m_month));
    const reports::Totals before = reports::CashTotals(0, previous, MonthEnd(previous));
    platform::PrintTable comparison;
    comparison.titles = QStringList{QStringLiteral("项目"), QStringLiteral("本月"), QStringLiteral("上月"),
                                    QStringLiteral("增减")};
    comparison.rightAligned = {1, 2, 3};
    auto line = [](const QString& name, double current, double last) {
        return QStringList{name, MoneyToStr(current), MoneyToStr(last), MoneyToStr(current - last)};
    };
    comparison.rows.push_back(line(QStringLiteral("收入"), now.income, before.income));
    comparison.rows.push_back(line(QStringLiteral("支出"), now.expense, before.expense));
    comparison.totals = line(QStringLiteral("结余"), now.Balance(), before.Balance());
    SetTable(m_comparison, comparison);

    const std::vector<reports::DeptTotal> depts = reports::DeptTotals(m_month, MonthEnd(m_month));
    platform::PrintTable perDept;
    perDept.titles = QStringList{QStringLiteral("社团名称"), QStringLiteral("收入"), QStringLiteral("支出"),
                                 QStringLiteral("结余")};
    perDept.rightAligned = {1, 2, 3};
    for (const reports::DeptTotal& dept : depts)
        perDept.rows.push_back({dept.name, MoneyToStr(dept.totals.income), MoneyToStr(dept.totals.expense),
                                MoneyToStr(dept.totals.Balance())});
    perDept.totals = QStringList{QStringLiteral("合计"), MoneyToStr(now.income), MoneyToStr(now.expense),
                                 MoneyToStr(now.Balance())};
    SetTable(m_depts, perDept);

    platform::PrintTable largest;
    largest.titles = QStringList{QStringLiteral("日期"), QStringLiteral("社团名称"), QStringLiteral("科目名称"),
                                 QStringLiteral("收入/支出"), QStringLiteral("金额"), QStringLiteral("说明")};
    largest.rightAligned = {4};
    for (const reports::Entry& entry : reports::LargestEntries(m_month, MonthEnd(m_month), kLargestCount))
        largest.rows.push_back({entry.date, entry.deptName, entry.subject, entry.kind, MoneyToStr(entry.amount),
                                entry.memo});
    SetTable(m_largest, largest);

    SetChart(DeptChart(depts, QStringLiteral("%1年%2月 各社团收支").arg(m_month.year()).arg(m_month.month())));
}

QStringList TfrmMonthAnalysis::Subtitles() const
{
    return {QStringLiteral("社团：全部社团    期间：%1（上月：%2）")
                .arg(Period(m_month), Period(m_month.addMonths(-1)))};
}

QString TfrmMonthAnalysis::FileBaseName() const
{
    return QStringLiteral("本月财务分析_%1").arg(platform::DateToIso(m_month).left(7));
}
