// The figures of each report on the hand-worked fixture, read as the user sees
// them in the report windows, and their agreement with the finance window.
#include "ReportFixture.h"

#include "ledger/uDeptInfo.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "reports/uMonthAnalysis.h"
#include "reports/uMonthReport.h"
#include "reports/uSubjectReport.h"

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>

namespace {

// Opens a report through the desktop, lets prepare set its criteria, presses
// "查  询" and returns the rows of its table.
template <typename Report>
TextRows OpenReport(platform::ScriptedDesktop& desktop, Report* report, std::function<void(Report&)> prepare,
         int table = 0)
{
    TextRows rows;
    desktop.OnModal([&](platform::Form& form) {
        auto& shown = static_cast<Report&>(form);
        prepare(shown);
        shown.btn_queryClick();
        rows = ReportTest::TableRows(*shown.TableModel(table));
    });
    report->ShowModal();
    return rows;
}

TextRows Zeros(const QString& opening)
{
    TextRows rows = {{"月份", "收入", "支出", "本月结余", "累计结余"}, {"上年结转", "", "", "", opening}};
    for (int month = 1; month <= 12; ++month)
        rows.push_back({QStringLiteral("%1月").arg(month), "0.00", "0.00", "0.00", opening});
    rows.push_back({"全年合计", "0.00", "0.00", "0.00", opening});
    return rows;
}

} // namespace

TEST_F(ReportTest, MonthReportListsEveryMonthWithRunningBalance)
{
    TextRows choir2006 = Zeros("69.75");
    choir2006[2] = {"1月", "200.10", "50.05", "150.05", "219.80"};
    choir2006[3][4] = "219.80";
    choir2006[4] = {"3月", "1000.00", "1200.40", "-200.40", "19.40"};
    for (int month = 4; month <= 11; ++month)
        choir2006[size_t(month + 1)][4] = "19.40";
    choir2006[13] = {"12月", "0.30", "0.00", "0.30", "19.70"};
    choir2006[14] = {"全年合计", "1200.40", "1250.45", "-50.05", "19.70"};

    // All associations: the drama club's February income and March expense
    // join in, the running balance turns negative, and neither orphan counts.
    TextRows all2006 = choir2006;
    all2006[3] = {"2月", "80.00", "0.00", "80.00", "299.80"};
    all2006[4] = {"3月", "1000.00", "1320.90", "-320.90", "-21.10"};
    for (int month = 4; month <= 11; ++month)
        all2006[size_t(month + 1)][4] = "-21.10";
    all2006[13] = {"12月", "0.30", "0.00", "0.30", "-20.80"};
    all2006[14] = {"全年合计", "1280.40", "1370.95", "-90.55", "-20.80"};

    const struct {
        int dept;
        int year;
        TextRows expected;
    } cases[] = {
        {choir, 2006, choir2006},
        {0, 2006, all2006},
        {chess, 2006, Zeros("0.00")},  // fixed assets only
        {drama, 2005, Zeros("0.00")},  // a year before its first entry
    };
    for (const auto& c : cases) {
        const TextRows rows = OpenReport<TfrmMonthReport>(Desktop(), frmMonthReport, [&](TfrmMonthReport& report) {
            ASSERT_TRUE(report.cbo_dept->SelectId(c.dept));
            report.spn_year->setValue(c.year);
        });
        EXPECT_EQ(rows, c.expected) << "association " << c.dept << ", " << c.year;
    }
}

TEST_F(ReportTest, MonthReportOffersAllAssociationsButNoTypes)
{
    OpenReport<TfrmMonthReport>(Desktop(), frmMonthReport, [&](TfrmMonthReport& report) {
        QStringList names;
        for (int i = 0; i < report.cbo_dept->count(); ++i)
            names << report.cbo_dept->itemText(i);
        EXPECT_EQ(names, (QStringList{"全部社团", "合唱团", "话剧社", "棋社"}));
        EXPECT_EQ(report.cbo_dept->currentIndex(), 0);
        report.spn_year->setValue(2006);
    });
    QChart* chart = frmMonthReport->Chart();
    ASSERT_EQ(chart->series().size(), 2);
    auto* bars = qobject_cast<QAbstractBarSeries*>(chart->series().first());
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->barSets().at(0)->label(), "收入");
    EXPECT_DOUBLE_EQ(bars->barSets().at(1)->at(2), 1320.9);
    auto* months = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).first());
    ASSERT_NE(months, nullptr);
    EXPECT_EQ(months->categories(), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
}

TEST_F(ReportTest, SubjectReportGivesEachSubjectsShareOfItsKind)
{
    const TextRows choir2006 = {
        {"收入/支出", "科目名称", "金额", "占比"},
        {"收入", "拨款", "1000.00", "83.31%"},
        {"收入", "会费", "200.40", "16.69%"},
        {"收入", "收入合计", "1200.40", "100.00%"},
        {"支出", "器材", "1200.40", "96.00%"},
        {"支出", "活动费", "50.05", "4.00%"},
        {"支出", "支出合计", "1250.45", "100.00%"},
        {"", "结余", "-50.05", ""},
    };
    const TextRows dramaMarch = {
        {"收入/支出", "科目名称", "金额", "占比"},
        {"收入", "收入合计", "0.00", ""},
        {"支出", "活动费", "120.50", "100.00%"},
        {"支出", "支出合计", "120.50", "100.00%"},
        {"", "结余", "-120.50", ""},
    };
    const TextRows nothing = {
        {"收入/支出", "科目名称", "金额", "占比"},
        {"收入", "收入合计", "0.00", ""},
        {"支出", "支出合计", "0.00", ""},
        {"", "结余", "0.00", ""},
    };
    const struct {
        int dept;
        QDate from, to;
        TextRows expected;
    } cases[] = {
        {choir, {2006, 1, 1}, {2006, 12, 31}, choir2006},
        // Both end days count: 2006-03-10 is the first and the last day.
        {drama, {2006, 3, 10}, {2006, 3, 10}, dramaMarch},
        {chess, {2000, 1, 1}, {2010, 12, 31}, nothing},
        {0, {2006, 4, 1}, {2006, 3, 1}, nothing},  // begin after end
    };
    for (const auto& c : cases) {
        const TextRows rows = OpenReport<TfrmSubjectReport>(Desktop(), frmSubjectReport, [&](TfrmSubjectReport& report) {
            ASSERT_TRUE(report.cbo_dept->SelectId(c.dept));
            report.DTP_begin->setDate(c.from);
            report.DTP_End->setDate(c.to);
        });
        EXPECT_EQ(rows, c.expected) << "association " << c.dept;
    }
}

