#include "data/uPublic.h"

#include "platform/Controls.h"
#include "platform/Conversions.h"
#include "platform/Desktop.h"
#include "platform/Errors.h"
#include "platform/db/Query.h"
#include "shell/dbmodule.h"

#include <QHash>
#include <QTreeWidget>

#include <memory>

using platform::db::Query;

void DBBeginTrans()
{
    if (!DM->DB->InTransaction())
        DM->DB->BeginTrans();
}

void DBCommitTrans()
{
    if (DM->DB->InTransaction())
        DM->DB->CommitTrans();
}

void DBRollbackTrans()
{
    if (DM->DB->InTransaction())
        DM->DB->RollbackTrans();
}

namespace {
void ShowSqlError(const QString& statement)
{
    platform::Desktop::Current().MessageBox(
        QStringLiteral("执行SQL语句") + QLatin1Char('\r') + statement + QLatin1Char('\r')
            + QStringLiteral("出现错误！"),
        QStringLiteral("错误提示"), platform::Icon::Error, platform::Buttons::Ok);
}
} // namespace

bool OpenQuery(Query* query, const QString& statement)
{
    try {
        query->Close();
        query->SetSQL(statement);
        query->Open();
        return true;
    } catch (const std::exception&) {
        query->Close();
        ShowSqlError(statement);
        return false;
    }
}

bool ExecQuery(Query* query, const QString& statement)
{
    try {
        query->Close();
        query->SetSQL(statement);
        DBBeginTrans();
        query->ExecSQL();
        DBCommitTrans();
        return true;
    } catch (const std::exception&) {
        try {
            DBRollbackTrans();
        } catch (const std::exception&) {
            // The failure is reported below; a rollback that fails too has
            // nothing left to undo.
        }
        ShowSqlError(statement);
        return false;
    }
}

void FillIdNameList(const QString& statement, platform::IdNameList& list)
{
    list.ClearItems();
    Query* query = DM->temQry;
    OpenQuery(query, statement);
    query->First();
    while (!query->Eof()) {
        list.AddItem(platform::Trim(query->FieldByName(QStringLiteral("NAME")).AsString()),
                     query->FieldByName(QStringLiteral("ID")).AsString().toInt());
        query->Next();
    }
}

void ShowNotice(const QString& text, QWidget* field)
{
    platform::Desktop::Current().MessageBox(text, QStringLiteral("提示"), platform::Icon::Warning,
                                            platform::Buttons::Ok);
    if (field)
        field->setFocus();
}

bool Confirmed(const QString& question)
{
    return platform::Desktop::Current().MessageBox(question, QStringLiteral("提示"), platform::Icon::Question,
                                                   platform::Buttons::YesNo)
           != platform::mrNo;
}

QString QuotedStr(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

pTreeRec* TreeRecOf(const QTreeWidgetItem* node)
{
    return node ? reinterpret_cast<pTreeRec*>(node->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

namespace {

void Attach(QTreeWidgetItem* node, std::unique_ptr<pTreeRec>& record)
{
    node->setText(0, record->Name);
    node->setData(0, Qt::UserRole, QVariant::fromValue(quintptr(record.release())));
}

// The records of one build, in the statement's order, with the indexes of each
// parent ID's children, so that every node finds its children without scanning
// the whole list.
struct TreeRecList {
    std::vector<std::unique_ptr<pTreeRec>> records;
    QHash<QString, std::vector<size_t>> childrenOf;
};

void AddChildNodes(TreeRecList& list, const QString& parentID, QTreeWidgetItem* parentNode)
{
    const auto children = list.childrenOf.constFind(parentID);
    if (children == list.childrenOf.cend())
        return;
    for (size_t index : *children) {
        std::unique_ptr<pTreeRec>& record = list.records[index];
        if (!record)
            continue;  // already placed: a record is reached along one chain only
        const QString id = record->ID;
        auto* node = new QTreeWidgetItem(parentNode);
        Attach(node, record);
        AddChildNodes(list, id, node);
    }
}

} // namespace

void BuildDeptTree(const QString& statement, QTreeWidget* tree)
{
    Query* query = DM->temQry;
    query->SetSQL(statement);
    query->Open();
    TreeRecList list;
    if (query->IsEmpty())
        return;
    for (query->First(); !query->Eof(); query->Next()) {
        auto record = std::make_unique<pTreeRec>();
        record->ID = query->FieldByName(QStringLiteral("ID")).AsString();
        record->Name = query->FieldByName(QStringLiteral("NAME")).AsString();
        record->UpID = query->FieldByName(QStringLiteral("UPID")).AsString();
        record->Root = query->FieldByName(QStringLiteral("Root")).AsInteger() == 1
                       || record->UpID.trimmed() == QLatin1String("0");
        list.childrenOf[record->UpID].push_back(list.records.size());
        list.records.push_back(std::move(record));
    }
    query->Close();

    // The nodes are built apart from the tree and handed to it at once, so the
    // view takes them in one update instead of one per node.
    QList<QTreeWidgetItem*> topLevel;
    for (std::unique_ptr<pTreeRec>& record : list.records) {
        if (!record || !record->Root)
            continue;
        const QString id = record->ID;
        auto* node = new QTreeWidgetItem;
        Attach(node, record);
        AddChildNodes(list, id, node);
        topLevel << node;
    }
    tree->addTopLevelItems(topLevel);
}

void FreeTreeData(QTreeWidget* tree)
{
    // The records are not shown, so the view need not hear of each release.
    const QSignalBlocker quiet(tree->model());
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        delete TreeRecOf(*it);
        (*it)->setData(0, Qt::UserRole, QVariant());
    }
}
