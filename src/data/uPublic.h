#pragma once

#include <QString>

#include <vector>

class QTreeWidget;
class QWidget;
class QTreeWidgetItem;

namespace platform {
class IdNameList;
namespace db {
class Query;
}
} // namespace platform

// The query and transaction functions every window uses, and the tree builder.

// Transactions on the shared connection; there is at most one, never nested.
void DBBeginTrans();   // begins one unless one is open
void DBCommitTrans();  // commits the open one, if any
void DBRollbackTrans(); // rolls back the open one, if any

// Runs a statement that returns rows. On failure shows the SQL error box and
// returns false, leaving the query closed.
bool OpenQuery(platform::db::Query* query, const QString& statement);
// Runs a statement that changes data, in a transaction committed at once. On
// failure rolls back, shows the SQL error box and returns false.
bool ExecQuery(platform::db::Query* query, const QString& statement);
// Loads the ID/NAME rows of a statement into a list, names trimmed, through the
// scratch query (left open past its last row).
void FillIdNameList(const QString& statement, platform::IdNameList& list);

// The notice for refused input: warning icon, caption "提示"; then the focus
// goes to the field concerned, if one is given.
void ShowNotice(const QString& text, QWidget* field = nullptr);
// The question before a deletion: Yes and No under "提示"; only No declines.
bool Confirmed(const QString& question);

// A text spliced into a statement: between single quotes, every quote inside
// doubled, so that any typed text is stored as typed and cannot change what the
// statement does.
QString QuotedStr(const QString& text);

// The record attached to each node of the association tree.
class pTreeRec {
public:
    pTreeRec() { ++s_live; }
    ~pTreeRec() { --s_live; }
    pTreeRec(const pTreeRec&) = delete;
    pTreeRec& operator=(const pTreeRec&) = delete;

    // How many records exist: a tree that is rebuilt must leave none behind.
    static int Live() { return s_live; }

    QString ID;
    QString Name;
    QString UpID;
    bool Root = false;

private:
    static inline int s_live = 0;
};

// The record attached to a tree node, or nullptr.
pTreeRec* TreeRecOf(const QTreeWidgetItem* node);

// Builds the tree from a statement returning ID, NAME, UPID and ROOT: the
// top-level records (ROOT 1 or UPID 0) in the statement's order, each followed
// by its children, recursively, in the statement's order. Rows whose chain of
// parents never reaches a top-level record are left out.
void BuildDeptTree(const QString& statement, QTreeWidget* tree);
// Releases the record of every node and clears the nodes' data; the nodes stay.
void FreeTreeData(QTreeWidget* tree);
