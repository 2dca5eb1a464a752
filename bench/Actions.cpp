// Every user action on a large book, through the program's own code, and beside
// it the same statements on the bare engine.
#include "Actions.h"

#include "Books.h"
#include "Floor.h"

#include "data/uClassData.h"
#include "ledger/uDeptInfo.h"
#include "platform/ScriptedDesktop.h"
#include "platform/db/Backup.h"
#include "shell/DataSafety.h"
#include "shell/Main.h"
#include "shell/dbmodule.h"
#include "shell/uLog.h"

#include <QDir>
#include <QFile>
#include <QTreeWidgetItemIterator>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

using benchmark::State;

// The program's statements, written as the windows write them.
namespace Sql {

QString Tree() { return QStringLiteral("SELECT ID,NAME,UPID,0 AS ROOT FROM T_DEPT"); }

QString Header(const QString& id)
{
    return QStringLiteral("SELECT A.ID,A.NAME,A.MANAGER,A.MANAGER_TEL,A.BASIC_THING,A.FOUND_DATE,A.MEMO1,"
                          "B.NAME AS TYPENAME FROM T_DEPT A,T_DEPT B WHERE A.UPID=B.ID AND A.ID=")
           + id;
}

QString Fixed(const QString& condition)
{
    return QStringLiteral("SELECT A.ID,A.NAME,A.BEGIN_USE_DATE,A.STATUS,A.FIRST_PRICE,A.NOW_PRICE,A.MEMO1,"
                          "B.NAME AS DEPTNAME FROM T_FIXED_ASSETS A,T_DEPT B WHERE A.DEPTID=B.ID ")
           + condition;
}

QString Waste(const QString& condition)
{
    return QStringLiteral("SELECT A.ID,A.DATE,A.AMOUNT,B.NAME AS TYPENAME,B.IN_OUT,A.MEMO1,C.NAME AS DEPTNAME "
                          "FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B,T_DEPT C WHERE A.DEPTID=C.ID AND A.TYPEID=B.ID ")
           + condition;
}

QString FixedSum(const QString& id)
{
    return QStringLiteral("SELECT SUM(A.FIRST_PRICE) FROM T_FIXED_ASSETS A WHERE A.DEPTID=") + id;
}

QString WasteSum(const QString& id, const QString& kind)
{
    return QStringLiteral("SELECT SUM([A.AMOUNT]) FROM T_WASTE_BOOK A,T_WASTE_BOOK_TYPE B "
                          "WHERE A.TYPEID=B.ID AND A.DEPTID=")
           + id + QStringLiteral(" AND B.IN_OUT='") + kind + QLatin1Char('\'');
}

QString AmountRange(const QString& column, const QString& low, const QString& high)
{
    return QStringLiteral(" AND (A.%1 BETWEEN %2 AND %3) ").arg(column, low, high);
}

QString DateRange(const QString& column, const QString& begin, const QString& end)
{
    return QStringLiteral(" AND (A.%1 BETWEEN #%2# AND #%3#) ").arg(column, begin, end);
}

} // namespace Sql

// The criteria of one search, as the user sets them on the search tab.
struct Search {
    QString name;
    QString low, high;    // amount range, when not empty
    QDate begin, end;     // date range, when valid
};

const QString kEntryDate = QStringLiteral("2024-06-01");
const QString kEntryAmount = QStringLiteral("123.45");
const QString kEntryMemo = QStringLiteral("基准测试");

struct Context {
    Setup setup;
    std::unique_ptr<Floor> floor;
};
Context* g_context = nullptr;

Floor& TheFloor() { return *g_context->floor; }
const Setup& TheSetup() { return g_context->setup; }

platform::ScriptedDesktop& Scripted()
{
    return static_cast<platform::ScriptedDesktop&>(platform::Desktop::Current());
}

// A benchmark whose action showed a message box did not do what it measures.
void FailOnBoxes(State& state)
{
    if (!Scripted().Boxes().empty()) {
        const QString text = Scripted().Boxes().front().text;
        Scripted().Clear();
        state.SkipWithError(text.toUtf8().constData());
    }
}

void Rows(State& state, double rows) { state.counters["rows"] = rows; }

// The program's connection moved to the database in another directory, as if
// the program had been started there.
void UseDatabaseIn(const QString& dir)
{
    DM->DB->Close();
    QDir::setCurrent(dir);
    DM->DB->Open();
}

int TreeNodes()
{
    int nodes = 0;
    for (QTreeWidgetItemIterator it(frmMain->TreeDept); *it; ++it)
        ++nodes;
    return nodes;
}

int GridRows()
{
    return frmDeptInfo->qryFixed->RecordCount() + frmDeptInfo->qryWaste->RecordCount();
}

