// The reports on a large book: the monthly report of the last year, whose
// carried balance sums every entry before it, and the statistics by subject.
#include "Reports.h"

#include "Actions.h"
#include "Floor.h"

#include "platform/ScriptedDesktop.h"
#include "reports/uMonthReport.h"
#include "reports/uSubjectReport.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using benchmark::State;

constexpr int kYear = 2024;  // the last year of the generated books

// The report's statements, as the reports write them; dept is "" or " AND A.DEPTID=n".
QString Counted(const QString& dept)
{
    return QStringLiteral(" FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B,T_DEPT C WHERE A.TYPEID=B.ID AND A.DEPTID=C.ID"
                          " AND B.IN_OUT IN ('收入','支出')")
           + dept;
}

QString OfKind(const QString& kind, const QString& dept)
{
    return QStringLiteral(" FROM T_WASTE_BOOK A WHERE A.TYPEID IN (SELECT ID FROM T_WASTE_BOOK_TYPE WHERE IN_OUT='%1')"
                          " AND A.DEPTID IN (SELECT ID FROM T_DEPT)")
               .arg(kind)
           + dept;
}

QString Opening(const QString& kind, const QString& dept)
{
    return QStringLiteral("SELECT SUM(A.AMOUNT) AS TOTAL") + OfKind(kind, dept)
           + QStringLiteral(" AND A.DATE<#%1-01-01#").arg(kYear);
}

QString Months(const QString& kind, const QString& dept)
{
    return QStringLiteral("SELECT SUBSTR(A.DATE,6,2) AS MON,SUM(A.AMOUNT) AS TOTAL") + OfKind(kind, dept)
           + QStringLiteral(" AND A.DATE>=#%1-01-01# AND A.DATE<#%2-01-01# GROUP BY SUBSTR(A.DATE,6,2)")
                 .arg(kYear)
                 .arg(kYear + 1);
}

QString Subjects(const QString& dept)
{
    return QStringLiteral("SELECT B.ID,B.NAME,B.IN_OUT,SUM(A.AMOUNT) AS TOTAL") + Counted(dept)
           + QStringLiteral(" AND A.DATE>=#%1-01-01# AND A.DATE<#%2-01-01# GROUP BY B.ID,B.NAME,B.IN_OUT")
                 .arg(kYear)
                 .arg(kYear + 1);
}

std::unique_ptr<Floor> g_floor;

QString DeptCondition(int dept) { return dept > 0 ? QStringLiteral(" AND A.DEPTID=%1").arg(dept) : QString(); }

// A report that showed a message box did not do what it measures.
void FailOnBoxes(State& state)
{
    auto& desktop = static_cast<platform::ScriptedDesktop&>(platform::Desktop::Current());
    if (!desktop.Boxes().empty()) {
        state.SkipWithError(desktop.Boxes().front().text.toUtf8().constData());
        desktop.Clear();
    }
}

void MonthReportOurs(State& state, int dept)
{
    FillDeptListWithAll(frmMonthReport->cbo_dept);
    frmMonthReport->cbo_dept->SelectId(dept);
    frmMonthReport->spn_year->setValue(kYear);
    for (auto _ : state)
        frmMonthReport->btn_queryClick();
    FailOnBoxes(state);
    state.counters["rows"] = frmMonthReport->TableModel(0)->rowCount();
}

void MonthReportFloor(State& state, int dept)
{
    std::vector<std::string> statements;
    for (const QString& kind : {QStringLiteral("收入"), QStringLiteral("支出")}) {
        statements.push_back(EngineSql(Opening(kind, DeptCondition(dept))));
        statements.push_back(EngineSql(Months(kind, DeptCondition(dept))));
    }
    for (auto _ : state) {
        for (const std::string& statement : statements)
            g_floor->Run(statement);
    }
    state.counters["rows"] = 14;  // the carried balance, twelve months, the totals
}

void SubjectReportOurs(State& state)
{
    FillDeptListWithAll(frmSubjectReport->cbo_dept);
    frmSubjectReport->DTP_begin->setDate(QDate(kYear, 1, 1));
    frmSubjectReport->DTP_End->setDate(QDate(kYear, 12, 31));
    for (auto _ : state)
        frmSubjectReport->btn_queryClick();
    FailOnBoxes(state);
    state.counters["rows"] = frmSubjectReport->TableModel(0)->rowCount();
}

void SubjectReportFloor(State& state)
{
    const std::string subjects = EngineSql(Subjects(QString()));
    long rows = 0;
    for (auto _ : state)
        rows = g_floor->Run(subjects);
    state.counters["rows"] = double(rows + 3);  // and the two subtotals and the balance
}

void Pair(const QString& action, std::function<void(State&)> ours, std::function<void(State&)> floor)
{
    for (const auto& [side, run] : {std::pair{QStringLiteral("/ours"), ours}, std::pair{QStringLiteral("/floor"), floor}})
        benchmark::RegisterBenchmark((action + side).toUtf8().constData(), [run = run](State& state) { run(state); })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond)
            ->MinWarmUpTime(0.2);
}

} // namespace

void RegisterReports(const Setup& setup)
{
    g_floor = std::make_unique<Floor>(setup.workDir + QStringLiteral("/DB.mdb"));
    const int largest = setup.largestDept.toInt();
    Pair(QStringLiteral("month report %1, all").arg(kYear), [](State& s) { MonthReportOurs(s, 0); },
         [](State& s) { MonthReportFloor(s, 0); });
    Pair(QStringLiteral("month report %1, largest").arg(kYear), [largest](State& s) { MonthReportOurs(s, largest); },
         [largest](State& s) { MonthReportFloor(s, largest); });
    Pair(QStringLiteral("subject report %1, all").arg(kYear), SubjectReportOurs, SubjectReportFloor);
}
