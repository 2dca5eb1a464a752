#pragma once

#include <QString>

class QAbstractItemModel;
class QAbstractItemView;
class QMenu;

namespace platform {
struct PrintDocument;
}

// Export and printing of what the windows show. Each asks the user where to
// write (or which printer) through the desktop; a cancelled question does nothing.
namespace reports {

inline constexpr char kExportCsvCaption[] = "导出到CSV...";

// Writes the model as CSV to a file the user chooses, proposing proposedName.
void ExportToCsv(const QAbstractItemModel& model, const QString& proposedName);
// Prints the document on a printer the user chooses.
void PrintOnPrinter(const platform::PrintDocument& document);
// Writes the document as PDF to a file the user chooses, proposing proposedName.
void SaveAsPdf(const platform::PrintDocument& document, const QString& proposedName);

// Adds a separator and "导出到CSV..." for the view's rows to a context menu.
void AddCsvExport(QMenu* menu, QAbstractItemView* view, const QString& proposedName);
// Gives a view without a context menu of its own one with "导出到CSV...".
void AddCsvExport(QAbstractItemView* view, const QString& proposedName);

} // namespace reports
