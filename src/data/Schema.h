#pragma once

#include <QString>
#include <QStringList>

// The five tables of the program's database and the indexes its statements need.
namespace Schema {

// The tables a file must hold to be one of our databases.
QStringList TableNames();

// Creates a new database file with the schema and one user. Fails with a
// platform::Error when the file exists already or cannot be written.
void CreateDatabase(const QString& filePath, const QString& userName,
                    const QString& password, const QString& right);

} // namespace Schema