long RefreshOnFloor(const QString& id)
{
    Floor& floor = TheFloor();
    const long rows = floor.Run(EngineSql(Sql::Fixed(QStringLiteral("AND A.DEPTID=") + id)))
                      + floor.Run(EngineSql(Sql::Waste(QStringLiteral("AND A.DEPTID=") + id)));
    floor.Run(EngineSql(Sql::FixedSum(id)));
    floor.Run(EngineSql(Sql::WasteSum(id, QStringLiteral("收入"))));
    floor.Run(EngineSql(Sql::WasteSum(id, QStringLiteral("支出"))));
    return rows;
}

// Start-up: the data module connects to the database.
void StartOurs(State& state)
{
    bool connected = false;
    for (auto _ : state) {
        auto module = std::make_unique<TDM>();
        connected = module->DB->Connected();
    }
    FailOnBoxes(state);
    Rows(state, connected ? 1 : 0);
}

void StartFloor(State& state)
{
    const QString file = QDir::current().absoluteFilePath(QStringLiteral("DB.mdb"));
    for (auto _ : state)
        Floor::Connect(file);
    Rows(state, 1);
}

// The automatic backup of every start: a consistent copy, synced to disk and
// checked before it gets its name.
void BackupOurs(State& state)
{
    for (auto _ : state)
        BackupAtStart();
    FailOnBoxes(state);
    Rows(state, 1);
}

void BackupFloor(State& state)
{
    QDir(TheSetup().workDir).mkpath(QStringLiteral("backup"));
    const QString copy = TheSetup().workDir + QStringLiteral("/backup/floor.mdb");
    for (auto _ : state) {
        QFile::remove(copy);
        TheFloor().Exec("VACUUM INTO '" + copy.toStdString() + "'");
        platform::db::SyncToDisk(copy);
        Floor(copy).Run("PRAGMA integrity_check");
    }
    QFile::remove(copy);
    Rows(state, 1);
}

// Login: the user table opened whole and searched for name and password.
void LoginOurs(State& state)
{
    frmLog->Edt_username->setText(QStringLiteral("ADMIN"));
    frmLog->Edt_password->setText(QStringLiteral("admin"));
    for (auto _ : state) {
        CurUserID.clear();
        frmLog->tab_user->Close();  // the login opens the table the first time
        frmLog->btn_okClick();
    }
    FailOnBoxes(state);
    Rows(state, CurUserID.isEmpty() ? 0 : 1);
}

void LoginFloor(State& state)
{
    const std::string statement = EngineSql(QStringLiteral("SELECT * FROM T_user"));
    for (auto _ : state)
        TheFloor().Run(statement);
    Rows(state, 1);
}

void TreeOurs(State& state, const QString& dir)
{
    const bool elsewhere = dir != TheSetup().workDir;
    if (elsewhere)
        UseDatabaseIn(dir);
    for (auto _ : state)
        frmMain->LoadDeptTree();
    FailOnBoxes(state);
    Rows(state, TreeNodes());
    if (elsewhere)
        UseDatabaseIn(TheSetup().workDir);
}

void TreeFloor(State& state, const QString& dir)
{
    Floor floor(dir + QStringLiteral("/DB.mdb"));
    const std::string statement = EngineSql(Sql::Tree());
    long rows = 0;
    for (auto _ : state)
        rows = floor.Run(statement);
    Rows(state, double(rows));
}

// The finance window shows the association with the most entries.
void LoadDeptOurs(State& state)
{
    for (auto _ : state) {
        frmDeptInfo->DeptID = TheSetup().largestDept;
        frmDeptInfo->LoadDept();
    }
    FailOnBoxes(state);
    Rows(state, GridRows());
}

void LoadDeptFloor(State& state)
{
    const QString id = TheSetup().largestDept;
    long rows = 0;
    for (auto _ : state) {
        TheFloor().Run(EngineSql(Sql::Header(id)));
        rows = RefreshOnFloor(id);
    }
    Rows(state, double(rows));
}

void SetCriteria(const Search& search)
{
    frmMain->cbo_range->setCurrentIndex(0);
    frmMain->cbo_dept->setCurrentIndex(-1);
    frmMain->cbo_dept->setEditText(QString());
    frmMain->cb_Money->setChecked(!search.low.isEmpty());
    frmMain->Edt_low->setText(search.low);
    frmMain->Edt_Hight->setText(search.high);
    frmMain->cb_date->setChecked(search.begin.isValid());
    if (search.begin.isValid()) {
        frmMain->DTP_begin->setDateTime(QDateTime(search.begin, QTime(0, 0)));
        frmMain->DTP_End->setDateTime(QDateTime(search.end, QTime(0, 0)));
    }
}