TEST_F(ReportTest, MonthAnalysisComparesTheCurrentMonthWithThePrevious)
{
    platform::Clock::Set(QDateTime(QDate(2006, 3, 20), QTime(9, 30)));
    TextRows comparison, depts, largest;
    Desktop().OnModal([&](platform::Form&) {
        comparison = TableRows(*frmMonthAnalysis->TableModel(0));
        depts = TableRows(*frmMonthAnalysis->TableModel(1));
        largest = TableRows(*frmMonthAnalysis->TableModel(2));
    });
    frmMonthAnalysis->ShowModal();

    EXPECT_EQ(frmMonthAnalysis->lab_period->text(), "2006-03-01 至 2006-03-31");
    EXPECT_EQ(comparison, (TextRows{{"项目", "本月", "上月", "增减"},
                                {"收入", "1000.00", "80.00", "920.00"},
                                {"支出", "1320.90", "0.00", "1320.90"},
                                {"结余", "-320.90", "80.00", "-400.90"}}));
    EXPECT_EQ(depts, (TextRows{{"社团名称", "收入", "支出", "结余"},
                           {"合唱团", "1000.00", "1200.40", "-200.40"},
                           {"话剧社", "0.00", "120.50", "-120.50"},
                           {"合计", "1000.00", "1320.90", "-320.90"}}));
    EXPECT_EQ(largest, (TextRows{{"日期", "社团名称", "科目名称", "收入/支出", "金额", "说明"},
                             {"2006-03-15", "合唱团", "器材", "支出", "1200.40", "购买谱架"},
                             {"2006-03-01", "合唱团", "拨款", "收入", "1000.00", "学校拨款"},
                             {"2006-03-10", "话剧社", "活动费", "支出", "120.50", "演出服装"}}));
    auto* axis = qobject_cast<QBarCategoryAxis*>(frmMonthAnalysis->Chart()->axes(Qt::Horizontal).first());
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->categories(), (QStringList{"合唱团", "话剧社"}));
}

TEST_F(ReportTest, MonthAnalysisShowsOnlyTheTenLargestEntriesAndFollowsTheClock)
{
    Sql(QStringLiteral("BEGIN"));
    for (int amount = 1; amount <= 12; ++amount)
        AddEntry(chess, fees, amount, QStringLiteral("2007-05-%1").arg(amount, 2, 10, QLatin1Char('0')));
    Sql(QStringLiteral("COMMIT"));
    platform::Clock::Set(QDateTime(QDate(2007, 5, 31), QTime(23, 59)));
    frmMonthAnalysis->ShowModal();
    const TextRows largest = TableRows(*frmMonthAnalysis->TableModel(2));
    ASSERT_EQ(largest.size(), 11u);
    EXPECT_EQ(largest[1][4], "12.00");
    EXPECT_EQ(largest[10][4], "3.00");
    // April had nothing.
    EXPECT_EQ(TableRows(*frmMonthAnalysis->TableModel(0))[1],
              (QStringList{"收入", "78.00", "0.00", "78.00"}));
}

// The finance window shows all of an association's entries; the subject
// report over all dates and the month report's closing balance must give the
// same figures to the cent.
TEST_F(ReportTest, EveryFigureAgreesWithTheFinanceWindow)
{
    for (const int dept : {choir, drama, chess}) {
        frmDeptInfo->DeptID = QString::number(dept);
        frmDeptInfo->LoadDept();
        const QString income = platform::MoneyToStr(frmDeptInfo->Lab_Waste_in->text().toDouble());
        const QString expense = platform::MoneyToStr(frmDeptInfo->Lab_Waste_out->text().toDouble());
        const QString balance = platform::MoneyToStr(frmDeptInfo->Lab_Waste->text().toDouble());

        const TextRows subjects = OpenReport<TfrmSubjectReport>(Desktop(), frmSubjectReport, [&](TfrmSubjectReport& report) {
            report.cbo_dept->SelectId(dept);
            report.DTP_begin->setDate(QDate(1990, 1, 1));
            report.DTP_End->setDate(QDate(2030, 12, 31));
        });
        auto total = [&](const QString& caption) {
            for (const QStringList& row : subjects)
                if (row.value(1) == caption)
                    return row.value(2);
            return QStringLiteral("missing");
        };
        EXPECT_EQ(total("收入合计"), income) << dept;
        EXPECT_EQ(total("支出合计"), expense) << dept;
        EXPECT_EQ(total("结余"), balance) << dept;

        const TextRows months = OpenReport<TfrmMonthReport>(Desktop(), frmMonthReport, [&](TfrmMonthReport& report) {
            report.cbo_dept->SelectId(dept);
            report.spn_year->setValue(2030);
        });
        EXPECT_EQ(months.back()[4], balance) << dept;
    }
    EXPECT_EQ(frmDeptInfo->Lab_Waste->text(), "0") << "the last one shown, the chess club, has no entries";
}
