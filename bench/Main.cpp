// Benchmarks of the program's user actions on large books, each beside the
// engine's floor. Usage: varnholt_bench [--scale=S|M|L] [Google Benchmark flags].
#include "Actions.h"
#include "Books.h"
#include "Floor.h"
#include "Reports.h"

#include "data/uClassData.h"
#include "platform/Application.h"
#include "platform/ScriptedDesktop.h"
#include "shell/Program.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kCatalogueRows[] = {2500, 5000, 10000, 20000};

// The scale given as --scale=X (default L), taken out of the arguments.
QString TakeScale(int& argc, char** argv)
{
    QString scale = QStringLiteral("L");
    const std::string flag = "--scale=";
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind(flag, 0) == 0)
            scale = QString::fromStdString(arg.substr(flag.size()));
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return scale;
}

// The first column of the first row of a statement.
std::string FirstValue(const QString& file, const std::string& statement)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* prepared = nullptr;
    std::string value;
    if (sqlite3_prepare_v2(db, statement.c_str(), -1, &prepared, nullptr) == SQLITE_OK
        && sqlite3_step(prepared) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(prepared, 0));
    sqlite3_finalize(prepared);
    sqlite3_close(db);
    return value;
}

Setup Prepare(const QString& scale)
{
    const std::optional<ScaleData::Size> size = ScaleData::StandardSize(scale);
    if (!size)
        throw std::runtime_error("--scale takes S, M or L");
    Setup setup;
    setup.workDir = Books::WorkingCopy(Books::Cached(scale.toUpper(), *size), scale.toUpper());
    for (int rows : kCatalogueRows)
        setup.catalogues.push_back(
            {rows, Books::Cached(QStringLiteral("catalogue-%1").arg(rows), ScaleData::CatalogueOnly(rows))});

    const QString file = setup.workDir + QStringLiteral("/DB.mdb");
    setup.largestDept = QString::fromStdString(FirstValue(
        file, "SELECT DEPTID FROM T_WASTE_BOOK GROUP BY DEPTID ORDER BY COUNT(*) DESC, DEPTID LIMIT 1"));
    setup.typicalDept = QString::fromStdString(FirstValue(
        file, "SELECT DEPTID FROM (SELECT DEPTID, COUNT(*) AS N FROM T_WASTE_BOOK GROUP BY DEPTID)"
              " ORDER BY N, DEPTID LIMIT 1 OFFSET (SELECT COUNT(DISTINCT DEPTID) FROM T_WASTE_BOOK) / 2"));
    setup.subjectId = QString::fromStdString(FirstValue(file, "SELECT MIN(ID) FROM T_WASTE_BOOK_TYPE"));
    setup.treeNodes = std::stoi(FirstValue(file, "SELECT COUNT(*) FROM T_DEPT"));
    return setup;
}

// The program as at start-up, with the record writers as after the login.
void CreateProgram(const Setup& setup)
{
    QDir::setCurrent(setup.workDir);
    platform::Desktop::Install(std::make_unique<platform::ScriptedDesktop>());
    platform::Application::SetTitle(QStringLiteral("Varnholt"));
    CreateInstances();
    FinanceItem = new TFinanceItem;
    Account = new TAccount;
}

struct Figures {
    double ms = -1;  // real time per iteration
    double cpuMs = -1;
    double rows = -1;
    double heldMB = -1;
    double peakMB = -1;
    std::string error;
};

struct Action {
    std::string name;
    Figures ours, floor;
};

// Passes every run on to the console and keeps the figures for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            Keep(run);
    }

    const std::vector<Action>& Actions() const { return m_actions; }

private:
    static double Counter(const Run& run, const char* name)
    {
        const auto it = run.counters.find(name);
        return it == run.counters.end() ? -1 : it->second.value;
    }

    void Keep(const Run& run)
    {
        const std::string name = run.benchmark_name();
        for (const char* side : {"/ours", "/floor"}) {
            const size_t at = name.find(side);
            if (at == std::string::npos)
                continue;
            Action& action = Find(name.substr(0, at));
            Figures& figures = std::string(side) == "/ours" ? action.ours : action.floor;
            const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            figures.ms = run.GetAdjustedRealTime() * toMs;
            figures.cpuMs = run.GetAdjustedCPUTime() * toMs;
            figures.rows = Counter(run, "rows");
            figures.heldMB = Counter(run, "held_MB");
            figures.peakMB = Counter(run, "peak_MB");
            figures.error = run.error_occurred ? run.error_message : std::string();
        }
    }

    Action& Find(const std::string& name)
    {
        for (Action& action : m_actions) {
            if (action.name == name)
                return action;
        }
        m_actions.push_back({name, {}, {}});
        return m_actions.back();
    }

    std::vector<Action> m_actions;
};

std::string Memory(const Figures& figures)
{
    if (figures.heldMB < 0 && figures.peakMB < 0)
        return "";
    char text[64];
    std::snprintf(text, sizeof text, "held %.0f MB, peak %.0f MB", qMax(0.0, figures.heldMB),
                  qMax(0.0, figures.peakMB));
    return text;
}

double Ratio(double ours, double floor) { return floor > 0 ? ours / floor : 0.0; }

void PrintSummary(const std::vector<Action>& actions)
{
    std::printf("\n| action | ours ms | floor ms | ours/floor | ours CPU ms | floor CPU ms | CPU ours/floor"
                " | rows | memory (ours) | note |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---|---|\n");
    for (const Action& a : actions) {
        std::string note = a.ours.error.empty() ? a.floor.error : a.ours.error;
        if (note.empty() && a.ours.rows != a.floor.rows)
            note = "ours gave " + std::to_string(long(a.ours.rows)) + " rows: not (fully) built yet?";
        std::printf("| %s | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %.0f | %s | %s |\n", a.name.c_str(),
                    a.ours.ms, a.floor.ms, Ratio(a.ours.ms, a.floor.ms), a.ours.cpuMs, a.floor.cpuMs,
                    Ratio(a.ours.cpuMs, a.floor.cpuMs), a.floor.rows, Memory(a.ours).c_str(), note.c_str());
    }
    // The tree is linear when doubling its rows at most doubles its time.
    std::printf("\nTree, ours per 1,000 nodes (real / CPU):");
    const Action* previous = nullptr;
    for (const Action& a : actions) {
        if (a.name.rfind("tree ", 0) != 0 || a.ours.rows <= 0)
            continue;
        std::printf("  %.0f nodes: %.2f / %.2f ms", a.ours.rows, a.ours.ms * 1000 / a.ours.rows,
                    a.ours.cpuMs * 1000 / a.ours.rows);
        if (previous && a.ours.rows == 2 * previous->ours.rows)
            std::printf(" (twice the rows: %.2fx the time)", a.ours.ms / previous->ours.ms);
        previous = &a;
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString scale = TakeScale(argc, argv);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    try {
        const Setup setup = Prepare(scale);
        CreateProgram(setup);
        RegisterActions(setup);
        RegisterReports(setup);
        SummaryReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        PrintSummary(reporter.Actions());
        DestroyInstances();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "varnholt_bench: %s\n", e.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
