#include "reports/Output.h"

#include "platform/Application.h"
#include "platform/Desktop.h"
#include "platform/TablePrinter.h"
#include "platform/db/CsvExport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QMenu>
#include <QPrinter>

namespace reports {

namespace {
QAction* CsvAction(QObject* parent, QAbstractItemView* view, const QString& proposedName)
{
    auto* action = new QAction(QString::fromUtf8(kExportCsvCaption), parent);
    platform::Application::On(action, &QAction::triggered, view, [view, proposedName] {
        ExportToCsv(*view->model(), proposedName);
    });
    return action;
}
} // namespace

void ExportToCsv(const QAbstractItemModel& model, const QString& proposedName)
{
    const QString path = platform::Desktop::Current().SaveFileName(
        QStringLiteral("导出到CSV"), proposedName, QStringLiteral("CSV 文件 (*.csv)"));
    if (!path.isEmpty())
        platform::db::ExportCsv(model, path);
}

void PrintOnPrinter(const platform::PrintDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title);
    if (platform::Desktop::Current().ChoosePrinter(printer))
        platform::Print(document, printer);
}

void SaveAsPdf(const platform::PrintDocument& document, const QString& proposedName)
{
    const QString path = platform::Desktop::Current().SaveFileName(
        QStringLiteral("导出为PDF"), proposedName, QStringLiteral("PDF 文件 (*.pdf)"));
    if (!path.isEmpty())
        platform::SavePdf(document, path);
}

void AddCsvExport(QMenu* menu, QAbstractItemView* view, const QString& proposedName)
{
    menu->addSeparator();
    menu->addAction(CsvAction(menu, view, proposedName));
}

void AddCsvExport(QAbstractItemView* view, const QString& proposedName)
{
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->addAction(CsvAction(view, view, proposedName));
}

} // namespace reports
