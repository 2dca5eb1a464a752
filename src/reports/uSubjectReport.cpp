#include "reports/uSubjectReport.h"

#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "reports/ReportData.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QHorizontalStackedBarSeries>
#include <QValueAxis>

QPointer<TfrmSubjectReport> frmSubjectReport;

using platform::MoneyToStr;

namespace {

const QString kIncome = QStringLiteral("收入");

QString Share(double amount, double total)
{
    return total == 0 ? QString() : MoneyToStr(amount / total * 100.0) + QLatin1Char('%');
}

// One bar per subject, coloured by its kind; the first subject on top.
QChart* SubjectChart(const std::vector<reports::SubjectTotal>& subjects, const QString& title)
{
    auto* income = new QBarSet(QStringLiteral("收入"));
    auto* expense = new QBarSet(QStringLiteral("支出"));
    QStringList categories;
    double low = 0;
    double high = 0;
    for (auto subject = subjects.rbegin(); subject != subjects.rend(); ++subject) {
        const bool isIncome = subject->kind == kIncome;
        income->append(isIncome ? subject->amount : 0);
        expense->append(isIncome ? 0 : subject->amount);
        // Two subjects may share a name; a category axis needs distinct labels.
        QString label = subject->name;
        while (categories.contains(label))
            label += QLatin1Char(' ');
        categories << label;
        low = std::min(low, subject->amount);
        high = std::max(high, subject->amount);
    }
    auto* bars = new QHorizontalStackedBarSeries;
    bars->append(income);
    bars->append(expense);
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->addSeries(bars);
    auto* axisY = new QBarCategoryAxis;
    axisY->append(categories);
    AttachAxes(chart, MoneyAxis(low, high), axisY);
    return chart;
}

} // namespace

TfrmSubjectReport::TfrmSubjectReport(QWidget* parent)
    : TfrmReport(QStringLiteral("分类统计"), parent), DTP_begin(new platform::DatePicker(this)),
      DTP_End(new platform::DatePicker(this)), cbo_dept(new platform::IdComboBox(this))
{
    const QDate today = platform::Clock::Now().date();
    DTP_begin->setDate(QDate(today.year(), 1, 1));
    DTP_End->setDate(today);
    cbo_dept->setMinimumContentsLength(12);
    AddCriterion(QStringLiteral("从："), DTP_begin);
    AddCriterion(QStringLiteral("到："), DTP_End);
    AddCriterion(QStringLiteral("社团"), cbo_dept);
    m_table = AddTable(QString(), true);
}

void TfrmSubjectReport::FormShow()
{
    FillDeptListWithAll(cbo_dept);
    TfrmReport::FormShow();
}

void TfrmSubjectReport::Refresh()
{
    const int deptId = cbo_dept->currentIndex() >= 0 ? cbo_dept->SelectedId() : 0;
    const std::vector<reports::SubjectTotal> subjects =
        reports::SubjectTotals(deptId, DTP_begin->date(), DTP_End->date());
    reports::Totals totals;
    for (const reports::SubjectTotal& subject : subjects)
        (subject.kind == kIncome ? totals.income : totals.expense) += subject.amount;

    platform::PrintTable table;
    table.titles = QStringList{QStringLiteral("收入/支出"), QStringLiteral("科目名称"), QStringLiteral("金额"),
                               QStringLiteral("占比")};
    table.rightAligned = {2, 3};
    for (const bool income : {true, false}) {
        const QString kind = income ? kIncome : QStringLiteral("支出");
        const double total = income ? totals.income : totals.expense;
        for (const reports::SubjectTotal& subject : subjects) {
            if (subject.kind == kind)
                table.rows.push_back({kind, subject.name, MoneyToStr(subject.amount), Share(subject.amount, total)});
        }
        table.rows.push_back({kind, kind + QStringLiteral("合计"), MoneyToStr(total), Share(total, total)});
    }
    table.totals = QStringList{QString(), QStringLiteral("结余"), MoneyToStr(totals.Balance()), QString()};
    SetTable(m_table, table);
    SetChart(SubjectChart(subjects, QStringLiteral("%1 各科目收支").arg(cbo_dept->currentText())));
}

QStringList TfrmSubjectReport::Subtitles() const
{
    return {QStringLiteral("社团：%1    期间：%2 至 %3")
                .arg(cbo_dept->currentText(), platform::DateToStr(DTP_begin->date()),
                     platform::DateToStr(DTP_End->date()))};
}

QString TfrmSubjectReport::FileBaseName() const
{
    return QStringLiteral("分类统计_%1_%2_%3")
        .arg(platform::DateToIso(DTP_begin->date()), platform::DateToIso(DTP_End->date()),
             cbo_dept->currentText());
}