// What one search holds in memory once its results are shown.
void MeasureSearchMemory(State& state)
{
    frmDeptInfo->qryFixed->Close();
    frmDeptInfo->qryWaste->Close();
    Memory::ResetPeak();
    const size_t inUse = Memory::InUse();
    const size_t resident = Memory::Resident();
    frmMain->btn_searchClick();
    state.counters["held_MB"] = double(Memory::InUse() - qMin(inUse, Memory::InUse())) / 1e6;
    state.counters["peak_MB"] = double(Memory::PeakResident() - qMin(resident, Memory::PeakResident())) / 1e6;
}

void SearchOurs(State& state, const Search& search)
{
    SetCriteria(search);
    MeasureSearchMemory(state);
    for (auto _ : state)
        frmMain->btn_searchClick();
    FailOnBoxes(state);
    Rows(state, GridRows());
}

void SearchFloor(State& state, const Search& search)
{
    QString fixed, waste;
    if (!search.low.isEmpty()) {
        fixed += Sql::AmountRange(QStringLiteral("FIRST_PRICE"), search.low, search.high);
        waste += Sql::AmountRange(QStringLiteral("AMOUNT"), search.low, search.high);
    }
    if (search.begin.isValid()) {
        const QString begin = search.begin.toString(Qt::ISODate);
        const QString end = search.end.toString(Qt::ISODate);
        fixed += Sql::DateRange(QStringLiteral("BEGIN_USE_DATE"), begin, end);
        waste += Sql::DateRange(QStringLiteral("DATE"), begin, end);
    }
    const std::string fixedSql = EngineSql(Sql::Fixed(fixed));
    const std::string wasteSql = EngineSql(Sql::Waste(waste));
    Memory::ResetPeak();
    const size_t resident = Memory::Resident();
    long rows = 0;
    for (auto _ : state)
        rows = TheFloor().Run(fixedSql) + TheFloor().Run(wasteSql);
    state.counters["peak_MB"] = double(Memory::PeakResident() - qMin(resident, Memory::PeakResident())) / 1e6;
    Rows(state, double(rows));
}

// One new cash-flow entry, written with the database's durability on, and the
// refresh that shows it. "rows" counts 1 when every entry written shows up.
void WriteOurs(State& state, const QString& id)
{
    frmDeptInfo->DeptID = id;
    frmDeptInfo->btn_viewClick();
    const int before = frmDeptInfo->qryWaste->RecordCount();
    for (auto _ : state) {
        Account->AddWasteEntry(id, kEntryDate, TheSetup().subjectId, kEntryAmount, kEntryMemo);
        frmDeptInfo->btn_viewClick();
    }
    FailOnBoxes(state);
    Rows(state, frmDeptInfo->qryWaste->RecordCount() - before == state.iterations() ? 1 : 0);
}

long EntriesOf(const QString& id)
{
    return TheFloor().Run(EngineSql(QStringLiteral("SELECT ID FROM T_WASTE_BOOK WHERE DEPTID=") + id));
}

void WriteFloor(State& state, const QString& id)
{
    const std::string insert = EngineSql(
        QStringLiteral("INSERT INTO T_WASTE_BOOK([DEPTID],[DATE],[TYPEID],[AMOUNT],[MEMO1]) VALUES(") + id
        + QStringLiteral(",#") + kEntryDate + QStringLiteral("#,") + TheSetup().subjectId + QLatin1Char(',')
        + kEntryAmount + QStringLiteral(",'") + kEntryMemo + QStringLiteral("')"));
    const long before = EntriesOf(id);
    for (auto _ : state) {
        TheFloor().Exec("BEGIN");
        TheFloor().Run(insert);
        TheFloor().Exec("COMMIT");
        RefreshOnFloor(id);
    }
    Rows(state, EntriesOf(id) - before == long(state.iterations()) ? 1 : 0);
    // The entries written by both runs go again, so that the book is as generated.
    TheFloor().Exec(EngineSql(QStringLiteral("DELETE FROM T_WASTE_BOOK WHERE MEMO1='") + kEntryMemo
                              + QLatin1Char('\'')));
}

// The association deleted with both its books; it is put back, with the same
// keys, outside the timing.
void SaveDept(const QString& id)
{
    const std::string key = id.toStdString();
    TheFloor().Exec("DROP TABLE IF EXISTS temp.saved_dept; DROP TABLE IF EXISTS temp.saved_fixed;"
                    "DROP TABLE IF EXISTS temp.saved_waste;"
                    "CREATE TEMP TABLE saved_dept AS SELECT * FROM T_DEPT WHERE ID=" + key + ";"
                    "CREATE TEMP TABLE saved_fixed AS SELECT * FROM T_FIXED_ASSETS WHERE DEPTID=" + key + ";"
                    "CREATE TEMP TABLE saved_waste AS SELECT * FROM T_WASTE_BOOK WHERE DEPTID=" + key);
}

