#pragma once

#include <QByteArray>
#include <QString>

class QAbstractItemModel;

namespace platform::db {

// A table as CSV that spreadsheet programs open with every character intact:
// UTF-8 with a byte order mark, "," between fields, CRLF after each record,
// fields quoted (quotes doubled) where they hold a comma, quote or line break.
// The first record holds the column titles; dates are written yyyy-MM-dd and
// numbers with "." as the decimal point.
QByteArray CsvFromModel(const QAbstractItemModel& model);

// Writes CsvFromModel to the file; raises an Error when it cannot be written.
void ExportCsv(const QAbstractItemModel& model, const QString& filePath);

} // namespace platform::db
