#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <vector>

// The figures of the reports, summed by the database. Entries count as income
// or expense by their subject's kind, exactly "收入" or "支出", and only when
// both their subject and their association exist, as in the finance window.
// An association ID of 0 means all associations. Periods include both end
// days; an invalid date leaves that end open.
namespace reports {

struct Totals {
    double income = 0;
    double expense = 0;
    double Balance() const { return income - expense; }
};

// Income and expense of the cash-flow entries in a period.
Totals CashTotals(int deptId, const QDate& from, const QDate& to);

// Income and expense of each month of a year (index 0 is January).
std::array<Totals, 12> MonthTotals(int year, int deptId);

struct SubjectTotal {
    QString name;
    QString kind;  // "收入" or "支出"
    double amount = 0;
};
// One row per subject with entries in the period, income subjects first, each
// kind by amount from the largest.
std::vector<SubjectTotal> SubjectTotals(int deptId, const QDate& from, const QDate& to);

struct DeptTotal {
    QString name;
    Totals totals;
};
// One row per association with entries in the period, by name.
std::vector<DeptTotal> DeptTotals(const QDate& from, const QDate& to);

struct Entry {
    QString date;
    QString deptName;
    QString subject;
    QString kind;
    double amount = 0;
    QString memo;
};
// The entries of the period with the largest amounts, largest first.
std::vector<Entry> LargestEntries(const QDate& from, const QDate& to, int count);

// The total value of an association's fixed assets.
double FixedTotal(int deptId);

// The first and last date found in an association's two books (invalid dates
// when both are empty).
std::pair<QDate, QDate> BookPeriod(int deptId);

} // namespace reports
