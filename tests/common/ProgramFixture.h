#pragma once

#include "platform/ScriptedDesktop.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

// A fresh DB.mdb in a temporary directory that becomes the current one, a
// scripted desktop, and (for ProgramTest) the program's single instances.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    platform::ScriptedDesktop& Desktop() { return *m_desktop; }
    QString Dir() const { return m_dir.path(); }

    // Direct access to the database file, beside the program's own connection.
    void Sql(const QString& statement);
    QVariant Scalar(const QString& statement);
    // Inserts a row and returns its new ID.
    int Insert(const QString& statement);

    // Catalogue and books in one call each; return the new ID.
    int AddType(const QString& name);
    int AddDept(const QString& name, int typeId, const QString& foundDate = QStringLiteral("2003-01-01"));
    int AddSubject(const QString& name, const QString& inOut);
    int AddFixed(int deptId, const QString& name, double value, const QString& date,
                 const QString& status = QStringLiteral("良好"));
    int AddEntry(int deptId, int subjectId, double amount, const QString& date,
                 const QString& memo = QString());

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    platform::ScriptedDesktop* m_desktop = nullptr;
    QString m_connectionName;
};

// The whole program created as at start-up over the fresh database; the record
// writers exist as after the login.
class ProgramTest : public DatabaseTest {
protected:
    void SetUp() override;
    void TearDown() override;
};
