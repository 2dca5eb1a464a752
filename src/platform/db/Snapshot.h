#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QVariant>

#include <vector>

struct sqlite3_stmt;

namespace platform::db {

// The rows of a result, read once from the engine and kept column by column in
// plain values: a cell takes nine bytes, and a text that repeats within a column
// (a subject, an association's name, a date) is kept once and shared by every
// cell that holds it. A column stops collecting new texts for sharing once it
// has met kMaxShared different ones; later texts are kept one per cell.
class Snapshot {
public:
    explicit Snapshot(int columns = 0) : m_columns(size_t(columns)) {}

    // Reads every column of the statement's current row, as the engine typed
    // it: integers, floating-point numbers, texts, blobs, and NULL.
    void AddRow(sqlite3_stmt* statement);

    int Rows() const { return m_rows; }
    // A cell as the database layer hands values on: an integer as qlonglong, a
    // floating-point number as double, a text as QString, a blob as
    // QByteArray, and NULL as a null QString.
    QVariant Value(int row, int column) const;

private:
    static constexpr size_t kMaxShared = 1 << 16;
    enum class Kind : quint8 { Null, Integer, Float, Text };

    // A text kept for sharing: where its bytes, as the engine hands them over,
    // lie in the column's byte store, and its index among the column's texts.
    struct Shared {
        qsizetype offset;
        int size;
        qint64 index;
    };

    // Kinds and values are QLists: they grow in place (realloc) where a vector
    // would copy. A text is found among the shared ones by the hash of its
    // bytes, so a lookup compares integers, and texts only once the hashes agree.
    struct Column {
        QList<Kind> kinds;
        QList<qint64> values;  // the integer, the double's bits, or the index of a text
        std::vector<QVariant> texts;  // the column's texts and blobs
        QByteArray sharedBytes;
        std::vector<Shared> shared;
        QHash<size_t, size_t> sharedByHash;  // index into `shared`
    };

    static qint64 TextIndex(Column& column, const char* bytes, int size);
    static qint64 BlobIndex(Column& column, const void* bytes, int size);

    std::vector<Column> m_columns;
    int m_rows = 0;
};

} // namespace platform::db
