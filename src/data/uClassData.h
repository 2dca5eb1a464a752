#pragma once

#include <QString>

// The record writers: every INSERT, UPDATE and DELETE of the program but the
// password change. Values arrive as texts; texts are spliced quoted, IDs and
// typed numbers bare, dates of the books between "#" signs. Each statement runs
// through ExecQuery on the scratch query, in a transaction of its own.

// Writes the two books of an association: fixed assets and cash-flow entries.
class TAccount {
public:
    void AddFixedAsset(const QString& deptID, const QString& name, const QString& status,
                       const QString& value, const QString& memo, const QString& date);
    void ModifyFixedAsset(const QString& id, const QString& deptID, const QString& name,
                          const QString& status, const QString& value, const QString& memo,
                          const QString& date);
    void DeleteFixedAsset(const QString& id);
    void AddWasteEntry(const QString& deptID, const QString& date, const QString& typeID,
                       const QString& amount, const QString& memo);
    void ModifyWasteEntry(const QString& id, const QString& deptID, const QString& date,
                          const QString& typeID, const QString& amount, const QString& memo);
    void DeleteWasteEntry(const QString& id);

    QString SQLText;

private:
    void Run();
};

// Writes the catalogue: association types, associations and subjects.
class TFinanceItem {
public:
    void AddDeptType(const QString& name);
    void ModifyDeptType(const QString& id, const QString& name);
    void DeleteDeptType(const QString& id);
    void AddDept(const QString& name, const QString& typeID, const QString& manager,
                 const QString& managerTel, const QString& basicThing, const QString& foundDate);
    void ModifyDept(const QString& id, const QString& name, const QString& typeID,
                    const QString& manager, const QString& managerTel,
                    const QString& basicThing, const QString& foundDate);
    // Deletes the association with its cash-flow entries and fixed assets, all or
    // nothing, in one transaction.
    void DeleteDept(const QString& id);
    void AddSubject(const QString& name, const QString& inOut);
    void ModifySubject(const QString& id, const QString& name, const QString& inOut);

    QString SQLText;

private:
    void Run();
    void Execute(const QString& statement);
};

extern TAccount* Account;
extern TFinanceItem* FinanceItem;
