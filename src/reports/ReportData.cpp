#include "reports/ReportData.h"

#include "data/uPublic.h"
#include "platform/Conversions.h"
#include "platform/db/Query.h"
#include "shell/dbmodule.h"

#include <QHash>

#include <algorithm>

namespace reports {

namespace {

using platform::db::Query;

const QString kIncome = QStringLiteral("收入");
const QString kExpense = QStringLiteral("支出");

// The cash-flow entries that count: with their subject (B) and association (C).
QString CashFrom()
{
    return QStringLiteral(" FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B,T_DEPT C"
                          " WHERE A.TYPEID=B.ID AND A.DEPTID=C.ID AND B.IN_OUT IN (")
           + QuotedStr(kIncome) + QLatin1Char(',') + QuotedStr(kExpense) + QLatin1Char(')');
}

// The same entries of one kind, with subject and association as semi-joins:
// the engine then walks the index association by association instead of
// joining every row, which halves the time of a sum over a large book.
QString KindFrom(const QString& kind)
{
    return QStringLiteral(" FROM T_WASTE_BOOK A WHERE A.TYPEID IN (SELECT ID FROM T_WASTE_BOOK_TYPE WHERE IN_OUT=")
           + QuotedStr(kind) + QStringLiteral(") AND A.DEPTID IN (SELECT ID FROM T_DEPT)");
}

QString DeptCondition(int deptId)
{
    return deptId > 0 ? QStringLiteral(" AND A.DEPTID=%1").arg(deptId) : QString();
}

// Dates are kept as texts yyyy-MM-dd: a half-open range of texts selects whole
// days, and the date index serves it.
QString DateCondition(const QString& column, const QDate& from, const QDate& to)
{
    QString condition;
    if (from.isValid())
        condition += QStringLiteral(" AND %1>=#%2#").arg(column, platform::DateToIso(from));
    if (to.isValid())
        condition += QStringLiteral(" AND %1<#%2#").arg(column, platform::DateToIso(to.addDays(1)));
    return condition;
}

void Add(Totals& totals, const QString& kind, double amount)
{
    if (kind == kIncome)
        totals.income += amount;
    else if (kind == kExpense)
        totals.expense += amount;
}

// Runs a statement and calls visit for each row. A failed statement has been
// reported by OpenQuery and visits nothing.
template <typename Visit>
void ForEachRow(const QString& statement, Visit visit)
{
    Query query(DM->DB);
    if (!OpenQuery(&query, statement))
        return;
    for (query.First(); !query.Eof(); query.Next())
        visit(query);
}

double Amount(const Query& query) { return query.FieldByName(QStringLiteral("TOTAL")).AsFloat(); }
QString Text(const Query& query, const QString& field) { return query.FieldByName(field).AsString(); }

} // namespace

Totals CashTotals(int deptId, const QDate& from, const QDate& to)
{
    Totals totals;
    for (const QString& kind : {kIncome, kExpense}) {
        ForEachRow(QStringLiteral("SELECT SUM(A.AMOUNT) AS TOTAL") + KindFrom(kind) + DeptCondition(deptId)
                       + DateCondition(QStringLiteral("A.DATE"), from, to),
                   [&](const Query& row) { Add(totals, kind, Amount(row)); });
    }
    return totals;
}

std::array<Totals, 12> MonthTotals(int year, int deptId)
{
    std::array<Totals, 12> months{};
    for (const QString& kind : {kIncome, kExpense}) {
        ForEachRow(QStringLiteral("SELECT SUBSTR(A.DATE,6,2) AS MON,SUM(A.AMOUNT) AS TOTAL") + KindFrom(kind)
                       + DeptCondition(deptId)
                       + DateCondition(QStringLiteral("A.DATE"), QDate(year, 1, 1), QDate(year, 12, 31))
                       + QStringLiteral(" GROUP BY SUBSTR(A.DATE,6,2)"),
                   [&](const Query& row) {
                       const int month = Text(row, QStringLiteral("MON")).toInt();
                       if (month >= 1 && month <= 12)
                           Add(months[size_t(month - 1)], kind, Amount(row));
                   });
    }
    return months;
}

std::vector<SubjectTotal> SubjectTotals(int deptId, const QDate& from, const QDate& to)
{
    std::vector<SubjectTotal> subjects;
    ForEachRow(QStringLiteral("SELECT B.ID,B.NAME,B.IN_OUT,SUM(A.AMOUNT) AS TOTAL") + CashFrom()
                   + DeptCondition(deptId) + DateCondition(QStringLiteral("A.DATE"), from, to)
                   + QStringLiteral(" GROUP BY B.ID,B.NAME,B.IN_OUT"),
               [&](const Query& row) {
                   subjects.push_back({platform::Trim(Text(row, QStringLiteral("NAME"))),
                                       Text(row, QStringLiteral("IN_OUT")), Amount(row)});
               });
    std::stable_sort(subjects.begin(), subjects.end(), [](const SubjectTotal& a, const SubjectTotal& b) {
        if (a.kind != b.kind)
            return a.kind == kIncome;
        return a.amount > b.amount;
    });
    return subjects;
}

std::vector<DeptTotal> DeptTotals(const QDate& from, const QDate& to)
{
    std::vector<DeptTotal> depts;
    QHash<int, size_t> indexOf;
    ForEachRow(QStringLiteral("SELECT C.ID,C.NAME,B.IN_OUT,SUM(A.AMOUNT) AS TOTAL") + CashFrom()
                   + DateCondition(QStringLiteral("A.DATE"), from, to)
                   + QStringLiteral(" GROUP BY C.ID,C.NAME,B.IN_OUT ORDER BY C.NAME,C.ID"),
               [&](const Query& row) {
                   const int id = row.FieldByName(QStringLiteral("ID")).AsInteger();
                   if (!indexOf.contains(id)) {
                       indexOf.insert(id, depts.size());
                       depts.push_back({platform::Trim(Text(row, QStringLiteral("NAME"))), Totals()});
                   }
                   Add(depts[indexOf.value(id)].totals, Text(row, QStringLiteral("IN_OUT")), Amount(row));
               });
    return depts;
}

std::vector<Entry> LargestEntries(const QDate& from, const QDate& to, int count)
{
    std::vector<Entry> entries;
    ForEachRow(QStringLiteral("SELECT A.DATE,A.AMOUNT AS TOTAL,A.MEMO1,B.NAME AS TYPENAME,B.IN_OUT,"
                              "C.NAME AS DEPTNAME")
                   + CashFrom() + DateCondition(QStringLiteral("A.DATE"), from, to)
                   + QStringLiteral(" ORDER BY A.AMOUNT DESC,A.DATE,A.ID LIMIT %1").arg(count),
               [&](const Query& row) {
                   entries.push_back({platform::DateToStr(row.FieldByName(QStringLiteral("DATE")).AsDateTime().date()),
                                      Text(row, QStringLiteral("DEPTNAME")),
                                      Text(row, QStringLiteral("TYPENAME")),
                                      Text(row, QStringLiteral("IN_OUT")), Amount(row),
                                      Text(row, QStringLiteral("MEMO1"))});
               });
    return entries;
}

double FixedTotal(int deptId)
{
    double total = 0;
    ForEachRow(QStringLiteral("SELECT SUM(A.FIRST_PRICE) AS TOTAL FROM T_FIXED_ASSETS A WHERE A.DEPTID=%1")
                   .arg(deptId),
               [&](const Query& row) { total = Amount(row); });
    return total;
}

std::pair<QDate, QDate> BookPeriod(int deptId)
{
    QDate first;
    QDate last;
    auto widen = [&](const Query& row) {
        for (const QString& field : {QStringLiteral("FIRSTDATE"), QStringLiteral("LASTDATE")}) {
            if (row.FieldByName(field).IsNull())
                continue;
            const QDate date = row.FieldByName(field).AsDateTime().date();
            if (!first.isValid() || date < first)
                first = date;
            if (!last.isValid() || date > last)
                last = date;
        }
    };
    ForEachRow(QStringLiteral("SELECT MIN(A.BEGIN_USE_DATE) AS FIRSTDATE,MAX(A.BEGIN_USE_DATE) AS LASTDATE"
                              " FROM T_FIXED_ASSETS A WHERE A.DEPTID=%1")
                   .arg(deptId),
               widen);
    ForEachRow(QStringLiteral("SELECT MIN(A.DATE) AS FIRSTDATE,MAX(A.DATE) AS LASTDATE"
                              " FROM T_WASTE_BOOK A WHERE A.DEPTID=%1")
                   .arg(deptId),
               widen);
    return {first, last};
}

} // namespace reports
