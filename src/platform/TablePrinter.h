#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QAbstractItemModel;
class QPagedPaintDevice;

namespace platform {

// A table to print: column titles, rows of texts and an optional totals row.
// Columns listed in rightAligned (numbers) are aligned to the right.
struct PrintTable {
    QString caption;
    QStringList titles;
    std::vector<QStringList> rows;
    QStringList totals;
    std::vector<int> rightAligned;
};

// A printed document: a title, lines under it (what and which period), and
// its tables one after the other.
struct PrintDocument {
    QString title;
    QStringList subtitles;
    std::vector<PrintTable> tables;
};

// The titles and display texts of a model; columns whose first row asks for
// right alignment are right-aligned.
PrintTable TableFromModel(const QAbstractItemModel& model);

// Lays the document out on the device's pages (A4 if the device has no other
// size): the title on the first page, the column titles repeated at the top of
// every page a table continues on, and "第 n 页，共 m 页" at the foot of each.
// Returns the number of pages printed.
int Print(const PrintDocument& document, QPagedPaintDevice& device);

// Prints the document into a PDF file; raises an Error when it cannot be written.
int SavePdf(const PrintDocument& document, const QString& filePath);

} // namespace platform
