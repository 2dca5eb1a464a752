#pragma once

#include <QString>
#include <QVariant>

// Reading and changing a database file directly, each call on a connection of
// its own, as another program would.
QVariant ScalarIn(const QString& file, const QString& statement);
void ExecIn(const QString& file, const QString& statement);

// Damages a database in a way that only the integrity check sees: an index
// whose declared column no longer matches its entries. The file must hold
// cash-flow entries.
void BreakIndex(const QString& file);
// Cuts the file to half its length.
void Truncate(const QString& file);

QByteArray Contents(const QString& file);
void Write(const QString& file, const QByteArray& contents);
