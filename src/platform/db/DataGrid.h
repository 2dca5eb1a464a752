#pragma once

#include <QColor>
#include <QTableView>

#include <functional>

namespace platform::db {

class Query;
class QueryModel;

// A read-only grid over a Query: columns bound by field name with a title each.
// The selected row follows the query's current row, and a click moves it. A hook
// may paint each row's background.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    using RowColor = std::function<QColor(const Query& query, int row)>;

    explicit DataGrid(QWidget* parent = nullptr);

    void SetQuery(Query* query);
    Query* GetQuery() const;
    void AddColumn(const QString& fieldName, const QString& title);
    void SetRowColor(RowColor rowColor);

    // What the user sees: rows shown, and the text and background of a cell.
    int RowCount() const;
    QString CellText(int row, int column) const;
    QColor CellBackground(int row, int column) const;
    QString ColumnTitle(int column) const;

private:
    QueryModel* m_model;
};

} // namespace platform::db