void RestoreDept()
{
    TheFloor().Exec("BEGIN; INSERT INTO T_DEPT SELECT * FROM temp.saved_dept;"
                    "INSERT INTO T_FIXED_ASSETS SELECT * FROM temp.saved_fixed;"
                    "INSERT INTO T_WASTE_BOOK SELECT * FROM temp.saved_waste; COMMIT");
}

bool DeptExists(const QString& id)
{
    return TheFloor().Run(EngineSql(QStringLiteral("SELECT ID FROM T_DEPT WHERE ID=") + id)) > 0;
}

void DeleteOurs(State& state)
{
    const QString id = TheSetup().largestDept;
    SaveDept(id);
    bool deleted = true;
    for (auto _ : state) {
        FinanceItem->DeleteDept(id);
        state.PauseTiming();
        deleted = deleted && !DeptExists(id);
        RestoreDept();
        state.ResumeTiming();
    }
    FailOnBoxes(state);
    Rows(state, deleted ? 1 : 0);
}

void DeleteFloor(State& state)
{
    const QString id = TheSetup().largestDept;
    SaveDept(id);
    const std::string statements[] = {
        EngineSql(QStringLiteral("DELETE FROM T_WASTE_BOOK WHERE DEPTID=") + id),
        EngineSql(QStringLiteral("DELETE FROM T_FIXED_ASSETS WHERE DEPTID=") + id),
        EngineSql(QStringLiteral("DELETE FROM T_DEPT WHERE ID=") + id),
    };
    for (auto _ : state) {
        TheFloor().Exec("BEGIN");
        for (const std::string& statement : statements)
            TheFloor().Run(statement);
        TheFloor().Exec("COMMIT");
        state.PauseTiming();
        RestoreDept();
        state.ResumeTiming();
    }
    Rows(state, 1);
}

benchmark::internal::Benchmark* Register(const QString& name, std::function<void(State&)> run)
{
    return benchmark::RegisterBenchmark(name.toUtf8().constData(),
                                        [run = std::move(run)](State& state) { run(state); })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

void Pair(const QString& action, std::function<void(State&)> ours, std::function<void(State&)> floor,
          int iterations = 0)
{
    auto* a = Register(action + QStringLiteral("/ours"), std::move(ours));
    auto* b = Register(action + QStringLiteral("/floor"), std::move(floor));
    // A warm-up first, so that neither side pays for mapping the file's pages
    // into memory that the other side met already. The long actions run a
    // fixed number of times instead.
    for (auto* benchmark : {a, b}) {
        if (iterations > 0)
            benchmark->Iterations(iterations);
        else
            benchmark->MinWarmUpTime(0.2);
    }
}

} // namespace

void RegisterActions(const Setup& setup)
{
    static Context context;
    context.setup = setup;
    context.floor = std::make_unique<Floor>(setup.workDir + QStringLiteral("/DB.mdb"));
    g_context = &context;

    Pair(QStringLiteral("start-up connection"), StartOurs, StartFloor);
    Pair(QStringLiteral("backup at start"), BackupOurs, BackupFloor, 2);
    Pair(QStringLiteral("login lookup"), LoginOurs, LoginFloor);
    Pair(QStringLiteral("tree %1 nodes").arg(setup.treeNodes),
         [](State& s) { TreeOurs(s, TheSetup().workDir); },
         [](State& s) { TreeFloor(s, TheSetup().workDir); });
    Pair(QStringLiteral("LoadDept largest"), LoadDeptOurs, LoadDeptFloor);

    const Search everything{QStringLiteral("search all"), {}, {}, {}, {}};
    const Search month{QStringLiteral("search one month"), {}, {}, QDate(2015, 3, 1), QDate(2015, 3, 31)};
    const Search amounts{QStringLiteral("search amount 100-150"), QStringLiteral("100"), QStringLiteral("150"), {}, {}};
    for (const Search& search : {everything, month, amounts}) {
        Pair(search.name, [search](State& s) { SearchOurs(s, search); },
             [search](State& s) { SearchFloor(s, search); }, search.name == everything.name ? 3 : 0);
    }

    Pair(QStringLiteral("new entry + refresh, largest"), [](State& s) { WriteOurs(s, TheSetup().largestDept); },
         [](State& s) { WriteFloor(s, TheSetup().largestDept); });
    Pair(QStringLiteral("new entry + refresh, typical"), [](State& s) { WriteOurs(s, TheSetup().typicalDept); },
         [](State& s) { WriteFloor(s, TheSetup().typicalDept); });
    Pair(QStringLiteral("DeleteDept largest"), DeleteOurs, DeleteFloor, 5);
    // Last, as they move the program to other databases.
    for (const Catalogue& catalogue : setup.catalogues) {
        Pair(QStringLiteral("tree %1 nodes").arg(catalogue.rows),
             [dir = catalogue.dir](State& s) { TreeOurs(s, dir); },
             [dir = catalogue.dir](State& s) { TreeFloor(s, dir); });
    }
}
