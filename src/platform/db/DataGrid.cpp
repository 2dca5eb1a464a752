#include "platform/db/DataGrid.h"

#include "platform/db/Query.h"

#include <QAbstractTableModel>
#include <QHeaderView>

namespace platform::db {

class QueryModel : public QAbstractTableModel {
public:
    explicit QueryModel(QObject* parent) : QAbstractTableModel(parent) {}

    void SetQuery(Query* query)
    {
        beginResetModel();
        if (m_query)
            m_query->disconnect(this);
        m_query = query;
        if (m_query)
            connect(m_query, &Query::ResultChanged, this, &QueryModel::Rebind);
        BindColumns();
        endResetModel();
    }

    Query* GetQuery() const { return m_query; }

    void AddColumn(const QString& fieldName, const QString& title)
    {
        beginResetModel();
        m_fields << fieldName;
        m_titles << title;
        BindColumns();
        endResetModel();
    }

    void SetRowColor(DataGrid::RowColor rowColor)
    {
        beginResetModel();
        m_rowColor = std::move(rowColor);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() || !m_query ? 0 : m_query->RecordCount();
    }

    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_fields.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || !m_query)
            return QVariant();
        if (role == Qt::DisplayRole)
            return Field(m_query->ValueAt(index.row(), m_columnIndexes.value(index.column(), -1))).AsString();
        if (role == Qt::BackgroundRole && m_rowColor)
            return m_rowColor(*m_query, index.row());
        return QVariant();
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (role == Qt::DisplayRole)
            return m_titles.value(section);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return QVariant();
    }

private:
    void Rebind()
    {
        beginResetModel();
        BindColumns();
        endResetModel();
    }

    void BindColumns()
    {
        m_columnIndexes.clear();
        for (const QString& field : m_fields)
            m_columnIndexes << (m_query && m_query->Active() ? m_query->FieldIndex(field) : -1);
    }

    Query* m_query = nullptr;
    QStringList m_fields;
    QStringList m_titles;
    QList<int> m_columnIndexes;
    DataGrid::RowColor m_rowColor;
};

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), m_model(new QueryModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultSectionSize(120);
    connect(this, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        if (Query* query = GetQuery(); query && query->Active())
            query->MoveTo(index.row());
    });
}

void DataGrid::SetQuery(Query* query)
{
    if (Query* old = m_model->GetQuery())
        old->disconnect(this);
    m_model->SetQuery(query);
    if (!query)
        return;
    auto follow = [this](int row) {
        if (row >= 0 && row < m_model->rowCount())
            setCurrentIndex(m_model->index(row, qMax(0, currentIndex().column())));
    };
    connect(query, &Query::CurrentRowChanged, this, follow);
    connect(query, &Query::ResultChanged, this, [this, query] {
        if (query->RecNo() >= 0 && m_model->columnCount() > 0)
            setCurrentIndex(m_model->index(query->RecNo(), 0));
    });
}

Query* DataGrid::GetQuery() const { return m_model->GetQuery(); }

void DataGrid::AddColumn(const QString& fieldName, const QString& title)
{
    m_model->AddColumn(fieldName, title);
}

void DataGrid::SetRowColor(RowColor rowColor) { m_model->SetRowColor(std::move(rowColor)); }

int DataGrid::RowCount() const { return m_model->rowCount(); }

QString DataGrid::CellText(int row, int column) const
{
    return m_model->data(m_model->index(row, column), Qt::DisplayRole).toString();
}

QColor DataGrid::CellBackground(int row, int column) const
{
    return m_model->data(m_model->index(row, column), Qt::BackgroundRole).value<QColor>();
}

QString DataGrid::ColumnTitle(int column) const
{
    return m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

} // namespace platform::db
