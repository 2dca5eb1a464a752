#include "reports/uMonthReport.h"

#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "reports/ReportData.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

QPointer<TfrmMonthReport> frmMonthReport;

using platform::MoneyToStr;

namespace {

QString MonthName(int month) { return QStringLiteral("%1月").arg(month); }

QChart* MonthChart(const std::array<reports::Totals, 12>& months, double opening, const QString& title)
{
    auto* income = new QBarSet(QStringLiteral("收入"));
    auto* expense = new QBarSet(QStringLiteral("支出"));
    auto* running = new QLineSeries;
    running->setName(QStringLiteral("累计结余"));
    running->setPen(QPen(QColor(192, 57, 43), 2));
    QStringList categories;
    double balance = opening;
    double low = 0;
    double high = 0;
    for (int month = 0; month < 12; ++month) {
        const reports::Totals& totals = months[size_t(month)];
        balance += totals.Balance();
        income->append(totals.income);
        expense->append(totals.expense);
        running->append(month, balance);
        categories << QString::number(month + 1);
        low = std::min({low, totals.income, totals.expense, balance});
        high = std::max({high, totals.income, totals.expense, balance});
    }
    auto* bars = new QBarSeries;
    bars->append(income);
    bars->append(expense);

    auto* chart = new QChart;
    chart->setTitle(title);
    chart->addSeries(bars);
    chart->addSeries(running);
    auto* axisX = new QBarCategoryAxis;
    axisX->append(categories);
    axisX->setTitleText(QStringLiteral("月份"));
    AttachAxes(chart, axisX, MoneyAxis(low, high));
    return chart;
}

} // namespace

TfrmMonthReport::TfrmMonthReport(QWidget* parent)
    : TfrmReport(QStringLiteral("月报表"), parent), spn_year(new QSpinBox(this)),
      cbo_dept(new platform::IdComboBox(this))
{
    spn_year->setRange(1900, 9999);
    spn_year->setValue(platform::Clock::Now().date().year());
    cbo_dept->setMinimumContentsLength(12);
    AddCriterion(QStringLiteral("年度"), spn_year);
    AddCriterion(QStringLiteral("社团"), cbo_dept);
    m_table = AddTable(QString(), true);
}

void TfrmMonthReport::FormShow()
{
    FillDeptListWithAll(cbo_dept);
    TfrmReport::FormShow();
}

void TfrmMonthReport::Refresh()
{
    const int year = spn_year->value();
    const int deptId = cbo_dept->currentIndex() >= 0 ? cbo_dept->SelectedId() : 0;
    const double opening = reports::CashTotals(deptId, QDate(), QDate(year - 1, 12, 31)).Balance();
    const std::array<reports::Totals, 12> months = reports::MonthTotals(year, deptId);

    platform::PrintTable table;
    table.titles = QStringList{QStringLiteral("月份"), QStringLiteral("收入"), QStringLiteral("支出"),
                               QStringLiteral("本月结余"), QStringLiteral("累计结余")};
    table.rightAligned = {1, 2, 3, 4};
    table.rows.push_back({QStringLiteral("上年结转"), QString(), QString(), QString(), MoneyToStr(opening)});
    reports::Totals yearTotals;
    double running = opening;
    for (int month = 0; month < 12; ++month) {
        const reports::Totals& totals = months[size_t(month)];
        running += totals.Balance();
        yearTotals.income += totals.income;
        yearTotals.expense += totals.expense;
        table.rows.push_back({MonthName(month + 1), MoneyToStr(totals.income), MoneyToStr(totals.expense),
                              MoneyToStr(totals.Balance()), MoneyToStr(running)});
    }
    table.totals = QStringList{QStringLiteral("全年合计"), MoneyToStr(yearTotals.income),
                               MoneyToStr(yearTotals.expense), MoneyToStr(yearTotals.Balance()),
                               MoneyToStr(running)};
    SetTable(m_table, table);
    SetChart(MonthChart(months, opening, QStringLiteral("%1年 %2 收支").arg(year).arg(cbo_dept->currentText())));
}

QStringList TfrmMonthReport::Subtitles() const
{
    return {QStringLiteral("社团：%1    年度：%2年").arg(cbo_dept->currentText()).arg(spn_year->value())};
}

QString TfrmMonthReport::FileBaseName() const
{
    return QStringLiteral("月报表_%1_%2").arg(spn_year->value()).arg(cbo_dept->currentText());
}
