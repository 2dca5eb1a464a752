#include "shell/Main.h"

#include "catalogue/uDeptList.h"
#include "ledger/uDeptInfo.h"
#include "platform/Application.h"
#include "reports/BookPrint.h"
#include "reports/Output.h"
#include "reports/uCustomQuery.h"
#include "reports/uMonthAnalysis.h"
#include "reports/uMonthReport.h"
#include "reports/uSubjectReport.h"

#include <QMenuBar>

using platform::Application;

namespace {

QAction* AddEntry(QMenu* menu, const QString& caption, std::function<void()> command)
{
    QAction* action = menu->addAction(caption);
    Application::On(action, &QAction::triggered, menu, std::move(command));
    return action;
}

// The finance window's grid on its active page: the fixed assets or the
// cash-flow entries, of the association shown or of the last search.
platform::db::DataGrid* ActiveBookGrid()
{
    return frmDeptInfo->PC_date->currentIndex() == 0 ? frmDeptInfo->DBGrid1 : frmDeptInfo->DBG;
}

} // namespace

// The menu "查询统计" with the reports, and export and printing of every grid.
// Reports only read, so the menu is there for every user and the edit rights
// never switch it. Runs once all windows exist.
void TfrmMain::SetupReports()
{
    frmCustomQuery = new TfrmCustomQuery(this);
    frmMonthAnalysis = new TfrmMonthAnalysis(this);
    frmSubjectReport = new TfrmSubjectReport(this);
    frmMonthReport = new TfrmMonthReport(this);

    NTestPaper->clear();
    AddEntry(NTestPaper, QStringLiteral("自定条件查询"), [] { frmCustomQuery->ShowModal(); });
    AddEntry(NTestPaper, QStringLiteral("本月财务分析"), [] { frmMonthAnalysis->ShowModal(); });
    AddEntry(NTestPaper, QStringLiteral("分类统计"), [] { frmSubjectReport->ShowModal(); });
    NTestPaper->addSeparator();
    AddEntry(NTestPaper, QStringLiteral("月报表"), [] { frmMonthReport->ShowModal(); });
    NTestPaper->addSeparator();
    AddEntry(NTestPaper, QString::fromUtf8(reports::kExportCsvCaption), [] {
        platform::db::DataGrid* grid = ActiveBookGrid();
        reports::ExportToCsv(*grid->model(), FinanceWindowFileName() + QLatin1Char('_')
                                                  + frmDeptInfo->PC_date->tabText(frmDeptInfo->PC_date->currentIndex())
                                                  + QStringLiteral(".csv"));
    });
    AddEntry(NTestPaper, QStringLiteral("打印帐簿..."), [] { reports::PrintOnPrinter(FinanceWindowDocument()); });
    AddEntry(NTestPaper, QStringLiteral("帐簿导出为PDF..."),
             [] { reports::SaveAsPdf(FinanceWindowDocument(), FinanceWindowFileName() + QStringLiteral(".pdf")); });
    if (!menuBar()->actions().contains(NTestPaper->menuAction()))
        menuBar()->insertMenu(NAbout, NTestPaper);
    NTestPaper->menuAction()->setVisible(true);
    NTestPaper->setEnabled(true);

    reports::AddCsvExport(frmDeptInfo->pmFixed, frmDeptInfo->DBGrid1, QStringLiteral("固定资产.csv"));
    reports::AddCsvExport(frmDeptInfo->pmWaste, frmDeptInfo->DBG, QStringLiteral("流水帐.csv"));
    reports::AddCsvExport(frmDeptList->DBGrid1, QStringLiteral("社团列表.csv"));
}
