#include "platform/db/Snapshot.h"

#include <sqlite3.h>

#include <cstring>

namespace platform::db {

void Snapshot::AddRow(sqlite3_stmt* statement)
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        Column& column = m_columns[i];
        const int c = int(i);
        Kind kind = Kind::Null;
        qint64 value = 0;
        switch (sqlite3_column_type(statement, c)) {
        case SQLITE_INTEGER:
            kind = Kind::Integer;
            value = sqlite3_column_int64(statement, c);
            break;
        case SQLITE_FLOAT: {
            kind = Kind::Float;
            const double number = sqlite3_column_double(statement, c);
            std::memcpy(&value, &number, sizeof value);
            break;
        }
        case SQLITE_NULL:
            break;
        case SQLITE_BLOB:
            kind = Kind::Text;
            value = BlobIndex(column, sqlite3_column_blob(statement, c), sqlite3_column_bytes(statement, c));
            break;
        default:
            kind = Kind::Text;
            value = TextIndex(column, reinterpret_cast<const char*>(sqlite3_column_text(statement, c)),
                              sqlite3_column_bytes(statement, c));
            break;
        }
        column.kinds.append(kind);
        column.values.append(value);
    }
    ++m_rows;
}

qint64 Snapshot::TextIndex(Column& column, const char* bytes, int size)
{
    const QByteArrayView text(bytes, size);
    const size_t hash = qHash(text);
    const auto known = column.sharedByHash.constFind(hash);
    if (known != column.sharedByHash.cend()) {
        const Shared& shared = column.shared[*known];
        if (QByteArrayView(column.sharedBytes.constData() + shared.offset, shared.size) == text)
            return shared.index;
    }
    const qint64 index = qint64(column.texts.size());
    column.texts.emplace_back(QString::fromUtf8(text));
    // A text whose hash is taken already stays unshared; that is rare enough
    // to cost nothing.
    if (known == column.sharedByHash.cend() && column.shared.size() < kMaxShared) {
        column.sharedByHash.insert(hash, column.shared.size());
        column.shared.push_back({column.sharedBytes.size(), size, index});
        column.sharedBytes.append(text);
    }
    return index;
}

qint64 Snapshot::BlobIndex(Column& column, const void* bytes, int size)
{
    column.texts.emplace_back(QByteArray(static_cast<const char*>(bytes), size));
    return qint64(column.texts.size()) - 1;
}

QVariant Snapshot::Value(int row, int column) const
{
    const Column& c = m_columns[size_t(column)];
    const qint64 value = c.values[row];
    switch (c.kinds[row]) {
    case Kind::Integer:
        return QVariant(qlonglong(value));
    case Kind::Float: {
        double number;
        std::memcpy(&number, &value, sizeof number);
        return QVariant(number);
    }
    case Kind::Text:
        return c.texts[size_t(value)];
    case Kind::Null:
        break;
    }
    return QVariant(QMetaType::fromType<QString>());
}

} // namespace platform::db
